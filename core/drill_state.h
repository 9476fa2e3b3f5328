// The drill's process-wide state, each value defined once, in drill_state.cpp.
// The drill operations (drill.h) work on it; the material functions below them
// (table, loader, comparison) take what they work on as arguments.
#pragma once

#include "core/char_table.h"

// The drill material, empty until a practice file is loaded.
extern CharTable charTable;
// The entry being drilled, or the table's end marker when there is none.
extern CharNode* current;
// Wrong answers to the entry being drilled, modulo 3. Closing the practice
// dialog keeps it; moving to another entry and new material reset it.
extern int wrongAnswers;
