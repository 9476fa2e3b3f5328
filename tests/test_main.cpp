// GoogleTest main that ends with a one-line tally the test command sums up.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    int status = RUN_ALL_TESTS();
    const testing::UnitTest& run = *testing::UnitTest::GetInstance();
    std::printf("tally %d ok %d bad\n", run.successful_test_count(), run.failed_test_count());
    return status;
}
