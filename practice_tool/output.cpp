#include "practice_tool/output.h"
#include "practice_tool/check.h"
#include "practice_tool/tool_platform.h"

#include <cstdio>

namespace {

bool WriteBytes(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

WriteResult WritePracticeFile(const char* path, const std::string& text,
                              std::vector<Problem>& problems, std::size_t& entries) {
    const std::string temporary = std::string(path) + ".part";
    if (!WriteBytes(temporary, text)) {
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
