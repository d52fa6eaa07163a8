#include "bench_collection.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace tome::bench {
namespace {

const char* const Syllables[] = {"an", "ber", "cal", "dor", "el", "fin", "gar", "hol", "is", "jen",
                                 "kel", "lor", "mar", "nor", "ol", "pen", "quin", "ros", "sto",
                                 "tan", "ul", "ver", "wil", "yor", "zan"};
const char* const TitleWords[] = {"the", "house", "of", "river", "night", "garden", "letters", "a",
                             "winter", "journey", "stone", "and", "light", "memory", "secret",
                             "history", "island", "war", "daughter", "silent", "city", "north",
                             "fire", "in", "dark", "summer", "last", "song", "road", "glass"};
const char* const GivenNames[] = {"Anne", "Charles", "Jane", "Thomas", "Mary", "George", "Ruth",
                                  "Henry", "Alice", "Paul", "Edith", "James", "Louise", "Mark"};

class Maker {
public:
    explicit Maker(uint32_t seed) : random_(seed) {}

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    template <class T, size_t N>
    const T& Pick(const T (&items)[N]) { return items[Between(0, int(N) - 1)]; }

    std::string Name() {
        std::string surname;
        for (int i = Between(2, 3); i > 0; --i) surname += Pick(Syllables);
        surname[0] = static_cast<char>(surname[0] - 'a' + 'A');
        return surname + ", " + Pick(GivenNames);
    }

    // Words until the text is between low and high characters long.
    std::string Words(size_t low, size_t high) {
        const size_t target = static_cast<size_t>(Between(int(low), int(high)));
        std::string text;
        while (text.size() < target) {
            if (!text.empty()) text += ' ';
            text += Pick(TitleWords);
        }
        text.resize(target);
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        return text;
    }

    std::mt19937& random() { return random_; }

private:
    std::mt19937 random_;
};

void FillList(Maker& make, TextList& list, int32_t count, const char* prefix) {
    for (int32_t i = 1; i <= count; ++i) list.append(prefix + std::to_string(i) + " " + make.Words(4, 20));
}

}  // namespace

BookCollection MakeBenchCollection(int32_t bookCount) {
    Maker make(20050203);
    BookCollection books;
    const int32_t authorCount = 3000;
    for (int32_t i = 0; i < authorCount; ++i) books.authors.append(make.Name());
    FillList(make, books.callNumbers, 200, "");
    FillList(make, books.publishers, 250, "Press ");
    FillList(make, books.libraries, 40, "Branch ");
    FillList(make, books.categories, 60, "");

    for (int32_t b = 1; b <= bookCount; ++b) {
        BookRecord r;
        r.flags = static_cast<uint8_t>((make.Between(0, 2) == 0 ? HaveRead : WantToRead) | Shown);
        r.author = static_cast<uint16_t>(make.Between(1, authorCount));
        r.callNumber = static_cast<uint8_t>(make.Between(1, books.callNumberCount()));
        r.orderDate = static_cast<uint16_t>((make.Between(10, 45) << 9) | (make.Between(1, 12) << 5) |
                                            make.Between(1, 28));
        r.pubYear = static_cast<uint16_t>(make.Between(1850, 2024));
        r.publisher = static_cast<uint8_t>(make.Between(1, books.publisherCount()));
        r.library = static_cast<uint8_t>(make.Between(1, books.libraryCount()));
        r.category = static_cast<uint8_t>(make.Between(1, books.categoryCount()));
        books.records.append(r);
        books.titles.append(make.Words(10, 60));
        books.comments.append(make.Between(0, 4) == 0 ? make.Words(15, 120) : std::string());
    }

    std::vector<int32_t>& order = books.sortIndex.raw();
    order.resize(static_cast<size_t>(bookCount));
    std::iota(order.begin(), order.end(), 1);
    std::sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        const std::string& authorA = books.authors[books.records[a].author];
        const std::string& authorB = books.authors[books.records[b].author];
        if (authorA != authorB) return authorA < authorB;
        return books.titles[a] < books.titles[b];
    });
    return books;
}

void MarkRandomDeleted(BookCollection& books, int32_t count) {
    std::vector<int32_t> numbers(static_cast<size_t>(books.bookCount()));
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937(1815));
    for (int32_t i = 0; i < count; ++i) books.records[numbers[static_cast<size_t>(i)]].set(Deleted);
}

}  // namespace tome::bench
