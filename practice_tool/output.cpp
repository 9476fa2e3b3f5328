#include "practice_tool/output.h"
#include "practice_tool/check.h"
#include "practice_tool/tool_platform.h"

#include <cstdio>

bool WriteWholeFile(const char* path, const std::string& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

WriteResult WritePracticeFile(const char* path, const std::string& text,
                              std::vector<Problem>& problems, std::size_t& entries) {
    const std::string temporary = std::string(path) + ".part";
    if (!WriteWholeFile(temporary.c_str(), text)) {
        std::remove(temporary.c_str());
        return WriteResult::failed;
    }
    CheckResult check;
    if (!CheckPracticeFile(temporary.c_str(), check)) {
        std::remove(temporary.c_str());
        return WriteResult::failed;
    }
    entries = check.entries.size();
    problems.insert(problems.end(), check.findings.begin(), check.findings.end());
    if (!check.findings.empty()) {
        std::remove(temporary.c_str());
        return WriteResult::refused;
    }
    if (!ReplaceFileWith(temporary.c_str(), path)) {
        std::remove(temporary.c_str());
        return WriteResult::failed;
    }
    return WriteResult::written;
}
