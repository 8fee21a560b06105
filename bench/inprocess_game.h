// The real game in this process, for the benchmarks that need to see inside it:
// the desktop host, the machine and its windows on the offscreen platform, with
// a host that notes when each draw's wait ends.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "app/qt_host.h"
#include "engine/machine/machine.h"
#include "media/sound_player.h"
#include "ui/views.h"

namespace ferlow::bench {

using Clock = std::chrono::system_clock;

// Milliseconds since the epoch: second boundaries of the wall clock fall on
// whole thousands, as they do for the game's clock.
double wallMs();

// The desktop host, noting when each wait for the clock's second returns and
// running a hook after every pass of events it lets run.
class TimedHost : public QtHost {
public:
    using QtHost::QtHost;
    void waitForSecondChange(int second) override;
    void processEvents() override;

    std::vector<double> wakes;          // wallMs() as each wait returned
    std::function<void()> afterEvents;  // after each processEvents()
};

// Sets the environment a benchmark's game runs in: offscreen windows and a silent
// sound driver unless told otherwise, and a private home so the high-score file
// is never the user's. Call before the QApplication is made.
void prepareEnvironment(QTemporaryDir& home);

class InProcessGame {
public:
    InProcessGame();
    ~InProcessGame();

    // Start-up and Play on the opening window: the board is up.
    void open();
    void pick(const std::vector<int>& positions);
    void bet(const std::string& amount);
    // Presses Play from an event loop, as a click would, and returns when the
    // draw and its settling are over.
    void playDraw();
    // A handler run the way the windows run them: then every window is synced.
    void run(const std::function<void()>& handler) { views_->run(handler); }

    Machine& machine() { return machine_; }
    TimedHost& host() { return host_; }
    ui::Views& views() { return *views_; }

private:
    media::SoundPlayer sounds_;
    TimedHost host_{sounds_};
    Machine machine_{host_};
    std::unique_ptr<ui::Views> views_;
};

}  // namespace ferlow::bench
