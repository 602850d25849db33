// Reading a model file's bytes from disk, with the message the program ends with when the
// file cannot be opened or read: the loader and the data checker both ask here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Md2FileBytes {
    std::vector<std::uint8_t> bytes;
    bool opened = false;   // the loader announces the model once its file is open
    std::string failure;   // empty when the whole file was read
};

// Never prints or ends the process.
Md2FileBytes readMd2FileBytes(const std::string& path);
