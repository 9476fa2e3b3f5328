// The comparison of a typed answer with an entry's code.
#pragma once

#include "core/code_page.h"

// Whether a typed answer equals a code: double-byte aware, case-insensitive by
// the code page's rules, used only for equality.
bool AnswerMatches(const char* answer, const char* code, const CodePage& codePage);
