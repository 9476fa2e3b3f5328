#include "tests/e2e/program_windows.h"

#include "tests/e2e/check.h"
#include "tests/e2e/expected_texts.h"
#include "tests/e2e/windows_found.h"

namespace {

// The file-name box of the system's open-file dialog.
constexpr int fileNameBoxId = 1148;

} // namespace

void PostCommand(HWND window, unsigned command) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

HWND WaitForDialog(const Program& program, const char* caption) {
    HWND dialog = WaitForWindow(program.processId(), "#32770", caption, dialogTimeout);
    // Settle: it is shown, and its first messages are handled.
    if (dialog)
        Ping(dialog);
    return dialog;
}

HWND OpenFileDialog(const Program& program) {
    PostCommand(program.mainWindow(), expected::commandOpenFile);
    return WaitForDialog(program, expected::openFileCaption);
}

bool ChooseFile(HWND dialog, const std::string& path) {
    HWND nameBox = FindDescendant(dialog, fileNameBoxId, "Edit");
    if (!Expect(nameBox != nullptr, "the open-file dialog has no file-name box"))
        return false;
    PutText(nameBox, path);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return Expect(WaitForWindowGone(dialog, dialogTimeout), "the open-file dialog stays open");
}

bool CancelFileDialog(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    return Expect(WaitForWindowGone(dialog, dialogTimeout), "the open-file dialog stays open");
}

bool LoadFile(const Program& program, const std::string& path) {
    HWND dialog = OpenFileDialog(program);
    return Expect(dialog != nullptr, "no open-file dialog") && ChooseFile(dialog, path);
}
