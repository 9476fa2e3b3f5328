// The practice files that ship: each loads cleanly with the entries it should.
#include "tool_test_support.h"

#include "tools/practice_tool/check.h"

TEST(Samples, EveryFileChecksCleanWithItsEntryCount) {
    const struct {
        const char* name;
        std::size_t entries;
    } samples[] = {
        {"jianming.txt", 25},           {"yiji-jianma.txt", 25},
        {"chengzi-zigen.txt", 100},     {"erji-jianma-1-heng.txt", 124},
        {"erji-jianma-2-shu.txt", 123}, {"erji-jianma-3-pie.txt", 125},
        {"erji-jianma-4-na.txt", 124},  {"erji-jianma-5-zhe.txt", 120},
        {"changyong-1-500.txt", 500},   {"changyong-501-1000.txt", 500},
    };
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample.name);
        const std::string path = std::string(PRACTICE_TOOL_SAMPLES_DIR) + "/" + sample.name;
        CheckResult result;
        ASSERT_TRUE(CheckPracticeFile(path.c_str(), result));
        EXPECT_EQ(result.entries.size(), sample.entries);
        for (const Finding& finding : result.findings)
            ADD_FAILURE() << finding.line << ": " << finding.message;
        // Every code line is a Wubi code: one to four letters a-y.
        for (const CheckedEntry& checked : result.entries) {
            const std::string code = checked.entry.code;
            EXPECT_TRUE(!code.empty() &&
                        code.find_first_not_of("abcdefghijklmnopqrstuvwxy") == std::string::npos)
                << code;
        }
    }
}
