// Text that authors hand to the tool: UTF-8 (with or without a byte-order mark)
// or GBK, in lines ended by LF or CR LF.
#pragma once

#include "practice_tool/message_ids.h"

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
