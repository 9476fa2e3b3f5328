#include "practice_tool/wubi/stroke_counts.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/text/whole_file.h"
#include "practice_tool/wubi/radical_names.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t spelledRadicals = 4;

// The glyphs that stand for radicals: all but an identification code's last.
std::u32string Radicals(const std::u32string& glyphs) {
    if (glyphs.size() < 3 || glyphs.size() > 4)
        return glyphs;
    const RadicalName* last = FindRadicalName(glyphs.back());
    return last != nullptr && last->idStroke != 0 ? glyphs.substr(0, glyphs.size() - 1) : glyphs;
}

// The strokes of a glyph whose name is a GBK character with a count, or one
// stroke's name ("横折钩"); 0 where the name tells none.
unsigned NamedStrokes(const RadicalName& glyph, const StrokeCounts& characters) {
    constexpr const char* strokes[] = {
        "横折", "横折提", "横折弯钩", "横撇弯钩", "横折折撇", "横折折折钩", "横折折", "竖提",
        "撇点", "斜钩",   "竖折折钩", "横折钩",   "撇折",     "竖折",       "横斜钩", "横撇"};
    for (const char* stroke : strokes)
        if (std::strcmp(glyph.name, stroke) == 0)
            return 1;
    if (std::strlen(glyph.name) != 2)
        return 0;
    const std::string utf8 = Utf8FromGbk(glyph.name);
    std::size_t at = 0;
    char32_t character;
    if (!NextUtf8(utf8, at, character))
        return 0;
    const auto found = characters.find(character);
    return found != characters.end() ? found->second : 0;
}

} // namespace

bool ReadStrokeCounts(const char* path, StrokeCounts& counts) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return false;
    return ForEachLine(bytes, [&](const std::string& line, unsigned) {
        std::size_t at = 0;
        char32_t character;
        if (line.empty() || line[0] == '#')
            return true;
        if (!NextUtf8(line, at, character) || at >= line.size() || line[at] != '\t')
            return false;
        counts[character] = static_cast<unsigned>(std::strtoul(line.c_str() + at + 1, nullptr, 10));
        return true;
    });
}

bool SkipsRadicals(char32_t character, const std::u32string& glyphs, const StrokeCounts& counts) {
    const std::u32string radicals = Radicals(glyphs);
    const auto total = counts.find(character);
    if (radicals.size() != spelledRadicals || total == counts.end())
        return false;
    unsigned named = 0;
    for (char32_t glyph : radicals) {
        const auto found = counts.find(glyph);
        if (found == counts.end())
            return false;
        named += found->second;
    }
    return named < total->second;
}

StrokeCounts GlyphStrokes(const std::map<char32_t, std::u32string>& spellings,
                          const StrokeCounts& characters) {
    StrokeCounts glyphs;
    const auto [first, last] = RadicalNames();
    for (const RadicalName* glyph = first; glyph != last; ++glyph)
        if (const unsigned strokes = NamedStrokes(*glyph, characters); strokes != 0)
            glyphs[glyph->glyph] = strokes;
    // Each round, a glyph that is the only one not known in a character of up
    // to three radicals takes the count most such characters leave it.
    for (bool learnt = true; learnt;) {
        std::map<char32_t, std::map<unsigned, std::size_t>> votes;
        for (const auto& [character, spelled] : spellings) {
            const std::u32string radicals = Radicals(spelled);
            const auto total = characters.find(character);
            if (radicals.size() >= spelledRadicals || total == characters.end())
                continue;
            unsigned known = 0;
            std::vector<char32_t> unknown;
            for (char32_t glyph : radicals) {
                const auto found = glyphs.find(glyph);
                found != glyphs.end() ? void(known += found->second) : unknown.push_back(glyph);
            }
            if (unknown.size() == 1 && total->second > known)
                ++votes[unknown[0]][total->second - known];
        }
        learnt = !votes.empty();
        for (const auto& [glyph, counts] : votes) {
            std::pair<unsigned, std::size_t> best{0, 0};
            for (const auto& [strokes, voters] : counts)
                if (voters > best.second)
                    best = {strokes, voters};
            glyphs[glyph] = best.first;
        }
    }
    return glyphs;
}
