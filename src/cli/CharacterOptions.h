// --model and --skin, which both programs take: the character from any MD2 file, with a skin
// given or looked for beside it.
#pragma once

#include "cli/CommandLine.h"

#include <vector>

std::vector<OptionRow> characterOptionRows();

// The --help text on where the character comes from, for both programs' details.
extern const char* const CHARACTER_OPTIONS_DETAILS;
