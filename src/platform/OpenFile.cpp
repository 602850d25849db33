#include "platform/OpenFile.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

// An empty result for a path that is not valid UTF-8: such a path names no file we could open.
std::wstring wide(const std::string& text)
{
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, &result[0], length);
    return result;
}

}  // namespace

std::FILE* openFile(const std::string& path, const char* mode)
{
    const std::wstring widePath = wide(path);
    const std::wstring wideMode = wide(mode);
    if (widePath.empty() || wideMode.empty())
        return nullptr;
    return _wfopen(widePath.c_str(), wideMode.c_str());
}

bool removeFile(const std::string& path)
{
    const std::wstring widePath = wide(path);
    return !widePath.empty() && _wremove(widePath.c_str()) == 0;
}

bool pathExists(const std::string& path)
{
    const std::wstring widePath = wide(path);
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
