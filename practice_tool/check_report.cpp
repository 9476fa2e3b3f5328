#include "practice_tool/check_report.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"

namespace {

std::string PlaceName(const LinePlace& place) {
    return Number(place.line) + (place.offset == 0 ? "" : "+" + Number(place.offset));
}

// "lines 4-6" for three whole consecutive lines, else each place.
std::string PlacesName(Language language, const LinePlace (&lines)[3]) {
    const bool plain = lines[0].offset == 0 && lines[1].offset == 0 && lines[2].offset == 0 &&
                       lines[1].line == lines[0].line + 1 && lines[2].line == lines[1].line + 1;
    if (plain)
        return Say(language, Msg::linesRange, {Number(lines[0].line), Number(lines[2].line)});
    return Say(language, Msg::linesPlaces,
               {PlaceName(lines[0]), PlaceName(lines[1]), PlaceName(lines[2])});
}

// Control bytes and lone lead bytes as \xNN, so that a stray CR cannot garble the
// listing and a lone lead byte cannot swallow what follows it.
std::string Showable(const char* field) {
    std::string out;
    for (std::size_t i = 0; field[i] != '\0'; ++i) {
        const unsigned char byte = static_cast<unsigned char>(field[i]);
        if (IsGbkLeadByte(byte) && field[i + 1] != '\0' &&
            static_cast<unsigned char>(field[i + 1]) >= 0x40) {
            out.append(field + i, 2);
            ++i;
        } else if (byte < 0x20 || byte == 0x7F || IsGbkLeadByte(byte)) {
            out += ByteName(byte, ByteForm::escape);
        } else {
            out += field[i];
        }
    }
    return out;
}

void PrintEntry(std::FILE* out, Language language, std::size_t number,
                const CheckedEntry& checked) {
    std::fprintf(out, "%5zu  %-18s ", number, PlacesName(language, checked.lines).c_str());
    PrintMaterial(out, Showable(checked.entry.character));
    std::fprintf(out, "  %-4s  ", checked.entry.code);
    PrintMaterial(out, Showable(checked.entry.reason));
    std::fputc('\n', out);
}

} // namespace

void PrintCheckResult(std::FILE* out, Language language, const char* path,
                      const CheckResult& result, bool quiet) {
    for (std::size_t i = 0; !quiet && i < result.entries.size(); ++i)
        PrintEntry(out, language, i + 1, result.entries[i]);
    for (const Problem& finding : result.findings)
        PrintProblem(out, language, path, finding, Msg::warning);
    Print(out, language, Msg::checkSummary,
          {path, Number(result.entries.size()), Number(result.findings.size())});
}

void PrintProblem(std::FILE* stream, Language language, const char* path, const Problem& problem,
                  Msg kind) {
    const std::string said = Say(language, problem.id, problem.args);
    if (problem.line == 0)
        Print(stream, language, Msg::problemIn, {path, Say(language, kind), said});
    else
        Print(stream, language, Msg::problemAt,
              {path, Number(problem.line), Say(language, kind), said});
}
