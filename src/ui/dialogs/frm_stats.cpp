#include "ui/dialogs/frm_stats.h"

#include "ui/common/colors.h"
#include "ui/common/decorations.h"
#include "ui/common/face_button.h"
#include "ui/common/panel.h"
#include "ui/common/twips.h"

namespace ferlow::ui {
namespace {

constexpr int kRowTops[8] = {45, 360, 675, 990, 1545, 1860, 2175, 2490};

QRect toPixels(const QRect& twipsRect)
{
    return {px(twipsRect.x()), px(twipsRect.y()), px(twipsRect.width()), px(twipsRect.height())};
}

}  // namespace

QRect statsPanelTwips(int number)
{
    const int i = number - 1;
    return {60 + (i % 10) * 540, kRowTops[i / 10], 540, 300};
}

FrmStats::FrmStats(Machine& machine, Dispatcher& dispatcher)
    : AuxWindow("FrmStats", machine, dispatcher, machine.stats.window, &Machine::statsFrameClosed,
                &Machine::statsBackgroundClicked)
{
    // The centre panel is made first so the number panels lie over its edges.
    Pnlcentre_ = new Panel("Pnlcentre", PanelStyle::Inset, this);
    Pnlcentre_->setGeometry(toPixels({0, 1275, 5490, 285}));
    for (int n = 1; n <= kBoardNumbers; ++n) {
        auto* panel = new Panel(QString("PnlNum_%1").arg(n), PanelStyle::Raised, this);
        panel->setGeometry(toPixels(statsPanelTwips(n)));
        PnlNum_[static_cast<std::size_t>(n)] = panel;
    }

    QFrame* footer = makeFrame("SSPanel1", PanelStyle::Raised, this);
    footer->setGeometry(0, 190, 374, 72);
    buildLegend(footer);
    CmdClose_ = new FaceButton("CmdClose", footer);
    CmdClose_->setGeometry(284, 20, 81, 33);
    connect(CmdClose_, &QPushButton::clicked, this, [this] { run(&Machine::statsCloseClicked); });
    sync();
}

// Two columns of three ratings, each name with its colour at its left, under the
// heading the legend panel carries as its caption.
void FrmStats::buildLegend(QWidget* footer)
{
    SSPanel2_ = new Panel("SSPanel2", PanelStyle::Inset, footer);
    SSPanel2_->setGeometry(5, 4, 272, 64);
    SSPanel2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SSPanel2_->setContentsMargins(4, 2, 4, 2);
    QFont heading = SSPanel2_->font();
    heading.setBold(true);
    SSPanel2_->setFont(heading);
    QFont names = heading;
    names.setBold(false);
    for (int i = 0; i < 6; ++i) {
        const int column = i / 3, row = i % 3;
        const int x = 10 + column * 134, y = 19 + row * 14;
        auto* shape = new ShapeView(QString("Shape_%1").arg(i + 1), ShapeView::Kind::Swatch, SSPanel2_);
        shape->setGeometry(x, y + 2, 16, 10);
        auto* label = new Panel(QString("Label%1").arg(i + 1), PanelStyle::Flat, SSPanel2_);
        label->setGeometry(x + 22, y, 104, 14);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setFont(names);
        legendShapes_[static_cast<std::size_t>(i)] = shape;
        legendLabels_[static_cast<std::size_t>(i)] = label;
    }
}

void FrmStats::sync()
{
    const StatsScreen& s = m_.stats;
    for (int n = 1; n <= kBoardNumbers; ++n)
        PnlNum_[static_cast<std::size_t>(n)]->sync(s.PnlNum[static_cast<std::size_t>(n)]);
    Pnlcentre_->sync(s.Pnlcentre);
    SSPanel2_->sync(s.SSPanel2);
    for (std::size_t i = 0; i < legendLabels_.size(); ++i) {
        legendLabels_[i]->sync(s.legendLabels[i]);
        legendShapes_[i]->setColour(toQColor(s.legendShapes[i], palette()));
    }
    CmdClose_->sync(s.CmdClose);
    syncWindow();
}

}  // namespace ferlow::ui
