// The course as make_material makes it: every lesson of both versions clean
// and within its size, its codes the version's, and the guide's table of it.
#include "tool_test_support.h"

#include "practice_tool/check.h"
#include "practice_tool/check_codes.h"
#include "practice_tool/material/sample_files.h"
#include "practice_tool/text/whole_file.h"
#include "practice_tool/wubi/key_charts.h"

#include <sys/stat.h>

namespace {

// The keys of zones 1 to N of a common-character lesson ("zi-1-N-qu.txt").
std::string KeysUpToZone(WubiVersion version, const std::string& name) {
    std::string keys;
    for (const WubiKey& key : WubiKeys(version))
        if (key.position / 10 <= static_cast<unsigned>(name[5] - '0'))
            keys += key.letter;
    return keys;
}

// Whether the guide's table has a row for the lesson: its name, or a range of
// numbers of its kind ("  26～55-changyong-….txt").
bool Listed(const std::string& guide, const std::string& name) {
    if (guide.find("  " + name) != std::string::npos)
        return true;
    const std::string tilde = u8"～", kind = name.substr(3, name.find('-', 3) - 3);
    const int number = std::stoi(name.substr(0, 2));
    for (std::size_t at = guide.find(tilde); at != std::string::npos;
         at = guide.find(tilde, at + 1)) {
        const std::size_t last = at + tilde.size();
        if (at >= 2 && guide.compare(last + 2, kind.size() + 2, "-" + kind + "-") == 0 &&
            std::stoi(guide.substr(at - 2, 2)) <= number &&
            number <= std::stoi(guide.substr(last, 2)))
            return true;
    }
    return false;
}

} // namespace

TEST(Course, EveryLessonIsCleanWithinItsSizeAndTheGuideTellsIt) {
    std::string guide;
    ASSERT_TRUE(ReadWholeFile((ProgramFolder() + "guide-README-zh.txt").c_str(), guide));
    for (const VersionData& data : versionData) {
        const std::string folder = testing::TempDir() + "course" + data.number + "/";
        mkdir(folder.c_str(), 0777);
        std::vector<std::string> lessons;
        std::string failure;
        ASSERT_TRUE(WriteSamples(data.version, ProgramFolder(), folder, lessons, failure))
            << failure;
        EXPECT_NE(guide.find(u8"都是 " + std::to_string(lessons.size()) + u8" 课"),
                  std::string::npos);
        for (const std::string& name : lessons) {
            const std::string path = folder + name;
            CheckResult result;
            Problem problem;
            ASSERT_TRUE(CheckPracticeFile(path.c_str(), result));
            ASSERT_TRUE(CheckCodes(DataFilesIn(ProgramFolder(), data.version).table.c_str(),
                                   data.number, result, problem));
            EXPECT_TRUE(result.findings.empty()) << name;
            EXPECT_LE(result.entries.size(), mostLessonEntries) << name;
            EXPECT_TRUE(Listed(guide, name)) << name;
            const bool radicals = name.find("-zigen-") == 2 || name.find("-zigen-h") == 2,
                       typed = name.find("-zi-1-") == 2;
            std::string previous;
            for (const CheckedEntry& checked : result.entries) {
                const std::string character = checked.entry.character, code = checked.entry.code;
                EXPECT_NE(character, previous) << name;
                previous = character;
                if (radicals) {
                    const WubiKey* key = FindKeyOfRadical(data.version, character.c_str());
                    ASSERT_NE(key, nullptr) << name;
                    EXPECT_EQ(code, std::string(1, key->letter)) << name;
                }
                if (typed)
                    EXPECT_EQ(code.find_first_not_of(KeysUpToZone(data.version, name.substr(3))),
                              std::string::npos)
                        << name << " " << code;
            }
            std::remove(path.c_str());
        }
        rmdir(folder.c_str());
    }
}
