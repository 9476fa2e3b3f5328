// The console gets UTF-8, the terminal encoding these systems use.
#include "tools/practice_tool/tool_platform.h"
#include "tools/practice_tool/utf8.h"

#include <cstdio>

void PrintMaterial(std::FILE* stream, const char* text, std::size_t length) {
    std::fputs(Utf8FromGbk(text, length).c_str(), stream);
}

bool ReplaceFileWith(const char* temporary, const char* target) {
    return std::rename(temporary, target) == 0;
}
