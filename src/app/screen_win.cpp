#include "app/screen_win.h"

#include <windows.h>
#include <commctrl.h>

#include "app/main_state_win.h"
#include "app/main_window_win.h"
#include "app/tab_pages_win.h"
#include "books/find.h"
#include "books/program_state.h"

namespace tome {

namespace {

class ColumnListView final : public VisibleList {
public:
    explicit ColumnListView(cColumnList& list) : list_(list) {}
    void SetRowCount(int32_t count) override { list_.SetRowCount(count); }
    void AddRow(const std::string& text, int32_t itemValue) override { list_.AddRow(text, itemValue); }
    void Redisplay() override { list_.Redisplay(); }
    void SelectRow(int32_t position, int32_t top) override { list_.SelectRow(position, top); }
    int32_t CurrentRow() const override { return list_.CurrentRow(); }
    int32_t ItemDataAt(int32_t position) const override { return list_.ItemDataAt(position); }

private:
    cColumnList& list_;
};

class MainWindowControls final : public MainWindowTexts {
public:
    void SetStatusText(int32_t part, const std::string& text) override {
        SendMessageA(GetDlgItem(mainState.hMainWindow, StatusBarId), SB_SETTEXTA, static_cast<WPARAM>(part - 1),
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
    std::string FindText() const override {
        HWND box = GetDlgItem(mainState.hMainWindow, FindBoxId);
        std::string text(static_cast<size_t>(GetWindowTextLengthA(box)) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(box, &text[0], static_cast<int>(text.size()))));
        return text;
    }
    // The edit control raises EN_CHANGE itself, which runs FindNext again.
    void SetFindText(const std::string& text) override {
        SetWindowTextA(GetDlgItem(mainState.hMainWindow, FindBoxId), text.c_str());
    }
    void SetFindCaret(int32_t position) override {
        SendMessageA(GetDlgItem(mainState.hMainWindow, FindBoxId), EM_SETSEL, static_cast<WPARAM>(position), position);
    }
    void SetFindResult(const std::string& text) override {
        SetWindowTextA(GetDlgItem(mainState.hMainWindow, FindResultId), text.c_str());
    }
};

template <class Action>
void OnVisibleList(Action action) {
    ColumnListView view(*mainState.activeList);
    MainWindowControls controls;
    action(ListScreen{collection, fileState, mainState.list, mainState.activeTab, view, controls});
}

class MainScreen final : public FileFlowScreen {
public:
    void ShowLoadedFile() override {
        // Tab 1 is the one a loaded file shows, in the tab control too, so
        // the page on screen is the list that was filled.
        SelectTab(1, TabShown | TabActedOn | TabInControl);
        if (collection.bookCount() > 0) tome::FillList(0, 0);
        SetFocus(GetDlgItem(mainState.hMainWindow, TabControlId));
    }
    void FillList(int32_t selectPosition, int32_t topPosition) override {
        tome::FillList(selectPosition, topPosition);
    }
    void UpdateStatusBar() override { tome::UpdateStatusBar(); }
};

MainScreen mainScreen;

}  // namespace

void FillList(int32_t selectPosition, int32_t topPosition) {
    OnVisibleList([&](const ListScreen& screen) { FillList(screen, selectPosition, topPosition); });
}

void UpdateStatusBar() {
    OnVisibleList([](const ListScreen& screen) { UpdateStatusBar(screen); });
}

void FindNext() {
    OnVisibleList([](const ListScreen& screen) { FindNext(screen); });
}

FileFlows MainFileFlows() {
    return FileFlows{SystemFileSystem(), collection, fileState, *mainLinks.prompts, mainScreen};
}

}  // namespace tome
