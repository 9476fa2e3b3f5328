// Resource and command numbers, shared by the code and the resource script.
#pragma once

// The system headers come first: winuser.h has an ICON_SMALL of its own (the
// WM_SETICON size), which this program never uses and replaces below.
#include <windows.h>

// Strings
#define STR_TITLE 103
#define STR_WELCOME 106
#define STR_CLASS 109

// Menu and accelerator table of the main window
#define RES_MAIN 109

// Dialog templates
#define DLG_ABOUT 103
#define DLG_PRACTICE 129

// Icon groups
#define ICON_MAIN 107
#undef ICON_SMALL
#define ICON_SMALL 108

// Menu commands
#define CMD_ABOUT 104
#define CMD_EXIT 105
#define CMD_START_PRACTICE 32771
#define CMD_OPEN_FILE 32772

// Controls of the practice dialog
#define CTL_ANSWER 110
#define CTL_NEXT 1001
#define CTL_PREV 1002
