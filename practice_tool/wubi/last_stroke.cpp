#include "practice_tool/wubi/last_stroke.h"
#include "practice_tool/wubi/key_charts.h"

#include <cstring>

namespace {

constexpr unsigned fold = 5, leftFalling = 3, mixedShape = 3;

bool IsOneOf(const char* name, std::initializer_list<const char*> names) {
    for (const char* candidate : names)
        if (std::strcmp(name, candidate) == 0)
            return true;
    return false;
}

// The radical that holds the rest of the character, and the radical that then
// ends it: 辶 廴 come last in the code, written after what they carry; 囗 匚
// first; a 戈 (弋, 戊) anywhere before the last radical.
const char* Holder(WubiVersion version, const std::vector<SpelledRadical>& radicals,
                   std::size_t& ender) {
    const std::size_t last = radicals.size() - 1;
    ender = last;
    if (last > 0 && IsOneOf(radicals[last].name, {"辶", "廴"})) {
        ender = last - 1;
        return radicals[last].name;
    }
    if (IsOneOf(radicals[0].name, {"囗", "匚"}))
        return radicals[0].name;
    for (std::size_t i = 0; i < last; ++i)
        if (version == WubiVersion::wubi86 ? IsOneOf(radicals[i].name, {"戈", "弋"})
                                           : IsOneOf(radicals[i].name, {"戈", "戊"}))
            return radicals[i].name;
    return nullptr;
}

} // namespace

LastStrokeRule LastStrokeRuleOf(WubiVersion version, const Spelling& spelling) {
    LastStrokeRule rule;
    const WubiKey* key = FindKey(version, spelling.identification);
    if (spelling.identification == 0 || key == nullptr || spelling.radicals.empty())
        return rule;
    const unsigned stroke = key->position / 10, shape = key->position % 10;
    std::size_t ender = 0;
    // Only a part held inside makes the character 杂合型: 划 and 垡 are not.
    if (const char* holder = Holder(version, spelling.radicals, ender); shape == mixedShape)
        rule.holder = holder;
    else
        ender = spelling.radicals.size() - 1;
    const char* name = spelling.radicals[ender].name;
    if (version != WubiVersion::wubi86)
        return rule;
    if (stroke == fold && IsOneOf(name, {"力", "刀", "方", "乃"}))
        rule.countedAs = "乙";
    else if (stroke == leftFalling && IsOneOf(name, {"戈", "戋"}))
        rule.countedAs = "丿";
    rule.counted = rule.countedAs != nullptr ? name : nullptr;
    return rule;
}
