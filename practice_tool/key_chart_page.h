// The key chart of a Wubi version as a page to look at and to print: the 25
// letter keys in their keyboard rows, each with its zone and place, key-name
// character, radicals, one-letter short code and (86) verse; Z as the
// learning key. Made from the charts the explanations use.
#pragma once

#include "practice_tool/wubi/version.h"

#include <string>

// The page of `version`: one self-contained HTML file in UTF-8 (its styles
// inline, no script, system fonts only) that prints on one A4 page, landscape.
std::string KeyChartPage(WubiVersion version);
