// The high-score file under faults, seen from the game: a folder that cannot be
// written, a folder or file missing or in the wrong shape, a damaged or huge
// file, and a save killed halfway. In every case the game plays on, says when it
// could not save, and no score saved before is lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "fault_fixtures.h"
#include "storage/high_score_format.h"
#include "support/game_driver.h"
#include "support/storage_host.h"

namespace fs = std::filesystem;

namespace ferlow::faults {
namespace {

const std::string kKept = storage::formatHighScores(keptScores());

class HighScoreFaults : public ::testing::Test {
protected:
    ScratchFolder scratch;
    fs::path folder = scratch.path() / "data" / "ferlow";
    fs::path file = folder / "ferlow.ini";

    void keepScoresOnDisk()
    {
        fs::create_directories(folder);
        writeBytes(file, kKept);
    }

    // The failure was told to the player, and the game goes on: the windows are
    // unlocked and the next game plays and pays.
    static void expectToldAndPlayingOn(Machine& m, test::StorageHost& host)
    {
        ASSERT_FALSE(m.ended());
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages.back().title, "High Scores");
        EXPECT_EQ(host.messages.back().icon, MessageIcon::Exclamation);
        EXPECT_NE(host.messages.back().text.find("could not be saved"), std::string::npos);
        EXPECT_TRUE(m.main.window.enabled);
        EXPECT_FALSE(m.hsc.window.visible);
        test::playTurn(m, 4, 2, "5");
        EXPECT_EQ(m.state.credit, 65);
        EXPECT_FALSE(m.ended());
    }
};

// Root ignores permission bits, so the save runs in a child that has given up
// root for nobody; the folder and file stay root's, readable by all.
TEST_F(HighScoreFaults, ReadOnlyFolderKeepsTheOldFileAndTheGameGoesOn)
{
    keepScoresOnDisk();
    for (fs::path p = folder; p != scratch.path().parent_path(); p = p.parent_path())
        fs::permissions(p, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(file,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    const bool root = ::getuid() == 0;
    if (!root) fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);

    const ChildResult child = inChild(
        [&] {
            test::StorageHost host(file);
            Machine m(host);
            const int place = playIntoTheHighScores(m);
            if (host.lastLoad.status != storage::LoadStatus::Loaded) return std::string("the kept file did not load");
            if (place != 3) return "the game ended in place " + std::to_string(place);
            enterName(m, place, "Newcomer");
            if (host.lastSave.ok) return std::string("the save into a read-only folder succeeded");
            if (host.messages.empty() || host.messages.back().title != "High Scores")
                return std::string("the failed save was not told");
            if (m.ended() || !m.main.window.enabled) return std::string("the game did not go on");
            test::playTurn(m, 4, 2, "5");
            return m.state.credit == 65 ? std::string("ok") : std::string("the next game did not pay");
        },
        /*asNobody=*/true);
    if (child.report == "cannot become nobody") GTEST_SKIP() << "this root cannot drop to nobody";
    ASSERT_TRUE(child.exited);
    EXPECT_EQ(child.report, "ok");
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(readBytes(file), kKept);
    EXPECT_EQ(entriesOf(folder), std::set<std::string>{"ferlow.ini"});
}

TEST_F(HighScoreFaults, MissingFolderIsCreatedByTheFirstSave)
{
    test::StorageHost host(file);
    Machine m(host);
    const int place = playIntoTheHighScores(m);
    EXPECT_EQ(host.lastLoad.status, storage::LoadStatus::Missing);
    ASSERT_EQ(place, 5);  // 730 beats only the standard 400
    enterName(m, place, "Newcomer");
    ASSERT_TRUE(host.lastSave.ok) << host.lastSave.error;
    const auto saved = storage::parseHighScores(readBytes(file));
    ASSERT_TRUE(saved);
    EXPECT_EQ((*saved)[4], (storage::HighScore{730, "Newcomer"}));
    EXPECT_TRUE(m.main.window.enabled);
}

TEST_F(HighScoreFaults, FileWhereTheFolderShouldBeIsLeftAlone)
{
    fs::create_directories(folder.parent_path());
    writeBytes(folder, kKept);  // "ferlow" is a file holding someone's scores
    test::StorageHost host(file);
    Machine m(host);
    const int place = playIntoTheHighScores(m);
    EXPECT_EQ(host.lastLoad.status, storage::LoadStatus::Missing);
    ASSERT_EQ(place, 5);
    enterName(m, place, "Newcomer");
    EXPECT_FALSE(host.lastSave.ok);
    expectToldAndPlayingOn(m, host);
    EXPECT_EQ(readBytes(folder), kKept);
    EXPECT_EQ(entriesOf(folder.parent_path()), std::set<std::string>{"ferlow"});
}

TEST_F(HighScoreFaults, DirectoryInPlaceOfTheFileSurvivesWithWhatItHolds)
{
    fs::create_directories(file);
    writeBytes(file / "scores.txt", kKept);
    test::StorageHost host(file);
    Machine m(host);
    const int place = playIntoTheHighScores(m);
    EXPECT_EQ(host.lastLoad.status, storage::LoadStatus::Unreadable);
    ASSERT_EQ(place, 5);
    enterName(m, place, "Newcomer");
    EXPECT_FALSE(host.lastSave.ok);
    expectToldAndPlayingOn(m, host);
    EXPECT_EQ(readBytes(file / "scores.txt"), kKept);
    EXPECT_EQ(entriesOf(folder), std::set<std::string>{"ferlow.ini"});
}

TEST_F(HighScoreFaults, BinaryGarbageIsKeptAsideWholeAndANewFileWritten)
{
    fs::create_directories(folder);
    std::mt19937 random(7);
    std::string garbage(4096, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    writeBytes(file, garbage);

    test::StorageHost host(file);
    Machine m(host);
    const int place = playIntoTheHighScores(m);
    EXPECT_EQ(host.lastLoad.status, storage::LoadStatus::Malformed);
    EXPECT_EQ(m.state.highScores[0], 5000);  // the standard table
    // The player was told where the old file is, once the main window showed.
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages[0].title, "High Scores");
    EXPECT_NE(host.messages[0].text.find((folder / "ferlow.ini.bad").string()), std::string::npos)
        << host.messages[0].text;
    ASSERT_EQ(place, 5);
    enterName(m, place, "Newcomer");
    ASSERT_TRUE(host.lastSave.ok) << host.lastSave.error;
    EXPECT_EQ(readBytes(folder / "ferlow.ini.bad"), garbage);
    EXPECT_TRUE(storage::parseHighScores(readBytes(file)));
    EXPECT_EQ(entriesOf(folder), (std::set<std::string>{"ferlow.ini", "ferlow.ini.bad"}));
}

// Every score the file can hold goes from the file to the captions and back to the
// file unchanged: loaded, shown, one turn played, viewed and closed (which saves), the
// file is byte for byte what it was.
TEST_F(HighScoreFaults, ScoresOfAnySizeComeBackByteForByte)
{
    const struct {
        const char* what;
        std::string bytes;
        std::string first, last;  // captions of places 1 and 5
        std::string firstPercent;
    } cases[] = {
        {"the whole range",
         " 9223372036854775807 Max\r\n 9007199254740993 Past\r\n 9007199254740992 At\r\n 0 Zero\r\n"
         "-9223372036854775808 Min\r\n",
         "9,223,372,036,854,775,8071 Highest Score ", "-9,223,372,036,854,775,8085 Highest Score ",
         "40101617551542503.5% of Average"},
        {"around 2^53",
         " 9007199254740993 Ann\r\n 9007199254740991 Bo\r\n 32768 Cy\r\n-1 Di\r\n-9007199254740993 Ed\r\n",
         "9,007,199,254,740,9931 Highest Score ", "-9,007,199,254,740,9935 Highest Score ",
         "39161735890178.2% of Average"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::create_directories(folder);
        writeBytes(file, c.bytes);
        test::StorageHost host(file);
        Machine m(host);
        test::startGame(m);
        ASSERT_EQ(host.lastLoad.status, storage::LoadStatus::Loaded);
        EXPECT_EQ(m.hsc.Lblhi[0].caption.text(), c.first);
        EXPECT_EQ(m.hsc.Lblhi[4].caption.text(), c.last);
        EXPECT_EQ(m.hsc.Lblp[0].caption.text(), c.firstPercent);
        test::playTurn(m, 4, 2, "5");
        EXPECT_TRUE(m.stats.Pnlcentre.caption.text().starts_with(
            "Highest Score: " + c.first.substr(0, c.first.find("1 ")) + " "))
            << m.stats.Pnlcentre.caption.text();
        m.menuClicked(Menu::Mnuvhsc);
        m.hscCloseClicked();
        ASSERT_TRUE(host.lastSave.ok) << host.lastSave.error;
        EXPECT_EQ(readBytes(file), c.bytes);
    }
}

// Three games on one file at once, each ending game after game and saving: whatever
// scores they entered, the file ends with the five highest of them all. A game saving
// its stale table must not wipe another's score, nor may two saves at one moment.
TEST_F(HighScoreFaults, GamesRunningAtOnceLoseNoScore)
{
    keepScoresOnDisk();
    constexpr int kGames = 3;
    constexpr int kRounds = 12;
    const std::vector<ChildResult> games = inChildren(kGames, [&](int game) {
        test::StorageHost host(file);
        Machine m(host);
        test::startGame(m);
        std::mt19937_64 random(static_cast<std::uint64_t>(game) * 7919 + 1);
        std::uniform_int_distribution<std::int64_t> credits(1000, 1000000000);
        std::string entered;
        for (int round = 0; round < kRounds; ++round) {
            const std::int64_t credit = credits(random);
            m.state.turn = kTurnsPerGame - 1;
            m.state.credit = static_cast<double>(credit) + 1;
            test::playTurn(m, 4, 0, "1");  // the last turn loses 1
            for (int place = 1; place <= kHighScorePlaces; ++place) {
                if (!m.hsc.Txtnam[static_cast<std::size_t>(place - 1)].enabled) continue;
                const std::string name{static_cast<char>('A' + game), static_cast<char>('a' + round)};
                m.hscNameEdited(place, name);
                entered += std::to_string(credit) + " " + name + "\n";
            }
            m.hscCloseClicked();
            if (!host.lastSave.ok) return "a save failed: " + host.lastSave.error;
        }
        return entered;
    });

    const storage::HighScoreTable kept = keptScores();
    std::vector<storage::HighScore> all(kept.begin(), kept.end());
    for (const ChildResult& game : games) {
        ASSERT_TRUE(game.exited);
        std::istringstream lines(game.report);
        storage::HighScore entry;
        while (lines >> entry.score >> entry.name) all.push_back(entry);
        ASSERT_TRUE(lines.eof()) << game.report;
    }
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.score > b.score; });
    storage::HighScoreTable best;
    std::copy_n(all.begin(), best.size(), best.begin());
    EXPECT_EQ(readBytes(file), storage::formatHighScores(best)) << all.size() - 5 << " scores were entered";
    EXPECT_EQ(entriesOf(folder), std::set<std::string>{"ferlow.ini"});
}

// A 100 MB file (sparse: no disk is used) is judged by its first bytes at once;
// zeros are damage and the file is moved aside, not copied.
TEST_F(HighScoreFaults, HundredMegabyteFileIsJudgedQuicklyAndKeptAside)
{
    constexpr off_t kSize = 100L * 1024 * 1024;
    fs::create_directories(folder);
    {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, kSize), 0);
        ::close(fd);
    }
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    test::StorageHost host(file);
    Machine m(host);
    const auto start = std::chrono::steady_clock::now();
    test::startGame(m);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(host.lastLoad.status, storage::LoadStatus::Malformed);
    struct stat aside {};
    ASSERT_EQ(::stat((folder / "ferlow.ini.bad").c_str(), &aside), 0);
    EXPECT_EQ(aside.st_ino, before.st_ino);
    EXPECT_EQ(aside.st_size, kSize);
    test::saveHighScores(m);
    EXPECT_TRUE(host.lastSave.ok) << host.lastSave.error;
    EXPECT_LT(fs::file_size(file), 200u);
}

// Five good lines and then 100 MB of zeros: the scores are read, not lost.
TEST_F(HighScoreFaults, HundredMegabyteFileWithScoresAtTheStartKeepsThem)
{
    keepScoresOnDisk();
    ASSERT_EQ(::truncate(file.c_str(), 100L * 1024 * 1024), 0);
    test::StorageHost host(file);
    Machine m(host);
    const int place = playIntoTheHighScores(m);
    EXPECT_EQ(host.lastLoad.status, storage::LoadStatus::Loaded);
    ASSERT_EQ(place, 3);
    enterName(m, place, "Newcomer");
    ASSERT_TRUE(host.lastSave.ok) << host.lastSave.error;
    const storage::HighScoreTable expected{{{900, "Ada"}, {800, "Bea"}, {730, "Newcomer"}, {700, "Cid"}, {600, "Dot"}}};
    EXPECT_EQ(readBytes(file), storage::formatHighScores(expected));
}

// The game's own save, killed at random moments many times over: the file is
// always one table or the other, whole, and the next start loads it (a kill
// never makes a file the game would call damaged and move aside).
TEST_F(HighScoreFaults, SaveKilledAtAnyMomentLeavesAWholeTable)
{
    keepScoresOnDisk();
    test::StorageHost host(file);
    Machine m(host);
    test::startGame(m);
    ASSERT_EQ(host.lastLoad.status, storage::LoadStatus::Loaded);

    // The two tables the saver alternates between, as the machine writes them: each
    // after the player's reset, so that the save writes it as it is.
    const storage::HighScoreTable other{
        {{250000, "Winner"}, {40000, "Second"}, {32768, "Third"}, {1001, "Fourth"}, {999, "Fifth"}}};
    const auto show = [&](const storage::HighScoreTable& t) {
        test::resetHighScores(m);
        for (std::size_t i = 0; i < t.size(); ++i) {
            m.state.highScores[i] = t[i].score;
            m.hsc.Txtnam[i].text = t[i].name;
        }
    };
    const std::string otherBytes = storage::formatHighScores(other);

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delay(0, 3000);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    int rounds = 0, interrupted = 0, sawOther = 0;
    for (; rounds < 300 && (rounds < 60 || std::chrono::steady_clock::now() < deadline); ++rounds) {
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            for (;;) {
                show(other);
                test::saveHighScores(m);
                show(keptScores());
                test::saveHighScores(m);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(saver, SIGKILL);
        ASSERT_EQ(::waitpid(saver, nullptr, 0), saver);

        const std::string temporaryPrefix = ".ferlow.ini." + std::to_string(saver) + "-";
        for (const std::string& name : entriesOf(folder)) interrupted += name.starts_with(temporaryPrefix) ? 1 : 0;
        const std::string bytes = readBytes(file);
        ASSERT_TRUE(bytes == kKept || bytes == otherBytes) << "seed " << seed << ", round " << rounds << ":\n" << bytes;
        sawOther += bytes == otherBytes ? 1 : 0;

        test::StorageHost next(file);
        Machine restarted(next);
        test::startGame(restarted);
        ASSERT_EQ(next.lastLoad.status, storage::LoadStatus::Loaded) << "seed " << seed << ", round " << rounds;
        ASSERT_EQ(restarted.state.highScores[0], bytes == kKept ? 900 : 250000);
    }
    std::cout << rounds << " savers killed, " << interrupted << " of them in the middle of a save\n";
    EXPECT_GT(interrupted, 0) << "no save was cut off in " << rounds << " rounds: nothing was tested";
    EXPECT_GT(sawOther, 0);
    EXPECT_EQ(entriesOf(folder).count("ferlow.ini.bad"), 0u);
    // The next save sweeps away what the killed savers left.
    test::saveHighScores(m);
    EXPECT_EQ(entriesOf(folder), std::set<std::string>{"ferlow.ini"});
}

}  // namespace
}  // namespace ferlow::faults
