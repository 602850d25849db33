// Checking the character model the way the program reads it, and its skin against the size
// that the model's texture coordinates were made for.
#pragma once

#include "check/FileReport.h"
#include "check/TextureCheck.h"
#include "md2/Md2File.h"

struct ModelCheck {
    FileReport report;
    Md2Header header;  // valid when the report has no failure
};

ModelCheck checkModel(const std::string& path);

// Adds a warning to the model's report when the skin's proportions differ from the header's
// skin size: the texture coordinates are fractions of that size, so the skin is stretched.
void checkSkinProportions(ModelCheck& model, const TextureCheck& skin, const std::string& skinName);
