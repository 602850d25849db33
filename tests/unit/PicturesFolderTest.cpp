// Where screenshots go on Linux when XDG_CONFIG_HOME is not set, the usual case: the pictures
// folder that ~/.config/user-dirs.dirs names, else the home folder.
#include "platform/PicturesFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
TEST(PicturesFolder, FromTheUserDirsFileInTheHomeFoldersConfig)
{
    const std::string home = testing::TempDir() + "halvane-pictures-home", dirs = home + "/.config/user-dirs.dirs";
    for (const char* folder : {"/.config", "/Bilder", "/Meine Bilder"})
        std::filesystem::create_directories(home + folder);
    const std::pair<std::string, std::string> rows[] = {  // user-dirs.dirs ("": none), the folder in home
        {"# written by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/Bilder"},
        {"XDG_DESKTOP_DIR=\"$HOME\"\n  XDG_PICTURES_DIR=\"$HOME/Meine Bilder\"\n", "/Meine Bilder"},
        {"XDG_PICTURES_DIR=\"$HOME/Meine Bilder\"\nXDG_PICTURES_DIR=\"" + home + "/Bilder\"\n", "/Bilder"},
        {"XDG_PICTURES_DIR=\"$HOME/Bilder/\"\r\n", "/Bilder"},
        {"", ""},
    };
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_PICTURES_DIR");
    for (const auto& [text, folder] : rows) {
        std::filesystem::remove(dirs);
        if (!text.empty())
            std::ofstream(dirs) << text;
        EXPECT_EQ(picturesFolder(), home + folder) << text;
    }
    setenv("HOME", savedHome.c_str(), 1);
    std::filesystem::remove_all(home);
}
#endif
