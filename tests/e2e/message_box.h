// The program's message boxes as the user sees them: caption, text, icon.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

enum class BoxIcon { none, error, information, other };

struct BoxView {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    BoxIcon icon = BoxIcon::none;
};

// Visible message boxes of the process (dialogs with the message text and the
// icon place of the system's message box).
std::vector<HWND> OpenMessageBoxes(DWORD processId);

// Waits for a message box and reads it; false (and no window) on time-out.
bool WaitForMessageBox(DWORD processId, DWORD milliseconds, BoxView& box);

// Presses the box's OK button and waits until the box is gone.
bool DismissMessageBox(HWND box);

struct ExpectedBox {
    const char* text;
    const char* caption;
    BoxIcon icon;
};

// Expects exactly these boxes, in this order, each owned by `owner`.
bool ExpectBoxes(const char* what, const std::vector<BoxView>& boxes,
                 const std::vector<ExpectedBox>& expected, HWND owner);

// Waits for one box, expects it alone and as described, and closes it.
bool ExpectMessageBox(DWORD processId, const char* what, const ExpectedBox& expected, HWND owner);

const char* IconName(BoxIcon icon);

constexpr DWORD boxTimeout = 5000;
