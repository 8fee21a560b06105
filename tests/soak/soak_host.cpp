// The monkey's host: queued events during the machine's event passes, and the
// record of the balls drawn.
#include "soak_host.h"

#include <algorithm>

namespace ferlow::soak {

void SoakHost::processEvents()
{
    FakeHost::processEvents();
    if (inQueuedEvent_ || !onQueuedEvent || !random || queuedEventChance <= 0) return;
    if (std::uniform_real_distribution<double>(0, 1)(*random) >= queuedEventChance) return;
    inQueuedEvent_ = true;
    onQueuedEvent();
    inQueuedEvent_ = false;
}

void SoakHost::waitForSecondChange(int second)
{
    updateDrawWatch();
    ++drawWaits_;
    FakeHost::waitForSecondChange(second);
}

void SoakHost::startDrawWatch(const Machine& m)
{
    watched_ = &m;
    counts_ = m.state.numberStats;
    balls_.clear();
    drawFaults_.clear();
    drawWaits_ = 0;
}

// A count that went up by k means k balls of that number since the last look; a
// count that went down was reset (a new game, a game lost) and counts afresh.
void SoakHost::updateDrawWatch()
{
    if (!watched_) return;
    const int* now = watched_->state.numberStats.data();
    int* last = counts_.data();
    for (int n = 1; n <= kBoardNumbers; ++n) {
        if (now[n] == last[n]) continue;
        const int added = now[n] > last[n] ? now[n] - last[n] : now[n];
        for (int k = 0; k < added; ++k) {
            if (std::find(balls_.begin(), balls_.end(), n) != balls_.end())
                drawFaults_.push_back("number " + std::to_string(n) + " drawn twice in one draw");
            balls_.push_back(n);
        }
    }
    counts_ = watched_->state.numberStats;
}

}  // namespace ferlow::soak
