// Feeds arbitrary bytes to what the practice tool does with a file a user drops
// on it: the decoder of an author's text, and check's walk over a practice
// file. The file lives in memory (memfd) and is opened by path, as the tool
// opens it. Checks that a text the decoder accepts re-encodes, line by line in
// the encoding it was read in, to its own bytes, and that check's walk, whatever
// the bytes, reads the file, holds exactly the loader's entries and reports in
// line order.
#include "practice_tool/check.h"
#include "practice_tool/text/author_text.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/utf8.h"

#include "core/practice_file.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstring>
#include <string>

namespace {

// The bytes a decoded text stands for: a UTF-8 byte-order mark dropped, each
// CR LF as LF, and an LF after a last line that had no line end (the decoder
// keeps such a line, so writing every line with its LF adds that one byte).
std::string NormalisedInput(const std::string& bytes) {
    const std::size_t start = bytes.compare(0, 3, utf8ByteOrderMark) == 0 ? 3 : 0;
    std::string out;
    for (std::size_t i = start; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            out += bytes[i];
    if (!out.empty() && out.back() != '\n')
        out += '\n';
    return out;
}

void CheckDecoder(const std::string& bytes) {
    InputText text;
    Problem problem;
    if (!DecodeInput(bytes, text, problem)) {
        Require(problem.id != Msg::none && problem.line >= 1, "a refusal names no problem");
        return;
    }
    std::string encoded;
    unsigned number = 0;
    for (const TextLine& line : text.lines) {
        Require(line.number == ++number, "lines are not numbered one by one from 1");
        for (char32_t c : line.text) {
            if (text.utf8)
                AppendUtf8(encoded, c);
            else
                Require(EncodeGbk(c, encoded), "a decoded character has no GBK form");
        }
        encoded += '\n';
    }
    Require(encoded == NormalisedInput(bytes), "the decoded text does not re-encode to the input");
}

bool Before(const LinePlace& a, const LinePlace& b) {
    return a.line < b.line || (a.line == b.line && a.offset < b.offset);
}

void CheckWalk(const char* path) {
    static const CodePage gbk = MakeCodePage(936);
    static CharTable table;
    CheckResult result;
    Require(CheckPracticeFile(path, result), "check could not read an open file");
    CharNode* cursor = nullptr;
    Require(LoadPracticeFile(path, table, cursor, gbk) == LoadResult::loaded,
            "the loader could not read an open file");
    Require(table.count() == result.entries.size(), "check and the loader count other entries");
    const CharNode* node = table.first();
    LinePlace last{0, 0};
    for (const CheckedEntry& checked : result.entries) {
        for (const LinePlace& place : checked.lines) {
            Require(Before(last, place), "an entry's lines are not in file order");
            last = place;
        }
        // Every byte of every field, so its terminators too, which fuzz_loader checks.
        Require(std::memcmp(&checked.entry, &node->entry, sizeof(CharEntry)) == 0,
                "an entry differs from the loader's");
        node = node->next;
    }
    unsigned line = 0;
    for (const Problem& finding : result.findings) {
        Require(finding.id != Msg::none && finding.id < Msg::count, "a finding has no message");
        Require(finding.line >= line, "findings are not in line order");
        line = finding.line;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    file.hold(data, size);
    CheckDecoder(std::string(reinterpret_cast<const char*>(data), size));
    CheckWalk(file.path);
    return 0;
}
