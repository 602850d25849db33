// Reading an architecture part file from disk into its records, with the one-line message the
// program ends with when the file cannot be used: the loader and the data checker both ask here.
#pragma once

#include "level/ArchitectureParser.h"

#include <string>

// The file's records, or a reason that names the file ("cannot open ../bin/walls.txt").
// Never prints or ends the process.
ArchitectureRecords readArchitectureFile(const std::string& path);
