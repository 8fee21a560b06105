// The fuzzers' seed corpora and the inputs they found, replayed through the same
// property checks in the ordinary build: no clang needed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "amount_properties.h"
#include "engine/rules/amount_text.h"
#include "high_score_properties.h"
#include "storage/high_score_format.h"

namespace fs = std::filesystem;

namespace ferlow::fuzz {
namespace {

struct Input {
    std::string name;
    std::string bytes;
};

std::vector<Input> inputsIn(const std::string& folder)
{
    std::vector<Input> inputs;
    for (const auto& entry : fs::directory_iterator(fs::path(FERLOW_FUZZ_DIR) / folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        inputs.push_back(
            {entry.path().filename().string(), {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
    return inputs;
}

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "ferlow-fuzz-replay-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

TEST(FuzzCorpus, HighScoreInputsKeepEveryProperty)
{
    const auto inputs = inputsIn("corpus/high_scores");
    ASSERT_GE(inputs.size(), 10u);
    ScratchFolder folder;
    int parsed = 0;
    for (const Input& input : inputs) {
        parsed += storage::parseHighScores(input.bytes) ? 1 : 0;
        for (const auto& failure : {checkParseRoundTrip(input.bytes), checkAnyTableReadsBack(input.bytes),
                                    checkLoadFromFile(input.bytes, folder.path())})
            EXPECT_FALSE(failure) << input.name << ": " << *failure;
    }
    // The seeds lead the fuzzer both ways: into tables that read and into damage.
    EXPECT_GE(parsed, 4);
    EXPECT_GE(static_cast<int>(inputs.size()) - parsed, 3);
}

TEST(FuzzCorpus, AmountInputsKeepEveryProperty)
{
    for (const Input& input : inputsIn("corpus/amount_value")) {
        const auto failure = checkAmountValue(input.bytes);
        EXPECT_FALSE(failure) << input.name << ": " << *failure;
    }
}

// The reference reading of a leading number, on the examples the game documents
// and the edges of the pattern.
TEST(FuzzCorpus, LeadingNumberReadsWhatThePlayerTyped)
{
    const struct {
        const char* text;
        const char* prefix;
        double value;
    } cases[] = {
        {"12abc", "12", 12},    {" 2.5", "2.5", 2.5},  {"-3", "-3", -3}, {"1 0 0", "100", 100},
        {"\t+.5x", "+.5", 0.5}, {"-", "-", 0},         {".", ".", 0},    {"abc", "", 0},
        {"5-3", "5", 5},        {"1.2.3", "1.2", 1.2}, {"--5", "-", 0},  {"0007", "0007", 7},
    };
    for (const auto& c : cases) {
        const LeadingNumber number = leadingNumber(c.text);
        EXPECT_EQ(number.text, c.prefix) << c.text;
        EXPECT_EQ(number.value, c.value) << c.text;
    }
    EXPECT_EQ(leadingNumber(std::string(400, '9')).value, HUGE_VAL);
}

// Found by the amount fuzzer: the amount was read only up to its first 400
// characters, leading zeros included, so "000…0005" (401 zeros) was worth 0
// and a negative one rose above itself; and a number too small for a double
// read as infinity, refused as above the limit instead of below it.
TEST(FuzzFindings, AmountIsReadWholeWhateverItsLengthOrSize)
{
    EXPECT_EQ(amountValue(std::string(401, '0') + "5"), 5);
    EXPECT_EQ(amountValue("-" + std::string(401, '0') + "5"), -5);
    EXPECT_EQ(amountValue("0." + std::string(330, '0') + "1"), 0);
    EXPECT_EQ(amountValue("-0." + std::string(330, '0') + "1"), 0);
    EXPECT_EQ(amountValue(std::string(330, '9')), HUGE_VAL);
    for (const Input& input : inputsIn("regressions/amount_value")) {
        const auto failure = checkAmountValue(input.bytes);
        EXPECT_FALSE(failure) << input.name << ": " << *failure;
    }
}

}  // namespace
}  // namespace ferlow::fuzz
