// The console gets UTF-8, the terminal encoding these systems use; the
// language follows the locale's message category.
#include "practice_tool/tool_platform.h"
#include "practice_tool/text/gbk.h"

#include <cstdlib>
#include <cstring>
#include <unistd.h>

std::string ConsoleText(const std::string& gbk) {
    return Utf8FromGbk(gbk);
}

void PrintMaterial(std::FILE* stream, const std::string& text) {
    const std::string shown = ConsoleText(text);
    std::fwrite(shown.data(), 1, shown.size(), stream);
}

Language SystemLanguage() {
    // The first of these that is set decides, as for gettext.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return std::strncmp(value, "zh", 2) == 0 ? Language::chinese : Language::english;
    }
    return Language::english;
}

std::string ProgramFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/') + 1);
}

bool ReplaceFileWith(const char* temporary, const char* target) {
    return std::rename(temporary, target) == 0;
}

// A terminal stays open after the tool ends.
bool OwnsConsoleWindow() {
    return false;
}

void WaitForKey() {}
