// The practice dialog: the current character large at the top left, the answer
// box under it, and the buttons that drive the drill.
#pragma once

#include <windows.h>

// Runs the practice dialog, modal to `owner`, until it is closed.
void RunPracticeDialog(HWND owner);

INT_PTR CALLBACK PracticeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Sets `y` to the height of a line of `font` plus 2 pixels.
void CharLineHeight(HDC hdc, HFONT font, int& y);
// Creates the answer box at `y`, sized for four characters of answerFont.
HWND CreateAnswerBox(HWND dialog, HDC hdc, int y);
