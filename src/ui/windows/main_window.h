// FrmFerlow: the main window: the board of 80 numbers, the status panels, the difficulty
// panel, the hourglass, the logo, the three command buttons and the menu bar.
#pragma once

#include <QMainWindow>
#include <array>
#include <map>

#include "engine/machine/events.h"
#include "engine/machine/main_window.h"
#include "engine/screens/main_window.h"
#include "ui/widgets/window_binding.h"

class QAction;
class QMenu;

namespace ferlow {
class Machine;
}

namespace ferlow::ui {

class BoardCell;
class BoardCursor;
class Dispatcher;
class FaceButton;
class MarkerView;
class Panel;
class PictureView;

class FrmFerlow : public QMainWindow {
    Q_OBJECT
public:
    FrmFerlow(Machine& machine, Dispatcher& dispatcher);

    void sync();
    BoardCursor* boardCursor() const { return cursor_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

private:
    MainWindowEvents& events_;
    WindowEvents& windows_;
    const MainScreen& screen_;

    void buildBoard(QWidget* central);
    void buildSidePanels(QWidget* central);
    void buildButtons(QWidget* central);
    void buildBoardCursor();
    void buildMenus();
    void nameFrames();
    // A press on a number from the keyboard lands where a mouse press in the
    // middle of the number would: on its ball when one is shown and takes
    // presses, else on the number.
    void pressFromKeyboard(int position);

    Dispatcher& dispatch_;
    WindowBinding binding_;

    PictureView* Image1_ = nullptr;
    Panel* Lblname_ = nullptr;
    std::array<BoardCell*, kBoardNumbers> Lbl1_{};
    std::array<MarkerView*, kBoardNumbers> Shp1_{};
    BoardCursor* cursor_ = nullptr;
    Panel *LblHit_ = nullptr, *LblWon_ = nullptr, *LblCred_ = nullptr, *LblBet_ = nullptr;
    Panel *LblhitS_ = nullptr, *LblwonS_ = nullptr, *LblcredS_ = nullptr, *LblbetS_ = nullptr;
    Panel* SSPNum_ = nullptr;
    PictureView* PicShow_ = nullptr;
    FaceButton *Cmdbet_ = nullptr, *CmdPlay_ = nullptr, *Cmdexit_ = nullptr;
    std::array<QAction*, kMenuCount> actions_{};
    std::array<QMenu*, kMenuCount> menus_{};
};

}  // namespace ferlow::ui
