// The strokes of the characters (Unihan's kTotalStrokes) and of the radical
// data's glyphs (from the characters they stand in), which tell where a code
// of four radicals leaves radicals out between its third and its last.
#pragma once

#include <map>
#include <string>

using StrokeCounts = std::map<char32_t, unsigned>;

// Reads the "字<TAB>strokes" lines of `path` (UTF-8; # starts a comment);
// false where it cannot be read, and the explanations then mark no skip.
bool ReadStrokeCounts(const char* path, StrokeCounts& counts);

// Whether the radicals of `glyphs`, four of them, have fewer strokes than
// `character`, so that the code takes its first, second, third and last
// radicals of more; false where a count is missing.
bool SkipsRadicals(char32_t character, const std::u32string& glyphs, const StrokeCounts& counts);

// The strokes of each glyph, as the characters of one to three radicals
// (whose radicals hold every stroke) give them: from the glyphs that name a
// character or a single stroke, the count most of the characters leave over.
StrokeCounts GlyphStrokes(const std::map<char32_t, std::u32string>& spellings,
                          const StrokeCounts& characters);
