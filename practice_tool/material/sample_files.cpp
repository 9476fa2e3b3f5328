#include "practice_tool/material/sample_files.h"
#include "practice_tool/make.h"
#include "practice_tool/practice_writer.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/rime_table.h"

#include <algorithm>
#include <map>

namespace {

constexpr std::size_t frequentCount = 1000;
constexpr const char* zoneNames[] = {"heng", "shu", "pie", "na", "zhe"};

struct Sample {
    std::string name;
    DrillCode drill;
    std::u32string characters;
};

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

// The one character with `code`; a table with several has no sample for it.
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

std::u32string Decoded(const char* gbk) {
    std::u32string characters;
    for (std::size_t i = 0; gbk[i] != '\0' && gbk[i + 1] != '\0'; i += 2) {
        char32_t character;
        if (DecodeGbk(gbk + i, 2, character))
            characters += character;
    }
    return characters;
}

bool ListSamples(WubiVersion version, const RimeTable& table, const RimeTable& table86,
                 std::vector<Sample>& samples, std::string& failure) {
    const auto& keys = WubiKeys(version);
    const auto byCode = CharactersByCode(table);
    Sample keyNames{"jianming.txt", DrillCode::full, {}},
        levelOne{"yiji-jianma.txt", DrillCode::one, {}},
        ownRadicals{"chengzi-zigen.txt", DrillCode::full, {}};
    for (const WubiKey& key : keys) {
        keyNames.characters += Decoded(key.keyName);
        ownRadicals.characters += Decoded(key.stroke) + Decoded(key.radicals);
        if (!OnlyCharacterWith(byCode, std::string(1, key.letter), levelOne.characters, failure))
            return false;
    }
    samples = {keyNames, levelOne};
    if (!ownRadicals.characters.empty())
        samples.push_back(ownRadicals);
    for (unsigned zone = 1; zone <= 5; ++zone) {
        Sample twoLetter{"erji-jianma-" + std::to_string(zone) + "-" + zoneNames[zone - 1] + ".txt",
                         DrillCode::two,
                         {}};
        for (const WubiKey& first : keys)
            for (const WubiKey& second : keys)
                if (first.position / 10 == zone &&
                    !OnlyCharacterWith(byCode, std::string{first.letter, second.letter},
                                       twoLetter.characters, failure))
                    return false;
        samples.push_back(twoLetter);
    }
    const std::u32string frequent = FrequentCharacters(table86, frequentCount);
    samples.push_back({"changyong-1-500.txt", DrillCode::full, frequent.substr(0, 500)});
    samples.push_back({"changyong-501-1000.txt", DrillCode::full, frequent.substr(500, 500)});
    return true;
}

} // namespace

bool WriteSamples(WubiVersion version, const std::string& dataFolder, const std::string& outFolder,
                  std::vector<std::string>& written, std::string& failure) {
    const DataFiles sources = DataFilesIn(dataFolder, version);
    RimeTable table, table86;
    Problem problem;
    std::vector<Sample> samples;
    if (!ReadRimeTable(sources.table.c_str(), table, problem) ||
        !ReadRimeTable(sources.weights.c_str(), table86, problem)) {
        failure = "cannot read the tables in " + dataFolder;
        return false;
    }
    if (!ListSamples(version, table, table86, samples, failure))
        return false;
    MakeOptions options;
    options.version = version;
    for (const Sample& sample : samples) {
        InputText input;
        for (char32_t character : sample.characters)
            input.lines.push_back({static_cast<unsigned>(input.lines.size() + 1), {character}});
        options.drill = sample.drill;
        MadeText made;
        std::vector<Problem> problems;
        std::size_t entries = 0;
        const std::string path = outFolder + sample.name;
        if (MakePracticeText(input, sources, options, made, problem, failure) != MakeResult::made ||
            made.entries != sample.characters.size() ||
            WritePracticeFile(path.c_str(), made.text, problems, entries) != WriteResult::written) {
            failure = path + ": not made from every character of its list " + failure;
            return false;
        }
        written.push_back(sample.name);
    }
    return true;
}
