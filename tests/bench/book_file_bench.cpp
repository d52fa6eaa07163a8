// Saving, loading and purging 100,000 books, each beside the plain cost of
// the same work: the same bytes written or read with POSIX calls, or the
// collection's arrays copied once.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench_collection.h"
#include "books/book_file.h"
#include "books/book_store.h"
#include "books/file_system.h"
#include "ratio_reporter.h"

namespace tome::bench {
namespace {

struct SharedData {
    BookCollection books = MakeBenchCollection();
    std::vector<uint8_t> fileBytes = SerializeBookFile(books);
    std::string folder = MakeTempFolder();
    std::string savedFile = folder + "/books.lib";  // written by the save benchmark, read by the load one

    static std::string MakeTempFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tomecase-bench.XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            std::perror("tomecase bench: cannot create a temporary folder");
            std::exit(2);
        }
        return pattern;
    }
};

SharedData* shared = nullptr;

SharedData& Data() {
    if (!shared) shared = new SharedData;
    return *shared;
}

void RemoveTempFolder() {
    if (shared) std::filesystem::remove_all(shared->folder);
}

bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes, bool flush) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    const bool ok = done == bytes.size() && (!flush || ::fsync(fd) == 0);
    return ::close(fd) == 0 && ok;
}

void BM_Save(benchmark::State& state) {
    SharedData& data = Data();
    BookCollection books = data.books;
    FileState file;
    file.currentFile = data.savedFile;
    for (auto _ : state) {
        const Outcome outcome = SaveBookFile(SystemFileSystem(), books, file);
        if (!outcome.ok) {
            state.SkipWithError(outcome.message.c_str());
            break;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.fileBytes.size()));
}

// The save flushes its temporary file before putting it in place, so the
// plain write flushes too.
void BM_PlainWrite(benchmark::State& state) {
    SharedData& data = Data();
    const std::string path = data.folder + "/plain.lib";
    for (auto _ : state) {
        if (!WriteWhole(path, data.fileBytes, /*flush=*/true)) {
            state.SkipWithError("plain write failed");
            break;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.fileBytes.size()));
}

void BM_Load(benchmark::State& state) {
    SharedData& data = Data();
    if (!WriteWhole(data.savedFile, data.fileBytes, /*flush=*/false)) {
        state.SkipWithError("cannot write the file to load");
        return;
    }
    BookCollection books;
    FileState file;
    for (auto _ : state) {
        const Outcome outcome = LoadBookFile(SystemFileSystem(), data.savedFile, books, file);
        if (!outcome.ok || books.bookCount() != data.books.bookCount()) {
            state.SkipWithError(outcome.ok ? "loaded the wrong number of books" : outcome.message.c_str());
            break;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.fileBytes.size()));
}

void BM_PlainRead(benchmark::State& state) {
    SharedData& data = Data();
    const std::string path = data.folder + "/plain.lib";
    if (!WriteWhole(path, data.fileBytes, /*flush=*/false)) {
        state.SkipWithError("cannot write the file to read");
        return;
    }
    std::vector<uint8_t> buffer(data.fileBytes.size());
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        size_t done = 0;
        ssize_t n = 0;
        while (fd >= 0 && done < buffer.size() && (n = ::read(fd, buffer.data() + done, buffer.size() - done)) > 0) {
            done += static_cast<size_t>(n);
        }
        if (fd >= 0) ::close(fd);
        if (done != buffer.size()) {
            state.SkipWithError("plain read failed");
            break;
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.fileBytes.size()));
}

constexpr int32_t PurgedCount = BenchBookCount / 2;

void BM_Purge(benchmark::State& state) {
    BookCollection withDeleted = Data().books;
    MarkRandomDeleted(withDeleted, PurgedCount);
    BookCollection books;
    for (auto _ : state) {
        state.PauseTiming();
        books = withDeleted;
        state.ResumeTiming();
        PurgeDeletedBooks(books);
        if (books.bookCount() != withDeleted.bookCount() - PurgedCount) {
            state.SkipWithError("the purge kept the wrong number of books");
            break;
        }
    }
}

// Copying the four per-book arrays once into arrays of the same shape, so
// the strings reuse their buffers: touching every element without allocating,
// about what a purge that moves half the books has to do at the least.
void BM_PlainCopy(benchmark::State& state) {
    const BookCollection& source = Data().books;
    BookCollection target = source;
    for (auto _ : state) {
        target.sortIndex = source.sortIndex;
        target.records = source.records;
        target.titles = source.titles;
        target.comments = source.comments;
        benchmark::ClobberMemory();
    }
}

// The in-memory halves of save and load, for telling the file system's share apart.
void BM_Serialize(benchmark::State& state) {
    const BookCollection& books = Data().books;
    for (auto _ : state) benchmark::DoNotOptimize(SerializeBookFile(books));
}

void BM_Parse(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = Data().fileBytes;
    BookCollection books;
    std::string reason;
    for (auto _ : state) {
        if (!ParseBookFile(bytes.data(), bytes.size(), books, reason)) {
            state.SkipWithError(reason.c_str());
            break;
        }
    }
}

BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Purge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Serialize)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tome::bench

int main(int argc, char** argv) {
    const int status = tome::bench::RunWithRatios(argc, argv, {
        {"BM_Save", "BM_PlainWrite", "save = N x plain write (with fsync)"},
        {"BM_Load", "BM_PlainRead", "load = N x plain read"},
        {"BM_Purge", "BM_PlainCopy", "purge of 50,000 = N x copying the book arrays once"},
    });
    tome::bench::RemoveTempFolder();
    return status;
}
