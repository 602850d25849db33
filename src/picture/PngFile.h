// Saving a picture as a PNG file, with stb_image_write behind one small entry of ours.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes rows of RGB bytes, top row first, to a new file at path (through openFile, so that
// Windows takes UTF-8 paths). Returns why it could not ("cannot create the file", "cannot
// write the whole file"), or an empty string.
std::string writePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

// The first of folder/halvane-0001.png, halvane-0002.png, ... that does not exist yet, so that
// no screenshot ever replaces another file; empty when all 9999 are taken.
std::string freeScreenshotPath(const std::string& folder);
