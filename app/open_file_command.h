// The menu command that picks a practice file in the system's open-file
// dialog and loads it.
#pragma once

#include <windows.h>

#include <commdlg.h>

constexpr int pathBufferSize = 260;

// Asks for a file and loads it; cancelling changes nothing, a file that cannot
// be opened is reported and the old material kept.
void OpenPracticeFile(HWND owner);

// Fills the dialog request: text files only, the file must exist, no initial
// name (`pathBuffer` is used as given).
void InitOpenFileName(OPENFILENAMEA& request, HWND owner, char (&pathBuffer)[pathBufferSize]);
