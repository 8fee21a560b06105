// Frmhlpkeno: the help window: the help page picture and a Close button.
#pragma once

#include "engine/machine/help_window.h"
#include "engine/screens/help_window.h"
#include "ui/widgets/aux_window.h"

namespace ferlow {
class Machine;
}

namespace ferlow::ui {

class FaceButton;
class PictureView;

class Frmhlpkeno : public AuxWindow {
    Q_OBJECT
public:
    Frmhlpkeno(Machine& machine, Dispatcher& dispatcher);

    void sync();

private:
    HelpWindowEvents& events_;
    const HelpScreen& screen_;

    PictureView* Image1_ = nullptr;
    FaceButton* CmdClose_ = nullptr;
};

}  // namespace ferlow::ui
