#include "tools/practice_tool/tool.h"
#include "tools/practice_tool/check.h"
#include "tools/practice_tool/convert.h"
#include "tools/practice_tool/input_text.h"
#include "tools/practice_tool/make.h"
#include "tools/practice_tool/output.h"
#include "tools/practice_tool/tool_platform.h"
#include "tools/practice_tool/wubi_keys.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* toolHelp =
    "Usage: practice_tool COMMAND [ARGUMENTS]\n"
    "\n"
    "Checks, converts and makes practice files: GBK text, CR LF line ends, three\n"
    "lines an entry (character, code, explanation), each line at most 78 bytes.\n"
    "\n"
    "Commands:\n"
    "  check FILE              list the entries the program loads from FILE and\n"
    "                          warn about what it surely does not mean\n"
    "  convert IN OUT          write UTF-8 or GBK text IN as a practice file OUT\n"
    "  make LIST TABLE OUT     write a practice file for the characters in LIST\n"
    "                          with codes from the Wubi table TABLE\n"
    "  keys                    print the key table the explanations use\n"
    "\n"
    "\"practice_tool COMMAND --help\" tells more about each.\n"
    "Exit codes: 0 done, 1 warnings found or input refused, 2 could not run.\n";

constexpr const char* checkHelp =
    "Usage: practice_tool check [-q] FILE\n"
    "\n"
    "Reads FILE exactly as the program loads it and lists each entry with the\n"
    "lines it came from (\"12+79\": line 12 from byte 79 on). Warns where the\n"
    "result is surely not what the author meant: a line of 79 bytes or more\n"
    "(read as several lines, shifting every later entry), a character line with\n"
    "more or less than one character, a code longer than 4 or not all letters,\n"
    "a cut reason, half a double-byte character at a field's end, stray CR, NUL\n"
    "or Ctrl-Z bytes, an incomplete entry at the end, UTF-8 or UTF-16 text.\n"
    "\n"
    "  -q    list only the warnings\n"
    "\n"
    "Exit codes: 0 no warning, 1 warnings, 2 FILE cannot be read.\n";

constexpr const char* convertHelp =
    "Usage: practice_tool convert IN OUT\n"
    "\n"
    "Writes the text file IN (UTF-8 with or without a byte-order mark, or GBK;\n"
    "lines ended by LF or CR LF) as a practice file OUT in GBK with CR LF line\n"
    "ends. Refuses, naming the line, a character that GBK cannot hold, a line of\n"
    "more than 78 bytes in GBK and anything \"check\" would warn about. OUT is\n"
    "written only when all is well; IN and OUT may be the same file.\n"
    "\n"
    "Exit codes: 0 written, 1 refused, 2 IN cannot be read or OUT written.\n";

constexpr const char* makeHelp =
    "Usage: practice_tool make [--code=full|1|2|3] LIST TABLE OUT\n"
    "\n"
    "Writes a practice file OUT with one entry for every character in LIST, in\n"
    "order. LIST is UTF-8 or GBK text; blanks and line ends only separate, '#'\n"
    "starts a comment. TABLE is a Wubi 86 table in the Rime dictionary format\n"
    "(UTF-8; text, code, weight, stem separated by tabs), for instance\n"
    "wubi86.dict.yaml. The explanation names the keys of the code, what kind of\n"
    "code it is and the other codes the character has.\n"
    "\n"
    "  --code=full   drill the full code (the default)\n"
    "  --code=1      drill the one-letter short code (一级简码)\n"
    "  --code=2      drill the two-letter short code (二级简码)\n"
    "  --code=3      drill the three-letter short code (三级简码)\n"
    "\n"
    "Exit codes: 0 written, 1 refused (a character missing from the table or\n"
    "without such a code), 2 a file cannot be read or OUT written.\n";

constexpr const char* keysHelp =
    "Usage: practice_tool keys\n"
    "\n"
    "Prints the Wubi 86 key table that the explanations of \"make\" use, one key\n"
    "a line, columns separated by tabs: key, zone number, zone, key-name\n"
    "character, single stroke (or -), the other characters that are radicals of\n"
    "their own, the mnemonic verse, the character typed by the key alone.\n";

bool IsHelp(const char* argument) {
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

bool WantsHelp(int argc, char** argv) {
    for (int i = 0; i < argc; ++i)
        if (IsHelp(argv[i]))
            return true;
    return false;
}

// Help texts hold Chinese terms: they go out the way practice text does.
void PrintHelp(std::FILE* stream, const char* help) {
    PrintMaterial(stream, help, std::strlen(help));
}

int Usage(std::FILE* err, const char* help) {
    PrintHelp(err, help);
    return exitFailed;
}

void PrintProblems(std::FILE* err, const char* path, const std::vector<Problem>& problems,
                   const char* kind) {
    for (const Problem& problem : problems) {
        std::string line = path;
        if (problem.line != 0)
            line += ":" + std::to_string(problem.line);
        line += std::string(": ") + kind + ": " + problem.message + "\n";
        PrintMaterial(err, line);
    }
}

// Writes what convert or make produced and reports the outcome.
int WriteOutput(std::FILE* out, std::FILE* err, const char* source, const char* path,
                const std::string& text) {
    std::vector<Problem> problems;
    std::size_t entries = 0;
    switch (WritePracticeFile(path, text, problems, entries)) {
    case WriteResult::written:
        std::fprintf(out, "%s: %zu entries written\n", path, entries);
        return exitClean;
    case WriteResult::refused:
        PrintProblems(err, source, problems, "error");
        std::fprintf(err, "%s: not written\n", path);
        return exitFindings;
    default: std::fprintf(err, "%s: cannot write the file\n", path); return exitFailed;
    }
}

// Reads and decodes an input file; reports and returns false on failure.
bool ReadInput(std::FILE* err, const char* path, InputText& text, int& exitCode) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        std::fprintf(err, "%s: cannot read the file\n", path);
        exitCode = exitFailed;
        return false;
    }
    Problem problem;
    if (!DecodeInput(bytes, text, problem)) {
        PrintProblems(err, path, {problem}, "error");
        exitCode = exitFindings;
        return false;
    }
    return true;
}

int Check(int argc, char** argv, std::FILE* out, std::FILE* err) {
    if (WantsHelp(argc, argv)) {
        PrintHelp(out, checkHelp);
        return exitClean;
    }
    const bool quiet = argc == 2 && std::strcmp(argv[0], "-q") == 0;
    if (argc != (quiet ? 2 : 1))
        return Usage(err, checkHelp);
    const char* path = argv[quiet ? 1 : 0];
    CheckResult result;
    if (!CheckPracticeFile(path, result)) {
        std::fprintf(err, "%s: cannot read the file\n", path);
        return exitFailed;
    }
    PrintCheckResult(out, path, result, quiet);
    return result.findings.empty() ? exitClean : exitFindings;
}

int Convert(int argc, char** argv, std::FILE* out, std::FILE* err) {
    if (WantsHelp(argc, argv)) {
        PrintHelp(out, convertHelp);
        return exitClean;
    }
    if (argc != 2)
        return Usage(err, convertHelp);
    InputText input;
    int exitCode;
    if (!ReadInput(err, argv[0], input, exitCode)) {
        std::fprintf(err, "%s: not written\n", argv[1]);
        return exitCode;
    }
    std::string text;
    std::vector<Problem> problems;
    if (!ConvertToPracticeText(input, text, problems)) {
        PrintProblems(err, argv[0], problems, "error");
        std::fprintf(err, "%s: not written\n", argv[1]);
        return exitFindings;
    }
    return WriteOutput(out, err, argv[0], argv[1], text);
}

bool ParseDrillCode(const char* argument, DrillCode& drill) {
    const char* value = argument + std::strlen("--code=");
    if (std::strncmp(argument, "--code=", 7) != 0)
        return false;
    if (std::strcmp(value, "full") == 0)
        drill = DrillCode::full;
    else if (std::strcmp(value, "1") == 0)
        drill = DrillCode::one;
    else if (std::strcmp(value, "2") == 0)
        drill = DrillCode::two;
    else if (std::strcmp(value, "3") == 0)
        drill = DrillCode::three;
    else
        return false;
    return true;
}

int Make(int argc, char** argv, std::FILE* out, std::FILE* err) {
    if (WantsHelp(argc, argv)) {
        PrintHelp(out, makeHelp);
        return exitClean;
    }
    DrillCode drill = DrillCode::full;
    if (argc == 4 && !ParseDrillCode(argv[0], drill))
        return Usage(err, makeHelp);
    if (argc == 4)
        ++argv, --argc;
    if (argc != 3)
        return Usage(err, makeHelp);
    InputText list;
    int exitCode;
    if (!ReadInput(err, argv[0], list, exitCode)) {
        std::fprintf(err, "%s: not written\n", argv[2]);
        return exitCode;
    }
    std::string text;
    std::vector<Problem> problems;
    Problem tableProblem;
    switch (MakePracticeText(list, argv[1], drill, text, problems, tableProblem)) {
    case MakeResult::made: break;
    case MakeResult::refused:
        PrintProblems(err, argv[0], problems, "error");
        std::fprintf(err, "%s: not written\n", argv[2]);
        return exitFindings;
    case MakeResult::tableFailed:
        PrintProblems(err, argv[1], {tableProblem}, "error");
        std::fprintf(err, "%s: not written\n", argv[2]);
        return exitFailed;
    }
    return WriteOutput(out, err, argv[2], argv[2], text);
}

int Keys(int argc, char** argv, std::FILE* out, std::FILE* err) {
    if (WantsHelp(argc, argv)) {
        PrintHelp(out, keysHelp);
        return exitClean;
    }
    if (argc != 0)
        return Usage(err, keysHelp);
    for (const WubiKey& key : WubiKeys()) {
        const std::string line = std::string(1, key.letter) + "\t" + std::to_string(key.position) +
                                 "\t" + key.zone + "\t" + key.keyName + "\t" +
                                 (*key.stroke ? key.stroke : "-") + "\t" + key.radicals + "\t" +
                                 key.verse + "\t" + key.levelOne + "\n";
        PrintMaterial(out, line);
    }
    return exitClean;
}

} // namespace

int RunPracticeTool(int argc, char** argv, std::FILE* out, std::FILE* err) {
    if (argc < 2 || IsHelp(argv[1]) || std::strcmp(argv[1], "help") == 0) {
        PrintHelp(argc < 2 ? err : out, toolHelp);
        return argc < 2 ? exitFailed : exitClean;
    }
    const char* command = argv[1];
    argc -= 2;
    argv += 2;
    if (std::strcmp(command, "check") == 0)
        return Check(argc, argv, out, err);
    if (std::strcmp(command, "convert") == 0)
        return Convert(argc, argv, out, err);
    if (std::strcmp(command, "make") == 0)
        return Make(argc, argv, out, err);
    if (std::strcmp(command, "keys") == 0)
        return Keys(argc, argv, out, err);
    std::fprintf(err, "practice_tool: unknown command \"%s\"\n\n", command);
    PrintHelp(err, toolHelp);
    return exitFailed;
}
