#include "practice_tool/convert.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/practice_format.h"
#include "practice_tool/text/utf8.h"

bool ConvertToPracticeText(const InputText& input, std::string& text,
                           std::vector<Problem>& problems) {
    text.clear();
    const std::size_t before = problems.size();
    for (const TextLine& line : input.lines) {
        std::string bytes;
        bool encoded = true;
        for (char32_t c : line.text) {
            if (!EncodeGbk(c, bytes)) {
                problems.push_back({line.number, Msg::noGbkForm, {CodePointName(c)}});
                encoded = false;
            }
        }
        if (encoded && bytes.size() > longestLine)
            problems.push_back(
                {line.number, Msg::lineTooLong, {Number(bytes.size()), Number(longestLine)}});
        text += bytes + "\r\n";
    }
    return problems.size() == before;
}
