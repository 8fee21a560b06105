// Plays the machine from tests the way a player would: presses on the board,
// the bet dialog, Play. The balls of the next draw are known in advance from a
// copy of the machine's generator, so a test can choose how many hits it gets.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "engine/machine/machine.h"
#include "support/fake_host.h"

namespace ferlow::test {

// The board positions the next draw will mark, in order, if nothing else draws
// from the generator first.
inline std::vector<int> predictBalls(Random generator, int count)
{
    std::vector<int> balls;
    std::vector<bool> drawn(kBoardNumbers, false);
    while (static_cast<int>(balls.size()) < count) {
        const int index = generator.below(kBoardNumbers);
        if (drawn[static_cast<std::size_t>(index)]) continue;
        drawn[static_cast<std::size_t>(index)] = true;
        balls.push_back(index);
    }
    return balls;
}

// `spots` positions of which exactly `hits` come up in the next draw.
inline std::vector<int> picksForHits(const Machine& m, int spots, int hits)
{
    const std::vector<int> balls = predictBalls(m.random, static_cast<int>(m.state.ballsPerDraw));
    std::vector<int> picks(balls.begin(), balls.begin() + hits);
    for (int p = 0; static_cast<int>(picks.size()) < spots; ++p)
        if (std::find(balls.begin(), balls.end(), p) == balls.end()) picks.push_back(p);
    return picks;
}

inline std::vector<int> pickedPositions(const Machine& m)
{
    std::vector<int> picked;
    for (int i = 0; i < kBoardNumbers; ++i) {
        const Marker& marker = m.main.Shp1[static_cast<std::size_t>(i)];
        if (marker.visible && marker.image != ListImage::Drawn) picked.push_back(i);
    }
    return picked;
}

inline void startGame(Machine& m)
{
    m.startUp();
    m.openingPlayClicked();
}

// Replaces whatever is picked with `positions` (reopening the board after a draw).
inline void pickNumbers(Machine& m, const std::vector<int>& positions)
{
    if (!m.main.Lbl1[0].enabled || m.main.Shp1[0].image == ListImage::Hit) m.menuClicked(Menu::Mnucnum);
    for (int p : pickedPositions(m)) m.numberPressed(p);
    for (int p : positions) m.numberPressed(p);
}

inline void placeBet(Machine& m, const std::string& amount)
{
    m.commandClicked(CommandButton::Cmdbet);
    m.betTextEdited(amount);
    m.betOkClicked();
}

inline void play(Machine& m) { m.commandClicked(CommandButton::CmdPlay); }

// What takes input on the main window now, by name, for one-line checks of what
// a step turned on and off: the buttons, the menu items that change, the board
// (when every number takes presses) and the three windows the others lock.
inline std::string enabledControls(const Machine& m)
{
    std::string s;
    const auto add = [&s](bool on, const char* name) {
        if (on) s += s.empty() ? name : std::string(" ") + name;
    };
    add(m.main.Cmdbet.enabled, "Bet");
    add(m.main.CmdPlay.enabled, "Play");
    add(m.main.Cmdexit.enabled, "Exit");
    add(m.main.item(Menu::Mnungam).enabled, "NewGame");
    add(m.main.item(Menu::Mnuqp).enabled, "QuickPick");
    add(m.main.item(Menu::Mnucnum).enabled, "ChangeNumbers");
    add(m.main.item(Menu::Mnugtyp).enabled, "Difficulty");
    add(m.main.item(Menu::MnuScStyl).enabled, "ScoreStyle");
    add(std::all_of(m.main.Lbl1.begin(), m.main.Lbl1.end(), [](const Label& l) { return l.enabled; }), "Board");
    add(m.main.window.enabled, "main");
    add(m.prize.window.enabled, "prize");
    add(m.stats.window.enabled, "stats");
    return s;
}

// The main window's four status panels: "Credit 30|Hits  0|Bet 0|Won 0".
inline std::string statusPanels(const Machine& m)
{
    return m.main.LblCred.caption.text() + "|" + m.main.LblHit.caption.text() + "|" + m.main.LblBet.caption.text() +
           "|" + m.main.LblwonS.caption.text();
}

// The player's save of the high scores as they stand: View High Scores, Close.
inline void saveHighScores(Machine& m)
{
    m.menuClicked(Menu::Mnuvhsc);
    m.hscCloseClicked();
}

inline void resetHighScores(Machine& m) { m.menuClicked(Menu::Mnureset); }

// One whole turn with `spots` picks of which `hits` are drawn.
inline void playTurn(Machine& m, int spots, int hits, const std::string& amount)
{
    pickNumbers(m, picksForHits(m, spots, hits));
    placeBet(m, amount);
    play(m);
}

}  // namespace ferlow::test
