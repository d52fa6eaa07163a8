// Command IDs of the menus, the context menu and the top-row buttons, and the
// menu texts, as plain data so they can be checked without Windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tome {

namespace cmd {
constexpr int32_t Open = 101, Save = 102, SaveAs = 103, Print = 105, Exit = 107;
constexpr int32_t AddBook = 201, EditBook = 202, DeleteBook = 203, PrintBook = 204;
constexpr int32_t MaintainAuthors = 211, MaintainCallNumbers = 212, MaintainPublishers = 213,
                  MaintainLibraries = 214, MaintainCategories = 215;
constexpr int32_t ViewAllBooks = 301, ViewWantToRead = 302, ViewHaveRead = 303, ViewCustomList = 304,
                  ViewBook = 306;
constexpr int32_t HelpContents = 401, About = 402;
// Buttons of the top row, acting as 201, 202, 306, 105 and 107.
constexpr int32_t AddButton = 1001, EditButton = 1002, ViewButton = 1003, PrintButton = 1004,
                  QuitButton = 1005;
}  // namespace cmd

struct MenuEntry {
    std::string text;     // "-" is a separator
    int32_t commandId;    // 0 for a separator or a submenu
    int32_t submenu;      // index into MenuPopups(), or -1
};

struct MenuPopup {
    std::string title;  // as shown on the menu bar, or the submenu item's text
    std::vector<MenuEntry> entries;
};

// The popups in the order they are created: File, Edit, View, Help, then the
// List Maintenance submenu of Edit. The first four go on the menu bar.
const std::vector<MenuPopup>& MenuPopups();
constexpr int MenuBarPopups = 4;

const std::vector<MenuEntry>& ContextMenuEntries();

// The command a button stands for; other IDs are themselves.
int32_t CommandOf(int32_t id);

}  // namespace tome
