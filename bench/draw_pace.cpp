// Pace of the draw: how long after its second boundary each ball is painted on
// the board, with the real desktop host, machine and windows in this process.
// A ball is painted when its marker first paints as drawn or as a hit.
#include <QEvent>
#include <QLabel>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "inprocess_game.h"
#include "report.h"
#include "ui/board/marker_view.h"
#include "ui/windows/main_window.h"

namespace {

using namespace ferlow;
using namespace ferlow::bench;

// Notes the moment each marker on the board first paints a drawn or hit ball.
class BallPaints : public QObject {
public:
    explicit BallPaints(QWidget& board)
    {
        for (ui::MarkerView* marker : board.findChildren<ui::MarkerView*>()) marker->installEventFilter(this);
    }
    std::vector<double> shown;  // wallMs() of each ball's first paint, in order

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* marker = static_cast<ui::MarkerView*>(watched);
            const ListImage image = marker->image();
            ListImage& last = painted_[marker];
            if ((image == ListImage::Drawn || image == ListImage::Hit) && last != image) shown.push_back(wallMs());
            last = image;
        }
        return false;
    }

private:
    std::map<ui::MarkerView*, ListImage> painted_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    prepareEnvironment(home);
    QApplication app(argc, argv);
    const int draws = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;

    InProcessGame game;
    game.open();
    BallPaints paints(*game.views().mainWindow());
    std::vector<double> wakeLate, paintLate;
    for (int d = 0; d < draws; ++d) {
        if (d == 0) game.pick({0, 39, 40, 79});
        game.bet("10");
        game.host().wakes.clear();
        paints.shown.clear();
        game.playDraw();
        const auto& wakes = game.host().wakes;
        const std::size_t balls = static_cast<std::size_t>(game.machine().state.ballsPerDraw);
        if (wakes.size() != balls || paints.shown.size() != balls) {
            std::fprintf(stderr, "draw %d: %zu waits ended and %zu balls painted, expected %zu of each\n", d + 1,
                         wakes.size(), paints.shown.size(), balls);
            for (double w : wakes) std::fprintf(stderr, "  wait ended %.0f\n", std::fmod(w, 100000.0));
            for (double p : paints.shown) std::fprintf(stderr, "  painted %.0f\n", std::fmod(p, 100000.0));
            return 1;
        }
        for (std::size_t i = 0; i < balls; ++i) {
            // The boundary the ball waited for is the last one before the wait ended.
            const double boundary = std::floor(wakes[i] / 1000) * 1000;
            wakeLate.push_back(wakes[i] - boundary);
            paintLate.push_back(paints.shown[i] - boundary);
        }
        std::printf("draw %d: balls painted %.1f .. %.1f ms after their seconds; waits ended %.1f .. %.1f ms after\n",
                    d + 1, percentile(paintLate, 1), percentile(paintLate, 100), percentile(wakeLate, 1),
                    percentile(wakeLate, 100));
    }

    const std::string over = " (" + std::to_string(paintLate.size()) + " balls)";
    report({"pace: wait ends after its second, p50" + over, percentile(wakeLate, 50), "ms"});
    report({"pace: wait ends after its second, p99" + over, percentile(wakeLate, 99), "ms"});
    report({"pace: ball painted after its second, p50" + over, percentile(paintLate, 50), "ms"});
    const bool met =
        report({"pace: ball painted after its second, p99" + over, percentile(paintLate, 99), "ms", Goal::AtMost, 20});
    return met ? 0 : 1;
}
