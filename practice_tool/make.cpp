#include "practice_tool/make.h"
#include "practice_tool/shuffle.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/wubi/explain.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/lesson_rules.h"
#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/wubi/rime_table.h"
#include "practice_tool/wubi/spelling.h"
#include "practice_tool/wubi/stroke_counts.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

struct Kept {
    std::string character; // GBK
    std::string drilled;
    std::string explanation;
    FrequencyKey frequency;
};

// What make reads: the table, the radical data and, for the frequency order,
// the weights and the frequency data.
struct Sources {
    CodesOfCharacters table, weights;
    std::map<char32_t, std::u32string> radicals;
    FrequencyRanks ranks;
    StrokeCounts strokes; // without the file, no skip is marked
    bool ownWeights;
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

bool ReadSources(const InputText& input, const DataFiles& files, const MakeOptions& options,
                 Sources& sources, Problem& problem, std::string& failedSource) {
    std::set<char32_t> wanted;
    for (const TextLine& line : input.lines)
        wanted.insert(line.text.begin(), line.text.end());
    sources.ownWeights = files.weights == files.table;
    const bool frequency = options.order == Order::frequency;
    failedSource = files.table;
    if (!ReadWubiTable(files.table.c_str(), wanted, sources.table, problem))
        return false;
    failedSource = files.radicals;
    if (!ReadRadicalData(files.radicals.c_str(), wanted, sources.radicals, problem))
        return false;
    failedSource = files.weights;
    if (frequency && !sources.ownWeights &&
        !ReadWubiTable(files.weights.c_str(), wanted, sources.weights, problem))
        return false;
    failedSource = files.frequency;
    if (frequency && !ReadFrequencyRanks(files.frequency.c_str(), sources.ranks, problem))
        return false;
    failedSource.clear();
    ReadStrokeCounts(files.strokes.c_str(), sources.strokes);
    return true;
}

// Each radical of the characters kept, in order of first appearance, that is
// one GBK character on the chart: its key, with a character that holds it
// (not the radical itself where another does); weighed by how many hold it.
std::vector<Kept> RadicalsOf(const std::vector<char32_t>& characters, const Sources& sources,
                             WubiVersion version) {
    std::vector<Kept> radicals;
    std::vector<std::string> examples;
    std::map<std::string, std::size_t> found;
    for (char32_t c : characters) {
        Spelling spelling;
        const auto glyphs = sources.radicals.find(c);
        if (glyphs == sources.radicals.end() || !SpellGlyphs(version, glyphs->second, spelling))
            continue;
        std::set<std::string> held;
        for (const SpelledRadical& radical : spelling.radicals) {
            const std::string name = radical.name;
            char32_t decoded;
            if (name.size() != 2 || !DecodeGbk(name.c_str(), 2, decoded) ||
                FindKey(version, radical.key) == nullptr || !held.insert(name).second)
                continue;
            const auto [place, isNew] = found.insert({name, radicals.size()});
            if (isNew) {
                radicals.push_back({name, std::string(1, radical.key), {}, {false, 0, 0}});
                examples.push_back({});
            }
            std::string& example = examples[place->second];
            if (example.empty() || example == name)
                example = GbkCharacter(c);
            radicals[place->second].frequency.weight += 1;
        }
    }
    for (std::size_t i = 0; i < radicals.size(); ++i)
        radicals[i].explanation = ExplainRadicalDrill(
            version, *FindKey(version, radicals[i].drilled[0]), radicals[i].character, examples[i]);
    return radicals;
}

// The weight of a character's full code in the table that orders by it.
double WeightOf(const Sources& sources, char32_t c, const std::vector<TableCode>& own) {
    if (sources.ownWeights)
        return FullCodeWeight(own);
    const auto found = sources.weights.find(c);
    return found == sources.weights.end() ? 0 : FullCodeWeight(found->second);
}

void PutInOrder(std::vector<Kept>& kept, const MakeOptions& options) {
    if (options.order == Order::frequency)
        std::stable_sort(kept.begin(), kept.end(), [](const Kept& a, const Kept& b) {
            return MoreFrequent(a.frequency, b.frequency);
        });
    else if (options.order == Order::shuffle)
        Shuffle(kept, options.shuffleNumber);
}

// Keeps each character of the text once that has the code asked for, counting
// the others.
std::vector<Kept> KeepCharacters(const InputText& input, const Sources& sources,
                                 const MakeOptions& options, std::vector<char32_t>& characters,
                                 MadeText& made) {
    std::vector<Kept> kept;
    std::set<char32_t> seen;
    for (const TextLine& line : input.lines) {
        for (char32_t c : line.text) {
            const auto found = sources.table.find(c);
            if (IsBlank(c))
                continue;
            const std::string character = GbkCharacter(c);
            if (found == sources.table.end() || character.empty()) {
                ++made.outsideTable;
                continue;
            }
            const CharCodes codes = SortCodes(found->second);
            const bool radical = options.drill == DrillCode::radical;
            const std::string drilled =
                DrilledCode(codes, radical ? DrillCode::full : options.drill);
            if (drilled.empty()) {
                ++made.withoutCode;
            } else if (!seen.insert(c).second) {
                ++made.repeats;
            } else if (!options.keys.empty() && !radical && !UsesOnlyKeys(drilled, options.keys)) {
                ++made.outsideKeys;
            } else {
                const double weight = WeightOf(sources, c, found->second);
                characters.push_back(c);
                const auto spelled = sources.radicals.find(c);
                const std::u32string glyphs =
                    spelled == sources.radicals.end() ? std::u32string() : spelled->second;
                kept.push_back(
                    {character, drilled,
                     radical ? std::string()
                             : ExplainCode(options.version, character, codes, drilled, glyphs,
                                           SkipsRadicals(c, glyphs, sources.strokes)),
                     KeyOf(sources.ranks, c, weight)});
            }
        }
    }
    return kept;
}

} // namespace

MakeResult MakePracticeText(const InputText& input, const DataFiles& files,
                            const MakeOptions& options, MadeText& made, Problem& problem,
                            std::string& failedSource) {
    made = MadeText{};
    Sources sources;
    if (!ReadSources(input, files, options, sources, problem, failedSource))
        return MakeResult::sourceFailed;
    std::vector<char32_t> characters;
    std::vector<Kept> kept = KeepCharacters(input, sources, options, characters, made);
    if (options.drill == DrillCode::radical) {
        kept = RadicalsOf(characters, sources, options.version);
        if (!options.keys.empty())
            kept.erase(std::remove_if(kept.begin(), kept.end(),
                                      [&](const Kept& entry) {
                                          return !UsesOnlyKeys(entry.drilled, options.keys);
                                      }),
                       kept.end());
    }
    if (kept.empty())
        return MakeResult::nothing;
    PutInOrder(kept, options);
    if (options.most != 0 && kept.size() > options.most)
        kept.resize(options.most);
    std::vector<std::size_t> order;
    if (options.spaced && !SpacedOrder(kept.size(), order)) {
        made.entries = kept.size();
        return MakeResult::tooFewToSpace;
    }
    if (!options.spaced)
        order = RepeatedOrder(kept.size(), options.repeat);
    for (std::size_t index : order)
        made.text += kept[index].character + "\r\n" + kept[index].drilled + "\r\n" +
                     kept[index].explanation + "\r\n";
    made.entries = order.size();
    return MakeResult::made;
}
