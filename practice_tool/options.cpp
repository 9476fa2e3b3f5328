#include "practice_tool/options.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/wubi/lesson_rules.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

constexpr unsigned Bit(Command command) {
    return 1u << static_cast<unsigned>(command);
}
constexpr unsigned everyCommand = Bit(Command::check) | Bit(Command::convert) | Bit(Command::make) |
                                  Bit(Command::keys) | Bit(Command::drop);
// make's options; files dropped on a script that names them are made with them.
constexpr unsigned makeAndDrop = Bit(Command::make) | Bit(Command::drop);

template <typename T> struct Choice {
    const char* name;
    T value;
};
constexpr Choice<DrillCode> drillChoices[] = {{"full", DrillCode::full},
                                              {"1", DrillCode::one},
                                              {"2", DrillCode::two},
                                              {"3", DrillCode::three},
                                              {"radical", DrillCode::radical}};
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

bool TakeVersion(const char* value, CommandLine& line) {
    for (const VersionData& data : versionData) {
        if (std::strcmp(value, data.number) == 0) {
            line.make.version = data.version;
            return true;
        }
    }
    return false;
}

bool TakeQuiet(const char*, CommandLine& line) {
    line.quiet = true;
    return true;
}

bool TakeHtml(const char*, CommandLine& line) {
    line.html = true;
    return true;
}

bool TakeCode(const char* value, CommandLine& line) {
    return Choose(value, drillChoices, line.make.drill);
}

bool TakeOrder(const char* value, CommandLine& line) {
    return Choose(value, orderChoices, line.make.order);
}

bool TakeSeed(const char* value, CommandLine& line) {
    if (*value < '0' || *value > '9')
        return false;
    char* end;
    errno = 0;
    line.make.shuffleNumber = std::strtoull(value, &end, 10);
    line.seeded = true;
    return *end == '\0' && errno != ERANGE;
}

bool TakeRepeat(const char* value, CommandLine& line) {
    if (value[0] < '1' || value[0] > '0' + static_cast<char>(mostRepeats) || value[1] != '\0')
        return false;
    line.make.repeat = static_cast<unsigned>(value[0] - '0');
    line.repeated = true;
    return true;
}

bool TakeSpaced(const char*, CommandLine& line) {
    line.make.spaced = true;
    return true;
}

// The letters of a, b ... y, either case, each once at most.
bool TakeKeys(const char* value, CommandLine& line) {
    std::string keys;
    for (const char* c = value; *c != '\0'; ++c) {
        const char lower = AsciiLower(*c);
        if (lower < 'a' || lower > 'y')
            return false;
        if (keys.find(lower) == std::string::npos)
            keys += lower;
    }
    line.make.keys = keys;
    return !keys.empty();
}

struct Option {
    const char* name;   // "--wubi", given as "--wubi=VALUE"; or a flag such as "-q"
    unsigned commands;  // the commands that take it
    bool beforeCommand; // may also stand before the command
    const char* values; // what the value may be, for the message; null for a flag
    bool (*take)(const char* value, CommandLine& line);
};

constexpr Option options[] = {
    {"--wubi", everyCommand, true, "86, 98", TakeVersion},
    {"-q", Bit(Command::check), false, nullptr, TakeQuiet},
    {"--html", Bit(Command::keys), false, nullptr, TakeHtml},
    {"--code", makeAndDrop, false, "full, 1, 2, 3, radical", TakeCode},
    {"--order", makeAndDrop, false, "text, frequency, shuffle", TakeOrder},
    {"--seed", makeAndDrop, false, "0, 1, 2 ...", TakeSeed},
    // The name the seed had before.
    {"--number", makeAndDrop, false, "0, 1, 2 ...", TakeSeed},
    {"--repeat", makeAndDrop, false, "1 ... 9", TakeRepeat},
    {"--spaced", makeAndDrop, false, nullptr, TakeSpaced},
    {"--keys", makeAndDrop, false, "letters a-y", TakeKeys},
};

bool IsHelp(const char* argument) {
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

// The option `argument` names, and where its value starts (null for a flag or
// a value-taking option written without "="); null for a word that is no option.
const Option* FindOption(const char* argument, const char*& value) {
    value = nullptr;
    for (const Option& option : options) {
        const std::size_t length = std::strlen(option.name);
        if (std::strncmp(argument, option.name, length) != 0)
            continue;
        if (argument[length] == '\0')
            return &option;
        if (option.values != nullptr && argument[length] == '=') {
            value = argument + length + 1;
            return &option;
        }
    }
    return nullptr;
}

// Words that start with "--" are options; of single-dash words only the
// table's own flags are, so that "-" and other such names stay file names.
bool LooksLikeOption(const char* argument) {
    const char* value;
    return std::strncmp(argument, "--", 2) == 0 || FindOption(argument, value) != nullptr;
}

// Takes one option of `command` (or, with `leading`, one that may come before
// any command).
bool TakeOption(const char* argument, unsigned commands, CommandLine& line, Problem& problem) {
    const char* value;
    const Option* option = FindOption(argument, value);
    if (option == nullptr || (option->commands & commands) == 0) {
        problem = {0, Msg::unknownOption, {argument}};
        return false;
    }
    if (option->values != nullptr && value == nullptr) {
        problem = {0, Msg::badValue, {"", option->name, option->values}};
        return false;
    }
    if (!option->take(value, line)) {
        problem = {0, Msg::badValue, {value, option->name, option->values}};
        return false;
    }
    return true;
}

} // namespace

bool FindCommand(const char* word, Command& command) {
    constexpr Choice<Command> commands[] = {{"check", Command::check},
                                            {"convert", Command::convert},
                                            {"make", Command::make},
                                            {"keys", Command::keys}};
    return Choose(word, commands, command);
}

bool ReadLeadingOptions(int argc, char** argv, CommandLine& line, int& taken, Problem& problem) {
    for (taken = 0; taken < argc && LooksLikeOption(argv[taken]) && !IsHelp(argv[taken]); ++taken) {
        const char* value;
        const Option* option = FindOption(argv[taken], value);
        const unsigned leading = option != nullptr && option->beforeCommand ? everyCommand : 0;
        if (!TakeOption(argv[taken], leading, line, problem))
            return false;
    }
    return true;
}

bool ReadArguments(Command command, int argc, char** argv, CommandLine& line, Problem& problem) {
    for (int i = 0; i < argc; ++i) {
        if (IsHelp(argv[i])) {
            line.help = true;
            return true;
        }
    }
    for (int i = 0; i < argc; ++i) {
        if (!LooksLikeOption(argv[i]))
            line.operands.push_back(argv[i]);
        else if (!TakeOption(argv[i], Bit(command), line, problem))
            return false;
    }
    return true;
}
