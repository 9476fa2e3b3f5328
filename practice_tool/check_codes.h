// Checks that the codes of a practice file are its characters' codes in a
// Wubi table.
#pragma once

#include "practice_tool/check.h"

// Adds a finding for each entry whose code (of letters) is not one of its
// character's codes in the Wubi table at `tablePath`, of the version numbered
// `version` ("86"). False, with `problem`, when the table cannot be read.
bool CheckCodes(const char* tablePath, const char* version, CheckResult& result, Problem& problem);
