// Turns of the real machine for the fairness tests, through the same handlers a
// player's clicks reach: the board, the bet dialog, Play.
#include "machine_session.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "support/game_driver.h"

namespace ferlow::fairness {

void RecordingHost::waitForSecondChange(int second)
{
    if (machine_) {
        const auto& flags = machine_->state.drawnFlags;
        int flagged = 0, last = -1, fresh = -1;
        for (int i = 0; i < kBoardNumbers; ++i) {
            if (!flags[static_cast<std::size_t>(i)]) continue;
            ++flagged;
            last = i;
            if (!recorded_[static_cast<std::size_t>(i)]) fresh = i;
        }
        // A single flag is the first ball of a new draw, whatever came before.
        if (flagged == 1) {
            balls.clear();
            recorded_ = {};
            fresh = last;
        }
        if (fresh >= 0) {
            recorded_[static_cast<std::size_t>(fresh)] = true;
            balls.push_back(fresh);
        }
    }
    FakeHost::waitForSecondChange(second);
}

void RecordingHost::processEvents()
{
    if (machine_ && recordQuickPick) {
        const auto& flags = machine_->state.quickPickFlags;
        for (int i = 0; i < kBoardNumbers; ++i) {
            if (flags[static_cast<std::size_t>(i)] != 1) continue;
            if (std::find(quickPicks.begin(), quickPicks.end(), i) == quickPicks.end()) quickPicks.push_back(i);
        }
    }
    FakeHost::processEvents();
}

MachineSession::MachineSession(std::uint64_t seed, Menu difficulty)
{
    host_.watch(m_);
    test::startGame(m_);
    m_.menuClicked(difficulty);
    if (!m_.main.item(difficulty).checked) throw std::logic_error("the difficulty could not be chosen");
    m_.random.reseed(seed);
}

std::vector<int> MachineSession::picked() const { return test::pickedPositions(m_); }

void MachineSession::pick(const std::vector<int>& positions)
{
    test::pickNumbers(m_, positions);
    picks_ = positions;
    std::sort(picks_.begin(), picks_.end());
    if (picked() != picks_) throw std::logic_error("the board does not show the numbers picked");
}

std::vector<int> MachineSession::quickPick(int count)
{
    m_.menuClicked(Menu::Mnucnum);
    host_.quickPicks.clear();
    host_.recordQuickPick = true;
    m_.menuClicked(kQuickPickItems.at(static_cast<std::size_t>(count - kMinPicks)));
    host_.recordQuickPick = false;
    picks_ = picked();
    std::vector<int> inOrder = host_.quickPicks;
    std::sort(host_.quickPicks.begin(), host_.quickPicks.end());
    if (static_cast<int>(picks_.size()) != count || m_.state.spots != count || host_.quickPicks != picks_)
        throw std::logic_error("Quick Pick of " + std::to_string(count) + " put " + std::to_string(picks_.size()) +
                               " balls on the board, counts " + std::to_string(m_.state.spots) + " picks, and " +
                               std::to_string(host_.quickPicks.size()) + " were seen being picked");
    return inOrder;
}

// With Hold the dialog comes back with the amount filled in: Bet, Ok.
void MachineSession::betOne()
{
    m_.commandClicked(CommandButton::Cmdbet);
    if (!m_.betDialog.window.visible) throw std::logic_error("Bet did not open the bet dialog");
    if (!m_.betDialog.Cmdok.enabled) {
        m_.betTextEdited("1");
        m_.betHoldClicked();
    }
    m_.betOkClicked();
    if (!m_.main.CmdPlay.enabled) throw std::logic_error("the bet was not taken");
}

Turn MachineSession::playTurn()
{
    if (picked() != picks_) pick(picks_);
    // Nobody listens to a fake host's sounds; they would pile up over many turns.
    host_.sounds.clear();
    host_.messages.clear();

    betOne();
    Turn turn;
    turn.picks = picks_;
    host_.balls.clear();
    test::play(m_);
    turn.balls = host_.balls;
    // The end of a game leaves the high-score window up, locking the others; the
    // numbers stay picked.
    if (m_.hsc.window.visible) m_.hscCloseClicked();
    // The hit balls on the board: state.hits is already cleared when the turn
    // ended the game.
    for (const Marker& marker : m_.main.Shp1) turn.hits += marker.visible && marker.image == ListImage::Hit ? 1 : 0;

    const int expectedBalls = static_cast<int>(m_.state.ballsPerDraw);
    if (static_cast<int>(turn.balls.size()) != expectedBalls)
        throw std::logic_error("recorded " + std::to_string(turn.balls.size()) + " balls of a draw of " +
                               std::to_string(expectedBalls));
    // The machine's own hit count must agree with the balls recorded, or the
    // record is not the draw.
    int hits = 0;
    for (int b : turn.balls) hits += std::binary_search(picks_.begin(), picks_.end(), b) ? 1 : 0;
    if (hits != turn.hits)
        throw std::logic_error("the machine counted " + std::to_string(turn.hits) + " hits, the balls hold " +
                               std::to_string(hits));
    return turn;
}

}  // namespace ferlow::fairness
