// halvane-check: says what halvane will make of its data folder, before it is started.
#include "check/CheckCommand.h"

#include <iostream>

int main(int argc, char** argv)
{
    return runDataCheck(argc, argv, std::cout, std::cerr);
}
