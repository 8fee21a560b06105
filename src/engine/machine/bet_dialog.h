// Frmbet's events: the amount buttons, Hold, Ok, the amount field.
#pragma once

#include <string>

namespace ferlow {

enum class BetAmount { Cmd5, Cmd10, Cmd20, Cmd50, Cmd100, Cmdall };

class BetDialogEvents {
public:
    virtual void betAmountClicked(BetAmount amount) = 0;
    virtual void betHoldClicked() = 0;
    virtual void betOkClicked() = 0;
    virtual void betOkKey(int key) = 0;                       // a key pressed while Ok has the focus
    virtual void betTextEdited(const std::string& text) = 0;  // the player changed the amount field
    virtual void betTextKey(int key) = 0;                     // a character typed into the amount field
    virtual void betTextMouseDown() = 0;
    virtual void betFrameClosed() = 0;  // refused: the dialog closes only by Ok

protected:
    ~BetDialogEvents() = default;
};

}  // namespace ferlow
