#include "win_test_support.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>

namespace tome_test {

TempFolder::TempFolder() {
    static std::atomic<unsigned> serial{0};
    char temp[MAX_PATH] = {};
    if (!GetTempPathA(MAX_PATH, temp)) throw std::runtime_error("no temporary folder");
    path_ = std::string(temp) + "tomecase-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount()) + "-" + std::to_string(serial++);
    if (!CreateDirectoryA(path_.c_str(), nullptr)) throw std::runtime_error("cannot create " + path_);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

bool IsFolder(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot read " + path);
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size()) throw std::runtime_error("short write to " + path);
}

void RemoveTree(const std::string& path) {
    for (const std::string& name : NamesIn(path)) {
        const std::string inner = path + "\\" + name;
        if (IsFolder(inner)) {
            RemoveTree(inner);
        } else {
            SetFileAttributesA(inner.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(inner.c_str());
        }
    }
    RemoveDirectoryA(path.c_str());
}

std::string WinePath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string BuiltHelpFile() {
    const std::string exe = WinePath(TOMECASE_EXE_UNIX_PATH);
    return exe.substr(0, exe.find_last_of('\\') + 1) + "Tomecase.chm";
}

tome::BookCollection SampleBooks() {
    tome::BookCollection books;
    const int32_t austen = tome::AddListEntry(books.authors, "Austen, Jane");
    const int32_t eliot = tome::AddListEntry(books.authors, "Eliot, George");
    const int32_t callNumber = tome::AddListEntry(books.callNumbers, "823.7");
    const int32_t novels = tome::AddListEntry(books.categories, "Novels");

    tome::Book emma;
    emma.record.set(tome::WantToRead);
    emma.record.author = static_cast<uint16_t>(austen);
    emma.record.callNumber = static_cast<uint8_t>(callNumber);
    emma.record.category = static_cast<uint8_t>(novels);
    emma.record.orderDate = static_cast<uint16_t>((44 << 9) | (3 << 5) | 14);
    emma.record.pubYear = 1815;
    emma.title = "Emma";
    emma.comments = "Branch copy, large print";
    tome::AddBookAt(books, emma, 1);

    tome::Book middlemarch;
    middlemarch.record.set(tome::HaveRead);
    middlemarch.record.author = static_cast<uint16_t>(eliot);
    middlemarch.title = "Middlemarch";
    tome::AddBookAt(books, middlemarch, 2);

    tome::Book persuasion;
    persuasion.record.set(tome::WantToRead);
    persuasion.record.author = static_cast<uint16_t>(austen);
    persuasion.title = "Persuasion \xE9" "dition";  // 1252 e-acute
    tome::AddBookAt(books, persuasion, 2);
    return books;
}

}  // namespace tome_test
