#include "tests/e2e/program.h"

#include "tests/e2e/windows_found.h"

#include <cstdio>
#include <string>

Program::~Program() {
    if (!process_.hProcess)
        return;
    if (running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool Program::start(const char* exePath) {
    std::string commandLine = std::string("\"") + exePath + "\"";
    // Started in its own folder, as a double click in Explorer does.
    std::string folder = exePath;
    folder.erase(folder.find_last_of("\\/") + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exePath, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process_)) {
        std::printf("   cannot start %s (error %lu)\n", exePath, GetLastError());
        process_ = {};
        return false;
    }
    mainWindow_ = WaitForWindow(processId(), mainClass, nullptr, startTimeout);
    return mainWindow_ != nullptr;
}

bool Program::running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::waitForExit(DWORD milliseconds, DWORD& exitCode) {
    exitCode = STILL_ACTIVE;
    if (!process_.hProcess || WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_.hProcess, &exitCode) != 0;
}
