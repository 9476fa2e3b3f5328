// The end-to-end driver, with two helper modes for scripts that run the program by hand:
//   tarnvel_e2e PROGRAM.exe [GoogleTest flags]   the tests (TARNVEL_DPI: the resolution to expect)
//   tarnvel_e2e --await-main MILLISECONDS    waits until the main window is up and painted
//   tarnvel_e2e --close-main                 closes it as its close box does
#include "tests/e2e/driver.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string first = argc > 1 ? argv[1] : "";
    HWND main = nullptr;
    auto found = [&] { return (main = FindWindowA("TARNVEL", nullptr)) != nullptr; };
    if (first == "--await-main")
        return !WaitFor(found, std::atol(argv[2])) || !RedrawWindow(main, 0, 0, RDW_UPDATENOW);
    if (first == "--close-main" && found()) {
        DWORD id = 0;
        GetWindowThreadProcessId(main, &id);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
        PostMessageA(main, WM_CLOSE, 0, 0);
        return process && WaitForSingleObject(process, patience) == WAIT_OBJECT_0 ? 0 : 1;
    }
    std::replace(first.begin(), first.end(), '/', '\\'); // Wine's drive Z: is the Unix root
    programPath = (first[0] == '\\' ? "Z:" : "") + first;
    if (GetFileAttributesA(programPath.c_str()) == INVALID_FILE_ATTRIBUTES ||
        !GetEnvironmentVariableA("DISPLAY", nullptr, 0)) {
        std::fprintf(stderr, "tarnvel_e2e needs the program and an X display (DISPLAY)\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
