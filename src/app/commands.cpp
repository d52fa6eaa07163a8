#include "app/commands.h"

namespace tome {

const std::vector<MenuPopup>& MenuPopups() {
    static const std::vector<MenuPopup> popups = {
        {"&File",
         {{"&Open", cmd::Open, -1},
          {"&Save", cmd::Save, -1},
          {"Save&As", cmd::SaveAs, -1},
          {"-", 0, -1},
          {"&Print", cmd::Print, -1},
          {"E&xit", cmd::Exit, -1}}},
        {"&Edit",
         {{"&Add book", cmd::AddBook, -1},
          {"&Edit book", cmd::EditBook, -1},
          {"&Delete book", cmd::DeleteBook, -1},
          {"List &Maintenance", 0, 4}}},
        {"&View",
         {{"&All books", cmd::ViewAllBooks, -1},
          {"&Want To Read", cmd::ViewWantToRead, -1},
          {"&Have read", cmd::ViewHaveRead, -1},
          {"&Custom List", cmd::ViewCustomList, -1},
          {"-", 0, -1},
          {"&Book data", cmd::ViewBook, -1}}},
        {"&Help", {{"&Contents", cmd::HelpContents, -1}, {"&About", cmd::About, -1}}},
        {"List &Maintenance",
         {{"&Authors", cmd::MaintainAuthors, -1},
          {"&Call Nos", cmd::MaintainCallNumbers, -1},
          {"&Publishers", cmd::MaintainPublishers, -1},
          {"&Libraries", cmd::MaintainLibraries, -1},
          {"&Categories", cmd::MaintainCategories, -1}}},
    };
    return popups;
}

const std::vector<MenuEntry>& ContextMenuEntries() {
    static const std::vector<MenuEntry> entries = {{"View Book", cmd::ViewBook, -1},
                                                   {"Edit Book", cmd::EditBook, -1},
                                                   {"Delete Book", cmd::DeleteBook, -1},
                                                   {"-", 0, -1},
                                                   {"Print Book", cmd::PrintBook, -1}};
    return entries;
}

int32_t CommandOf(int32_t id) {
    switch (id) {
        case cmd::AddButton: return cmd::AddBook;
        case cmd::EditButton: return cmd::EditBook;
        case cmd::ViewButton: return cmd::ViewBook;
        case cmd::PrintButton: return cmd::Print;
        case cmd::QuitButton: return cmd::Exit;
        default: return id;
    }
}

}  // namespace tome
