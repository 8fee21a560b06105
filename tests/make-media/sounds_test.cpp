// The sounds in the data folder: format, length, level, and clean starts and ends.
#include "wav_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct Expected {
    const char* name;
    double minSeconds;
    double maxSeconds;
    bool onEvent;  // answers a click or a falling ball, so must sound at once
};

const Expected kSounds[] = {
    {"tick.wav", 0.045, 0.050, true}, {"boot.wav", 0.20, 0.25, true}, {"hit.wav", 0.30, 0.40, true},
    {"lost.wav", 0.8, 1.0, false},    {"small.wav", 0.6, 0.8, false}, {"mmm.wav", 1.4, 1.8, false},
    {"ferlow.wav", 1.5, 2.0, false},
};

constexpr int kFullScale = 32767;

std::optional<media_test::Wave> loadWave(const char* name)
{
    QString error;
    auto wave =
        media_test::parseWave(media_test::readFile(QStringLiteral(FERLOW_DATA_DIR "/") + QLatin1String(name)), &error);
    if (!wave) ADD_FAILURE() << name << ": " << error.toStdString();
    return wave;
}

int peakOf(const std::vector<std::int16_t>& s)
{
    int peak = 0;
    for (std::int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak;
}

TEST(Sounds, EachIsMono16BitPcmAt22050Hz)
{
    for (const Expected& e : kSounds) {
        SCOPED_TRACE(e.name);
        const auto wave = loadWave(e.name);
        ASSERT_TRUE(wave);
        EXPECT_EQ(wave->format, 1);
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->sampleRate, 22050u);
        EXPECT_EQ(wave->bitsPerSample, 16);
        EXPECT_EQ(wave->blockAlign, 2);
        EXPECT_EQ(wave->byteRate, 44100u);
    }
}

TEST(Sounds, EachLastsAsLongAsItsMoment)
{
    for (const Expected& e : kSounds) {
        SCOPED_TRACE(e.name);
        const auto wave = loadWave(e.name);
        ASSERT_TRUE(wave);
        EXPECT_GE(wave->seconds(), e.minSeconds);
        EXPECT_LE(wave->seconds(), e.maxSeconds);
    }
}

TEST(Sounds, LevelIsAudibleWithHeadroomAndNoClipping)
{
    const int ceiling = static_cast<int>(kFullScale * std::pow(10.0, -2.9 / 20.0));  // about -3 dBFS
    for (const Expected& e : kSounds) {
        SCOPED_TRACE(e.name);
        const auto wave = loadWave(e.name);
        ASSERT_TRUE(wave);
        const int peak = peakOf(wave->samples);
        EXPECT_LE(peak, ceiling);
        EXPECT_GE(peak, kFullScale / 10) << "nearly silent";
        const auto clipped = std::count_if(wave->samples.begin(), wave->samples.end(),
                                           [](std::int16_t v) { return v >= kFullScale || v <= -kFullScale; });
        EXPECT_EQ(clipped, 0);
    }
}

TEST(Sounds, StartAndEndAtSilenceSoTheyDoNotClick)
{
    for (const Expected& e : kSounds) {
        SCOPED_TRACE(e.name);
        const auto wave = loadWave(e.name);
        ASSERT_TRUE(wave);
        const auto& s = wave->samples;
        ASSERT_GT(s.size(), 100u);
        EXPECT_EQ(s.front(), 0);
        EXPECT_EQ(s.back(), 0);
        // The fades are a few milliseconds long: the first and last few
        // samples stay within 1% of full scale.
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_LE(std::abs(s[i]), kFullScale / 100) << "sample " << i;
            EXPECT_LE(std::abs(s[s.size() - 1 - i]), kFullScale / 100) << "sample -" << i + 1;
        }
    }
}

TEST(Sounds, EventSoundsStrikeAtOnce)
{
    for (const Expected& e : kSounds) {
        if (!e.onEvent) continue;
        SCOPED_TRACE(e.name);
        const auto wave = loadWave(e.name);
        ASSERT_TRUE(wave);
        const int peak = peakOf(wave->samples);
        const auto loud = std::find_if(wave->samples.begin(), wave->samples.end(),
                                       [peak](std::int16_t v) { return std::abs(v) >= peak / 2; });
        const double onset = static_cast<double>(loud - wave->samples.begin()) / wave->sampleRate;
        EXPECT_LT(onset, 0.010) << "half of the peak is reached only after " << onset << " s";
    }
}

}  // namespace
