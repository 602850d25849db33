// halvane-check: says what halvane will make of its data folder, before it is started.
#include "check/CheckCommand.h"
#include "platform/ProgramArguments.h"

#include <iostream>

int main(int argc, char** argv)
{
    useUtf8Console();
    const std::vector<std::string> arguments = programArguments(argc, argv);
    const std::vector<const char*> pointers = argumentPointers(arguments);
    return runDataCheck(static_cast<int>(pointers.size()), pointers.data(), std::cout, std::cerr);
}
