// The checker's lines on where a visitor walking from the start gets to, storey by storey, and
// a warning for a storey it never reaches.
#pragma once

#include "building/Building.h"
#include "check/FileReport.h"

void addReachFacts(const Building& building, FileReport& report);
