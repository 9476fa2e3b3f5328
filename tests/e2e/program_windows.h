// Operating the program's main window and its open-file dialog.
#pragma once

#include "tests/e2e/program.h"

#include <string>

// Sends a menu command the way choosing the menu item does.
void PostCommand(HWND window, unsigned command);

HWND WaitForDialog(const Program& program, const char* caption);

// Opens the open-file dialog by its menu command; null when it did not come.
HWND OpenFileDialog(const Program& program);
// Types the path into the dialog's file-name box and presses its OK button.
bool ChooseFile(HWND dialog, const std::string& path);
bool CancelFileDialog(HWND dialog);
// The whole open-file command for one path.
bool LoadFile(const Program& program, const std::string& path);

constexpr DWORD dialogTimeout = 10000;
