// Fuzz entry for the book file reader: whatever it accepts must survive a
// write and a second read unchanged; whatever it refuses must say why.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "books/book_file.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail = "") {
    std::fprintf(stderr, "book_file_fuzz: %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
    std::abort();
}

// A collection no file could produce by accident, to see that a refusal
// leaves the caller's collection alone.
tome::BookCollection Untouched() {
    tome::BookCollection books;
    books.spareCount = -7;
    books.authors.append("untouched");
    return books;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tome::BookCollection first = Untouched();
    std::string reason;
    if (!tome::ParseBookFile(data, size, first, reason)) {
        if (reason.empty()) Fail("refused without a reason");
        if (!(first == Untouched())) Fail("a refused file changed the collection", reason);
        return 0;
    }

    const std::vector<uint8_t> written = tome::SerializeBookFile(first);
    tome::BookCollection second = Untouched();
    std::string secondReason;
    if (!tome::ParseBookFile(written.data(), written.size(), second, secondReason)) {
        Fail("a file it wrote itself was refused", secondReason);
    }
    if (!(second == first)) Fail("written and read back, the collection differs");
    if (tome::SerializeBookFile(second) != written) Fail("written twice, the bytes differ");
    return 0;
}
