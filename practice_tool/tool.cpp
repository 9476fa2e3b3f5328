#include "practice_tool/tool.h"
#include "practice_tool/check.h"
#include "practice_tool/convert.h"
#include "practice_tool/input_text.h"
#include "practice_tool/make.h"
#include "practice_tool/output.h"
#include "practice_tool/tool_platform.h"
#include "practice_tool/wubi_keys.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Beyond this many names taken, something else is wrong with the folder.
constexpr unsigned mostNameAttempts = 1000;
// A number a learner can type again to get the same order.
constexpr std::uint64_t shuffleNumbers = 1000000;

std::string Number(std::size_t value) {
    return std::to_string(value);
}

bool IsHelp(const char* argument) {
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

bool WantsHelp(int argc, char** argv) {
    for (int i = 0; i < argc; ++i)
        if (IsHelp(argv[i]))
            return true;
    return false;
}

int Usage(const Streams& streams, Msg help) {
    Print(streams.err, streams.language, help);
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

// What follows `option` in `argument` ("--code=2" gives "2"), or null.
const char* OptionValue(const char* argument, const char* option) {
    const std::size_t length = std::strlen(option);
    return std::strncmp(argument, option, length) == 0 ? argument + length : nullptr;
}

template <typename T> struct Choice {
    const char* name;
    T value;
};
constexpr Choice<WubiVersion> versionChoices[] = {{"86", WubiVersion::wubi86},
                                                  {"98", WubiVersion::wubi98}};
constexpr Choice<DrillCode> drillChoices[] = {{"full", DrillCode::full},
                                              {"1", DrillCode::one},
                                              {"2", DrillCode::two},
                                              {"3", DrillCode::three}};
constexpr Choice<Order> orderChoices[] = {
    {"text", Order::text}, {"frequency", Order::frequency}, {"shuffle", Order::shuffle}};

template <typename T, std::size_t N>
bool Choose(const char* value, const Choice<T> (&choices)[N], T& chosen) {
    for (const Choice<T>& choice : choices) {
        if (std::strcmp(value, choice.name) == 0) {
            chosen = choice.value;
            return true;
        }
    }
    return false;
}

// Takes "--wubi=86" or "--wubi=98" off the front of the arguments; false when
// the version named is neither.
bool TakeVersion(int& argc, char**& argv, WubiVersion& version) {
    const char* value = argc > 0 ? OptionValue(argv[0], "--wubi=") : nullptr;
    if (value == nullptr)
        return true;
    --argc, ++argv;
    return Choose(value, versionChoices, version);
}

// The data that comes with the tool for `version`.
MakeSources BundledSources(WubiVersion version) {
    return {BesideProgram(DataOf(version).table), BesideProgram(DataOf(version).radicals),
            BesideProgram(DataOf(WubiVersion::wubi86).table)};
}

int Check(int argc, char** argv, const Streams& streams, WubiVersion version) {
    if (WantsHelp(argc, argv)) {
        Print(streams.out, streams.language, Msg::checkHelp);
        return exitClean;
    }
    bool quiet = false;
    while (argc > 1 && (std::strcmp(argv[0], "-q") == 0 || OptionValue(argv[0], "--wubi="))) {
        if (std::strcmp(argv[0], "-q") == 0)
            quiet = true, --argc, ++argv;
        else if (!TakeVersion(argc, argv, version))
            return Usage(streams, Msg::checkHelp);
    }
    if (argc != 1)
        return Usage(streams, Msg::checkHelp);
    const char* path = argv[0];
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
    PrintCheckResult(streams.out, streams.language, path, result, quiet);
    return result.findings.empty() ? exitClean : exitFindings;
}

int Convert(int argc, char** argv, const Streams& streams) {
    if (WantsHelp(argc, argv)) {
        Print(streams.out, streams.language, Msg::convertHelp);
        return exitClean;
    }
    if (argc != 2)
        return Usage(streams, Msg::convertHelp);
    InputText input;
    int exitCode;
    if (!ReadInput(streams, argv[0], input, exitCode))
        return NotWritten(streams, argv[1], exitCode);
    std::string text;
    std::vector<Problem> problems;
    if (!ConvertToPracticeText(input, text, problems)) {
        PrintErrors(streams, argv[0], problems);
        return NotWritten(streams, argv[1], exitFindings);
    }
    std::size_t entries = 0;
    exitCode = WriteOutput(streams, argv[0], argv[1], text, entries);
    if (exitCode == exitClean)
        Print(streams.out, streams.language, Msg::written, {argv[1], Number(entries)});
    return exitCode;
}

// Reads TEXT, makes its entries with codes from the table and writes them.
int MakeFile(const Streams& streams, const char* textPath, const MakeSources& sources,
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
    if (options.order == Order::shuffle)
        Print(streams.out, language, Msg::shuffled, {std::to_string(options.shuffleNumber)});
}

bool ParseMakeOption(const char* argument, MakeOptions& options, bool& numbered) {
    if (const char* value = OptionValue(argument, "--wubi="))
        return Choose(value, versionChoices, options.version);
    if (const char* value = OptionValue(argument, "--code="))
        return Choose(value, drillChoices, options.drill);
    if (const char* value = OptionValue(argument, "--order="))
        return Choose(value, orderChoices, options.order);
    // --number is the name the option had before.
    const char* value = OptionValue(argument, "--seed=");
    if (value == nullptr)
        value = OptionValue(argument, "--number=");
    if (value == nullptr || *value < '0' || *value > '9')
        return false;
    char* end;
    errno = 0;
    options.shuffleNumber = std::strtoull(value, &end, 10);
    numbered = true;
    return *end == '\0' && errno != ERANGE;
}

int Make(int argc, char** argv, const Streams& streams, WubiVersion version) {
    if (WantsHelp(argc, argv)) {
        Print(streams.out, streams.language, Msg::makeHelp);
        return exitClean;
    }
    MakeOptions options;
    options.version = version;
    bool numbered = false;
    std::vector<const char*> paths;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) != 0)
            paths.push_back(argv[i]);
        else if (!ParseMakeOption(argv[i], options, numbered))
            return Usage(streams, Msg::makeHelp);
    }
    if ((paths.size() != 2 && paths.size() != 3) || (numbered && options.order != Order::shuffle))
        return Usage(streams, Msg::makeHelp);
    if (options.order == Order::shuffle && !numbered)
        options.shuffleNumber = static_cast<std::uint64_t>(
                                    std::chrono::system_clock::now().time_since_epoch().count()) %
                                shuffleNumbers;
    MakeSources sources = BundledSources(options.version);
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

int Keys(int argc, char** argv, const Streams& streams, WubiVersion version) {
    if (WantsHelp(argc, argv)) {
        Print(streams.out, streams.language, Msg::keysHelp);
        return exitClean;
    }
    if (!TakeVersion(argc, argv, version) || argc != 0)
        return Usage(streams, Msg::keysHelp);
    for (const WubiKey& key : WubiKeys(version)) {
        const std::string line = std::string(1, key.letter) + "\t" + std::to_string(key.position) +
                                 "\t" + key.zone + "\t" + key.keyName + "\t" +
                                 (*key.stroke ? key.stroke : "-") + "\t" + key.levelOne + "\t" +
                                 key.chart + "\t" + (*key.verse ? key.verse : "-") + "\n";
        PrintMaterial(streams.out, line);
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
int MakeFromDroppedFile(const Streams& streams, WubiVersion version, const char* path) {
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
    MakeOptions options;
    options.version = version;
    const int exitCode =
        MakeFile(streams, path, BundledSources(version), options, outPath.c_str(), made);
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
    if (argc < 2 || IsHelp(argv[1]) || std::strcmp(argv[1], "help") == 0) {
        Print(argc < 2 ? streams.err : streams.out, streams.language, Msg::toolHelp);
        return argc < 2 ? exitFailed : exitClean;
    }
    // The version may come first, as where files are dropped on a script that
    // names it.
    WubiVersion version = WubiVersion::wubi86;
    --argc, ++argv;
    if (!TakeVersion(argc, argv, version) || argc == 0)
        return Usage(streams, Msg::toolHelp);
    const char* command = argv[0];
    --argc, ++argv;
    if (std::strcmp(command, "check") == 0)
        return Check(argc, argv, streams, version);
    if (std::strcmp(command, "convert") == 0)
        return Convert(argc, argv, streams);
    if (std::strcmp(command, "make") == 0)
        return Make(argc, argv, streams, version);
    if (std::strcmp(command, "keys") == 0)
        return Keys(argc, argv, streams, version);
    // Several files dropped at once each become a practice file.
    if (Exists(command)) {
        int exitCode = MakeFromDroppedFile(streams, version, command);
        for (int i = 0; i < argc; ++i)
            exitCode = std::max(exitCode, MakeFromDroppedFile(streams, version, argv[i]));
        return exitCode;
    }
    Print(streams.err, streams.language, Msg::unknownCommand, {command});
    std::fputc('\n', streams.err);
    return Usage(streams, Msg::toolHelp);
}
