#include "practice_tool/wubi/spelling.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/radical_names.h"

std::string Spelling::code() const {
    std::string spelled;
    for (const SpelledRadical& radical : radicals)
        spelled += radical.key;
    return identification ? spelled + identification : spelled;
}

bool SpellGlyphs(WubiVersion version, const std::u32string& glyphs, Spelling& spelling) {
    spelling = Spelling{};
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const RadicalName* glyph = FindRadicalName(glyphs[i]);
        if (glyph == nullptr)
            return false;
        const bool last = i + 1 == glyphs.size() && (i == 2 || i == 3);
        if (last && glyph->idStroke != 0) {
            spelling.identification = IdentificationKey(glyph->idStroke, glyph->idShape);
            return spelling.identification != 0;
        }
        const char* name = NameIn(version, *glyph,
                                  i + 1 < glyphs.size() ? FindRadicalName(glyphs[i + 1]) : nullptr);
        const WubiKey* key = *name ? FindKeyOfRadical(version, name) : nullptr;
        if (key == nullptr)
            return false;
        spelling.radicals.push_back({name, key->letter});
    }
    return !spelling.radicals.empty();
}

std::string IdentificationMeaning(char key) {
    constexpr const char* strokes[] = {"一", "丨", "丿", "丶", "乙"};
    constexpr const char* shapes[] = {"左右型", "上下型", "杂合型"};
    // Zones and places are the same in both versions.
    const WubiKey* found = FindKey(WubiVersion::wubi86, key);
    if (found == nullptr || found->position % 10 > 3)
        return {};
    return std::string("末笔") + strokes[found->position / 10 - 1] + "，" +
           shapes[found->position % 10 - 1];
}
