// What the data checker found in one data file, in the words it prints.
#pragma once

#include <string>
#include <vector>

// A file the program reads but that will not look as the person expects.
struct CheckWarning {
    std::string seen;    // what they will see
    std::string remedy;  // what to do about it
};

struct FileReport {
    std::string failure;  // the program's own message when it refuses the file
    std::vector<std::string> facts;
    std::vector<CheckWarning> warnings;

    bool refused() const { return !failure.empty(); }
};

// "512 x 256", as sizes are written in the reports.
std::string sizeText(long long width, long long height);
// "1 record", "3 records".
std::string counted(long long count, const std::string& noun);
