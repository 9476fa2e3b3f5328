// The 25 keys of Wubi 86 and of Wubi 98 as learners know them: zone,
// key-name character, the characters that are radicals of their own, the
// radicals the key carries and (86) the mnemonic verse. Texts are GBK bytes.
#pragma once

#include "practice_tool/wubi/version.h"

#include <cstddef>
#include <string>
#include <vector>

struct WubiKey {
    char letter;          // lower case
    unsigned position;    // zone and place in it, 11 (G) to 55 (X)
    const char* zone;     // 横区, 竖区, 撇区, 捺区 or 折区
    const char* keyName;  // 键名字: typed as the letter four times
    const char* stroke;   // the single stroke on the key, or ""
    const char* radicals; // the other characters that are radicals of their own
    const char* verse;    // 字根助记词, or "" where the chart is learnt without one
    const char* levelOne; // the character typed by this key alone (一级简码)
    const char* chart;    // the names of every radical on the key, space separated
};

constexpr std::size_t wubiKeyCount = 25;

// The keys in zone order: G F D S A, H J K L M, T R E W Q, Y U I O P, N B V C X.
const WubiKey (&WubiKeys(WubiVersion version))[wubiKeyCount];

// The names of the radicals on `key`, as its chart lists them.
std::vector<std::string> ChartRadicals(const WubiKey& key);

// The key of `letter` (either case), or null.
const WubiKey* FindKey(WubiVersion version, char letter);

// The key whose key-name character, single stroke or radical list holds the
// GBK character `character` (two bytes), or null. `kind` tells which.
enum class KeyCharacter { keyName, stroke, radical };
const WubiKey* FindKeyCharacter(WubiVersion version, const char* character, KeyCharacter& kind);

// The key whose chart holds the radical named `name`, or null.
const WubiKey* FindKeyOfRadical(WubiVersion version, const char* name);

// The key of an identification code: the zone of the last stroke (1 横 to
// 5 折) and the place of the shape in it (1 左右, 2 上下, 3 杂合); 0 for no
// such place.
char IdentificationKey(unsigned stroke, unsigned shape);

// The stroke a letter stands for in a code that spells strokes: g 横, h 竖,
// t 撇, y 捺 (with 点), n 折; null for the other letters.
const char* StrokeName(char letter);
