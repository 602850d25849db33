// Reads an open file to its end, so that loaders can parse the bytes in memory and check
// every field against the real size before they believe it.
#pragma once

#include <cstdio>
#include <string>

// Appends the rest of the file to contents; false when the system reports a read error
// (for instance when the path names a folder).
bool readWholeFile(std::FILE* file, std::string& contents);
