#include "tools/csv_reader.h"

#include <csv.h>

namespace tome {
namespace {

class Reader {
public:
    Reader(const std::string& text, char delimiter, bool utf8, const std::function<void(CsvRow&)>& onRow)
        : text_(text), delimiter_(delimiter), utf8_(utf8), onRow_(onRow) {}
    ~Reader() { Stop(); }

    // Feeds the text from offset start (the beginning of line `line`);
    // false with problem set when a quoted field is malformed.
    bool Run(size_t start, int64_t line, CsvProblem& problem);

    int64_t RowStartLine() const { return rowStartLine_; }
    // Where the line after the row's first line begins.
    size_t AfterRowStartLine() const { return LineEnd(rowStartOffset_); }

private:
    static void OnField(void* data, size_t size, void* self) {
        static_cast<Reader*>(self)->row_.cells.emplace_back(static_cast<const char*>(data), size);
    }
    static void OnRowEnd(int, void* self) { static_cast<Reader*>(self)->EndRow(); }

    void EndRow() {
        row_.row = ++rowsRead_;
        row_.line = rowStartLine_;
        onRow_(row_);
        row_.cells.clear();
        inRow_ = false;
    }
    void Start();
    void Stop();
    void NoteOpenQuote(size_t lineStart, size_t lineEnd, int64_t line);
    int64_t Column(size_t lineStart, size_t offset) const;
    size_t LineEnd(size_t start) const;

    const std::string& text_;
    const char delimiter_;
    const bool utf8_;
    const std::function<void(CsvRow&)>& onRow_;
    csv_parser parser_{};
    bool started_ = false;
    CsvRow row_;
    int64_t rowsRead_ = 0;
    bool inRow_ = false;
    int64_t rowStartLine_ = 0;
    size_t rowStartOffset_ = 0;
    int64_t openQuoteLine_ = 0, openQuoteColumn_ = 0;
};

int OnlyBlankIsSpace(unsigned char c) { return c == ' '; }

// Strict: text after a closing quote is an error to report, not to guess at.
constexpr unsigned char Options = CSV_STRICT | CSV_STRICT_FINI;

void Reader::Start() {
    csv_init(&parser_, Options);
    csv_set_delim(&parser_, static_cast<unsigned char>(delimiter_));
    if (delimiter_ == '\t') csv_set_space_func(&parser_, OnlyBlankIsSpace);
    started_ = true;
    row_.cells.clear();
    inRow_ = false;
    openQuoteLine_ = 0;
}

void Reader::Stop() {
    if (started_) csv_free(&parser_);
    started_ = false;
}

// A line ends after its LF, or after a CR that no LF follows.
size_t Reader::LineEnd(size_t start) const {
    size_t i = text_.find_first_of("\r\n", start);
    if (i == std::string::npos) return text_.size();
    if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
    return i + 1;
}

int64_t Reader::Column(size_t lineStart, size_t offset) const {
    int64_t column = 1;
    for (size_t i = lineStart; i < offset; ++i) {
        if (!utf8_ || (static_cast<uint8_t>(text_[i]) & 0xC0) != 0x80) ++column;
    }
    return column;
}

// Called for a line that leaves a quoted field open: finds the quote that
// opened it, to name it should the field never be closed.
void Reader::NoteOpenQuote(size_t lineStart, size_t lineEnd, int64_t line) {
    bool inQuotes = openQuoteLine_ != 0, atFieldStart = false;
    if (!inQuotes) atFieldStart = true;
    for (size_t i = lineStart; i < lineEnd; ++i) {
        const char c = text_[i];
        if (inQuotes) {
            if (c == '"' && i + 1 < lineEnd && text_[i + 1] == '"') ++i;
            else if (c == '"') inQuotes = false, atFieldStart = false;
        } else if (c == delimiter_) {
            atFieldStart = true;
        } else if (c == '"' && atFieldStart) {
            inQuotes = true;
            openQuoteLine_ = line;
            openQuoteColumn_ = Column(lineStart, i);
        } else if (c != ' ') {
            atFieldStart = false;
        }
    }
}

bool Reader::Run(size_t start, int64_t line, CsvProblem& problem) {
    Start();
    for (size_t lineStart = start; lineStart < text_.size(); ++line) {
        const size_t lineEnd = LineEnd(lineStart);
        if (!inRow_ && text_.find_first_not_of("\r\n", lineStart) < lineEnd) {
            rowStartLine_ = line;
            rowStartOffset_ = lineStart;
            inRow_ = true;  // cleared again when the row ends within this line
        }
        for (size_t at = lineStart; at < lineEnd;) {
            const size_t done = csv_parse(&parser_, text_.data() + at, lineEnd - at, OnField, OnRowEnd, this);
            at += done;
            if (at == lineEnd) break;
            if (csv_error(&parser_) == CSV_EPARSE && !parser_.quoted) {
                // A quote inside an unquoted field (="0441013597", 5" floppy):
                // reading sites write them and spreadsheets read them as text.
                csv_set_opts(&parser_, static_cast<unsigned char>(Options & ~CSV_STRICT));
                at += csv_parse(&parser_, text_.data() + at, 1, OnField, OnRowEnd, this);
                csv_set_opts(&parser_, Options);
                continue;
            }
            problem = {rowsRead_ + 1, line, Column(lineStart, at),
                       csv_error(&parser_) == CSV_EPARSE ? "text after the closing quote (a quote inside a quoted "
                                                           "field is written twice)"
                                                         : csv_strerror(csv_error(&parser_))};
            ++rowsRead_;  // the broken row keeps its number
            Stop();
            return false;
        }
        if (parser_.quoted) NoteOpenQuote(lineStart, lineEnd, line);
        else openQuoteLine_ = 0;
        lineStart = lineEnd;
    }
    if (csv_fini(&parser_, OnField, OnRowEnd, this) != 0) {
        problem = {rowsRead_ + 1, openQuoteLine_, openQuoteColumn_, "the quoted field is never closed"};
        ++rowsRead_;
        Stop();
        return false;
    }
    Stop();
    return true;
}

}  // namespace

bool CsvReaderAvailable() { return true; }
std::string CsvReaderMissingText() { return {}; }

bool ReadCsv(const std::string& text, char delimiter, bool utf8, const std::function<void(CsvRow&)>& onRow,
             const std::function<bool(const CsvProblem&)>& onProblem) {
    Reader reader(text, delimiter, utf8, onRow);
    size_t start = 0;
    int64_t line = 1;
    CsvProblem problem;
    while (!reader.Run(start, line, problem)) {
        if (!onProblem(problem)) return false;
        line = reader.RowStartLine() + 1;
        start = reader.AfterRowStartLine();
    }
    return true;
}

}  // namespace tome
