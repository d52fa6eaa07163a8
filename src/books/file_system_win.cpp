#include <windows.h>

#include <cstdio>

#include "file_system.h"

namespace tome {
namespace {

IoStatus LastError() {
    const DWORD code = GetLastError();
    char text[512] = "";
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                   0, text, sizeof text, nullptr);
    std::string detail(text, n);
    while (!detail.empty() && (detail.back() == '\r' || detail.back() == '\n' || detail.back() == ' '))
        detail.pop_back();
    if (detail.empty()) detail = "Windows error " + std::to_string(code);
    return IoStatus::Fail(detail);
}

HANDLE AsHandle(FileSystem::Handle h) { return reinterpret_cast<HANDLE>(h); }

struct Closer {
    HANDLE file;
    ~Closer() { CloseHandle(file); }
};

// Reads at most limit bytes, and one more to notice a file that grew past its
// size since it was measured.
IoStatus ReadUpTo(HANDLE file, size_t limit, std::vector<uint8_t>& bytes) {
    bytes.clear();
    LARGE_INTEGER size;
    if (GetFileSizeEx(file, &size)) {
        if (static_cast<uint64_t>(size.QuadPart) > limit) return IoStatus::TooLarge();
        bytes.reserve(static_cast<size_t>(size.QuadPart));
    }
    uint8_t buffer[1 << 16];
    for (;;) {
        const size_t room = limit - bytes.size();
        const DWORD want = room < sizeof buffer ? static_cast<DWORD>(room + 1) : DWORD(sizeof buffer);
        DWORD got = 0;
        if (!ReadFile(file, buffer, want, &got, nullptr)) return LastError();
        if (got == 0) return IoStatus::Ok();
        if (bytes.size() + got > limit) {
            bytes.clear();
            return IoStatus::TooLarge();
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
}

class WinFileSystem final : public FileSystem {
public:
    bool Exists(const std::string& path) override {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    bool CreateFolder(const std::string& path) override { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

    IoStatus ReadAll(const std::string& path, bool createIfMissing, size_t limit,
                     std::vector<uint8_t>& bytes) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  createIfMissing ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return LastError();
        const Closer closer{file};  // also when memory runs out while reading
        return ReadUpTo(file, limit, bytes);
    }

    IoStatus ResolveLinks(const std::string& path, std::string& target) override {
        target = path;
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            return IoStatus::Ok();
        }
        // Opening follows the link; the handle then knows the file's own name.
        HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE) return LastError();
        char name[32768];
        const DWORD n = GetFinalPathNameByHandleA(file, name, sizeof name, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        const IoStatus failed = n == 0 ? LastError() : IoStatus::Ok();
        CloseHandle(file);
        if (n == 0) return failed;
        if (n >= sizeof name) return IoStatus::Fail("The book file's real name is too long.");
        target.assign(name, n);
        return IoStatus::Ok();
    }

    IoStatus CreateTemp(const std::string& besidePath, Handle& handle, std::string& tempPath) override {
        for (unsigned attempt = 0; attempt < 100; ++attempt) {
            char suffix[32];
            std::snprintf(suffix, sizeof suffix, ".~%lx%u.tmp", GetCurrentProcessId(), attempt);
            tempPath = besidePath + suffix;
            HANDLE file = CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                handle = reinterpret_cast<Handle>(file);
                return IoStatus::Ok();
            }
            if (GetLastError() != ERROR_FILE_EXISTS) return LastError();
        }
        return IoStatus::Fail("No temporary file could be made beside the book file.");
    }

    IoStatus Write(Handle handle, const uint8_t* data, size_t size) override {
        while (size > 0) {
            const DWORD chunk = size > (1u << 20) ? (1u << 20) : static_cast<DWORD>(size);
            DWORD written = 0;
            if (!WriteFile(AsHandle(handle), data, chunk, &written, nullptr)) return LastError();
            if (written == 0) return IoStatus::Fail("The disk accepted no more data.");
            data += written;
            size -= written;
        }
        return IoStatus::Ok();
    }

    IoStatus Flush(Handle handle) override {
        return FlushFileBuffers(AsHandle(handle)) ? IoStatus::Ok() : LastError();
    }

    IoStatus Close(Handle handle) override { return CloseHandle(AsHandle(handle)) ? IoStatus::Ok() : LastError(); }

    IoStatus MoveOver(const std::string& from, const std::string& to) override {
        // Windows refuses to replace a read-only file; Wine does not, so ask first.
        const DWORD target = GetFileAttributesA(to.c_str());
        if (target != INVALID_FILE_ATTRIBUTES && (target & FILE_ATTRIBUTE_READONLY)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return LastError();
        }
        // One step: the name never stands without a complete file behind it.
        return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? IoStatus::Ok()
                   : LastError();
    }

    void Remove(const std::string& path) override { DeleteFileA(path.c_str()); }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static WinFileSystem fs;
    return fs;
}

}  // namespace tome
