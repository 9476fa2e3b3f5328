#include "app/message_box.h"

void ShowMessage(HWND owner, const char* text, const char* caption, UINT style) {
    MessageBoxA(owner, text, caption, style);
}

void ShowError(HWND owner, const char* text) {
    ShowMessage(owner, text, "错误", MB_ICONERROR);
}
