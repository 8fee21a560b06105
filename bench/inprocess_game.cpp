// The in-process game of the pace and score benchmarks.
#include "inprocess_game.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QTimer>
#include <cstdlib>
#include <stdexcept>

#include "ui/windows/main_window.h"

namespace ferlow::bench {

double wallMs() { return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count(); }

void TimedHost::waitForSecondChange(int second)
{
    QtHost::waitForSecondChange(second);
    wakes.push_back(wallMs());
}

void TimedHost::processEvents()
{
    QtHost::processEvents();
    if (afterEvents) afterEvents();
}

void prepareEnvironment(QTemporaryDir& home)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const QByteArray path = home.path().toLocal8Bit();
    setenv("HOME", path.constData(), 1);
    setenv("XDG_DATA_HOME", (path + "/data").constData(), 1);
    QDir(home.path()).mkdir("runtime");
    QFile::setPermissions(home.path() + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_RUNTIME_DIR", (path + "/runtime").constData(), 1);
}

InProcessGame::InProcessGame() : views_(std::make_unique<ui::Views>(machine_))
{
    // As the program itself starts.
    QApplication::setQuitOnLastWindowClosed(false);
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    QApplication::setFont(font);
    host_.setViews(views_.get());
}

InProcessGame::~InProcessGame() { host_.setViews(nullptr); }

void InProcessGame::open()
{
    run([this] { machine_.startUp(); });
    run([this] { machine_.openingPlayClicked(); });
    QCoreApplication::processEvents();
    if (!views_->mainWindow() || !views_->mainWindow()->isVisible()) throw std::runtime_error("no main window");
}

void InProcessGame::pick(const std::vector<int>& positions)
{
    for (int p : positions) run([&] { machine_.numberPressed(p); });
    if (machine_.state.spots != static_cast<int>(positions.size()))
        throw std::runtime_error("the picks were not taken");
}

void InProcessGame::bet(const std::string& amount)
{
    run([this] { machine_.commandClicked(CommandButton::Cmdbet); });
    run([&] { machine_.betTextEdited(amount); });
    run([this] { machine_.betOkClicked(); });
    QCoreApplication::processEvents();
    if (!machine_.main.CmdPlay.enabled) throw std::runtime_error("the bet of " + amount + " was not taken");
}

void InProcessGame::playDraw()
{
    // A loop of its own: quitting the application's would close every window.
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        run([this] { machine_.commandClicked(CommandButton::CmdPlay); });
        loop.quit();
    });
    loop.exec();
    // Windows paint a few milliseconds after they are told to: let the last
    // ball and the settled turn reach the screen.
    QEventLoop settle;
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();
}

}  // namespace ferlow::bench
