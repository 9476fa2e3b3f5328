// Starts a program from its own folder, waits for its main window, closes it
// the way the close box does and reports whether the program stayed up,
// showed the window and ended with exit code 0.
//
//     start_and_close PROGRAM.exe WINDOW_CLASS
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD startTimeout = 30000;
constexpr DWORD stayUpTime = 1000;
constexpr DWORD exitTimeout = 20000;

// A Unix path (as the test passes it) in the form Windows programs take.
std::string WindowsPath(const char* path) {
    std::string converted = path[0] == '/' ? std::string("Z:") + path : std::string(path);
    for (char& c : converted)
        if (c == '/')
            c = '\\';
    return converted;
}

struct Search {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    DWORD processId = 0;
    char className[64] = "";
    GetWindowThreadProcessId(window, &processId);
    GetClassNameA(window, className, sizeof className);
    if (processId == search.processId && IsWindowVisible(window) &&
        lstrcmpA(className, search.className) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForMainWindow(const PROCESS_INFORMATION& process, const char* className) {
    for (DWORD waited = 0; waited < startTimeout; waited += 100) {
        Search search{process.dwProcessId, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

int Fail(const PROCESS_INFORMATION& process, const char* what) {
    std::printf("bad: %s\n", what);
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: start_and_close PROGRAM.exe WINDOW_CLASS\n");
        return 2;
    }
    const std::string program = WindowsPath(argv[1]);
    const std::string folder = program.substr(0, program.find_last_of('\\'));
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        std::printf("bad: cannot start %s (error %lu)\n", program.c_str(), GetLastError());
        return 1;
    }
    HWND window = WaitForMainWindow(process, argv[2]);
    if (window == nullptr)
        return Fail(process, "no visible main window appeared");
    if (WaitForSingleObject(process.hProcess, stayUpTime) == WAIT_OBJECT_0 || !IsWindow(window))
        return Fail(process, "the program did not stay up");
    char title[100] = "";
    GetWindowTextA(window, title, sizeof title);
    std::printf("ok: main window of class %s, titled \"%s\", stayed up\n", argv[2], title);

    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, exitTimeout) != WAIT_OBJECT_0)
        return Fail(process, "the program did not end after WM_CLOSE");
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (exitCode != 0) {
        std::printf("bad: exit code %lu after WM_CLOSE\n", exitCode);
        return 1;
    }
    std::printf("ok: closed with WM_CLOSE, exit code 0\n");
    return 0;
}
