#include "ui/windows/prize_window.h"

#include "engine/machine/machine.h"

#include "ui/widgets/face_button.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/speech.h"
#include "ui/widgets/twips.h"

namespace ferlow::ui {
namespace {

constexpr double kRowLeft = 120, kRowWidth = 2250, kRowStep = 360, kTopRowTop = 165;

}  // namespace

Ferlowprize::Ferlowprize(Machine& machine, Dispatcher& dispatcher)
    : AuxWindow(
          "Ferlowprize", WindowId::Prize, machine, dispatcher, machine.prize.window,
          [this] { events_.prizeFrameClosed(); }, [this] { events_.prizeBackgroundClicked(); }),
      events_(machine), screen_(machine.prize)
{
    // Ten hits at the top. The top row is a little taller; each lower row is made
    // after the one above it and so lies over its bottom edge.
    for (int h = 10; h >= 2; --h) {
        auto* row = new Panel(QString("Lblpri_%1").arg(h), PanelStyle::Raised, this);
        const double height = h == 10 ? 390 : 360;
        row->setGeometry(px(kRowLeft), px(kTopRowTop + (10 - h) * kRowStep), px(kRowWidth), px(height));
        row->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row->setIndent(8);
        QFont f = row->font();
        f.setBold(true);
        row->setFont(f);
        row->setSpeechRule(
            [](const Label& model) {
                return Spoken{spokenColumns(model.caption.text()), spokenText(model.tooltip)};
            },
            true);
        Lblpri_[static_cast<std::size_t>(h)] = row;
    }
    CmdClose_ = new FaceButton("CmdClose", this);
    CmdClose_->setGeometry(px(630), px(3495), px(1215), px(495));
    connect(CmdClose_, &QPushButton::clicked, this, [this] { run([this] { events_.prizeCloseClicked(); }); });
    connect(CmdClose_, &FaceButton::enterPressed, this, [this] { run([this] { events_.prizeCloseKey(kEnterKey); }); });
    sync();
}

void Ferlowprize::sync()
{
    const PrizeScreen& s = screen_;
    for (int h = 2; h <= 10; ++h) Lblpri_[static_cast<std::size_t>(h)]->sync(s.row(h));
    CmdClose_->sync(s.CmdClose);
    const QString tip = QString::fromStdString(s.tooltip);
    if (toolTip() != tip) setToolTip(tip);
    speakDescription(this, spokenText(s.tooltip));
    syncWindow();
}

}  // namespace ferlow::ui
