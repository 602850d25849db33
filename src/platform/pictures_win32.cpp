// The pictures folder on Windows: the user's Pictures known folder, in UTF-8.
#include "platform/PicturesFolder.h"

#include "platform/Win32.h"
// SHGetKnownFolderPath and FOLDERID_Pictures.
#include <knownfolders.h>
#include <shlobj.h>

std::string picturesFolder()
{
    PWSTR wide = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &wide)))
        folder = utf8FromWide(wide);
    CoTaskMemFree(wide);
    return folder;
}
