// Where the user keeps pictures: screenshots go there.
#pragma once

#include <string>

// Linux: XDG_PICTURES_DIR as xdg-user-dir reads it (the user-dirs.dirs file of
// $XDG_CONFIG_HOME or ~/.config, then the environment), else the home folder. Windows: the
// Pictures known folder. UTF-8, without a trailing separator; empty when there is none.
std::string picturesFolder();

// The XDG_PICTURES_DIR line of a user-dirs.dirs text, "$HOME" replaced by home; empty when
// the text has none.
std::string picturesFromUserDirs(const std::string& text, const std::string& home);
