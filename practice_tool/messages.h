// Everything the tool says, in English and in Chinese: one table of message
// ids with both texts, so that neither language falls behind the other.
#pragma once

#include "practice_tool/tool_platform.h"

#include <cstdio>
#include <string>
#include <vector>

enum class Msg {
    // Help, one text per command.
    toolHelp,
    checkHelp,
    convertHelp,
    makeHelp,
    keysHelp,
    // Reports.
    unknownCommand,
    cannotRead,
    cannotWrite,
    written,
    notWritten,
    problemAt,
    problemIn,
    error,
    warning,
    checkSummary,
    linesRange,
    linesPlaces,
    repeats,
    outsideTable,
    withoutCode,
    shuffled,
    oneLetterCode,
    twoLetterCode,
    threeLetterCode,
    tableHint,
    dropMade,
    dropOpen,
    dropAlready,
    noFreeName,
    pressKey,
    // Problems in what the tool reads.
    inputUtf16,
    inputLoneCr,
    inputNul,
    inputCtrlZ,
    notUtf8,
    notGbk,
    noGbkForm,
    lineTooLong,
    noCharacters,
    tableUnreadable,
    tableNotUtf8,
    tableHeaderOpen,
    radicalsUnreadable,
    radicalsMalformed,
    // What check warns about.
    byteOrderMark,
    utf16,
    looksLikeUtf8,
    ctrlZ,
    nulByte,
    carriageReturn,
    longLine,
    severalCharacters,
    emptyCharacter,
    longCode,
    codeNotLetters,
    emptyCode,
    reasonCut,
    loneLeadByte,
    incompleteEntry,
    noEntries,
    notInTable,
    codeNotInTable,
    count
};

// The GBK text of `id`, with {1}, {2}... where arguments go.
const char* MessageText(Language language, Msg id);

// The text of `id` as the console shows it, each {N} replaced by args[N-1].
// Arguments are in the console's encoding already: paths, numbers.
std::string Say(Language language, Msg id, const std::vector<std::string>& args = {});

// Says `id` on `stream`, ending the line.
void Print(std::FILE* stream, Language language, Msg id, const std::vector<std::string>& args = {});

// Something in a file that stops the tool or that check warns about, with the
// line it is on (0: the whole file). Kept apart from any language until shown.
struct Problem {
    unsigned line = 0;
    Msg id = Msg::count;
    std::vector<std::string> args;
};
