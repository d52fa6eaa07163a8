// The About box: product name, version, distribution note and author credit,
// and two hyperlink labels (e-mail and web site) that show a hand cursor and
// open their targets through the shell.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

#include "app/version.h"

namespace tome {

constexpr int AboutTitleId = 9901;
constexpr int AboutPlatformId = 9902;
constexpr int AboutVersionId = 9903;
constexpr int AboutMailLinkId = 9904;
constexpr int AboutWebLinkId = 9905;

inline constexpr char AboutVersionNumber[] = TOMECASE_VERSION_TEXT;
inline constexpr char AboutAuthorName[] = "Tamsin Quarrell";
inline constexpr char AboutMailAddress[] = "tamsin@verdanth.example";
inline constexpr char AboutWebAddress[] = "https://verdanth.example";

// The About box's own state: the fonts of its five labels, made when the box
// opens and deleted when it goes (one box at a time).
constexpr size_t AboutLabelCount = 5;
struct AboutBoxState {
    std::array<HFONT, AboutLabelCount> labelFonts = {};
};
extern AboutBoxState aboutBox;

// The text of label 9903: version, distribution note, "by " + the author.
std::string AboutVersionText();

// The links are opened through this (ShellExecuteA), so tests can see what
// would be opened without starting a mail client or a browser.
using ShellOpenFunction = HINSTANCE(WINAPI*)(HWND window, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                                             LPCSTR directory, INT show);
extern ShellOpenFunction aboutShellOpen;

// Runs the box modally over mainState.hMainWindow; returns when it is closed.
void ShowAboutBox();
INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tome
