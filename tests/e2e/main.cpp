// The end-to-end driver, with two helper modes for scripts that run the program by hand:
//   tarnvel_e2e PROGRAM.exe [--dpi=N] [--gdi-log=LOG] [GoogleTest flags]
//   tarnvel_e2e --await-main MILLISECONDS    waits until the main window is up and painted
//   tarnvel_e2e --close-main                 closes it as its close box does
#include "tests/e2e/driver.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string mode = argc > 1 ? argv[1] : "";
    HWND main = FindWindowA("TARNVEL", nullptr);
    for (DWORD start = GetTickCount(); mode == "--await-main" && !main; Sleep(20)) {
        if (GetTickCount() - start > DWORD(std::atol(argv[2])))
            return 1;
        main = FindWindowA("TARNVEL", nullptr);
    }
    if (mode == "--await-main")
        return RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN) ? 0 : 1;
    if (mode == "--close-main") {
        DWORD id = 0;
        GetWindowThreadProcessId(main, &id);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
        PostMessageA(main, WM_CLOSE, 0, 0);
        return process && WaitForSingleObject(process, patience) == WAIT_OBJECT_0 ? 0 : 1;
    }
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        std::replace(argument.begin(), argument.end(), '/', '\\'); // Wine's Z: is the Unix root
        if (argument.rfind("--dpi=", 0) == 0)
            expectedDpi = std::stoi(argument.substr(6));
        else if (argument.rfind("--gdi-log=", 0) == 0)
            gdiLog = argument.substr(10);
        else
            programPath = (argument[0] == '\\' ? "Z:" : "") + argument;
    }
    if (GetFileAttributesA(programPath.c_str()) == INVALID_FILE_ATTRIBUTES ||
        !GetEnvironmentVariableA("DISPLAY", nullptr, 0)) {
        std::fprintf(stderr, "tarnvel_e2e needs the program and an X display (DISPLAY)\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
