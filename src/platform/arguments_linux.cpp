// The arguments on Linux: main's argv already holds the bytes of the file names, UTF-8 in any
// UTF-8 locale, and the terminal shows what the program writes.
#include "platform/ProgramArguments.h"

std::vector<std::string> programArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

void useUtf8Console() {}
