#include "practice_tool/wubi/explain.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/practice_format.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/last_stroke.h"
#include "practice_tool/wubi/spelling.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

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

// "白R 勹Q 丶Y + 识别码Y（末笔丶，左右型）"; `withRule`, where a rule gives the
// last stroke, with it: "力L 辶P + 识别码V（辶内末笔乙，杂合型；力末笔算乙）".
std::string SpellingText(WubiVersion version, const Spelling& spelling, bool withRule) {
    std::string text = RadicalsText(spelling, spelling.radicals.size());
    if (spelling.identification == 0)
        return text;
    const LastStrokeRule rule = withRule ? LastStrokeRuleOf(version, spelling) : LastStrokeRule{};
    text += std::string(" + 识别码") + AsciiUpper(spelling.identification) + "（" +
            (rule.holder ? std::string(rule.holder) + "内" : "") +
            IdentificationMeaning(spelling.identification);
    if (rule.counted != nullptr)
        text += std::string("；") + rule.counted + "末笔算" + rule.countedAs;
    return text + "）";
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

// What a line keeps when it is too long, most needed first: the code and its
// radicals, the short codes typed every day, the rule behind the last stroke,
// the other codes, the marks and labels, and what the learner can look up.
enum class Level { code, dailyCodes, lastStrokeRule, otherCodes, marks, lookUp };

// One piece of a line in its forms, the plainest first; each form is kept at
// its level where the line still fits.
struct Form {
    Level level;
    std::string text;
};
using Piece = std::vector<Form>;

// The line of `pieces`, in their order: every form of Level::code, then level
// by level the richest form of each piece that still fits. When a form does
// not fit, nothing of a later level is added, so nothing is kept while
// something more needed is left out; nothing is cut inside a name.
std::string Fit(const std::vector<Piece>& pieces) {
    std::vector<std::size_t> chosen(pieces.size(), 0); // forms taken + 1
    std::size_t length = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        for (std::size_t form = 0; form < pieces[i].size(); ++form)
            if (pieces[i][form].level == Level::code) {
                length += pieces[i][form].text.size() -
                          (chosen[i] ? pieces[i][chosen[i] - 1].text.size() : 0);
                chosen[i] = form + 1;
            }
    for (Level level : {Level::dailyCodes, Level::lastStrokeRule, Level::otherCodes, Level::marks,
                        Level::lookUp}) {
        bool missed = false;
        for (std::size_t i = 0; i < pieces.size(); ++i)
            for (std::size_t form = pieces[i].size(); form > chosen[i]; --form) {
                if (pieces[i][form - 1].level != level)
                    continue;
                const std::size_t taken = chosen[i] ? pieces[i][chosen[i] - 1].text.size() : 0;
                const std::size_t longer = length - taken + pieces[i][form - 1].text.size();
                missed = missed || longer > longestLine;
                if (longer <= longestLine) {
                    length = longer;
                    chosen[i] = form;
                    missed = false;
                    break;
                }
            }
        if (missed)
            break;
    }
    std::string line;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (chosen[i])
            line += pieces[i][chosen[i] - 1].text;
    return line;
}

// "另有一、三级简码r、rqy。": codes shorter than the full code with their levels
// put together, but where a table gives two codes of a level ("另有三级简码abc、
// 三级简码abd。"); longer ones as 全码.
std::string NamedCodes(const std::vector<std::string>& list, std::size_t fullLength) {
    constexpr const char* digits[] = {"", "一", "二", "三"};
    std::string levels, shorter, eachNamed, longer;
    std::set<std::size_t> seen;
    bool distinct = true;
    for (const std::string& code : list) {
        const std::string comma = shorter.empty() ? "" : "、";
        if (code.size() >= fullLength) {
            longer += (longer.empty() ? "全码" : "、") + code;
            continue;
        }
        distinct = seen.insert(code.size()).second && distinct;
        levels += comma + digits[code.size()];
        shorter += comma + code;
        eachNamed += comma + digits[code.size()] + "级简码" + code;
    }
    if (!shorter.empty())
        shorter = distinct ? levels + "级简码" + shorter : eachNamed;
    return "另有" + shorter + (shorter.empty() || longer.empty() ? "" : "，") + longer + "。";
}

// The character's other codes: the codes of one or two letters and a
// character's only short code come first in what is kept, the rest after.
Piece OtherCodes(const CharCodes& codes, const std::string& drilled) {
    const bool onlyShort =
        std::count_if(codes.shorter.begin(), codes.shorter.end(), [&](const std::string& code) {
            return code.size() < codes.full.size();
        }) == 1;
    std::vector<std::string> daily, all;
    for (const std::string& code : codes.shorter) {
        if (code == drilled)
            continue;
        all.push_back(code);
        if (code.size() <= 2 || (onlyShort && drilled == codes.full))
            daily.push_back(code);
    }
    Piece piece;
    if (!daily.empty())
        piece.push_back({Level::dailyCodes, NamedCodes(daily, codes.full.size())});
    if (all.size() > daily.size())
        piece.push_back({Level::otherCodes, NamedCodes(all, codes.full.size())});
    return piece;
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

// The radicals of their own whose codes take their strokes out of their
// written order, which 98's codes keep: 86's 力 ltn and 乃 etn (written 折
// then 撇), 止 hhhg (丨一丨一).
bool StrokesOutOfOrder(WubiVersion version, const std::string& character) {
    constexpr const char* outOfOrder86[] = {"力", "乃", "止"};
    return version == WubiVersion::wubi86 &&
           std::find(std::begin(outOfOrder86), std::end(outOfOrder86), character) !=
               std::end(outOfOrder86);
}

// The strokes a radical of its own is typed by after its key: "首笔T、次笔Y",
// or with each stroke's name, "首笔T(撇)、次笔Y(捺)". A code of four letters
// takes the first, second and last strokes, one of three the two strokes of a
// radical of two; a code out of the written order names no place.
std::string StrokeLetters(const std::string& code, bool outOfOrder, bool named) {
    constexpr const char* places[] = {"首笔", "次笔", "末笔"};
    std::string text = outOfOrder ? "笔画" : "";
    for (std::size_t i = 1; i < code.size(); ++i) {
        if (!outOfOrder)
            text += std::string(i == 1 ? "" : "、") + places[i - 1];
        text += AsciiUpper(code[i]);
        if (named)
            text += std::string("(") + StrokeName(code[i]) + ")";
    }
    return text;
}

// A line: its core, the other codes, and what the learner can look up.
std::string FitWithOtherCodes(std::string core, const CharCodes& codes, const std::string& drilled,
                              Piece lookUp = {}) {
    return Fit({{{Level::code, std::move(core)}}, OtherCodes(codes, drilled), std::move(lookUp)});
}

// The key's zone, then its verse too.
Piece ZoneAndVerse(WubiVersion version, const WubiKey& key) {
    return {{Level::lookUp, Zone(key) + "。"},
            {Level::lookUp, Zone(key) + "。" + KeyVerse(version, key)}};
}

std::string ExplainKeyName(WubiVersion version, const WubiKey& key, const CharCodes& codes) {
    return FitWithOtherCodes(std::string("键名字：连打四下") + AsciiUpper(key.letter) + "。", codes,
                             codes.full, ZoneAndVerse(version, key));
}

std::string ExplainStroke(WubiVersion version, const WubiKey& key, const CharCodes& codes) {
    return FitWithOtherCodes(std::string("单笔画：") + AsciiUpper(key.letter) +
                                 "打两下，再加两个L。",
                             codes, codes.full, ZoneAndVerse(version, key));
}

std::string ExplainOwnRadical(WubiVersion version, const std::string& character, const WubiKey& key,
                              const CharCodes& codes) {
    const bool outOfOrder = StrokesOutOfOrder(version, character);
    return Fit({{{Level::code, std::string("成字") + RadicalWord(version) + "：先打" +
                                   AsciiUpper(key.letter) + "(报户口)，再打"}},
                {{Level::code, StrokeLetters(codes.full, outOfOrder, false)},
                 {Level::marks, StrokeLetters(codes.full, outOfOrder, true)}},
                {{Level::code, "。"}},
                OtherCodes(codes, codes.full),
                ZoneAndVerse(version, key)});
}

// "dddd也是大的全码。" where a character other than the key name has its code
// (靥); else nothing.
Piece KeyNameCode(WubiVersion version, const std::string& code) {
    const WubiKey* key = FindKey(version, code[0]);
    if (key == nullptr || code != std::string(4, key->letter))
        return {};
    return {{Level::code, code + "也是" + key->keyName + "的全码。"}};
}

// "亠Y 竖折N 口K … 丶Y", with the rule's name "（取一二三末）" too where
// `named`: four radicals of more.
std::string SkippingText(const Spelling& spelling, bool named) {
    return RadicalsText(spelling, 3) + " … " + spelling.radicals[3].name +
           AsciiUpper(spelling.radicals[3].key) + (named ? "（取一二三末）" : "");
}

std::string ExplainFull(WubiVersion version, const CharCodes& codes, const Spelling* spelling,
                        bool skips) {
    const std::string head = "全码" + codes.full + "：";
    if (spelling == nullptr)
        return FitWithOtherCodes(head + KeyLabels(version, codes.full, " ") + "。", codes,
                                 codes.full);
    Piece spelled{{Level::code, head + SpellingText(version, *spelling, false) + "。"}};
    if (LastStrokeRuleOf(version, *spelling).any())
        spelled.push_back(
            {Level::lastStrokeRule, head + SpellingText(version, *spelling, true) + "。"});
    if (skips && spelling->radicals.size() == 4 && spelling->identification == 0)
        for (bool named : {false, true})
            spelled.push_back({Level::marks, head + SkippingText(*spelling, named) + "。"});
    return Fit({spelled, KeyNameCode(version, codes.full), OtherCodes(codes, codes.full)});
}

// The characters of a key of their own (key-name characters, single strokes,
// radicals that are characters) spell their codes rather than radicals.
enum class OwnKind { none, keyName, stroke, radical };

// How a short code of such a character is typed: "连打三下G", "G打两下，再加一个L".
std::string TypedOnItsKey(OwnKind kind, const std::string& code, bool outOfOrder) {
    constexpr const char* times[] = {"", "", "两", "三"};
    const std::string letter(1, AsciiUpper(code[0]));
    if (code.size() == 1)
        return "只打" + letter;
    if (kind == OwnKind::keyName)
        return "连打" + std::string(times[code.size()]) + "下" + letter;
    if (kind == OwnKind::radical)
        return "先打" + letter + "(报户口)，再打" + StrokeLetters(code, outOfOrder, true);
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
        core += TypedOnItsKey(kind, drilled, StrokesOutOfOrder(version, character));
    else if (prefix && spelling != nullptr)
        core += RadicalsText(*spelling, drilled.size());
    else if (drilled.size() == 1 && key != nullptr)
        core += "只打" + std::string(1, AsciiUpper(drilled[0])) + "（" + Zone(*key) + "）";
    else
        core += KeyLabels(version, drilled, "+");
    const std::string brief = "全码" + codes.full + "。";
    Piece full{{Level::code, brief}};
    if (spelling != nullptr && kind == OwnKind::none)
        full.push_back({Level::otherCodes, "全码" + codes.full + "：" +
                                               SpellingText(version, *spelling, true) + "。"});
    Piece zone;
    if (drilled.size() == 1 && key != nullptr && character == key->levelOne)
        zone.push_back({Level::lookUp, "本区：" + ZoneLevelOne(version, *key) + "。"});
    return Fit({{{Level::code, core + "。"}}, full, OtherCodes(codes, drilled), zone});
}

} // namespace

std::string ExplainCode(WubiVersion version, const std::string& character, const CharCodes& codes,
                        const std::string& drilled, const std::u32string& glyphs, bool skips) {
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
    case OwnKind::radical: return ExplainOwnRadical(version, character, *key, codes);
    default: return ExplainFull(version, codes, spelled ? &spelling : nullptr, skips);
    }
}

std::string ExplainRadicalDrill(WubiVersion version, const WubiKey& key, const std::string& radical,
                                const std::string& example) {
    const std::string core = RadicalWord(version) + std::string("练习 ") + radical + "：" +
                             AsciiUpper(key.letter) + "键，" + Zone(key) + "。";
    const std::string verse = KeyVerse(version, key) + "。";
    const std::string holder = example.empty() ? "" : "例字：" + example + "。";
    // The verse without its label where the whole does not fit.
    const std::string bare = *key.verse ? std::string(key.verse) + "。" : verse;
    for (const std::string& line : {core + verse + holder, core + bare + holder, core + verse})
        if (line.size() <= longestLine)
            return line;
    return core;
}
