#include "app/app_state.h"

HINSTANCE appInstance = nullptr;
char titleText[windowTextSize];
char className[windowTextSize];
HFONT charFont = nullptr;
HFONT answerFont = nullptr;
HFONT textFont = nullptr;
