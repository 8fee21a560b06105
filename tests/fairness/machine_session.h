// The real machine played turn after turn on the fake clock, with every ball of
// every draw recorded in the order it fell: the samples the fairness tests count.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/machine/machine.h"
#include "support/fake_host.h"

namespace ferlow::fairness {

// A host that notes each ball as the draw waits to show it (the machine flags the
// ball it drew, then waits for the clock), and each Quick Pick number as it is
// about to appear (flagged, then events run, then its ball shows).
class RecordingHost : public test::FakeHost {
public:
    void watch(const Machine& machine) { machine_ = &machine; }
    void waitForSecondChange(int second) override;
    void processEvents() override;

    // The balls of the latest draw, in order.
    std::vector<int> balls;
    // The numbers of the latest Quick Pick, in order, while `recordQuickPick`.
    std::vector<int> quickPicks;
    bool recordQuickPick = false;

private:
    const Machine* machine_ = nullptr;
    std::array<bool, kBoardNumbers> recorded_{};
};

struct Turn {
    std::vector<int> picks;  // positions picked, ascending
    std::vector<int> balls;  // positions drawn, in order
    int hits = 0;            // as the machine counted them
};

class MachineSession {
public:
    // A started game at `difficulty` (Mnueasy … Mnuhardest), the generator seeded.
    MachineSession(std::uint64_t seed, Menu difficulty);

    // Picks `positions` by hand; they stay for the turns that follow.
    void pick(const std::vector<int>& positions);
    // Change Numbers, then Quick Pick of `count` (4..10): the numbers in the order
    // they were picked.
    std::vector<int> quickPick(int count);
    // Bet (1 credit, held), Ok, Play: one draw on the numbers on the board.
    // A finished game is closed (exit question No, high-score window closed) and
    // play goes on in the next, on the same numbers.
    Turn playTurn();

    Machine& machine() { return m_; }

private:
    std::vector<int> picked() const;
    void betOne();

    RecordingHost host_;
    Machine m_{host_};
    std::vector<int> picks_;
};

}  // namespace ferlow::fairness
