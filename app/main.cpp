// Entry point and message loop.
#include "app/app_state.h"
#include "app/main_window.h"
#include "core/code_page.h"
#include "res/resource.h"

namespace {

// The show command the process was started with, if the starter gave one.
int StartupShowCommand() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

// Runs until WM_QUIT (GetMessageA gives 0) or a failed GetMessageA (-1, which
// would otherwise spin for ever). Returns the quit code, 0 after a failure.
int RunMessageLoop(HACCEL accelerators) {
    MSG message = {};
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0 && got != -1) {
        if (!TranslateAcceleratorA(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return got == 0 ? static_cast<int>(message.wParam) : 0;
}

} // namespace

int AppMain(HINSTANCE instance, int showCommand) {
    LoadStringA(instance, STR_TITLE, titleText, windowTextSize);
    LoadStringA(instance, STR_CLASS, className, windowTextSize);
    RegisterMainClass(instance);
    if (!CreateMainWindow(instance, showCommand))
        return 0;
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(RES_MAIN));
    return RunMessageLoop(accelerators);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The code page rules are fixed before any text is read or compared.
    ActiveCodePage();
    return AppMain(instance, StartupShowCommand());
}
