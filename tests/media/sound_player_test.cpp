// The sound player: its output stream is open only while sounds play, the
// synchronous tick stays short when it has to open the stream again, and what
// leaves the mixer (SDL's disk driver writes it to a file) is whole and on time.
#include <SDL_mixer.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <thread>

#include "media/sound_player.h"
#include "wav_writer.h"

namespace ferlow::media::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Clip = std::vector<std::int16_t>;

constexpr int kRate = 22050;  // the game's sounds, which the stream takes as they are
// Room for a loaded machine (sanitizers, two cores shared with builds).
constexpr auto kSlack = 100ms;

// A square wave that is never zero, so that its first frame shows in the output.
Clip square(int milliseconds, std::int16_t amplitude, std::size_t halfPeriod)
{
    Clip clip(std::size_t(kRate * milliseconds / 1000));
    for (std::size_t i = 0; i < clip.size(); ++i) clip[i] = (i / halfPeriod) % 2 ? -amplitude : amplitude;
    return clip;
}
auto lengthOf(const Clip& c) { return 1'000'000us * long(c.size()) / kRate; }

bool streamOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }
bool waitFor(const std::function<bool()>& done, std::chrono::microseconds limit)
{
    for (const auto end = Clock::now() + limit; !done(); std::this_thread::sleep_for(2ms))
        if (Clock::now() > end) return false;
    return true;
}

// The first frame at or after `from` that is not silent, or the output's end.
std::size_t firstSound(const Clip& out, std::size_t from)
{
    while (from < out.size() && out[from] == 0) ++from;
    return from;
}

class SoundPlayerTest : public ::testing::Test {
protected:
    std::string write(const char* name, const Clip& clip)
    {
        const std::vector<std::uint8_t> bytes = ::media::encodeWav(clip, kRate);
        std::ofstream(path(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path(name);
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }

    // Runs `script` on a player with SDL's disk driver and returns what it put
    // out since its stream last opened (the driver starts its file afresh).
    Clip capture(const std::function<void(SoundPlayer&)>& script)
    {
        {
            setenv("SDL_AUDIODRIVER", "disk", 1);
            setenv("SDL_DISKAUDIOFILE", path("out.raw").c_str(), 1);
            SoundPlayer player;
            script(player);
            EXPECT_TRUE(waitFor([] { return !streamOpen() || Mix_Playing(-1) == 0; }, 2s));
        }  // closing the device ends the file
        std::ifstream in(path("out.raw"), std::ios::binary);
        Clip out;
        for (std::int16_t frame; in.read(reinterpret_cast<char*>(&frame), 2);) out.push_back(frame);
        return out;
    }

    QTemporaryDir dir;
    const Clip tick = square(48, 4000, 5);  // as long as the game's tick
    const std::string tickFile = write("tick.wav", tick);
};

// A click may hold the game up about as long as the tick lasts: 70 ms at most,
// also when the tick has to open the stream again. A reopened stream that does
// not play (the tick then waits out its deadline) or a slow reopen fails. Where
// no device opens (an unknown driver, or the disk driver with no file to write)
// SDL's dummy driver stands in: sounds are timed the same, and silent. A missing
// file answers false, so that the game can sound the desktop's alert instead.
TEST_F(SoundPlayerTest, TheTickReturnsPromptlyAfterTheStreamReopens)
{
    // The driver asked for, the file the disk driver writes, the driver that plays.
    const char* const drivers[][3] = {{"dummy", "out.raw", "dummy"},
                                      {"disk", "out.raw", "disk"},
                                      {"no-such-driver", "out.raw", "dummy"},
                                      {"disk", "no/such/folder", "dummy"}};
    for (const auto& [asked, file, plays] : drivers) {
        setenv("SDL_DISKAUDIOFILE", path(file).c_str(), 1);
        setenv("SDL_AUDIODRIVER", asked, 1);
        SoundPlayer player;
        EXPECT_EQ(player.driverName(), plays) << asked << " writing " << file;
        auto best = Clock::duration::max();
        for (int round = 0; round < 3; ++round) {
            ASSERT_TRUE(waitFor([] { return !streamOpen(); }, SoundPlayer::kIdleClose + 2 * kSlack)) << asked;
            const auto start = Clock::now();
            ASSERT_TRUE(player.playSync(tickFile)) << asked;
            const auto took = Clock::now() - start;
            EXPECT_GE(took, lengthOf(tick)) << asked;
            best = std::min(best, took);
        }
        EXPECT_LE(best, 70ms + kSlack / 4) << asked;
        EXPECT_FALSE(player.playAsync(path("missing.wav")));
        EXPECT_FALSE(player.playSync(path("missing.wav")));
    }
}

// A sound opens the closed stream again and comes out from its very first
// frame, within 50 ms, and nothing else: the tick (loaded while the stream was
// open before) and a sound loaded into the reopened stream. The stream closes
// once the sound has ended and a silence has passed, never cutting a sound
// longer than that silence.
TEST_F(SoundPlayerTest, ASoundOpensTheStreamComesOutWholeAndTheStreamClosesAfter)
{
    const Clip longer = square(600, 12000, 50);
    const std::string longerFile = write("long.wav", longer);
    for (const bool sync : {true, false}) {
        const Clip& first = sync ? tick : longer;
        const Clip out = capture([&](SoundPlayer& player) {
            ASSERT_TRUE(player.playSync(tickFile));
            ASSERT_TRUE(waitFor([] { return !streamOpen(); }, SoundPlayer::kIdleClose + 2 * kSlack));
            const auto played = Clock::now();
            ASSERT_TRUE(sync ? player.playSync(tickFile) : player.playAsync(longerFile));
            ASSERT_TRUE(waitFor([] { return !streamOpen(); }, lengthOf(first) + SoundPlayer::kIdleClose + 3 * kSlack));
            EXPECT_GE(Clock::now() - played, lengthOf(first) + SoundPlayer::kIdleClose) << "sync " << sync;
        });
        const std::size_t at = firstSound(out, 0);
        EXPECT_LE(at, std::size_t(kRate / 20)) << "sync " << sync;
        ASSERT_LE(at + first.size(), out.size()) << "sync " << sync;
        EXPECT_TRUE(std::equal(first.begin(), first.end(), out.begin() + long(at))) << "sync " << sync;
        EXPECT_EQ(firstSound(out, at + first.size()), out.size()) << "sync " << sync;
    }
}

// Every sound starts with stopping the ones still playing: stopAll silences
// every channel at once, and a synchronous sound waiting on another thread
// returns.
TEST_F(SoundPlayerTest, StopAllSilencesEveryChannel)
{
    const std::string longer = write("long.wav", square(1000, 8000, 20));
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundPlayer player;
    ASSERT_TRUE(player.playAsync(longer));
    std::thread waiter([&] { EXPECT_TRUE(player.playSync(longer)); });
    EXPECT_TRUE(waitFor([] { return Mix_Playing(-1) == 2; }, 2s));
    const auto stopped = Clock::now();
    player.stopAll();
    EXPECT_EQ(Mix_Playing(-1), 0);
    waiter.join();
    EXPECT_LT(Clock::now() - stopped, kSlack) << "the synchronous sound played on";
}

}  // namespace
}  // namespace ferlow::media::test
