// Tests for loading and saving ferlow.ini on disk: round trips, missing and damaged files.
#include "storage/high_score_file.h"
#include "support/tables.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ferlow::storage {
namespace {

using test::entriesOf;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

const HighScoreTable kBigScores{{{std::numeric_limits<std::int64_t>::max(), "Max"},
                                 {250000, "Quarter"},
                                 {32768, "Past"},
                                 {20000, "Twenty"},
                                 {0, "Zero"}}};

class HighScoreFile : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path file = folder / "ferlow.ini";

    void expectDefaultsBecause(const LoadResult& result, LoadStatus status)
    {
        EXPECT_EQ(result.status, status);
        EXPECT_EQ(result.table, test::standardTable());
    }
};

TEST_F(HighScoreFile, MissingFileGivesDefaultsAndWritesNothing)
{
    const fs::path nested = folder / "not" / "there" / "ferlow.ini";
    for (const fs::path& path : {file, nested}) {
        const LoadResult result = loadHighScores(path, test::standardTable());
        expectDefaultsBecause(result, LoadStatus::Missing);
        EXPECT_TRUE(result.error.empty());
        EXPECT_TRUE(result.keptAside.empty());
    }
    EXPECT_TRUE(entriesOf(folder.path()).empty());
}

TEST_F(HighScoreFile, SavedFileLoadsAndSavesBackByteForByte)
{
    const SaveResult saved = saveHighScores(file, kBigScores);
    ASSERT_TRUE(saved.ok) << saved.error;
    const std::string written = readBytes(file);
    EXPECT_EQ(written, formatHighScores(kBigScores));

    const LoadResult loaded = loadHighScores(file, test::standardTable());
    EXPECT_EQ(loaded.status, LoadStatus::Loaded);
    EXPECT_EQ(loaded.table, kBigScores);
    EXPECT_TRUE(loaded.error.empty());

    ASSERT_TRUE(saveHighScores(file, loaded.table).ok);
    EXPECT_EQ(readBytes(file), written);
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"ferlow.ini"});
}

TEST_F(HighScoreFile, LoadingDoesNotRewriteTheFile)
{
    const std::string handEdited = " 400 Ed\n  5000   Ann  \n 750 Di\n 2000 Bo\n 1000 Cy\nnotes\n";
    writeBytes(file, handEdited);
    const LoadResult result = loadHighScores(file, test::standardTable());
    EXPECT_EQ(result.status, LoadStatus::Loaded);
    EXPECT_EQ(result.table[0], (HighScore{5000, "Ann"}));
    EXPECT_EQ(readBytes(file), handEdited);
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"ferlow.ini"});
}

TEST_F(HighScoreFile, SaveCreatesMissingFolders)
{
    const fs::path deep = folder / "home" / ".local" / "share" / "ferlow" / "ferlow.ini";
    const SaveResult saved = saveHighScores(deep, test::standardTable());
    ASSERT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(readBytes(deep), formatHighScores(test::standardTable()));
    EXPECT_EQ(entriesOf(deep.parent_path()), std::set<std::string>{"ferlow.ini"});
}

TEST_F(HighScoreFile, DamagedFilesGiveDefaultsAndAreKeptAsideIntact)
{
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"four lines", " 5000 A\r\n 2000 B\r\n 1000 C\r\n 750 D\r\n"},
        {"letters", " many A\r\n 2000 B\r\n 1000 C\r\n 750 D\r\n 400 E\r\n"},
        {"a fraction", " 12.5 A\r\n 2000 B\r\n 1000 C\r\n 750 D\r\n 400 E\r\n"},
        {"garbage with NUL", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\xFF", 19)},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(file, c.bytes);
        const LoadResult result = loadHighScores(file, test::standardTable());
        expectDefaultsBecause(result, LoadStatus::Malformed);
        EXPECT_EQ(result.keptAside, fs::path(file.string() + ".bad"));
        EXPECT_NE(result.error.find(result.keptAside.string()), std::string::npos) << result.error;
        EXPECT_FALSE(fs::exists(file));
        EXPECT_EQ(readBytes(result.keptAside), c.bytes);
        fs::remove(result.keptAside);
    }
}

TEST_F(HighScoreFile, LaterDamagedFilesNeverOverwriteEarlierAsideCopies)
{
    const std::string first = "first damaged file\n";
    const std::string second = "second damaged file\n";
    const std::string third = "third damaged file\n";
    writeBytes(file, first);
    EXPECT_EQ(loadHighScores(file, test::standardTable()).keptAside, fs::path(file.string() + ".bad"));
    writeBytes(file, second);
    EXPECT_EQ(loadHighScores(file, test::standardTable()).keptAside, fs::path(file.string() + ".bad.1"));
    writeBytes(file, third);
    EXPECT_EQ(loadHighScores(file, test::standardTable()).keptAside, fs::path(file.string() + ".bad.2"));

    EXPECT_EQ(readBytes(file.string() + ".bad"), first);
    EXPECT_EQ(readBytes(file.string() + ".bad.1"), second);
    EXPECT_EQ(readBytes(file.string() + ".bad.2"), third);

    // The next save starts a fresh file and leaves the aside copies alone.
    ASSERT_TRUE(saveHighScores(file, test::standardTable()).ok);
    EXPECT_EQ(readBytes(file.string() + ".bad"), first);
    EXPECT_EQ(entriesOf(folder.path()),
              (std::set<std::string>{"ferlow.ini", "ferlow.ini.bad", "ferlow.ini.bad.1", "ferlow.ini.bad.2"}));
}

TEST_F(HighScoreFile, HugeFilesAreJudgedByTheirFirstBytesOnly)
{
    constexpr std::uintmax_t k100MB = 100u * 1024 * 1024;
    const std::string fiveLines = " 9000 Ann\r\n 2000 Bo\r\n 1000 Cy\r\n 750 Di\r\n 400 Ed\r\n";
    const std::string fourLines = fiveLines.substr(0, fiveLines.rfind(" 400"));
    const struct {
        const char* what;
        std::string head;
        LoadStatus expected;
    } cases[] = {
        {"nothing but NUL bytes", "", LoadStatus::Malformed},
        {"five good lines, then NUL bytes", fiveLines, LoadStatus::Loaded},
        {"a fifth line cut off by the read limit", fourLines + " 400 " + std::string(70000, 'E'),
         LoadStatus::Malformed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(file, c.head);
        fs::resize_file(file, k100MB);
        const auto start = std::chrono::steady_clock::now();
        const LoadResult result = loadHighScores(file, test::standardTable());
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, std::chrono::seconds(1));
        EXPECT_EQ(result.status, c.expected);
        if (c.expected == LoadStatus::Loaded) {
            EXPECT_EQ(result.table[0], (HighScore{9000, "Ann"}));
            EXPECT_EQ(fs::file_size(file), k100MB);
        } else {
            EXPECT_EQ(result.table, test::standardTable());
            EXPECT_EQ(fs::file_size(result.keptAside), k100MB);
            fs::remove(result.keptAside);
        }
        fs::remove(file);
    }
}

TEST_F(HighScoreFile, LongFifthLineWithinTheReadLimitIsAccepted)
{
    const std::string longName(kMaxHighScoreFileBytes - 100, 'E');
    writeBytes(file, " 5000 A\r\n 2000 B\r\n 1000 C\r\n 750 D\r\n 400 " + longName + "\r\n");
    const LoadResult result = loadHighScores(file, test::standardTable());
    EXPECT_EQ(result.status, LoadStatus::Loaded);
    EXPECT_EQ(result.table[4], (HighScore{400, longName}));
}

TEST_F(HighScoreFile, SaveThroughASymbolicLinkUpdatesItsTarget)
{
    const fs::path real = folder / "synced" / "scores.ini";
    fs::create_directory(real.parent_path());
    writeBytes(real, formatHighScores(test::standardTable()));
    fs::create_symlink(real, file);

    ASSERT_TRUE(saveHighScores(file, kBigScores).ok);
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(readBytes(real), formatHighScores(kBigScores));
    EXPECT_EQ(entriesOf(real.parent_path()), std::set<std::string>{"scores.ini"});
}

TEST_F(HighScoreFile, SaveKeepsThePermissionsOfTheFileItReplaces)
{
    writeBytes(file, formatHighScores(test::standardTable()));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(saveHighScores(file, kBigScores).ok);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(HighScoreFile, TemporaryFilesOfKilledWritersAreSweptByTheNextSave)
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    const std::string deadWriter = ".ferlow.ini." + std::to_string(child) + "-0.tmp";
    const std::string liveWriter = ".ferlow.ini." + std::to_string(::getppid()) + "-0.tmp";
    const std::string unrelated = ".ferlow.ini.notes.tmp";
    for (const std::string& name : {deadWriter, liveWriter, unrelated}) writeBytes(folder / name, " 1 half-writ");

    ASSERT_TRUE(saveHighScores(file, test::standardTable()).ok);
    EXPECT_EQ(entriesOf(folder.path()), (std::set<std::string>{"ferlow.ini", liveWriter, unrelated}));
}

// Two games on one file: each save keeps what the other saved since it last read or
// wrote, a game that only shows its stale table wipes nothing, and a reset resets.
TEST_F(HighScoreFile, GamesSharingTheFileKeepEachOthersScores)
{
    ASSERT_TRUE(saveHighScores(file, test::standardTable()).ok);
    HighScoreStore first(file, test::standardTable());
    HighScoreStore second(file, test::standardTable());
    ASSERT_EQ(first.load().table, test::standardTable());
    ASSERT_EQ(second.load().table, test::standardTable());

    const HighScoreTable firstsGame{
        {{6000, "Ann"}, {5000, "Ferlow"}, {2000, "Ferlow"}, {1000, "Ferlow"}, {750, "Ferlow"}}};
    const HighScoreTable secondsGame{
        {{5000, "Ferlow"}, {2000, "Ferlow"}, {1000, "Ferlow"}, {900, "Bo"}, {750, "Ferlow"}}};
    const HighScoreTable both{{{6000, "Ann"}, {5000, "Ferlow"}, {2000, "Ferlow"}, {1000, "Ferlow"}, {900, "Bo"}}};
    ASSERT_EQ(first.save(firstsGame, SaveMode::Merge).table, firstsGame);
    const SaveResult merged = second.save(secondsGame, SaveMode::Merge);
    ASSERT_TRUE(merged.ok) << merged.error;
    EXPECT_EQ(merged.table, both);
    EXPECT_EQ(first.save(firstsGame, SaveMode::Merge).table, both);
    EXPECT_EQ(readBytes(file), formatHighScores(both));

    EXPECT_EQ(first.save(test::standardTable(), SaveMode::Replace).table, test::standardTable());
    EXPECT_EQ(second.save(both, SaveMode::Merge).table, test::standardTable());
    EXPECT_EQ(readBytes(file), formatHighScores(test::standardTable()));
    EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"ferlow.ini"});
}

TEST(HighScoreFileNoPath, EmptyPathLoadsDefaultsAndCannotBeSaved)
{
    const LoadResult loaded = loadHighScores({}, test::standardTable());
    EXPECT_EQ(loaded.status, LoadStatus::Unreadable);
    EXPECT_EQ(loaded.table, test::standardTable());
    EXPECT_FALSE(loaded.error.empty());

    const SaveResult saved = saveHighScores({}, test::standardTable());
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.error.empty());
}

}  // namespace
}  // namespace ferlow::storage
