#include "book_store.h"

#include <new>
#include <utility>
#include <vector>

#include "book_file.h"
#include "text_rules.h"

namespace tome {

namespace {

// The settings file holds one path; anything much longer is not one.
constexpr size_t LargestSettingsFile = 64 * 1024;

const char NoMemory[] = "There is not enough memory for it.";

}  // namespace

std::string RefusalMessage(const std::string& path, const std::string& reason) {
    return "Cannot open the book file \"" + FileNameOf(path) + "\".\r\n\r\n" + reason +
           "\r\n\r\nNothing was loaded; the books you had open are unchanged.";
}

std::string TooLargeReason() { return "It is too large to be a Tomecase book file."; }

Outcome LoadBookFile(FileSystem& fs, const std::string& path, BookCollection& books, FileState& state) {
    BookCollection loaded;
    std::string reason;
    try {
        std::vector<uint8_t> bytes;
        const IoStatus read = fs.ReadAll(path, /*createIfMissing=*/true, LargestBookFile, bytes);
        if (read.tooLarge) return {false, RefusalMessage(path, TooLargeReason())};
        if (!read.ok) return {false, RefusalMessage(path, "It could not be read: " + read.detail)};
        if (!ParseBookFile(bytes.data(), bytes.size(), loaded, reason)) {
            return {false, RefusalMessage(path, reason)};
        }
    } catch (const std::bad_alloc&) {
        // The file may be sound; this machine cannot hold it beside the open one.
        return {false, RefusalMessage(path, NoMemory)};
    }
    FixStoredPubYears(loaded);
    // The custom list is rebuilt by choosing an author or category; marks left
    // from when the file was saved would show a list nobody chose.
    for (BookRecord& r : loaded.records.raw()) r.clear(InCustomList);

    books = std::move(loaded);
    state.currentFile = path;
    state.fileChanged = 0;
    return {};
}

Outcome SaveBookFile(FileSystem& fs, BookCollection& books, FileState& state) {
    IoStatus written;
    try {
        PurgeDeletedBooks(books);
        written = ReplaceFileContent(fs, state.currentFile, SerializeBookFile(books));
    } catch (const std::bad_alloc&) {
        written = IoStatus::Fail(NoMemory);
    }
    if (!written.ok) {
        return {false, "Could not save the book file \"" + FileNameOf(state.currentFile) + "\".\r\n\r\n" +
                           written.detail +
                           "\r\n\r\nThe file on disk was not changed and your changes are still here. "
                           "Try saving again, or use Save As to save somewhere else."};
    }
    state.fileChanged = 0;
    const IoStatus settings = WriteSettings(fs, state.settingsFile, state.currentFile);
    if (!settings.ok) {
        return {true, "The books were saved, but Tomecase could not note the file for next time:\r\n" +
                          settings.detail};
    }
    return {};
}

bool ReadSettings(FileSystem& fs, const std::string& settingsFile, std::string& currentFile) {
    std::vector<uint8_t> bytes;
    if (settingsFile.empty() || !fs.ReadAll(settingsFile, false, LargestSettingsFile, bytes).ok) return false;
    std::string text(bytes.begin(), bytes.end());
    currentFile = text.substr(0, text.find_first_of("\r\n"));
    return true;
}

IoStatus WriteSettings(FileSystem& fs, const std::string& settingsFile, const std::string& currentFile) {
    if (settingsFile.empty()) return IoStatus::Ok();
    std::vector<uint8_t> bytes(currentFile.begin(), currentFile.end());
    bytes.push_back('\r');
    bytes.push_back('\n');
    return ReplaceFileContent(fs, settingsFile, bytes);
}

void MakeFolderPath(FileSystem& fs, const std::string& path) {
    std::string built;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        if (end > start) {
            built += path.substr(start, end - start) + "\\";
            if (!fs.Exists(built)) fs.CreateFolder(built);  // "C:\" and the like fail quietly
        }
        start = end + 1;
    }
}

void SetUpDataFolder(FileSystem& fs, const std::string& commonDocuments, FileState& state) {
    state.dataFolder = commonDocuments.empty() ? "C:\\My Documents\\" : commonDocuments;
    state.dataFolder += "\\Verdanth\\Tomecase";
    if (!fs.Exists(state.dataFolder)) MakeFolderPath(fs, state.dataFolder);
    state.settingsFile = fs.Exists(state.dataFolder) ? state.dataFolder + "\\Tomecase.ini" : "";
}

}  // namespace tome
