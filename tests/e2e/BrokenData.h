// Broken variants of the six data files for the end-to-end table: each row damages one file
// of the committed set and names the message the program must end with.
#pragma once

#include "Session.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

using Damage = std::function<void(const Session&, const Bytes&)>;

struct BrokenFile {
    std::string name;
    const char* file;  // the data file in bin/ that the row damages
    // Puts the damaged file into the session's bin/, given the committed bytes of that file.
    Damage damage;
    // ECMAScript pattern that the last console line starts with.
    std::string message;
    // The command line of both programs (the damaged file may be one that only an option reads).
    std::vector<std::string> arguments = {};
};

// Test names show the row's name rather than its bytes.
void PrintTo(const BrokenFile& row, std::ostream* out);

using Edit = std::function<void(Bytes&)>;

// The committed file changed by `edit`.
Damage edited(const char* file, Edit edit);
// The file replaced by other bytes.
Damage replaced(const char* file, Bytes bytes);
// The file removed.
Damage removed(const char* file);
// A folder in the file's place.
Damage folderInstead(const char* file);
Edit cutTo(std::size_t size);
// A fixed pseudo-random sequence: the same garbage on every run.
Bytes garbage(std::size_t size);
// The path as the program names it, "../bin/<file>", with the pattern's special characters escaped.
std::string pathPattern(const std::string& file);

std::vector<BrokenFile> brokenTgaFiles();
std::vector<BrokenFile> brokenArchitectureFiles();
std::vector<BrokenFile> brokenMd2Files();
std::vector<BrokenFile> brokenSkinFiles();
std::vector<BrokenFile> brokenBuildingFiles();

// The committed bytes of a data file in the source tree's bin/.
Bytes committedBytes(const std::string& name);

// Sanitizer reports that a run left in the console ("" when there are none).
std::string sanitizerReport(const std::string& console);
