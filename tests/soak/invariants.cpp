// The invariants of a game in progress.
#include "invariants.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace ferlow::soak {
namespace {

constexpr int kMostBallsInADraw = 22;

bool shown(const WindowState& w) { return w.loaded && w.visible; }
bool usable(const WindowState& w) { return shown(w) && w.enabled; }

std::string number(double value)
{
    std::ostringstream out;
    out.precision(15);
    out << value;
    return out.str();
}

// The amount of the Won panel, "Won 1,234": whole, as the panel rounds it.
double shownWon(const Machine& m)
{
    const std::string& text = m.main.LblWon.caption.text();
    if (!text.starts_with("Won ")) return -1;
    std::string digits;
    for (const char c : text.substr(4))
        if (c != ',') digits += c;
    char* end = nullptr;
    const double value = std::strtod(digits.c_str(), &end);
    return end && *end == '\0' && !digits.empty() ? value : -1;
}

int checkedAmong(const Machine& m, std::initializer_list<Menu> items)
{
    return static_cast<int>(std::count_if(items.begin(), items.end(), [&](Menu i) { return m.main.item(i).checked; }));
}

void checkBoard(const Machine& m, std::vector<std::string>& faults)
{
    int picked = 0, drawnFlags = 0;
    for (int i = 0; i < kBoardNumbers; ++i) {
        const Marker& marker = m.main.Shp1[static_cast<std::size_t>(i)];
        const bool flag = m.state.drawnFlags[static_cast<std::size_t>(i)] == 1;
        drawnFlags += flag ? 1 : 0;
        if (!marker.visible) continue;
        if (marker.image == ListImage::Picked || marker.image == ListImage::Hit) ++picked;
        if ((marker.image == ListImage::Drawn || marker.image == ListImage::Hit) && !flag)
            faults.push_back("number " + std::to_string(i + 1) + " shows a drawn ball but was not drawn");
    }
    if (picked != m.state.spots)
        faults.push_back("spots is " + std::to_string(m.state.spots) + " but " + std::to_string(picked) +
                         " numbers are picked on the board");
    if (drawnFlags > kMostBallsInADraw) faults.push_back(std::to_string(drawnFlags) + " numbers flagged as drawn");
}

void checkMenus(const Machine& m, std::vector<std::string>& faults)
{
    const auto one = [&](const char* group, std::initializer_list<Menu> items) {
        const int n = checkedAmong(m, items);
        if (n != 1) faults.push_back(std::string(group) + ": " + std::to_string(n) + " items checked");
    };
    one("Sound", {Menu::Mnuon, Menu::Mnuoff});
    one("Score Style", {Menu::MnuFast, Menu::MnuSlow});
    one("Difficulty", {Menu::Mnueasy, Menu::Mnumedium, Menu::Mnuhard, Menu::Mnuhardest});
    const int counts = checkedAmong(
        m, {Menu::Mnufour, Menu::Mnufive, Menu::Mnusix, Menu::Mnuseven, Menu::Mnueight, Menu::Mnunine, Menu::Mnuten});
    if (counts > 1) faults.push_back("Quick Pick: " + std::to_string(counts) + " counts checked");

    // The check marks show the settings in force.
    if (m.main.item(Menu::Mnuon).checked != (m.state.soundMode == SoundMode::On))
        faults.push_back("Sound menu disagrees with the sound setting");
    if (m.main.item(Menu::MnuSlow).checked != (m.state.scoreStyle == ScoreStyle::Slow))
        faults.push_back("Score Style menu disagrees with the counting style");
    const Menu levels[] = {Menu::Mnueasy, Menu::Mnumedium, Menu::Mnuhard, Menu::Mnuhardest};
    const int level = static_cast<int>(m.state.difficulty);
    if (level < 1 || level > 4 || !m.main.item(levels[static_cast<std::size_t>(level - 1)]).checked)
        faults.push_back("Difficulty menu disagrees with difficulty " + std::to_string(level));
}

void checkTicket(const Machine& m, std::vector<std::string>& faults)
{
    if (m.state.turn < 0 || m.state.turn > m.state.turnLimit)
        faults.push_back("turn " + std::to_string(m.state.turn) + " outside 0.." + std::to_string(m.state.turnLimit));
    if (!usable(m.main.window)) return;
    if (m.main.CmdPlay.enabled) {
        if (m.state.spots < kMinPicks || m.state.spots > kMaxPicks)
            faults.push_back("Play is offered with " + std::to_string(m.state.spots) + " picks");
        if (!(m.state.bet >= 1 && m.state.bet <= 100 && m.state.bet <= m.state.credit))
            faults.push_back("Play is offered with a bet of " + number(m.state.bet) + " and a credit of " +
                             number(m.state.credit));
    }
    if (m.main.Cmdbet.enabled && (m.state.spots < kMinPicks || m.state.spots > kMaxPicks))
        faults.push_back("Bet is offered with " + std::to_string(m.state.spots) + " picks");
}

void checkWayForward(const Machine& m, std::vector<std::string>& faults)
{
    if (shown(m.opening.window)) return;
    if (!shown(m.main.window)) {
        faults.push_back("neither the opening nor the main window is shown");
        return;
    }
    if (m.main.window.enabled) return;
    const bool unlocker = usable(m.betDialog.window) || usable(m.hsc.window) || usable(m.about.window) ||
                          usable(m.help.window) || usable(m.instructions.window);
    if (!unlocker) faults.push_back("the main window is locked and no open window can unlock it");
    if (usable(m.betDialog.window) && m.state.credit < 1)
        faults.push_back("the bet dialog is open with a credit of " + number(m.state.credit));
}

}  // namespace

std::vector<std::string> checkMachine(const Machine& m)
{
    std::vector<std::string> faults;
    if (m.ended()) return faults;
    checkBoard(m, faults);
    checkMenus(m, faults);
    checkTicket(m, faults);
    checkWayForward(m, faults);
    return faults;
}

void CreditLedger::before(const Machine& m)
{
    credit_ = m.state.credit;
    bet_ = m.state.bet;
}

std::vector<std::string> CreditLedger::after(const Machine& m, bool drew) const
{
    if (m.ended()) return {};
    const double credit = m.state.credit;
    // A new game, chosen or forced by an empty credit or the last turn.
    if (credit == kStartingCredit && m.state.turn == 0) return {};
    if (!drew) {
        if (credit == credit_) return {};
        return {"the credit moved from " + number(credit_) + " to " + number(credit) + " without a draw"};
    }
    // A draw always settles: a lost turn costs its bet, a winning one keeps it
    // and adds what the Won panel shows (never nothing: every prize is at least
    // the bet).
    if (credit == credit_ - bet_) return {};
    const double change = credit - credit_;
    if (change > 0 && std::fabs(change - shownWon(m)) <= 0.5 + 1e-6) return {};
    return {"a draw with a bet of " + number(bet_) + " moved the credit from " + number(credit_) + " to " +
            number(credit) + " while the Won panel reads \"" + m.main.LblWon.caption.text() + "\""};
}

}  // namespace ferlow::soak
