#include "practice_tool/commands.h"
#include "practice_tool/check_codes.h"
#include "practice_tool/check_report.h"
#include "practice_tool/convert.h"
#include "practice_tool/key_chart_page.h"
#include "practice_tool/make.h"
#include "practice_tool/options.h"
#include "practice_tool/practice_writer.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/author_text.h"
#include "practice_tool/text/whole_file.h"
#include "practice_tool/tool_platform.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/lesson_rules.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

// Beyond this many names taken, something else is wrong with the folder.
constexpr unsigned mostNameAttempts = 1000;
// A number a learner can type again to get the same order.
constexpr std::uint64_t shuffleNumbers = 1000000;

int Usage(const Streams& streams, Msg help) {
    Print(streams.err, streams.language, help);
    return exitFailed;
}

// An option that `command` (a command line's first words, "practice_tool make")
// does not take, or a value it does not allow: that word, and where help is.
int BadArgument(const Streams& streams, const Problem& problem, const std::string& command) {
    Print(streams.err, streams.language, problem.id, problem.args);
    Print(streams.err, streams.language, Msg::helpHint, {command});
    return exitFailed;
}

void PrintErrors(const Streams& streams, const char* path, const std::vector<Problem>& problems) {
    for (const Problem& problem : problems)
        PrintProblem(streams.err, streams.language, path, problem, Msg::error);
}

int NotWritten(const Streams& streams, const char* path, int exitCode) {
    Print(streams.err, streams.language, Msg::notWritten, {path});
    return exitCode;
}

// Writes what convert or make produced; reports only a failure.
int WriteOutput(const Streams& streams, const char* source, const char* path,
                const std::string& text, std::size_t& entries) {
    std::vector<Problem> problems;
    switch (WritePracticeFile(path, text, problems, entries)) {
    case WriteResult::written: return exitClean;
    case WriteResult::refused:
        PrintErrors(streams, source, problems);
        return NotWritten(streams, path, exitFindings);
    default: Print(streams.err, streams.language, Msg::cannotWrite, {path}); return exitFailed;
    }
}

// Reads and decodes an input file; reports and returns false on failure.
bool ReadInput(const Streams& streams, const char* path, InputText& text, int& exitCode) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        Print(streams.err, streams.language, Msg::cannotRead, {path});
        exitCode = exitFailed;
        return false;
    }
    Problem problem;
    if (!DecodeInput(bytes, text, problem)) {
        PrintErrors(streams, path, {problem});
        exitCode = exitFindings;
        return false;
    }
    return true;
}

// The data that comes with the tool for `version`.
DataFiles BundledSources(WubiVersion version) {
    return DataFilesIn(ProgramFolder(), version);
}

int Check(const CommandLine& line, const Streams& streams) {
    if (line.help) {
        Print(streams.out, streams.language, Msg::checkHelp);
        return exitClean;
    }
    if (line.operands.size() != 1)
        return Usage(streams, Msg::checkHelp);
    const char* path = line.operands[0];
    const WubiVersion version = line.make.version;
    CheckResult result;
    if (!CheckPracticeFile(path, result)) {
        Print(streams.err, streams.language, Msg::cannotRead, {path});
        return exitFailed;
    }
    const std::string table = BundledSources(version).table;
    Problem problem;
    if (!CheckCodes(table.c_str(), DataOf(version).number, result, problem)) {
        PrintErrors(streams, table.c_str(), {problem});
        Print(streams.err, streams.language, Msg::tableHint);
        return exitFailed;
    }
    PrintCheckResult(streams.out, streams.language, path, result, line.quiet);
    return result.findings.empty() ? exitClean : exitFindings;
}

int Convert(const CommandLine& line, const Streams& streams) {
    if (line.help) {
        Print(streams.out, streams.language, Msg::convertHelp);
        return exitClean;
    }
    if (line.operands.size() != 2)
        return Usage(streams, Msg::convertHelp);
    const char* in = line.operands[0];
    const char* out = line.operands[1];
    InputText input;
    int exitCode;
    if (!ReadInput(streams, in, input, exitCode))
        return NotWritten(streams, out, exitCode);
    std::string text;
    std::vector<Problem> problems;
    if (!ConvertToPracticeText(input, text, problems)) {
        PrintErrors(streams, in, problems);
        return NotWritten(streams, out, exitFindings);
    }
    std::size_t entries = 0;
    exitCode = WriteOutput(streams, in, out, text, entries);
    if (exitCode == exitClean)
        Print(streams.out, streams.language, Msg::written, {out, Number(entries)});
    return exitCode;
}

// Reads TEXT, makes its entries with codes from the table and writes them.
int MakeFile(const Streams& streams, const char* textPath, const DataFiles& sources,
             const MakeOptions& options, const char* outPath, MadeText& made) {
    InputText input;
    int exitCode;
    if (!ReadInput(streams, textPath, input, exitCode))
        return NotWritten(streams, outPath, exitCode);
    Problem problem;
    std::string failedSource;
    switch (MakePracticeText(input, sources, options, made, problem, failedSource)) {
    case MakeResult::made: break;
    case MakeResult::nothing:
        PrintErrors(streams, textPath, {{0, Msg::noCharacters, {}}});
        return NotWritten(streams, outPath, exitFindings);
    case MakeResult::tooFewToSpace:
        PrintErrors(streams, textPath,
                    {{0, Msg::tooFewToSpace, {Number(leastSpacedItems), Number(made.entries)}}});
        return NotWritten(streams, outPath, exitFindings);
    case MakeResult::sourceFailed:
        PrintErrors(streams, failedSource.c_str(), {problem});
        Print(streams.err, streams.language, Msg::tableHint);
        return NotWritten(streams, outPath, exitFailed);
    }
    std::size_t entries = 0;
    return WriteOutput(streams, outPath, outPath, made.text, entries);
}

Msg CodeName(DrillCode drill) {
    return drill == DrillCode::one   ? Msg::oneLetterCode
           : drill == DrillCode::two ? Msg::twoLetterCode
                                     : Msg::threeLetterCode;
}

// What make left out, and how to get a shuffled order again.
void PrintMadeDetails(const Streams& streams, const MadeText& made, const MakeOptions& options) {
    const Language language = streams.language;
    if (made.repeats != 0)
        Print(streams.out, language, Msg::repeats, {Number(made.repeats)});
    if (made.outsideTable != 0)
        Print(streams.out, language, Msg::outsideTable, {Number(made.outsideTable)});
    if (made.withoutCode != 0)
        Print(streams.out, language, Msg::withoutCode,
              {Number(made.withoutCode), Say(language, CodeName(options.drill))});
    if (made.outsideKeys != 0)
        Print(streams.out, language, Msg::outsideKeys, {Number(made.outsideKeys), options.keys});
    if (options.order == Order::shuffle)
        Print(streams.out, language, Msg::shuffled, {std::to_string(options.shuffleNumber)});
}

// make's options that do not go together: a seed without shuffling, repeats
// and spacing.
bool OptionsAgree(const CommandLine& line) {
    return (!line.seeded || line.make.order == Order::shuffle) &&
           !(line.repeated && line.make.spaced);
}

// The options of a command line, with a shuffle's number drawn where none was given.
MakeOptions OptionsOf(const CommandLine& line) {
    MakeOptions options = line.make;
    if (options.order == Order::shuffle && !line.seeded)
        options.shuffleNumber = static_cast<std::uint64_t>(
                                    std::chrono::system_clock::now().time_since_epoch().count()) %
                                shuffleNumbers;
    return options;
}

int Make(const CommandLine& line, const Streams& streams) {
    if (line.help) {
        Print(streams.out, streams.language, Msg::makeHelp);
        return exitClean;
    }
    const MakeOptions options = OptionsOf(line);
    const std::vector<const char*>& paths = line.operands;
    if ((paths.size() != 2 && paths.size() != 3) || !OptionsAgree(line))
        return Usage(streams, Msg::makeHelp);
    DataFiles sources = BundledSources(options.version);
    if (paths.size() == 3) {
        sources.table = paths[1];
        if (options.version == WubiVersion::wubi86)
            sources.weights = paths[1];
    }
    MadeText made;
    const int exitCode = MakeFile(streams, paths.front(), sources, options, paths.back(), made);
    if (exitCode == exitClean) {
        Print(streams.out, streams.language, Msg::written, {paths.back(), Number(made.entries)});
        PrintMadeDetails(streams, made, options);
    }
    return exitCode;
}

int Keys(const CommandLine& line, const Streams& streams) {
    if (line.help) {
        Print(streams.out, streams.language, Msg::keysHelp);
        return exitClean;
    }
    if (line.operands.size() != (line.html ? 1u : 0u))
        return Usage(streams, Msg::keysHelp);
    if (line.html) {
        const char* path = line.operands.front();
        if (!WriteWholeFile(path, KeyChartPage(line.make.version))) {
            Print(streams.err, streams.language, Msg::cannotWrite, {path});
            return exitFailed;
        }
        Print(streams.out, streams.language, Msg::chartWritten,
              {path, DataOf(line.make.version).number});
        return exitClean;
    }
    for (const WubiKey& key : WubiKeys(line.make.version)) {
        const std::string text = std::string(1, key.letter) + "\t" + std::to_string(key.position) +
                                 "\t" + key.zone + "\t" + key.keyName + "\t" +
                                 (*key.stroke ? key.stroke : "-") + "\t" + key.levelOne + "\t" +
                                 key.chart + "\t" + (*key.verse ? key.verse : "-") + "\n";
        PrintMaterial(streams.out, text);
    }
    return exitClean;
}

bool Exists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file != nullptr)
        std::fclose(file);
    return file != nullptr;
}

// A text file dropped on the tool: its characters become a practice file
// beside it, under a name no file has yet.
int MakeFromDroppedFile(const Streams& streams, const MakeOptions& options, const char* path) {
    CheckResult check;
    if (CheckPracticeFile(path, check) && check.findings.empty()) {
        Print(streams.out, streams.language, Msg::dropAlready,
              {path, Number(check.entries.size())});
        return exitClean;
    }
    std::string outPath;
    for (unsigned attempt = 1; attempt <= mostNameAttempts && outPath.empty(); ++attempt)
        if (!Exists(PracticeFileNameFor(path, attempt)))
            outPath = PracticeFileNameFor(path, attempt);
    if (outPath.empty()) {
        Print(streams.err, streams.language, Msg::noFreeName, {path});
        return exitFailed;
    }
    MadeText made;
    const int exitCode =
        MakeFile(streams, path, BundledSources(options.version), options, outPath.c_str(), made);
    if (exitCode == exitClean) {
        Print(streams.out, streams.language, Msg::dropMade, {outPath, Number(made.entries), path});
        PrintMadeDetails(streams, made, options);
        Print(streams.out, streams.language, Msg::dropOpen);
    }
    return exitCode;
}

} // namespace

std::string PracticeFileNameFor(const std::string& textPath, unsigned attempt) {
    const std::size_t dot = textPath.rfind('.');
    const std::size_t folderEnd = textPath.find_last_of("/\\");
    // A dot that starts the name (".notes") or belongs to a folder is no extension.
    const bool extension = dot != std::string::npos && dot != 0 &&
                           (folderEnd == std::string::npos || dot > folderEnd + 1);
    return (extension ? textPath.substr(0, dot) : textPath) + "-wubi" +
           (attempt > 1 ? "-" + std::to_string(attempt) : "") + ".txt";
}

int RunPracticeTool(int argc, char** argv, const Streams& streams) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        Print(argc < 2 ? streams.err : streams.out, streams.language, Msg::toolHelp);
        return argc < 2 ? exitFailed : exitClean;
    }
    --argc, ++argv;
    // The version may come first, as where files are dropped on a script that
    // names it.
    CommandLine line;
    Problem problem;
    int taken;
    if (!ReadLeadingOptions(argc, argv, line, taken, problem))
        return BadArgument(streams, problem, "practice_tool");
    argc -= taken, argv += taken;
    if (argc == 0)
        return Usage(streams, Msg::toolHelp);
    Command command;
    const char* word = argv[0];
    if (FindCommand(word, command)) {
        --argc, ++argv;
    } else if (Exists(word)) {
        command = Command::drop;
    } else {
        Print(streams.err, streams.language, Msg::unknownCommand, {word});
        std::fputc('\n', streams.err);
        return Usage(streams, Msg::toolHelp);
    }
    if (!ReadArguments(command, argc, argv, line, problem))
        return BadArgument(streams, problem,
                           command == Command::drop ? "practice_tool"
                                                    : "practice_tool " + std::string(word));
    switch (command) {
    case Command::check: return Check(line, streams);
    case Command::convert: return Convert(line, streams);
    case Command::make: return Make(line, streams);
    case Command::keys: return Keys(line, streams);
    case Command::drop: break;
    }
    if (line.help) {
        Print(streams.out, streams.language, Msg::toolHelp);
        return exitClean;
    }
    if (!OptionsAgree(line))
        return Usage(streams, Msg::toolHelp);
    // Several files dropped at once each become a practice file.
    const MakeOptions options = OptionsOf(line);
    int exitCode = exitClean;
    for (const char* path : line.operands)
        exitCode = std::max(exitCode, MakeFromDroppedFile(streams, options, path));
    return exitCode;
}
