// Working another process's windows as a user does: start the program, find its
// dialogs and message boxes, type and click, and wait for the state each step
// needs. The driver's texts are UTF-8; the program's are code page 936.
#pragma once

#include "res/resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

inline std::string programPath; // the program under test

// One bound for every wait, long enough for a machine busy with other work;
// an emulated machine, slower still, sets TARNVEL_WAIT_FACTOR.
inline const char* waitFactor = std::getenv("TARNVEL_WAIT_FACTOR");
inline const DWORD patience = 30000 * DWORD(std::max(1, waitFactor ? std::atoi(waitFactor) : 1));

inline bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds = patience) {
    for (DWORD start = GetTickCount(); !condition(); Sleep(20)) {
        if (GetTickCount() - start > milliseconds)
            return false;
    }
    return true;
}

// Some 30 ms after a window is activated, Wine brings the key state in line
// with the X server's, and keys or clicks sent meanwhile can be lost. A key the
// driver holds down (F12, which the program ignores) is let go then: every
// action holds it down, and every window that comes or goes waits for it.
inline void HoldProbe() {
    INPUT input{INPUT_KEYBOARD, {}};
    input.ki.wVk = VK_F12;
    SendInput(1, &input, sizeof input);
}
inline bool Settle() {
    return WaitFor([] { return !(GetAsyncKeyState(VK_F12) & 0x8000); });
}

inline std::string Recode(const std::string& text, UINT from, UINT to) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(from, 0, text.c_str(), -1, wide.data(), int(wide.size())));
    std::string bytes(wide.size() * 3, '\0');
    WideCharToMultiByte(to, 0, wide.c_str(), -1, bytes.data(), int(bytes.size()), 0, 0);
    return bytes.c_str();
}

// A text as the user reads it. GoogleTest would print it escaped byte by byte.
struct Text : std::string {
    Text(std::string text) : std::string(std::move(text)) {}
    Text(const char* text) : std::string(text) {}
};
inline void PrintTo(const Text& text, std::ostream* out) {
    *out << '"' << static_cast<const std::string&>(text) << '"';
}
using Boxes = std::vector<Text>;

inline LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, patience, &result);
    return LRESULT(result);
}
inline Text TextOf(HWND window) {
    char text[1024] = "";
    return Send(window, WM_GETTEXT, sizeof text, LPARAM(text)), Recode(text, 936, CP_UTF8);
}
// WM_COMMAND as a click on control `id` sends it; a menu command where there is no such control.
inline void Command(HWND window, int id) {
    HoldProbe();
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(window, id)));
}

// Posts a marker to an edit control, a text limit the program never sets. Posted
// messages are handled in order, inside a message box's loop too: once the
// returned test holds, everything posted to the thread before it has been handled.
inline std::function<bool()> PostMarker(HWND edit) {
    static WPARAM marker = 40000;
    PostMessageA(edit, EM_SETLIMITTEXT, ++marker, 0);
    return [edit, posted = marker] { return Send(edit, EM_GETLIMITTEXT) == LRESULT(posted); };
}

// Top-level windows of a process, shown or not, optionally of one class.
inline std::vector<HWND> WindowsOf(DWORD process, const char* className = nullptr) {
    std::vector<HWND> found;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process)
            found.push_back(window);
    }
    return found;
}
inline HWND AwaitDialog(DWORD process, const char* caption) {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND dialog : WindowsOf(process, "#32770"))
            found = IsWindowVisible(dialog) && TextOf(dialog) == caption ? dialog : found;
        return found != nullptr;
    });
    return Settle(), found;
}
inline bool AwaitGone(HWND window) {
    return window && WaitFor([&] { return !IsWindow(window); }) && Settle();
}

// A running copy of the program, ended at scope exit if it is still running.
struct Program {
    Program() {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        HoldProbe();
        if (CreateProcessA(programPath.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &info))
            WaitFor([&] {
                std::vector<HWND> found = WindowsOf(info.dwProcessId, "TARNVEL");
                return (main = found.empty() || !IsWindowVisible(found[0]) ? nullptr : found[0]);
            }) &&
                Settle();
    }
    // A program ended meanwhile could still take the foreground from the next one.
    ~Program() {
        TerminateProcess(info.hProcess, 1); // does nothing once it has ended
        WaitForSingleObject(info.hProcess, patience);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    DWORD id() const { return info.dwProcessId; }
    PROCESS_INFORMATION info{};
    HWND main = nullptr;
};

// What the screen shows of a window's client area from its top left corner,
// or with `draw`, what that draws.
inline std::vector<COLORREF> Pixels(HWND window, int width, int height,
                                    const std::function<void(HDC)>& draw = nullptr) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(dc, CreateCompatibleBitmap(screen, width, height));
    draw ? draw(dc) : void(BitBlt(dc, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY));
    std::vector<COLORREF> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.push_back(GetPixel(dc, i % width, i / width));
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Icon handles are the program's own, so which icon a box has shows only on
// the screen: the error icon is mostly red, the information icon blue.
inline std::string IconOf(HWND place) {
    RECT rect{};
    int red = 0, blue = 0;
    if (!GetClientRect(place, &rect) || !Send(place, STM_GETICON))
        return "";
    WaitFor([&] {
        red = blue = 0;
        for (COLORREF pixel : Pixels(place, rect.right, rect.bottom)) {
            red += GetRValue(pixel) > 150 && GetGValue(pixel) < 100 && GetBValue(pixel) < 100;
            blue += GetBValue(pixel) > 150 && GetRValue(pixel) < 100;
        }
        return std::max(red, blue) > rect.right * rect.bottom / 8;
    });
    return red > blue ? " (error icon)" : " (information icon)";
}

// System message boxes: the text (0xFFFF) and icon (1088) places, no file-name box (1148).
inline std::vector<HWND> MessageBoxes(DWORD process) {
    std::vector<HWND> boxes;
    for (HWND dialog : WindowsOf(process, "#32770")) {
        if (GetDlgItem(dialog, 0xFFFF) && GetDlgItem(dialog, 1088) && !GetDlgItem(dialog, 1148))
            boxes.push_back(dialog);
    }
    return boxes;
}
// The next message box to come up, as "owner's caption > caption: text (icon)"; then closed.
inline Text NextBox(DWORD process) {
    std::vector<HWND> boxes; // shown once its texts are in
    if (!WaitFor(
            [&] { return !(boxes = MessageBoxes(process)).empty() && IsWindowVisible(boxes[0]); }))
        return "no box";
    HWND box = boxes[0];
    std::string seen = TextOf(GetWindow(box, GW_OWNER)) + " > " + TextOf(box) + ": " +
                       TextOf(GetDlgItem(box, 0xFFFF)) + IconOf(GetDlgItem(box, 1088));
    Command(box, IDOK);
    return AwaitGone(box) ? seen : seen + " (stays open)";
}

// Types the file's name into the open-file dialog's file-name box (an Edit in a
// ComboBox in a ComboBoxEx32, all three 1148) and presses OK.
inline bool Choose(HWND dialog, const std::string& path) {
    HWND name = GetDlgItem(GetDlgItem(GetDlgItem(dialog, 1148), 1148), 1148);
    WaitFor(PostMarker(name)); // not to be emptied by the dialog's own setting up
    Send(name, WM_SETTEXT, 0, LPARAM(path.c_str()));
    return Command(dialog, IDOK), AwaitGone(dialog);
}

// Real input goes to the foreground window, which `window` is made first. The
// keys go down in order and come up in reverse. When Wine let a held key go
// before the last went down (see HoldProbe), the last went without it: again.
inline bool Press(HWND window, const std::vector<WORD>& keys) {
    for (bool lost = true; lost;) {
        WaitFor([&] { return GetForegroundWindow() == window || !SetForegroundWindow(window); });
        HoldProbe();
        std::vector<INPUT> inputs(2 * keys.size(), INPUT{INPUT_KEYBOARD, {}});
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            inputs[i].ki.wVk = keys[std::min(i, inputs.size() - 1 - i)];
            inputs[i].ki.wScan = WORD(MapVirtualKeyA(inputs[i].ki.wVk, MAPVK_VK_TO_VSC));
            inputs[i].ki.dwFlags = i < keys.size() ? 0 : KEYEVENTF_KEYUP;
        }
        SendInput(UINT(keys.size()), inputs.data(), sizeof(INPUT));
        lost = false; // the held keys are read before the last, which a later let-go takes too
        for (std::size_t i = 0; i + 1 < keys.size(); ++i)
            lost |= !(GetAsyncKeyState(keys[i]) & 0x8000);
        lost &= (GetAsyncKeyState(keys.back()) & 0x8000) != 0;
        SendInput(UINT(keys.size()), inputs.data() + keys.size(), sizeof(INPUT));
    }
    return true;
}

// The close box: the title bar's right-most button must be where a hand would
// click, and the click sends the window the system's close command.
inline bool ClickCloseBox(HWND window) {
    RECT rect{}, client{};
    GetWindowRect(window, &rect);
    GetClientRect(window, &client);
    int frame = (rect.right - rect.left - client.right) / 2;
    LPARAM point = MAKELPARAM(rect.right - frame - GetSystemMetrics(SM_CXSIZE) / 2,
                              rect.top + frame + GetSystemMetrics(SM_CYCAPTION) / 2);
    HoldProbe();
    return Send(window, WM_NCHITTEST, 0, point) == HTCLOSE &&
           PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, point);
}

inline int Points(int points) {
    HDC screen = GetDC(nullptr);
    int pixels = MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    return ReleaseDC(nullptr, screen), pixels;
}
// One of the program's fonts, made as it makes them, and its metrics on the screen.
struct Font {
    Font(int points, const char* face)
        : handle(CreateFontA(-Points(points), 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                             face)) {
        Pixels(nullptr, 1, 1,
               [&](HDC dc) { SelectObject(dc, handle), GetTextMetricsA(dc, &metrics); });
    }
    ~Font() { DeleteObject(handle); }
    int lineHeight() const { return metrics.tmHeight + metrics.tmExternalLeading + 2; }
    HFONT handle;
    TEXTMETRICA metrics{};
};

// The practice dialog, once it shows.
struct Practice {
    explicit Practice(const Program& program)
        : process(program.id()), dialog(AwaitDialog(process, "练习")),
          answer(GetDlgItem(dialog, CTL_ANSWER)) {}
    static Practice Open(const Program& program) {
        return Command(program.main, CMD_START_PRACTICE), Practice(program);
    }

    // The message boxes that come up until the program rests in the dialog
    // again, each read and closed in turn: once a marker posted behind a step
    // is handled, the step has shown a box or ended.
    Boxes boxes() {
        Boxes seen;
        for (bool box = true; box && seen.size() < 5;) {
            std::function<bool()> handled = PostMarker(answer);
            EXPECT_TRUE(WaitFor([&] {
                return (box = !MessageBoxes(process).empty()) ||
                       (handled() && !(box = !MessageBoxes(process).empty()));
            })) << "the program does not come back to the practice dialog";
            if (box)
                seen.push_back(NextBox(process));
        }
        return seen;
    }
    Boxes click(int id) { return Command(dialog, id), boxes(); }
    bool close() { return Command(dialog, IDCANCEL), AwaitGone(dialog); }

    // Waits until the dark pixels at the character's place are those of
    // `character` drawn as the program draws it; smoothing may set a few apart.
    bool shows(const std::string& character) const {
        Font font(36, "SimSun");
        int width = Points(48), height = font.metrics.tmHeight;
        std::vector<COLORREF> drawn = Pixels(dialog, width, height, [&](HDC dc) {
            PatBlt(dc, 0, 0, width, height, WHITENESS);
            SelectObject(dc, font.handle);
            TextOutA(dc, Points(6), 0, Recode(character, CP_UTF8, 936).c_str(), 2);
        });
        auto dark = [](COLORREF p) { return GetRValue(p) + GetGValue(p) + GetBValue(p) < 384; };
        return WaitFor([&] {
            std::vector<COLORREF> shown = Pixels(dialog, width, height);
            std::size_t ink = 0, wrong = 0;
            for (std::size_t i = 0; i < shown.size(); ++i)
                ink += dark(drawn[i]), wrong += dark(drawn[i]) != dark(shown[i]);
            return wrong <= ink / 20;
        });
    }

    DWORD process;
    HWND dialog, answer;
};

// A practice file from UTF-8 lines, stored in code page 936 with CR LF.
struct PracticeFile {
    PracticeFile(const char* name, const std::vector<std::string>& lines) {
        char folder[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, folder);
        path = folder + std::to_string(GetCurrentProcessId()) + name;
        std::ofstream file(path, std::ios::binary);
        for (const std::string& line : lines)
            file << Recode(line, CP_UTF8, 936) << "\r\n";
    }
    ~PracticeFile() { DeleteFileA(path.c_str()); }
    std::string path;
};
