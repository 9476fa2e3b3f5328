// The review sheet of the radicals' names: each glyph with its name, its key in
// either version and five characters it stands in, for reading the names as a
// learner reads them. Used only by make_material.
#pragma once

#include <string>

bool WriteReviewSheet(const std::string& dataFolder, const char* out, std::string& failure);
