// The key chart page against what `keys` lists: the same keys, each with the
// same contents, for both versions; and `keys --html` writing that page.
#include "tool_test_support.h"

#include "practice_tool/key_chart_page.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/wubi/key_charts.h"

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
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    return parts;
}

} // namespace

TEST(KeyChartPage, ShowsEveryKeyAsKeysListsIt) {
    for (const VersionData& data : versionData) {
        const auto [exitCode, listing] = RunTool({std::string("--wubi=") + data.number, "keys"});
        ASSERT_EQ(exitCode, exitClean);
        const std::string page = AsListed(KeyChartPage(data.version));
        std::vector<std::string> lines = Split(listing, '\n');
        lines.pop_back();
        ASSERT_EQ(lines.size(), wubiKeyCount);
        for (const std::string& line : lines) {
            const std::vector<std::string> field = Split(line, '\t');
            ASSERT_EQ(field.size(), 8u) << line;
            const std::size_t start = page.find("data-key=\"" + field[0] + "\"");
            ASSERT_NE(start, std::string::npos) << line;
            const std::string key = page.substr(start, page.find("</div>\n", start) - start);
            const auto shows = [&](const std::string& text) {
                EXPECT_NE(key.find(text), std::string::npos)
                    << data.number << " " << line << ": " << text << " in " << key;
            };
            // The zone's shade and pattern, as the place number's first digit.
            shows("class=\"key z" + field[1].substr(0, 1) + "\" title=\"" + field[2] + "\"");
            shows(">" + std::string(1, AsciiUpper(field[0][0])) + "<");
            for (std::size_t shown : {1, 3, 5})
                shows(">" + field[shown] + "<");
            for (const std::string& radical : Split(field[6], ' '))
                shows(">" + radical + "<");
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
        // Z: the learning key, with no radicals.
        const std::size_t z = page.find("data-key=\"z\"");
        ASSERT_NE(z, std::string::npos);
        EXPECT_EQ(page.substr(z, page.find("</div>\n", z) - z).find("radicals"), std::string::npos);
    }
}

TEST(KeyChartPage, WrittenByKeysHtml) {
    const TempFile out("keys.html");
    EXPECT_EQ(RunTool({"keys", "--html", out.path, "--wubi=98"}).first, exitClean);
    EXPECT_EQ(out.read(), KeyChartPage(WubiVersion::wubi98));
    for (const std::vector<std::string>& words : {std::vector<std::string>{"keys", "--html"},
                                                  {"keys", out.path},
                                                  {"check", "--html", out.path}})
        EXPECT_EQ(RunTool(words).first, exitFailed) << words.back();
}
