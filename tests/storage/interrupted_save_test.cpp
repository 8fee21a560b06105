// Kills a process in the middle of saving, many times over, and checks the file is always
// whole: either the old table or the new one.
#include "storage/high_score_file.h"
#include "support/tables.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace ferlow::storage {
namespace {

using test::entriesOf;
using test::readBytes;
using test::TempFolder;

TEST(InterruptedSave, KilledWriterLeavesTheOldOrTheNewFileWhole)
{
    TempFolder folder;
    const auto file = folder / "ferlow.ini";
    const HighScoreTable first = test::standardTable();
    const HighScoreTable second{
        {{987654321, "Anna"}, {250000, "Bartholomew"}, {32768, "Cy"}, {-32768, "Dorothea"}, {-987654321, "Ed"}}};
    const std::string firstBytes = formatHighScores(first);
    const std::string secondBytes = formatHighScores(second);
    ASSERT_TRUE(saveHighScores(file, first).ok);

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(0, 1500);
    // 200 rounds take about half a second; on a busy machine the rounds stop after a
    // second, but never before 50.
    constexpr int kRounds = 200;
    constexpr int kMinimumRounds = 50;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    int interruptedSaves = 0;
    for (int round = 0; round < kRounds; ++round) {
        if (round >= kMinimumRounds && std::chrono::steady_clock::now() > deadline) break;
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (;;) {
                saveHighScores(file, second);
                saveHighScores(file, first);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(writer, SIGKILL);
        ASSERT_EQ(::waitpid(writer, nullptr, 0), writer);

        // A temporary file of this writer means it died between creating and renaming it.
        const std::string writerPrefix = ".ferlow.ini." + std::to_string(writer) + "-";
        for (const std::string& name : entriesOf(folder.path()))
            interruptedSaves += name.starts_with(writerPrefix) ? 1 : 0;

        const std::string bytes = readBytes(file);
        ASSERT_TRUE(bytes == firstBytes || bytes == secondBytes)
            << "round " << round << ", seed " << seed << ", file holds:\n"
            << bytes;
    }

    EXPECT_GT(interruptedSaves, 0) << "no save was ever interrupted, so nothing was tested";

    // The killed writers may have left temporary files; the next save clears them away.
    ASSERT_TRUE(saveHighScores(file, first).ok);
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"ferlow.ini"});
}

}  // namespace
}  // namespace ferlow::storage
