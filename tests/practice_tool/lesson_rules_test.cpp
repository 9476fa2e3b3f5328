// The lessons' rules: the spaced schedule, the key filter and the frequency order.
#include "tool_test_support.h"

#include "practice_tool/text/gbk.h"
#include "practice_tool/wubi/lesson_rules.h"
#include "practice_tool/wubi/version.h"

#include <cstdio>

// Each item four times, new items in their own order, never closer than the
// least distances; in the middle of a long file the steady ones.
TEST(LessonRules, SpacedOrderKeepsItsDistances) {
    for (std::size_t count : {14, 15, 17, 50, 51, 333}) {
        std::vector<std::size_t> order;
        ASSERT_TRUE(SpacedOrder(count, order));
        ASSERT_EQ(order.size(), spacedTimes * count);
        std::vector<std::vector<std::size_t>> places(count);
        std::size_t introduced = 0;
        for (std::size_t i = 0; i < order.size(); ++i) {
            if (places[order[i]].empty())
                EXPECT_EQ(order[i], introduced++) << count;
            places[order[i]].push_back(i);
        }
        for (const std::vector<std::size_t>& item : places) {
            ASSERT_EQ(item.size(), spacedTimes);
            for (std::size_t k = 0; k + 1 < spacedTimes; ++k)
                EXPECT_GE(item[k + 1] - item[k] - 1, leastSpacedGaps[k]) << count;
        }
        if (count == 50)
            EXPECT_EQ(places[25], (std::vector<std::size_t>{77, 86, 99, 144})); // 8, 12, 44 between
    }
    std::vector<std::size_t> order;
    EXPECT_FALSE(SpacedOrder(leastSpacedItems - 1, order));
    EXPECT_EQ(RepeatedOrder(2, 3), (std::vector<std::size_t>{0, 0, 0, 1, 1, 1}));
}

TEST(LessonRules, KeyFilterAndFrequencyData) {
    EXPECT_TRUE(UsesOnlyKeys("gfd", "gfdsa"));
    EXPECT_FALSE(UsesOnlyKeys("gfh", "gfdsa"));
    EXPECT_FALSE(UsesOnlyKeys("", "gfdsa"));
    const TempFile data("frequency.txt", u8"# notice\n的\t75837\t1\n\n一\t32747\t1\n"),
        bad("bad.txt", u8"# notice\n的\t1\t1\n的1\n");
    FrequencyRanks ranks;
    Problem problem;
    ASSERT_TRUE(ReadFrequencyRanks(data.path.c_str(), ranks, problem));
    EXPECT_EQ(ranks.at(U'一').rank, 1u);
    EXPECT_EQ(ranks.at(U'的').count, 75837);
    EXPECT_FALSE(MoreFrequent(KeyOf(ranks, U'人', 900), KeyOf(ranks, U'一', 0)));
    EXPECT_TRUE(MoreFrequent(KeyOf(ranks, U'人', 900), KeyOf(ranks, U'王', 5)));
    EXPECT_FALSE(ReadFrequencyRanks(bad.path.c_str(), ranks, problem));
    EXPECT_EQ(problem, (Problem{3, Msg::frequencyMalformed, {}}));
}

// How much of running text (by the frequency data's own counts) the first 500
// and 1,500 characters cover, in the order make follows and in the 86 table's.
TEST(LessonRules, FrequencyOrderCoversMoreOfRunningText) {
    RimeTable table86;
    FrequencyRanks ranks;
    Problem problem;
    const DataFiles data = DataFilesIn(ProgramFolder(), WubiVersion::wubi86);
    ASSERT_TRUE(ReadRimeTable(data.table.c_str(), table86, problem));
    ASSERT_TRUE(ReadFrequencyRanks(data.frequency.c_str(), ranks, problem));
    double total = 0;
    for (const auto& [character, rank] : ranks)
        total += InGb2312(character) ? rank.count : 0;
    const auto covered = [&](const std::u32string& order, std::size_t first) {
        double sum = 0;
        for (char32_t c : order.substr(0, first))
            sum += ranks.count(c) ? ranks.at(c).count : 0;
        return 100 * sum / total;
    };
    const std::u32string common = CommonCharacters(table86, ranks, 1500),
                         today = FrequentCharacters(table86, 1500);
    for (std::size_t first : {500, 1500}) {
        std::printf("first %zu: %.1f %% of running text by the frequency order, %.1f %% by the "
                    "86 table's weights\n",
                    first, covered(common, first), covered(today, first));
        EXPECT_GT(covered(common, first), covered(today, first) + 2);
    }
    const std::u32string first500 = common.substr(0, 500);
    for (char32_t c : std::u32string(U"民义什些实己气意"))
        EXPECT_NE(first500.find(c), std::u32string::npos);
    for (char32_t c : std::u32string(U"帖购搜聘券"))
        EXPECT_EQ(first500.find(c), std::u32string::npos);
}
