// Start-up benchmark driver, a Windows console program: starts each program
// given, waits until its main window is visible, painted and answering
// messages, closes it, and repeats, alternating the programs so that both see
// the same machine. Prints each one's median and its ratio to the last one,
// the yardstick.
//
// Usage: startup_bench RUNS EXE:CLASS [EXE:CLASS...]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Candidate {
    std::string exe;
    std::string windowClass;
    std::vector<double> milliseconds;
};

struct Search {
    DWORD processId;
    const char* windowClass;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char name[64] = {};
    if (processId != search->processId || !GetClassNameA(window, name, sizeof name) ||
        std::strcmp(name, search->windowClass) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

// Shown, nothing left to paint, and its thread back in its message loop.
bool ShownAndPainted(HWND window) {
    DWORD_PTR result = 0;
    return IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE) &&
           SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

// Milliseconds from the start of the process to its first painted main window,
// or a negative value when it did not come within 30 s.
double TimeStart(const Candidate& candidate) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + candidate.exe + "\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(candidate.exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return -1;
    double elapsed = -1;
    Search search = {process.dwProcessId, candidate.windowClass.c_str(), nullptr};
    for (int poll = 0; poll < 15000; ++poll) {
        if (search.found == nullptr)
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr && ShownAndPainted(search.found)) {
            QueryPerformanceCounter(&now);
            elapsed = (now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
            break;
        }
        Sleep(2);
    }
    if (search.found != nullptr)
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench RUNS EXE:CLASS [EXE:CLASS...]\n");
        return 2;
    }
    int runs = std::max(1, std::atoi(argv[1]));
    std::vector<Candidate> candidates;
    for (int i = 2; i < argc; ++i) {
        std::string argument = argv[i];
        std::size_t colon = argument.rfind(':');
        if (colon == std::string::npos || colon < 2) {
            std::fprintf(stderr, "not EXE:CLASS: %s\n", argv[i]);
            return 2;
        }
        candidates.push_back({argument.substr(0, colon), argument.substr(colon + 1), {}});
    }
    // One start of each first, untimed: it loads what every later start finds cached.
    for (Candidate& candidate : candidates)
        TimeStart(candidate);
    for (int run = 0; run < runs; ++run)
        for (Candidate& candidate : candidates) {
            double milliseconds = TimeStart(candidate);
            if (milliseconds < 0) {
                std::fprintf(stderr, "%s showed no painted window\n", candidate.exe.c_str());
                return 1;
            }
            candidate.milliseconds.push_back(milliseconds);
        }

    std::printf("%-24s %6s %10s %10s %10s %8s\n", "program", "runs", "median ms", "min ms",
                "max ms", "ratio");
    double reference = Median(candidates.back().milliseconds);
    for (const Candidate& candidate : candidates) {
        const std::vector<double>& times = candidate.milliseconds;
        std::string name = candidate.exe.substr(candidate.exe.find_last_of("\\/") + 1);
        std::printf("%-24s %6zu %10.1f %10.1f %10.1f %8.2f\n", name.c_str(), times.size(),
                    Median(times), *std::min_element(times.begin(), times.end()),
                    *std::max_element(times.begin(), times.end()), Median(times) / reference);
    }
    std::printf("startup_vs_minimal=%.2f\n", Median(candidates.front().milliseconds) / reference);
    return 0;
}
