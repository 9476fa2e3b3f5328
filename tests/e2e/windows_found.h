// Finding another process's windows and reading their texts. Everything that
// waits has a bound; polling is cheap next to Wine's message delivery.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Polls `condition` every few milliseconds; false when the time ran out.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds);

// Top-level windows of a process, optionally of one class. A dialog exists
// before it is shown: it shows itself once its first messages are handled.
std::vector<HWND> ProcessWindows(DWORD processId, const char* className = nullptr,
                                 bool visibleOnly = true);

// A visible top-level window of the process by class and, unless null, caption.
HWND FindProcessWindow(DWORD processId, const char* className, const char* caption);
HWND WaitForWindow(DWORD processId, const char* className, const char* caption, DWORD milliseconds);
bool WaitForWindowGone(HWND window, DWORD milliseconds);

std::string ClassOf(HWND window);
// WM_GETTEXT sent to the window: works for other processes' controls too.
std::string TextOf(HWND window);
bool PutText(HWND window, const std::string& text);

// A window's outer rectangle in the coordinates of another window's client area.
RECT WindowRectIn(HWND window, HWND reference);
// The child with a control id, searched in the whole tree below `parent`.
HWND FindDescendant(HWND parent, int controlId, const char* className = nullptr);

// The texts of a window's children in creation order, as "id:text" lines
// joined by "|", for comparing a dialog's controls in one go.
std::string ChildTexts(HWND parent, const char* className);

// True when the window's thread answers a sent message in time, that is, it
// is waiting in some message loop (the main one or a modal one).
bool Ping(HWND window, DWORD milliseconds = 5000);
