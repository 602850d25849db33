// --level, --level-scale and --up, which both programs take: a user's building instead of our hall.
#pragma once

#include "cli/CommandLine.h"

#include <vector>

std::vector<OptionRow> buildingOptionRows();

// The --help text on a building of one's own, for both programs' details.
extern const char* const BUILDING_OPTIONS_DETAILS;
