// The explanations that practice files made by this tool carry: the
// character's own radicals in order, each with its key, and the
// identification code with what it stands for; what kind of code it is; what
// other codes the character has.
#pragma once

#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/rime_table.h"
#include "practice_tool/wubi/version.h"

#include <string>

// The explanation of `drilled` (the full code or one of the shorter ones) for
// the GBK character `character` in `version`, in GBK, at most `longestLine`
// bytes, so that it is read as one line. `glyphs` are the character's glyphs in the radical data;
// where they cannot be named or do not spell the table's full code, the explanation tells keys and
// zones only. `skips`: the character has more radicals than the four its code
// takes (SkipsRadicals), which the full code's explanation marks where it fits.
std::string ExplainCode(WubiVersion version, const std::string& character, const CharCodes& codes,
                        const std::string& drilled, const std::u32string& glyphs,
                        bool skips = false);

// The explanation of a radical drill's entry: the radical (GBK), its key with
// zone and place, the key's verse (98: its first radicals) and `example`, a
// character that holds it ("" for none).
std::string ExplainRadicalDrill(WubiVersion version, const WubiKey& key, const std::string& radical,
                                const std::string& example);
