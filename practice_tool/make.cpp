#include "practice_tool/make.h"
#include "practice_tool/shuffle.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/wubi/explain.h"
#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/wubi/rime_table.h"
#include "practice_tool/wubi/stroke_counts.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

struct Kept {
    char32_t codePoint;
    std::string character; // GBK
    CharCodes codes;
    std::string drilled;
    double weight; // of the full code
};

bool IsBlank(char32_t c) {
    return c == ' ' || c == '\t' || c == 0x3000 || c == 0xFEFF;
}

// The code to drill, or "" when the character has none of that length.
std::string DrilledCode(const CharCodes& codes, DrillCode drill) {
    if (drill == DrillCode::full)
        return codes.full;
    const std::size_t length = drill == DrillCode::one ? 1 : drill == DrillCode::two ? 2 : 3;
    for (const std::string& code : codes.shorter)
        if (code.size() == length && length < codes.full.size())
            return code;
    return {};
}

void PutInOrder(std::vector<Kept>& kept, const MakeOptions& options) {
    if (options.order == Order::frequency)
        std::stable_sort(kept.begin(), kept.end(),
                         [](const Kept& a, const Kept& b) { return a.weight > b.weight; });
    else if (options.order == Order::shuffle)
        Shuffle(kept, options.shuffleNumber);
}

} // namespace

MakeResult MakePracticeText(const InputText& input, const DataFiles& sources,
                            const MakeOptions& options, MadeText& made, Problem& problem,
                            std::string& failedSource) {
    made = MadeText{};
    std::set<char32_t> wanted;
    for (const TextLine& line : input.lines)
        wanted.insert(line.text.begin(), line.text.end());
    CodesOfCharacters table, weights;
    std::map<char32_t, std::u32string> radicals;
    const bool ownWeights = sources.weights == sources.table;
    failedSource = sources.table;
    if (!ReadWubiTable(sources.table.c_str(), wanted, table, problem))
        return MakeResult::sourceFailed;
    failedSource = sources.radicals;
    if (!ReadRadicalData(sources.radicals.c_str(), wanted, radicals, problem))
        return MakeResult::sourceFailed;
    failedSource = sources.weights;
    if (options.order == Order::frequency && !ownWeights &&
        !ReadWubiTable(sources.weights.c_str(), wanted, weights, problem))
        return MakeResult::sourceFailed;
    failedSource.clear();
    StrokeCounts strokes; // without the file, no skip is marked
    ReadStrokeCounts(sources.strokes.c_str(), strokes);

    std::vector<Kept> kept;
    std::set<char32_t> seen;
    for (const TextLine& line : input.lines) {
        for (char32_t c : line.text) {
            const auto found = table.find(c);
            if (IsBlank(c))
                continue;
            const std::string character = GbkCharacter(c);
            if (found == table.end() || character.empty()) {
                ++made.outsideTable;
                continue;
            }
            const CharCodes codes = SortCodes(found->second);
            const std::string drilled = DrilledCode(codes, options.drill);
            if (drilled.empty())
                ++made.withoutCode;
            else if (!seen.insert(c).second)
                ++made.repeats;
            else
                kept.push_back({c, character, codes, drilled,
                                FullCodeWeight(ownWeights ? found->second : weights[c])});
        }
    }
    PutInOrder(kept, options);
    for (const Kept& entry : kept)
        made.text +=
            entry.character + "\r\n" + entry.drilled + "\r\n" +
            ExplainCode(options.version, entry.character, entry.codes, entry.drilled,
                        radicals[entry.codePoint],
                        SkipsRadicals(entry.codePoint, radicals[entry.codePoint], strokes)) +
            "\r\n";
    made.entries = kept.size();
    return kept.empty() ? MakeResult::nothing : MakeResult::made;
}
