// Names for the glyphs of the radical data: the radical each private-use glyph
// depicts, as learners read it.
#pragma once

#include "practice_tool/wubi/version.h"

#include <utility>

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

// The name `glyph` reads by in `version`, where the glyph after it is `next`
// (null at the end): the glyph's own name but where a version's learners call
// the piece otherwise, or the glyph stands for two pieces that what follows
// tells apart.
const char* NameIn(WubiVersion version, const RadicalName& glyph, const RadicalName* next);

// Every glyph with a name, by code point: [first, second).
std::pair<const RadicalName*, const RadicalName*> RadicalNames();
