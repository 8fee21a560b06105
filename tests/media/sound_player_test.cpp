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
std::chrono::microseconds lengthOf(const Clip& c)
{
    return std::chrono::microseconds(long(c.size()) * 1'000'000 / kRate);
}

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
// Whether `out` holds `clip` whole from frame `at` on.
bool holds(const Clip& out, std::size_t at, const Clip& c)
{
    return at + c.size() <= out.size() && std::equal(c.begin(), c.end(), out.begin() + long(at));
}

// SDL's audio driver for one scope; the tests run on the dummy driver otherwise.
struct Driver {
    explicit Driver(const char* name) { setenv("SDL_AUDIODRIVER", name, 1); }
    ~Driver() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);                    // no sound card, unless a test asks for a driver
        setenv("SDL_DISKAUDIOFILE", path("out.raw").c_str(), 1);  // where the disk driver writes
    }
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
            Driver disk("disk");
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
// not play (the tick then waits out its deadline) or a slow reopen fails.
TEST_F(SoundPlayerTest, TheTickReturnsPromptlyAfterTheStreamReopens)
{
    for (const char* driverName : {"dummy", "disk"}) {
        Driver driver(driverName);
        SoundPlayer player;
        auto best = Clock::duration::max();
        for (int round = 0; round < 3; ++round) {
            ASSERT_TRUE(waitFor([] { return !streamOpen(); }, SoundPlayer::kIdleClose + 2 * kSlack)) << driverName;
            const auto start = Clock::now();
            ASSERT_TRUE(player.playSync(tickFile));
            const auto took = Clock::now() - start;
            EXPECT_GE(took, lengthOf(tick)) << driverName;
            best = std::min(best, took);
        }
        EXPECT_LE(best, 70ms + kSlack / 4) << driverName;
    }
}

// The next sound opens the closed stream again and comes out from its very
// first frame, within 50 ms, and nothing else: the tick (loaded while the stream
// was open before) and a sound loaded into the reopened stream.
TEST_F(SoundPlayerTest, TheFirstSoundAfterAReopenComesOutWholeAndAtOnce)
{
    const Clip tone = square(100, 12000, 50);
    const std::string toneFile = write("tone.wav", tone);
    for (const bool sync : {true, false}) {
        const Clip& first = sync ? tick : tone;
        const Clip out = capture([&](SoundPlayer& player) {
            ASSERT_TRUE(player.playSync(tickFile));
            ASSERT_TRUE(waitFor([] { return !streamOpen(); }, SoundPlayer::kIdleClose + 2 * kSlack));
            ASSERT_TRUE(sync ? player.playSync(tickFile) : player.playAsync(toneFile));
            ASSERT_TRUE(waitFor([] { return !streamOpen(); }, lengthOf(first) + SoundPlayer::kIdleClose + 3 * kSlack));
        });
        const std::size_t at = firstSound(out, 0);
        EXPECT_LE(at, std::size_t(kRate / 20)) << "sync " << sync;
        EXPECT_TRUE(holds(out, at, first)) << "sync " << sync;
        EXPECT_EQ(firstSound(out, at + first.size()), out.size()) << "sync " << sync;
    }
}

// The stream is open only while sounds play: it closes once they have ended
// and a silence has passed, never cutting a sound longer than that silence.
TEST_F(SoundPlayerTest, TheStreamClosesAfterASilenceAndNeverCutsASound)
{
    const Clip longer = square(600, 8000, 20);
    const std::string longerFile = write("long.wav", longer);
    const Clip out = capture([&](SoundPlayer& player) {
        ASSERT_TRUE(player.playAsync(longerFile));
        const auto played = Clock::now();
        ASSERT_TRUE(waitFor([] { return !streamOpen(); }, lengthOf(longer) + SoundPlayer::kIdleClose + 3 * kSlack));
        EXPECT_GE(Clock::now() - played, lengthOf(longer) + SoundPlayer::kIdleClose);
    });
    EXPECT_TRUE(holds(out, firstSound(out, 0), longer));
}

TEST_F(SoundPlayerTest, StopAllSilencesEveryChannel)
{
    const std::string a = write("a.wav", square(1000, 8000, 20)), b = write("b.wav", square(2000, 6000, 30));
    const Clip out = capture([&](SoundPlayer& player) {
        ASSERT_TRUE(player.playAsync(a));
        std::thread waiter([&] { EXPECT_TRUE(player.playSync(b)); });
        EXPECT_TRUE(waitFor([] { return Mix_Playing(-1) == 2; }, 2s));
        std::this_thread::sleep_for(30ms);  // both are mixed for a while
        player.stopAll();
        waiter.join();
        std::this_thread::sleep_for(60ms);
    });
    EXPECT_NE(std::find(out.begin(), out.end(), 8000 + 6000), out.end()) << "never both at once";
    const auto silence =
        std::size_t(std::find_if(out.rbegin(), out.rend(), [](auto s) { return s != 0; }) - out.rbegin());
    EXPECT_GE(silence, std::size_t(kRate / 25)) << "no silence after stopAll";
    EXPECT_LT(out.size() - silence - firstSound(out, 0), std::size_t(kRate)) << "a sound went on";
}

TEST_F(SoundPlayerTest, AMissingFileAnswersFalse)
{
    SoundPlayer player;
    EXPECT_FALSE(player.playAsync(path("missing.wav")));
    EXPECT_FALSE(player.playSync(path("missing.wav")));
}

// Where no device opens, the player falls back to SDL's dummy driver: sounds
// are timed the same, and silent.
TEST_F(SoundPlayerTest, WithoutADeviceTheDummyDriverStandsIn)
{
    for (const char* driverName : {"no-such-driver", "disk"}) {
        // The disk driver starts, but its output file cannot be created.
        setenv("SDL_DISKAUDIOFILE", path("no/such/folder").c_str(), 1);
        Driver driver(driverName);
        SoundPlayer player;
        ASSERT_TRUE(player.isOpen()) << driverName;
        EXPECT_EQ(player.driverName(), "dummy");
        const auto start = Clock::now();
        EXPECT_TRUE(player.playSync(tickFile));
        EXPECT_GE(Clock::now() - start, lengthOf(tick));
    }
}

}  // namespace
}  // namespace ferlow::media::test
