#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/app_state.h"
#include "app/fonts.h"
#include "app/gdi_guards.h"
#include "app/message_box.h"
#include "app/open_file_command.h"
#include "app/practice_dialog.h"
#include "core/drill_state.h"
#include "res/resource.h"

namespace {

constexpr int welcomeBufferSize = 2048;
constexpr char fontFailure[] = "创建字体失败";

bool CreateFontsFor(HWND window) {
    WindowDC dc(window);
    return CreateFontSet(dc.get());
}

LRESULT OnCreate(HWND window) {
    current = charTable.end();
    if (!CreateFontsFor(window)) {
        ShowError(window, fontFailure);
        DestroyWindow(window);
    }
    return 0;
}

LRESULT OnDestroy() {
    DeleteFontSet();
    PostQuitMessage(0);
    return 0;
}

// The welcome text, each line centred, from the top of the client area down.
// Default colours: black on opaque white.
LRESULT OnPaint(HWND window) {
    char welcome[welcomeBufferSize] = {};
    LoadStringA(appInstance, STR_WELCOME, welcome, welcomeBufferSize);
    PaintDC dc(window);
    RECT client;
    GetClientRect(window, &client);
    FontSelection font(dc.get(), textFont);
    DrawTextA(dc.get(), welcome, -1, &client, DT_CENTER);
    return 0;
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case CMD_ABOUT: ShowAboutBox(window); return 0;
    case CMD_EXIT: DestroyWindow(window); return 0;
    case CMD_OPEN_FILE: OpenPracticeFile(window); return 0;
    case CMD_START_PRACTICE: RunPracticeDialog(window); return 0;
    default: return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
}

} // namespace

void RegisterMainClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ICON_MAIN));
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(ICON_SMALL));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(RES_MAIN);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
}

bool CreateMainWindow(HINSTANCE instance, int showCommand) {
    appInstance = instance;
    HWND window = CreateWindowExA(0, className, titleText, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                  CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return false;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy();
    case WM_PAINT: return OnPaint(window);
    case WM_COMMAND: return OnCommand(window, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
