// Files read and written whole, and the lines of a data file walked one by one.
#pragma once

#include "practice_tool/text/utf8.h"

#include <string>

// Reads a whole file, shared with other programs as the loader opens it. False
// when it cannot be opened.
bool ReadWholeFile(const char* path, std::string& bytes);

// Writes `bytes` as the whole of the file at `path`. False when it cannot.
bool WriteWholeFile(const char* path, const std::string& bytes);

// Calls `visit(line, number)` for each line of a data file's `bytes`, lines
// ended by LF or CR LF and counted from 1, the line end and a UTF-8 byte-order
// mark taken off. Stops at the first line `visit` returns false for; returns
// whether it came to the end.
template <typename Visit> bool ForEachLine(const std::string& bytes, Visit visit) {
    unsigned number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (++number == 1 && line.compare(0, 3, utf8ByteOrderMark) == 0)
            line.erase(0, 3);
        if (!visit(line, number))
            return false;
    }
    return true;
}
