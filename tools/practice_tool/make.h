// Builds practice material for a list of characters from a Wubi table.
#pragma once

#include "tools/practice_tool/input_text.h"

#include <string>
#include <vector>

// Which code goes on an entry's code line: the full code, or the short code of
// one, two or three letters.
enum class DrillCode { full, one, two, three };

enum class MakeResult {
    made,
    refused,     // `problems` names the characters of the list that cannot be made
    tableFailed, // the table cannot be read; `tableProblem` says why
};

// The practice text (GBK, CR LF) for the characters of `list`: every character
// other than blanks is one entry, in order; '#' starts a comment that runs to
// the end of its line. Refuses, with every problem found, a character that is
// missing from the table, has no code of the kind asked for or has no GBK form,
// and an empty list.
MakeResult MakePracticeText(const InputText& list, const char* tablePath, DrillCode drill,
                            std::string& text, std::vector<Problem>& problems,
                            Problem& tableProblem);
