#include "practice_tool/check.h"
#include "practice_tool/input_text.h"
#include "practice_tool/tool_platform.h"
#include "practice_tool/gbk.h"
#include "practice_tool/utf8.h"
#include "practice_tool/wubi_table.h"

#include "core/code_page.h"
#include "core/practice_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>

namespace {

constexpr std::size_t longestLine = lineBufferSize - 2; // bytes before the line end
constexpr std::size_t longestCode = codeWidth - 1;

const CodePage& MaterialCodePage() {
    static const CodePage page = MakeCodePage(chineseCodePage);
    return page;
}

bool IsLeadByte(unsigned char byte) {
    return MaterialCodePage().isLeadByte[byte];
}

std::string Number(std::size_t value) {
    return std::to_string(value);
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
void CheckRawBytes(const std::string& bytes, std::vector<Problem>& findings) {
    if (bytes.compare(0, 3, utf8ByteOrderMark) == 0)
        findings.push_back({0, Msg::byteOrderMark, {}});
    else if (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0)
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
    const bool lettersOnly = std::all_of(content.begin(), content.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
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
        CopyField(entry.character, line, characterWidth, MaterialCodePage());
        checkCharacter(content);
        checkField(entry.character);
    } else if (lineOfGroup_ == 1) {
        CopyField(entry.code, line, codeWidth, MaterialCodePage());
        checkCode(content);
        checkField(entry.code);
    } else {
        CopyField(entry.reason, line, reasonWidth, MaterialCodePage());
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

std::string PlaceName(const LinePlace& place) {
    return Number(place.line) + (place.offset == 0 ? "" : "+" + Number(place.offset));
}

// "lines 4-6" for three whole consecutive lines, else each place.
std::string PlacesName(Language language, const LinePlace (&lines)[3]) {
    const bool plain = lines[0].offset == 0 && lines[1].offset == 0 && lines[2].offset == 0 &&
                       lines[1].line == lines[0].line + 1 && lines[2].line == lines[1].line + 1;
    if (plain)
        return Say(language, Msg::linesRange, {Number(lines[0].line), Number(lines[2].line)});
    return Say(language, Msg::linesPlaces,
               {PlaceName(lines[0]), PlaceName(lines[1]), PlaceName(lines[2])});
}

// Control bytes and lone lead bytes as \xNN, so that a stray CR cannot garble the
// listing and a lone lead byte cannot swallow what follows it.
std::string Showable(const char* field) {
    std::string out;
    for (std::size_t i = 0; field[i] != '\0'; ++i) {
        const unsigned char byte = static_cast<unsigned char>(field[i]);
        if (IsLeadByte(byte) && field[i + 1] != '\0' &&
            static_cast<unsigned char>(field[i + 1]) >= 0x40) {
            out.append(field + i, 2);
            ++i;
        } else if (byte < 0x20 || byte == 0x7F || IsLeadByte(byte)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += field[i];
        }
    }
    return out;
}

void PrintEntry(std::FILE* out, Language language, std::size_t number,
                const CheckedEntry& checked) {
    std::fprintf(out, "%5zu  %-18s ", number, PlacesName(language, checked.lines).c_str());
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
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return true;
}

void PrintCheckResult(std::FILE* out, Language language, const char* path,
                      const CheckResult& result, bool quiet) {
    for (std::size_t i = 0; !quiet && i < result.entries.size(); ++i)
        PrintEntry(out, language, i + 1, result.entries[i]);
    for (const Problem& finding : result.findings)
        PrintProblem(out, language, path, finding, Msg::warning);
    Print(out, language, Msg::checkSummary,
          {path, Number(result.entries.size()), Number(result.findings.size())});
}

void PrintProblem(std::FILE* stream, Language language, const char* path, const Problem& problem,
                  Msg kind) {
    const std::string said = Say(language, problem.id, problem.args);
    if (problem.line == 0)
        Print(stream, language, Msg::problemIn, {path, Say(language, kind), said});
    else
        Print(stream, language, Msg::problemAt,
              {path, Number(problem.line), Say(language, kind), said});
}

bool CheckCodes(const char* tablePath, const char* version, CheckResult& result, Problem& problem) {
    std::set<char32_t> wanted;
    std::vector<char32_t> characters; // of each entry, 0 where there is none
    for (const CheckedEntry& checked : result.entries) {
        char32_t character = 0;
        if (std::strlen(checked.entry.character) != 2 ||
            !DecodeGbk(checked.entry.character, 2, character))
            character = 0;
        characters.push_back(character);
        wanted.insert(character);
    }
    std::map<char32_t, std::vector<TableCode>> codes;
    if (!ReadWubiTable(tablePath, wanted, codes, problem))
        return false;
    for (std::size_t i = 0; i < result.entries.size(); ++i) {
        const CheckedEntry& checked = result.entries[i];
        std::string code = checked.entry.code;
        // Answers are judged without regard to case.
        for (char& c : code)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (characters[i] == 0 || code.empty() ||
            !std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            continue; // another finding tells what is wrong here
        const std::vector<TableCode>& known = codes[characters[i]];
        const bool found = std::any_of(known.begin(), known.end(),
                                       [&](const TableCode& entry) { return entry.code == code; });
        if (!found)
            result.findings.push_back({checked.lines[1].line,
                                       known.empty() ? Msg::notInTable : Msg::codeNotInTable,
                                       {checked.entry.code, version}});
    }
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return true;
}
