#include "tests/e2e/input.h"

#include "tests/e2e/windows_found.h"

#include <vector>

namespace {

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = WORD(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// A mouse event at a screen point, in the absolute units SendInput takes.
INPUT MouseInput(DWORD flags, POINT point) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(point.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(point.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool HitsCloseBox(HWND window, int x, int y) {
    DWORD_PTR hit = 0;
    return SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000,
                               &hit) &&
           hit == HTCLOSE;
}

// The middle of the title bar's close box, found by asking the window itself
// what each point is.
bool FindCloseBox(HWND window, POINT& point) {
    RECT rect{};
    GetWindowRect(window, &rect);
    int caption = GetSystemMetrics(SM_CYCAPTION);
    for (int y = rect.top + 2; y < rect.top + 2 * caption; y += 3) {
        for (int x = rect.right - 2; x > rect.right - 3 * caption; x -= 3) {
            if (!HitsCloseBox(window, x, y))
                continue;
            int left = x, right = x, top = y, bottom = y;
            while (HitsCloseBox(window, left - 1, y))
                --left;
            while (HitsCloseBox(window, right + 1, y))
                ++right;
            while (HitsCloseBox(window, x, top - 1))
                --top;
            while (HitsCloseBox(window, x, bottom + 1))
                ++bottom;
            point = {(left + right) / 2, (top + bottom) / 2};
            return true;
        }
    }
    return false;
}

} // namespace

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
}

void PressKey(WORD virtualKey) {
    Send({KeyInput(virtualKey, false), KeyInput(virtualKey, true)});
}

void PressWithAlt(WORD virtualKey, bool shift) {
    std::vector<INPUT> keys{KeyInput(VK_MENU, false)};
    if (shift)
        keys.push_back(KeyInput(VK_SHIFT, false));
    keys.push_back(KeyInput(virtualKey, false));
    keys.push_back(KeyInput(virtualKey, true));
    if (shift)
        keys.push_back(KeyInput(VK_SHIFT, true));
    keys.push_back(KeyInput(VK_MENU, true));
    Send(keys);
}

bool ClickCloseBox(HWND window) {
    POINT point{};
    if (!FindCloseBox(window, point))
        return false;
    // Each event carries its position: a lone move may not have arrived yet
    // when the button goes down.
    Send({MouseInput(0, point)});
    Ping(window);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN, point)});
    Ping(window);
    Send({MouseInput(MOUSEEVENTF_LEFTUP, point)});
    return true;
}
