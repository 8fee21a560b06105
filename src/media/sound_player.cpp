// SoundPlayer: SDL_mixer setup, the WAV cache, the two playback channels and
// the stream that is open only while sounds play.
#include "media/sound_player.h"

#include "media/media_log.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <atomic>

namespace ferlow::media {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kAsyncChannel = 0;
constexpr int kSyncChannel = 1;
constexpr int kChannelCount = 2;

// The stream takes the sounds as they are made (22,050 frames a second, one
// channel): the mixer then neither resamples nor doubles them, and mixes a
// quarter of what CD quality would ask for every second the stream is open. The
// sound server brings them to the sound card's own rate.
constexpr int kFrequency = 22050;
constexpr int kOutputChannels = 1;
// 512 frames is about 23 ms: a click is still heard at once, and a synchronous
// tick does not hold up the game much longer than its own length.
constexpr int kBufferFrames = 512;

// What the audio thread reports back. Mix_ChannelFinished takes a plain
// function without a context pointer, hence one shared instance; it outlives
// every player so a late callback never touches freed memory.
//
// Lock order: the player's mutex, SDL's audio lock, then `mutex`. The
// callback runs with the audio lock held (on the audio thread, or inside
// Mix_HaltChannel / Mix_PlayChannel on the caller's thread), so no code may
// call into SDL_mixer while holding `mutex`.
struct Notices {
    std::mutex mutex;
    std::condition_variable changed;
    std::array<std::uint64_t, kChannelCount> finished{};
    std::uint64_t stops = 0;
    Clock::time_point lastFinished;
};

Notices& notices()
{
    static Notices instance;
    return instance;
}

void onChannelFinished(int channel)
{
    if (channel < 0 || channel >= kChannelCount) {
        return;
    }
    Notices& n = notices();
    {
        std::lock_guard lock(n.mutex);
        ++n.finished[static_cast<std::size_t>(channel)];
        n.lastFinished = Clock::now();
    }
    n.changed.notify_all();
}

Clock::time_point lastFinished()
{
    Notices& n = notices();
    std::lock_guard lock(n.mutex);
    return n.lastFinished;
}

// SDL_mixer is a single global mixer; only one player may drive it.
std::atomic<bool> mixerTaken{false};

}  // namespace

void SoundPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const noexcept
{
    Mix_FreeChunk(chunk);  // halts any channel still playing it first
}

SoundPlayer::SoundPlayer()
{
    if (mixerTaken.exchange(true)) {
        qCWarning(lcMedia).nospace() << "another SoundPlayer owns the audio device; this one stays silent";
        return;
    }
    ownsMixer_ = true;

    // Otherwise SDL installs its own SIGINT/SIGTERM handlers and the game no
    // longer quits on Ctrl+C or at logout.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");

    if (!startAudio()) {
        const std::string reason = SDL_GetError();
        // Override priority: an SDL_AUDIODRIVER variable naming the driver
        // that just failed would otherwise win over a normal hint.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        const bool silentStarted = startAudio();
        // The next player (tests create several) chooses afresh; this one
        // keeps its driver as long as it keeps SDL's audio running.
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        if (!silentStarted) {
            qCWarning(lcMedia).nospace() << "sound disabled: no audio device (" << reason.c_str()
                                         << ") and no dummy driver (" << SDL_GetError() << ")";
            return;
        }
        qCInfo(lcMedia).nospace() << "no audio device (" << reason.c_str() << "); sounds are timed but silent";
    }

    Mix_QuerySpec(&frequency_, &format_, &channels_);
    bytesPerFrame_ = static_cast<int>(SDL_AUDIO_BITSIZE(format_) / 8) * channels_;
    if (frequency_ <= 0 || bytesPerFrame_ <= 0) {
        // Clip lengths could not be worked out, so synchronous waits could not be bounded.
        qCWarning(lcMedia).nospace() << "sound disabled: unusable output format";
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    if (const char* driver = SDL_GetCurrentAudioDriver()) {
        driver_ = driver;
    }
    setUpStream();
    open_ = true;
    // The stream stays open for the first sounds; the thread closes it after
    // the first silence.
    closer_ = std::thread([this] { closeWhenQuiet(); });
}

bool SoundPlayer::startAudio()
{
    if (SDL_Init(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kBufferFrames) != 0) {
        const std::string reason = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_SetError("%s", reason.c_str());
        return false;
    }
    return true;
}

// Each opening gives SDL_mixer a fresh set of channels.
void SoundPlayer::setUpStream()
{
    Mix_AllocateChannels(kChannelCount);
    Mix_ChannelFinished(&onChannelFinished);
    streamOpen_ = true;
    lastBusy_ = Clock::now();
}

SoundPlayer::~SoundPlayer()
{
    if (open_) {
        {
            std::lock_guard lock(mutex_);
            quitting_ = true;
        }
        wake_.notify_all();
        closer_.join();
        if (streamOpen_) {
            Mix_HaltChannel(-1);
        }
        Mix_ChannelFinished(nullptr);
        chunks_.clear();
        if (streamOpen_) {
            closeStream();
        }
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (ownsMixer_) {
        mixerTaken.store(false);
    }
}

bool SoundPlayer::openStream()
{
    if (streamOpen_) {
        return true;
    }
    // The format of the first opening, exactly: the cached sounds are in it.
    // SDL converts, should the device now want something else.
    if (Mix_OpenAudioDevice(frequency_, format_, channels_, kBufferFrames, nullptr, 0) != 0) {
        if (!reopenFailed_) {
            qCWarning(lcMedia).nospace() << "cannot open the sound output again: " << Mix_GetError();
            reopenFailed_ = true;
        }
        return false;
    }
    reopenFailed_ = false;
    setUpStream();
    wake_.notify_all();
    return true;
}

void SoundPlayer::closeStream()
{
    Mix_CloseAudio();  // ends SDL's audio thread
    streamOpen_ = false;
}

void SoundPlayer::closeWhenQuiet()
{
    std::unique_lock lock(mutex_);
    while (!quitting_) {
        if (!streamOpen_) {
            wake_.wait(lock);
            continue;
        }
        const auto due = std::max(lastBusy_, lastFinished()) + kIdleClose;
        if (Clock::now() < due) {
            wake_.wait_until(lock, due);
            continue;
        }
        if (Mix_Playing(-1) != 0) {
            // A sound longer than the wait, or a device that stopped taking
            // samples: closing would cut it. Look again later.
            lastBusy_ = Clock::now();
            continue;
        }
        closeStream();
    }
}

Mix_Chunk* SoundPlayer::readyChunk(const std::string& path)
{
    // Loading converts to the stream's format, which needs the stream open.
    if (!openStream()) {
        return nullptr;
    }
    if (const auto it = chunks_.find(path); it != chunks_.end()) {
        return it->second.get();
    }
    // Failures are not remembered: a file that appears or is repaired later
    // plays then, and retrying a missing file costs one failed open().
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (chunk == nullptr) {
        if (warned_.insert(path).second) {
            qCWarning(lcMedia).nospace() << "cannot load sound " << path.c_str() << ": " << Mix_GetError();
        }
        return nullptr;
    }
    warned_.erase(path);
    chunks_.emplace(path, ChunkPtr(chunk));
    return chunk;
}

std::chrono::microseconds SoundPlayer::lengthOf(const Mix_Chunk& chunk) const
{
    const std::int64_t frames = chunk.alen / bytesPerFrame_;
    return std::chrono::microseconds(frames * 1'000'000 / frequency_);
}

bool SoundPlayer::playAsync(const std::string& path)
{
    if (!open_) {
        return false;
    }
    std::lock_guard lock(mutex_);
    Mix_Chunk* chunk = readyChunk(path);
    if (chunk == nullptr) {
        return false;
    }
    // Playing on a busy channel halts the old sound and starts the new one
    // under a single hold of the mixer lock, so the new sound follows the
    // old one's last sample without a gap.
    if (Mix_PlayChannel(kAsyncChannel, chunk, 0) < 0) {
        qCWarning(lcMedia).nospace() << "cannot play sound " << path.c_str() << ": " << Mix_GetError();
        return false;
    }
    lastBusy_ = Clock::now();
    return true;
}

bool SoundPlayer::playSync(const std::string& path)
{
    if (!open_) {
        return false;
    }
    std::lock_guard serial(syncMutex_);
    std::unique_lock device(mutex_);
    Mix_Chunk* chunk = readyChunk(path);
    if (chunk == nullptr) {
        return false;
    }

    // A clip left over from a wait that ran out must not be taken for the
    // end of this one; halting it reports its end now, before the snapshot.
    Mix_HaltChannel(kSyncChannel);

    Notices& n = notices();
    std::uint64_t finishedBefore = 0;
    std::uint64_t stopsBefore = 0;
    {
        std::lock_guard lock(n.mutex);
        finishedBefore = n.finished[kSyncChannel];
        stopsBefore = n.stops;
    }

    const auto start = Clock::now();
    if (Mix_PlayChannel(kSyncChannel, chunk, 0) < 0) {
        qCWarning(lcMedia).nospace() << "cannot play sound " << path.c_str() << ": " << Mix_GetError();
        return false;
    }
    lastBusy_ = start;
    device.unlock();
    const auto heard = start + lengthOf(*chunk);
    const auto deadline = heard + kSyncMargin;

    std::unique_lock lock(n.mutex);
    const bool finished =
        n.changed.wait_until(lock, deadline, [&] { return n.finished[kSyncChannel] != finishedBefore; });
    if (!finished) {
        // The device stalled or vanished: give up rather than hang the game.
        lock.unlock();
        device.lock();
        if (streamOpen_) {
            Mix_HaltChannel(kSyncChannel);
        }
        return true;
    }
    // The mixer is done with a clip once its last samples are in the output
    // buffer, a little before they are heard; wait out the clip's length too,
    // unless stopAll cut it short.
    n.changed.wait_until(lock, heard, [&] { return n.stops != stopsBefore; });
    return true;
}

void SoundPlayer::stopAll()
{
    if (!open_) {
        return;
    }
    Notices& n = notices();
    {
        std::lock_guard lock(n.mutex);
        ++n.stops;
    }
    n.changed.notify_all();
    std::lock_guard device(mutex_);
    if (streamOpen_) {
        Mix_HaltChannel(-1);
    }
}

std::string SoundPlayer::driverName() const { return driver_; }

}  // namespace ferlow::media
