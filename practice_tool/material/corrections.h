// The corrections make_material applies to the data it makes, each with its
// reason, so that every character of GB2312 is explained by its radicals:
// codes the tables lack, and radicals the radical data gives wrongly. UTF-8,
// as the data is; the data's README and notices list them.
#pragma once

#include "practice_tool/wubi/version.h"

#include <cstddef>
#include <string>

// A code to drill, put before the table's line of `besides`, which stays as
// the character's other code.
struct CodeCorrection {
    WubiVersion version;
    char32_t character;
    const char* code;
    const char* besides;
    const char* reason;
};

// The glyphs a character's radicals take instead of the source's.
struct RadicalCorrection {
    WubiVersion version;
    char32_t character;
    const char32_t* glyphs;
    const char* reason;
};

extern const CodeCorrection codeCorrections[];
extern const std::size_t codeCorrectionCount;
extern const RadicalCorrection radicalCorrections[];
extern const std::size_t radicalCorrectionCount;

// The corrected glyphs of `character` in `version`, or null where the source
// stands.
const char32_t* CorrectedGlyphs(WubiVersion version, char32_t character);

// The notice lines that list the corrections of `version` ("# 蔻 apfc: …"),
// codes or radicals; "" where there are none.
std::string CodeCorrectionNotice(WubiVersion version);
std::string RadicalCorrectionNotice(WubiVersion version);
