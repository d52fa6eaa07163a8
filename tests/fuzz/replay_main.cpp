// Replays every file of the folders given on the command line through the
// fuzz entry, so the corpus and the good and bad files run without libFuzzer.
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

namespace {

// The entry aborts on a failed check and the sanitizers end the process on
// a fault; either way the input that did it is named.
char currentInput[4096];

void NameCurrentInput() {
    const char prefix[] = "replay: failed on ";
    (void)!write(STDERR_FILENO, prefix, sizeof prefix - 1);
    (void)!write(STDERR_FILENO, currentInput, std::strlen(currentInput));
    (void)!write(STDERR_FILENO, "\n", 1);
}

void OnAbort(int) {
    NameCurrentInput();
    std::signal(SIGABRT, SIG_DFL);
    std::raise(SIGABRT);
}

bool ReadFile(const fs::path& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER...\n", argv[0]);
        return 2;
    }
    std::signal(SIGABRT, OnAbort);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(NameCurrentInput);
#endif
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path folder = argv[i];
        std::error_code error;
        if (!fs::is_directory(folder, error)) {
            std::fprintf(stderr, "replay: %s is not a folder\n", argv[i]);
            ++failures;
            continue;
        }
        int replayed = 0;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            std::vector<uint8_t> bytes;
            if (!ReadFile(entry.path(), bytes)) {
                std::fprintf(stderr, "replay: cannot read %s\n", entry.path().c_str());
                ++failures;
                continue;
            }
            std::snprintf(currentInput, sizeof currentInput, "%s", entry.path().c_str());
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
        std::printf("replay: %d files from %s\n", replayed, argv[i]);
    }
    return failures == 0 ? 0 : 1;
}
