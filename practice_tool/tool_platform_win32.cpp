// The console shows the bytes in its code page, which practice material is
// written for; Chinese is spoken where that code page is 936.
#include "practice_tool/tool_platform.h"

#include "core/code_page.h"

#include <conio.h>
#include <windows.h>

std::string ConsoleText(const std::string& gbk) {
    return gbk;
}

void PrintMaterial(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

Language SystemLanguage() {
    UINT codePage = GetConsoleOutputCP(); // 0 without a console
    if (codePage == 0)
        codePage = GetACP();
    return codePage == chineseCodePage ? Language::chinese : Language::english;
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length == sizeof path)
        return {};
    const std::string program(path, length);
    return program.substr(0, program.find_last_of("\\/") + 1);
}

bool ReplaceFileWith(const char* temporary, const char* target) {
    return MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING) != 0;
}

bool OwnsConsoleWindow() {
    DWORD mode;
    DWORD processes[2];
    // Input from a file or pipe means a script runs the tool: never wait then.
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) &&
           GetConsoleProcessList(processes, 2) == 1;
}

void WaitForKey() {
    _getch();
}
