// Frmhlpkeno: the help window: the help page picture and a Close button.
#pragma once

#include "ui/widgets/aux_window.h"

namespace ferlow::ui {

class FaceButton;
class PictureView;

class Frmhlpkeno : public AuxWindow {
    Q_OBJECT
public:
    Frmhlpkeno(Machine& machine, Dispatcher& dispatcher);

    void sync();

private:
    PictureView* Image1_ = nullptr;
    FaceButton* CmdClose_ = nullptr;
};

}  // namespace ferlow::ui
