// The pictures folder on Linux, as `xdg-user-dir PICTURES` says it.
#include "platform/PicturesFolder.h"
#include "platform/OpenFile.h"

#include <cstdlib>

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string fileText(const std::string& path)
{
    std::string text;
    if (std::FILE* file = openFile(path, "r")) {
        char buffer[4096];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0 && text.size() < 1 << 20)
            text.append(buffer, got);
        std::fclose(file);
    }
    return text;
}

}  // namespace

std::string picturesFolder()
{
    const std::string home = environment("HOME");
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty())
        config = home + "/.config";
    std::string folder = picturesFromUserDirs(fileText(config + "/user-dirs.dirs"), home);
    if (folder.empty())
        folder = environment("XDG_PICTURES_DIR");
    // A pictures folder that was never made: the home folder rather than nowhere.
    if (folder.empty() || !pathExists(folder))
        folder = home;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}
