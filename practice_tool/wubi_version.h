// The versions of Wubi the tool makes material for, and the data that comes
// with the tool for each, beside the program.
#pragma once

enum class WubiVersion { wubi86, wubi98 };

struct VersionData {
    const char* number;   // as the user names it: "86", "98"
    const char* table;    // the Wubi table, in the Rime format
    const char* radicals; // the radical data of its full codes
};

constexpr VersionData versionData[] = {
    {"86", "wubi86-danzi.dict.yaml", "wubi86-zigen.txt"},
    {"98", "wubi98-danzi.dict.yaml", "wubi98-zigen.txt"},
};

constexpr const VersionData& DataOf(WubiVersion version) {
    return versionData[static_cast<int>(version)];
}
