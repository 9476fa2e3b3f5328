// The key chart page holds what `keys` lists, key by key, for both versions.
#include "tool_test_support.h"

#include "practice_tool/key_chart_page.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/wubi/key_charts.h"

#include <sstream>

namespace {

// The page's UTF-8 text in the form the console shows GBK, as `keys` prints.
std::string AsListed(const std::string& utf8) {
    std::string gbk;
    char32_t character;
    for (std::size_t position = 0; NextUtf8(utf8, position, character);)
        EXPECT_TRUE(EncodeGbk(character, gbk));
    return ConsoleText(gbk);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    return parts;
}

// The box of the key `letter` on the page; "" for none.
std::string KeyBox(const std::string& page, const std::string& letter) {
    const std::size_t start = page.find("data-key=\"" + letter + "\"");
    return start == std::string::npos ? ""
                                      : page.substr(start, page.find("</div>\n", start) - start);
}

} // namespace

TEST(KeyChartPage, ShowsEveryKeyAsKeysListsIt) {
    for (const VersionData& data : versionData) {
        const auto [exitCode, listing] = RunTool({std::string("--wubi=") + data.number, "keys"});
        ASSERT_EQ(exitCode, exitClean);
        const std::string page = AsListed(KeyChartPage(data.version));
        const std::vector<std::string> lines = Split(listing, '\n');
        ASSERT_EQ(lines.size(), wubiKeyCount);
        for (const std::string& line : lines) {
            const std::vector<std::string> field = Split(line, '\t');
            ASSERT_EQ(field.size(), 8u) << line;
            const std::string key = KeyBox(page, field[0]);
            const auto shows = [&](const std::string& text) {
                EXPECT_NE(key.find(text), std::string::npos) << line << ": " << text;
            };
            // The zone's shade and pattern, as the place number's first digit.
            shows("class=\"key z" + field[1].substr(0, 1) + "\" title=\"" + field[2] + "\"");
            std::vector<std::string> shown = Split(field[6], ' '); // the radicals
            shown.insert(shown.end(), {{AsciiUpper(field[0][0])}, field[1], field[3], field[5]});
            for (const std::string& text : shown)
                shows(">" + text + "<");
            if (field[7] == "-")
                EXPECT_EQ(key.find("verse"), std::string::npos) << line;
            else
                shows("<div class=\"verse\">" + field[7] + "<");
        }
        std::string order;
        for (std::size_t at = page.find("data-key="); at != std::string::npos;
             at = page.find("data-key=", at + 1))
            order += page[at + 10];
        EXPECT_EQ(order, "qwertyuiopasdfghjklzxcvbnm");
        EXPECT_EQ(KeyBox(page, "z").find("radicals"), std::string::npos); // Z carries none
    }
}

TEST(KeyChartPage, WrittenByKeysHtml) {
    const TempFile out("keys.html");
    EXPECT_EQ(RunTool({"keys", "--html", out.path, "--wubi=98"}).first, exitClean);
    EXPECT_EQ(out.read(), KeyChartPage(WubiVersion::wubi98));
}
