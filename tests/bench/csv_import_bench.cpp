// Importing a reading site's export of 100,000 rows beside building the same
// number of books in the core, and the memory the import takes at its peak.
#include <sys/resource.h>

#include <cstdio>
#include <string>

#include <benchmark/benchmark.h>

#include "bench_collection.h"
#include "books/default_lists.h"
#include "ratio_reporter.h"
#include "tools/csv_import.h"

namespace tome::bench {
namespace {

// 100,000 rows by 3,000 authors with reviews, ISBNs and shelves, the way a
// reading site writes them.
const std::string& SiteExport() {
    static const std::string text = [] {
        std::string csv =
            "Book Id,Title,Author,Author l-f,ISBN,My Rating,Publisher,Year Published,Original Publication Year,"
            "Date Read,Date Added,Bookshelves,Exclusive Shelf,My Review,Private Notes\r\n";
        static const char* const shelves[] = {"read", "to-read", "currently-reading", "favourites"};
        for (int i = 0; i < BenchBookCount; ++i) {
            const std::string surname = "Surname" + std::to_string((i * 7919) % 3000);
            const std::string given = "Given" + std::to_string(i % 17);
            csv += std::to_string(i) + ",\"Title number " + std::to_string((int64_t{i} * 104729) % BenchBookCount) +
                   ", a story\"," + given + " " + surname + ",\"" + surname + ", " + given + "\",=\"04410" +
                   std::to_string(10000 + i % 90000) + "\",4,Publisher " + std::to_string(i % 200) + "," +
                   std::to_string(1950 + i % 70) + ",1949,,20" + std::to_string(10 + i % 15) + "/0" +
                   std::to_string(1 + i % 9) + "/1" + std::to_string(i % 10) + ",,";
            csv += shelves[i % 4];
            csv += i % 5 ? ",," : ",\"Good, &quot;very&quot; good.<br/>Would read again\",notes";
            csv += "\r\n";
        }
        return csv;
    }();
    return text;
}

void BM_ImportSiteExport(benchmark::State& state) {
    const std::string& csv = SiteExport();
    for (auto _ : state) {
        BookCollection books;
        LoadDefaultLists(books);
        ImportReport report;
        if (!ImportCsv(csv, books, {}, report) || report.added != BenchBookCount) {
            state.SkipWithError(("import failed: " + report.refusal).c_str());
        }
        benchmark::DoNotOptimize(books);
    }
}

// The core's own cost of a collection of as many books.
void BM_BuildInCore(benchmark::State& state) {
    for (auto _ : state) {
        BookCollection books = MakeBenchCollection();
        benchmark::DoNotOptimize(books);
    }
}

BENCHMARK(BM_ImportSiteExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildInCore)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tome::bench

int main(int argc, char** argv) {
    const int status = tome::bench::RunWithRatios(argc, argv, {
        {"BM_ImportSiteExport", "BM_BuildInCore", "import of 100,000 rows = N x building 100,000 books in the core"},
    });
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory of this run: %.1f MB (the CSV text itself: %.1f MB)\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0,
                static_cast<double>(tome::bench::SiteExport().size()) / (1024.0 * 1024.0));
    return status;
}
