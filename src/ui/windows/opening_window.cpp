#include "ui/windows/opening_window.h"

#include "engine/machine/machine.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>

#include "ui/dispatcher.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/picture_view.h"
#include "ui/widgets/program_icon.h"
#include "ui/widgets/speech.h"
#include "ui/widgets/twips.h"

namespace ferlow::ui {
std::vector<RibbonRect> openingRibbon()
{
    std::vector<RibbonRect> rects;
    for (int step = 0; step < 53; ++step) {
        const double i = 1 + 1.5 * step;
        rects.push_back({i + 45, 80 - i, i + 210, i - 1, false});
        rects.push_back({i + 46, 80 - i, i + 211, i - 1, true});
    }
    return rects;
}

Ferlowopnscr::Ferlowopnscr(Machine& machine, Dispatcher& dispatcher)
    : events_(machine), windows_(machine), screen_(machine.opening), dispatch_(dispatcher)
{
    setObjectName("Ferlowopnscr");
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(clientSize(kOpeningSize));
    setAutoFillBackground(true);

    const OpeningScreen& s = screen_;
    struct Place {
        const char* name;
        const Label* model;
        QRect rect;
        double points;
        const char* family;
    };
    // Each title is a dark copy with a blue copy a little up and to the left.
    const Place places[] = {
        {"Label1", &s.Label1, {92, 20, 170, 42}, 24, nullptr},
        {"Label2", &s.Label2, {89, 17, 170, 42}, 24, nullptr},
        {"Label3", &s.Label3, {312, 22, 50, 26}, 13.5, nullptr},
        {"Label4", &s.Label4, {310, 20, 50, 26}, 13.5, nullptr},
        {"Label5", &s.Label5, {364, 22, 110, 26}, 13.5, nullptr},
        {"Label6", &s.Label6, {362, 20, 110, 26}, 13.5, nullptr},
        {"Label7", &s.Label7, {302, 62, 180, 32}, 18, nullptr},
        {"Label8", &s.Label8, {300, 60, 180, 32}, 18, nullptr},
        {"Label9", &s.Label9, {100, 168, 290, 22}, 11.25, "Arial"},
        {"Label10", &s.Label10, {16, 186, 130, 18}, 0, nullptr},
    };
    for (const Place& place : places) {
        auto* label = new Panel(place.name, PanelStyle::Flat, this);
        label->setGeometry(place.rect);
        label->setAutoFillBackground(place.model == &s.Label1);
        label->setAttribute(Qt::WA_TranslucentBackground, place.model != &s.Label1);
        QFont f = font();
        if (place.points > 0) {
            f.setBold(true);
            f.setPointSizeF(place.points);
        }
        if (place.family) f.setFamilies({place.family, "Liberation Sans", f.family()});
        label->setFont(f);
        label->setAlignment(place.model == &s.Label10 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        // A click on a title label only beeps.
        connect(label, &Panel::pressed, this, [this, model = place.model] {
            if (model != &screen_.Label10) dispatch_.run([this] { events_.openingLabelClicked(); });
        });
        labels_.emplace_back(label, place.model);
    }
    Picture1_ = new PictureView("Picture1", this, false);
    Picture1_->setGeometry(16, 104, 96, 64);
    Picture1_->setAutoFillBackground(false);
    Picture1_->setSpokenName("Map of Australia");

    CmdPlay_ = new QPushButton(this);
    CmdPlay_->setObjectName("CmdPlay");
    CmdPlay_->setGeometry((width() - 110) / 2, height() - 54, 110, 36);
    CmdPlay_->setDefault(true);
    connect(CmdPlay_, &QPushButton::clicked, this, [this] { dispatch_.run([this] { events_.openingPlayClicked(); }); });

    // The ribbon is drawn once into the window's background and kept there.
    background_ = QPixmap(size() * devicePixelRatioF());
    background_.setDevicePixelRatio(devicePixelRatioF());
    background_.fill(QColor(192, 192, 192));
    QPainter p(&background_);
    for (const RibbonRect& r : openingRibbon()) {
        p.setPen(r.light ? QColor(255, 0, 0) : QColor(128, 0, 0));
        p.drawRect(QRectF(QPointF(std::min(r.x1, r.x2), std::min(r.y1, r.y2)),
                          QPointF(std::max(r.x1, r.x2), std::max(r.y1, r.y2))));
    }
    sync();
}

void Ferlowopnscr::sync()
{
    const OpeningScreen& s = screen_;
    for (auto& [view, model] : labels_) view->sync(*model);
    Picture1_->sync(s.Picture1);
    const QString caption = QString::fromStdString(s.CmdPlay.caption);
    if (CmdPlay_->text() != caption) CmdPlay_->setText(caption);
    speak(CmdPlay_, {spokenCaption(s.CmdPlay.caption), spokenText(s.CmdPlay.tooltip)});
    binding_.apply(*this, s.window);
}

void Ferlowopnscr::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, background_);
}

void Ferlowopnscr::closeEvent(QCloseEvent* event)
{
    event->ignore();
    dispatch_.run([this] { events_.openingClosed(); });
}

void Ferlowopnscr::moveEvent(QMoveEvent* event)
{
    if (const auto at = binding_.moved(*this))
        dispatch_.run([this, at] { windows_.windowMoved(WindowId::Opening, at->first, at->second); });
    QWidget::moveEvent(event);
}

}  // namespace ferlow::ui
