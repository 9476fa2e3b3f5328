// The maker of practice_tool/data/strokes.txt: the strokes of every character
// the shipped tables hold, from Unihan's kTotalStrokes, and of each glyph of
// the radical data, from the characters it stands in.
#pragma once

#include <string>

// From Unihan_IRGSources.txt (or its .bz2, read through bzcat) and the data
// in `dataFolder`, into `out`. False with `failure` saying why.
bool WriteStrokeFile(const char* unihan, const std::string& dataFolder, const char* out,
                     std::string& failure);
