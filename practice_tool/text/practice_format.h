// The limits of a practice file's lines, from the loader's own buffers: what a
// line may hold to be read as one line, and the longest code it keeps.
#pragma once

#include "core/practice_file.h"

#include <cstddef>

// The loader reads a line whole only when its line end is among its first 79
// bytes: 78 bytes before the line end, for every line, the reason's included.
constexpr std::size_t longestLine = lineBufferSize - 2;
// The code field keeps at most four letters.
constexpr std::size_t longestCode = codeWidth - 1;
