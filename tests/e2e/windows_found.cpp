#include "tests/e2e/windows_found.h"

#include <cstring>

namespace {

constexpr DWORD pollInterval = 15;
constexpr DWORD sendTimeout = 5000;

struct Search {
    DWORD processId;
    const char* className;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
    Search& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || (search.visibleOnly && !IsWindowVisible(window)))
        return TRUE;
    if (search.className && ClassOf(window) != search.className)
        return TRUE;
    search.found.push_back(window);
    return TRUE;
}

struct ChildSearch {
    int controlId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM parameter) {
    ChildSearch& search = *reinterpret_cast<ChildSearch*>(parameter);
    if (GetDlgCtrlID(window) != search.controlId)
        return TRUE;
    if (search.className && ClassOf(window) != search.className)
        return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= milliseconds)
            return false;
        Sleep(pollInterval);
    }
}

std::vector<HWND> ProcessWindows(DWORD processId, const char* className, bool visibleOnly) {
    Search search{processId, className, visibleOnly, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* caption) {
    for (HWND window : ProcessWindows(processId, className)) {
        if (!caption || TextOf(window) == caption)
            return window;
    }
    return nullptr;
}

HWND WaitForWindow(DWORD processId, const char* className, const char* caption,
                   DWORD milliseconds) {
    HWND window = nullptr;
    WaitUntil(
        [&] { return (window = FindProcessWindow(processId, className, caption)) != nullptr; },
        milliseconds);
    return window;
}

bool WaitForWindowGone(HWND window, DWORD milliseconds) {
    return WaitUntil([&] { return !IsWindow(window); }, milliseconds);
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[4096] = "";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, sendTimeout, &length))
        return "";
    return std::string(text, std::strlen(text));
}

bool PutText(HWND window, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, sendTimeout, &result) &&
           result == TRUE;
}

RECT WindowRectIn(HWND window, HWND reference) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND FindDescendant(HWND parent, int controlId, const char* className) {
    ChildSearch search{controlId, className, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ChildTexts(HWND parent, const char* className) {
    std::string texts;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != className)
            continue;
        if (!texts.empty())
            texts += "|";
        texts += std::to_string(GetDlgCtrlID(child)) + ":" + TextOf(child);
    }
    return texts;
}

bool Ping(HWND window, DWORD milliseconds) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, milliseconds, &result) != 0;
}
