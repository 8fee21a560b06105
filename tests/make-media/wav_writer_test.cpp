// The WAV encoder on tiny buffers: header bytes, sample encoding, conversion.
#include "wav_reader.h"
#include "wav_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

QByteArray asBytes(const std::vector<std::uint8_t>& v)
{
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

TEST(WavWriter, WritesTheCanonicalHeaderLittleEndian)
{
    const std::vector<std::int16_t> pcm{0, 1, -2, 32767, -32768};
    const QByteArray b = asBytes(media::encodeWav(pcm, 22050));

    // The canonical 44-byte PCM header, written out byte by byte.
    const unsigned char header[44] = {'R',  'I',  'F', 'F', 46,  0,   0,   0,   'W', 'A', 'V',  'E',  'f', 'm',
                                      't',  ' ',  16,  0,   0,   0,   1,   0,   1,   0,   0x22, 0x56, 0,   0,  // 22050
                                      0x44, 0xac, 0,   0,  // 44100 bytes a second
                                      2,    0,    16,  0,   'd', 'a', 't', 'a', 10,  0,   0,    0};
    ASSERT_EQ(b.size(), 54);
    EXPECT_EQ(b.left(44), QByteArray(reinterpret_cast<const char*>(header), 44));
    const unsigned char samples[10] = {0, 0, 1, 0, 0xfe, 0xff, 0xff, 0x7f, 0x00, 0x80};
    EXPECT_EQ(b.mid(44), QByteArray(reinterpret_cast<const char*>(samples), 10));
}

TEST(WavWriter, RoundTripsThroughAStrictReader)
{
    const std::vector<std::int16_t> pcm{5, -5, 1000, -32768, 32767, 0, 7};
    QString error;
    const auto wave = media_test::parseWave(asBytes(media::encodeWav(pcm, 8000)), &error);
    ASSERT_TRUE(wave) << error.toStdString();
    EXPECT_EQ(wave->format, 1);
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->sampleRate, 8000u);
    EXPECT_EQ(wave->byteRate, 16000u);
    EXPECT_EQ(wave->blockAlign, 2);
    EXPECT_EQ(wave->bitsPerSample, 16);
    EXPECT_EQ(wave->samples, pcm);
}

TEST(WavWriter, EmptyClipIsStillAValidFile)
{
    QString error;
    const auto wave = media_test::parseWave(asBytes(media::encodeWav({}, 22050)), &error);
    ASSERT_TRUE(wave) << error.toStdString();
    EXPECT_TRUE(wave->samples.empty());
}

TEST(WavWriter, RejectsANonPositiveSampleRate)
{
    const std::vector<std::int16_t> pcm{1, 2};
    EXPECT_THROW(media::encodeWav(pcm, 0), std::invalid_argument);
    EXPECT_THROW(media::encodeWav(pcm, -22050), std::invalid_argument);
}

TEST(WavWriter, ConversionRoundsAndClampsInsteadOfWrapping)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> in{0.0, 1.0, -1.0, 0.5, 1.7, -3.0, nan, 0.4 / 32767.0, 0.6 / 32767.0};
    const std::vector<std::int16_t> out = media::toPcm16(in);
    ASSERT_EQ(out.size(), in.size());
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 32767);
    EXPECT_EQ(out[2], -32767);
    EXPECT_EQ(out[3], 16384);  // 16383.5 rounds away from zero
    EXPECT_EQ(out[4], 32767);  // a wrapping cast would give a large negative value
    EXPECT_EQ(out[5], -32767);
    EXPECT_EQ(out[6], 0);
    EXPECT_EQ(out[7], 0);
    EXPECT_EQ(out[8], 1);
}

}  // namespace
