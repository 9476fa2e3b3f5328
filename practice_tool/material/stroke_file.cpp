#include "practice_tool/material/stroke_file.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/text/whole_file.h"
#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/wubi/rime_table.h"
#include "practice_tool/wubi/stroke_counts.h"
#include "practice_tool/wubi/version.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr char notice[] =
    u8"# Strokes for Tarnvel's practice_tool: the strokes of each character of its\n"
    u8"# Wubi tables, then of each private-use glyph of its radical data, which tell\n"
    u8"# where an explanation marks the radicals a code of four leaves out.\n"
    u8"#\n"
    u8"# The characters' counts are Unihan's kTotalStrokes (its first value), from\n"
    u8"# Unihan_IRGSources.txt of the Unicode Character Database {version} as Debian\n"
    u8"# packages it in unicode-data; Copyright (c) 1991-2005 Unicode, Inc., under\n"
    u8"# the Unicode licence (licenses/Unicode-DFS-2016.txt). Made by Tarnvel's\n"
    u8"# make_material on 2026-12-09, which kept only these characters and this\n"
    u8"# field; the glyphs' counts are its own, from the characters they stand in.\n";

// The whole text of `path`, through bzcat where it is compressed.
bool ReadUnihan(const char* path, std::string& text) {
    const std::string name = path;
    if (name.size() < 4 || name.compare(name.size() - 4, 4, ".bz2") != 0)
        return ReadWholeFile(path, text);
    FILE* pipe = popen(("bzcat '" + name + "'").c_str(), "r");
    if (pipe == nullptr)
        return false;
    char buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, got);
    return pclose(pipe) == 0;
}

// "U+4E00<TAB>kTotalStrokes<TAB>1": each character's first count; the
// database's version from its header's "# Unicode version: ".
void ReadTotalStrokes(const std::string& text, StrokeCounts& counts, std::string& version) {
    ForEachLine(text, [&](const std::string& line, unsigned) {
        const std::size_t field = line.find("\tkTotalStrokes\t");
        if (line.compare(0, 2, "U+") == 0 && field != std::string::npos)
            counts[static_cast<char32_t>(std::strtoul(line.c_str() + 2, nullptr, 16))] =
                static_cast<unsigned>(std::strtoul(line.c_str() + field + 15, nullptr, 10));
        else if (line.compare(0, 19, "# Unicode version: ") == 0 && version.empty())
            version = line.substr(19);
        return true;
    });
}

} // namespace

bool WriteStrokeFile(const char* unihan, const std::string& dataFolder, const char* out,
                     std::string& failure) {
    std::string text;
    StrokeCounts all, kept, glyphs;
    std::string version;
    if (!ReadUnihan(unihan, text)) {
        failure = std::string(unihan) + ": cannot be read";
        return false;
    }
    ReadTotalStrokes(text, all, version);
    for (WubiVersion wubi : {WubiVersion::wubi86, WubiVersion::wubi98}) {
        const DataFiles files = DataFilesIn(dataFolder, wubi);
        RimeTable table;
        std::map<char32_t, std::u32string> spellings;
        Problem problem;
        if (!ReadRimeTable(files.table.c_str(), table, problem) ||
            !ReadRadicalData(
                files.radicals.c_str(),
                [&](char32_t c, const std::u32string& spelled) { spellings[c] = spelled; },
                problem)) {
            failure = "cannot read the data of Wubi " + std::string(DataOf(wubi).number);
            return false;
        }
        for (const RimeEntry& entry : table.entries)
            if (const auto found = all.find(entry.character); found != all.end())
                kept.insert(*found);
        for (const auto& glyph : GlyphStrokes(spellings, all))
            glyphs.insert(glyph); // 86's count where both versions have the glyph
    }
    std::string file = notice;
    file.replace(file.find("{version}"), 9, version.empty() ? "unknown" : version);
    for (const StrokeCounts* counts : {&kept, &glyphs})
        for (const auto& [character, strokes] : *counts) {
            AppendUtf8(file, character);
            file += "\t" + std::to_string(strokes) + "\n";
        }
    if (WriteWholeFile(out, file))
        return true;
    failure = std::string(out) + ": cannot write the file";
    return false;
}
