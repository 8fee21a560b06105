#include "ui/windows/instructions_window.h"

#include "engine/machine/machine.h"

#include <QPainter>
#include <chrono>

#include "ui/widgets/face_button.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/twips.h"

namespace ferlow::ui {
namespace {

// The dots fall in a field of 500 x 340 pixels from (1, 1).
constexpr double kDotFieldWidth = 500;
constexpr double kDotFieldHeight = 340;

// Shrinks a word-wrapped label's font, half a point at a time, until its text
// fits the label's height: fonts differ between desktops, the box does not.
void fitText(Panel* label)
{
    QFont f = label->font();
    const double smallest = f.pointSizeF() - 2;
    while (f.pointSizeF() > smallest) {
        const QFontMetrics metrics(f);
        const QRect needed = metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text());
        if (needed.height() <= label->contentsRect().height()) break;
        f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    if (f != label->font()) label->setFont(f);
}

}  // namespace

FrmInsferlow::FrmInsferlow(Machine& machine, Dispatcher& dispatcher)
    : AuxWindow(
          "FrmInsferlow", WindowId::Instructions, machine, dispatcher, machine.instructions.window,
          [this] { events_.instructionsFrameClosed(); }, [this] { events_.instructionsBackgroundClicked(); }),
      events_(machine), screen_(machine.instructions),
      random_(static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()))
{
    Lblins1_ = new Panel("Lblins1", PanelStyle::Flat, this);
    Lblins1_->setGeometry(px(120), px(120), px(7095), px(1755));
    Lblins2_ = new Panel("Lblins2", PanelStyle::Flat, this);
    Lblins2_->setGeometry(px(105), px(1875), px(7095), px(2370));
    for (Panel* label : {Lblins1_, Lblins2_}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setContentsMargins(2, 1, 2, 1);
        passToBackground(label);
    }
    CmdClose_ = new FaceButton("CmdClose", this);
    CmdClose_->setGeometry(205, 288, 81, 33);
    connect(CmdClose_, &QPushButton::clicked, this, [this] { run([this] { events_.instructionsCloseClicked(); }); });
    setAutoFillBackground(false);
    sync();
}

void FrmInsferlow::sync()
{
    const InstructionsScreen& s = screen_;
    const QString before1 = Lblins1_->text(), before2 = Lblins2_->text();
    Lblins1_->sync(s.Lblins1);
    Lblins2_->sync(s.Lblins2);
    if (Lblins1_->text() != before1) fitText(Lblins1_);
    if (Lblins2_->text() != before2) fitText(Lblins2_);
    CmdClose_->sync(s.CmdClose);
    syncWindow();
    syncDots();
}

// Each filling the machine counts scatters its dots over the earlier ones: grey
// first, then white, run by run in the order the machine made them.
void FrmInsferlow::syncDots()
{
    const InstructionsScreen& s = screen_;
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize = size() * ratio;
    // A new window (the machine counts from nought again) or a new pixel ratio
    // starts a fresh background, on which every run is scattered anew.
    const bool restarted = s.greyDotRuns < greyRunsDrawn_ || s.whiteDotRuns < whiteRunsDrawn_;
    if (background_.isNull() || background_.size() != deviceSize || background_.devicePixelRatio() != ratio ||
        restarted) {
        background_ = QImage(deviceSize, QImage::Format_RGB32);
        background_.setDevicePixelRatio(ratio);
        background_.fill(palette().color(QPalette::Window));
        greyRunsDrawn_ = whiteRunsDrawn_ = 0;
    }
    bool drew = false;
    for (;;) {
        if (greyRunsDrawn_ < s.greyDotRuns && greyRunsDrawn_ <= whiteRunsDrawn_) {
            scatter(kGreyDotsPerRun, QColor(128, 128, 128));
            ++greyRunsDrawn_;
        } else if (whiteRunsDrawn_ < s.whiteDotRuns) {
            scatter(kWhiteDotsPerRun, QColor(255, 255, 255));
            ++whiteRunsDrawn_;
        } else if (greyRunsDrawn_ < s.greyDotRuns) {
            scatter(kGreyDotsPerRun, QColor(128, 128, 128));
            ++greyRunsDrawn_;
        } else {
            break;
        }
        drew = true;
    }
    if (drew) update();
}

// The row is drawn before the column for each dot; each dot is one logical pixel.
void FrmInsferlow::scatter(int count, const QColor& colour)
{
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    QPainter p(&background_);
    for (int i = 0; i < count; ++i) {
        const int y = static_cast<int>(fraction(random_) * kDotFieldHeight) + 1;
        const int x = static_cast<int>(fraction(random_) * kDotFieldWidth) + 1;
        p.fillRect(QRectF(x, y, 1, 1), colour);
    }
}

void FrmInsferlow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(QPoint(0, 0), background_);
}

}  // namespace ferlow::ui
