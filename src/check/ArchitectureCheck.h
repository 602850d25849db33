// Checking an architecture part file (the walls or the ceiling) the way the program reads it.
#pragma once

#include "check/FileReport.h"

FileReport checkArchitecture(const std::string& path);
