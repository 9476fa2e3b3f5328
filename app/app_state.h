// The front end's process-wide state, each value defined once, in
// app_state.cpp. The drill's own state is the core's (core/drill_state.h).
#pragma once

#include <windows.h>

constexpr int windowTextSize = 100;

// Set when the main window is created; every resource load and dialog uses it.
extern HINSTANCE appInstance;

// The main window's caption (STR_TITLE) and class name (STR_CLASS), loaded at start.
extern char titleText[windowTextSize];
extern char className[windowTextSize];

// The program's three fonts, null until created. The main window creates them
// in WM_CREATE and deletes them in WM_DESTROY; the practice dialog borrows
// charFont and answerFont.
extern HFONT charFont;   // the drilled character, and the height of its line
extern HFONT answerFont; // the answer box
extern HFONT textFont;   // the welcome text
