// Reads an open file to its end, so that loaders can parse the bytes in memory and check
// every field against the real size before they believe it.
#pragma once

#include <cstdio>
#include <string>

// Appends the rest of the file to contents; false when the system reports a read error
// (for instance when the path names a folder).
bool readWholeFile(std::FILE* file, std::string& contents);

struct WholeFile {
    bool opened = false;    // false: the path names no file that can be opened
    bool complete = false;  // the file was opened and read to its end
    std::string contents;
};

// Opens the file with the fopen mode ("r" for text, "rb" for bytes) and reads it whole.
WholeFile readWholeFile(const std::string& path, const char* mode);
