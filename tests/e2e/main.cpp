// End-to-end driver: starts the real program and works its windows as a user
// would, then prints `tally N ok M bad`. Also two helper modes for scripts that
// run the program by hand.
//
//   tarnvel_e2e PROGRAM.exe SUITE... [dpi=N]   SUITE: shell, files, practice, layout
//   tarnvel_e2e --await-main MILLISECONDS     waits until a main window is painted
//   tarnvel_e2e --close-main                  closes every main window, as its close box does
#include "tests/e2e/check.h"
#include "tests/e2e/program.h"
#include "tests/e2e/suites.h"
#include "tests/e2e/windows_found.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Wine maps drive Z: to the Unix root, so a Unix path works with Z: before it.
std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::vector<HWND> MainWindows() {
    std::vector<HWND> found;
    for (HWND window = FindWindowExA(nullptr, nullptr, mainClass, nullptr); window;
         window = FindWindowExA(nullptr, window, mainClass, nullptr))
        found.push_back(window);
    return found;
}

int AwaitMainWindow(DWORD milliseconds) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindWindowA(mainClass, nullptr)) != nullptr; }, milliseconds);
    if (!window || !Ping(window)) {
        std::fprintf(stderr, "no main window came up\n");
        return 1;
    }
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return 0;
}

int CloseMainWindows() {
    int failures = 0;
    for (HWND window : MainWindows()) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (!process || WaitForSingleObject(process, 10000) != WAIT_OBJECT_0)
            ++failures;
        if (process)
            CloseHandle(process);
    }
    return failures == 0 ? 0 : 1;
}

bool RunSuite(const char* name, const Session& session) {
    if (std::strcmp(name, "shell") == 0)
        RunShellCases(session);
    else if (std::strcmp(name, "files") == 0)
        RunOpenFileCases(session);
    else if (std::strcmp(name, "practice") == 0)
        RunPracticeCases(session);
    else if (std::strcmp(name, "layout") == 0)
        RunLayoutCases(session);
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc == 3 && std::strcmp(argv[1], "--await-main") == 0)
        return AwaitMainWindow(DWORD(std::atol(argv[2])));
    if (argc == 2 && std::strcmp(argv[1], "--close-main") == 0)
        return CloseMainWindows();
    if (argc < 3) {
        std::fprintf(stderr, "usage: tarnvel_e2e PROGRAM.exe SUITE... [dpi=N]\n");
        return 2;
    }
    char display[256] = "";
    if (!GetEnvironmentVariableA("DISPLAY", display, sizeof display) || !display[0]) {
        std::printf("DISPLAY is not set: these tests need an X display (start Xvfb and export "
                    "DISPLAY)\n");
        Expect(false, "no display");
        PrintTally();
        return 1;
    }
    Session session;
    session.exePath = WindowsPath(argv[1]);
    if (GetFileAttributesA(session.exePath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Expect(false, "the program %s does not exist", session.exePath.c_str());
        PrintTally();
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], "dpi=", 4) == 0)
            session.dpi = std::atoi(argv[i] + 4);
    }
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], "dpi=", 4) != 0 && !RunSuite(argv[i], session))
            Expect(false, "no suite called %s", argv[i]);
    }
    return PrintTally() == 0 ? 0 : 1;
}
