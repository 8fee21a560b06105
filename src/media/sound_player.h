// SoundPlayer: the game's sound effects, played through one SDL_mixer output stream.
#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>

struct Mix_Chunk;

namespace ferlow::media {

// Owns the audio device for the whole run. Only one player can own the
// device at a time (SDL_mixer keeps global state); a second one constructed
// while the first is alive stays closed and silent.
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

    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    bool isOpen() const { return open_; }
    // SDL's audio driver in use ("pulseaudio", "alsa", "dummy", ...); empty when closed.
    std::string driverName() const;

    // Starts the WAV file at `path` and returns at once. Asynchronous sounds
    // share one channel: a new one replaces whatever is still playing there.
    // False when the file cannot be loaded or the player is closed.
    bool playAsync(const std::string& path);

    // Plays the WAV file at `path` on its own channel and returns once it has
    // finished, at least the clip's length after the start and never later
    // than the clip's length plus kSyncMargin (a clip the device never
    // finishes is then halted). False (immediately) when the file cannot be
    // loaded or the player is closed.
    bool playSync(const std::string& path);

    // Silences every channel; a playSync waiting on another thread returns.
    void stopAll();

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const noexcept;
    };
    using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

    bool startAudio();
    Mix_Chunk* chunkFor(const std::string& path);
    std::chrono::microseconds lengthOf(const Mix_Chunk& chunk) const;

    // Set once by the constructor, read-only afterwards.
    bool ownsMixer_ = false;
    bool open_ = false;
    std::string driver_;
    int frequency_ = 0;
    int bytesPerFrame_ = 0;

    std::mutex cacheMutex_;  // guards chunks_ and warned_
    std::unordered_map<std::string, ChunkPtr> chunks_;
    std::unordered_set<std::string> warned_;

    std::mutex syncMutex_;  // one synchronous sound at a time
};

}  // namespace ferlow::media
