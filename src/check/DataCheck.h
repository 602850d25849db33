// What the program will make of a data folder: every one of the six files read as the program
// reads it, a block of facts and warnings for each, and the program's verdict.
#pragma once

#include <ostream>
#include <string>

// The character's files from the command line: empty strings take the data folder's own
// (pelgrin.md2 with pelgrin2.tga); a model without a skin takes the skin it names.
struct CharacterFiles {
    std::string model;
    std::string skin;
};

// A building of one's own (--level) with its options; an empty path checks our hall.
struct BuildingChoice {
    std::string path;
    float scale = 1.0f;
    bool zUp = false;
};

// folder ends in a separator, as the program's own "../bin/" does, so that the messages name
// the files as the program would. Prints the report; returns the exit status: 0 when the
// program would start, 1 when it would end at start-up (its message is then the last line).
// With a building, its block stands where our hall's four files would.
int checkDataFolder(const std::string& folder, std::ostream& out, const CharacterFiles& character = {},
                    const BuildingChoice& building = {});
