// What the front-end parts of the program share: the instance handle every
// resource load and dialog uses, and the message box they report through.
#pragma once

#include <windows.h>

// Set when the main window is created.
extern HINSTANCE appInstance;

// A modal message box owned by `owner`; returns when it is dismissed.
void ShowMessage(HWND owner, const char* text, const char* caption, UINT style);

// A failure, told at once: caption "错误" and the error icon.
void ShowError(HWND owner, const char* text);
