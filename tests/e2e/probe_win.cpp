// Reads what the running Tomecase window shows, from outside, for the
// end-to-end sessions: tabs, the visible list's rows and selection, the
// status bar, the Find box, the focus, where controls are on the screen (so
// that the session can click them), and the controls of a dialog Tomecase
// shows over its window. The system carries the list and combo box
// messages' buffers between processes; the tab control's and the status
// bar's get a buffer in Tomecase's own memory.
//
//   tomecase_probe.exe     prints one fact a line, fields split by TAB;
//                          exits 1 when there is no Tomecase window
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

class RemoteBuffer {
public:
    explicit RemoteBuffer(HWND window) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, Size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Ok() const { return memory_ != nullptr; }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(memory_); }
    template <class T>
    void Put(const T& value) {
        WriteProcessMemory(process_, memory_, &value, sizeof value, nullptr);
    }
    template <class T>
    T Get() const {
        T value{};
        ReadProcessMemory(process_, memory_, &value, sizeof value, nullptr);
        return value;
    }
    std::string Text() const {
        char text[Size] = "";
        ReadProcessMemory(process_, memory_, text, Size - 1, nullptr);
        return text;
    }
    void Clear() {
        char zeros[Size] = {};
        WriteProcessMemory(process_, memory_, zeros, Size, nullptr);
    }

    static constexpr size_t Size = 2048;

private:
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

void Line(const char* key, const std::string& rest) { std::printf("%s\t%s\n", key, rest.c_str()); }

std::string Centre(const RECT& r) {
    return std::to_string((r.left + r.right) / 2) + "\t" + std::to_string((r.top + r.bottom) / 2);
}

std::string ScreenCentre(HWND control) {
    RECT r = {};
    GetWindowRect(control, &r);
    return Centre(r);
}

std::string TextOf(HWND window) {
    char text[1024] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Texts of list and combo box items come whole only in UTF-16 from another
// process; the program's own are Windows-1252.
std::string ItemText(HWND box, UINT message, int index) {
    wchar_t wide[1024] = L"";
    SendMessageW(box, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide));
    char text[1024] = "";
    WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

struct DialogSearch {
    DWORD process;
    HWND main;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (process != search->process || window == search->main || !IsWindowVisible(window) ||
        std::string(name) != "#32770") {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

// A line of its own even for a text with line breaks and tabs.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r') line += "\\r";
        else if (c == '\n') line += "\\n";
        else if (c == '\t') line += "\\t";
        else line += c;
    }
    return line;
}

// Only the dialog's own controls, not the edit boxes inside its combo boxes.
BOOL CALLBACK PrintControl(HWND control, LPARAM dialog) {
    if (GetParent(control) != reinterpret_cast<HWND>(dialog)) return TRUE;
    char name[64] = "";
    GetClassNameA(control, name, sizeof name);
    const int id = GetDlgCtrlID(control);
    const bool option = std::string(name) == "Button";
    Line("dctl", std::to_string(id) + "\t" + name + "\t" + (IsWindowEnabled(control) ? "1" : "0") + "\t" +
                     (option && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "on" : "off") + "\t" +
                     ScreenCentre(control) + "\t" + OneLine(TextOf(control)));
    if (std::string(name) == "ComboBox") {
        const int count = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
        for (int n = 0; n < count; ++n) {
            Line("ditem", std::to_string(id) + "\t" + std::to_string(n) + "\t" + ItemText(control, CB_GETLBTEXT, n));
        }
    }
    return TRUE;
}

// A dialog of Tomecase's over the main window: the book dialog, list
// maintenance, a message box or the print dialog.
void PrintDialog(HWND main) {
    DialogSearch search = {0, main, nullptr};
    GetWindowThreadProcessId(main, &search.process);
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return;
    Line("dialog", TextOf(search.found));
    EnumChildWindows(search.found, PrintControl, reinterpret_cast<LPARAM>(search.found));
}

}  // namespace

int main() {
    HWND main = FindWindowA("#32770", "Tomecase");
    if (main == nullptr) {
        std::fprintf(stderr, "probe: no Tomecase window\n");
        return 1;
    }
    RemoteBuffer buffer(main);
    if (!buffer.Ok()) {
        std::fprintf(stderr, "probe: cannot reach Tomecase's memory\n");
        return 1;
    }
    RECT frame;
    GetWindowRect(main, &frame);
    Line("window", std::to_string(frame.left) + "\t" + std::to_string(frame.top) + "\t" +
                       std::to_string(frame.right) + "\t" + std::to_string(frame.bottom));
    Line("enabled", IsWindowEnabled(main) ? "1" : "0");

    HWND tabs = GetDlgItem(main, 500);
    const int tab = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0)) + 1;
    Line("tab", std::to_string(tab));
    HWND page = nullptr;
    for (int i = 1; i <= 4; ++i) {
        buffer.Put(RECT{});
        SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i - 1), buffer.Address());
        RECT r = buffer.Get<RECT>();
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
        Line("tabcentre", std::to_string(i) + "\t" + Centre(r));

        TCITEMA item = {};
        item.mask = TCIF_PARAM;
        buffer.Put(item);
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i - 1), buffer.Address());
        HWND p = reinterpret_cast<HWND>(buffer.Get<TCITEMA>().lParam);
        if (IsWindowVisible(p)) {
            Line("page", std::to_string(i));
            page = p;
        }
        if (i == 4) {
            for (int id : {3001, 3002, 2030, 2031, 2032, 3003, 3004}) {
                HWND c = GetDlgItem(p, id);
                Line("control", std::to_string(id) + "\t" + ScreenCentre(c) + "\t" +
                                    (SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? "on" : "off"));
            }
            HWND choices = GetDlgItem(p, 3003);
            const LRESULT chosen = SendMessageA(choices, CB_GETCURSEL, 0, 0);
            Line("choice", chosen >= 0 ? ItemText(choices, CB_GETLBTEXT, static_cast<int>(chosen)) : "");
            const int count = static_cast<int>(SendMessageA(choices, CB_GETCOUNT, 0, 0));
            Line("choices", std::to_string(count));
            for (int n = 0; n < count; ++n) Line("item", std::to_string(n) + "\t" + ItemText(choices, CB_GETLBTEXT, n));
            // Where the items are while the list is dropped down: the list is
            // a top-level window of its own then.
            HWND dropped = FindWindowA("ComboLBox", nullptr);
            if (dropped != nullptr && IsWindowVisible(dropped)) {
                const int top = static_cast<int>(SendMessageA(dropped, LB_GETTOPINDEX, 0, 0));
                RECT first = {};
                SendMessageA(dropped, LB_GETITEMRECT, static_cast<WPARAM>(top), reinterpret_cast<LPARAM>(&first));
                MapWindowPoints(dropped, nullptr, reinterpret_cast<POINT*>(&first), 2);
                Line("dropped", std::to_string(top) + "\t" + Centre(first) + "\t" +
                                    std::to_string(first.bottom - first.top));
            }
        }
    }

    for (int id = 1001; id <= 1007; ++id) {
        Line("control", std::to_string(id) + "\t" + ScreenCentre(GetDlgItem(main, id)));
    }
    Line("find", TextOf(GetDlgItem(main, 1006)));
    Line("findresult", TextOf(GetDlgItem(main, 1007)));

    HWND bar = GetDlgItem(main, 2000);
    for (int part = 1; part <= 3; ++part) {
        buffer.Clear();
        SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(part - 1), buffer.Address());
        Line("status", std::to_string(part) + "\t" + buffer.Text());
    }

    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &gui);
    Line("focus", std::to_string(gui.hwndFocus ? GetDlgCtrlID(gui.hwndFocus) : 0));

    if (page != nullptr) {
        const int listId = 2030 + 10 * tab;
        HWND list = GetDlgItem(page, listId);
        for (int column = 1; column <= 6; ++column) {
            Line("heading", std::to_string(column) + "\t" + ScreenCentre(GetDlgItem(page, listId + column)));
        }
        const int rows = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        const int selected = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)) + 1;
        Line("rows", std::to_string(rows));
        Line("selected", std::to_string(selected));
        for (int row = 1; row <= rows; ++row) {
            Line("row", std::to_string(row) + "\t" + ItemText(list, LB_GETTEXT, row - 1));
        }
        if (selected >= 1) {
            RECT r = {};
            SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(selected - 1), reinterpret_cast<LPARAM>(&r));
            MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
            Line("selectedcentre", Centre(r));
        }
    }
    PrintDialog(main);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
