#include "shell_folder_win.h"

#include <windows.h>
#include <shlobj.h>

namespace tome {

std::string SpecialFolderPath(int csidl) {
    char path[MAX_PATH] = {};  // stays empty when the shell has no such folder
    const HRESULT com = CoInitialize(nullptr);
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &items))) {
        SHGetPathFromIDListA(items, path);
        CoTaskMemFree(items);
    }
    // S_FALSE (COM already set up on this thread) still counts as a call to balance.
    if (SUCCEEDED(com)) CoUninitialize();
    return path;
}

}  // namespace tome
