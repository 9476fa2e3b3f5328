// Writing a practice file so that a failure never leaves a half-written or
// faulty file in its place.
#pragma once

#include "practice_tool/message_ids.h"

#include <string>
#include <vector>

enum class WriteResult {
    written, // `path` now holds `text`
    refused, // `text` would not load as written; `problems` says why
    failed,  // the file could not be written
};

// Writes `text` beside `path`, checks it the way the program loads it and puts
// it in the place of `path` only when the check finds nothing; else removes it.
// `entries` is the number of entries the program will load.
WriteResult WritePracticeFile(const char* path, const std::string& text,
                              std::vector<Problem>& problems, std::size_t& entries);
