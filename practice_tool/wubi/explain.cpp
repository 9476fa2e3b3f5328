#include "practice_tool/wubi/explain.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/practice_format.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/spelling.h"

#include <algorithm>

namespace {

// What learners of each version call a radical.
const char* RadicalWord(WubiVersion version) {
    return version == WubiVersion::wubi98 ? "码元" : "字根";
}

std::string Zone(const WubiKey& key) {
    return key.zone + Number(key.position);
}

// "G(横区)": the key and its zone, for a code whose radicals cannot be named.
std::string KeyLabels(WubiVersion version, const std::string& code, const char* separator) {
    std::string labels;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const WubiKey* key = FindKey(version, code[i]);
        labels += (i == 0 ? "" : separator) + std::string(1, AsciiUpper(code[i]));
        if (key != nullptr)
            labels += std::string("(") + key->zone + ")";
    }
    return labels;
}

// "白R 勹Q 丶Y": the first `count` radicals, each with its key.
std::string RadicalsText(const Spelling& spelling, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count && i < spelling.radicals.size(); ++i)
        text += (i == 0 ? "" : " ") + std::string(spelling.radicals[i].name) +
                AsciiUpper(spelling.radicals[i].key);
    return text;
}

// "白R 勹Q 丶Y + 识别码Y（末笔丶，左右型）"
std::string SpellingText(const Spelling& spelling) {
    std::string text = RadicalsText(spelling, spelling.radicals.size());
    if (spelling.identification != 0)
        text += std::string(" + 识别码") + AsciiUpper(spelling.identification) + "（" +
                IdentificationMeaning(spelling.identification) + "）";
    return text;
}

// A code as long as the full code is another full code.
const char* LevelName(std::size_t length, std::size_t fullLength) {
    if (length >= fullLength)
        return "全码";
    switch (length) {
    case 1: return "一级简码";
    case 2: return "二级简码";
    default: return "三级简码";
    }
}

// The character's other codes, named by level ("另有一级简码r，三级简码rqy。")
// or, shorter, all together ("另有简码r、rqy。"); empty when there are none.
std::string OtherCodes(const CharCodes& codes, const std::string& drilled, bool named) {
    std::string list;
    bool allShorter = true;
    for (const std::string& code : codes.shorter) {
        if (code == drilled)
            continue;
        allShorter = allShorter && code.size() < codes.full.size();
        if (named)
            list += (list.empty() ? "" : "，") +
                    std::string(LevelName(code.size(), codes.full.size())) + code;
        else
            list += (list.empty() ? "" : "、") + code;
    }
    if (list.empty())
        return list;
    return std::string("另有") + (named ? "" : allShorter ? "简码" : "编码") + list + "。";
}

// The five characters of the keys of `key`'s zone typed alone, as learners
// recite them ("一地在要工").
std::string ZoneLevelOne(WubiVersion version, const WubiKey& key) {
    std::string verse;
    for (const WubiKey& other : WubiKeys(version))
        if (other.position / 10 == key.position / 10)
            verse += other.levelOne;
    return verse;
}

// The key's verse, or where the version is learnt without one, the first
// radicals of its chart.
std::string KeyVerse(WubiVersion version, const WubiKey& key) {
    if (*key.verse)
        return std::string("口诀：") + key.verse;
    std::string names;
    const std::vector<std::string> radicals = ChartRadicals(key);
    for (std::size_t i = 0; i < radicals.size() && i < 5; ++i)
        names += (i == 0 ? "" : " ") + radicals[i];
    return std::string("本键") + RadicalWord(version) + "：" + names;
}

// True when a code spells a radical of its own: its key, then its strokes.
bool SpellsStrokes(const std::string& code, const WubiKey& key) {
    if (code.size() < 3 || code[0] != key.letter)
        return false;
    for (std::size_t i = 1; i < code.size(); ++i)
        if (StrokeName(code[i]) == nullptr)
            return false;
    return true;
}

std::string StrokeLetters(const std::string& code) {
    std::string text;
    for (std::size_t i = 1; i < code.size(); ++i)
        text += std::string(1, AsciiUpper(code[i])) + "(" + StrokeName(code[i]) + ")";
    return text;
}

// An explanation: a core that always stands, and additions, each kept only
// where the line still fits: the full code's radicals (or just the full code),
// the other codes (named by level, or just listed), and a last extra.
struct Explanation {
    std::string core;
    std::string detail;
    std::string detailBrief;
    std::string otherCodesNamed;
    std::string otherCodesShort;
    std::string extra;
};

// What does not fit goes: first the other codes (named, then just listed),
// then the extra, then the detail; never a cut inside a name or a character.
std::string Fit(const Explanation& parts) {
    const std::string none;
    for (const std::string* detail : {&parts.detail, &parts.detailBrief, &none})
        for (const std::string* extra : {&parts.extra, &none})
            for (const std::string* others :
                 {&parts.otherCodesNamed, &parts.otherCodesShort, &none})
                if (std::string line = parts.core + *detail + *others + *extra;
                    line.size() <= longestLine)
                    return line;
    return parts.core;
}

Explanation WithOtherCodes(std::string core, const CharCodes& codes, const std::string& drilled,
                           std::string extra = {}) {
    return {std::move(core),
            {},
            {},
            OtherCodes(codes, drilled, true),
            OtherCodes(codes, drilled, false),
            std::move(extra)};
}

std::string ExplainKeyName(WubiVersion version, const WubiKey& key, const CharCodes& codes) {
    return Fit(WithOtherCodes(std::string("键名字：连打四下") + AsciiUpper(key.letter) + "。" +
                                  Zone(key) + "。",
                              codes, codes.full, KeyVerse(version, key)));
}

std::string ExplainStroke(WubiVersion version, const WubiKey& key, const CharCodes& codes) {
    return Fit(WithOtherCodes(std::string("单笔画：") + AsciiUpper(key.letter) +
                                  "打两下，再加两个L。" + Zone(key) + "。",
                              codes, codes.full, KeyVerse(version, key)));
}

std::string ExplainOwnRadical(WubiVersion version, const WubiKey& key, const CharCodes& codes) {
    return Fit(WithOtherCodes(std::string("成字") + RadicalWord(version) + "：先打" +
                                  AsciiUpper(key.letter) + "(报户口)，再打笔画" +
                                  StrokeLetters(codes.full) + "。",
                              codes, codes.full, Zone(key) + "。" + KeyVerse(version, key)));
}

std::string ExplainFull(WubiVersion version, const CharCodes& codes, const Spelling* spelling) {
    return Fit(WithOtherCodes(
        "全码" + codes.full + "：" +
            (spelling ? SpellingText(*spelling) : KeyLabels(version, codes.full, " ")) + "。",
        codes, codes.full));
}

// The characters of a key of their own (key-name characters, single strokes,
// radicals that are characters) spell their codes rather than radicals.
enum class OwnKind { none, keyName, stroke, radical };

// How a short code of such a character is typed: "连打三下G", "G打两下，再加一个L".
std::string TypedOnItsKey(OwnKind kind, const std::string& code) {
    constexpr const char* times[] = {"", "", "两", "三"};
    const std::string letter(1, AsciiUpper(code[0]));
    if (code.size() == 1)
        return "只打" + letter;
    if (kind == OwnKind::keyName)
        return "连打" + std::string(times[code.size()]) + "下" + letter;
    if (kind == OwnKind::radical)
        return "先打" + letter + "(报户口)，再打笔画" + StrokeLetters(code);
    return letter + "打两下" + (code.size() == 3 ? "，再加一个L" : "");
}

// A short code keeps the first radicals of the full code; the one-letter codes
// that do not start it (有 e, full def) are told by key and zone.
std::string ExplainShort(WubiVersion version, const std::string& character, const CharCodes& codes,
                         const std::string& drilled, const Spelling* spelling, OwnKind kind) {
    const bool prefix = codes.full.compare(0, drilled.size(), drilled) == 0;
    std::string core = std::string(LevelName(drilled.size(), codes.full.size())) + drilled + "：";
    const WubiKey* key = FindKey(version, drilled[0]);
    if (prefix && kind != OwnKind::none)
        core += TypedOnItsKey(kind, drilled);
    else if (prefix && spelling != nullptr)
        core += RadicalsText(*spelling, drilled.size());
    else if (drilled.size() == 1 && key != nullptr)
        core += "只打" + std::string(1, AsciiUpper(drilled[0])) + "（" + Zone(*key) + "）";
    else
        core += KeyLabels(version, drilled, "+");
    Explanation parts = WithOtherCodes(core + "。", codes, drilled);
    parts.detailBrief = "全码" + codes.full + "。";
    if (spelling != nullptr && kind == OwnKind::none)
        parts.detail = "全码" + codes.full + "：" + SpellingText(*spelling) + "。";
    else
        parts.detail = parts.detailBrief;
    if (drilled.size() == 1 && key != nullptr && character == key->levelOne)
        parts.extra = "本区：" + ZoneLevelOne(version, *key) + "。";
    return Fit(parts);
}

} // namespace

std::string ExplainCode(WubiVersion version, const std::string& character, const CharCodes& codes,
                        const std::string& drilled, const std::u32string& glyphs) {
    Spelling spelling;
    // Only where the data's radicals spell the table's code.
    const bool spelled = SpellGlyphs(version, glyphs, spelling) && spelling.code() == codes.full;
    KeyCharacter found;
    const WubiKey* key = FindKeyCharacter(version, character.c_str(), found);
    const std::string letter(1, key != nullptr ? key->letter : '\0');
    OwnKind kind = OwnKind::none;
    if (key != nullptr && found == KeyCharacter::keyName &&
        codes.full == letter + letter + letter + letter)
        kind = OwnKind::keyName;
    else if (key != nullptr && found == KeyCharacter::stroke &&
             codes.full == letter + letter + "ll")
        kind = OwnKind::stroke;
    else if (key != nullptr && found == KeyCharacter::radical && SpellsStrokes(codes.full, *key))
        kind = OwnKind::radical;
    if (drilled != codes.full)
        return ExplainShort(version, character, codes, drilled, spelled ? &spelling : nullptr,
                            kind);
    switch (kind) {
    case OwnKind::keyName: return ExplainKeyName(version, *key, codes);
    case OwnKind::stroke: return ExplainStroke(version, *key, codes);
    case OwnKind::radical: return ExplainOwnRadical(version, *key, codes);
    default: return ExplainFull(version, codes, spelled ? &spelling : nullptr);
    }
}
