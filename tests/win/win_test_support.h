// Files and folders for the Windows-side tests, through Win32 directly so the
// code under test is not also the code that checks it.
#pragma once

#include <string>
#include <vector>

#include "books/collection.h"

namespace tome_test {

// A fresh folder under the Windows temporary folder, removed with its content.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

bool IsFolder(const std::string& path);
bool IsFile(const std::string& path);
// Names in a folder, without "." and "..", sorted.
std::vector<std::string> NamesIn(const std::string& folder);
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// Removes a folder and everything in it, read-only files included.
void RemoveTree(const std::string& path);
// A Unix path as Wine shows it on drive Z:.
std::string WinePath(const std::string& unixPath);
// The Tomecase.chm the build puts beside Tomecase.exe, as a Windows path.
std::string BuiltHelpFile();

// Three books over two authors, a call number and a category, with a
// Windows-1252 letter in a title.
tome::BookCollection SampleBooks();

}  // namespace tome_test
