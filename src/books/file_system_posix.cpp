#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file_system.h"

namespace tome {
namespace {

IoStatus Errno() { return IoStatus::Fail(std::strerror(errno)); }

constexpr int MaxLinkHops = 40;  // as the kernel allows before ELOOP

struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
};

// Reads at most limit bytes, and one more to notice a file that grew past its
// size since it was measured.
IoStatus ReadUpTo(int fd, size_t limit, std::vector<uint8_t>& bytes) {
    bytes.clear();
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        if (static_cast<uint64_t>(st.st_size) > limit) return IoStatus::TooLarge();
        bytes.reserve(static_cast<size_t>(st.st_size));
    }
    uint8_t buffer[1 << 16];
    for (;;) {
        const size_t room = limit - bytes.size();
        const ssize_t n = ::read(fd, buffer, room < sizeof buffer ? room + 1 : sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Errno();
        }
        if (n == 0) return IoStatus::Ok();
        if (bytes.size() + static_cast<size_t>(n) > limit) {
            bytes.clear();
            return IoStatus::TooLarge();
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
}

class PosixFileSystem final : public FileSystem {
public:
    bool Exists(const std::string& path) override {
        struct stat st;
        return ::stat(path.c_str(), &st) == 0;
    }

    bool CreateFolder(const std::string& path) override { return ::mkdir(path.c_str(), 0777) == 0; }

    IoStatus ReadAll(const std::string& path, bool createIfMissing, size_t limit,
                     std::vector<uint8_t>& bytes) override {
        const int fd = ::open(path.c_str(), O_RDONLY | (createIfMissing ? O_CREAT : 0), 0666);
        if (fd < 0) return Errno();
        const Closer closer{fd};  // also when memory runs out while reading
        return ReadUpTo(fd, limit, bytes);
    }

    IoStatus ResolveLinks(const std::string& path, std::string& target) override {
        target = path;
        for (int hop = 0; hop < MaxLinkHops; ++hop) {
            struct stat st;
            if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return IoStatus::Ok();
            std::string named(static_cast<size_t>(st.st_size) + 1, '\0');
            const ssize_t n = ::readlink(target.c_str(), named.data(), named.size());
            if (n < 0) return Errno();
            named.resize(static_cast<size_t>(n));
            // A relative link names a file beside the link itself.
            const size_t slash = target.rfind('/');
            target = named[0] == '/' || slash == std::string::npos ? named : target.substr(0, slash + 1) + named;
        }
        errno = ELOOP;
        return Errno();
    }

    IoStatus CreateTemp(const std::string& besidePath, Handle& handle, std::string& tempPath) override {
        std::string pattern = besidePath + ".XXXXXX";
        int fd = ::mkstemp(pattern.data());
        if (fd < 0) return Errno();
        // mkstemp makes the file private; give it the mode the old file had.
        struct stat st;
        mode_t mode = 0644;
        if (::stat(besidePath.c_str(), &st) == 0) mode = st.st_mode & 07777;
        ::fchmod(fd, mode);
        handle = fd;
        tempPath = pattern;
        return IoStatus::Ok();
    }

    IoStatus Write(Handle handle, const uint8_t* data, size_t size) override {
        while (size > 0) {
            const ssize_t n = ::write(static_cast<int>(handle), data, size);
            if (n < 0) {
                if (errno == EINTR) continue;
                return Errno();
            }
            data += n;
            size -= static_cast<size_t>(n);
        }
        return IoStatus::Ok();
    }

    IoStatus Flush(Handle handle) override {
        return ::fsync(static_cast<int>(handle)) == 0 ? IoStatus::Ok() : Errno();
    }

    IoStatus Close(Handle handle) override {
        return ::close(static_cast<int>(handle)) == 0 ? IoStatus::Ok() : Errno();
    }

    IoStatus MoveOver(const std::string& from, const std::string& to) override {
        return std::rename(from.c_str(), to.c_str()) == 0 ? IoStatus::Ok() : Errno();
    }

    void Remove(const std::string& path) override { ::unlink(path.c_str()); }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem fs;
    return fs;
}

}  // namespace tome
