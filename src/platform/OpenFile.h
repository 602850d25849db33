// Opening a file by the UTF-8 path the program keeps. Windows' narrow file functions read a
// path in the ANSI code page and turn every letter outside it into '?', so that a folder named
// "Пётр" could never be opened; there the path goes through the wide functions instead.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// As std::fopen, with mode "r", "rb", "wb" and the like; null when the file cannot be opened.
std::FILE* openFile(const std::string& path, const char* mode);

// Removes a file; false when it could not.
bool removeFile(const std::string& path);

// Whether anything (a file or a folder) stands at the path.
bool pathExists(const std::string& path);

// The names (UTF-8) of the files, not folders, in the folder ("" for the working folder);
// empty when the folder cannot be read.
std::vector<std::string> filesInFolder(const std::string& folder);
