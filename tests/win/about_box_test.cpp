// The About box run modally in-process over a stand-in main window: layout in
// dialog units, fonts, colours as drawn, the hand cursor over the two links
// (by message and by moving the mouse), the link targets through the shell
// seam, and the ways it closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/about_box_win.h"
#include "app/main_state_win.h"

namespace {

using tome::AboutMailLinkId;
using tome::AboutWebLinkId;

const char BoxCaption[] = "About Tomecase";

struct ShellCall {
    bool noWindow;
    std::string operation, file;
    bool noParameters, noDirectory;
    INT show;
    HCURSOR cursor;  // the cursor while the shell is asked
};
std::vector<ShellCall> shellCalls;

HINSTANCE WINAPI RecordShellOpen(HWND window, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                 INT show) {
    shellCalls.push_back({window == nullptr, operation ? operation : "", file ? file : "", parameters == nullptr,
                          directory == nullptr, show, GetCursor()});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));  // "success"
}

// Steps run one per timer tick inside the box's modal loop; a box still open
// well after the last step is a failure and is closed.
std::vector<std::function<void()>> steps;
size_t nextStep = 0;
int idleTicks = 0;

HWND OpenBox() { return FindWindowA(nullptr, BoxCaption); }

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    // A step that pumps messages itself must not start the next one.
    static bool inStep = false;
    if (inStep) return;
    if (nextStep < steps.size()) {
        const std::function<void()> step = steps[nextStep++];
        inStep = true;
        step();
        inStep = false;
        return;
    }
    if (++idleTicks == 100) {
        ADD_FAILURE() << "the About box is still open after its script";
        if (HWND box = OpenBox()) PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (idleTicks == 200) {
        if (HWND box = OpenBox()) DestroyWindow(box);
    }
}

void RunAboutBox(std::vector<std::function<void()>> script) {
    steps = std::move(script);
    nextStep = 0;
    idleTicks = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
    ASSERT_NE(timer, 0u);
    tome::ShowAboutBox();
    KillTimer(nullptr, timer);
    EXPECT_EQ(nextStep, steps.size()) << "the About box closed before its script ran out";
    EXPECT_EQ(OpenBox(), nullptr);
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::vector<HWND> ChildrenOf(HWND box) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    return children;
}

RECT DialogUnits(HWND box, int x, int y, int w, int h) {
    RECT r = {x, y, x + w, y + h};
    MapDialogRect(box, &r);
    return r;
}

RECT RectIn(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT CentreOnScreen(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
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

// Moves the mouse as the user does: through the input queue, so the window
// under it gets WM_SETCURSOR.
void MouseTo(POINT p) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    // On a busy machine the move can take a while to arrive; a click sent
    // before it would land where the mouse was.
    const DWORD end = GetTickCount() + 3000;
    POINT now = {};
    do {
        PumpFor(20);
        GetCursorPos(&now);
    } while ((now.x != p.x || now.y != p.y) && GetTickCount() < end);
    PumpFor(80);
}

void ClickHere() {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    PumpFor(100);
}

HCURSOR HandCursor() { return LoadCursorA(GetModuleHandleA(nullptr), "HAND"); }
HCURSOR ArrowCursor() { return LoadCursor(nullptr, IDC_ARROW); }

// Moves the mouse to p and waits for the cursor to become the one wanted.
// Under load Wine can lose the move's WM_SETCURSOR, leaving the cursor of
// the place before; as a user would, the mouse is then nudged off the point
// and back. Returns the cursor that shows at p in the end.
HCURSOR MoveUntilCursor(POINT p, HCURSOR wanted) {
    MouseTo(p);
    for (int attempt = 0; attempt < 5 && GetCursor() != wanted; ++attempt) {
        for (const DWORD end = GetTickCount() + 1000; GetCursor() != wanted && GetTickCount() < end;) PumpFor(20);
        if (GetCursor() == wanted) break;
        MouseTo({p.x + 1, p.y + 1});
        MouseTo(p);
    }
    return GetCursor();
}

// Clicks a link once the box has seen the mouse arrive on it: the way there
// passes a plain label, where the arrow must show, and then the hand must
// show over the link. A click sent sooner can land on the previous link.
void ClickLink(HWND box, int id) {
    MoveUntilCursor(CentreOnScreen(GetDlgItem(box, 9901)), ArrowCursor());
    MoveUntilCursor(CentreOnScreen(GetDlgItem(box, id)), HandCursor());
    ClickHere();
}

// A key press as the user makes it: queued for the focused window, so the
// modal loop hands it to the dialog manager.
void PressKey(WPARAM key) {
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr) << "nothing has the keyboard focus";
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}


class AboutBox : public ::testing::Test {
protected:
    void SetUp() override {
        owner = CreateWindowExA(0, "STATIC", "About box owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
        tome::mainState.hMainWindow = owner;
        tome::aboutShellOpen = RecordShellOpen;
        shellCalls.clear();
    }
    void TearDown() override {
        tome::aboutShellOpen = ShellExecuteA;
        tome::mainState.hMainWindow = nullptr;
        DestroyWindow(owner);
    }

    HWND owner = nullptr;
};

struct Expected {
    int id;  // as the template gives it: 16 bits
    const std::string text;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
    int x, y, w, h;  // dialog units
};

TEST_F(AboutBox, IsACentredFixedBoxOfSixLabelsInDialogUnitsOverADisabledOwner) {
    const std::string versionText = "Version 2.05\r\nFree to copy and to give away.\r\nby Tamsin Quarrell";
    ASSERT_EQ(tome::AboutVersionText(), versionText);
    const std::vector<Expected> expected = {
        {9901, "Tomecase", SS_LEFT, 50, 10, 80, 20},
        {9902, " for Windows", SS_LEFT, 130, 13, 70, 10},
        {9903, versionText, SS_LEFT, 50, 40, 180, 30},
        {9904, "tamsin@verdanth.example", SS_NOTIFY | SS_NOPREFIX, 60, 80, 140, 12},
        {9905, "https://verdanth.example", SS_NOTIFY | SS_NOPREFIX, 60, 95, 140, 12},
        {0xFFFF, "", SS_ICON, 10, 10, 30, 30},
    };
    RunAboutBox({[&] {
        HWND box = OpenBox();
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(IsWindowVisible(box));
        EXPECT_EQ(GetWindow(box, GW_OWNER), owner);
        EXPECT_FALSE(IsWindowEnabled(owner)) << "the main window is disabled while the box is open";

        const DWORD style = static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
        EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD), 0u);
        RECT client;
        GetClientRect(box, &client);
        const RECT size = DialogUnits(box, 0, 0, 220, 160);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        RECT outer, work;
        GetWindowRect(box, &outer);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_NEAR((outer.left + outer.right) / 2, (work.left + work.right) / 2, 1);
        EXPECT_NEAR((outer.top + outer.bottom) / 2, (work.top + work.bottom) / 2, 1);

        const std::vector<HWND> children = ChildrenOf(box);
        ASSERT_EQ(children.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const Expected& e = expected[i];
            HWND c = children[i];
            SCOPED_TRACE(e.id);
            char className[32] = {};
            GetClassNameA(c, className, sizeof className);
            EXPECT_STREQ(CharUpperA(className), "STATIC");
            EXPECT_EQ(static_cast<uint16_t>(GetDlgCtrlID(c)), e.id);
            const DWORD childStyle = static_cast<DWORD>(GetWindowLongA(c, GWL_STYLE));
            EXPECT_EQ(childStyle & (SS_TYPEMASK | SS_NOTIFY | SS_NOPREFIX | WS_CHILD | WS_VISIBLE),
                      e.style | WS_CHILD | WS_VISIBLE);
            EXPECT_EQ(GetWindowLongA(c, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0);
            const RECT r = RectIn(box, c);
            const RECT want = DialogUnits(box, e.x, e.y, e.w, e.h);
            EXPECT_EQ(r.left, want.left);
            EXPECT_EQ(r.top, want.top);
            if (e.style == SS_ICON) {
                // An icon static takes the size of its icon: the 32 x 32 program icon.
                EXPECT_NE(SendMessageA(c, STM_GETICON, 0, 0), 0) << "the icon group TOMECASE is shown";
                EXPECT_EQ(r.right - r.left, 32);
            } else {
                EXPECT_EQ(TextOf(c), e.text);
                EXPECT_EQ(r.right - r.left, want.right - want.left);
                EXPECT_EQ(r.bottom - r.top, want.bottom - want.top);
            }
        }
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    }});
    EXPECT_TRUE(IsWindowEnabled(owner)) << "the main window is enabled again";
}

TEST_F(AboutBox, LabelsHaveTheirOwnFontsWhichGoWithTheBox) {
    struct Look {
        int id, points;
        BYTE italic, underline;
    };
    const Look looks[] = {{9901, 14, 0, 0}, {9902, 10, 1, 0}, {9903, 10, 0, 0}, {9904, 10, 0, 1}, {9905, 10, 0, 1}};
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    std::vector<HFONT> fonts;
    RunAboutBox({[&] {
        HWND box = OpenBox();
        ASSERT_NE(box, nullptr);
        for (const Look& look : looks) {
            SCOPED_TRACE(look.id);
            HFONT font = reinterpret_cast<HFONT>(SendDlgItemMessageA(box, look.id, WM_GETFONT, 0, 0));
            ASSERT_NE(font, nullptr);
            fonts.push_back(font);
            LOGFONTA lf = {};
            ASSERT_TRUE(GetObjectA(font, sizeof lf, &lf));
            EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
            EXPECT_EQ(lf.lfHeight, -MulDiv(look.points, pixelsPerInch, 72));
            EXPECT_EQ(lf.lfWeight, FW_NORMAL);
            EXPECT_EQ(lf.lfItalic, look.italic);
            EXPECT_EQ(lf.lfUnderline, look.underline);
            // The face really drawn, not a substitute with other metrics.
            HGDIOBJ old = SelectObject(screen, font);
            char face[LF_FACESIZE] = {};
            GetTextFaceA(screen, sizeof face, face);
            SelectObject(screen, old);
            EXPECT_STREQ(face, "MS Sans Serif");
        }
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    }});
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(fonts.size(), 5u);
    for (HFONT font : fonts) EXPECT_EQ(GetObjectType(font), 0u) << "a label font outlived the box";
}

// Pixels of exactly one colour inside a control, read back from the screen.
int PixelsOf(HWND box, int id, COLORREF colour) {
    HWND label = GetDlgItem(box, id);
    RECT r;
    GetWindowRect(label, &r);
    HDC screen = GetDC(nullptr);
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) count += GetPixel(screen, x, y) == colour ? 1 : 0;
    }
    ReleaseDC(nullptr, screen);
    return count;
}

TEST_F(AboutBox, TitleIsDrawnRedAndLinksBlueOnTheBoxBackground) {
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), black = GetSysColor(COLOR_WINDOWTEXT);
    RunAboutBox({[&] {
                     HWND box = OpenBox();
                     ASSERT_NE(box, nullptr);
                     SetWindowPos(box, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
                     RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                 },
                 [&] {
                     HWND box = OpenBox();
                     ASSERT_NE(box, nullptr);
                     EXPECT_GT(PixelsOf(box, 9901, red), 20);
                     EXPECT_EQ(PixelsOf(box, 9901, black), 0);
                     EXPECT_GT(PixelsOf(box, 9904, blue), 20);
                     EXPECT_GT(PixelsOf(box, 9905, blue), 20);
                     for (int id : {9902, 9903}) {
                         SCOPED_TRACE(id);
                         EXPECT_GT(PixelsOf(box, id, black), 20);
                         EXPECT_EQ(PixelsOf(box, id, red) + PixelsOf(box, id, blue), 0);
                     }
                     // Backgrounds stay the box's own: the corner of each label.
                     const COLORREF face = GetSysColor(COLOR_3DFACE);
                     for (int id : {9901, 9904, 9905}) {
                         RECT r;
                         GetWindowRect(GetDlgItem(box, id), &r);
                         HDC screen = GetDC(nullptr);
                         EXPECT_EQ(GetPixel(screen, r.right - 1, r.bottom - 1), face) << id;
                         ReleaseDC(nullptr, screen);
                     }
                     PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
                 }});
}

TEST_F(AboutBox, HandCursorOnlyForControlIdsFromTheMailLinkUp) {
    ASSERT_NE(HandCursor(), nullptr);
    ASSERT_NE(HandCursor(), ArrowCursor());
    RunAboutBox({[&] {
        HWND box = OpenBox();
        ASSERT_NE(box, nullptr);
        struct Case {
            HWND window;
            bool hand;
        };
        const Case cases[] = {{GetDlgItem(box, 9904), true}, {GetDlgItem(box, 9905), true},
                              {GetDlgItem(box, 9901), false}, {GetDlgItem(box, 9903), false},
                              {ChildrenOf(box).back(), false},  // the icon, ID -1 (65535)
                              {box, false}};
        for (const Case& c : cases) {
            SCOPED_TRACE(GetDlgCtrlID(c.window));
            SetCursor(c.hand ? ArrowCursor() : HandCursor());
            SetWindowLongPtrA(box, DWLP_MSGRESULT, 0);
            const LRESULT result = SendMessageA(box, WM_SETCURSOR, reinterpret_cast<WPARAM>(c.window),
                                                MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            if (c.hand) {
                EXPECT_EQ(result, TRUE);
                EXPECT_EQ(GetCursor(), HandCursor());
            } else {
                EXPECT_EQ(GetCursor(), ArrowCursor()) << "the default cursor handling applies";
            }
        }
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    }});
}

TEST_F(AboutBox, MovingTheMouseShowsTheHandOverTheLinksOnly) {
    POINT before;
    GetCursorPos(&before);
    std::vector<std::pair<int, HCURSOR>> seen;  // control ID, cursor shown over it
    auto over = [&](int id) {
        return [&, id] {
            HWND box = OpenBox();
            ASSERT_NE(box, nullptr);
            const HWND control = id == -1 ? ChildrenOf(box).back() : GetDlgItem(box, id);
            const HCURSOR expected = id == 9904 || id == 9905 ? HandCursor() : ArrowCursor();
            seen.emplace_back(id, MoveUntilCursor(CentreOnScreen(control), expected));
        };
    };
    RunAboutBox({[&] { SetForegroundWindow(OpenBox()); }, over(9904), over(9903), over(9905), over(-1), over(9901),
                 [&] { PostMessageA(OpenBox(), WM_SYSCOMMAND, SC_CLOSE, 0); }});
    SetCursorPos(before.x, before.y);
    ASSERT_EQ(seen.size(), 5u);
    for (const auto& [id, cursor] : seen) {
        const bool link = id == 9904 || id == 9905;
        EXPECT_EQ(cursor, link ? HandCursor() : ArrowCursor()) << "over control " << id;
    }
}

TEST_F(AboutBox, LinksOpenMailAndWebThroughTheShellAndTheBoxStays) {
    RunAboutBox({[&] {
                     HWND box = OpenBox();
                     ASSERT_NE(box, nullptr);
                     SetForegroundWindow(box);
                     ClickLink(box, AboutMailLinkId);
                 },
                 [&] { ClickLink(OpenBox(), AboutWebLinkId); },
                 [&] {
                     // The second click of a double click opens the link again.
                     HWND box = OpenBox();
                     SendMessageA(box, WM_COMMAND, MAKEWPARAM(AboutMailLinkId, STN_DBLCLK),
                                  reinterpret_cast<LPARAM>(GetDlgItem(box, AboutMailLinkId)));
                 },
                 [&] {
                     ASSERT_NE(OpenBox(), nullptr) << "a link click leaves the box open";
                     PostMessageA(OpenBox(), WM_SYSCOMMAND, SC_CLOSE, 0);
                 }});
    ASSERT_EQ(shellCalls.size(), 3u);
    const std::string mail = "mailto:tamsin@verdanth.example?";
    const std::string web = "https://verdanth.example";
    const std::pair<std::string, INT> expected[] = {{mail, SW_SHOW}, {web, SW_SHOWMAXIMIZED}, {mail, SW_SHOW}};
    for (size_t i = 0; i < shellCalls.size(); ++i) {
        const ShellCall& call = shellCalls[i];
        SCOPED_TRACE(i);
        EXPECT_TRUE(call.noWindow);
        EXPECT_EQ(call.operation, "open");
        EXPECT_EQ(call.file, expected[i].first);
        EXPECT_TRUE(call.noParameters);
        EXPECT_TRUE(call.noDirectory);
        EXPECT_EQ(call.show, expected[i].second);
        EXPECT_EQ(call.cursor, LoadCursor(nullptr, IDC_WAIT)) << "the wait cursor shows while the shell works";
    }
}

TEST_F(AboutBox, EscapeEnterAndTheCloseBoxEachCloseIt) {
    const std::vector<std::pair<const char*, std::function<void()>>> closers = {
        {"Escape", [] { PressKey(VK_ESCAPE); }},
        {"Enter", [] { PressKey(VK_RETURN); }},
        {"close box", [] { PostMessageA(OpenBox(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& [name, close] : closers) {
        SCOPED_TRACE(name);
        // A box that does not close is reported and closed by RunAboutBox.
        RunAboutBox({[] { SetForegroundWindow(OpenBox()); }, close});
        EXPECT_TRUE(IsWindowEnabled(owner));
        EXPECT_TRUE(shellCalls.empty());
    }
}

}  // namespace
