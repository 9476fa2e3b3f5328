// Builds practice material for the Chinese characters of any text from a Wubi
// table.
#pragma once

#include "practice_tool/text/author_text.h"
#include "practice_tool/wubi/version.h"

#include <cstdint>
#include <string>

// Which code goes on an entry's code line: the full code, or the short code of
// one, two or three letters; or, for a radical drill, the key of each radical
// of the text's characters that is one GBK character on the version's chart.
enum class DrillCode { full, one, two, three, radical };

// The order of the entries: as the characters first come in the text, the
// most frequent in modern text first (radicals: those most of the text's
// characters hold), or shuffled by a number.
enum class Order { text, frequency, shuffle };

struct MakeOptions {
    WubiVersion version = WubiVersion::wubi86;
    DrillCode drill = DrillCode::full;
    Order order = Order::text;
    std::uint64_t shuffleNumber = 0;
    unsigned repeat = 1;  // each entry this many times in a row
    bool spaced = false;  // each entry four times on the spaced schedule
    std::string keys;     // when not empty: only codes of these keys (lower case)
    std::size_t most = 0; // when not 0: only the first this many, once ordered
};

struct MadeText {
    std::string text; // GBK, CR LF
    std::size_t entries = 0;
    std::size_t repeats = 0;      // characters met again after their entry was made
    std::size_t outsideTable = 0; // characters the table lacks or GBK cannot hold; blanks aside
    std::size_t withoutCode = 0;  // characters of the table without the code asked for
    std::size_t outsideKeys = 0;  // characters whose code uses other keys than those asked for
};

enum class MakeResult {
    made,
    nothing,       // no character of the text can be made
    sourceFailed,  // a source cannot be read; `problem` says why, `failedSource` which
    tooFewToSpace, // fewer characters than a spaced file needs (leastSpacedItems)
};

// The practice text for the characters of `input`: one entry for each
// character that the table has with the code asked for, in the order asked for,
// once, repeated or spaced; `made.entries` counts the repeats.
MakeResult MakePracticeText(const InputText& input, const DataFiles& sources,
                            const MakeOptions& options, MadeText& made, Problem& problem,
                            std::string& failedSource);
