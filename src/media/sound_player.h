// SoundPlayer: the game's sound effects, played through one SDL_mixer output stream.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <unordered_set>

struct Mix_Chunk;

namespace ferlow::media {

// Owns the audio device for the whole run. Only one player can own the
// device at a time (SDL_mixer keeps global state); a second one constructed
// while the first is alive stays closed and silent.
//
// The output stream is open only while sounds play: an open stream has SDL
// mix silence tens of times a second and keeps the sound card and the sound
// server awake. The next sound opens it again (a few milliseconds), and a
// small thread of the player closes it once every channel has been silent for
// kIdleClose. The stream keeps the format of its first opening, which the
// loaded sounds were converted to.
//
// Without a sound card the player falls back to SDL's "dummy" driver, which
// paces playback in real time but outputs nothing, so timing stays the same.
// If no driver opens at all the player is closed: every call returns false
// at once, and the caller plays the desktop's alert instead.
//
// The play and stop calls may come from any thread; the player must outlive them.
class SoundPlayer {
public:
    // Extra time playSync allows beyond a clip's length before giving up.
    static constexpr std::chrono::milliseconds kSyncMargin{250};
    // Silence of every channel after which the output stream closes. Long
    // enough for the last samples to leave the device's buffers; short enough
    // to close between the draw's balls, a second apart.
    static constexpr std::chrono::milliseconds kIdleClose{250};

    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Whether the player can play at all (the stream itself may be closed
    // while all is quiet).
    bool isOpen() const { return open_; }
    // SDL's audio driver in use ("pulseaudio", "alsa", "dummy", ...); empty when closed.
    std::string driverName() const;

    // Starts the WAV file at `path` and returns at once. Asynchronous sounds
    // share one channel: a new one replaces whatever is still playing there.
    // False when the file cannot be loaded, the player is closed or its
    // stream does not open again (the sound server went away).
    bool playAsync(const std::string& path);

    // Plays the WAV file at `path` on its own channel and returns once it has
    // finished, at least the clip's length after the start and never later
    // than the clip's length plus kSyncMargin (a clip the device never
    // finishes is then halted). False (immediately) when the file cannot be
    // loaded, the player is closed or its stream does not open again.
    bool playSync(const std::string& path);

    // Silences every channel; a playSync waiting on another thread returns.
    void stopAll();

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const noexcept;
    };
    using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

    using Clock = std::chrono::steady_clock;

    bool startAudio();
    // These four are called with mutex_ held (or before the closing thread
    // starts, or after it ended).
    void setUpStream();
    bool openStream();
    void closeStream();
    Mix_Chunk* readyChunk(const std::string& path);

    void closeWhenQuiet();  // the closing thread's loop
    std::chrono::microseconds lengthOf(const Mix_Chunk& chunk) const;

    // Set once by the constructor, read-only afterwards.
    bool ownsMixer_ = false;
    bool open_ = false;
    std::string driver_;
    int frequency_ = 0;
    std::uint16_t format_ = 0;
    int channels_ = 0;
    int bytesPerFrame_ = 0;

    // Guards what follows and every call into SDL_mixer, which is not safe
    // while the stream opens or closes on another thread.
    std::mutex mutex_;
    bool streamOpen_ = false;
    bool reopenFailed_ = false;
    Clock::time_point lastBusy_;  // a sound last started or was seen playing
    bool quitting_ = false;
    std::condition_variable wake_;  // the closing thread's
    std::unordered_map<std::string, ChunkPtr> chunks_;
    std::unordered_set<std::string> warned_;

    std::mutex syncMutex_;  // one synchronous sound at a time
    std::thread closer_;
};

}  // namespace ferlow::media
