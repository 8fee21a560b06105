// The fuzzers' seeds (corpus/<target>) and the inputs they once failed on
// (regressions/<target>), replayed through the same checks in every build.
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int fuzzHighScoreParse(const std::uint8_t* data, std::size_t size);
extern "C" int fuzzAmountValue(const std::uint8_t* data, std::size_t size);

TEST(FuzzCorpus, EveryKeptInputPassesItsFuzzersChecks)
{
    int inputs = 0;
    for (const auto& input : std::filesystem::recursive_directory_iterator(FERLOW_FUZZ_DIR)) {
        const std::string target = input.path().parent_path().filename();
        if (!input.is_regular_file() || (target != "high_score_parse" && target != "amount_value")) continue;
        const auto fuzz = target == "high_score_parse" ? fuzzHighScoreParse : fuzzAmountValue;
        const std::string bytes = ferlow::test::readBytes(input.path());
        // A failed check aborts, with what went wrong, in a child.
        const std::string replay = ferlow::test::inChildren(1, [&](int) {
            fuzz(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            return std::string("passed");
        })[0];
        EXPECT_EQ(replay, "passed") << input.path();
        ++inputs;
    }
    EXPECT_GE(inputs, 27);
}
