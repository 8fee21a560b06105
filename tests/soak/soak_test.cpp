// A seeded monkey at the machine: random clicks, presses, typing and answers,
// some sent while a draw or Quick Pick lets events run, with the game's
// invariants checked after every event. A failure names the seed and the event.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>

#include "support/game_driver.h"

namespace ferlow {
namespace {

class Monkey {
public:
    explicit Monkey(unsigned seed) : rng_(seed) { restart(); }

    void restart()
    {
        if (host_) balls += host_->waits;
        host_ = std::make_unique<test::FakeHost>();
        host_->clock = pick(86400);
        host_->onEvents = [this] {
            // Now and then an event arrives while the machine lets events run.
            if (depth_ == 0 && pick(8) == 0) send();
        };
        m_ = std::make_unique<Machine>(*host_);
        m_->startUp();
    }

    void send()
    {
        ++depth_;
        host_->answers.assign(4, pick(10) == 0 ? MessageAnswer::Yes : MessageAnswer::No);
        const int kind = pick(static_cast<int>(events_.size()) + 12);
        if (kind < static_cast<int>(events_.size()))
            events_[static_cast<std::size_t>(kind)]();
        else
            pushOn();  // most of the time, a player going for the next draw
        --depth_;
        if (m_->ended()) restart();
    }

    // What must hold whatever happened; empty when all does.
    std::string broken() const
    {
        const Machine& m = *m_;
        const GameState& s = m.state;
        const auto drawn = std::ranges::count(s.drawnFlags, 1);
        const auto one = [&](std::initializer_list<Menu> items) {
            return std::ranges::count_if(items, [&](Menu i) { return m.main.item(i).checked; }) == 1;
        };
        const bool ticket = s.spots >= kMinPicks && s.spots <= kMaxPicks;
        const bool usable = m.main.window.visible && m.main.window.enabled;
        if (static_cast<int>(test::pickedPositions(m).size()) != s.spots) return "the board disagrees with the picks";
        if (drawn > 22) return "more than 22 numbers drawn";
        if (m.betDialog.fillinWidthTwips > kGaugeWidthTwips - 55) return "the gauge runs past its frame";
        if (s.turn < 0 || s.turn > s.turnLimit) return "turn out of range";
        if (s.credit < 1) return "a game goes on without credit";
        if (!one({Menu::Mnuon, Menu::Mnuoff}) || !one({Menu::MnuFast, Menu::MnuSlow}) ||
            !one({Menu::Mnueasy, Menu::Mnumedium, Menu::Mnuhard, Menu::Mnuhardest}))
            return "a setting has not exactly one check mark";
        if (m.main.item(Menu::Mnuon).checked != (s.soundMode == SoundMode::On)) return "the sound item misleads";
        if (usable && m.main.CmdPlay.enabled && !(ticket && s.bet >= 1 && s.bet <= 100 && s.bet <= s.credit))
            return "Play is offered without a valid ticket and bet";
        if (usable && m.main.Cmdbet.enabled && !ticket) return "Bet is offered without a ticket";
        for (std::size_t i = 1; i < s.highScores.size(); ++i)
            if (s.highScores[i] > s.highScores[i - 1]) return "the high scores are out of order";
        if (!m.opening.window.visible && !m.main.window.visible) return "no window to go on with";
        const bool unlocker = m.betDialog.window.visible || m.hsc.window.visible || m.about.window.visible ||
                              m.help.window.visible || m.instructions.window.visible;
        if (m.main.window.visible && !m.main.window.enabled && !unlocker) return "the game is locked for good";
        return {};
    }

    long balls = 0;  // drawn (one wait each) in the sessions that ended

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void pushOn()
    {
        Machine& m = *m_;
        if (m.opening.window.visible) return m.openingPlayClicked();
        if (m.hsc.window.visible) return m.hscCloseClicked();
        if (m.betDialog.window.visible) {
            m.betTextEdited(std::to_string(1 + pick(12)));
            return m.betOkClicked();
        }
        if (m.main.CmdPlay.enabled) return m.commandClicked(CommandButton::CmdPlay);
        if (m.main.Cmdbet.enabled) return m.commandClicked(CommandButton::Cmdbet);
        m.menuClicked(kQuickPickItems[static_cast<std::size_t>(pick(7))]);
    }

    std::mt19937 rng_;
    std::unique_ptr<test::FakeHost> host_;
    std::unique_ptr<Machine> m_;
    int depth_ = 0;
    const char* texts_[8] = {"", "0", "5", "12abc", "2.5", "101", "abc", "100"};
    const std::vector<std::function<void()>> events_{
        [this] { m_->numberPressed(pick(kBoardNumbers)); },
        [this] { m_->markerPressed(pick(kBoardNumbers)); },
        [this] { m_->commandClicked(static_cast<CommandButton>(pick(3))); },
        [this] { m_->menuClicked(static_cast<Menu>(pick(static_cast<int>(Menu::Count)))); },
        [this] { m_->menuOpened(Menu::Mnuqp); },
        [this] { m_->betAmountClicked(static_cast<BetAmount>(pick(6))); },
        [this] { m_->betHoldClicked(); },
        [this] { m_->betOkClicked(); },
        [this] { m_->betTextEdited(texts_[pick(8)]); },
        [this] { m_->betTextMouseDown(); },
        [this] { m_->hscNameEdited(1 + pick(5), "Ann"); },
        [this] { m_->hscNameKey(1 + pick(5), kEnterKey); },
        [this] { m_->hscFrameClosed(); },
        [this] { m_->prizeCloseClicked(); },
        [this] { m_->statsFrameClosed(); },
        [this] { m_->aboutTimerTick(); },
        [this] { m_->aboutOkClicked(); },
        [this] { m_->helpFrameClosed(); },
        [this] { m_->instructionsCloseClicked(); },
        [this] { m_->windowActivated(static_cast<WindowId>(pick(9))); },
        [this] {
            if (pick(20) == 0) m_->mainClosed();
        },
    };
};

TEST(Soak, EveryInvariantHoldsAfterEveryEvent)
{
    long balls = 0;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        Monkey monkey(seed);
        for (int event = 1; event <= 400; ++event) {
            monkey.send();
            ASSERT_EQ(monkey.broken(), "") << "seed " << seed << ", event " << event;
        }
        monkey.restart();
        balls += monkey.balls;
    }
    EXPECT_GT(balls, 20 * 400);  // the monkey played hundreds of turns
}

}  // namespace
}  // namespace ferlow
