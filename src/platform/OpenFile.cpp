#include "platform/OpenFile.h"

#ifdef _WIN32
#include "platform/Win32.h"

std::FILE* openFile(const std::string& path, const char* mode)
{
    const std::wstring widePath = wideFromUtf8(path);
    const std::wstring wideMode = wideFromUtf8(mode);
    if (widePath.empty() || wideMode.empty())
        return nullptr;
    return _wfopen(widePath.c_str(), wideMode.c_str());
}

bool removeFile(const std::string& path)
{
    const std::wstring widePath = wideFromUtf8(path);
    return !widePath.empty() && _wremove(widePath.c_str()) == 0;
}

bool pathExists(const std::string& path)
{
    const std::wstring widePath = wideFromUtf8(path);
    return !widePath.empty() && GetFileAttributesW(widePath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

#else
#include <sys/stat.h>

std::FILE* openFile(const std::string& path, const char* mode)
{
    return std::fopen(path.c_str(), mode);
}

bool removeFile(const std::string& path)
{
    return std::remove(path.c_str()) == 0;
}

bool pathExists(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

#endif

#include <filesystem>

std::vector<std::string> filesInFolder(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entry(fs::u8path(folder.empty() ? "." : folder), error);
    std::error_code unreadable;
    for (; !error && entry != fs::directory_iterator(); entry.increment(error))
        if (entry->is_regular_file(unreadable))
            names.push_back(entry->path().filename().u8string());
    return names;
}
