// What a sound costs when the output stream had been closed in the silence
// before it: how long the synchronous tick holds up a click, how long the call
// that reopens the stream takes, the processor time of one sound from reopen to
// close, and the player's processor time while the stream is closed. Run with
// the sound driver of the environment (sound_reopen.sh gives it PulseAudio).
#include <QCoreApplication>
#include <SDL_mixer.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "media/data_folder.h"
#include "media/sound_player.h"
#include "report.h"

namespace {

using namespace ferlow;
using namespace ferlow::bench;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 15;
constexpr double kTickTargetMs = 70;
constexpr double kIdleTargetPercent = 0.05;
constexpr auto kIdleSpan = 5s;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

bool streamOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }

// Waits for the player to close its stream; false if it stays open.
bool waitUntilClosed()
{
    const auto end = Clock::now() + 5s;
    while (streamOpen()) {
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::string tick = (media::installedDataFolder() + "tick.wav").toStdString();
    media::SoundPlayer player;
    if (!player.isOpen()) {
        std::fprintf(stderr, "no sound\n");
        return 1;
    }
    std::fprintf(stderr, "driver %s, tick %s\n", player.driverName().c_str(), tick.c_str());
    const std::string driver = " (" + player.driverName() + ")";

    std::vector<double> syncClosed, syncOpen, asyncClosed, asyncOpen, cycleCpu, closedAfter;
    for (int round = 0; round < kRounds; ++round) {
        if (!waitUntilClosed()) {
            std::fprintf(stderr, "the stream stays open in the silence\n");
            return 1;
        }
        auto start = Clock::now();
        if (!player.playSync(tick)) return 1;
        syncClosed.push_back(msSince(start));
        start = Clock::now();
        player.playSync(tick);
        syncOpen.push_back(msSince(start));

        if (!waitUntilClosed()) return 1;
        const double cpu0 = cpuMs();
        start = Clock::now();
        player.playAsync(tick);
        asyncClosed.push_back(msSince(start));
        const auto played = Clock::now();
        if (!waitUntilClosed()) return 1;
        closedAfter.push_back(msSince(played));
        cycleCpu.push_back(cpuMs() - cpu0);

        player.playAsync(tick);
        start = Clock::now();
        player.playAsync(tick);
        asyncOpen.push_back(msSince(start));
    }

    waitUntilClosed();
    const double idle0 = cpuMs();
    std::this_thread::sleep_for(kIdleSpan);
    const double idlePercent = 100 * (cpuMs() - idle0) / std::chrono::duration<double, std::milli>(kIdleSpan).count();

    bool met = report({"tick playSync after the stream closed, max" + driver, percentile(syncClosed, 100), "ms",
                       Goal::AtMost, kTickTargetMs});
    report({"tick playSync after the stream closed, median" + driver, percentile(syncClosed, 50), "ms"});
    report({"tick playSync on the open stream, median" + driver, percentile(syncOpen, 50), "ms"});
    report({"reopen: playAsync on a closed stream, median" + driver, percentile(asyncClosed, 50), "ms"});
    report({"reopen: playAsync on a closed stream, max" + driver, percentile(asyncClosed, 100), "ms"});
    report({"playAsync on the open stream, median" + driver, percentile(asyncOpen, 50), "ms"});
    report({"stream closed after a tick started, median" + driver, percentile(closedAfter, 50), "ms"});
    report({"CPU of one tick: reopen, play, silence, close" + driver, percentile(cycleCpu, 50), "ms"});
    met &= report({"idle CPU, player with its stream closed" + driver, idlePercent, "% of a core", Goal::AtMost,
                   kIdleTargetPercent});
    return met ? 0 : 1;
}
