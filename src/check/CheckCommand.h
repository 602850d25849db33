// The command line of halvane-check: which folder to check, and how to say so.
#pragma once

#include "cli/CommandLine.h"

#include <ostream>

const ProgramDescription& checkProgram();

// Checks the folder given, or without one the folder the program itself would use (or says the
// program's own message when there is none). --help and --version are answered on `out`,
// mistakes on `errors`. Returns the exit status.
int runDataCheck(int argc, const char* const* argv, std::ostream& out, std::ostream& errors);
