// A folder of its own under /tmp for a test's files, removed with them.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace tome {

class ScratchFolder {
public:
    ScratchFolder() {
        char pattern[] = "/tmp/tomecase-test-XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~ScratchFolder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // The names in the folder or in one of its subfolders.
    std::set<std::string> Names(const std::string& sub = "") const {
        std::set<std::string> names;
        if (DIR* d = ::opendir((path_ + "/" + sub).c_str())) {
            while (dirent* e = ::readdir(d)) {
                if (e->d_name[0] != '.') names.insert(e->d_name);
            }
            ::closedir(d);
        }
        return names;
    }

private:
    std::string path_;
};

inline std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace tome
