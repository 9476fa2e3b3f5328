#include "practice_tool/explain.h"
#include "practice_tool/wubi_keys.h"

#include <cstdio>

namespace {

char Upper(char letter) {
    return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

std::string Number(unsigned value) {
    char text[12];
    std::snprintf(text, sizeof text, "%u", value);
    return text;
}

// "G(王,横区)": the key, its key-name character and its zone.
std::string KeyLabel(char letter) {
    const WubiKey* key = FindKey(letter);
    if (key == nullptr)
        return std::string(1, Upper(letter));
    return std::string(1, Upper(letter)) + "(" + key->keyName + "," + key->zone + ")";
}

std::string KeyLabels(const std::string& code, const char* separator) {
    std::string labels;
    for (std::size_t i = 0; i < code.size(); ++i)
        labels += (i == 0 ? "" : separator) + KeyLabel(code[i]);
    return labels;
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
std::string ZoneLevelOne(const WubiKey& key) {
    std::string verse;
    for (const WubiKey& other : WubiKeys())
        if (other.position / 10 == key.position / 10)
            verse += other.levelOne;
    return verse;
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
        text += std::string(1, Upper(code[i])) + "(" + StrokeName(code[i]) + ")";
    return text;
}

// Cuts `text` to the line's room without splitting a double-byte character.
std::string TrimToFit(const std::string& text) {
    std::size_t end = 0;
    for (std::size_t next; end < text.size(); end = next) {
        next = end + (static_cast<unsigned char>(text[end]) >= 0x81 ? 2 : 1);
        if (next > longestReason)
            break;
    }
    return text.substr(0, end);
}

// An explanation: a core that always stands, and additions in order of worth,
// each kept only where the line still fits.
struct Explanation {
    std::string core;
    std::string otherCodesNamed;
    std::string otherCodesShort;
    std::string extra;
};

std::string Fit(const Explanation& parts) {
    const std::string candidates[] = {
        parts.core + parts.otherCodesNamed + parts.extra,
        parts.core + parts.otherCodesShort + parts.extra,
        parts.core + parts.otherCodesNamed,
        parts.core + parts.otherCodesShort,
        parts.core,
    };
    for (const std::string& candidate : candidates)
        if (candidate.size() <= longestReason)
            return candidate;
    return TrimToFit(parts.core);
}

Explanation WithOtherCodes(std::string core, const CharCodes& codes, const std::string& drilled,
                           std::string extra = {}) {
    return {std::move(core), OtherCodes(codes, drilled, true), OtherCodes(codes, drilled, false),
            std::move(extra)};
}

std::string Zone(const WubiKey& key) {
    return key.zone + Number(key.position);
}

std::string Verse(const WubiKey& key) {
    return std::string("口诀：") + key.verse;
}

std::string ExplainKeyName(const WubiKey& key, const CharCodes& codes) {
    return Fit(WithOtherCodes(std::string("键名字：连打四下") + Upper(key.letter) + "。" +
                                  Zone(key) + "。",
                              codes, codes.full, Verse(key)));
}

std::string ExplainStroke(const WubiKey& key, const CharCodes& codes) {
    return Fit(WithOtherCodes(std::string("单笔画：") + Upper(key.letter) + "打两下，再加两个L。" +
                                  Zone(key) + "。",
                              codes, codes.full, Verse(key)));
}

std::string ExplainRadical(const WubiKey& key, const CharCodes& codes) {
    return Fit(WithOtherCodes(std::string("成字字根：先打") + Upper(key.letter) +
                                  "(报户口)，再打笔画" + StrokeLetters(codes.full) + "。",
                              codes, codes.full, Zone(key) + "。" + Verse(key)));
}

std::string ExplainFull(const CharCodes& codes) {
    return Fit(WithOtherCodes("全码" + codes.full + "：" + KeyLabels(codes.full, " ") + "。", codes,
                              codes.full));
}

std::string ExplainShort(const std::string& character, const CharCodes& codes,
                         const std::string& drilled) {
    std::string core = std::string(LevelName(drilled.size(), codes.full.size())) + "：";
    std::string extra;
    if (drilled.size() == 1) {
        core += "只打" + KeyLabel(drilled[0]) + "。";
        const WubiKey* key = FindKey(drilled[0]);
        if (key != nullptr && character == key->levelOne)
            extra = "本区：" + ZoneLevelOne(*key) + "。";
    } else {
        core += KeyLabels(drilled, "+") + "。";
    }
    core += "全码" + codes.full + "。";
    return Fit(WithOtherCodes(std::move(core), codes, drilled, std::move(extra)));
}

} // namespace

std::string ExplainCode(const std::string& character, const CharCodes& codes,
                        const std::string& drilled) {
    if (drilled != codes.full)
        return ExplainShort(character, codes, drilled);
    KeyCharacter kind;
    const WubiKey* key = FindKeyCharacter(character.c_str(), kind);
    const std::string letter(1, key != nullptr ? key->letter : '\0');
    if (key != nullptr && kind == KeyCharacter::keyName &&
        codes.full == letter + letter + letter + letter)
        return ExplainKeyName(*key, codes);
    if (key != nullptr && kind == KeyCharacter::stroke && codes.full == letter + letter + "ll")
        return ExplainStroke(*key, codes);
    if (key != nullptr && kind == KeyCharacter::radical && SpellsStrokes(codes.full, *key))
        return ExplainRadical(*key, codes);
    return ExplainFull(codes);
}
