// Where the identification code does not take a character's last written
// stroke: the rule of the version that gives it, read from each version's
// codes.
#pragma once

#include "practice_tool/wubi/spelling.h"
#include "practice_tool/wubi/version.h"

struct LastStrokeRule {
    // The radical whose inner part gives the last stroke: 辶 廴 囗 匚, and
    // holding a part (杂合型) 86's 戈 弋, 98's 戈 戊; null where none does.
    const char* holder = nullptr;
    // 86's radicals counted as ending in 折 (力 刀 方 乃, written ending in 丿;
    // the rule's 九 and 匕 end in 折 as written) or, at the right or the
    // bottom, in 丿 (戈 戋); null where none is.
    const char* counted = nullptr;
    const char* countedAs = nullptr; // "乙" or "丿"
    bool any() const { return holder != nullptr || counted != nullptr; }
};

// The rule that gives the last stroke of `spelling`'s identification code in
// `version`; none where the code takes the last written stroke, or where
// there is no identification code.
LastStrokeRule LastStrokeRuleOf(WubiVersion version, const Spelling& spelling);
