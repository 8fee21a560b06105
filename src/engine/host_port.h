// Everything the machine needs from the platform, behind one narrow port: the
// clock, letting events run, sounds, message boxes, the high-score store and
// ending the program. The desktop implements it with Qt; tests with a fake.
#pragma once

#include <functional>
#include <string>

#include "engine/rules/high_score_table.h"

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

    // Sounds and pictures are files of the game's data folder, named as the
    // media catalogue names them; the host knows where that folder is.
    virtual void playSound(const std::string& name, PlayMode mode) = 0;
    virtual void stopSound() = 0;
    virtual void beep() = 0;

    virtual MessageAnswer showMessage(const MessageBox& box) = 0;

    virtual ScreenSize screenSize() = 0;

    // The high-score store. A read that finds no usable file answers the standard
    // table. A write answers the table now stored, which may hold more than was
    // written: the scores another game saved meanwhile.
    virtual HighScoreAnswer readHighScores() = 0;
    virtual HighScoreAnswer writeHighScores(const StoredHighScores& table, HighScoreWrite how) = 0;

    // Opens the read-me document of the data folder, `name`, with the desktop's
    // viewer, without waiting. `failed` runs, at once or once the viewer has given
    // up, with the document's full path, when it could not be shown.
    virtual void openReadMe(const std::string& name, std::function<void(const std::string& path)> failed) = 0;

    // Ends the program once the current handler has unwound.
    virtual void quit() = 0;
};

}  // namespace ferlow
