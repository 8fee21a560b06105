// Start-up, New Game and the menu's settings; the prize, statistics, About, Help
// and Instructions windows with the locking of the others.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/game_driver.h"

namespace ferlow {
namespace {

class Windows : public ::testing::Test {
protected:
    // Which of the main, prize and statistics windows take input.
    std::string windowsEnabled() const
    {
        const std::string s = std::string(m.main.window.enabled ? " main" : "") +
                              (m.prize.window.enabled ? " prize" : "") + (m.stats.window.enabled ? " stats" : "");
        return s.empty() ? s : s.substr(1);
    }
    bool lastIsTick() const { return host.sounds.back().path == "tick.wav"; }

    test::FakeHost host;
    Machine m{host};
};

TEST_F(Windows, StartUpShowsTheOpeningWindowThenAFreshGame)
{
    std::vector<bool> mainLoaded;  // at each pass of events
    host.onEvents = [&] { mainLoaded.push_back(m.main.window.loaded); };
    m.startUp();
    host.onEvents = nullptr;
    EXPECT_TRUE(m.opening.window.visible);
    EXPECT_EQ(m.opening.window.left, (1024 * 15 - 7485) / 2.0);
    EXPECT_FALSE(mainLoaded.at(0));  // it paints before the main window loads
    for (const WindowState* w : {&m.main.window, &m.instructions.window, &m.prize.window, &m.stats.window})
        EXPECT_TRUE(w->loaded && !w->visible);
    ASSERT_EQ(host.sounds.size(), 1u);
    EXPECT_TRUE(host.sounds[0].path == "ferlow.wav" && host.sounds[0].mode == PlayMode::Async);
    // The main window and the prize window side by side centred across, the main
    // and statistics windows top to bottom.
    EXPECT_EQ(m.main.window.left, (1024 * 15 - (7260 + 2550)) / 2.0);
    EXPECT_EQ(m.main.window.top, (768 * 15 - (5150 + 4335)) / 2.0);

    m.openingPlayClicked();
    EXPECT_TRUE(m.main.window.visible && !m.opening.window.loaded && !m.opening.window.visible);
    EXPECT_EQ(m.main.Image1.picture.file, "logo.bmp");
    EXPECT_TRUE(m.state.credit == 30 && m.state.turnLimit == 20);
    for (Menu item : {Menu::Mnueasy, Menu::MnuSlow, Menu::Mnuoff}) EXPECT_TRUE(m.main.item(item).checked);
    for (Menu item : {Menu::MnuFast, Menu::Mnuon, Menu::Mnumedium}) EXPECT_FALSE(m.main.item(item).checked);
    EXPECT_EQ(test::enabledControls(m), "Exit QuickPick ChangeNumbers Difficulty ScoreStyle Board main prize stats");
    EXPECT_EQ(m.main.PicShow.picture.file + "|" + m.main.SSPNum.caption.text(), "hg1.bmp|Easy");
    EXPECT_EQ(m.main.LblCred.fore, Color::rgb(155, 155, 155));
    EXPECT_TRUE(m.hsc.PicFace.visible && m.hsc.PicFace.picture.file.empty());  // no rating yet: no face
    EXPECT_EQ(m.stats.panel(1).caption.text() + " " + m.stats.panel(80).caption.text(), "1,0 80,0");
    for (int i = 0; i < kBoardNumbers; ++i)
        EXPECT_TRUE(!m.main.Shp1[i].visible && m.main.Shp1[i].enabled &&
                    m.main.Lbl1[i].caption.text() == std::to_string(i + 1));

    // Each window's size as its load sets it (the statistics window's width is
    // its panels' and frame's).
    m.menuClicked(Menu::Mnuabt);
    m.aboutOkClicked();
    m.menuClicked(Menu::MnuHlp);
    m.helpCloseClicked();
    test::saveHighScores(m);
    test::pickNumbers(m, {0, 1, 2, 3});
    m.commandClicked(CommandButton::Cmdbet);
    const std::pair<const WindowState&, WindowSize> sizes[] = {
        {m.main.window, {7250, 5150}},
        {m.prize.window, {2550, 4545}},
        {m.about.window, {5970, 3645}},
        {m.help.window, {7425, 6480}},
        {m.instructions.window, {7485, 5300}},
        {m.betDialog.window, {4560, 2760}},
        {m.hsc.window, {5580 + 120, 3105 + 405}},  // client area and frame
        {m.stats.window, {m.stats.window.width, 4335}}};
    for (const auto& [window, size] : sizes)
        EXPECT_EQ(window.width + window.height * 1e5, size.width + size.height * 1e5);

    // Closing the opening window by its frame also brings up the main window.
    Machine other(host);
    other.startUp();
    other.openingClosed();
    EXPECT_TRUE(other.main.window.visible);
}

TEST_F(Windows, NewGameKeepsTheSettings)
{
    test::startGame(m);
    m.menuClicked(Menu::Mnuhard);
    m.menuClicked(Menu::MnuFast);
    m.menuClicked(Menu::Mnuon);
    test::playTurn(m, 10, 4, "10");  // Hard, 10 spots, 4 hits: factor 2; the board stays locked
    m.main.item(Menu::Mnuseven).checked = true;
    m.state.betHeld = true;
    const int drawn = test::predictBalls(m.random, 20)[0] + 1;
    ASSERT_EQ(m.main.LblWon.caption.text(), "Won 20");

    m.menuClicked(Menu::Mnungam);
    EXPECT_TRUE(m.state.credit == 30 && m.state.turn == 0 && m.state.spots == 0 && !m.state.betHeld);
    EXPECT_TRUE(m.state.difficulty == Difficulty::Hard && m.state.scoreStyle == ScoreStyle::Fast &&
                m.state.soundMode == SoundMode::On);
    EXPECT_EQ(test::statusPanels(m), "Credit 30|Hits  0|Bet 0|Won 0");
    EXPECT_EQ(m.main.PicShow.tooltip, "You have 20 turns");
    EXPECT_TRUE(test::pickedPositions(m).empty() && !m.main.item(Menu::Mnuseven).checked);
    EXPECT_EQ(test::enabledControls(m),
              "Exit NewGame QuickPick ChangeNumbers Difficulty ScoreStyle Board main prize stats");
    for (int n = 1; n <= kBoardNumbers; ++n) ASSERT_EQ(m.state.numberStats[n], 0);
    EXPECT_EQ(m.stats.panel(drawn).back, Color::buttonFace());
}

// Each setting keeps one check mark (the soak checks that after every event);
// a level shows its name and the low prize rows it pays on ten picks.
TEST_F(Windows, MenuSettings)
{
    test::startGame(m);
    test::pickNumbers(m, {0, 7, 14, 21, 28, 35, 42, 49, 56, 63});
    const struct {
        Menu item;
        Difficulty level;
        const char* shown;  // name, and which of the 2- and 3-hit rows show
    } levels[] = {{Menu::Mnumedium, Difficulty::Medium, "Medium 3"},
                  {Menu::Mnuhardest, Difficulty::Hardest, "Hardest "},
                  {Menu::Mnuhard, Difficulty::Hard, "Hard 3"},
                  {Menu::Mnueasy, Difficulty::Easy, "Easy 23"}};
    for (const auto& l : levels) {
        m.menuClicked(l.item);
        EXPECT_TRUE(m.state.difficulty == l.level && m.main.item(l.item).checked);
        EXPECT_EQ(m.main.SSPNum.caption.text() + " " + (m.prize.row(2).visible ? "2" : "") +
                      (m.prize.row(3).visible ? "3" : ""),
                  l.shown);
    }
    m.menuClicked(Menu::Mnuon);
    m.menuClicked(Menu::MnuFast);
    EXPECT_TRUE(m.state.soundMode == SoundMode::On && m.state.scoreStyle == ScoreStyle::Fast &&
                m.main.item(Menu::MnuFast).checked && !m.main.item(Menu::MnuSlow).checked);
    m.menuClicked(Menu::Mnuoff);
    m.menuClicked(Menu::MnuSlow);
    EXPECT_TRUE(m.state.soundMode == SoundMode::Off && m.state.scoreStyle == ScoreStyle::Slow &&
                m.main.item(Menu::Mnuoff).checked && !m.main.item(Menu::Mnuon).checked);
}

TEST_F(Windows, ThePrizeWindow)
{
    test::startGame(m);
    m.menuClicked(Menu::Mnupri);
    EXPECT_TRUE(m.prize.window.visible && m.main.item(Menu::Mnupri).checked);
    EXPECT_EQ(m.prize.window.top, m.main.window.top + 200);
    EXPECT_EQ(m.prize.window.left, m.main.window.left + m.main.window.width + 20);
    // Until the first draw of a ticket the rows and tooltips are the ten-spot
    // table at Easy the window loads with, whatever is picked meanwhile.
    m.menuClicked(Menu::Mnuhard);
    test::pickNumbers(m, test::picksForHits(m, 6, 0));
    EXPECT_EQ(m.prize.row(7).caption.text(), " 7 Out of 10  650");
    EXPECT_EQ(m.prize.row(10).tooltip, "Chance 1 in 8,911,711");
    EXPECT_TRUE(m.prize.tooltip.starts_with("A bet of 1 credit on 10 picks at Easy returns ")) << m.prize.tooltip;
    test::placeBet(m, "10");
    test::play(m);
    EXPECT_EQ(m.prize.row(6).caption.text(), " 6 Out of 6  570");
    EXPECT_EQ(m.prize.row(2).caption.text(), " 2 Out of 6  20");
    EXPECT_EQ(m.prize.row(7).caption.text(), "");
    EXPECT_EQ(m.prize.row(6).tooltip, "Chance 1 in 7,753");
    EXPECT_EQ(m.prize.row(7).tooltip, "");
    EXPECT_EQ(m.prize.tooltip, "A bet of 1 credit on 6 picks at Hard returns 2.10 on average.");

    m.menuClicked(Menu::Mnupri);
    EXPECT_FALSE(m.prize.window.visible || m.main.item(Menu::Mnupri).checked);
    m.menuClicked(Menu::Mnupri);
    const auto sounds = host.sounds.size();
    m.prizeCloseKey(kEnterKey);  // Enter closes without a tick, and unloads
    EXPECT_EQ(host.sounds.size(), sounds);
    EXPECT_FALSE(m.prize.window.loaded || m.main.item(Menu::Mnupri).checked);
    m.menuClicked(Menu::Mnupri);  // loaded afresh
    EXPECT_EQ(m.prize.row(7).caption.text(), " 7 Out of 10  650");
    EXPECT_TRUE(m.prize.row(2).visible);
    m.prizeCloseClicked();
    EXPECT_TRUE(lastIsTick());
    m.menuClicked(Menu::Mnupri);
    m.main.window.enabled = false;
    m.prizeFrameClosed();
    EXPECT_TRUE(m.main.window.enabled);
}

TEST_F(Windows, TheStatisticsWindow)
{
    test::startGame(m);
    m.menuClicked(Menu::Mnustats);
    EXPECT_TRUE(m.stats.window.visible && m.main.item(Menu::Mnustats).checked);
    EXPECT_EQ(m.stats.window.top, m.main.window.top + m.main.window.height + 20);
    EXPECT_EQ(m.stats.window.left, (1024 * 15 - (m.stats.window.width + 2550)) / 2.0);
    const Color bands[] = {Color::rgb(255, 148, 48), Color::rgb(255, 168, 255), Color::rgb(0, 135, 252),
                           Color::rgb(0, 239, 0),    Color::rgb(247, 207, 105), Color::rgb(247, 249, 2)};
    EXPECT_TRUE(std::equal(std::begin(bands), std::end(bands), m.stats.legendShapes.begin()));
    // A number's panel takes the colour of its count: 1, 2-3, 4-6, 7-9, 10-12, 13+.
    const std::pair<int, int> counts[] = {{1, 0}, {2, 1}, {3, 1},  {4, 2},  {6, 2},
                                          {7, 3}, {9, 3}, {10, 4}, {12, 4}, {13, 5}};
    int n = 0;
    std::set<int> drawn;
    for (const auto& [count, band] : counts) {
        const auto balls = test::predictBalls(m.random, 20);
        drawn.insert(balls.begin(), balls.end());
        n = balls[0] + 1;
        m.state.numberStats[n] = count - 1;
        test::playTurn(m, 4, 0, "1");
        EXPECT_EQ(m.stats.panel(n).caption.text(), std::to_string(n) + "," + std::to_string(count));
        EXPECT_EQ(m.stats.panel(n).back, bands[band]) << count;
    }
    int undrawn = 0;
    while (drawn.contains(undrawn)) ++undrawn;
    EXPECT_EQ(m.stats.panel(undrawn + 1).back, Color::buttonFace());
    const std::string caption = m.stats.panel(n).caption.text();

    m.statsCloseClicked();  // Close hides
    EXPECT_FALSE(m.stats.window.visible || m.main.item(Menu::Mnustats).checked);
    EXPECT_TRUE(lastIsTick());
    m.menuClicked(Menu::Mnustats);
    EXPECT_EQ(m.stats.panel(n).caption.text(), caption);
    m.statsFrameClosed();  // the close box unloads
    EXPECT_FALSE(m.stats.window.loaded || m.main.item(Menu::Mnustats).checked);
    m.menuClicked(Menu::Mnustats);
    EXPECT_EQ(m.stats.panel(n).caption.text(), "");  // design state until drawn again
    EXPECT_EQ(m.state.numberStats[n], 13);           // the count is kept
    EXPECT_TRUE(std::equal(std::begin(bands), std::end(bands), m.stats.legendShapes.begin()));
}

// Each locks the main, prize and statistics windows while it is up; its Close
// ticks, unloads it and unlocks the three, its frame's close box only the main
// window.
TEST_F(Windows, AboutHelpAndInstructionsLockTheGameUntilClosed)
{
    test::startGame(m);
    const struct {
        Menu item;
        void (Machine::*close)();
        void (Machine::*frame)();
        const WindowState& window;
    } windows[] = {
        {Menu::Mnuabt, &Machine::aboutOkClicked, &Machine::aboutFrameClosed, m.about.window},
        {Menu::MnuHlp, &Machine::helpCloseClicked, &Machine::helpFrameClosed, m.help.window},
        {Menu::Mnuinst, &Machine::instructionsCloseClicked, &Machine::instructionsFrameClosed, m.instructions.window}};
    for (const auto& w : windows) {
        m.menuClicked(w.item);
        EXPECT_TRUE(w.window.visible);
        EXPECT_EQ(windowsEnabled(), "") << static_cast<int>(w.item);
        (m.*w.close)();
        EXPECT_EQ(host.sounds.back().path, "tick.wav");
        EXPECT_FALSE(w.window.loaded);
        EXPECT_EQ(windowsEnabled(), "main prize stats");
        m.menuClicked(w.item);
        (m.*w.frame)();
        EXPECT_FALSE(w.window.loaded || w.window.visible);
        EXPECT_EQ(windowsEnabled(), "main");
    }

    m.menuClicked(Menu::Mnuabt);  // centred; the emblem turns on every tick of the timer
    EXPECT_EQ(m.about.window.left, (1024 * 15 - 5970) / 2.0);
    EXPECT_TRUE(m.about.timerRunning);
    const ListImage frames[] = {ListImage::EmblemA, ListImage::EmblemB, ListImage::EmblemA};
    for (ListImage frame : frames) {
        EXPECT_EQ(m.about.cycler, frame);
        m.aboutTimerTick();
    }
    m.about.cyclerShowsFrame = false;  // a box that holds neither frame stays as it is
    const ListImage shown = m.about.cycler;
    m.aboutTimerTick();
    EXPECT_EQ(m.about.cycler, shown);
    m.aboutOkClicked();
    EXPECT_FALSE(m.about.timerRunning);

    m.menuClicked(Menu::MnuHlp);
    EXPECT_EQ(m.main.window.pointer, Pointer::Hourglass);
    EXPECT_EQ(m.help.Image1.picture.file, "help.bmp");
    m.helpCloseClicked();
    m.windowActivated(WindowId::Main);
    EXPECT_EQ(m.main.window.pointer, Pointer::Default);

    // The instructions fill their text at load and again at activation.
    m.menuClicked(Menu::Mnuinst);
    EXPECT_EQ(m.instructions.greyDotRuns, 2u);
    EXPECT_EQ(m.instructions.whiteDotRuns, 2u);

    for (auto click :
         {&Machine::prizeBackgroundClicked, &Machine::statsBackgroundClicked, &Machine::hscBackgroundClicked,
          &Machine::aboutBackgroundClicked, &Machine::helpBackgroundClicked, &Machine::instructionsBackgroundClicked})
        (m.*click)();
    EXPECT_EQ(host.beeps, 6);
}

TEST_F(Windows, AReadMeThatCannotOpenIsToldWhereItIs)
{
    test::startGame(m);
    m.menuClicked(Menu::MnuRMe);
    EXPECT_TRUE(host.messages.empty());
    host.readMeFails = true;
    m.menuClicked(Menu::MnuRMe);
    ASSERT_EQ(host.readMes.size(), 2u);
    EXPECT_EQ(host.readMes[1], "README.html");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].text.ends_with("/usr/share/ferlow/README.html")) << host.messages[0].text;
    EXPECT_FALSE(m.ended());
}

}  // namespace
}  // namespace ferlow
