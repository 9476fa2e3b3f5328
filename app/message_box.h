// The message boxes through which the front end tells the user things.
#pragma once

#include <windows.h>

// A modal message box owned by `owner`; returns when it is dismissed.
void ShowMessage(HWND owner, const char* text, const char* caption, UINT style);

// A failure, told at once: caption "错误" and the error icon.
void ShowError(HWND owner, const char* text);
