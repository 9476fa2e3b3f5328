// The main window: the menu, the welcome text, and the commands that open the
// other windows.
#pragma once

#include <windows.h>

// A failed registration shows up as a failed CreateMainWindow.
void RegisterMainClass(HINSTANCE instance);
// Stores `instance` for the whole program, then creates and shows the window.
bool CreateMainWindow(HINSTANCE instance, int showCommand);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
