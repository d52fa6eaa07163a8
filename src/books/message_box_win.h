// The one message box of the program: every question and message to the user
// on Windows goes through messageBox, which tests replace so that nothing
// shows and they can answer.
#pragma once

#include <windows.h>

#include <string>

#include "books/user_prompts.h"

namespace tome {

using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
// MessageBoxA; a seam for the tests, hence not const.
extern MessageBoxFunction messageBox;

// A message box without owner: the answer chosen.
Answer AskUser(const std::string& text, const std::string& caption, uint32_t style);

}  // namespace tome
