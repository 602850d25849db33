// The command line of halvane-check: which folder to check, and how to say so.
#pragma once

#include <ostream>

// No argument: the folder the program itself would use (or the program's own message when there
// is none); one argument: that folder. Returns the exit status.
int runDataCheck(int argc, const char* const* argv, std::ostream& out);
