// How a character's glyphs in the radical data read in one version of Wubi:
// each radical with its key, found through its name on the version's chart,
// and the identification code with what it stands for.
#pragma once

#include "practice_tool/wubi/version.h"

#include <string>
#include <vector>

struct SpelledRadical {
    const char* name;
    char key;
};

struct Spelling {
    std::vector<SpelledRadical> radicals;
    char identification = 0; // the identification code's key, 0 where there is none
    // The code these spell.
    std::string code() const;
};

// How the glyphs of a character read in `version`. An identification code is
// told by glyph and place: a glyph that can stand for one, last, after two or
// three radicals. False where a glyph has no name or its name no key.
bool SpellGlyphs(WubiVersion version, const std::u32string& glyphs, Spelling& spelling);

// What the identification code on `key` stands for: "末笔丶，左右型".
std::string IdentificationMeaning(char key);
