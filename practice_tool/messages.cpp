#include "practice_tool/messages.h"

#include <iterator>

namespace {

struct MessageRow {
    Msg id;
    const char* english;
    const char* chinese;
};

// Chinese texts use the words of the guide: 组 for an entry, 编码, 简码, 码表.
constexpr MessageRow rows[] = {
    {Msg::toolHelp,
     "Usage: practice_tool [--wubi=86|98] COMMAND [ARGUMENTS]\n"
     "       practice_tool [--wubi=86|98] TEXT-FILE...\n"
     "\n"
     "Drop text files on practice_tool.exe (or name them alone): each gets a practice\n"
     "file of its Chinese characters beside it, named after it with \"-wubi\", with\n"
     "Wubi 86 codes; dropped on practice_tool98.cmd, or after --wubi=98, with Wubi 98\n"
     "codes. --wubi=98 before a command is the same as after it.\n"
     "\n"
     "Practice files are GBK text with CR LF line ends, three lines an entry\n"
     "(character, code, explanation), each line at most 78 bytes.\n"
     "\n"
     "Commands:\n"
     "  make [OPTIONS] TEXT [TABLE] OUT\n"
     "                          write a practice file OUT for the Chinese\n"
     "                          characters of TEXT, with codes from the Wubi table\n"
     "  check FILE              list the entries the program loads from FILE and\n"
     "                          warn about what it surely does not mean\n"
     "  convert IN OUT          write UTF-8 or GBK text IN as a practice file OUT\n"
     "  keys [--html OUT]       print the key table the explanations use, or\n"
     "                          write it as a key chart to print\n"
     "\n"
     "Each command works for Wubi 86 unless told --wubi=98.\n"
     "\"practice_tool COMMAND --help\" tells more about each.\n"
     "Exit codes: 0 done, 1 warnings found or input refused, 2 could not run.",
     "用法：practice_tool [--wubi=86|98] 命令 [参数]\n"
     "      practice_tool [--wubi=86|98] 文本文件...\n"
     "\n"
     "把文本文件拖到 practice_tool.exe 上（或只给出文件名），就在每个文件旁边\n"
     "生成一个练习文件，包含其中的汉字和五笔 86 编码，文件名是原来的名字加“-wubi”；\n"
     "拖到 practice_tool98.cmd 上（或在前面加 --wubi=98）则用五笔 98 编码。\n"
     "--wubi=98 写在命令前和写在命令后一样。\n"
     "\n"
     "练习文件是 GBK 编码、CR LF 换行的纯文本，每三行一组（汉字、编码、说明），\n"
     "每行最多 78 个字节。\n"
     "\n"
     "命令：\n"
     "  make [选项] 文本 [码表] 输出\n"
     "                          为“文本”里的汉字生成练习文件“输出”，\n"
     "                          编码取自五笔码表\n"
     "  check 文件              按程序的读法列出“文件”里的每一组，\n"
     "                          并指出肯定不合作者本意的地方\n"
     "  convert 输入 输出       把 UTF-8 或 GBK 的文本“输入”写成练习文件“输出”\n"
     "  keys [--html 输出]      列出说明所用的键位表，或写成可打印的键位图\n"
     "\n"
     "各命令默认用五笔 86，加 --wubi=98 则用五笔 98。\n"
     "“practice_tool 命令 --help”显示各命令的详细用法。\n"
     "退出码：0 完成，1 有警告或拒绝了输入，2 无法运行。"},
    {Msg::checkHelp,
     "Usage: practice_tool check [-q] [--wubi=86|98] FILE\n"
     "\n"
     "Reads FILE exactly as the program loads it and lists each entry with the\n"
     "lines it came from (\"12+79\": line 12 from byte 79 on). Warns where the\n"
     "result is surely not what the author meant: a line of 79 bytes or more\n"
     "(read as several lines, shifting every later entry), a character line with\n"
     "more or less than one character, a code longer than 4 or not all letters,\n"
     "a code that is not one of the character's codes in the Wubi table that\n"
     "comes with the tool, a cut reason, half a double-byte character at a\n"
     "field's end, stray CR, NUL or Ctrl-Z bytes, an incomplete entry at the end,\n"
     "UTF-8 or UTF-16 text.\n"
     "\n"
     "  -q            list only the warnings\n"
     "  --wubi=98     the codes are Wubi 98 codes (default: 86)\n"
     "\n"
     "Exit codes: 0 no warning, 1 warnings, 2 FILE or the table cannot be read.",
     "用法：practice_tool check [-q] [--wubi=86|98] 文件\n"
     "\n"
     "完全按程序的读法读“文件”，列出每一组和它来自哪几行（“12+79”：第 12 行\n"
     "从第 79 个字节起）。肯定不合作者本意的地方给出警告：79 个字节以上的行\n"
     "（被读成几行，后面每一组都错位）、汉字行不是正好一个字、编码超过 4 个\n"
     "字母或含有字母以外的字符、编码不是工具自带码表里这个字的编码、被截断的\n"
     "说明、字段末尾只有半个双字节字符、多余的 CR、NUL 或 Ctrl-Z 字节、末尾\n"
     "不完整的一组、UTF-8 或 UTF-16 文本。\n"
     "\n"
     "  -q            只列出警告\n"
     "  --wubi=98     编码是五笔 98 的编码（默认为 86）\n"
     "\n"
     "退出码：0 没有警告，1 有警告，2 无法读取文件或码表。"},
    {Msg::convertHelp,
     "Usage: practice_tool convert IN OUT\n"
     "\n"
     "Writes the text file IN (UTF-8 with or without a byte-order mark, or GBK;\n"
     "lines ended by LF or CR LF) as a practice file OUT in GBK with CR LF line\n"
     "ends. Refuses, naming the line, a character that GBK cannot hold, a line of\n"
     "more than 78 bytes in GBK and anything \"check\" would warn about. OUT is\n"
     "written only when all is well; IN and OUT may be the same file.\n"
     "\n"
     "Exit codes: 0 written, 1 refused, 2 IN cannot be read or OUT written.",
     "用法：practice_tool convert 输入 输出\n"
     "\n"
     "把文本文件“输入”（UTF-8，带不带 BOM 均可，或 GBK；LF 或 CR LF 换行）写成\n"
     "GBK 编码、CR LF 换行的练习文件“输出”。GBK 里没有的字、GBK 下超过 78 个\n"
     "字节的行以及 check 会警告的一切都会被拒绝，并指出行号。只有全部没有问题\n"
     "时才写“输出”；“输入”和“输出”可以是同一个文件。\n"
     "\n"
     "退出码：0 已写入，1 拒绝，2 无法读取“输入”或无法写入“输出”。"},
    {Msg::makeHelp,
     "Usage: practice_tool make [OPTIONS] TEXT [TABLE] OUT\n"
     "\n"
     "Writes a practice file OUT with one entry for each Chinese character of\n"
     "TEXT, each character once (unless --repeat or --spaced says otherwise).\n"
     "TEXT is any text in UTF-8 or GBK: an article, a lesson, a list of characters;\n"
     "what the table does not hold (punctuation, digits, letters) is skipped and\n"
     "counted. The explanation names the character's radicals in order, each with\n"
     "its key, and the identification code with what it stands for, what kind of\n"
     "code it is and the other codes the character has.\n"
     "\n"
     "TABLE is a Wubi table of the version in the Rime dictionary format (UTF-8;\n"
     "text, code and weight separated by tabs). Without it the table that comes\n"
     "with the tool is used: wubi86-danzi.dict.yaml or wubi98-danzi.dict.yaml\n"
     "beside practice_tool; the radicals come from wubi86-zigen.txt or\n"
     "wubi98-zigen.txt there.\n"
     "\n"
     "  --wubi=86           Wubi 86 codes (the default)\n"
     "  --wubi=98           Wubi 98 codes\n"
     "  --code=full         drill the full code (the default)\n"
     "  --code=1            drill the one-letter short code\n"
     "  --code=2            drill the two-letter short code\n"
     "  --code=3            drill the three-letter short code\n"
     "  --code=radical      drill the radicals of TEXT's characters that are one\n"
     "                      character each: the radical, its key as the code\n"
     "  --order=text        in the order of the text (the default)\n"
     "  --order=frequency   the most frequent characters of modern text first\n"
     "                      (hanzi-frequency.txt; the others by the weights of the\n"
     "                      Wubi 86 table); radicals: those most characters hold\n"
     "  --order=shuffle     in random order\n"
     "  --seed=N            with --order=shuffle: the order of seed N, the same\n"
     "                      every time and on every system (--number=N as well)\n"
     "  --repeat=N          each entry N times in a row (1 to 9)\n"
     "  --spaced            each entry four times, coming back after 8, 12 and 44\n"
     "                      other entries (at the file's start and end at least 2,\n"
     "                      5 and 11), never twice in a row; needs at least 14\n"
     "                      characters; not with --repeat\n"
     "  --keys=LETTERS      only the characters whose code uses nothing but\n"
     "                      these keys (--keys=gfdsahjklm: the first two zones)\n"
     "\n"
     "Files dropped on practice_tool take these options too, after the file names\n"
     "or before them.\n"
     "\n"
     "Exit codes: 0 written, 1 refused (no character of TEXT has such a code in\n"
     "the table), 2 a file cannot be read or OUT written.",
     "用法：practice_tool make [选项] 文本 [码表] 输出\n"
     "\n"
     "为“文本”里的每个汉字生成一组，写成练习文件“输出”，每个字只出现一次\n"
     "（--repeat 或 --spaced 另有规定）。\n"
     "“文本”可以是任何 UTF-8 或 GBK 的文字：文章、课文、字表都行；码表里没有的\n"
     "字符（标点、数字、字母）跳过并计数。说明按顺序写出这个字的字根和各自的键、\n"
     "末笔识别码及其含义、编码的种类和这个字的其他编码。\n"
     "\n"
     "“码表”是所选版本的 Rime 词典格式五笔码表（UTF-8；文字、编码、字频用 Tab\n"
     "分隔）。不给出时使用工具自带的码表：practice_tool 旁边的\n"
     "wubi86-danzi.dict.yaml 或 wubi98-danzi.dict.yaml；字根取自那里的\n"
     "wubi86-zigen.txt 或 wubi98-zigen.txt。\n"
     "\n"
     "  --wubi=86           五笔 86 编码（默认）\n"
     "  --wubi=98           五笔 98 编码\n"
     "  --code=full         练全码（默认）\n"
     "  --code=1            练一级简码\n"
     "  --code=2            练二级简码\n"
     "  --code=3            练三级简码\n"
     "  --code=radical      练字根：“文本”里的字所含的单字字根，编码是字根所在的键\n"
     "  --order=text        按字在文本里出现的顺序（默认）\n"
     "  --order=frequency   按现代汉语字频，常用字在前（hanzi-frequency.txt；\n"
     "                      其余的字按五笔 86 码表的字频）；字根：含它的字多的在前\n"
     "  --order=shuffle     随机顺序\n"
     "  --seed=N            和 --order=shuffle 一起用：种子为 N 的随机顺序，\n"
     "                      每次、在每种系统上都一样（也可以写 --number=N）\n"
     "  --repeat=N          每组连续出现 N 次（1 到 9）\n"
     "  --spaced            间隔练习：每组出现四次，隔 8、12、44 组再出现（文件\n"
     "                      开头和末尾至少隔 2、5、11 组），从不连续出现；至少要\n"
     "                      14 个字；不能和 --repeat 同用\n"
     "  --keys=LETTERS      只要编码全在这些键上的字（--keys=gfdsahjklm：横区和竖区）\n"
     "\n"
     "拖到 practice_tool 上的文件也可以用这些选项，写在文件名前后都行。\n"
     "\n"
     "退出码：0 已写入，1 拒绝（“文本”里没有一个字在码表中有所要的编码），\n"
     "2 无法读取文件或无法写入“输出”。"},
    {Msg::keysHelp,
     "Usage: practice_tool keys [--wubi=86|98] [--html OUT]\n"
     "\n"
     "Prints the key table of Wubi 86 (or 98) that the explanations of \"make\"\n"
     "use, one key a line, columns separated by tabs: key, zone number, zone,\n"
     "key-name character, single stroke (or -), the character typed by the key\n"
     "alone, the radicals on the key, the mnemonic verse (or -).\n"
     "\n"
     "  --html OUT    write the same table as a key chart instead: a page OUT\n"
     "                (HTML) to open in a browser and print on one A4 page,\n"
     "                landscape; keys-86.html and keys-98.html come with the tool",
     "用法：practice_tool keys [--wubi=86|98] [--html 输出]\n"
     "\n"
     "列出 make 的说明所用的五笔 86（或 98）键位表，每行一个键，各列用 Tab\n"
     "分隔：键、区位号、区、键名字、单笔画（没有时为 -）、一级简码字、这个键上\n"
     "的字根、字根助记词（没有时为 -）。\n"
     "\n"
     "  --html 输出   改为把同一张表写成键位图：网页文件“输出”（HTML），用浏览器\n"
     "                打开，可打印在一张横向 A4 纸上；工具自带 keys-86.html 和\n"
     "                keys-98.html"},

    {Msg::unknownCommand, "practice_tool: unknown command \"{1}\"",
     "practice_tool：没有“{1}”这个命令"},
    {Msg::unknownOption, "practice_tool: unknown option '{1}'", "practice_tool：没有“{1}”这个选项"},
    {Msg::badValue, "practice_tool: '{1}' is not a value of {2} (it takes {3})",
     "practice_tool：{2} 不能取“{1}”（可以取 {3}）"},
    {Msg::helpHint, "\"{1} --help\" tells more.", "“{1} --help”显示详细用法。"},
    {Msg::cannotRead, "{1}: cannot read the file", "{1}：无法读取文件"},
    {Msg::cannotWrite, "{1}: cannot write the file", "{1}：无法写入文件"},
    {Msg::written, "{1}: {2} entries written", "{1}：已写入 {2} 组"},
    {Msg::chartWritten, "{1}: the Wubi {2} key chart written; open it in a browser to print it",
     "{1}：已写入五笔 {2} 键位图，用浏览器打开即可打印"},
    {Msg::notWritten, "{1}: not written", "{1}：没有写入"},
    {Msg::problemAt, "{1}:{2}: {3}: {4}", "{1}:{2}: {3}：{4}"},
    {Msg::problemIn, "{1}: {2}: {3}", "{1}: {2}：{3}"},
    {Msg::error, "error", "错误"},
    {Msg::warning, "warning", "警告"},
    {Msg::checkSummary, "{1}: {2} entries, {3} warnings", "{1}：{2} 组，{3} 个警告"},
    {Msg::linesRange, "lines {1}-{2}", "第 {1}-{2} 行"},
    {Msg::linesPlaces, "lines {1},{2},{3}", "第 {1},{2},{3} 行"},
    {Msg::repeats, "  {1} characters came more than once; each has one entry",
     "  有 {1} 个字出现了不止一次，每个字只有一组"},
    {Msg::outsideTable,
     "  {1} characters skipped that are not in the table (punctuation, digits, letters "
     "and the like)",
     "  跳过了 {1} 个码表里没有的字符（标点、数字、字母等）"},
    {Msg::withoutCode, "  {1} characters skipped that have no {2}", "  跳过了 {1} 个没有{2}的字"},
    {Msg::shuffled, "  in random order; the same order again: --order=shuffle --seed={1}",
     "  顺序已打乱；要再得到这个顺序：--order=shuffle --seed={1}"},
    {Msg::outsideKeys, "  {1} characters skipped whose code uses keys other than {2}",
     "  跳过了 {1} 个编码用到 {2} 以外的键的字"},
    {Msg::tooFewToSpace,
     "a spaced file needs at least {1} different characters; the text gives {2}",
     "间隔练习至少要 {1} 个不同的字，文本里只有 {2} 个"},
    {Msg::oneLetterCode, "one-letter short code", "一级简码"},
    {Msg::twoLetterCode, "two-letter short code", "二级简码"},
    {Msg::threeLetterCode, "three-letter short code", "三级简码"},
    {Msg::tableHint,
     "practice_tool looks for its Wubi tables and radical data beside itself; another "
     "table can be named: make TEXT TABLE OUT",
     "practice_tool 在自己所在的文件夹里找五笔码表和字根数据；也可以指定码表：make 文本 码表 输出"},
    {Msg::dropMade, "Practice file made: {1} ({2} characters from {3}).",
     "已生成练习文件：{1}（{2} 个字，取自 {3}）。"},
    {Msg::dropOpen, "Open it in tarnvel.exe to drill these characters.",
     "在 tarnvel.exe 里打开它，就可以练习这些字。"},
    {Msg::dropAlready, "{1} is a practice file already ({2} entries); nothing was made.",
     "{1} 已经是练习文件（{2} 组），没有生成新文件。"},
    {Msg::noFreeName, "{1}: every name for the practice file is taken",
     "{1}：练习文件可用的名字都已被占用"},
    {Msg::pressKey, "Press any key to close this window.", "按任意键关闭此窗口。"},

    {Msg::inputUtf16, "the file is UTF-16; save it as UTF-8 or GBK",
     "文件是 UTF-16 编码；请另存为 UTF-8 或 GBK"},
    {Msg::inputLoneCr, "carriage return without a line feed after it",
     "回车符（CR）后面没有换行符（LF）"},
    {Msg::inputNul, "NUL byte", "NUL 字节"},
    {Msg::inputCtrlZ, "Ctrl-Z byte (0x1A) ends the text", "Ctrl-Z 字节（0x1A）会结束文本"},
    {Msg::notUtf8, "{1} is not valid UTF-8", "{1} 不是有效的 UTF-8"},
    {Msg::notGbk, "{1} is not valid GBK", "{1} 不是有效的 GBK"},
    {Msg::noGbkForm, "{1} has no GBK form", "{1} 在 GBK 里没有"},
    {Msg::lineTooLong, "line has {1} bytes in GBK; at most {2} fit before the line end",
     "这一行在 GBK 里有 {1} 个字节，行尾之前最多只能放 {2} 个"},
    {Msg::noCharacters, "no character of the text has the code asked for in the table",
     "文本里没有一个字在码表中有所要的编码"},
    {Msg::tableUnreadable, "cannot read the Wubi table", "无法读取五笔码表"},
    {Msg::tableNotUtf8, "the table is not UTF-8", "码表不是 UTF-8 编码"},
    {Msg::tableHeaderOpen, "the table's header has no end (a line \"...\")",
     "码表的文件头没有结束行（“...”）"},
    {Msg::radicalsUnreadable, "cannot read the radical data", "无法读取字根数据"},
    {Msg::radicalsMalformed, "the radical data's line is not \"character<TAB>※radical※...※\"",
     "字根数据的这一行不是“字<TAB>※字根※……※”的形式"},
    {Msg::frequencyUnreadable, "cannot read the frequency data", "无法读取字频数据"},
    {Msg::frequencyMalformed, "the frequency data's line is not \"character<TAB>count<TAB>level\"",
     "字频数据的这一行不是“字<TAB>次数<TAB>级别”的形式"},

    {Msg::byteOrderMark,
     "starts with a UTF-8 byte-order mark, which the program reads as part of the first "
     "character; convert the file to GBK",
     "以 UTF-8 的字节顺序标记（BOM）开头，程序会把它当作第一个字的一部分：请把文件转成 GBK"},
    {Msg::utf16,
     "is UTF-16 (it starts with its byte-order mark); the program reads GBK: convert the file",
     "是 UTF-16 编码（以它的字节顺序标记开头）；程序读的是 GBK：请转换文件"},
    {Msg::looksLikeUtf8,
     "looks like UTF-8; the program reads GBK and shows it as garbage: convert the file",
     "看来是 UTF-8 编码；程序按 GBK 读，会显示成乱码：请转换文件"},
    {Msg::ctrlZ, "Ctrl-Z byte (0x1A) ends the material; the {1} bytes after it are ignored",
     "Ctrl-Z 字节（0x1A）结束了练习内容，其后的 {1} 个字节被忽略"},
    {Msg::nulByte, "NUL byte: the rest of the line is lost to its field",
     "NUL 字节：这一行其余的内容进不了字段"},
    {Msg::carriageReturn,
     "carriage return that does not end the line: it stays in the field (or, as the only "
     "line end, joins lines)",
     "不在行尾的回车符（CR）：它留在字段里（如果它是唯一的换行符，几行会连成一行）"},
    {Msg::longLine,
     "line has {1} bytes; at most {2} fit before the line end, so it is read as {3} lines "
     "and every later entry shifts",
     "这一行有 {1} 个字节，行尾之前最多只能放 {2} 个，所以被读成 {3} 行，后面每一组都错位"},
    {Msg::severalCharacters, "character line holds {1} characters; only the first is kept",
     "汉字行有 {1} 个字，只保留第一个"},
    {Msg::emptyCharacter,
     "empty character line: nothing to show (a blank line shifts every later entry)",
     "汉字行是空的：没有字可显示（多出的空行使后面每一组都错位）"},
    {Msg::longCode, "code line has {1} bytes; only the first {2} are kept",
     "编码行有 {1} 个字节，只保留前 {2} 个"},
    {Msg::codeNotLetters, "code holds something other than letters", "编码里有字母以外的字符"},
    {Msg::emptyCode, "empty code: an empty answer would count as right",
     "编码是空的：什么都不输入也算答对"},
    {Msg::reasonCut, "reason is cut after {1} bytes; the rest is read as the next line",
     "说明在 {1} 个字节处被截断，其余部分被读成下一行"},
    {Msg::loneLeadByte, "the line ends in the first byte of a double-byte character",
     "这一行的末尾是半个双字节字符（只有第一个字节）"},
    {Msg::incompleteEntry, "the entry from this line on is incomplete and is ignored",
     "从这一行起的一组不完整，被忽略"},
    {Msg::noEntries, "holds no entry: an entry takes three lines", "没有任何一组：每组需要三行"},
    {Msg::notInTable, "the character is not in the Wubi {2} table", "这个字不在五笔 {2} 码表里"},
    {Msg::codeNotInTable, "{1} is not a Wubi {2} code of the character",
     "{1} 不是这个字的五笔 {2} 编码"},
    {Msg::radicalOnOtherKey, "{1} is not the key of this radical in Wubi {2}: it is on {3}",
     "在五笔 {2} 里这个字根不在 {1} 键上，而在 {3} 键上"},
};

// Every id but none has one row, in the order of the ids.
constexpr bool RowsFollowTheIds() {
    for (std::size_t i = 0; i < std::size(rows); ++i)
        if (static_cast<std::size_t>(rows[i].id) != i + 1)
            return false;
    return std::size(rows) + 1 == static_cast<std::size_t>(Msg::count);
}
static_assert(RowsFollowTheIds(), "one row per message id, in the order of the ids");

} // namespace

const char* MessageText(Language language, Msg id) {
    const auto index = static_cast<std::size_t>(id);
    if (index == 0 || index > std::size(rows))
        return "";
    const MessageRow& row = rows[index - 1];
    return language == Language::chinese ? row.chinese : row.english;
}

std::string Say(Language language, Msg id, const std::vector<std::string>& args) {
    const std::string text = ConsoleText(MessageText(language, id));
    std::string said;
    // One pass, so that an argument holding "{1}" stays as it is.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number = i + 2 < text.size() && text[i] == '{' && text[i + 2] == '}'
                                       ? static_cast<std::size_t>(text[i + 1] - '0')
                                       : 0;
        if (number >= 1 && number <= args.size()) {
            said += args[number - 1];
            i += 2;
        } else {
            said += text[i];
        }
    }
    return said;
}

void Print(std::FILE* stream, Language language, Msg id, const std::vector<std::string>& args) {
    const std::string said = Say(language, id, args) + "\n";
    std::fwrite(said.data(), 1, said.size(), stream);
}
