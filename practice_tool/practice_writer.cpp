#include "practice_tool/practice_writer.h"
#include "practice_tool/check.h"
#include "practice_tool/text/whole_file.h"
#include "practice_tool/tool_platform.h"

#include <cstdio>

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
