// What actually leaves the mixer, captured with SDL's disk driver: order, wholeness, cuts,
// and the stream's closing and reopening around silences.
#include "audio_fixtures.h"
#include "media/sound_player.h"

#include <SDL_mixer.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace ferlow::media::test {
namespace {

using namespace std::chrono_literals;

class MixerOutputTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }

    // Plays `script` on a disk-driver player and returns everything it output
    // since the stream last opened (the disk driver starts its file afresh).
    template <typename Script>
    Clip capture(Script script)
    {
        const std::string raw = path("out.raw");
        {
            ScopedEnv driver("SDL_AUDIODRIVER", "disk");
            ScopedEnv output("SDL_DISKAUDIOFILE", raw);
            SoundPlayer player;
            EXPECT_EQ(player.driverName(), "disk");
            int frequency = 0;
            Uint16 format = 0;
            int channels = 0;
            EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
            // The raw file is in the opened format; the analysis reads it as such.
            EXPECT_EQ(frequency, kRate);
            EXPECT_EQ(format, AUDIO_S16LSB);
            EXPECT_EQ(channels, 1);
            script(player);
            EXPECT_TRUE(waitUntilMixerIdle(2s));
        }  // closing the device flushes the file
        return readRawOutput(raw);
    }

    QTemporaryDir dir_;
};

TEST_F(MixerOutputTest, SyncTickThenReplacedAsyncSoundComeOutWholeAndInOrder)
{
    const Clip tick = squareClip(kRate / 20, 4000, 5);  // 50 ms
    const Clip a = squareClip(kRate, 8000, 20);         // 1 s, cut short
    const Clip b = squareClip(kRate / 10, 12000, 50);   // 100 ms
    writeWav(path("tick.wav"), tick);
    writeWav(path("a.wav"), a);
    writeWav(path("b.wav"), b);

    const Clip out = capture([&](SoundPlayer& player) {
        ASSERT_TRUE(player.playSync(path("tick.wav")));
        ASSERT_TRUE(player.playAsync(path("a.wav")));
        std::this_thread::sleep_for(60ms);
        ASSERT_TRUE(player.playAsync(path("b.wav")));
    });

    const auto tickAt = firstSound(out, 0);
    ASSERT_TRUE(tickAt);
    EXPECT_EQ(matchingFrames(out, *tickAt, tick), tick.size()) << "the tick is not whole";

    const auto aAt = firstSound(out, *tickAt + tick.size());
    ASSERT_TRUE(aAt) << "nothing after the tick";
    const std::size_t aPlayed = matchingFrames(out, *aAt, a);
    EXPECT_GT(aPlayed, 0u);
    EXPECT_LT(aPlayed, a.size()) << "A was not cut";

    // B starts on the very frame after A's last one: no gap, no overlap.
    const std::size_t bAt = *aAt + aPlayed;
    EXPECT_EQ(matchingFrames(out, bAt, b), b.size()) << "B is not whole right after A";
    EXPECT_FALSE(firstSound(out, bAt + b.size())) << "sound after B";

    std::printf("    output: tick at %.1f ms, A %.1f ms after the tick's end, A played %.1f ms\n",
                *tickAt * 1000.0 / kRate, (*aAt - *tickAt - tick.size()) * 1000.0 / kRate, aPlayed * 1000.0 / kRate);
}

TEST_F(MixerOutputTest, StopAllSilencesEveryChannel)
{
    const Clip a = squareClip(kRate, 8000, 20);      // 1 s
    const Clip c = squareClip(kRate * 2, 6000, 30);  // 2 s
    writeWav(path("a.wav"), a);
    writeWav(path("c.wav"), c);

    const Clip out = capture([&](SoundPlayer& player) {
        ASSERT_TRUE(player.playAsync(path("a.wav")));
        std::thread waiter([&] { EXPECT_TRUE(player.playSync(path("c.wav"))); });
        EXPECT_TRUE(waitUntilPlaying(2, 2s));
        std::this_thread::sleep_for(30ms);  // let both be mixed for a while
        player.stopAll();
        waiter.join();
        std::this_thread::sleep_for(60ms);
    });

    const auto first = firstSound(out, 0);
    const auto last = lastSound(out);
    ASSERT_TRUE(first && last);
    // Both clips sounded together (they sum), and both stopped well before their ends.
    EXPECT_NE(std::find(out.begin(), out.end(), Frame{8000 + 6000}), out.end());
    EXPECT_LT(*last - *first, a.size());
    EXPECT_GE(out.size() - *last, static_cast<std::size_t>(kRate / 25)) << "no silence after stopAll";
}

TEST_F(MixerOutputTest, ClosingInTheSilenceNeverCutsASound)
{
    const Clip a = squareClip(kRate * 6 / 10, 8000, 20);  // 600 ms, longer than the idle wait
    writeWav(path("a.wav"), a);

    const Clip out = capture([&](SoundPlayer& player) {
        ASSERT_TRUE(player.playAsync(path("a.wav")));
        ASSERT_TRUE(waitUntilStreamClosed(lengthOf(a) + SoundPlayer::kIdleClose + 3 * kSchedulingSlack));
    });

    const auto aAt = firstSound(out, 0);
    ASSERT_TRUE(aAt);
    EXPECT_EQ(matchingFrames(out, *aAt, a), a.size()) << "A was cut";
    // The stream closed only after its samples had been silence for a while.
    const std::size_t silenceAfter = out.size() - (*aAt + a.size());
    EXPECT_GE(silenceAfter, static_cast<std::size_t>(kRate * SoundPlayer::kIdleClose.count() / 1000 / 2));
}

TEST_F(MixerOutputTest, TheFirstSoundAfterAReopenComesOutWholeAndAtOnce)
{
    const Clip tick = squareClip(kRate / 20, 4000, 5);  // 50 ms
    const Clip b = squareClip(kRate / 10, 12000, 50);   // 100 ms
    writeWav(path("tick.wav"), tick);
    writeWav(path("b.wav"), b);

    // The tick was loaded while the stream was open before; B is loaded into the reopened one.
    for (const bool sync : {true, false}) {
        const Clip& first = sync ? tick : b;
        const Clip out = capture([&](SoundPlayer& player) {
            ASSERT_TRUE(player.playSync(path("tick.wav")));
            ASSERT_TRUE(waitUntilStreamClosed(SoundPlayer::kIdleClose + 2 * kSchedulingSlack));
            ASSERT_TRUE(sync ? player.playSync(path("tick.wav")) : player.playAsync(path("b.wav")));
            ASSERT_TRUE(waitUntilStreamClosed(lengthOf(first) + SoundPlayer::kIdleClose + 3 * kSchedulingSlack));
        });

        // The file holds the reopened stream only: the sound from its very first
        // frame, within 50 ms of the start, and nothing else.
        const auto at = firstSound(out, 0);
        ASSERT_TRUE(at) << "sync " << sync;
        EXPECT_LE(*at, static_cast<std::size_t>(kRate / 20)) << "started late, sync " << sync;
        EXPECT_EQ(matchingFrames(out, *at, first), first.size()) << "sync " << sync;
        EXPECT_FALSE(firstSound(out, *at + first.size())) << "sync " << sync;
    }
}

}  // namespace
}  // namespace ferlow::media::test
