// The command line: help for each command, and refusals of bad arguments.
#include "tool_test_support.h"

TEST(Tool, HelpForEveryCommand) {
    const struct {
        std::vector<std::string> arguments;
        const char* usage;
    } cases[] = {
        {{"--help"}, "Usage: practice_tool COMMAND"},
        {{"check", "--help"}, "Usage: practice_tool check"},
        {{"convert", "--help"}, "Usage: practice_tool convert"},
        {{"make", "--help"}, "Usage: practice_tool make"},
        {{"keys", "--help"}, "Usage: practice_tool keys"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.arguments);
        EXPECT_EQ(run.exitCode, exitClean);
        EXPECT_EQ(run.out.rfind(c.usage, 0), 0u) << run.out;
    }
}

TEST(Tool, BadArgumentsExitTwoWithUsage) {
    const std::vector<std::string> cases[] = {
        {},
        {"frobnicate"},
        {"check"},
        {"check", "a", "b"},
        {"convert", "a"},
        {"make", "a", "b"},
        {"keys", "x"},
    };
    for (const auto& arguments : cases) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, exitFailed);
        EXPECT_NE(run.err.find("Usage: practice_tool"), std::string::npos) << run.err;
    }
}

TEST(Tool, KeysListsTheTwentyFiveKeysInZoneOrder) {
    const ToolRun run = RunTool({"keys"});
    EXPECT_EQ(run.exitCode, exitClean);
    std::size_t lines = 0;
    for (char c : run.out)
        lines += c == '\n';
    EXPECT_EQ(lines, 25u);
    EXPECT_EQ(run.out.rfind("g\t11\t", 0), 0u);
    EXPECT_NE(run.out.find("\nx\t55\t"), std::string::npos);
}
