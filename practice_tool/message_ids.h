// The ids of everything the tool says, apart from their texts (messages.cpp),
// as the program's resource ids are apart from its resource script: the text
// and Wubi layers report problems by id and never see a text.
#pragma once

#include <string>
#include <vector>

enum class Msg {
    none, // no message: a problem not yet found
    // Help, one text per command.
    toolHelp,
    checkHelp,
    convertHelp,
    makeHelp,
    keysHelp,
    // Reports.
    unknownCommand,
    unknownOption,
    badValue,
    helpHint,
    cannotRead,
    cannotWrite,
    written,
    chartWritten,
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
    outsideKeys,
    tooFewToSpace,
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
    frequencyUnreadable,
    frequencyMalformed,
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
    radicalOnOtherKey,
    count // the number of ids
};

// Something in a file that stops the tool or that check warns about, with the
// line it is on (0: the whole file). Kept apart from any language until shown.
struct Problem {
    unsigned line = 0;
    Msg id = Msg::none;
    std::vector<std::string> args;

    bool operator==(const Problem& other) const {
        return line == other.line && id == other.id && args == other.args;
    }
};
