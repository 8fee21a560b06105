// What the game's windows tell the machine. Each window's view holds only the
// events of its own window (the interfaces beside this file, one per window,
// named as the window is) and these, which every window has.
#pragma once

namespace ferlow {

enum class WindowId { Opening, Main, Prize, Stats, HighScores, Bet, Instructions, Help, About };

inline constexpr int kEnterKey = 13;
inline constexpr int kBackspaceKey = 8;

class WindowEvents {
public:
    // One of the game's windows becomes the active window. A message box is not
    // one of them, nor is another program's window.
    virtual void windowActivated(WindowId window) = 0;
    // The player moved a window: where its frame is now, in twips.
    virtual void windowMoved(WindowId window, double left, double top) = 0;

protected:
    ~WindowEvents() = default;
};

}  // namespace ferlow
