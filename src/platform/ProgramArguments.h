// The program's arguments and console in UTF-8, the text every path of ours is kept in. Windows
// hands main its arguments in the ANSI code page, with '?' for every letter outside it, and
// shows console output in the OEM code page: a folder named "Пётр 张" could neither be given
// nor read back. There the arguments come from the wide command line and the console is told
// that we write UTF-8.
#pragma once

#include <string>
#include <vector>

// argv[0] to argv[argc - 1] as UTF-8.
std::vector<std::string> programArguments(int argc, char** argv);

// Pointers into the arguments, as an argv for the command-line reader; valid while they live.
inline std::vector<const char*> argumentPointers(const std::vector<std::string>& arguments)
{
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments)
        pointers.push_back(argument.c_str());
    return pointers;
}

// Makes the console show the UTF-8 text the programs print.
void useUtf8Console();
