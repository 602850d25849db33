// The asset generator: writes every data file of bin/ from code, deterministically,
// so that the committed files can be regenerated and compared byte for byte.
#pragma once

#include <string>

// Each writer puts its files into dir (which ends in '/') and returns false,
// after printing why, when a file cannot be written.
bool writeTextures(const std::string& dir);   // kachel2.tga, ceiling.tga
bool writeLevel(const std::string& dir);      // walls.txt, ceiling.txt
bool writeCharacter(const std::string& dir);  // pelgrin.md2, pelgrin2.tga
