// Where screenshots go on Linux when XDG_CONFIG_HOME is not set, the usual case: the pictures
// folder that ~/.config/user-dirs.dirs names, else the home folder.
#include "platform/PicturesFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

#ifndef _WIN32
TEST(PicturesFolder, FromTheUserDirsFileInTheHomeFoldersConfig)
{
    namespace fs = std::filesystem;
    const std::string home = testing::TempDir() + "halvane-pictures-home";
    fs::create_directories(home + "/.config");
    fs::create_directories(home + "/Bilder");
    fs::create_directories(home + "/Meine Bilder");
    const struct {
        const char* what;
        std::string text;  // of user-dirs.dirs; empty: there is none
        std::string folder;
    } rows[] = {
        {"home", "# written by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n", home + "/Bilder"},
        {"quoted, indented", "XDG_DESKTOP_DIR=\"$HOME\"\n  XDG_PICTURES_DIR=\"$HOME/Meine Bilder\"\n", home + "/Meine Bilder"},
        {"last of two", "XDG_PICTURES_DIR=\"$HOME/Meine Bilder\"\nXDG_PICTURES_DIR=\"" + home + "/Bilder\"\n", home + "/Bilder"},
        {"trailing slash", "XDG_PICTURES_DIR=\"$HOME/Bilder/\"\r\n", home + "/Bilder"},
        {"no file", "", home},
    };
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_PICTURES_DIR");
    for (const auto& row : rows) {
        fs::remove(home + "/.config/user-dirs.dirs");
        if (!row.text.empty())
            std::ofstream(home + "/.config/user-dirs.dirs") << row.text;
        EXPECT_EQ(picturesFolder(), row.folder) << row.what;
    }
    setenv("HOME", savedHome.c_str(), 1);
    fs::remove_all(home);
}
#endif

}  // namespace
