#include "print/book_report.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "../print/recording_device.h"
#include "print/comment_lines.h"
#include "print/line_printer.h"

namespace tome {
namespace {

using testing::RecordingDevice;
using Drawn = RecordingDevice::Drawn;

int32_t Px(double inches) { return static_cast<int32_t>(inches * 600 + 0.5); }

// 4.5 inches hold 54 characters of the recording device's 50 pixels.
constexpr size_t LineChars = 54;

struct Press {
    RecordingDevice device;
    LinePrinter printer{device};
    Press() { printer.UseDefaultPrinter(); }
    std::vector<std::string> Lines(const std::string& comment) { return CommentLines(printer, comment, 4.5); }
};

TEST(CommentLines, ShortCommentIsOneLineEvenWithBreakCharacters) {
    Press p;
    EXPECT_EQ(p.Lines("Branch copy, large print"), std::vector<std::string>{"Branch copy, large print"});
    const std::string exactlyFull = std::string(LineChars - 2, 'a') + " b";
    EXPECT_EQ(p.Lines(exactlyFull), std::vector<std::string>{exactlyFull});
}

TEST(CommentLines, EmptyCommentHasNoLines) {
    Press p;
    EXPECT_TRUE(p.Lines("").empty());
}

TEST(CommentLines, LongCommentBreaksAfterTheLastBreakCharacterThatFits) {
    Press p;
    // The 54 characters that fit end inside "seventeen"; the blank before it ends the line.
    const std::string first = "one two three four five six seven eight nine ten ";
    const std::string comment = first + "seventeen";
    ASSERT_LT(first.size(), LineChars);
    ASSERT_GT(comment.size(), LineChars);
    EXPECT_EQ(p.Lines(comment), (std::vector<std::string>{first, "seventeen"}));

    // Each of the six characters stays at the end of its line.
    for (char c : std::string(" ,;.-_")) {
        const std::string head = std::string(40, 'x') + c;
        const std::string tail = std::string(20, 'y');
        EXPECT_EQ(p.Lines(head + tail), (std::vector<std::string>{head, tail})) << "break character " << c;
    }
    // The last one that fits wins, not the first.
    EXPECT_EQ(p.Lines(std::string(10, 'a') + "," + std::string(10, 'b') + "." + std::string(40, 'c')),
              (std::vector<std::string>{std::string(10, 'a') + "," + std::string(10, 'b') + ".", std::string(40, 'c')}));
}

TEST(CommentLines, WithoutBreakCharactersCutMidWordAtTheWidth) {
    Press p;
    const std::string comment(130, 'w');
    EXPECT_EQ(p.Lines(comment), (std::vector<std::string>{std::string(54, 'w'), std::string(54, 'w'), std::string(22, 'w')}));
}

TEST(CommentLines, CrLfBreaksTheLineAndIsNotPrinted) {
    Press p;
    EXPECT_EQ(p.Lines("first\r\nsecond"), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(p.Lines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(p.Lines("\r\nafter a blank line"), (std::vector<std::string>{"", "after a blank line"}));
    EXPECT_EQ(p.Lines("ends with a break\r\n"), std::vector<std::string>{"ends with a break"});
    // A lone CR or LF is no line break.
    EXPECT_EQ(p.Lines("a\rb\nc"), std::vector<std::string>{"a\rb\nc"});
}

TEST(CommentLines, CrLfWinsOverAnEarlierBreakCharacter) {
    Press p;
    // No break character after the CR LF within the width.
    const std::string second = std::string(60, 'z');
    EXPECT_EQ(p.Lines("Title, notes\r\n" + second),
              (std::vector<std::string>{"Title, notes", std::string(54, 'z'), std::string(6, 'z')}));
}

TEST(CommentLines, CrLfWithoutAnyBreakCharacter) {
    Press p;
    EXPECT_EQ(p.Lines("abcdef\r\nghijkl"), (std::vector<std::string>{"abcdef", "ghijkl"}));
    const std::string longWord(70, 'q');
    EXPECT_EQ(p.Lines(longWord + "\r\nend"),
              (std::vector<std::string>{std::string(54, 'q'), std::string(16, 'q'), "end"}));
}

TEST(CommentLines, CrLfAtTheEdgeOfTheWidthIsOneLineBreak) {
    Press p;
    const std::string fitsWithCr(53, 'h');  // the CR is the last character that fits
    EXPECT_EQ(p.Lines(fitsWithCr + "\r\ntail"), (std::vector<std::string>{fitsWithCr, "tail"}));
    const std::string full(54, 'f');  // the CR comes right after what fits: no blank line
    EXPECT_EQ(p.Lines(full + "\r\ntail"), (std::vector<std::string>{full, "tail"}));
    const std::string fullWithBlank = "full line with " + std::string(39, 'g');
    EXPECT_EQ(p.Lines(fullWithBlank + "\r\ntail"), (std::vector<std::string>{fullWithBlank, "tail"}));
}

TEST(CommentLines, NothingFitsStillAdvancesOneCharacterALine) {
    Press p;
    p.device.charWidth = 3000;  // 5 inches a character
    EXPECT_EQ(p.Lines("ab c"), (std::vector<std::string>{"a", "b", " ", "c"}));
    EXPECT_EQ(p.Lines("\r\nx"), (std::vector<std::string>{"", "x"}));

    RecordingDevice none;
    none.defaultPrinter = "";
    LinePrinter noPrinter(none);
    EXPECT_EQ(CommentLines(noPrinter, "no printer", 4.5).size(), 10u);
}

TEST(CommentLines, LongCommentsKeepEveryCharacterOnce) {
    Press p;
    p.device.widths = {{'W', 120}, {'i', 15}, {'.', 20}};
    std::mt19937 random(20240607);
    const std::string alphabet = "aWi. ,;-_\r\n\r\nxyz";
    for (int round = 0; round < 300; ++round) {
        std::string comment;
        const int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i) comment += alphabet[random() % alphabet.size()];

        const std::vector<std::string> lines = p.Lines(comment);
        // Joined with a CR LF wherever one ended a line, the lines give the comment back.
        size_t at = 0;
        for (const std::string& line : lines) {
            ASSERT_EQ(comment.compare(at, line.size(), line), 0) << "round " << round;
            EXPECT_LE(p.printer.TextWidth(line), 4.5) << "round " << round;
            at += line.size();
            if (comment.compare(at, 2, "\r\n") == 0) at += 2;
        }
        EXPECT_EQ(at, comment.size()) << "round " << round;
    }
}

TEST(CommentLines, TwoMillionCharactersWithoutBreaksCutEvenly) {
    Press p;
    const std::string comment(2000000, 'k');
    const std::vector<std::string> lines = p.Lines(comment);
    EXPECT_EQ(lines.size(), (comment.size() + LineChars - 1) / LineChars);
}

// One book printed on the recording device (0.15-inch lines, so a line step
// of 1.2 x 0.15 inch).
struct BookPrint {
    BookCollection books;
    RecordingDevice device;
    LinePrinter printer{device};
    double step = static_cast<double>(1.2f) * 0.15;

    int32_t AddFullBook(uint8_t flags) {
        books.authors = TextList{"Austen, Jane"};
        books.callNumbers = TextList{"Fic", "823.7 AUS"};
        books.publishers = TextList{"Penguin"};
        books.libraries = TextList{"Main", "Branch"};
        books.categories = TextList{"Novels"};
        Book b;
        b.record.flags = flags;
        b.record.author = 1;
        b.record.callNumber = 2;
        b.record.publisher = 1;
        b.record.orderDate = 0x3243;
        b.record.pubYear = 1815;
        b.record.library = 2;
        b.record.category = 1;
        b.title = "Emma";
        b.comments = "Large print";
        return AddBookAt(books, b, 1);
    }
    std::vector<Drawn> AtX(double x) const {
        std::vector<Drawn> at;
        for (const Drawn& d : device.drawn)
            if (d.x == Px(x)) at.push_back(d);
        return at;
    }
};

TEST(BookReport, HeadingRowsAndCommentInPlace) {
    BookPrint p;
    const int32_t b = p.AddFullBook(Shown | WantToRead);
    PrintBook(p.printer, p.books, b);

    const std::vector<std::string> calls = {"ChoosePrinter", "StartDoc Tomecase", "StartPage", "EndPage", "EndDoc"};
    EXPECT_EQ(p.device.calls, calls);
    ASSERT_EQ(p.device.fonts.size(), 1u);
    EXPECT_EQ(p.device.fonts[0].face, "MS Sans Serif");
    EXPECT_EQ(p.device.fonts[0].height, -83);

    const std::vector<Drawn> labels = p.AtX(0.75);
    const std::vector<std::string> labelTexts = {"Book source - Want to read", "Author:", "Title:", "Call Number:",
                                                 "Publisher:", "Order date:", "Publish date:", "Library:",
                                                 "Category:", "Source/comments:"};
    ASSERT_EQ(labels.size(), labelTexts.size());
    for (size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(labels[i].text, labelTexts[i]);
    EXPECT_EQ(labels[0].y, Px(1.0));
    for (size_t row = 1; row < labels.size(); ++row)
        EXPECT_EQ(labels[row].y, Px(1.0 + (3 + static_cast<double>(row - 1)) * p.step)) << labels[row].text;

    const std::vector<Drawn> values = p.AtX(2.75);
    const std::vector<std::string> valueTexts = {"Austen, Jane", "Emma", "823.7 AUS", "Penguin", "02-03-2005",
                                                 "1815", "Branch", "Novels", "Large print"};
    ASSERT_EQ(values.size(), valueTexts.size());
    for (size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i].text, valueTexts[i]);
        EXPECT_EQ(values[i].y, labels[i + 1].y);  // the first comment line shares the label's line
    }
}

TEST(BookReport, HaveReadHeadingAndEmptyValues) {
    BookPrint p;
    p.books.authors = TextList{"Eliot, George"};
    Book b;
    b.record.flags = HaveRead;
    b.record.author = 1;
    b.title = "Middlemarch";
    AddBookAt(p.books, b, 1);
    PrintBook(p.printer, p.books, 1);

    EXPECT_EQ(p.AtX(0.75).front().text, "Book source - Have read");
    const std::vector<Drawn> values = p.AtX(2.75);
    const std::vector<std::string> valueTexts = {"Eliot, George", "Middlemarch", "", "", "", "", "", ""};
    ASSERT_EQ(values.size(), valueTexts.size());  // an empty comment prints nothing after its label
    for (size_t i = 0; i < values.size(); ++i) EXPECT_EQ(values[i].text, valueTexts[i]);
}

TEST(BookReport, CommentLinesOneStepApart) {
    BookPrint p;
    const int32_t b = p.AddFullBook(HaveRead);
    p.books.comments[b] = "From the branch sale\r\nSigned by the editor";
    PrintBook(p.printer, p.books, b);
    const std::vector<Drawn> values = p.AtX(2.75);
    ASSERT_EQ(values.size(), 10u);
    EXPECT_EQ(values[8].text, "From the branch sale");
    EXPECT_EQ(values[9].text, "Signed by the editor");
    EXPECT_EQ(values[9].y, Px(1.0 + 12 * p.step));
}

TEST(BookReport, LinesBelowTheBottomMarginAreDropped) {
    BookPrint p;
    const int32_t b = p.AddFullBook(HaveRead);
    std::string many;
    for (int i = 0; i < 80; ++i) many += "line " + std::to_string(i) + "\r\n";
    p.books.comments[b] = many;
    PrintBook(p.printer, p.books, b);
    EXPECT_EQ(p.device.pages, 1);
    const std::vector<Drawn> values = p.AtX(2.75);
    // Lines start 1 + 11 steps down and go on while their bottom is within 10.5 inches.
    const int fit = static_cast<int>((10.5 - 0.15 - (1.0 + 11 * p.step)) / p.step) + 1;
    EXPECT_EQ(values.size(), 8u + static_cast<size_t>(fit));
    EXPECT_LE(values.back().y + 90, Px(10.5));
}

TEST(BookReport, CancelledDialogOrNoSuchBookPrintsNothing) {
    BookPrint p;
    const int32_t b = p.AddFullBook(HaveRead);
    p.device.chosenPrinter = "";
    PrintBook(p.printer, p.books, b);
    EXPECT_EQ(p.device.calls, std::vector<std::string>{"ChoosePrinter"});

    BookPrint q;
    q.AddFullBook(HaveRead);
    PrintBook(q.printer, q.books, 0);
    PrintBook(q.printer, q.books, 2);
    EXPECT_TRUE(q.device.calls.empty());
}

}  // namespace
}  // namespace tome
