// The console shows the bytes in the system code page, which practice material
// is written for.
#include "tools/practice_tool/tool_platform.h"

#include <windows.h>

void PrintMaterial(std::FILE* stream, const char* text, std::size_t length) {
    std::fwrite(text, 1, length, stream);
}

bool ReplaceFileWith(const char* temporary, const char* target) {
    return MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING) != 0;
}
