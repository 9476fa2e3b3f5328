#include "practice_tool/material/review_sheet.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/text/whole_file.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/wubi/radical_names.h"
#include "practice_tool/wubi/rime_table.h"

#include <cstring>
#include <map>
#include <set>

namespace {

constexpr std::size_t examplesPerGlyph = 5;
constexpr WubiVersion versions[] = {WubiVersion::wubi86, WubiVersion::wubi98};

// The key a glyph has in `version`: by its name on the chart, or for one that
// stands only for an identification code, that code; "-" where the version has
// no key for it.
std::string KeyIn(WubiVersion version, const RadicalName& glyph) {
    if (!*glyph.name)
        return std::string(u8"识别码") +
               AsciiUpper(IdentificationKey(glyph.idStroke, glyph.idShape));
    const WubiKey* key = FindKeyOfRadical(version, NameIn(version, glyph, nullptr));
    return key ? std::string(1, AsciiUpper(key->letter)) : "-";
}

} // namespace

bool WriteReviewSheet(const std::string& dataFolder, const char* out, std::string& failure) {
    RimeTable table86;
    Problem problem;
    if (!ReadRimeTable(DataFilesIn(dataFolder, WubiVersion::wubi86).table.c_str(), table86,
                       problem)) {
        failure = "cannot read the Wubi 86 table in " + dataFolder;
        return false;
    }
    const std::u32string common = FrequentCharacters(table86, table86.entries.size());
    const std::set<char32_t> wanted(common.begin(), common.end());
    // Each glyph's examples: the most common characters it stands in, with its
    // place there and, where only one version spells it so, which.
    std::map<char32_t, std::vector<std::string>> examples;
    std::map<char32_t, std::u32string> glyphs[2];
    for (int v = 0; v < 2; ++v)
        if (!ReadRadicalData(DataFilesIn(dataFolder, versions[v]).radicals.c_str(), wanted,
                             glyphs[v], problem)) {
            failure = "cannot read the radical data in " + dataFolder;
            return false;
        }
    for (char32_t character : common) {
        std::map<char32_t, std::pair<std::string, unsigned>> places; // "的1", versions' bits
        for (unsigned v = 0; v < 2; ++v) {
            const std::u32string& spelled = glyphs[v][character];
            for (std::size_t i = 0; i < spelled.size(); ++i) {
                auto& [place, in] = places[spelled[i]];
                if (place.empty()) {
                    AppendUtf8(place, character);
                    place += std::to_string(i + 1);
                }
                in |= 1u << v;
            }
        }
        for (const auto& [glyph, place] : places)
            if (examples[glyph].size() < examplesPerGlyph)
                examples[glyph].push_back(place.first + (place.second == 1   ? "(86)"
                                                         : place.second == 2 ? "(98)"
                                                                             : ""));
    }
    std::string text =
        "# The names of the radical glyphs, for reading through: glyph, name, key in\n"
        "# Wubi 86 and in 98, the most common characters it stands in (with its\n"
        "# place; (86) or (98) where only that version spells it so; in brackets\n"
        "# the name a version reads it by instead). Made by\n"
        "# make_material from practice_tool's own tables.\n";
    const auto [first, last] = RadicalNames();
    for (const RadicalName* glyph = first; glyph != last; ++glyph) {
        std::string name = *glyph->name ? Utf8FromGbk(glyph->name) : std::string("-");
        for (WubiVersion version : versions)
            if (const char* read = NameIn(version, *glyph, nullptr); read != glyph->name)
                name += " (" + std::string(DataOf(version).number) + ": " + Utf8FromGbk(read) + ")";
        text += CodePointName(glyph->glyph) + "\t" + name + "\t" + KeyIn(versions[0], *glyph) +
                "\t" + KeyIn(versions[1], *glyph) + "\t";
        for (const std::string& example : examples[glyph->glyph])
            text += example + " ";
        text.back() = '\n';
    }
    if (WriteWholeFile(out, text))
        return true;
    failure = std::string(out) + ": cannot write the file";
    return false;
}
