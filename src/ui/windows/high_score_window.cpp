#include "ui/windows/high_score_window.h"

#include "engine/machine/machine.h"

#include <QApplication>
#include <QKeyEvent>

#include "engine/media_catalog.h"
#include "engine/rules/format.h"
#include "ui/widgets/colors.h"
#include "ui/widgets/decorations.h"
#include "ui/widgets/face_button.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/picture_view.h"
#include "ui/widgets/speech.h"
#include "ui/widgets/twips.h"

namespace ferlow::ui {
namespace {

constexpr int kRowTop = 5, kRowStep = 23, kRowHeight = 21;

// The face tells how the last game went; a screen reader says it in words.
QString faceMood(const PictureBox& face)
{
    static const char* const moods[6] = {"Beaming", "Big smile", "Smiling", "Slight smile", "Straight face", "Sad"};
    const QString file = QString::fromStdString(face.picture.file);
    for (int i = 0; i < 6; ++i)
        if (file.endsWith(QLatin1String(files::kFaces[i]))) return QString::fromLatin1(moods[i]);
    return {};
}

bool isCommand(const QKeyEvent* event)
{
    return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

}  // namespace

NameField::NameField(const QString& objectName, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    // A locked field still shows its name clearly.
    QPalette pal = palette();
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(60, 60, 60));
    setPalette(pal);
}

void NameField::sync(const TextBox& model)
{
    const QString text = QString::fromStdString(model.text);
    if (this->text() != text) setText(text);
    if (model.maxLength > 0 && maxLength() != model.maxLength) setMaxLength(model.maxLength);
    const QString tip = QString::fromStdString(model.tooltip);
    if (toolTip() != tip) setToolTip(tip);
    speakDescription(this, spokenText(model.tooltip));
    setEnabled(model.enabled);
    setVisible(model.visible);
    if (!coloured_ || !(back_ == model.back)) {
        QPalette pal = palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pal.setColor(group, QPalette::Base, toQColor(model.back, QApplication::palette()));
        setPalette(pal);
        back_ = model.back;
        coloured_ = true;
    }
}

void NameField::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown();
    QLineEdit::mousePressEvent(event);
}

void NameField::keyPressEvent(QKeyEvent* event)
{
    int key = 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = kEnterKey;
    else if (event->key() == Qt::Key_Backspace && !isCommand(event))
        key = kBackspaceKey;
    else if (!isCommand(event) && !event->text().isEmpty()) {
        // One typed character, which may lie beyond the 16-bit range.
        const char32_t c = event->text().toUcs4().value(0);
        if (QChar::isPrint(c)) key = static_cast<int>(c);
    }
    if (key == 0 || !filter_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int pass = filter_(key);
    event->accept();
    if (pass == 0) return;
    if (pass == kBackspaceKey) {
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        QLineEdit::keyPressEvent(&backspace);
        return;
    }
    const auto passed = static_cast<char32_t>(pass);
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&passed, 1));
    QLineEdit::keyPressEvent(&typed);
}

Frmhsc::Frmhsc(Machine& machine, Dispatcher& dispatcher)
    : AuxWindow(
          "Frmhsc", WindowId::HighScores, machine, dispatcher, machine.hsc.window, [this] { events_.hscFrameClosed(); },
          [this] { events_.hscBackgroundClicked(); }),
      events_(machine), screen_(machine.hsc), state_(machine.state)
{
    Lblpercent_ = new Panel("Lblpercent", PanelStyle::Flat, this);
    Lblpercent_->setGeometry(0, 0, 372, 16);
    Lblsign_ = new Panel("Lblsign", PanelStyle::Flat, this);
    Lblsign_->setGeometry(0, 16, 372, 17);
    QFont bold = font();
    bold.setBold(true);
    Lblsign_->setFont(bold);
    makeLine("Line7", Qt::Horizontal, this)->setGeometry(4, 33, 364, 3);
    buildRows();
    makeLine("Line8", Qt::Horizontal, this)->setGeometry(4, 164, 364, 3);
    buildBottomRow();
    sync();
}

void Frmhsc::buildRows()
{
    QFrame* frame = makeFrame("SSPanel1", PanelStyle::Raised, this);
    frame->setGeometry(2, 38, 368, 124);
    speakName(frame, "High scores");
    for (int i = 0; i < kHighScorePlaces; ++i) {
        const int place = i + 1;
        const int y = kRowTop + i * kRowStep;
        auto* score = new Panel(QString("Lblhi%1").arg(place), PanelStyle::Inset, frame);
        score->setGeometry(4, y, 150, kRowHeight);
        score->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        score->setIndent(4);
        // The caption runs the score into the place ("250,5001 Highest Score");
        // a screen reader is told the two apart.
        score->setSpeechRule([this, place](const Label& model) {
            const std::int64_t value = state_.highScores[static_cast<std::size_t>(place - 1)];
            return Spoken{QString("Place %1: %2").arg(place).arg(QString::fromStdString(fmt::grouped(value))),
                          spokenText(model.tooltip)};
        });
        auto* percent = new Panel(QString("Lblp%1").arg(place), PanelStyle::Flat, frame);
        percent->setGeometry(157, y, 116, kRowHeight);
        percent->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        percent->setIndent(2);
        auto* name = new NameField(QString("Txtnam%1").arg(place), frame);
        name->setGeometry(276, y, 88, kRowHeight);
        speakName(name, QString("Name, place %1").arg(place));
        name->setFilter([this, place](int key) {
            int pass = 0;
            run([this, place, key, &pass] { pass = events_.hscNameKey(place, key); });
            return pass;
        });
        connect(name, &NameField::mouseDown, this,
                [this, place] { run([this, place] { events_.hscNameClicked(place); }); });
        connect(name, &QLineEdit::textEdited, this, [this, place](const QString& text) {
            run([this, place, t = text.toStdString()] { events_.hscNameEdited(place, t); });
        });
        Lblhi_[static_cast<std::size_t>(i)] = score;
        Lblp_[static_cast<std::size_t>(i)] = percent;
        Txtnam_[static_cast<std::size_t>(i)] = name;
    }
}

void Frmhsc::buildBottomRow()
{
    auto* faceFrame = new ShapeView("Shape1", ShapeView::Kind::Outline, this);
    faceFrame->setGeometry(6, 169, 37, 37);
    // The faces are drawn at the box's size: shown as they are, not rescaled.
    PicFace_ = new PictureView("PicFace", this, false);
    PicFace_->setGeometry(9, 172, 31, 31);  // 465 twips square
    PicFace_->setSpokenName("Face");
    PicFace_->setDescriber(faceMood);
    CmdClose_ = new FaceButton("CmdClose", this);
    CmdClose_->setGeometry(146, 171, 81, 33);
    connect(CmdClose_, &QPushButton::clicked, this, [this] { run([this] { events_.hscCloseClicked(); }); });
    connect(CmdClose_, &FaceButton::enterPressed, this, [this] { run([this] { events_.hscCloseClicked(); }); });
    auto* lossFrame = new ShapeView("Shape2", ShapeView::Kind::Outline, this);
    lossFrame->setGeometry(234, 174, 134, 27);
    LblLoss_ = new Panel("LblLoss", PanelStyle::Flat, this);
    LblLoss_->setGeometry(237, 177, 128, 21);
    LblLoss_->setAutoFillBackground(false);
}

void Frmhsc::sync()
{
    const HighScoreScreen& s = screen_;
    Lblpercent_->sync(s.Lblpercent);
    Lblsign_->sync(s.Lblsign);
    for (std::size_t i = 0; i < kHighScorePlaces; ++i) {
        Lblhi_[i]->sync(s.Lblhi[i]);
        Lblp_[i]->sync(s.Lblp[i]);
        Txtnam_[i]->sync(s.Txtnam[i]);
    }
    PicFace_->sync(s.PicFace);
    CmdClose_->sync(s.CmdClose);
    LblLoss_->sync(s.LblLoss);
    syncWindow();
}

}  // namespace ferlow::ui
