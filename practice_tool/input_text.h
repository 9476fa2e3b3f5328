// Text that authors hand to the tool: UTF-8 (with or without a byte-order mark)
// or GBK, in lines ended by LF or CR LF.
#pragma once

#include "practice_tool/messages.h"

#include <string>
#include <vector>

struct TextLine {
    unsigned number; // counted from 1
    std::u32string text;
};

struct InputText {
    bool utf8 = false; // else GBK (plain ASCII counts as GBK)
    std::vector<TextLine> lines;
};

// Splits `bytes` into lines of characters. A file that ends without a line end
// still has its last line; a final line end adds no empty line. Refuses
// UTF-16, bytes that are neither valid UTF-8 nor valid GBK, NUL and Ctrl-Z bytes
// (the program reads neither as written) and a CR that is not followed by LF.
bool DecodeInput(const std::string& bytes, InputText& text, Problem& problem);

// Reads a whole file. False when it cannot be opened.
bool ReadWholeFile(const char* path, std::string& bytes);

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
        if (++number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        if (!visit(line, number))
            return false;
    }
    return true;
}
