// Names for the glyphs of the radical data, and how a character's glyphs read
// in one version of Wubi: each radical with its key, found through the
// version's chart, and the identification code with what it stands for.
#pragma once

#include "practice_tool/wubi_version.h"

#include <string>
#include <utility>
#include <vector>

struct RadicalName {
    char32_t glyph;
    const char* name; // GBK: the radical it depicts, or the name learners use
    // For a glyph that stands for an identification code: the zone of the last
    // stroke (1 横 to 5 折) and the shape (1 左右, 2 上下, 3 杂合); 0 otherwise.
    unsigned idStroke;
    unsigned idShape;
};

// The name of a glyph, or null where it has none.
const RadicalName* FindRadicalName(char32_t glyph);

// Every glyph with a name, by code point: [first, second).
std::pair<const RadicalName*, const RadicalName*> RadicalNames();

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
