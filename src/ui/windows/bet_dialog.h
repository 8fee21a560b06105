// Frmbet: the bet dialog: the amount buttons the credit allows, the own-amount field,
// Hold, Ok, the turn label and the turn gauge that fills in red.
#pragma once

#include <QLineEdit>
#include <array>

#include "engine/machine/bet_dialog.h"
#include "engine/screens/bet_dialog.h"
#include "ui/widgets/aux_window.h"

class QLabel;

namespace ferlow {
class Machine;
}

namespace ferlow::ui {

class FaceButton;
class Panel;

// The amount field: reports a mouse press before the press moves the caret, and
// Enter as a key of its own.
class AmountField : public QLineEdit {
    Q_OBJECT
public:
    AmountField(const QString& objectName, QWidget* parent);

signals:
    void mouseDown();
    void enterPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class Frmbet : public AuxWindow {
    Q_OBJECT
public:
    Frmbet(Machine& machine, Dispatcher& dispatcher);

    void sync();

private:
    BetDialogEvents& events_;
    const BetScreen& screen_;

    void buildAmountButtons();
    void syncAmountField();

    std::array<FaceButton*, 6> amountButtons_{};  // 5, 10, 20, 50, 100, All
    FaceButton* Cmdhold_ = nullptr;
    FaceButton* Cmdok_ = nullptr;
    AmountField* Txtfil_ = nullptr;
    Panel* Lblother_ = nullptr;
    Panel* Lblturn_ = nullptr;
    Panel* PnlGauge_ = nullptr;
    QLabel* Fillin_ = nullptr;
};

}  // namespace ferlow::ui
