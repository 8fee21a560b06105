#include "ui/windows/main_window.h"

#include "engine/machine/machine.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <algorithm>

#include "ui/board/board_cell.h"
#include "ui/board/board_cursor.h"
#include "ui/board/marker_view.h"
#include "ui/dispatcher.h"
#include "ui/widgets/face_button.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/picture_view.h"
#include "ui/widgets/program_icon.h"
#include "ui/widgets/speech.h"
#include "ui/widgets/twips.h"

namespace ferlow::ui {
namespace {

// The side panels and buttons are laid out in pixels below the menu bar; the
// area they share is the window's outer size less its frame and a menu bar of 20
// pixels (the menu bar itself is added above it).
constexpr int kMenuBarHeight = 20;
// The board is laid out in twips, as the machine places its numbers: its frame,
// and the numbers' origin inside it.
constexpr TwipsRect kBoardFrame{90, 90, 4935, 3375};
constexpr int kBoardOrigin = 60;

QString indexed(const char* name, int index) { return QString("%1_%2").arg(name).arg(index); }

QRect onBoard(const TwipsRect& r)
{
    return px(TwipsRect{r.left + kBoardOrigin, r.top + kBoardOrigin, r.width, r.height});
}

}  // namespace

FrmFerlow::FrmFerlow(Machine& machine, Dispatcher& dispatcher)
    : events_(machine), windows_(machine), screen_(machine.main), dispatch_(dispatcher)
{
    setObjectName("FrmFerlow");
    setWindowIcon(programIcon());
    auto* central = new QWidget(this);
    central->setObjectName("FrmFerlowClient");
    const QSize client = clientSize(kMainSize) - QSize(0, kMenuBarHeight);
    central->setFixedSize(client);
    setCentralWidget(central);
    buildBoard(central);
    buildSidePanels(central);
    buildButtons(central);
    buildBoardCursor();
    buildMenus();
    nameFrames();
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
    sync();
}

void FrmFerlow::buildBoard(QWidget* central)
{
    QFrame* frame = makeFrame("SSPanel1", PanelStyle::Inset, central);
    frame->setGeometry(px(kBoardFrame));
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, QColor(kBoardGreen.r, kBoardGreen.g, kBoardGreen.b));
    frame->setPalette(pal);

    QFont numberFont = font();
    numberFont.setBold(true);
    for (int i = 0; i < kBoardNumbers; ++i) {
        auto* label = new BoardCell(indexed("Lbl1", i), i, frame);
        label->setGeometry(onBoard(boardLabelRect(i)));
        // Centred, so a ball over a picked number covers it whole and shows the
        // number itself.
        label->setAlignment(Qt::AlignCenter);
        label->setFont(numberFont);
        connect(label, &Panel::pressed, this, [this, i] {
            cursor_->setCurrent(i);
            dispatch_.run([this, i] { events_.numberPressed(i); });
        });
        // Read as the number and what lies on it: "17, picked".
        label->setSpeechRule([this, i](const Label& model) {
            const QString state = markerStateWord(screen_.Shp1[static_cast<std::size_t>(i)]);
            const QString number = spokenCaption(model.caption.text());
            return Spoken{state.isEmpty() ? number : number + ", " + state, spokenText(model.tooltip)};
        });
        Lbl1_[static_cast<std::size_t>(i)] = label;
    }
    Lblname_ = new Panel("Lblname", PanelStyle::Flat, frame);
    // The band across the gap between numbers 40 and 41.
    Lblname_->setGeometry(onBoard(TwipsRect{0, 1485, 4815, 285}));
    QFont nameFont = font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() + 2);
    Lblname_->setFont(nameFont);
    for (int i = 0; i < kBoardNumbers; ++i) {
        auto* marker = new MarkerView(indexed("Shp1", i), frame);
        marker->setGeometry(onBoard(boardMarkerRect(i)));
        marker->setNumber(i + 1);
        connect(marker, &MarkerView::pressed, this, [this, i] {
            cursor_->setCurrent(i);
            dispatch_.run([this, i] { events_.markerPressed(i); });
        });
        Shp1_[static_cast<std::size_t>(i)] = marker;
    }
}

// Made after the buttons, so it follows them in the tab order and the window's
// first focus stays on the first button that takes it, as it always did; and
// raised over the numbers and balls so its ring is drawn on top of them.
void FrmFerlow::buildBoardCursor()
{
    std::array<QWidget*, kBoardNumbers> cells{};
    std::copy(Lbl1_.begin(), Lbl1_.end(), cells.begin());
    cursor_ = new BoardCursor("BoardCursor", cells, Lbl1_[0]->parentWidget());
    for (BoardCell* cell : Lbl1_) cell->setBoardCursor(cursor_);
    speak(cursor_, {"Numbers", "Arrow keys choose a number; Space or Enter picks it or takes it back."});
    connect(cursor_, &BoardCursor::pressed, this, [this](int position) { pressFromKeyboard(position); });
}

void FrmFerlow::pressFromKeyboard(int position)
{
    const Marker& ball = screen_.Shp1[static_cast<std::size_t>(position)];
    if (ball.visible && ball.enabled)
        dispatch_.run([this, position] { events_.markerPressed(position); });
    else
        dispatch_.run([this, position] { events_.numberPressed(position); });
}

void FrmFerlow::buildSidePanels(QWidget* central)
{
    QFrame* logoFrame = makeFrame("SSPanel10", PanelStyle::Raised, central);
    logoFrame->setGeometry(341, 6, 128, 46);
    Image1_ = new PictureView("Image1", logoFrame);
    Image1_->setGeometry(1, 1, 126, 44);
    Image1_->setSpokenName("Logo");

    QFrame* status = makeFrame("SSPanel2", PanelStyle::Raised, central);
    status->setGeometry(341, 55, 128, 98);
    Panel** panels[] = {&LblHit_, &LblWon_, &LblCred_, &LblBet_};
    const char* names[] = {"LblHit", "LblWon", "LblCred", "LblBet"};
    QFont statusFont = font();
    statusFont.setBold(true);
    for (int i = 0; i < 4; ++i) {
        *panels[i] = new Panel(names[i], PanelStyle::Inset, status);
        (*panels[i])->setGeometry(4, 4 + i * 23, 120, 21);
        (*panels[i])->setFont(statusFont);
    }

    QFrame* turns = makeFrame("SSPanel3", PanelStyle::Raised, central);
    turns->setGeometry(341, 157, 128, 74);
    SSPNum_ = new Panel("SSPNum", PanelStyle::Inset, turns);
    SSPNum_->setGeometry(4, 26, 72, 22);
    SSPNum_->setFont(statusFont);
    PicShow_ = new PictureView("PicShow", turns);
    PicShow_->setGeometry(80, 5, 44, 64);
    PicShow_->setSpokenName("Hourglass");

    QFrame* strip = makeFrame("SSPanel9", PanelStyle::Inset, central);
    strip->setGeometry(6, 280, 463, 16);
    Panel** labels[] = {&LblhitS_, &LblwonS_, &LblcredS_, &LblbetS_};
    const char* labelNames[] = {"LblhitS", "LblwonS", "LblcredS", "LblbetS"};
    for (int i = 0; i < 4; ++i) {
        *labels[i] = new Panel(labelNames[i], PanelStyle::Flat, strip);
        (*labels[i])->setGeometry(1 + i * 115, 1, 115, 14);
    }
}

void FrmFerlow::buildButtons(QWidget* central)
{
    QFrame* frame = makeFrame("SSPanel8", PanelStyle::Raised, central);
    frame->setGeometry(6, 235, 463, 42);
    FaceButton** buttons[] = {&Cmdbet_, &CmdPlay_, &Cmdexit_};
    const char* names[] = {"Cmdbet", "CmdPlay", "Cmdexit"};
    const CommandButton ids[] = {CommandButton::Cmdbet, CommandButton::CmdPlay, CommandButton::Cmdexit};
    for (int i = 0; i < 3; ++i) {
        auto* b = new FaceButton(names[i], frame);
        b->setGeometry(18 + i * 148, 4, 130, 34);
        const CommandButton id = ids[i];
        connect(b, &FaceButton::pressedDown, this,
                [this, id] { dispatch_.run([this, id] { events_.commandDown(id); }); });
        connect(b, &FaceButton::releasedUp, this, [this, id] { dispatch_.run([this, id] { events_.commandUp(id); }); });
        connect(b, &FaceButton::focusGained, this, [this] { dispatch_.run([this] { events_.mainActivated(); }); });
        connect(b, &QPushButton::clicked, this,
                [this, id] { dispatch_.run([this, id] { events_.commandClicked(id); }); });
        *buttons[i] = b;
    }
}

// The plain frames that group the controls, named for screen readers that
// announce the group a control lies in.
void FrmFerlow::nameFrames()
{
    const std::pair<const char*, const char*> frames[] = {
        {"SSPanel1", "Board"}, {"SSPanel10", "Logo panel"}, {"SSPanel2", "Score"},
        {"SSPanel3", "Turns"}, {"SSPanel9", "Summary"},     {"SSPanel8", "Commands"},
    };
    for (const auto& [name, spoken] : frames)
        if (auto* frame = centralWidget()->findChild<QFrame*>(name, Qt::FindDirectChildrenOnly))
            speakName(frame, spoken);
}

void FrmFerlow::buildMenus()
{
    for (std::size_t i = 0; i < kMenuCount; ++i) {
        const MenuItem& item = screen_.menu[i];
        const auto id = static_cast<Menu>(i);
        const QString name = QString::fromLatin1(item.name);
        const QString caption = QString::fromStdString(item.caption);
        QMenu* parent = item.parent == Menu::Count ? nullptr : menus_[static_cast<std::size_t>(item.parent)];
        switch (item.kind) {
        case MenuKind::TopMenu:
        case MenuKind::Submenu: {
            QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menus_[i] = menu;
            actions_[i] = menu->menuAction();
            // Opening a submenu is an event of its own (Quick Pick clears the
            // board before its counts are shown).
            connect(menu, &QMenu::aboutToShow, this,
                    [this, id] { dispatch_.run([this, id] { events_.menuOpened(id); }); });
            break;
        }
        case MenuKind::Separator: {
            QAction* sep = parent->addSeparator();
            sep->setObjectName(name);
            actions_[i] = sep;
            break;
        }
        case MenuKind::Command:
        case MenuKind::CheckItem: {
            QAction* action = parent->addAction(caption);
            action->setObjectName(name);
            action->setCheckable(item.kind == MenuKind::CheckItem);
            if (!item.shortcut.empty()) action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
            connect(action, &QAction::triggered, this,
                    [this, id] { dispatch_.run([this, id] { events_.menuClicked(id); }); });
            actions_[i] = action;
            break;
        }
        }
    }
}

void FrmFerlow::sync()
{
    const MainScreen& s = screen_;
    Image1_->sync(s.Image1);
    Lblname_->sync(s.Lblname);
    for (std::size_t i = 0; i < kBoardNumbers; ++i) {
        Lbl1_[i]->sync(s.Lbl1[i]);
        Shp1_[i]->sync(s.Shp1[i]);
    }
    LblHit_->sync(s.LblHit);
    LblWon_->sync(s.LblWon);
    LblCred_->sync(s.LblCred);
    LblBet_->sync(s.LblBet);
    LblhitS_->sync(s.LblhitS);
    LblwonS_->sync(s.LblwonS);
    LblcredS_->sync(s.LblcredS);
    LblbetS_->sync(s.LblbetS);
    SSPNum_->sync(s.SSPNum);
    PicShow_->sync(s.PicShow);
    Cmdbet_->sync(s.Cmdbet);
    CmdPlay_->sync(s.CmdPlay);
    Cmdexit_->sync(s.Cmdexit);
    for (std::size_t i = 0; i < kMenuCount; ++i) {
        const MenuItem& item = s.menu[i];
        QAction* action = actions_[i];
        action->setEnabled(item.enabled);
        action->setVisible(item.visible);
        if (action->isCheckable()) action->setChecked(item.checked);
    }
    binding_.apply(*this, s.window);
}

void FrmFerlow::closeEvent(QCloseEvent* event)
{
    // The machine decides: closing the main window ends the program.
    event->ignore();
    dispatch_.run([this] { events_.mainClosed(); });
}

void FrmFerlow::moveEvent(QMoveEvent* event)
{
    if (const auto at = binding_.moved(*this))
        dispatch_.run([this, at] { windows_.windowMoved(WindowId::Main, at->first, at->second); });
    QMainWindow::moveEvent(event);
}

bool FrmFerlow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) dispatch_.run([this] { windows_.windowActivated(WindowId::Main); });
    return QMainWindow::event(event);
}

}  // namespace ferlow::ui
