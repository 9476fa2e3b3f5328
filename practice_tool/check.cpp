#include "practice_tool/check.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/practice_format.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/text/whole_file.h"

#include "core/practice_file.h"

#include <algorithm>
#include <cstring>

namespace {

// Characters in `text` as the field copy walks them: a lead byte takes the
// next byte with it.
std::size_t CountCharacters(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count)
        i += IsGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    return count;
}

bool EndsInLoneLeadByte(const char* field) {
    std::size_t i = 0;
    while (field[i] != '\0') {
        if (IsGbkLeadByte(static_cast<unsigned char>(field[i]))) {
            if (field[i + 1] == '\0')
                return true;
            i += 2;
        } else {
            i += 1;
        }
    }
    return false;
}

// The whole-file findings that come from the raw bytes.
void CheckRawBytes(const std::string& bytes, std::vector<Problem>& findings) {
    if (bytes.compare(0, 3, utf8ByteOrderMark) == 0)
        findings.push_back({0, Msg::byteOrderMark, {}});
    else if (StartsWithUtf16ByteOrderMark(bytes))
        findings.push_back({0, Msg::utf16, {}});
    else if (LooksLikeUtf8(bytes))
        findings.push_back({0, Msg::looksLikeUtf8, {}});
    const std::size_t ctrlZ = bytes.find('\x1A');
    if (ctrlZ != std::string::npos && ctrlZ + 1 < bytes.size()) {
        const auto line = 1 + static_cast<unsigned>(std::count(
                                  bytes.begin(), bytes.begin() + static_cast<long>(ctrlZ), '\n'));
        findings.push_back({line, Msg::ctrlZ, {Number(bytes.size() - ctrlZ - 1)}});
    }
}

// Follows the loader line by line and looks at every line and field it fills.
class Walk {
  public:
    explicit Walk(CheckResult& result) : result_(result) {}

    void read(const char* line, std::size_t length);
    void finish();

  private:
    void add(Msg id, unsigned line, std::vector<std::string> args = {}) {
        result_.findings.push_back({line, id, std::move(args)});
    }
    void checkBytes(const char* line, std::size_t length);
    void checkField(const char* field);
    void checkCharacter(const std::string& content);
    void checkCode(const std::string& content);
    void endPhysicalLine(bool endedByLineFeed);

    CheckResult& result_;
    CheckedEntry staging_{};
    int lineOfGroup_ = 0;
    unsigned physicalLine_ = 1;
    std::size_t offset_ = 0; // bytes of the physical line read so far
    unsigned pieces_ = 0;    // reads that the physical line took so far
    bool reasonMayBeCut_ = false;
    bool nulReported_ = false;
    bool carriageReturnReported_ = false;
};

void Walk::checkBytes(const char* line, std::size_t length) {
    if (std::strlen(line) < length && !nulReported_) {
        nulReported_ = true;
        add(Msg::nulByte, physicalLine_);
    }
    if (std::memchr(line, '\r', length) != nullptr && !carriageReturnReported_) {
        carriageReturnReported_ = true;
        add(Msg::carriageReturn, physicalLine_);
    }
}

void Walk::checkField(const char* field) {
    if (EndsInLoneLeadByte(field))
        add(Msg::loneLeadByte, physicalLine_);
}

void Walk::checkCharacter(const std::string& content) {
    const std::size_t count = CountCharacters(content);
    if (count == 0)
        add(Msg::emptyCharacter, physicalLine_);
    else if (count > 1)
        add(Msg::severalCharacters, physicalLine_, {Number(count)});
}

void Walk::checkCode(const std::string& content) {
    if (content.empty()) {
        add(Msg::emptyCode, physicalLine_);
        return;
    }
    if (content.size() > longestCode)
        add(Msg::longCode, physicalLine_, {Number(content.size()), Number(longestCode)});
    const bool lettersOnly = std::all_of(content.begin(), content.end(), IsAsciiLetter);
    if (!lettersOnly)
        add(Msg::codeNotLetters, physicalLine_);
}

void Walk::endPhysicalLine(bool endedByLineFeed) {
    if (pieces_ > 1) {
        const std::size_t bytes = offset_ - (endedByLineFeed ? 1 : 0);
        add(Msg::longLine, physicalLine_, {Number(bytes), Number(longestLine), Number(pieces_)});
    }
    ++physicalLine_;
    offset_ = 0;
    pieces_ = 0;
    nulReported_ = carriageReturnReported_ = false;
}

void Walk::read(const char* line, std::size_t length) {
    const bool endsLine = line[length - 1] == '\n';
    // The previous read filled a reason and stopped short of its line end: the
    // reason was cut if this continuation holds more than the line feed.
    if (reasonMayBeCut_ && !(length == 1 && endsLine))
        add(Msg::reasonCut, physicalLine_,
            {Number(std::strlen(result_.entries.back().entry.reason))});
    reasonMayBeCut_ = false;

    checkBytes(line, length);
    const LinePlace place{physicalLine_, static_cast<unsigned>(offset_)};
    std::string content(line, std::strlen(line));
    if (!content.empty() && content.back() == '\n')
        content.pop_back();
    CharEntry& entry = staging_.entry;
    staging_.lines[lineOfGroup_] = place;
    if (lineOfGroup_ == 0) {
        CopyField(entry.character, line, characterWidth, GbkCodePage());
        checkCharacter(content);
        checkField(entry.character);
    } else if (lineOfGroup_ == 1) {
        CopyField(entry.code, line, codeWidth, GbkCodePage());
        checkCode(content);
        checkField(entry.code);
    } else {
        CopyField(entry.reason, line, reasonWidth, GbkCodePage());
        checkField(entry.reason);
        result_.entries.push_back(staging_);
        reasonMayBeCut_ = !endsLine;
    }
    lineOfGroup_ = (lineOfGroup_ + 1) % 3;

    offset_ += length;
    ++pieces_;
    if (endsLine)
        endPhysicalLine(true);
}

void Walk::finish() {
    if (pieces_ != 0)
        endPhysicalLine(false);
    if (lineOfGroup_ != 0)
        add(Msg::incompleteEntry, staging_.lines[0].line);
    if (result_.entries.empty())
        add(Msg::noEntries, 0);
}

} // namespace

bool CheckPracticeFile(const char* path, CheckResult& result) {
    result = CheckResult{};
    std::string bytes;
    FileSource file;
    if (!ReadWholeFile(path, bytes) || !file.open(path))
        return false;
    CheckRawBytes(bytes, result.findings);

    Walk walk(result);
    LineReader reader(file);
    char line[lineBufferSize];
    std::size_t length;
    while (reader.readLine(line, length))
        walk.read(line, length);
    walk.finish();
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return true;
}
