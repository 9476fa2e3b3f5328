#include "tools/practice_tool/check.h"
#include "tools/practice_tool/input_text.h"
#include "tools/practice_tool/tool_platform.h"
#include "tools/practice_tool/utf8.h"

#include "core/code_page.h"
#include "core/practice_file.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>

namespace {

constexpr unsigned materialCodePage = 936;
constexpr std::size_t longestLine = lineBufferSize - 2; // bytes before the line end
constexpr std::size_t longestCode = codeWidth - 1;

const CodePage& MaterialCodePage() {
    static const CodePage page = MakeCodePage(materialCodePage);
    return page;
}

bool IsLeadByte(unsigned char byte) {
    return MaterialCodePage().isLeadByte[byte];
}

std::string Text(const char* format, ...) {
    char buffer[300];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return buffer;
}

// Characters in `text` as the field copy walks them: a lead byte takes the
// next byte with it.
std::size_t CountCharacters(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count)
        i += IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    return count;
}

bool EndsInLoneLeadByte(const char* field) {
    std::size_t i = 0;
    while (field[i] != '\0') {
        if (IsLeadByte(static_cast<unsigned char>(field[i]))) {
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
void CheckRawBytes(const std::string& bytes, std::vector<Finding>& findings) {
    if (bytes.compare(0, 3, utf8ByteOrderMark) == 0) {
        findings.push_back({FindingKind::byteOrderMark, 0,
                            "starts with a UTF-8 byte-order mark, which the program reads as part "
                            "of the first character; convert the file to GBK"});
    } else if (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0) {
        findings.push_back({FindingKind::utf16, 0,
                            "is UTF-16 (it starts with its byte-order mark); the program reads "
                            "GBK: convert the file"});
    } else if (LooksLikeUtf8(bytes)) {
        findings.push_back({FindingKind::looksLikeUtf8, 0,
                            "looks like UTF-8; the program reads GBK and shows it as garbage: "
                            "convert the file"});
    }
    const std::size_t ctrlZ = bytes.find('\x1A');
    if (ctrlZ != std::string::npos && ctrlZ + 1 < bytes.size()) {
        const auto line = 1 + static_cast<unsigned>(std::count(
                                  bytes.begin(), bytes.begin() + static_cast<long>(ctrlZ), '\n'));
        findings.push_back({FindingKind::ctrlZ, line,
                            Text("Ctrl-Z byte (0x1A) ends the material; the %zu bytes after it "
                                 "are ignored",
                                 bytes.size() - ctrlZ - 1)});
    }
}

// Follows the loader line by line and looks at every line and field it fills.
class Walk {
  public:
    explicit Walk(CheckResult& result) : result_(result) {}

    void read(const char* line, std::size_t length);
    void finish();

  private:
    void add(FindingKind kind, unsigned line, std::string message) {
        result_.findings.push_back({kind, line, std::move(message)});
    }
    void checkBytes(const char* line, std::size_t length);
    void checkField(const char* field, const char* name);
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
        add(FindingKind::nulByte, physicalLine_,
            "NUL byte: the rest of the line is lost to its field");
    }
    if (std::memchr(line, '\r', length) != nullptr && !carriageReturnReported_) {
        carriageReturnReported_ = true;
        add(FindingKind::carriageReturn, physicalLine_,
            "carriage return that does not end the line: it stays in the field (or, as the "
            "only line end, joins lines)");
    }
}

void Walk::checkField(const char* field, const char* name) {
    if (EndsInLoneLeadByte(field))
        add(FindingKind::loneLeadByte, physicalLine_,
            Text("the %s ends in the first byte of a double-byte character without its second",
                 name));
}

void Walk::checkCharacter(const std::string& content) {
    const std::size_t count = CountCharacters(content);
    if (count == 0)
        add(FindingKind::emptyCharacter, physicalLine_,
            "empty character line: nothing to show (a blank line shifts every later entry)");
    else if (count > 1)
        add(FindingKind::severalCharacters, physicalLine_,
            Text("character line holds %zu characters; only the first is kept", count));
}

void Walk::checkCode(const std::string& content) {
    if (content.empty()) {
        add(FindingKind::emptyCode, physicalLine_,
            "empty code: an empty answer would count as right");
        return;
    }
    if (content.size() > longestCode)
        add(FindingKind::longCode, physicalLine_,
            Text("code line has %zu bytes; only the first %zu are kept", content.size(),
                 longestCode));
    const bool lettersOnly = std::all_of(content.begin(), content.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
    if (!lettersOnly)
        add(FindingKind::codeNotLetters, physicalLine_, "code holds something other than letters");
}

void Walk::endPhysicalLine(bool endedByLineFeed) {
    if (pieces_ > 1) {
        const std::size_t bytes = offset_ - (endedByLineFeed ? 1 : 0);
        add(FindingKind::longLine, physicalLine_,
            Text("line has %zu bytes; at most %zu fit before the line end, so it is read as %u "
                 "lines and every later entry shifts",
                 bytes, longestLine, pieces_));
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
        add(FindingKind::reasonCut, physicalLine_,
            Text("reason is cut after %zu bytes; the rest is read as the next line",
                 std::strlen(result_.entries.back().entry.reason)));
    reasonMayBeCut_ = false;

    checkBytes(line, length);
    const LinePlace place{physicalLine_, static_cast<unsigned>(offset_)};
    std::string content(line, std::strlen(line));
    if (!content.empty() && content.back() == '\n')
        content.pop_back();
    CharEntry& entry = staging_.entry;
    staging_.lines[lineOfGroup_] = place;
    if (lineOfGroup_ == 0) {
        CopyField(entry.character, line, characterWidth, MaterialCodePage());
        checkCharacter(content);
        checkField(entry.character, "character");
    } else if (lineOfGroup_ == 1) {
        CopyField(entry.code, line, codeWidth, MaterialCodePage());
        checkCode(content);
        checkField(entry.code, "code");
    } else {
        CopyField(entry.reason, line, reasonWidth, MaterialCodePage());
        checkField(entry.reason, "reason");
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
    if (lineOfGroup_ != 0) {
        const unsigned first = staging_.lines[0].line;
        const unsigned last = staging_.lines[lineOfGroup_ - 1].line;
        add(FindingKind::incompleteEntry, first,
            first == last ? Text("line %u is an incomplete entry at the end and is ignored", first)
                          : Text("lines %u-%u are an incomplete entry at the end and are ignored",
                                 first, last));
    }
    if (result_.entries.empty())
        add(FindingKind::noEntries, 0, "holds no entry: an entry takes three lines");
}

std::string PlaceName(const LinePlace& place) {
    return place.offset == 0 ? Text("%u", place.line) : Text("%u+%u", place.line, place.offset);
}

// "lines 4-6" for three whole consecutive lines, else each place.
std::string PlacesName(const LinePlace (&lines)[3]) {
    const bool plain = lines[0].offset == 0 && lines[1].offset == 0 && lines[2].offset == 0 &&
                       lines[1].line == lines[0].line + 1 && lines[2].line == lines[1].line + 1;
    if (plain)
        return Text("lines %u-%u", lines[0].line, lines[2].line);
    return "lines " + PlaceName(lines[0]) + "," + PlaceName(lines[1]) + "," + PlaceName(lines[2]);
}

// Control bytes as \xNN, so that a stray CR cannot garble the listing.
std::string Showable(const char* field) {
    std::string out;
    for (std::size_t i = 0; field[i] != '\0'; ++i) {
        const unsigned char byte = static_cast<unsigned char>(field[i]);
        if (IsLeadByte(byte) && field[i + 1] != '\0' &&
            static_cast<unsigned char>(field[i + 1]) >= 0x40) {
            out.append(field + i, 2);
            ++i;
        } else if (byte < 0x20 || byte == 0x7F) {
            out += Text("\\x%02X", byte);
        } else {
            out += field[i];
        }
    }
    return out;
}

void PrintEntry(std::FILE* out, std::size_t number, const CheckedEntry& checked) {
    std::fprintf(out, "%5zu  %-18s ", number, PlacesName(checked.lines).c_str());
    PrintMaterial(out, Showable(checked.entry.character));
    std::fprintf(out, "  %-4s  ", checked.entry.code);
    PrintMaterial(out, Showable(checked.entry.reason));
    std::fputc('\n', out);
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
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return true;
}

void PrintCheckResult(std::FILE* out, const char* path, const CheckResult& result, bool quiet) {
    for (std::size_t i = 0; !quiet && i < result.entries.size(); ++i)
        PrintEntry(out, i + 1, result.entries[i]);
    for (const Finding& finding : result.findings) {
        if (finding.line == 0)
            std::fprintf(out, "%s: warning: %s\n", path, finding.message.c_str());
        else
            std::fprintf(out, "%s:%u: warning: %s\n", path, finding.line, finding.message.c_str());
    }
    std::fprintf(out, "%s: %zu entries, %zu warnings\n", path, result.entries.size(),
                 result.findings.size());
}
