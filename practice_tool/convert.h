// Turns text that an author wrote (UTF-8 or GBK) into practice-file bytes.
#pragma once

#include "practice_tool/text/author_text.h"

#include <string>
#include <vector>

// The lines of `input` in GBK, each ended by CR LF. False, with every problem
// found, when a character has no GBK form or a line would be too long to be
// read as one line.
bool ConvertToPracticeText(const InputText& input, std::string& text,
                           std::vector<Problem>& problems);
