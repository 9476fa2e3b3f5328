#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/text/whole_file.h"

namespace {

constexpr char32_t separator = U'※';

// "字<TAB>※g1※g2※": the character and its glyphs. False when the line is not
// of that form.
bool ParseLine(const std::string& line, char32_t& character, std::u32string& glyphs) {
    std::size_t position = 0;
    char32_t c;
    if (!NextUtf8(line, position, character) || position >= line.size() || line[position] != '\t')
        return false;
    ++position;
    glyphs.clear();
    bool separated = false;
    while (NextUtf8(line, position, c)) {
        if (c == separator)
            separated = true;
        else if (separated)
            glyphs += c, separated = false;
        else
            return false; // two glyphs without a separator between them
    }
    return position == line.size() && separated && !glyphs.empty();
}

} // namespace

bool ReadRadicalData(const char* path,
                     const std::function<void(char32_t, const std::u32string&)>& visit,
                     Problem& problem) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        problem = {0, Msg::radicalsUnreadable, {}};
        return false;
    }
    return ForEachLine(bytes, [&](const std::string& line, unsigned number) {
        char32_t character;
        std::u32string spelled;
        if (line.empty() || line[0] == '#')
            return true;
        if (!ParseLine(line, character, spelled)) {
            problem = {number, Msg::radicalsMalformed, {}};
            return false;
        }
        visit(character, spelled);
        return true;
    });
}

bool ReadRadicalData(const char* path, const std::set<char32_t>& wanted,
                     std::map<char32_t, std::u32string>& glyphs, Problem& problem) {
    return ReadRadicalData(
        path,
        [&](char32_t character, const std::u32string& spelled) {
            if (wanted.count(character))
                glyphs[character] = spelled;
        },
        problem);
}

std::string RadicalDataLine(char32_t character, const std::u32string& glyphs) {
    std::string line;
    AppendUtf8(line, character);
    line += '\t';
    for (char32_t glyph : glyphs) {
        AppendUtf8(line, separator);
        AppendUtf8(line, glyph);
    }
    AppendUtf8(line, separator);
    return line;
}
