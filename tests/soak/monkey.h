// A monkey at the keno machine: random presses, keys, menu commands, typed and
// pasted text and window closes, each sent only where a player could send it (a
// window shown and not locked), mixed with the moves of a player who wants to
// get on with the game, so that draws, count-ups and game ends come often.
#pragma once

#include <random>
#include <string>

#include "engine/machine/machine.h"

namespace ferlow::soak {

class Monkey {
public:
    Monkey(Machine& m, std::mt19937& random) : m_(m), random_(random) {}

    // One event: a random one, or with `purposeful` the next move of a player
    // playing on. Returns its description.
    std::string act(bool purposeful);
    // A random event only, as queued while the machine lets events run.
    std::string actQueued() { return randomEvent(); }

private:
    std::string randomEvent();
    std::string purposefulEvent();
    std::string mainWindowEvent();
    std::string betDialogEvent();
    std::string highScoreEvent();
    std::string otherWindowEvent();
    std::string typeName(int place);
    std::string betText();

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }

    Machine& m_;
    std::mt19937& random_;
};

}  // namespace ferlow::soak
