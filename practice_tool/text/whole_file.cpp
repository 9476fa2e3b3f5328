#include "practice_tool/text/whole_file.h"

#include "core/file_source.h"

#include <cstdio>

bool ReadWholeFile(const char* path, std::string& bytes) {
    FileSource file;
    if (!file.open(path))
        return false;
    bytes.clear();
    char buffer[16 * 1024];
    for (std::size_t got; (got = file.read(buffer, sizeof buffer)) != 0;)
        bytes.append(buffer, got);
    return true;
}

bool WriteWholeFile(const char* path, const std::string& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
