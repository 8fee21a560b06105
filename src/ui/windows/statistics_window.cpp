#include "ui/windows/statistics_window.h"

#include "engine/machine/machine.h"

#include "ui/widgets/colors.h"
#include "ui/widgets/decorations.h"
#include "ui/widgets/face_button.h"
#include "ui/widgets/panel.h"
#include "ui/widgets/speech.h"
#include "ui/widgets/twips.h"

namespace ferlow::ui {
namespace {

// A number's panel reads "17, drawn 3 times", described by the rating its colour
// shows, which a screen reader's user cannot see.
Spoken speakStatsPanel(const Label& panel)
{
    const QString caption = spokenCaption(panel.caption.text());
    const QStringList parts = caption.split(QLatin1Char(','));
    bool isNumber = false, isCount = false;
    Spoken spoken{caption, spokenText(panel.tooltip)};
    if (parts.size() == 2) {
        const int number = parts[0].trimmed().toInt(&isNumber);
        const int count = parts[1].trimmed().toInt(&isCount);
        if (isNumber && isCount)
            spoken.name = count == 1 ? QString("%1, drawn once").arg(number)
                                     : QString("%1, drawn %2 times").arg(number).arg(count);
    }
    if (spoken.description.isEmpty())
        for (const RatingBand& band : ratingBands())
            if (band.colour == panel.back) spoken.description = QString::fromLatin1(band.name);
    return spoken;
}

}  // namespace

FrmStats::FrmStats(Machine& machine, Dispatcher& dispatcher)
    : AuxWindow(
          "FrmStats", WindowId::Stats, machine, dispatcher, machine.stats.window,
          [this] { events_.statsFrameClosed(); }, [this] { events_.statsBackgroundClicked(); }),
      events_(machine), screen_(machine.stats)
{
    // The centre panel is made first so the number panels lie over its edges.
    Pnlcentre_ = new Panel("Pnlcentre", PanelStyle::Inset, this);
    Pnlcentre_->setGeometry(px(kStatsCentrePanelRect));
    for (int n = 1; n <= kBoardNumbers; ++n) {
        auto* panel = new Panel(QString("PnlNum_%1").arg(n), PanelStyle::Raised, this);
        panel->setGeometry(px(statsPanelRect(n)));
        panel->setSpeechRule(speakStatsPanel, true);
        PnlNum_[static_cast<std::size_t>(n)] = panel;
    }

    Pnlcentre_->setSpeechRule(
        [](const Label& model) {
            const QString columns = spokenColumns(model.caption.text());
            return Spoken{columns.isEmpty() ? QString("Draw progress") : columns, spokenText(model.tooltip)};
        },
        true);
    QFrame* footer = makeFrame("SSPanel1", PanelStyle::Raised, this);
    speakName(footer, "Legend");
    footer->setGeometry(0, 190, 374, 72);
    buildLegend(footer);
    CmdClose_ = new FaceButton("CmdClose", footer);
    CmdClose_->setGeometry(284, 20, 81, 33);
    connect(CmdClose_, &QPushButton::clicked, this, [this] { run([this] { events_.statsCloseClicked(); }); });
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
        label->setGeometry(x + 22, y, 96, 14);  // clear of the frame on the right
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setFont(names);
        legendShapes_[static_cast<std::size_t>(i)] = shape;
        legendLabels_[static_cast<std::size_t>(i)] = label;
    }
}

void FrmStats::sync()
{
    const StatsScreen& s = screen_;
    for (int n = 1; n <= kBoardNumbers; ++n)
        PnlNum_[static_cast<std::size_t>(n)]->sync(s.PnlNum[static_cast<std::size_t>(n)]);
    Pnlcentre_->sync(s.Pnlcentre);
    SSPanel2_->sync(s.SSPanel2);
    for (std::size_t i = 0; i < legendLabels_.size(); ++i) {
        legendLabels_[i]->sync(s.legendLabels[i]);
        legendShapes_[i]->setColour(toQColor(s.legendShapes[i], palette()));
        speakName(legendShapes_[i], spokenCaption(s.legendLabels[i].caption.text()) + " colour");
    }
    CmdClose_->sync(s.CmdClose);
    syncWindow();
}

}  // namespace ferlow::ui
