// Resource-leak check: opens and closes the practice dialog and the About box
// 50 times each in one running program, after 100 times to warm up, and
// compares its GDI objects and its windows before and after. Where GetGuiResources reports nothing
// (Wine), the GDI count comes from Wine's gdi trace, which numbers the process's live GDI handles
// at every allocation and release: the program is started with that trace on, and its lines are
// read back from the log this driver's stderr goes to.
//
//   tarnvel_leaks PROGRAM.exe LOG      (run as: tarnvel_leaks ... 2>LOG)
#include "res/resource.h"
#include "tests/e2e/check.h"
#include "tests/e2e/message_box.h"
#include "tests/e2e/program.h"
#include "tests/e2e/windows_found.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int rounds = 50;
// Wine's own caches (device contexts, regions) grow by some 30 objects over
// the first hundred or so dialogs and then stay; the count is taken after that.
constexpr int warmUpRounds = 100;
// A handler that leaks loses at least one object every time it runs.
constexpr long allowedGrowth = 5;

// The live GDI handles of process `processId` as the trace last numbered them,
// or -1 when the trace has no line of it.
long TracedGdiObjects(const char* logPath, DWORD processId) {
    std::FILE* log = std::fopen(logPath, "rb");
    if (log == nullptr)
        return -1;
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04lx:", processId);
    long count = -1;
    char line[512];
    while (std::fgets(line, sizeof line, log) != nullptr) {
        if (std::strncmp(line, prefix, std::strlen(prefix)) != 0 ||
            std::strstr(line, "_gdi_handle ") == nullptr)
            continue;
        const char* slash = std::strstr(line, "/65536");
        const char* number = slash;
        while (number > line && number[-1] >= '0' && number[-1] <= '9')
            --number;
        if (slash != nullptr && number < slash)
            count = std::atol(number);
    }
    std::fclose(log);
    return count;
}

long GdiObjects(const Program& program, HANDLE process, const char* logPath) {
    DWORD reported = GetGuiResources(process, GR_GDIOBJECTS);
    return reported != 0 ? long(reported) : TracedGdiObjects(logPath, program.processId());
}

BOOL CALLBACK CountChild(HWND, LPARAM parameter) {
    ++*reinterpret_cast<long*>(parameter);
    return TRUE;
}

// Top-level windows of the process, shown or not, and all their children.
long WindowCount(DWORD processId) {
    long count = 0;
    for (HWND window : ProcessWindows(processId, nullptr, false)) {
        ++count;
        EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

HWND WaitForDialog(DWORD processId) {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
            std::vector<HWND> dialogs = ProcessWindows(processId, "#32770");
            dialog = dialogs.size() == 1 ? dialogs[0] : nullptr;
            return dialog != nullptr;
        },
        boxTimeout);
    return dialog;
}

// Opens the practice dialog, asks for the next character (the table is empty,
// so a notice comes up and is closed), and closes the dialog.
bool PracticeRound(const Program& program) {
    PostMessageA(program.mainWindow(), WM_COMMAND, CMD_START_PRACTICE, 0);
    HWND dialog = WaitForDialog(program.processId());
    if (dialog == nullptr)
        return false;
    PostMessageA(dialog, WM_COMMAND, CTL_NEXT, 0);
    BoxView notice;
    if (!WaitForMessageBox(program.processId(), boxTimeout, notice) ||
        !DismissMessageBox(notice.window))
        return false;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return WaitForWindowGone(dialog, boxTimeout);
}

bool AboutRound(const Program& program) {
    PostMessageA(program.mainWindow(), WM_COMMAND, CMD_ABOUT, 0);
    HWND about = WaitForDialog(program.processId());
    if (about == nullptr)
        return false;
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    return WaitForWindowGone(about, boxTimeout);
}

struct Counts {
    long gdi;
    long windows;
};

Counts Measure(const Program& program, HANDLE process, const char* logPath) {
    Ping(program.mainWindow());
    std::fflush(stderr);
    return {GdiObjects(program, process, logPath), WindowCount(program.processId())};
}

void CheckRounds(const char* name, bool (*round)(const Program&), const char* exePath,
                 const char* logPath) {
    Case check(name);
    Program program;
    if (!Expect(program.start(exePath), "the program starts"))
        return;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, program.processId());
    int warmedUp = 0;
    while (warmedUp < warmUpRounds && round(program))
        ++warmedUp;
    Expect(warmedUp == warmUpRounds, "all %d warm-up rounds ran (%d did)", warmUpRounds, warmedUp);
    Counts before = Measure(program, process, logPath);
    int done = 0;
    while (done < rounds && round(program))
        ++done;
    Counts after = Measure(program, process, logPath);
    std::printf("   %s: %d rounds; GDI objects %ld -> %ld, windows %ld -> %ld\n", name, done,
                before.gdi, after.gdi, before.windows, after.windows);
    Expect(done == rounds, "all %d rounds ran (%d did)", rounds, done);
    Expect(before.gdi >= 0, "the GDI objects can be counted");
    Expect(after.gdi - before.gdi <= allowedGrowth, "GDI objects grew by %ld",
           after.gdi - before.gdi);
    ExpectNumber("windows after the rounds", after.windows, before.windows);
    PostMessageA(program.mainWindow(), WM_CLOSE, 0, 0);
    DWORD exitCode = 0;
    Expect(program.waitForExit(10000, exitCode), "the program ends");
    if (process != nullptr)
        CloseHandle(process);
}

} // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarnvel_leaks PROGRAM.exe LOG 2>LOG\n");
        return 2;
    }
    // Wine passes this on to the program it starts; on Windows it means nothing.
    SetEnvironmentVariableA("WINEDEBUG", "+pid,trace+gdi");
    CheckRounds("practice dialog opened and closed 50 times", PracticeRound, argv[1], argv[2]);
    CheckRounds("About box opened and closed 50 times", AboutRound, argv[1], argv[2]);
    return PrintTally() == 0 ? 0 : 1;
}
