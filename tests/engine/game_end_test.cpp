// The end of a game: by its last turn, with the high-score entry in every place
// and in none, the win message and the rating; by running out of credit; and by
// the exit question.
#include <gtest/gtest.h>

#include "engine/rules/format.h"
#include "support/game_driver.h"

namespace ferlow {
namespace {

const MessageBox* message(const test::FakeHost& host, const std::string& title)
{
    for (const auto& box : host.messages)
        if (box.title == title) return &box;
    return nullptr;
}

// The last turn of a game, ending with `credit` (it loses a bet of 1); the exit
// question is answered No.
void finishWith(Machine& m, test::FakeHost& host, double credit)
{
    test::startGame(m);
    m.state.turn = kTurnsPerGame - 1;
    m.state.credit = credit + 1;
    host.answers.push_back(MessageAnswer::No);
    test::playTurn(m, 4, 0, "1");
}

TEST(GameEnd, TheFinalCreditTakesItsPlaceInTheHighScores)
{
    const struct {
        double credit;
        int place;  // 0: none
        const char* saved;
    } cases[] = {{11062, 1, "11062 Zoe|5000 Ann|2000 Bob|1000 Cy|750 Di"},
                 {2561, 2, "5000 Ann|2561 Zoe|2000 Bob|1000 Cy|750 Di"},
                 {1711, 3, "5000 Ann|2000 Bob|1711 Zoe|1000 Cy|750 Di"},
                 {751.5, 4, "5000 Ann|2000 Bob|1000 Cy|752 Zoe|750 Di"},
                 {461, 5, "5000 Ann|2000 Bob|1000 Cy|750 Di|461 Zoe"},
                 {1000, 0, "5000 Ann|2000 Bob|1000 Cy|750 Di|400 Ed"},
                 {750, 0, "5000 Ann|2000 Bob|1000 Cy|750 Di|400 Ed"},
                 {400, 0, "5000 Ann|2000 Bob|1000 Cy|750 Di|400 Ed"},
                 {10, 0, "5000 Ann|2000 Bob|1000 Cy|750 Di|400 Ed"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.credit);
        test::FakeHost host;
        host.stored = {{{5000, "Ann"}, {2000, "Bob"}, {1000, "Cy"}, {750, "Di"}, {400, "Ed"}}};
        Machine m(host);
        finishWith(m, host, c.credit);
        ASSERT_NE(message(host, "Exit"), nullptr);
        EXPECT_EQ(message(host, "Exit")->defaultButton, MessageAnswer::No);
        EXPECT_TRUE(m.state.turn == 0 && m.state.credit == 30);  // a fresh game after No
        EXPECT_EQ(message(host, "Good"), nullptr);               // not below the fifth score
        EXPECT_TRUE(m.hsc.window.visible);
        EXPECT_EQ(test::enabledControls(m), "Exit NewGame ChangeNumbers Difficulty ScoreStyle");
        EXPECT_TRUE(m.state.statsResetPending);
        // The place entered is an empty yellow field, the only one that takes a name.
        EXPECT_EQ(m.hsc.Lblsign.visible, c.place > 0);
        for (int i = 1; i <= kHighScorePlaces; ++i) {
            const TextBox& field = m.hsc.Txtnam[static_cast<std::size_t>(i - 1)];
            const bool entered = i == c.place;
            EXPECT_TRUE(field.enabled == entered && (field.back == palette::yellow) == entered &&
                        field.text.empty() == entered)
                << i;
        }
        // The player types a name and closes the window: the table is saved.
        if (c.place > 0) m.hscNameEdited(c.place, "Zoe");
        m.hscCloseClicked();
        EXPECT_EQ(test::enabledControls(m), "Bet Exit NewGame ChangeNumbers Difficulty ScoreStyle main prize stats");
        EXPECT_EQ(host.writes, 1);
        EXPECT_EQ(host.storedText(), c.saved);
    }
}

// Below the fifth score the game says how it went. The word and the rating (and
// with it the face) change at different credits: 20000 and 400.
TEST(GameEnd, TheWinMessageAndTheRatingOfTheFinalCredit)
{
    const struct {
        double credit;
        const char* word;  // "": no message
        int rating;
        const char* face;
    } rows[] = {{45, "", 6, "sad.bmp"},
                {61, "Poor but", 6, "sad.bmp"},
                {399, "Poor but", 6, "sad.bmp"},
                {400, "Not bad", 6, "sad.bmp"},
                {401, "Not bad", 5, "straight.bmp"},
                {1000, "Not bad", 5, "straight.bmp"},
                {1001, "Good", 4, "smile1.bmp"},
                {5000, "Good", 4, "smile1.bmp"},
                {5001, "Very good", 3, "smile2.bmp"},
                {10000, "Very good", 3, "smile2.bmp"},
                {10001, "Great", 2, "smile3.bmp"},
                {20000, "Excellent", 2, "smile3.bmp"},
                {20001, "Excellent", 1, "smile4.bmp"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.credit);
        test::FakeHost host;
        host.stored = {{{90000, "A"}, {80000, "B"}, {70000, "C"}, {60000, "D"}, {50000, "E"}}};
        Machine m(host);
        finishWith(m, host, r.credit);
        ASSERT_EQ(host.messages.size(), *r.word ? 2u : 1u);
        if (*r.word) {
            EXPECT_EQ(host.messages[0].title, r.word);
            EXPECT_EQ(host.messages[0].text, "You won " + fmt::grouped(r.credit) + " Credits.");
            EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
        }
        EXPECT_EQ(m.state.rating, r.rating);
        m.hscCloseClicked();
        test::resetHighScores(m);  // the face follows the rating at the next change of the scores
        EXPECT_EQ(m.hsc.PicFace.picture.file, r.face);
        EXPECT_TRUE(m.hsc.PicFace.visible);
    }
}

TEST(GameEnd, RunningOutOfCreditStartsANewGameWithoutAnEntry)
{
    for (const char* lastBet : {"11", "10.5"}) {  // half a credit is no credit
        SCOPED_TRACE(lastBet);
        test::FakeHost host;
        Machine m(host);
        test::startGame(m);
        for (int turn = 0; turn < 19; ++turn) test::playTurn(m, 4, 0, "1");
        test::playTurn(m, 4, 0, lastBet);
        ASSERT_NE(message(host, "Game Over"), nullptr);
        EXPECT_EQ(message(host, "Game Over")->text, "You have no Credit.");
        EXPECT_EQ(message(host, "Exit"), nullptr);
        EXPECT_TRUE(m.state.credit == 30 && m.state.turn == 0 && m.betDialog.fillinWidthTwips == 0);
        EXPECT_EQ(m.hsc.LblLoss.caption.text(), "You lost 0 credits");
        EXPECT_FALSE(m.hsc.Lblsign.visible);
        EXPECT_EQ(test::enabledControls(m), "Bet Exit NewGame ChangeNumbers Difficulty ScoreStyle main prize stats");
        EXPECT_EQ(m.main.PicShow.tooltip, "You have 20 turns");
        for (int n = 1; n <= kBoardNumbers; ++n)
            EXPECT_TRUE(m.state.numberStats[n] == 0 && m.stats.panel(n).back == Color::buttonFace()) << n;
        EXPECT_EQ(m.stats.panel(80).caption.text(), "80,0");
        m.commandClicked(CommandButton::Cmdbet);
        EXPECT_FALSE(m.betDialog.Cmdok.enabled);  // no amount held over
    }
}

TEST(GameEnd, TheExitQuestion)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    test::playTurn(m, 4, 2, "5");
    const double credit = m.state.credit;
    m.commandDown(CommandButton::Cmdexit);
    const std::string pressed = m.main.Cmdexit.face.file;
    m.commandUp(CommandButton::Cmdexit);
    EXPECT_EQ(pressed + "|" + m.main.Cmdexit.face.file, "plating2.bmp|plating.bmp");
    m.commandClicked(CommandButton::Cmdexit);  // answered No with turns left
    EXPECT_EQ(host.messages.back().text,
              "Do you wish to exit Ferlow, say no if you won and want your name in the High Scores.");
    EXPECT_EQ(host.messages.back().icon, MessageIcon::Question);
    EXPECT_TRUE(m.state.statsResetPending && m.state.credit == credit && !m.hsc.window.visible);
    m.commandUp(CommandButton::Cmdexit);  // releasing the mouse over Exit drops the pending reset
    EXPECT_FALSE(m.state.statsResetPending);

    host.messages.clear();
    m.state.credit = 100;
    host.answers.push_back(MessageAnswer::Yes);
    m.commandClicked(CommandButton::Cmdexit);
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[1].title, "Poor but");
    EXPECT_EQ(host.messages[2].title + "|" + host.messages[2].text, "Thankyou|For playing Ferlow");
    EXPECT_TRUE(m.ended() && host.quitCalled && !m.prize.window.loaded && !m.hsc.window.loaded);
    m.state.credit = 99;  // nothing runs after the end
    m.main.item(Menu::Mnungam).enabled = true;
    m.menuClicked(Menu::Mnungam);
    EXPECT_EQ(m.state.credit, 99);
}

}  // namespace
}  // namespace ferlow
