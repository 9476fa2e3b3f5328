// The main window: the menu, the welcome text, and the commands that open the
// other windows.
#pragma once

#include <windows.h>

constexpr int windowTextSize = 100;

// The window's caption (STR_TITLE) and class name (STR_CLASS), loaded at start.
extern char titleText[windowTextSize];
extern char className[windowTextSize];

// A failed registration shows up as a failed CreateMainWindow.
void RegisterMainClass(HINSTANCE instance);
// Stores `instance` for the whole program, then creates and shows the window.
bool CreateMainWindow(HINSTANCE instance, int showCommand);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
