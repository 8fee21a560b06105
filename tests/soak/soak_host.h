// The fake host for the monkey: besides the test host's clock and answers, it
// lets the monkey act while the machine lets events run (mid-draw, mid-count,
// mid-quick-pick), and it watches the balls of each draw.
#pragma once

#include <array>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/machine/machine.h"
#include "support/fake_host.h"

namespace ferlow::soak {

class SoakHost : public test::FakeHost {
public:
    // Called on a pass of events with the chance set below, never from inside
    // itself: one level of events inside a handler, as a queued click gives.
    std::function<void()> onQueuedEvent;
    double queuedEventChance = 0;
    std::mt19937* random = nullptr;

    void processEvents() override;
    void waitForSecondChange(int second) override;

    // The balls of the draw under way, read from the statistics counts each time
    // the draw waits for the clock and once more when it has returned.
    void startDrawWatch(const Machine& m);
    void updateDrawWatch();
    const std::vector<int>& ballsThisDraw() const { return balls_; }
    const std::vector<std::string>& drawFaults() const { return drawFaults_; }
    bool drawRan() const { return drawWaits_ > 0; }

private:
    bool inQueuedEvent_ = false;
    const Machine* watched_ = nullptr;
    std::array<int, kBoardNumbers + 1> counts_{};
    std::vector<int> balls_;
    std::vector<std::string> drawFaults_;
    int drawWaits_ = 0;
};

}  // namespace ferlow::soak
