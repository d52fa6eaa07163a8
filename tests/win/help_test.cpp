// Help "&Contents": the help-file path taken from the working directory at
// set-up, the real Tomecase.chm of the build opened in the help viewer with
// its contents, and a missing file that shows nothing.
#include <windows.h>
#include <commctrl.h>
#include <htmlhelp.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/help_win.h"
#include "app/main_state_win.h"
#include "win_test_support.h"

namespace {

using tome_test::TempFolder;

std::string CurrentDirectory() {
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

BOOL CALLBACK CollectOurs(HWND window, LPARAM list) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

// The visible top-level windows of this process.
std::vector<HWND> OurWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectOurs, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void PumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
}

HWND FindDescendant(HWND parent, const char* className) {
    if (HWND found = FindWindowExA(parent, nullptr, className, nullptr)) return found;
    for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (HWND found = FindDescendant(c, className)) return found;
    }
    return nullptr;
}

std::vector<std::string> TreeTexts(HWND tree) {
    std::vector<std::string> texts;
    for (HTREEITEM item = TreeView_GetRoot(tree); item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
        char text[128] = {};
        TVITEMA tv = {};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = text;
        tv.cchTextMax = sizeof text;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
        texts.push_back(text);
    }
    return texts;
}

class HelpContents : public ::testing::Test {
protected:
    void SetUp() override {
        startDirectory = CurrentDirectory();
        std::memcpy(savedPath, tome::mainState.helpFilePath, sizeof savedPath);
        owner = CreateWindowExA(0, "STATIC", "Help owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
        tome::mainState.hMainWindow = owner;
    }
    void TearDown() override {
        HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
        PumpFor(100);
        tome::mainState.hMainWindow = nullptr;
        DestroyWindow(owner);
        SetCurrentDirectoryA(startDirectory.c_str());
        std::memcpy(tome::mainState.helpFilePath, savedPath, sizeof savedPath);
    }

    std::string startDirectory;
    char savedPath[MAX_PATH];
    HWND owner = nullptr;
};

TEST_F(HelpContents, PathIsTheWorkingDirectoryAtSetUpNotTheProgramsFolder) {
    TempFolder folder;
    ASSERT_TRUE(SetCurrentDirectoryA(folder.path().c_str()));
    tome::SetHelpFilePath();
    EXPECT_STREQ(tome::mainState.helpFilePath, (folder / "Tomecase.chm").c_str());

    // Set once: a later change of directory (a file dialog may make one)
    // does not move the help file.
    ASSERT_TRUE(SetCurrentDirectoryA(startDirectory.c_str()));
    EXPECT_STREQ(tome::mainState.helpFilePath, (folder / "Tomecase.chm").c_str());
}

TEST_F(HelpContents, PathInADeepDirectoryIsCutTo259Characters) {
    TempFolder folder;
    std::string deep = folder.path();
    while (deep.size() < 250) {
        deep += "\\" + std::string(std::min<size_t>(40, 255 - deep.size()), 'd');
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep;
    }
    ASSERT_TRUE(SetCurrentDirectoryA(deep.c_str())) << deep.size();
    ASSERT_EQ(CurrentDirectory(), deep);
    const std::string full = deep + "\\Tomecase.chm";
    ASSERT_GT(full.size(), 259u);

    tome::SetHelpFilePath();
    EXPECT_EQ(std::string(tome::mainState.helpFilePath), full.substr(0, 259));
}

TEST_F(HelpContents, OpensTheBuiltHelpFileWithItsContents) {
    TempFolder folder;
    ASSERT_TRUE(CopyFileA(tome_test::BuiltHelpFile().c_str(), (folder / "Tomecase.chm").c_str(), FALSE)) << tome_test::BuiltHelpFile();
    ASSERT_TRUE(SetCurrentDirectoryA(folder.path().c_str()));
    tome::SetHelpFilePath();

    HWND viewer = tome::ShowHelpContents();
    ASSERT_NE(viewer, nullptr) << "the help viewer did not open " << tome::mainState.helpFilePath;
    PumpFor(300);
    EXPECT_TRUE(IsWindowVisible(viewer));
    char caption[64] = {};
    GetWindowTextA(viewer, caption, sizeof caption);
    EXPECT_STREQ(caption, "Tomecase Help");

    HWND tree = FindDescendant(viewer, WC_TREEVIEWA);
    ASSERT_NE(tree, nullptr) << "no contents tree";
    // The help window's own layout opens the contents pane wide enough to read.
    RECT pane;
    GetClientRect(tree, &pane);
    EXPECT_TRUE(IsWindowVisible(tree));
    EXPECT_GE(pane.right, 180);
    const std::vector<std::string> expected = {
        "Welcome to Tomecase",        "Starting out and the book file",
        "Adding and editing books",   "The four tabs and the custom list",
        "Finding and sorting books",  "Keeping the drop-down lists",
        "Printing",                   "Keyboard shortcuts",
    };
    EXPECT_EQ(TreeTexts(tree), expected);

    HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
    PumpFor(100);
    EXPECT_FALSE(IsWindow(viewer));
}

TEST_F(HelpContents, MissingHelpFileShowsNothing) {
    TempFolder folder;
    ASSERT_TRUE(SetCurrentDirectoryA(folder.path().c_str()));
    tome::SetHelpFilePath();
    const std::vector<HWND> before = OurWindows();

    EXPECT_EQ(tome::ShowHelpContents(), nullptr);
    PumpFor(300);
    EXPECT_EQ(OurWindows(), before) << "no viewer and no message appeared";
    EXPECT_TRUE(IsWindowEnabled(owner));
}

}  // namespace
