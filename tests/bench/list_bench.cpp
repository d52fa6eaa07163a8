// Filling the visible list with 100,000 books, one Find keystroke over
// 100,000 rows, one insert position at the end of 100,000 books and one
// heading-click sort of 100,000 rows, each beside the plain cost of the same
// strings.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench_collection.h"
#include "books/find.h"
#include "books/list_filling.h"
#include "books/sort_key.h"
#include "books/text_case.h"
#include "controls/column_list_model.h"
#include "ratio_reporter.h"

namespace tome::bench {
namespace {

class RowsOnly final : public VisibleList {
public:
    void SetRowCount(int32_t count) override { rows.resize(static_cast<size_t>(count)); }
    void AddRow(const std::string& text, int32_t itemValue) override { rows.push_back({text, itemValue}); }
    void Redisplay() override {}
    void SelectRow(int32_t position, int32_t) override { current = position < 0 ? -position : position; }
    int32_t CurrentRow() const override { return rows.empty() ? 0 : current; }
    int32_t ItemDataAt(int32_t position) const override {
        return position >= 1 && static_cast<size_t>(position) <= rows.size() ? rows[size_t(position) - 1].second : 0;
    }
    std::vector<std::pair<std::string, int32_t>> rows;
    int32_t current = 0;
};

class Texts final : public MainWindowTexts {
public:
    void SetStatusText(int32_t, const std::string&) override {}
    std::string FindText() const override { return findText; }
    void SetFindText(const std::string& text) override {
        findText = text;
        onChange();
    }
    void SetFindCaret(int32_t) override {}
    void SetFindResult(const std::string& text) override { result = text; }
    std::string findText;
    std::string result;
    std::function<void()> onChange;
};

struct Shared {
    BookCollection books = MakeBenchCollection();
};

Shared& Data() {
    static Shared* shared = new Shared;
    return *shared;
}

void BM_FillList(benchmark::State& state) {
    BookCollection books = Data().books;
    FileState files;
    ListState listState;
    RowsOnly list;
    Texts window;
    const ListScreen screen{books, files, listState, 1, list, window};
    for (auto _ : state) FillList(screen, 0, 0);
    if (list.rows.size() != size_t(books.bookCount())) state.SkipWithError("not every book was listed");
}

// The same author and title strings copied into one new string per book.
void BM_PlainRowCopy(benchmark::State& state) {
    const BookCollection& books = Data().books;
    std::vector<std::string> rows;
    for (auto _ : state) {
        rows.clear();
        for (int32_t b : books.sortIndex.raw()) {
            std::string row = AuthorText(books, b);
            row += books.titles[b];
            rows.push_back(std::move(row));
        }
        benchmark::DoNotOptimize(rows.data());
    }
}

// A keystroke that matches nothing: author and title passes over every row,
// then the same again after the text is set back.
void BM_FindMiss(benchmark::State& state) {
    BookCollection books = Data().books;
    FileState files;
    ListState listState;
    RowsOnly list;
    Texts window;
    const ListScreen screen{books, files, listState, 1, list, window};
    FillList(screen, 0, 0);
    window.onChange = [&] { FindNext(screen); };
    for (auto _ : state) {
        window.findText = "qx";
        FindNext(screen);
    }
    if (window.result != NotFoundText) state.SkipWithError("the miss was found");
}

// The same searching without folding: the authors, then the titles, of the
// books in display order, twice, with a plain substring search.
void BM_PlainSearch(benchmark::State& state) {
    const BookCollection& books = Data().books;
    for (auto _ : state) {
        size_t hits = 0;
        for (int round = 0; round < 2; ++round) {
            for (int32_t b : books.sortIndex.raw()) hits += AuthorText(books, b).find("qx") != std::string::npos;
            for (int32_t b : books.sortIndex.raw()) hits += books.titles[b].find("qx") != std::string::npos;
        }
        benchmark::DoNotOptimize(hits);
    }
}

// A key greater than every book's: every position is compared.
void BM_InsertPosition(benchmark::State& state) {
    const BookCollection& books = Data().books;
    for (auto _ : state) {
        const int32_t p = InsertPosition(books, "\xFF\xFF", "Last");
        if (p != books.bookCount() + 1) state.SkipWithError("the book did not go last");
    }
}

// Comparing ready-made keys (built outside the timing) as plain strings.
void BM_PlainKeyCompare(benchmark::State& state) {
    const BookCollection& books = Data().books;
    std::vector<std::string> keys;
    for (int32_t b : books.sortIndex.raw()) keys.push_back(SortKey(AuthorText(books, b), books.titles[b]));
    const std::string newKey = SortKey("\xFF\xFF", "Last");
    for (auto _ : state) {
        size_t greater = 0;
        for (const std::string& key : keys) greater += key.compare(newKey) > 0;
        benchmark::DoNotOptimize(greater);
    }
}


// The column list's model holding every book's row, as after a filling.
ColumnListModel FilledModel() {
    const BookCollection& books = Data().books;
    ColumnListModel model;
    model.SetLayout(LayOutColumns(716, 17, {23, 32, 12, 9, 12, 12},
                                  {"Author", "Title", "Call No", "\x02Pub Date", "\x02  Ordered", "  Library"}));
    const auto keepAll = [](std::string_view cell, int32_t) { return cell.size(); };
    for (int32_t p = 1; p <= books.bookCount(); ++p) {
        const int32_t b = books.sortIndex[p];
        model.AddRow(RowText(books, b), b, keepAll);
    }
    return model;
}

// The finished row texts of every book, in display order.
const std::vector<std::string>& RowTexts() {
    static const std::vector<std::string> rows = [] {
        const BookCollection& books = Data().books;
        std::vector<std::string> texts;
        for (int32_t b : books.sortIndex.raw()) texts.push_back(RowText(books, b));
        return texts;
    }();
    return rows;
}

// Adding the rows to the column list's model, each cell measured by a table
// of advance widths as the list box's font is.
void BM_ModelFill(benchmark::State& state) {
    ColumnListModel model = FilledModel();
    const auto byTable = [](std::string_view cell, int32_t maxWidth) {
        int32_t width = 0;
        const size_t measured = std::min<size_t>(cell.size(), 127);
        for (size_t i = 0; i < measured; ++i) {
            width += 5 + (static_cast<unsigned char>(cell[i]) & 3);
            if (width > maxWidth) return i;
        }
        return measured;
    };
    for (auto _ : state) {
        model.SetRowCount(0);
        int32_t item = 0;
        for (const std::string& row : RowTexts()) model.AddRow(row, ++item, byTable);
    }
    if (model.RowCount() != static_cast<int32_t>(RowTexts().size())) state.SkipWithError("rows missing");
}

// The same row texts copied into strings that already exist.
void BM_PlainRowTextCopy(benchmark::State& state) {
    std::vector<std::string> copies(RowTexts().size());
    for (auto _ : state) {
        for (size_t i = 0; i < copies.size(); ++i) copies[i] = RowTexts()[i];
        benchmark::DoNotOptimize(copies.data());
    }
}

void BM_HeadingSort(benchmark::State& state) {
    const ColumnListModel filled = FilledModel();
    for (auto _ : state) {
        state.PauseTiming();
        ColumnListModel model = filled;
        state.ResumeTiming();
        benchmark::DoNotOptimize(model.SortByColumn(2));
    }
}

void BM_PlainTitleSort(benchmark::State& state) {
    const BookCollection& books = Data().books;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> titles = books.titles.raw();
        state.ResumeTiming();
        std::sort(titles.begin(), titles.end());
        benchmark::DoNotOptimize(titles.data());
    }
}

BENCHMARK(BM_FillList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRowCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindMiss)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertPosition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainKeyCompare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModelFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRowTextCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadingSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainTitleSort)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tome::bench

int main(int argc, char** argv) {
    const int status = tome::bench::RunWithRatios(argc, argv, {
        {"BM_FillList", "BM_PlainRowCopy", "fill 100,000 rows = N x copying authors and titles once"},
        {"BM_FindMiss", "BM_PlainSearch", "Find keystroke with no hit = N x plain searches of the same texts"},
        {"BM_InsertPosition", "BM_PlainKeyCompare", "insert position at the end = N x comparing built keys"},
        {"BM_ModelFill", "BM_PlainRowTextCopy", "column list model, 100,000 rows = N x copying the row texts"},
        {"BM_HeadingSort", "BM_PlainTitleSort", "heading-click sort of 100,000 rows = N x sorting the titles"},
    });
    return status;
}
