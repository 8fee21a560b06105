// The slow score style counting a prize of 20,000 credits: Easy, ten picks that
// all come up, a bet of 100. How long the count takes, how many of its values
// the credit panel held and painted, and what it does to the balls' pace.
#include <QEvent>
#include <QLabel>
#include <algorithm>
#include <cstdio>
#include <set>
#include <sys/resource.h>

#include "inprocess_game.h"
#include "report.h"
#include "support/game_driver.h"
#include "ui/windows/main_window.h"

namespace {

using namespace ferlow;
using namespace ferlow::bench;

class CreditPaints : public QObject {
public:
    explicit CreditPaints(QLabel& label) : label_(label), before_(label.text()) { label.installEventFilter(this); }
    std::set<QString> texts;    // every credit painted during the draw
    std::vector<double> times;  // wallMs() of each new credit painted
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            const QString text = label_.text();
            if (text != before_ && texts.insert(text).second) times.push_back(wallMs());
        }
        return false;
    }

private:
    QLabel& label_;
    const QString before_;  // the credit before the draw
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    prepareEnvironment(home);
    QApplication app(argc, argv);

    InProcessGame game;
    game.open();
    Machine& m = game.machine();
    // A credit that covers a bet of 100, as after a few good turns.
    // (Ok shows it on the credit panels.)
    game.run([&] { m.state.credit = 100; });
    game.pick(test::picksForHits(m, 10, 10));
    game.bet("100");
    const double creditBefore = m.state.credit;

    auto* label = game.views().mainWindow()->findChild<QLabel*>("LblCred");
    if (!label) {
        std::fprintf(stderr, "no LblCred panel\n");
        return 1;
    }
    CreditPaints painted(*label);
    std::set<QString> held;  // what the panel held after each pass of events
    long passes = 0;
    game.host().afterEvents = [&] {
        ++passes;
        held.insert(label->text());
    };
    game.host().wakes.clear();
    const double start = wallMs();
    const double cpu0 = cpuSeconds();
    game.playDraw();
    const double cpu = cpuSeconds() - cpu0;
    const double end = wallMs();
    game.host().afterEvents = nullptr;

    const double won = m.state.credit - creditBefore;
    const auto& wakes = game.host().wakes;
    std::printf("credit %.0f -> %.0f over a draw of %zu balls; %ld passes of events, %ld paints of the credit panel\n",
                creditBefore, m.state.credit, wakes.size(), passes, painted.paints);
    std::printf("balls fell at (s after Play):");
    for (double w : wakes) std::printf(" %.1f", (w - start) / 1000);
    std::printf("\n");
    if (won != 20000 || wakes.size() != 20) {
        std::fprintf(stderr, "expected a win of 20,000 over 20 balls\n");
        return 1;
    }
    // The count runs in bursts, one after each hit from the second on; between
    // them the draw waits for its next ball.
    double counting = 0, longest = 0, burstStart = painted.times.front();
    int bursts = 1;
    for (std::size_t i = 1; i <= painted.times.size(); ++i) {
        if (i < painted.times.size() && painted.times[i] - painted.times[i - 1] < 100) continue;
        const double burst = painted.times[i - 1] - burstStart;
        counting += burst;
        longest = std::max(longest, burst);
        if (i < painted.times.size()) {
            burstStart = painted.times[i];
            ++bursts;
        }
    }
    report({"slow count of 20,000: time the credit was counting (" + std::to_string(bursts) + " bursts)",
            counting / 1000, "s"});
    report({"slow count of 20,000: longest burst, after one ball", longest / 1000, "s"});
    report({"slow count of 20,000: processor time of the whole draw", cpu, "s"});
    report({"slow count of 20,000: distinct credits painted", static_cast<double>(painted.texts.size()), "values"});
    report({"slow count of 20,000: distinct credits the panel held", static_cast<double>(held.size()), "values"});
    report({"slow count of 20,000: the draw took (20 balls, nominal 20 s)", (end - start) / 1000, "s"});
    return 0;
}
