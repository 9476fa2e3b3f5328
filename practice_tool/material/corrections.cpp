#include "practice_tool/material/corrections.h"
#include "practice_tool/text/utf8.h"

#include <iterator>

namespace {

// The glyphs of the radical data: U+E001 一, U+E01A 十, U+E060 艹, U+E0AA 车,
// U+E0D8 丿, U+E02D the identification code D, U+E111 八, U+E221 纟,
// U+E226 贯字头.
constexpr char32_t dao[] = U"\uE00B\uE22D\uE001\uE176";
constexpr char32_t guan[] = U"\uE1B4\uE226\uE0BC\uE13D";
constexpr char32_t guan4[] = U"\uE0E3\uE226\uE0BC\uE13D";
constexpr char32_t pei[] = U"\uE221\uE0AA\uE221\uE09B";
constexpr char32_t qian[] = U"\uE19F\uE05A\uE111\uE001";
constexpr char32_t chui[] = U"\uE0D8\uE01A\uE060\uE02D";
constexpr char32_t chui2[] = U"\uE0E3\uE0D8\uE01A\uE060";
constexpr char32_t chui3[] = U"\uE122\uE0D8\uE01A\uE060";
constexpr char32_t shui[] = U"\uE06D\uE0D8\uE01A\uE060";
constexpr char32_t tuo[] = U"\uE09B\uE0D8\uE01A\uE060";
constexpr char32_t chui4[] = U"\uE1E3\uE0D8\uE01A\uE060";
constexpr char32_t duo[] = U"\uE221\uE0D8\uE01A\uE060";
constexpr char32_t chui5[] = U"\uE043\uE0D8\uE01A\uE060";

constexpr const char* guanReason =
    u8"贯 has 贯字头 (X), as the data gives 贯; the source has 衣字底";
constexpr const char* chuiReason =
    u8"垂 shows 千's 丿 十 over 卄, the code's t f a; the source's 丿 一 艹 士 spell tgaf";

} // namespace

const CodeCorrection codeCorrections[] = {
    {WubiVersion::wubi86, U'蔻', "apfc", "apfl",
     u8"its radicals 艹 宀 二 又 spell apfc by the rule of the first, second, third and last, as "
     u8"one of Debian's ibus-table-wubi 86 tables lists beside apfl"},
    {WubiVersion::wubi86, U'靥', "dddd", "dddl",
     u8"its radicals 厂 犬 丆 三 spell dddd (also 大's code), as one of Debian's ibus-table-wubi "
     u8"86 "
     u8"tables lists beside dddl"},
    {WubiVersion::wubi98, U'缶', "tfbk", "tfbj",
     u8"its radicals 撇横 十 凵 end in 丨 and it is of one piece, 杂合型: identification code K, "
     u8"as 86's rmk has; the table's J would make it 上下型"},
};
const std::size_t codeCorrectionCount = std::size(codeCorrections);

const RadicalCorrection radicalCorrections[] = {
    {WubiVersion::wubi86, U'纛', dao,
     u8"its 毒 is 龶 母无心 一 as the data gives 毒 (the table's gxgi); the source has 十"},
    {WubiVersion::wubi98, U'惯', guan,
     u8"贯 has 贯字头 (X), as the data gives 贯; the source has 衣字底"},
    {WubiVersion::wubi98, U'掼', guan4,
     u8"贯 has 贯字头 (X), as the data gives 贯; the source has 衣字底"},
    {WubiVersion::wubi98, U'辔', pei,
     u8"in writing order 纟 车 纟 口 (xlxk); the source puts 车 first"},
    {WubiVersion::wubi98, U'骞', qian,
     u8"its middle is 八 (W) as the data gives 塞 寒 赛 (the code pawg); the source has 马"},
    {WubiVersion::wubi98, U'垂', chui, chuiReason},
    {WubiVersion::wubi98, U'捶', chui2, chuiReason},
    {WubiVersion::wubi98, U'锤', chui3, chuiReason},
    {WubiVersion::wubi98, U'睡', shui, chuiReason},
    {WubiVersion::wubi98, U'唾', tuo, chuiReason},
    {WubiVersion::wubi98, U'陲', chui4, chuiReason},
    {WubiVersion::wubi98, U'缍', duo, chuiReason},
    {WubiVersion::wubi98, U'棰', chui5, chuiReason},
};
const std::size_t radicalCorrectionCount = std::size(radicalCorrections);

const char32_t* CorrectedGlyphs(WubiVersion version, char32_t character) {
    for (const RadicalCorrection& correction : radicalCorrections)
        if (correction.version == version && correction.character == character)
            return correction.glyphs;
    return nullptr;
}

std::string CodeCorrectionNotice(WubiVersion version) {
    std::string notice;
    for (const CodeCorrection& correction : codeCorrections)
        if (correction.version == version) {
            notice += "#   ";
            AppendUtf8(notice, correction.character);
            notice += std::string(" ") + correction.code + " before " + correction.besides + ": " +
                      correction.reason + ".\n";
        }
    return notice;
}

std::string RadicalCorrectionNotice(WubiVersion version) {
    // The characters of one reason on one line: "#   垂 捶 锤: …".
    std::string notice, characters;
    for (std::size_t i = 0; i < radicalCorrectionCount; ++i) {
        const RadicalCorrection& correction = radicalCorrections[i];
        if (correction.version != version)
            continue;
        AppendUtf8(characters, correction.character);
        const bool last = i + 1 == radicalCorrectionCount ||
                          radicalCorrections[i + 1].reason != correction.reason;
        if (!last) {
            characters += " ";
            continue;
        }
        notice += "#   " + characters + ": " + correction.reason + ".\n";
        characters.clear();
    }
    return notice;
}
