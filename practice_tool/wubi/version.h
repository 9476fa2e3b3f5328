// The versions of Wubi the tool makes material for, and the data that comes
// with the tool for each: the files' names, and their paths in a folder.
#pragma once

#include <string>

enum class WubiVersion { wubi86, wubi98 };

struct VersionData {
    WubiVersion version;
    const char* number;   // as the user names it: "86", "98"
    const char* table;    // the Wubi table, in the Rime format
    const char* radicals; // the radical data of its full codes
};

constexpr VersionData versionData[] = {
    {WubiVersion::wubi86, "86", "wubi86-danzi.dict.yaml", "wubi86-zigen.txt"},
    {WubiVersion::wubi98, "98", "wubi98-danzi.dict.yaml", "wubi98-zigen.txt"},
};

constexpr const VersionData& DataOf(WubiVersion version) {
    return versionData[static_cast<int>(version)];
}

// The files material of a version is made from.
struct DataFiles {
    std::string table;     // the Wubi table of the version
    std::string radicals;  // the radical data of its full codes
    std::string weights;   // the table whose weights order by frequency: Wubi 86's
    std::string strokes;   // the strokes of characters and glyphs, for both versions
    std::string frequency; // the characters' frequency in modern text, most frequent first
};

// The frequency data, the same for either version.
constexpr const char* frequencyData = "hanzi-frequency.txt";

// The data of `version` in `folder` (ending in a separator).
inline DataFiles DataFilesIn(const std::string& folder, WubiVersion version) {
    return {folder + DataOf(version).table, folder + DataOf(version).radicals,
            folder + DataOf(WubiVersion::wubi86).table, folder + "strokes.txt",
            folder + frequencyData};
}
