// The About box: the program's name, version and credits, closed by its button.
#pragma once

#include <windows.h>

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Runs the About box, modal to `owner`.
void ShowAboutBox(HWND owner);
