// halvane's own command line: its options as rows of the shared reader, and its --help.
#pragma once

#include "cli/CommandLine.h"

// What the command line asked for, read once before the window opens.
extern CommandLineOptions commandLine;

const ProgramDescription& halvaneProgram();

// Reads the arguments into commandLine; answers --help, --version and mistakes itself and
// ends the process (status 0, or 2 for a mistake) before any window could open.
void readCommandLineOrEnd(int argc, const char* const* argv);
