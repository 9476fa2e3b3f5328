#include "tests/e2e/practice_files.h"

#include <cstdio>

WorkFolder::WorkFolder() {
    char temporary[MAX_PATH] = "";
    if (!GetTempPathA(sizeof temporary, temporary))
        return;
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%starnvel-e2e-%lu", temporary, GetCurrentProcessId());
    if (CreateDirectoryA(name, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS)
        path_ = name;
}

WorkFolder::~WorkFolder() {
    for (const std::string& file : files_)
        DeleteFileA(file.c_str());
    if (!path_.empty())
        RemoveDirectoryA(path_.c_str());
}

std::string WorkFolder::write(const char* name, const std::string& bytes) {
    std::string file = path_ + "\\" + name;
    FILE* stream = std::fopen(file.c_str(), "wb");
    if (!stream)
        return "";
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
    if (std::fclose(stream) != 0 || !written)
        return "";
    files_.push_back(file);
    return file;
}

std::string WorkFolder::write(const char* name, const std::vector<PracticeEntry>& entries) {
    std::string bytes;
    for (const PracticeEntry& entry : entries)
        bytes += entry.character + "\r\n" + entry.code + "\r\n" + entry.reason + "\r\n";
    return write(name, bytes);
}

ExclusiveHold::ExclusiveHold(const std::string& path)
    : file_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {}

ExclusiveHold::~ExclusiveHold() {
    if (held())
        CloseHandle(file_);
}
