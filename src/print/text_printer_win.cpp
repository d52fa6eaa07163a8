#include "print/text_printer_win.h"

#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <climits>

#include "print/printer_texts.h"

namespace tome {

namespace {

int Length(const std::string& text) { return static_cast<int>(std::min<size_t>(text.size(), INT_MAX)); }

}  // namespace

GdiPrinter::~GdiPrinter() {
    ReleaseDeviceContext();
    if (hDevMode != nullptr) GlobalFree(hDevMode);
}

void GdiPrinter::ReleaseDeviceContext() {
    if (hPrinterDC != nullptr) {
        if (hSavedFont != nullptr) SelectObject(hPrinterDC, hSavedFont);
        DeleteDC(hPrinterDC);
    }
    if (hFont != nullptr) DeleteObject(hFont);
    hPrinterDC = nullptr;
    hFont = nullptr;
    hSavedFont = nullptr;
}

void GdiPrinter::Adopt(HDC dc, HGLOBAL devMode, const std::string& name) {
    ReleaseDeviceContext();
    if (hDevMode != nullptr) GlobalFree(hDevMode);
    hPrinterDC = dc;
    hDevMode = devMode;
    printerName = name;
}

std::string GdiPrinter::UseDefaultPrinter() {
    char entry[128] = {};
    GetProfileStringA("WINDOWS", "DEVICE", "", entry, sizeof entry);
    const std::string name = PrinterNameFromDeviceEntry(entry);
    HANDLE printer = nullptr;
    if (name.empty() || !OpenPrinterA(const_cast<char*>(name.c_str()), &printer, nullptr)) return printerName;

    // The device settings are asked for their size first, then filled.
    char* device = const_cast<char*>(name.c_str());
    const LONG size = DocumentPropertiesA(nullptr, printer, device, nullptr, nullptr, 0);
    HGLOBAL settings = size > 0 ? GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(size)) : nullptr;
    auto* devMode = settings != nullptr ? static_cast<DEVMODEA*>(GlobalLock(settings)) : nullptr;
    if (devMode != nullptr && DocumentPropertiesA(nullptr, printer, device, devMode, nullptr, DM_OUT_BUFFER) < 0) {
        GlobalUnlock(settings);
        GlobalFree(settings);
        settings = nullptr;
        devMode = nullptr;
    }
    HDC dc = CreateDCA("WINSPOOL", name.c_str(), nullptr, devMode);
    if (devMode != nullptr) GlobalUnlock(settings);
    ClosePrinter(printer);
    if (dc == nullptr) {
        if (settings != nullptr) GlobalFree(settings);
        return printerName;
    }
    Adopt(dc, settings, name);
    return printerName;
}

std::string GdiPrinter::ChoosePrinter() {
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_ALLPAGES | PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE;
    if (!PrintDlgA(&dialog)) return printerName;

    std::string name;
    if (dialog.hDevNames != nullptr) {
        if (const auto* names = static_cast<const DEVNAMES*>(GlobalLock(dialog.hDevNames))) {
            name = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
            GlobalUnlock(dialog.hDevNames);
        }
        GlobalFree(dialog.hDevNames);
    }
    Adopt(dialog.hDC, dialog.hDevMode, name);
    return printerName;
}

DeviceMetrics GdiPrinter::Metrics() const {
    DeviceMetrics m;
    if (hPrinterDC == nullptr) return m;
    m.logPixelsX = GetDeviceCaps(hPrinterDC, LOGPIXELSX);
    m.logPixelsY = GetDeviceCaps(hPrinterDC, LOGPIXELSY);
    m.physicalWidth = GetDeviceCaps(hPrinterDC, PHYSICALWIDTH);
    m.physicalHeight = GetDeviceCaps(hPrinterDC, PHYSICALHEIGHT);
    m.physicalOffsetX = GetDeviceCaps(hPrinterDC, PHYSICALOFFSETX);
    m.physicalOffsetY = GetDeviceCaps(hPrinterDC, PHYSICALOFFSETY);
    m.vertRes = GetDeviceCaps(hPrinterDC, VERTRES);
    return m;
}

void GdiPrinter::SelectNewFont(const FontRequest& font) {
    HFONT made = CreateFontA(font.height, 0, 0, 0, font.weight, font.italic, font.underline, FALSE, ANSI_CHARSET,
                             OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             font.face.c_str());
    // The new font goes in before the old one is deleted: a font that is
    // still selected must not be deleted.
    if (hPrinterDC != nullptr && made != nullptr) {
        HGDIOBJ before = SelectObject(hPrinterDC, made);
        if (hSavedFont == nullptr) hSavedFont = before;
    }
    if (hFont != nullptr) DeleteObject(hFont);
    hFont = made;
}

int32_t GdiPrinter::FontLineHeight() const {
    TEXTMETRICA tm = {};
    if (hPrinterDC == nullptr || !GetTextMetricsA(hPrinterDC, &tm)) return 0;
    return tm.tmHeight + tm.tmExternalLeading;
}

int32_t GdiPrinter::FontAverageWidth() const {
    TEXTMETRICA tm = {};
    if (hPrinterDC == nullptr || !GetTextMetricsA(hPrinterDC, &tm)) return 0;
    return tm.tmAveCharWidth;
}

int32_t GdiPrinter::TextExtent(const std::string& text) const {
    SIZE size = {};
    if (hPrinterDC == nullptr || !GetTextExtentPoint32A(hPrinterDC, text.c_str(), Length(text), &size)) return 0;
    return size.cx;
}

int32_t GdiPrinter::FitCount(const std::string& text, int32_t maxExtent) const {
    if (hPrinterDC == nullptr || text.empty()) return 0;
    INT fit = 0;
    SIZE size = {};
    if (!GetTextExtentExPointA(hPrinterDC, text.c_str(), Length(text), maxExtent, &fit, nullptr, &size)) return 0;
    return std::clamp<int32_t>(fit, 0, Length(text));
}

void GdiPrinter::WriteText(int32_t x, int32_t y, const std::string& text) {
    if (hPrinterDC != nullptr) TextOutA(hPrinterDC, x, y, text.c_str(), Length(text));
}

template <class Change>
void GdiPrinter::ChangeSettings(DWORD field, Change change) {
    if (hDevMode == nullptr) return;
    auto* devMode = static_cast<DEVMODEA*>(GlobalLock(hDevMode));
    if (devMode == nullptr) return;
    if (devMode->dmFields & field) {
        change(*devMode);
        devMode->dmFields |= field;
        if (hPrinterDC != nullptr) ResetDCA(hPrinterDC, devMode);
    }
    GlobalUnlock(hDevMode);
}

void GdiPrinter::SetDuplex(int32_t mode) {
    if (mode == 0) return;
    ChangeSettings(DM_DUPLEX, [mode](DEVMODEA& d) { d.dmDuplex = static_cast<short>(mode); });
}

void GdiPrinter::SetOrientation(int32_t orientation) {
    if (orientation == 0) return;
    ChangeSettings(DM_ORIENTATION, [orientation](DEVMODEA& d) { d.dmOrientation = static_cast<short>(orientation); });
}

int32_t GdiPrinter::OpenDocument(const std::string& name) {
    if (hPrinterDC == nullptr) return 0;
    DOCINFOA info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    return StartDocA(hPrinterDC, &info);
}

int32_t GdiPrinter::OpenPage() { return hPrinterDC != nullptr ? StartPage(hPrinterDC) : 0; }

int32_t GdiPrinter::ClosePage() { return hPrinterDC != nullptr ? EndPage(hPrinterDC) : 0; }

void GdiPrinter::CloseDocument() {
    if (hPrinterDC != nullptr) EndDoc(hPrinterDC);
    ReleaseDeviceContext();
}

void GdiPrinter::ShowPrinterError(int32_t code) { ReportPrinterError(code); }

}  // namespace tome
