// Games and ferlow.ini: scores exact from file to screen to file, a damaged file told
// once, and games running at once never wiping each other's scores.
#include "storage/high_score_file.h"
#include "support/game_driver.h"
#include "support/storage_host.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ferlow::storage {
namespace {

using namespace test;

const HighScoreTable kRead{{{900, "Ada"}, {800, "Bea"}, {700, "Cid"}, {600, "Dot"}, {500, "Eve"}}};
const HighScoreTable kOthers{{{900, "Ada"}, {800, "Bea"}, {750, "Oth"}, {700, "Cid"}, {600, "Dot"}}};
const HighScoreTable kOurs{{{900, "Ada"}, {800, "Bea"}, {750, "Us"}, {700, "Cid"}, {600, "Dot"}}};
const HighScoreTable kBoth{{{900, "Ada"}, {800, "Bea"}, {750, "Oth"}, {750, "Us"}, {700, "Cid"}}};
const HighScoreTable kTwice{{{900, "Ada"}, {800, "Bea"}, {700, "Cid"}, {600, "Dot"}, {600, "Dot"}}};
const HighScoreTable kUnstored{{{900, " Ada "}, {800, "Be,a"}, {700, "Cid"}, {600, "Dot"}, {500, "Eve"}}};

TEST(HighScoreMerge, KeepsWhatIsOnDiskAndAddsOnlyThisGamesNewEntries)
{
    // What is on disk, what this game read or wrote last, its table now, what it saves.
    const std::tuple<const char*, HighScoreTable, HighScoreTable, HighScoreTable, HighScoreTable> cases[] = {
        {"a stale table changes nothing", kOthers, kRead, kRead, kOthers},
        {"a new entry takes its place", kRead, kRead, kOurs, kOurs},
        {"both games' new entries, the one on disk first", kOthers, kRead, kOurs, kBoth},
        {"an entry saved before is not new again", kOthers, kOurs, kOurs, kOthers},
        {"another game's reset stays", test::standardTable(), kRead, kRead, test::standardTable()},
        {"an equal entry twice is two entries", kRead, kRead, kTwice, kTwice},
        {"names are compared as stored", kRead, kUnstored, kRead, kRead},
    };
    for (const auto& [what, onDisk, known, ours, merged] : cases)
        EXPECT_EQ(mergeHighScores(onDisk, known, ours), merged) << what;
}

TEST(HighScoreGame, ScoresGoFromFileToCaptionsToFileExactly)
{
    TempFolder folder;
    const fs::path file = folder / "ferlow.ini";
    const std::string bytes =
        " 9223372036854775807 Max\r\n 9007199254740993 Odd\r\n 0 Zero\r\n-1 Di\r\n-9223372036854775808 Min\r\n";
    writeBytes(file, bytes);
    test::StorageHost host(file);
    Machine m(host);
    test::startGame(m);
    EXPECT_EQ(m.hsc.Lblhi[0].caption.text(), "9,223,372,036,854,775,8071 Highest Score ");
    EXPECT_EQ(m.hsc.Lblhi[1].caption.text(), "9,007,199,254,740,9932 Highest Score ");
    EXPECT_EQ(m.hsc.Lblhi[4].caption.text(), "-9,223,372,036,854,775,8085 Highest Score ");
    test::saveHighScores(m);
    EXPECT_EQ(readBytes(file), bytes) << host.lastSave.error;
    test::resetHighScores(m);  // the next save writes the standard table as it is
    test::saveHighScores(m);
    EXPECT_EQ(readBytes(file), " 5000 Ferlow\r\n 2000 Ferlow\r\n 1000 Ferlow\r\n 750 Ferlow\r\n 400 Ferlow\r\n");
}

TEST(HighScoreGame, DamagedFileIsToldOnceAndKeptAside)
{
    TempFolder folder;
    const fs::path file = folder / "ferlow.ini";
    writeBytes(file, "\177ELF\r\n");
    test::StorageHost host(file);
    Machine m(host);
    test::startGame(m);
    test::saveHighScores(m);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "High Scores");
    EXPECT_NE(host.messages[0].text.find(file.string() + ".bad"), std::string::npos) << host.messages[0].text;
}

// Three games on one file, not there yet, each ending game after game with a better
// score than any saved before: the file ends with the five best of all.
TEST(HighScoreGame, GamesRunningAtOnceLoseNoScore)
{
    TempFolder folder;
    const fs::path file = folder / "new" / "ferlow.ini";
    const auto score = [](int game, int round) { return 1000 * (3 * round + game + 1); };
    const auto name = [](int game, int round) { return std::string{char('A' + game), char('a' + round)}; };
    const auto games = test::inChildren(3, [&](int game) {
        test::StorageHost host(file);
        Machine m(host);
        test::startGame(m);
        for (int round = 0; round < 12; ++round) {
            m.state.turn = kTurnsPerGame - 1;
            m.state.credit = score(game, round) + 1;
            test::playTurn(m, 4, 0, "1");  // the last turn loses 1
            for (int place = 1; place <= kHighScorePlaces; ++place)
                if (m.hsc.Txtnam[static_cast<std::size_t>(place - 1)].enabled)
                    m.hscNameEdited(place, name(game, round));
            m.hscCloseClicked();
            if (!host.lastSave.ok) return "a save failed: " + host.lastSave.error;
        }
        return std::string("ok");
    });
    EXPECT_EQ(games, std::vector<std::string>(3, "ok"));
    HighScoreTable best;
    for (int place = 0; place < 5; ++place)
        best[place] = {score(2 - place % 3, 11 - place / 3), name(2 - place % 3, 11 - place / 3)};
    EXPECT_EQ(readBytes(file), formatHighScores(best));
    EXPECT_EQ(entriesOf(file.parent_path()), std::set<std::string>{"ferlow.ini"});
    // A game holding the lock too long makes a save give up, and say so.
    const int held = ::open((file.parent_path() / ".ferlow.ini.lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_NE(storage::saveHighScores(file, kRead).error.find("another game has held the lock"), std::string::npos);
    ::close(held);
}

}  // namespace
}  // namespace ferlow::storage
