// Checking a building of one's own (--level) the way the program reads it: what it holds, its
// pictures, its size, where the visitor starts and why, and what will not look as expected.
#pragma once

#include "check/FileReport.h"

FileReport checkBuilding(const std::string& path, float scale, bool zUp);
