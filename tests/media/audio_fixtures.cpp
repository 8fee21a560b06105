// Test helpers for sound: WAV writing, raw output reading and analysis.
#include "audio_fixtures.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace ferlow::media::test {
namespace {

void put16(std::ofstream& out, std::uint16_t v)
{
    const char bytes[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

Clip squareClip(std::size_t frames, std::int16_t amplitude, std::size_t halfPeriod)
{
    Clip clip(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        clip[i] = {static_cast<std::int16_t>((i / halfPeriod) % 2 == 0 ? amplitude : -amplitude)};
    }
    return clip;
}

std::chrono::microseconds lengthOf(const Clip& clip)
{
    return std::chrono::microseconds(static_cast<std::int64_t>(clip.size()) * 1'000'000 / kRate);
}

void writeWav(const std::string& path, const Clip& clip)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(clip.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (const Frame& f : clip) put16(out, static_cast<std::uint16_t>(f.sample));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

Clip readRawOutput(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    Clip out;
    unsigned char b[2];
    while (in.read(reinterpret_cast<char*>(b), 2)) out.push_back({static_cast<std::int16_t>(b[0] | (b[1] << 8))});
    return out;
}

std::optional<std::size_t> firstSound(const Clip& out, std::size_t from)
{
    for (std::size_t i = from; i < out.size(); ++i) {
        if (!out[i].silent()) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> lastSound(const Clip& out)
{
    for (std::size_t i = out.size(); i > 0; --i) {
        if (!out[i - 1].silent()) {
            return i - 1;
        }
    }
    return std::nullopt;
}

std::size_t matchingFrames(const Clip& out, std::size_t at, const Clip& clip)
{
    std::size_t n = 0;
    while (n < clip.size() && at + n < out.size() && out[at + n] == clip[n]) {
        ++n;
    }
    return n;
}

bool streamOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }

bool waitUntilStreamClosed(std::chrono::microseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (streamOpen()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

bool waitUntilMixerIdle(std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    // The player closes the stream only once every channel is silent.
    while (streamOpen() && Mix_Playing(-1) != 0) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool waitUntilPlaying(int channels, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (Mix_Playing(-1) < channels) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void stallAudioDevice(bool stalled)
{
    // SDL_mixer does not reveal its device id; it is the one open device.
    for (SDL_AudioDeviceID id = 1; id < 64; ++id) {
        if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) {
            SDL_PauseAudioDevice(id, stalled ? 1 : 0);
            return;
        }
    }
    throw std::runtime_error("no open audio device");
}

ScopedEnv::ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name))
{
    if (const char* old = std::getenv(name_.c_str())) {
        previous_ = old;
    }
    if (value) {
        setenv(name_.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

ScopedEnv::~ScopedEnv()
{
    if (previous_) {
        setenv(name_.c_str(), previous_->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

}  // namespace ferlow::media::test
