#include "ui/windows/bet_dialog.h"

#include "engine/machine/machine.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "ui/widgets/decorations.h"
#include "ui/widgets/face_button.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/speech.h"
#include "ui/widgets/twips.h"

namespace ferlow::ui {
namespace {

// The gauge's filled part starts inside the panel's bevel.
constexpr QPoint kFillinOrigin(2, 1);
constexpr int kFillinHeight = 20;

}  // namespace

AmountField::AmountField(const QString& objectName, QWidget* parent) : QLineEdit(parent) { setObjectName(objectName); }

void AmountField::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown();
    QLineEdit::mousePressEvent(event);
}

void AmountField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

Frmbet::Frmbet(Machine& machine, Dispatcher& dispatcher)
    : AuxWindow(
          "Frmbet", WindowId::Bet, machine, dispatcher, machine.betDialog.window, [this] { events_.betFrameClosed(); },
          nullptr),
      events_(machine), screen_(machine.betDialog)
{
    QFrame* buttonFrame = makeFrame("SSPanel1", PanelStyle::Raised, this);
    buttonFrame->setGeometry(px(TwipsRect{60, 75, 4320, 810}));
    speakName(buttonFrame, "Amounts");
    auto* fieldFrame = new ShapeView("Shape1", ShapeView::Kind::Outline, this);
    fieldFrame->setGeometry(px(TwipsRect{60, 930, 4320, 585}));
    buildAmountButtons();

    Lblother_ = new Panel("Lblother", PanelStyle::Flat, this);
    Lblother_->setGeometry(px(465), px(1110), px(735), px(255));
    Lblother_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Txtfil_ = new AmountField("Txtfil", this);
    Txtfil_->setGeometry(px(1230), px(1035), px(1815), px(375));
    Lblother_->setBuddy(Txtfil_);
    connect(Txtfil_, &AmountField::mouseDown, this, [this] { run([this] { events_.betTextMouseDown(); }); });
    connect(Txtfil_, &QLineEdit::textEdited, this,
            [this](const QString& text) { run([this, t = text.toStdString()] { events_.betTextEdited(t); }); });
    connect(Txtfil_, &AmountField::enterPressed, this, [this] { run([this] { events_.betTextKey(kEnterKey); }); });
    Cmdhold_ = new FaceButton("Cmdhold", this);
    Cmdhold_->setGeometry(px(3240), px(1005), px(975), px(495));
    connect(Cmdhold_, &QPushButton::clicked, this, [this] { run([this] { events_.betHoldClicked(); }); });

    Lblturn_ = new Panel("Lblturn", PanelStyle::Flat, this);
    Lblturn_->setGeometry(px(75), px(1740), px(1455), px(255));
    Cmdok_ = new FaceButton("Cmdok", this);
    Cmdok_->setGeometry(px(1575), px(1560), px(1215), px(495));
    connect(Cmdok_, &QPushButton::clicked, this, [this] { run([this] { events_.betOkClicked(); }); });
    connect(Cmdok_, &FaceButton::enterPressed, this, [this] { run([this] { events_.betOkKey(kEnterKey); }); });
    PnlGauge_ = new Panel("PnlGauge", PanelStyle::Inset, this);
    PnlGauge_->setGeometry(px(2925), px(1650), px(kGaugeWidthTwips), px(330));
    PnlGauge_->setSpokenName("Gauge");
    Fillin_ = new QLabel(PnlGauge_);
    Fillin_->setObjectName("Fillin");
    Fillin_->setAutoFillBackground(true);
    QPalette red = Fillin_->palette();
    red.setColor(QPalette::Window, QColor(255, 0, 0));
    Fillin_->setPalette(red);
    Fillin_->setGeometry(QRect(kFillinOrigin, QSize(0, kFillinHeight)));
    Fillin_->setAttribute(Qt::WA_TransparentForMouseEvents);
    speakName(Fillin_, "Gauge fill");

    // The field first: an amount can be typed straight away and Enter accepts it.
    setTabOrder(Txtfil_, Cmdhold_);
    setTabOrder(Cmdhold_, Cmdok_);
    setTabOrder(Cmdok_, amountButtons_[0]);
    for (std::size_t i = 1; i < amountButtons_.size(); ++i) setTabOrder(amountButtons_[i - 1], amountButtons_[i]);
    Txtfil_->setFocus();
    sync();
}

void Frmbet::buildAmountButtons()
{
    struct Place {
        const char* name;
        BetAmount amount;
        int left;
        int height;
    };
    const Place places[] = {
        {"Cmd5", BetAmount::Cmd5, 150, 495},      {"Cmd10", BetAmount::Cmd10, 810, 495},
        {"Cmd20", BetAmount::Cmd20, 1470, 495},   {"Cmd50", BetAmount::Cmd50, 2145, 495},
        {"Cmd100", BetAmount::Cmd100, 2820, 495}, {"Cmdall", BetAmount::Cmdall, 3585, 615},
    };
    for (std::size_t i = 0; i < amountButtons_.size(); ++i) {
        const Place& place = places[i];
        auto* button = new FaceButton(place.name, this);
        button->setGeometry(px(place.left), px(180), px(615), px(place.height));
        connect(button, &QPushButton::clicked, this,
                [this, amount = place.amount] { run([this, amount] { events_.betAmountClicked(amount); }); });
        amountButtons_[i] = button;
    }
}

void Frmbet::sync()
{
    const BetScreen& s = screen_;
    const Button* models[] = {&s.Cmd5, &s.Cmd10, &s.Cmd20, &s.Cmd50, &s.Cmd100, &s.Cmdall};
    for (std::size_t i = 0; i < amountButtons_.size(); ++i) amountButtons_[i]->sync(*models[i]);
    Cmdhold_->sync(s.Cmdhold);
    Cmdok_->sync(s.Cmdok);
    syncAmountField();
    Lblother_->sync(s.Lblother);
    Lblturn_->sync(s.Lblturn);
    PnlGauge_->sync(s.PnlGauge);
    // The filled part never spills out of the gauge.
    const int inner = PnlGauge_->width() - 2 * kFillinOrigin.x();
    const int width = std::clamp(px(s.fillinWidthTwips), 0, inner);
    if (Fillin_->width() != width) Fillin_->resize(width, kFillinHeight);
    const bool showing = !isVisible() && s.window.visible;
    syncWindow();
    // Each turn starts in the amount field, wherever the focus was left last turn.
    if (showing) Txtfil_->setFocus();
}

// The machine may rewrite what was typed (a held amount comes back at once).
// Equal text is left alone so the caret stays where the player put it.
void Frmbet::syncAmountField()
{
    const TextBox& model = screen_.Txtfil;
    const QString text = QString::fromStdString(model.text);
    if (Txtfil_->text() != text) {
        const int caret = Txtfil_->cursorPosition();
        Txtfil_->setText(text);
        Txtfil_->setCursorPosition(std::min<int>(caret, static_cast<int>(text.size())));
    }
    const QString tip = QString::fromStdString(model.tooltip);
    if (Txtfil_->toolTip() != tip) Txtfil_->setToolTip(tip);
    // Named by the label beside it, "Other :", without its colon.
    QString name = spokenCaption(screen_.Lblother.caption.text());
    if (name.endsWith(QLatin1Char(':'))) name = name.chopped(1).trimmed();
    speak(Txtfil_, {name, spokenText(model.tooltip)});
    Txtfil_->setEnabled(model.enabled);
    Txtfil_->setVisible(model.visible);
    if (model.maxLength > 0 && Txtfil_->maxLength() != model.maxLength) Txtfil_->setMaxLength(model.maxLength);
}

}  // namespace ferlow::ui
