// The command line of every command, read with one table of options: each
// option names the commands that take it and may stand anywhere among their
// arguments; --wubi may also come before the command.
#pragma once

#include "practice_tool/make.h"
#include "practice_tool/message_ids.h"

#include <string>
#include <vector>

// What the tool is asked to do; `drop` makes practice files of the files named.
enum class Command { check, convert, make, keys, drop };

struct CommandLine {
    bool help = false;     // --help or -h: nothing else is read
    bool quiet = false;    // check -q
    bool seeded = false;   // --seed (or --number) given
    bool repeated = false; // --repeat given
    bool html = false;     // keys --html: the chart as a page, written to the operand
    MakeOptions make;      // the version (for every command), and make's options
    std::vector<const char*> operands;
};

// The command a word names; false for none.
bool FindCommand(const char* word, Command& command);

// Reads the options that may come before the command, from argv[0] on, up to
// the first word that is none of them; `taken` tells how many were. False,
// with `problem` (Msg::unknownOption or Msg::badValue and its words), at an
// option no command knows there or a value it does not take.
bool ReadLeadingOptions(int argc, char** argv, CommandLine& line, int& taken, Problem& problem);

// Reads a command's arguments: its options, wherever they stand, and the
// operands, in order. False, with `problem`, at an option the command does not
// take or a value it does not allow.
bool ReadArguments(Command command, int argc, char** argv, CommandLine& line, Problem& problem);
