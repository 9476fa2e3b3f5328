// Real input, as if typed or clicked: it goes through the system's input
// queue to the foreground window, so accelerators and default buttons apply.
#pragma once

#include <windows.h>

// Makes the window the foreground one; false when it did not become so.
bool BringToFront(HWND window);

void PressKey(WORD virtualKey);
// The key with Alt (and Shift) held, as a menu mnemonic or accelerator is typed.
void PressWithAlt(WORD virtualKey, bool shift = false);

// Clicks the title bar's close box of a top-level window.
bool ClickCloseBox(HWND window);
