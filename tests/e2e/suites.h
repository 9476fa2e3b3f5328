// The groups of end-to-end cases, each run against fresh copies of the program.
#pragma once

#include <windows.h>

#include <string>

struct Session {
    std::string exePath; // the program, as a Windows path
    int dpi = 0;         // the resolution the layout cases must find, 0 for any
};

void RunShellCases(const Session& session);
void RunOpenFileCases(const Session& session);
void RunPracticeCases(const Session& session);
void RunLayoutCases(const Session& session);

// Resizes the main window and compares its client area with the welcome text
// drawn centred in the new width, in the program's 12-point font.
void CheckWelcomeCentred(HWND window, int width, int height);
