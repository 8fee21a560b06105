// Ferlow: a keno machine for the desktop.
#include <QApplication>
#include <QFont>

#include "app/qt_host.h"
#include "engine/machine.h"
#include "media/sound_player.h"
#include "ui/views.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("ferlow");
    QApplication::setApplicationVersion("2.05");
    QApplication::setDesktopFileName("ferlow");
    // The machine decides when the program ends: between the opening window and
    // the main window no window is visible for a moment.
    QApplication::setQuitOnLastWindowClosed(false);
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    QApplication::setFont(font);

    ferlow::media::SoundPlayer sounds;
    ferlow::QtHost host(sounds);
    ferlow::Machine machine(host);
    ferlow::ui::Views views(machine);
    host.setViews(&views);

    views.run([&] { machine.startUp(); });
    if (machine.ended()) return 0;
    return QApplication::exec();
}
