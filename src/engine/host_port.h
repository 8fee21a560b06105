// Everything the machine needs from the platform, behind one narrow port: the
// clock, letting events run, sounds, message boxes, the high-score store and
// ending the program. The desktop implements it with Qt; tests with a fake.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace ferlow {

enum class PlayMode { Async, Sync };

enum class MessageIcon { Information, Question, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageBox {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultButton = MessageAnswer::Ok;
};

struct StoredHighScore {
    std::int64_t score = 0;
    std::string name;
};
using StoredHighScores = std::array<StoredHighScore, 5>;

// What the high-score store answers a read or a write.
struct HighScoreAnswer {
    StoredHighScores table;  // what the store holds now (after a failed write: nothing)
    bool ok = true;          // false: a write saved nothing
    std::string problem;     // for the player: why a write failed, or what became of a
                             // damaged or unreadable file
};

enum class HighScoreWrite {
    Merge,    // scores another game saved meanwhile are kept beside this game's new ones
    Replace,  // the store gets this table as it is (after the player's reset)
};

struct ScreenSize {
    double widthTwips = 0;
    double heightTwips = 0;
};

class HostPort {
public:
    virtual ~HostPort() = default;

    // Clock: seconds since midnight, whole.
    virtual int secondsSinceMidnight() = 0;
    // Returns once the clock's second differs from `second` (0..59), letting
    // window events run meanwhile. Never spins.
    virtual void waitForSecondChange(int second) = 0;
    // Lets pending window events run once.
    virtual void processEvents() = 0;

    virtual void playSound(const std::string& path, PlayMode mode) = 0;
    virtual void stopSound() = 0;
    virtual void beep() = 0;

    virtual MessageAnswer showMessage(const MessageBox& box) = 0;

    virtual ScreenSize screenSize() = 0;
    virtual std::string currentDirectory() = 0;
    // The folder of pictures and sounds (ends in a separator) for a drive prefix.
    virtual std::string dataFolder(const std::string& drivePrefix) = 0;

    // The high-score store. A read that finds no usable file answers the default
    // table. A write answers the table now stored, which may hold more than was
    // written: the scores another game saved meanwhile.
    virtual HighScoreAnswer readHighScores(const std::string& drivePrefix) = 0;
    virtual HighScoreAnswer writeHighScores(const std::string& drivePrefix, const StoredHighScores& table,
                                            HighScoreWrite how) = 0;

    // Opens the read-me document at `path` with the desktop's viewer, without
    // waiting. `failed` runs, at once or once the viewer has given up, when the
    // document could not be shown.
    virtual void openReadMe(const std::string& path, std::function<void()> failed) = 0;

    // Ends the program once the current handler has unwound.
    virtual void quit() = 0;
};

}  // namespace ferlow
