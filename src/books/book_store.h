// Loading and saving the collection, the settings file naming the book file
// saved last, and the data folder both live in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "collection.h"
#include "file_system.h"

namespace tome {

// Program-wide file state.
struct FileState {
    std::string currentFile;   // full path of the book file; empty until opened or saved
    int32_t fileChanged = 0;   // 1 when the collection differs from the file
    std::string dataFolder;
    std::string settingsFile;  // empty when the data folder could not be made
};

struct Outcome {
    bool ok = true;
    std::string message;  // for the user: why it failed, or a warning when ok
};

// Past this a 32-bit program could not hold the file and its collection;
// such a file is refused before it is read.
constexpr size_t LargestBookFile = size_t(512) * 1024 * 1024;

// "It is too large to be a Tomecase book file."
std::string TooLargeReason();

// Reads path into books. On success the collection is replaced, currentFile =
// path and fileChanged = 0. A refused or unreadable file changes nothing.
Outcome LoadBookFile(FileSystem& fs, const std::string& path, BookCollection& books, FileState& state);

// The words the program uses to refuse a book file.
std::string RefusalMessage(const std::string& path, const std::string& reason);

// Purges deleted books and writes the collection to state.currentFile (which
// must not be empty), then records it in the settings file. A failed write
// leaves the file on disk as it was and fileChanged as it was.
Outcome SaveBookFile(FileSystem& fs, BookCollection& books, FileState& state);

// Settings file: one line naming the book file saved last, ended by CR LF.
bool ReadSettings(FileSystem& fs, const std::string& settingsFile, std::string& currentFile);
IoStatus WriteSettings(FileSystem& fs, const std::string& settingsFile, const std::string& currentFile);

// Creates every missing folder along a "\"-separated path, ignoring failures.
void MakeFolderPath(FileSystem& fs, const std::string& path);

// Sets dataFolder from the common documents folder ("" when the shell has
// none), creates it when missing, and sets settingsFile when it exists.
void SetUpDataFolder(FileSystem& fs, const std::string& commonDocuments, FileState& state);

}  // namespace tome
