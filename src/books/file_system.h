// The few file operations the core needs, behind a seam: POSIX and Win32
// implementations in the program and tools, fakes and failure injection in tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tome {

struct IoStatus {
    bool ok = true;
    std::string detail;     // the system's own words when !ok
    bool tooLarge = false;  // a read refused, unread, a file over its limit

    static IoStatus Ok() { return {}; }
    static IoStatus Fail(std::string why) { return {false, std::move(why)}; }
    static IoStatus TooLarge() { return {false, "The file is too large.", true}; }
};

class FileSystem {
public:
    using Handle = intptr_t;

    virtual ~FileSystem() = default;

    virtual bool Exists(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    // Reads the whole file when it holds at most limit bytes; a larger one is
    // refused as TooLarge without being read. With createIfMissing a missing
    // file is created empty and reads as no bytes.
    virtual IoStatus ReadAll(const std::string& path, bool createIfMissing, size_t limit,
                             std::vector<uint8_t>& bytes) = 0;

    // The file a replacement of path puts in place: the final target when
    // path is a symbolic link, so that the link stays a link; path itself
    // otherwise, also when nothing exists there yet.
    virtual IoStatus ResolveLinks(const std::string& path, std::string& target) = 0;

    // The steps of a safe replacement, in this order.
    virtual IoStatus CreateTemp(const std::string& besidePath, Handle& handle, std::string& tempPath) = 0;
    virtual IoStatus Write(Handle handle, const uint8_t* data, size_t size) = 0;
    virtual IoStatus Flush(Handle handle) = 0;
    virtual IoStatus Close(Handle handle) = 0;
    virtual IoStatus MoveOver(const std::string& from, const std::string& to) = 0;
    virtual void Remove(const std::string& path) = 0;
};

// Writes the whole content beside path (beside its target, for a symbolic
// link), flushes it, then puts it in place in one step. On any failure the
// temporary file is removed and path is untouched.
IoStatus ReplaceFileContent(FileSystem& fs, const std::string& path, const std::vector<uint8_t>& bytes);

// The file system of the machine the code runs on (file_system_posix.cpp or
// file_system_win.cpp).
FileSystem& SystemFileSystem();

}  // namespace tome
