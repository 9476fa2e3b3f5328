#include "core/drill_state.h"

CharTable charTable;
CharNode* current = charTable.end();
int wrongAnswers = 0;
