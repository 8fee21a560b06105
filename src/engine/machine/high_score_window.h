// Frmhsc's events: the name fields, Close and the close box.
#pragma once

#include <string>

namespace ferlow {

class HighScoreWindowEvents {
public:
    // The character that reaches a name field for a typed one: letters and
    // Backspace pass, Enter ends the entry (answers 0), anything else becomes 'n'.
    virtual int hscNameKey(int place, int key) = 0;
    virtual void hscNameClicked(int place) = 0;
    virtual void hscNameEdited(int place, const std::string& text) = 0;  // typed, deleted or pasted
    virtual void hscCloseClicked() = 0;
    virtual void hscFrameClosed() = 0;  // acts as Close
    virtual void hscBackgroundClicked() = 0;

protected:
    ~HighScoreWindowEvents() = default;
};

}  // namespace ferlow
