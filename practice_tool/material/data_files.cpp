#include "practice_tool/material/data_files.h"
#include "practice_tool/material/corrections.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/text/whole_file.h"
#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/wubi/rime_table.h"

#include <map>
#include <set>

namespace {

// The notices at the top of the data files: where each comes from, under
// which licence, and what was changed. UTF-8, as the files are.
constexpr char table86Notice[] =
    u8"# Wubi 86 table for Tarnvel's practice_tool: the single characters of GBK with\n"
    u8"# their full and short codes and weights, in the source's order.\n"
    u8"#\n"
    u8"# Made by Tarnvel's make_material from wubi86.dict.yaml (version {version}) as\n"
    u8"# Debian packages it in rime-data-wubi (upstream https://github.com/rime/rime-wubi).\n"
    u8"# Changed on 2026-12-07 by leaving out phrases, the stem column, lookup codes\n"
    u8"# (starting with z) and characters outside GBK; on 2026-12-09 by adding, before\n"
    u8"# the table's line, the code the characters' own radicals spell (with the\n"
    u8"# table's weight, so it is drilled, the table's staying the other code):\n"
    u8"{corrections}"
    u8"# Nothing else is changed.\n"
    u8"# Licence: GNU LGPL version 3. Tarnvel's release holds its text in\n"
    u8"# licenses/LGPL-3.0.txt (with licenses/GPL-3.0.txt), and the table's origin and\n"
    u8"# authors in COPYING-samples.txt.\n"
    u8"#\n"
    u8"# The source's own comments:\n";
constexpr char table98Notice[] =
    u8"# Wubi 98 table for Tarnvel's practice_tool: the single characters of GBK with\n"
    u8"# their full code and the short codes they are typed by, ranked as the source\n"
    u8"# ranks them.\n"
    u8"#\n"
    u8"# Made by Tarnvel's make_material from the tables GB18030-27533.txt (full codes)\n"
    u8"# and 98五笔单字表-【单义】.txt (every code of each character, ranked) of\n"
    u8"# https://github.com/yanhuacuo/98wubi-tables, commit de7058ef, which their\n"
    u8"# authors dedicate to the public domain (the Unlicense: licenses/Unlicense.txt).\n"
    u8"# Changed on 2026-12-07: converted from UTF-16 to UTF-8 and the Rime format;\n"
    u8"# only characters GBK holds; a code shorter than the full code is kept only\n"
    u8"# for the character the source ranks first for it, the one it types.\n"
    u8"# Changed on 2026-12-09 by adding, before the table's line, the code the\n"
    u8"# characters' own radicals spell, so it is drilled:\n"
    u8"{corrections}"
    u8"\n"
    u8"---\n"
    u8"name: wubi98-danzi\n"
    u8"version: \"de7058ef\"\n"
    u8"sort: original\n"
    u8"columns:\n"
    u8"  - text\n"
    u8"  - code\n"
    u8"...\n"
    u8"\n";
constexpr char radicalsNotice[] =
    u8"# Wubi {version} radical data for Tarnvel's practice_tool: for each character GBK\n"
    u8"# holds, the radicals its full code takes, one per code letter, in order, as\n"
    u8"# private-use glyphs that practice_tool names.\n"
    u8"#\n"
    u8"# Made by Tarnvel's make_material from Fire/Resources/wubi{version}_spelling.txt of\n"
    u8"# https://github.com/qwertyyb/Fire, commit e4020ba4, under the MIT licence\n"
    u8"# (Copyright (c) 2019 qwertyyb; licenses/MIT-radical-data.txt).\n"
    u8"# Changed on 2026-12-07 by leaving out the characters outside GBK and adding\n"
    u8"# these comment lines; on 2026-12-09 by correcting the radicals of\n"
    u8"{corrections}"
    u8"# Nothing else is changed.\n";

std::string WithVersion(const char* notice, const std::string& version,
                        const std::string& corrections) {
    std::string text = notice;
    for (std::size_t at; (at = text.find("{version}")) != std::string::npos;)
        text.replace(at, 9, version);
    if (const std::size_t at = text.find("{corrections}"); at != std::string::npos)
        text.replace(at, 13, corrections);
    return text;
}

// The line of a code that corrects the table, to go before `entry`'s; "".
std::string CorrectionBefore(WubiVersion version, char32_t character, const std::string& code,
                             const std::string& weight) {
    std::string line;
    for (std::size_t i = 0; i < codeCorrectionCount; ++i) {
        const CodeCorrection& correction = codeCorrections[i];
        if (correction.version == version && correction.character == character &&
            code == correction.besides) {
            AppendUtf8(line, character);
            line +=
                std::string("\t") + correction.code + (weight.empty() ? "" : "\t" + weight) + "\n";
        }
    }
    return line;
}

bool InGbk(char32_t character) {
    return !GbkCharacter(character).empty();
}

bool WriteText(const char* path, const std::string& text, std::string& failure) {
    if (WriteWholeFile(path, text))
        return true;
    failure = std::string(path) + ": cannot write the file";
    return false;
}

// A UTF-16 table of "字<TAB>code" lines, in order.
bool ReadCodeList(const char* path, std::vector<std::pair<char32_t, std::string>>& list,
                  std::string& failure) {
    std::string bytes, text;
    if (!ReadWholeFile(path, bytes) || !Utf8FromUtf16(bytes, text)) {
        failure = std::string(path) + ": cannot be read as UTF-16";
        return false;
    }
    return ForEachLine(text, [&](const std::string& line, unsigned number) {
        std::size_t position = 0;
        char32_t character;
        const std::size_t tab = line.find('\t');
        if (line.empty())
            return true;
        if (!NextUtf8(line, position, character) || position != tab) {
            failure = std::string(path) + ":" + std::to_string(number) + ": not 字<TAB>code";
            return false;
        }
        list.emplace_back(character, line.substr(tab + 1));
        return true;
    });
}

} // namespace

bool WriteTable86(const char* source, const char* out, std::string& failure) {
    RimeTable table;
    Problem problem;
    if (!ReadRimeTable(source, table, problem)) {
        failure = std::string(source) + ": cannot be read as a Rime table";
        return false;
    }
    std::string version = "unknown";
    for (const std::string& line : table.header)
        if (line.compare(0, 8, "version:") == 0)
            version = line.substr(line.find_first_not_of(' ', 8));
    std::string text =
        WithVersion(table86Notice, version, CodeCorrectionNotice(WubiVersion::wubi86));
    for (const std::string& comment : table.comments)
        text += comment + "\n";
    text += "\n---\nname: wubi86-danzi\nversion: " + version +
            "\nsort: by_weight\ncolumns:\n  - text\n  - code\n  - weight\n...\n\n";
    for (const RimeEntry& entry : table.entries) {
        if (!InGbk(entry.character))
            continue;
        text += CorrectionBefore(WubiVersion::wubi86, entry.character, entry.code, entry.weight);
        AppendUtf8(text, entry.character);
        text += "\t" + entry.code + (entry.weight.empty() ? "" : "\t" + entry.weight) + "\n";
    }
    return WriteText(out, text, failure);
}

bool WriteTable98(const char* fullCodes, const char* ranked, const char* out,
                  std::string& failure) {
    std::vector<std::pair<char32_t, std::string>> fulls, codes;
    if (!ReadCodeList(fullCodes, fulls, failure) || !ReadCodeList(ranked, codes, failure))
        return false;
    const std::map<char32_t, std::string> full(fulls.begin(), fulls.end());
    std::set<std::string> taken; // short codes already given to the first ranked
    std::string text = WithVersion(table98Notice, "98", CodeCorrectionNotice(WubiVersion::wubi98));
    for (const auto& [character, code] : codes) {
        const auto found = full.find(character);
        if (found == full.end() || code.size() > found->second.size() ||
            (code.size() == found->second.size() && code != found->second)) {
            failure = std::string(ranked) + ": a code that is not the full code's or shorter";
            return false;
        }
        const bool first = code == found->second || taken.insert(code).second;
        if (first && InGbk(character)) {
            text += CorrectionBefore(WubiVersion::wubi98, character, code, "");
            AppendUtf8(text, character);
            text += "\t" + code + "\n";
        }
    }
    return WriteText(out, text, failure);
}

bool WriteRadicalData(const char* spelling, const std::string& version, const char* out,
                      std::string& failure) {
    // In the source's order.
    const WubiVersion wubi = version == "98" ? WubiVersion::wubi98 : WubiVersion::wubi86;
    std::string text = WithVersion(radicalsNotice, version, RadicalCorrectionNotice(wubi));
    Problem problem;
    if (!ReadRadicalData(
            spelling,
            [&](char32_t character, const std::u32string& glyphs) {
                const char32_t* corrected = CorrectedGlyphs(wubi, character);
                if (InGbk(character))
                    text += RadicalDataLine(character, corrected ? corrected : glyphs) + "\n";
            },
            problem)) {
        failure = std::string(spelling) + ": cannot be read as radical data";
        return false;
    }
    return WriteText(out, text, failure);
}
