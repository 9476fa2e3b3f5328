#include "app/about_dialog.h"

#include "app/app_state.h"
#include "res/resource.h"

namespace {

INT_PTR OnCommand(HWND dialog, WPARAM wParam) {
    const WORD id = LOWORD(wParam);
    if (id != IDOK && id != IDCANCEL)
        return FALSE;
    EndDialog(dialog, id);
    return TRUE;
}

} // namespace

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return TRUE; // the system places the focus
    case WM_COMMAND: return OnCommand(dialog, wParam);
    default: return FALSE;
    }
}

void ShowAboutBox(HWND owner) {
    DialogBoxParamA(appInstance, MAKEINTRESOURCEA(DLG_ABOUT), owner, AboutDlgProc, 0);
}
