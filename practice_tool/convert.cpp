#include "practice_tool/convert.h"
#include "practice_tool/gbk.h"
#include "practice_tool/utf8.h"

#include "core/practice_file.h"

namespace {

// The loader reads a line whole only when its line end is among its first 79 bytes.
constexpr std::size_t longestLine = lineBufferSize - 2;

} // namespace

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
            problems.push_back({line.number,
                                Msg::lineTooLong,
                                {std::to_string(bytes.size()), std::to_string(longestLine)}});
        text += bytes + "\r\n";
    }
    return problems.size() == before;
}
