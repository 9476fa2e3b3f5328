// One running copy of the program under test, ended at scope exit if the test
// did not end it.
#pragma once

#include <windows.h>

class Program {
  public:
    Program() = default;
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts the program and waits for its main window.
    bool start(const char* exePath);
    bool running() const;
    // True when the process ended within `milliseconds`; `exitCode` is its code.
    bool waitForExit(DWORD milliseconds, DWORD& exitCode);

    DWORD processId() const { return process_.dwProcessId; }
    DWORD threadId() const { return process_.dwThreadId; }
    HWND mainWindow() const { return mainWindow_; }

  private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
};

// The program's main window class and the time a fresh start may take.
constexpr char mainClass[] = "TARNVEL";
constexpr DWORD startTimeout = 20000;
