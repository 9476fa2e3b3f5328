#include "practice_tool/material/sample_files.h"
#include "practice_tool/make.h"
#include "practice_tool/practice_writer.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/last_stroke.h"
#include "practice_tool/wubi/lesson_rules.h"
#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/wubi/rime_table.h"
#include "practice_tool/wubi/spelling.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace {

constexpr std::size_t commonCount = 1500;
constexpr std::size_t bandSize = mostLessonEntries / spacedTimes; // characters a spaced lesson
constexpr std::uint64_t mixedSeed = 25;
constexpr std::size_t ownRadicalLessons = 3;
constexpr const char* zoneNames[] = {"heng", "shu", "pie", "na", "zhe"};
constexpr const char* shapeNames[] = {"zuoyou", "shangxia", "zahe"};

// One part of a lesson: the characters it is made from and how.
struct Part {
    std::u32string text;
    MakeOptions options;
};

struct Lesson {
    std::string name; // without its number
    std::vector<Part> parts;
};

// What the lessons are chosen from.
struct CourseData {
    WubiVersion version;
    RimeTable table;
    std::u32string common;   // GB2312 by frequency, all of it
    CodesOfCharacters codes; // of the version
    std::map<char32_t, std::u32string> glyphs;
};

std::u32string Decoded(const char* gbk) {
    std::u32string characters;
    for (std::size_t i = 0; gbk[i] != '\0' && gbk[i + 1] != '\0'; i += 2) {
        char32_t character;
        if (DecodeGbk(gbk + i, 2, character))
            characters += character;
    }
    return characters;
}

std::string ZoneKeys(WubiVersion version, unsigned firstZone, unsigned lastZone) {
    std::string letters;
    for (const WubiKey& key : WubiKeys(version))
        if (key.position / 10 >= firstZone && key.position / 10 <= lastZone)
            letters += key.letter;
    return letters;
}

MakeOptions With(WubiVersion version, DrillCode drill, bool spaced, std::size_t most = 0) {
    MakeOptions options;
    options.version = version;
    options.drill = drill;
    options.spaced = spaced;
    options.most = most;
    return options;
}

// Each code with the characters that have it, in table order.
std::map<std::string, std::u32string> CharactersByCode(const RimeTable& table) {
    std::map<std::string, std::u32string> byCode;
    for (const RimeEntry& entry : table.entries) {
        std::u32string& characters = byCode[entry.code];
        if (characters.find(entry.character) == std::u32string::npos)
            characters += entry.character;
    }
    return byCode;
}

// The one character with `code`, if any; a table with several has no lesson for it.
bool OnlyCharacterWith(const std::map<std::string, std::u32string>& byCode, const std::string& code,
                       std::u32string& characters, std::string& failure) {
    const auto found = byCode.find(code);
    if (found == byCode.end())
        return true;
    if (found->second.size() > 1) {
        failure = "code " + code + " has several characters";
        return false;
    }
    characters += found->second;
    return true;
}

// The radicals on their keys, zone by zone, with a lesson of the common
// characters the zones so far type after each from the second on; then all
// mixed, then those most characters hold.
void RadicalLessons(const CourseData& data, std::vector<Lesson>& lessons) {
    const WubiVersion version = data.version;
    for (unsigned zone = 1; zone <= 5; ++zone) {
        MakeOptions radicals = With(version, DrillCode::radical, true, bandSize);
        radicals.keys = ZoneKeys(version, zone, zone);
        lessons.push_back({std::string("zigen-") + std::to_string(zone) + "-" + zoneNames[zone - 1],
                           {{data.common, radicals}}});
        if (zone == 1)
            continue;
        MakeOptions typed = With(version, DrillCode::full, true, bandSize);
        typed.keys = ZoneKeys(version, 1, zone);
        lessons.push_back({"zi-1-" + std::to_string(zone) + "-qu",
                           {{data.common.substr(0, commonCount), typed}}});
    }
    MakeOptions mixed = With(version, DrillCode::radical, false, mostLessonEntries);
    mixed.order = Order::shuffle;
    mixed.shuffleNumber = mixedSeed;
    lessons.push_back({"zigen-hunhe", {{data.common, mixed}}});
    MakeOptions most = With(version, DrillCode::radical, true, bandSize);
    most.order = Order::frequency;
    lessons.push_back({"zigen-changyong", {{data.common.substr(0, commonCount), most}}});
}

// The key-name characters; the characters typed by one key with their full
// codes; the characters that are radicals and the single strokes.
bool KeyLessons(const CourseData& data, std::vector<Lesson>& lessons, std::string& failure) {
    const auto byCode = CharactersByCode(data.table);
    std::u32string keyNames, levelOne, own;
    for (const WubiKey& key : WubiKeys(data.version)) {
        keyNames += Decoded(key.keyName);
        own += Decoded(key.stroke) + Decoded(key.radicals);
        if (!OnlyCharacterWith(byCode, std::string(1, key.letter), levelOne, failure))
            return false;
    }
    const WubiVersion version = data.version;
    lessons.push_back({"jianming", {{keyNames, With(version, DrillCode::full, true)}}});
    lessons.push_back({"yiji-jianma",
                       {{levelOne, With(version, DrillCode::one, true)},
                        {levelOne, With(version, DrillCode::full, false)}}});
    // As many lessons in either version, so that the courses keep one numbering.
    const std::size_t part = (own.size() + ownRadicalLessons - 1) / ownRadicalLessons;
    if (part > bandSize) {
        failure =
            "too many radicals of their own for " + std::to_string(ownRadicalLessons) + " lessons";
        return false;
    }
    for (std::size_t i = 0; i < ownRadicalLessons; ++i)
        lessons.push_back({"chengzi-zigen-" + std::to_string(i + 1),
                           {{own.substr(i * part, part), With(version, DrillCode::full, true)}}});
    return true;
}

// How a common character is spelled, where its radicals spell its full code.
bool SpelledAs(const CourseData& data, char32_t c, Spelling& spelling, std::string& full) {
    const auto glyphs = data.glyphs.find(c);
    const auto codes = data.codes.find(c);
    if (glyphs == data.glyphs.end() || codes == data.codes.end() ||
        !SpellGlyphs(data.version, glyphs->second, spelling))
        return false;
    full = SortCodes(codes->second).full;
    return spelling.code() == full;
}

// Two radicals and an identification code: by shape, then the groups whose
// two radicals' keys are the same, side by side.
void IdentificationLessons(const CourseData& data, std::vector<Lesson>& lessons) {
    std::u32string byShape[3];
    std::map<std::string, std::u32string> byKeys;
    std::vector<std::string> keysInOrder;
    for (char32_t c : data.common.substr(0, commonCount)) {
        Spelling spelling;
        std::string full;
        if (!SpelledAs(data, c, spelling, full) || spelling.radicals.size() != 2 ||
            spelling.identification == 0)
            continue;
        byShape[FindKey(data.version, spelling.identification)->position % 10 - 1] += c;
        if (byKeys[full.substr(0, 2)].empty())
            keysInOrder.push_back(full.substr(0, 2));
        byKeys[full.substr(0, 2)] += c;
    }
    for (unsigned shape = 0; shape < 3; ++shape)
        lessons.push_back(
            {std::string("shibiema-") + shapeNames[shape],
             {{byShape[shape], With(data.version, DrillCode::full, true, bandSize)}}});
    std::u32string groups;
    for (const std::string& keys : keysInOrder)
        if (byKeys[keys].size() > 1 && groups.size() + byKeys[keys].size() <= mostLessonEntries)
            groups += byKeys[keys];
    lessons.push_back({"shibiema-duibi", {{groups, With(data.version, DrillCode::full, false)}}});
}

// The two-letter short codes by the zone of their first key.
bool TwoLetterLessons(const CourseData& data, std::vector<Lesson>& lessons, std::string& failure) {
    const auto byCode = CharactersByCode(data.table);
    const auto& keys = WubiKeys(data.version);
    for (unsigned zone = 1; zone <= 5; ++zone) {
        std::u32string characters;
        for (const WubiKey& first : keys)
            for (const WubiKey& second : keys)
                if (first.position / 10 == zone &&
                    !OnlyCharacterWith(byCode, std::string{first.letter, second.letter}, characters,
                                       failure))
                    return false;
        lessons.push_back(
            {std::string("erji-jianma-") + std::to_string(zone) + "-" + zoneNames[zone - 1],
             {{characters, With(data.version, DrillCode::two, false)}}});
    }
    return true;
}

// The 1,500 most common characters in spaced bands, then those of them
// without a short code.
void CommonLessons(const CourseData& data, std::vector<Lesson>& lessons) {
    const std::u32string common = data.common.substr(0, commonCount);
    for (std::size_t start = 0; start < common.size(); start += bandSize) {
        const std::string band = std::to_string(start + 1) + "-" + std::to_string(start + bandSize);
        lessons.push_back(
            {"changyong-" + band,
             {{common.substr(start, bandSize), With(data.version, DrillCode::full, true)}}});
    }
    std::u32string unshortened;
    for (char32_t c : common) {
        const auto codes = data.codes.find(c);
        if (codes != data.codes.end() && SortCodes(codes->second).shorter.empty())
            unshortened += c;
    }
    for (std::size_t start = 0; start < unshortened.size(); start += mostLessonEntries)
        lessons.push_back({"quanma-" + std::to_string(start / mostLessonEntries + 1),
                           {{unshortened.substr(start, mostLessonEntries),
                             With(data.version, DrillCode::full, false)}}});
}

// The common characters whose identification code takes its last stroke from
// a rule of the version (辶 廴 囗 匚 and their like hold the last stroke; 86
// counts 力 刀 方 乃 as ending in 折), as the explanations say; the course's
// last lesson.
void LastStrokeLesson(const CourseData& data, std::vector<Lesson>& lessons) {
    std::u32string ruled;
    for (char32_t c : data.common.substr(0, commonCount)) {
        Spelling spelling;
        std::string full;
        if (SpelledAs(data, c, spelling, full) && spelling.identification != 0 &&
            LastStrokeRuleOf(data.version, spelling).any())
            ruled += c;
    }
    lessons.push_back({"shibiema-mobi-guize",
                       {{ruled, With(data.version, DrillCode::full,
                                     ruled.size() >= leastSpacedItems, bandSize)}}});
}

bool ReadCourseData(WubiVersion version, const DataFiles& sources, CourseData& data,
                    std::string& failure) {
    RimeTable table86;
    FrequencyRanks ranks;
    Problem problem;
    data.version = version;
    if (!ReadRimeTable(sources.table.c_str(), data.table, problem) ||
        !ReadRimeTable(sources.weights.c_str(), table86, problem) ||
        !ReadFrequencyRanks(sources.frequency.c_str(), ranks, problem)) {
        failure = "cannot read the tables and the frequency data of " + sources.table;
        return false;
    }
    data.common = CommonCharacters(table86, ranks, std::u32string::npos);
    const std::set<char32_t> wanted(data.common.begin(), data.common.end());
    data.codes = CodesByCharacter(data.table, &wanted);
    if (!ReadRadicalData(sources.radicals.c_str(), wanted, data.glyphs, problem)) {
        failure = "cannot read " + sources.radicals;
        return false;
    }
    return true;
}

// The lesson's text: its parts one after the other.
bool MakeLesson(const Lesson& lesson, const DataFiles& sources, std::string& text,
                std::string& failure) {
    for (const Part& part : lesson.parts) {
        InputText input;
        for (char32_t character : part.text)
            input.lines.push_back({static_cast<unsigned>(input.lines.size() + 1), {character}});
        MadeText made;
        Problem problem;
        if (MakePracticeText(input, sources, part.options, made, problem, failure) !=
            MakeResult::made) {
            failure = lesson.name + ": not made " + failure;
            return false;
        }
        text += made.text;
    }
    return true;
}

std::string Numbered(std::size_t number, const std::string& name) {
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "%02zu-", number);
    return prefix + name + ".txt";
}

} // namespace

bool WriteSamples(WubiVersion version, const std::string& dataFolder, const std::string& outFolder,
                  std::vector<std::string>& written, std::string& failure) {
    const DataFiles sources = DataFilesIn(dataFolder, version);
    CourseData data;
    if (!ReadCourseData(version, sources, data, failure))
        return false;
    std::vector<Lesson> lessons;
    RadicalLessons(data, lessons);
    if (!KeyLessons(data, lessons, failure))
        return false;
    IdentificationLessons(data, lessons);
    if (!TwoLetterLessons(data, lessons, failure))
        return false;
    CommonLessons(data, lessons);
    LastStrokeLesson(data, lessons);
    for (const Lesson& lesson : lessons) {
        std::string text;
        if (!MakeLesson(lesson, sources, text, failure))
            return false;
        const std::string name = Numbered(written.size() + 1, lesson.name);
        const std::string path = outFolder + name;
        std::vector<Problem> problems;
        std::size_t entries = 0;
        if (WritePracticeFile(path.c_str(), text, problems, entries) != WriteResult::written ||
            entries > mostLessonEntries) {
            failure = path + ": not written, or more than " + std::to_string(mostLessonEntries) +
                      " entries";
            return false;
        }
        written.push_back(name);
    }
    return true;
}
