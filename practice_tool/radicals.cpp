#include "practice_tool/radicals.h"
#include "practice_tool/wubi_keys.h"

namespace {

// The identification code's key: the zone of the last stroke, the place of the shape.
char IdentificationKey(const RadicalName& glyph) {
    for (const WubiKey& key : WubiKeys(WubiVersion::wubi86))
        if (key.position == glyph.idStroke * 10 + glyph.idShape)
            return key.letter;
    return 0;
}

} // namespace

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
            spelling.identification = IdentificationKey(*glyph);
            return spelling.identification != 0;
        }
        const WubiKey* key = *glyph->name ? FindKeyOfRadical(version, glyph->name) : nullptr;
        if (key == nullptr)
            return false;
        spelling.radicals.push_back({glyph->name, key->letter});
    }
    return !spelling.radicals.empty();
}

std::string IdentificationMeaning(char key) {
    constexpr const char* strokes[] = {"一", "丨", "丿", "丶", "乙"};
    constexpr const char* shapes[] = {"左右型", "上下型", "杂合型"};
    const WubiKey* found = FindKey(WubiVersion::wubi86, key);
    if (found == nullptr || found->position % 10 > 3)
        return {};
    return std::string("末笔") + strokes[found->position / 10 - 1] + "，" +
           shapes[found->position % 10 - 1];
}
