// The printer of the Windows-side print tests: Wine's PostScript driver with
// tests/print/tomecase-test.ppd, writing each job to a Unix file in the build
// tree, installed in the test prefix and made the default printer. Pages are
// read back on the host with ghostscript: as text (txtwrite) to check, and
// as PNG pictures to look at. Also a helper that answers the "Print" dialog
// from a second thread, as a user would.
// Header only: the Windows-side test build takes every tests/win/*_test.cpp.
#pragma once

#include <windows.h>
#include <dlgs.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "../win/win_test_support.h"

namespace tome_test {

inline constexpr char TestPrinterName[] = "Tomecase Test Printer";
inline constexpr char TestPpdName[] = "tomecase-test.ppd";

inline std::string UnixFolderOf(const std::string& path) { return path.substr(0, path.find_last_of('/')); }

// <build folder>/print: the printer's file, page texts and pictures.
inline std::string PrintFolder() { return UnixFolderOf(TOMECASE_EXE_UNIX_PATH) + "/print"; }
// The printer's port: every job is written here.
inline std::string PrinterPort() { return PrintFolder() + "/printer.ps"; }
inline std::string TestPpdPath() { return UnixFolderOf(__FILE__) + "/" + TestPpdName; }

inline std::string LastErrorText(const std::string& what) {
    return what + " failed (error " + std::to_string(GetLastError()) + ")";
}

inline std::string InstallTestPrinterDriver() {
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>("Wine PostScript Driver");
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    driver.pDataFile = const_cast<char*>(TestPpdName);
    driver.pDefaultDataType = const_cast<char*>("RAW");
    // The spooler's environments of the running Windows: a printer added for
    // a driver installed only for the other ones fails with error 87.
#ifdef _WIN64
    const char* const environments[] = {"Windows x64"};
#else
    const char* const environments[] = {"Windows 4.0", "Windows NT x86"};
#endif
    for (const char* environment : environments) {
        char folder[MAX_PATH] = {};
        DWORD needed = 0;
        if (!GetPrinterDriverDirectoryA(nullptr, const_cast<char*>(environment), 1, reinterpret_cast<BYTE*>(folder),
                                        sizeof folder, &needed)) {
            return LastErrorText(std::string("GetPrinterDriverDirectoryA for ") + environment);
        }
        // The spooler takes a driver's files from its driver folder.
        CreateDirectoryA(folder, nullptr);
        const std::string staged = std::string(folder) + "\\" + TestPpdName;
        if (!CopyFileA(WinePath(TestPpdPath()).c_str(), staged.c_str(), FALSE)) {
            return LastErrorText("copying " + TestPpdPath() + " to " + staged);
        }
        driver.pEnvironment = const_cast<char*>(environment);
        if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_ALL_FILES)) {
            return LastErrorText(std::string("AddPrinterDriverExA for ") + environment);
        }
    }
    return std::string();
}

// The port of an installed test printer, "" when there is none.
inline std::string InstalledPort() {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(TestPrinterName), &printer, nullptr)) return std::string();
    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed + 1);
    std::string port;
    if (needed > 0 && GetPrinterA(printer, 2, buffer.data(), needed, &needed)) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
        if (info->pPortName != nullptr) port = info->pPortName;
    }
    ClosePrinter(printer);
    return port;
}

// Installs driver and printer (again when its port is another build
// folder's) and makes it the default printer. "" or what failed.
inline std::string InstallTestPrinter() {
    CreateDirectoryA(WinePath(PrintFolder()).c_str(), nullptr);
    if (std::string failed = InstallTestPrinterDriver(); !failed.empty()) return failed;

    const std::string port = InstalledPort();
    if (!port.empty() && port != PrinterPort()) {
        HANDLE old = nullptr;
        PRINTER_DEFAULTSA all = {nullptr, nullptr, PRINTER_ALL_ACCESS};
        if (!OpenPrinterA(const_cast<char*>(TestPrinterName), &old, &all)) return LastErrorText("OpenPrinterA");
        const BOOL deleted = DeletePrinter(old);
        ClosePrinter(old);
        if (!deleted) return LastErrorText("DeletePrinter");
    }
    if (port != PrinterPort()) {
        PRINTER_INFO_2A info = {};
        info.pPrinterName = const_cast<char*>(TestPrinterName);
        std::string portText = PrinterPort();
        info.pPortName = portText.data();
        info.pDriverName = const_cast<char*>("Wine PostScript Driver");
        info.pPrintProcessor = const_cast<char*>("WinPrint");
        info.pDatatype = const_cast<char*>("RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
        if (added == nullptr) return LastErrorText("AddPrinterA");
        ClosePrinter(added);
    }
    if (!SetDefaultPrinterA(TestPrinterName)) return LastErrorText("SetDefaultPrinterA");
    return std::string();
}

// Runs a shell command line on the host. Wine starts a Unix program without
// a handle to wait on, so the command leaves its exit status in a file.
// The command's output goes to <print folder>/host.log. Returns the exit
// status, -1 when it did not end in time, -2 when it could not start. The
// command must not hold double quotes.
inline int RunOnHost(const std::string& command, DWORD timeoutMs = 60000) {
    static std::atomic<unsigned> serial{0};
    const std::string status =
        PrintFolder() + "/host-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(serial++) + ".status";
    const std::string log = PrintFolder() + "/host.log";
    std::string line = "Z:\\bin\\sh -c \"(" + command + ") >>'" + log + "' 2>&1; echo $? >'" + status +
                       ".tmp' && mv '" + status + ".tmp' '" + status + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -2;
    }
    if (process.hProcess != nullptr) CloseHandle(process.hProcess);
    if (process.hThread != nullptr) CloseHandle(process.hThread);
    const std::string statusFile = WinePath(status);
    for (DWORD waited = 0; !IsFile(statusFile); waited += 50) {
        if (waited >= timeoutMs) return -1;
        Sleep(50);
    }
    const int code = std::atoi(ReadBytes(statusFile).c_str());
    DeleteFileA(statusFile.c_str());
    return code;
}

// Removes the printer's file before a job.
inline void ClearPrinterPort() { DeleteFileA(WinePath(PrinterPort()).c_str()); }

// Waits for the job's complete PostScript (it ends with %%EOF) and moves it
// to <print folder>/<name>.ps. Its Unix path, or "" when none came.
inline std::string TakePrintout(const std::string& name, DWORD timeoutMs = 20000) {
    const std::string port = WinePath(PrinterPort());
    for (DWORD waited = 0;; waited += 100) {
        if (IsFile(port) && ReadBytes(port).find("%%EOF") != std::string::npos) break;
        if (waited >= timeoutMs) return std::string();
        Sleep(100);
    }
    const std::string target = PrintFolder() + "/" + name + ".ps";
    if (!MoveFileExA(port.c_str(), WinePath(target).c_str(), MOVEFILE_REPLACE_EXISTING)) return std::string();
    return target;
}

// The page count in the PostScript trailer, -1 when it has none.
inline int PageCount(const std::string& psUnixPath) {
    const std::string ps = ReadBytes(WinePath(psUnixPath));
    const size_t at = ps.rfind("%%Pages: ");
    if (at == std::string::npos) return -1;
    const std::string value = ps.substr(at + 9, ps.find_first_of("\r\n", at) - at - 9);
    return value == "(atend)" ? -1 : std::atoi(value.c_str());
}

inline std::string Utf8From1252(const std::string& text) {
    if (text.empty()) return text;
    const int wide = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), w.data(), wide);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

// The text lines of each page (ghostscript's txtwrite, UTF-8), without the
// blanks around them and without empty lines; items on one line are joined.
inline std::vector<std::vector<std::string>> PageTexts(const std::string& psUnixPath) {
    std::vector<std::vector<std::string>> pages;
    const std::string stem = psUnixPath.substr(0, psUnixPath.size() - 3);
    if (RunOnHost("rm -f '" + stem + "'-page*.txt && gs -q -sDEVICE=txtwrite -o '" + stem + "-page%d.txt' '" +
                  psUnixPath + "'") != 0) {
        return pages;
    }
    for (int page = 1;; ++page) {
        const std::string file = WinePath(stem + "-page" + std::to_string(page) + ".txt");
        if (!IsFile(file)) break;
        std::vector<std::string> lines;
        std::string text = ReadBytes(file);
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            std::string line = text.substr(start, end - start);
            const size_t first = line.find_first_not_of(" \r");
            if (first != std::string::npos) lines.push_back(line.substr(first, line.find_last_not_of(" \r") - first + 1));
            start = end + 1;
        }
        pages.push_back(lines);
    }
    return pages;
}

// Renders the pages as <stem>-page<n>.png at 72 dots per inch; how many.
inline int RenderPages(const std::string& psUnixPath) {
    const std::string stem = psUnixPath.substr(0, psUnixPath.size() - 3);
    if (RunOnHost("rm -f '" + stem + "'-page*.png && gs -q -sDEVICE=png16m -r72 -o '" + stem + "-page%d.png' '" +
                  psUnixPath + "'") != 0) {
        return 0;
    }
    int pages = 0;
    while (IsFile(WinePath(stem + "-page" + std::to_string(pages + 1) + ".png"))) ++pages;
    return pages;
}

// Answers the next "Print" dialog from a thread of its own, as a user
// would: waits for the window, notes what it offers, clicks a button.
class PrintDialogAnswerer {
public:
    explicit PrintDialogAnswerer(int button) : thread_([this, button] { Run(button); }) {}
    ~PrintDialogAnswerer() {
        stop_ = true;
        thread_.join();
    }
    PrintDialogAnswerer(const PrintDialogAnswerer&) = delete;
    PrintDialogAnswerer& operator=(const PrintDialogAnswerer&) = delete;

    // Read these after the dialog has ended.
    bool answered() const { return answered_; }
    bool printToFileShown() const { return printToFileShown_; }
    bool selectionEnabled() const { return selectionEnabled_; }
    bool pageRangeEnabled() const { return pageRangeEnabled_; }
    bool allPagesChecked() const { return allPagesChecked_; }
    const std::string& printerShown() const { return printerShown_; }

private:
    // A visible "Print" dialog of this process: other programs on the
    // shared desktop may show one too.
    static HWND OurPrintDialog() {
        HWND found = nullptr;
        EnumWindows(
            [](HWND window, LPARAM result) -> BOOL CALLBACK {
                char className[16] = {};
                char caption[16] = {};
                DWORD process = 0;
                GetClassNameA(window, className, sizeof className);
                GetWindowTextA(window, caption, sizeof caption);
                GetWindowThreadProcessId(window, &process);
                if (std::string(className) != "#32770" || std::string(caption) != "Print" ||
                    process != GetCurrentProcessId() || !IsWindowVisible(window)) {
                    return TRUE;
                }
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    void Run(int button) {
        for (int waited = 0; waited < 30000 && !stop_; waited += 50) {
            HWND dialog = OurPrintDialog();
            if (dialog != nullptr) {
                HWND toFile = GetDlgItem(dialog, chx1);
                printToFileShown_ = toFile != nullptr && IsWindowVisible(toFile);
                selectionEnabled_ = IsWindowEnabled(GetDlgItem(dialog, rad2)) != FALSE;
                pageRangeEnabled_ = IsWindowEnabled(GetDlgItem(dialog, rad3)) != FALSE;
                allPagesChecked_ = IsDlgButtonChecked(dialog, rad1) == BST_CHECKED;
                char name[256] = {};
                GetDlgItemTextA(dialog, cmb4, name, sizeof name);
                printerShown_ = name;
                SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
                answered_ = true;
                return;
            }
            Sleep(50);
        }
    }

    std::atomic<bool> stop_{false};
    std::atomic<bool> answered_{false};
    bool printToFileShown_ = true;
    bool selectionEnabled_ = true;
    bool pageRangeEnabled_ = true;
    bool allPagesChecked_ = false;
    std::string printerShown_;
    std::thread thread_;
};

// Tests that print: the test printer is installed once and is the default.
class TestPrinterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installError() = InstallTestPrinter(); }
    void SetUp() override { ASSERT_EQ(installError(), "") << "the test printer could not be installed"; }

private:
    static std::string& installError() {
        static std::string error;
        return error;
    }
};

}  // namespace tome_test
