// For scale: what the draw's wait would cost if it polled the clock instead of
// sleeping, letting events run between looks, for the length of a draw.
#include <QApplication>
#include <QTime>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <sys/resource.h>

#include "report.h"

namespace {

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
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
    QWidget window;
    window.setWindowTitle("poll");
    window.resize(200, 100);
    window.show();
    QCoreApplication::processEvents();

    const double cpu0 = cpuSeconds();
    const auto wall0 = std::chrono::steady_clock::now();
    for (int i = 0; i < seconds; ++i) {
        const int s = QTime::currentTime().second();
        while (QTime::currentTime().second() == s) QCoreApplication::processEvents();
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    const double cpu = cpuSeconds() - cpu0;
    ferlow::bench::report({"for scale: polling the clock with processEvents()", 100 * cpu / wall, "% of a core"});
    return 0;
}
