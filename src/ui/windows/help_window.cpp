#include "ui/windows/help_window.h"

#include "engine/machine/machine.h"

#include "engine/help_page.h"

#include "ui/widgets/face_button.h"
#include "ui/widgets/picture_view.h"
#include "ui/widgets/speech.h"
#include "ui/widgets/twips.h"

namespace ferlow::ui {

Frmhlpkeno::Frmhlpkeno(Machine& machine, Dispatcher& dispatcher)
    : AuxWindow(
          "Frmhlpkeno", WindowId::Help, machine, dispatcher, machine.help.window, [this] { events_.helpFrameClosed(); },
          [this] { events_.helpBackgroundClicked(); }),
      events_(machine), screen_(machine.help)
{
    Image1_ = new PictureView("Image1", this);
    Image1_->setGeometry(px(45), px(45), px(7260), px(6015));
    Image1_->setSpokenName("Help page");
    // A screen reader cannot read a picture: it reads the page's words instead.
    Image1_->setDescriber([](const PictureBox&) { return QString::fromStdString(help::spokenText()); });
    passToBackground(Image1_);
    // The picture covers nearly the whole window; Close lies over its lower right
    // corner, which the help page keeps free for it.
    CmdClose_ = new FaceButton("CmdClose", this);
    CmdClose_->setGeometry(px(TwipsRect{6045, 5520, 1215, 495}));
    connect(CmdClose_, &QPushButton::clicked, this, [this] { run([this] { events_.helpCloseClicked(); }); });
    connect(CmdClose_, &FaceButton::enterPressed, this, [this] { run([this] { events_.helpCloseClicked(); }); });
    sync();
}

void Frmhlpkeno::sync()
{
    const HelpScreen& s = screen_;
    Image1_->sync(s.Image1);
    CmdClose_->sync(s.CmdClose);
    syncWindow();
}

}  // namespace ferlow::ui
