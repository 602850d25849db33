// The pictures folder on Windows: the user's Pictures known folder, in UTF-8.
#include "platform/PicturesFolder.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// SHGetKnownFolderPath and FOLDERID_Pictures.
#include <knownfolders.h>
#include <shlobj.h>

std::string picturesFolder()
{
    PWSTR wide = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &wide))) {
        const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        if (length > 1) {
            folder.resize(static_cast<std::size_t>(length));
            WideCharToMultiByte(CP_UTF8, 0, wide, -1, &folder[0], length, nullptr, nullptr);
            folder.resize(static_cast<std::size_t>(length - 1));
        }
    }
    CoTaskMemFree(wide);
    return folder;
}
