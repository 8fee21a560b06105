#include "ui/windows/about_window.h"

#include "engine/machine/machine.h"

#include <QPainter>

#include "ui/widgets/decorations.h"
#include "ui/widgets/face_button.h"
#include "ui/widgets/list_images.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/program_icon.h"
#include "ui/widgets/speech.h"
#include "ui/widgets/twips.h"

namespace ferlow::ui {
namespace {

constexpr int kCycleMilliseconds = 200;

// The program's icon as the window shows it, 32 by 32.
class EmblemView : public QWidget {
public:
    EmblemView(const QString& objectName, QWidget* parent) : QWidget(parent)
    {
        setObjectName(objectName);
        setFixedSize(32, 32);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintProgramIcon(p, QRectF(rect()));
    }
};

}  // namespace

CyclerView::CyclerView(const QString& objectName, QWidget* parent) : QWidget(parent) { setObjectName(objectName); }

void CyclerView::sync(ListImage frame, bool showsFrame)
{
    if (frame == frame_ && showsFrame == showsFrame_) return;
    frame_ = frame;
    showsFrame_ = showsFrame;
    update();
}

void CyclerView::paintEvent(QPaintEvent*)
{
    if (!showsFrame_) return;
    QPainter p(this);
    // Drawn at the screen's pixel ratio, so the facets stay sharp.
    const QPixmap picture = listImage(frame_, devicePixelRatioF());
    const QSize size = listImageSize(frame_);
    p.drawPixmap(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), picture);
}

Frmabtkeno::Frmabtkeno(Machine& machine, Dispatcher& dispatcher)
    : AuxWindow(
          "Frmabtkeno", WindowId::About, machine, dispatcher, machine.about.window,
          [this] { events_.aboutFrameClosed(); }, [this] { events_.aboutBackgroundClicked(); }),
      events_(machine), screen_(machine.about)
{
    auto* emblem = new EmblemView("emblem", this);
    emblem->move(12, 12);
    speakName(emblem, "Logo");

    Label2_ = new Panel("Label2", PanelStyle::Flat, this);
    Label2_->setGeometry(54, 9, 236, 38);
    Label2_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() + 1.5);
    Label2_->setFont(title);
    Label2_->setAutoFillBackground(false);
    passToBackground(Label2_);

    Cmdok_ = new FaceButton("Cmdok", this);
    Cmdok_->setGeometry(297, 12, 81, 33);
    connect(Cmdok_, &QPushButton::clicked, this, [this] { run([this] { events_.aboutOkClicked(); }); });
    connect(Cmdok_, &FaceButton::enterPressed, this, [this] { run([this] { events_.aboutOkClicked(); }); });

    makeLine("Line1", Qt::Horizontal, this)->setGeometry(12, 53, 366, 3);

    SSPanel1_ = new Panel("SSPanel1", PanelStyle::Inset, this);
    SSPanel1_->setGeometry(12, 63, 318, 31);
    SSPanel1_->setSpokenName("Credit");
    Label1_ = new Panel("Label1", PanelStyle::Flat, SSPanel1_);
    Label1_->setGeometry(2, 2, 314, 27);
    passToBackground(Label1_);
    cycler_ = new CyclerView("cycler", this);
    cycler_->setGeometry(345, 62, 33, 33);  // 495 twips square
    speakName(cycler_, "Emblem");

    SSpnlreg_ = new Panel("SSpnlreg", PanelStyle::Raised, this);
    SSpnlreg_->setGeometry(12, 106, 366, 28);

    makeLine("Line3", Qt::Horizontal, this)->setGeometry(12, 146, 366, 3);

    Label5_ = new Panel("Label5", PanelStyle::Flat, this);
    Label5_->setGeometry(12, 156, 366, 44);
    Label5_->setWordWrap(true);
    Label5_->setAutoFillBackground(false);

    cycle_.setInterval(kCycleMilliseconds);
    connect(&cycle_, &QTimer::timeout, this, [this] { run([this] { events_.aboutTimerTick(); }); });
    sync();
}

void Frmabtkeno::sync()
{
    const AboutScreen& s = screen_;
    SSPanel1_->sync(s.SSPanel1);
    Label1_->sync(s.Label1);
    Label2_->sync(s.Label2);
    SSpnlreg_->sync(s.SSpnlreg);
    Label5_->sync(s.Label5);
    Cmdok_->sync(s.Cmdok);
    cycler_->sync(s.cycler, s.cyclerShowsFrame);
    if (s.timerRunning && !cycle_.isActive()) cycle_.start();
    if (!s.timerRunning && cycle_.isActive()) cycle_.stop();
    syncWindow();
}

}  // namespace ferlow::ui
