#include "app/shell.h"

HINSTANCE appInstance = nullptr;

void ShowMessage(HWND owner, const char* text, const char* caption, UINT style) {
    MessageBoxA(owner, text, caption, style);
}
