// Ferlow: a keno machine for the desktop. Start-up, and the command line that
// answers --help and --version before any window system is touched.
#include <QApplication>
#include <QFont>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/qt_host.h"
#include "engine/machine/machine.h"
#include "engine/version.h"
#include "media/sound_player.h"
#include "storage/high_score_path.h"
#include "ui/views.h"

namespace {

// Exit status for a command line the program does not understand.
constexpr int kUsageError = 2;

enum class Request { Play, Help, Version, Error };

struct CommandLine {
    Request request = Request::Play;
    std::string error;
};

// QApplication takes its own options out of argv (Qt accepts them with one or
// two dashes); they must not be refused here as unknown.
enum class QtOption { None, Flag, WithValue };

QtOption qtOption(std::string_view arg)
{
    static constexpr std::string_view withValue[] = {"platform",
                                                     "platformpluginpath",
                                                     "platformtheme",
                                                     "plugin",
                                                     "qwindowgeometry",
                                                     "qwindowicon",
                                                     "qwindowtitle",
                                                     "session",
                                                     "display",
                                                     "geometry",
                                                     "title",
                                                     "icon",
                                                     "name",
                                                     "visual",
                                                     "style",
                                                     "stylesheet"};
    static constexpr std::string_view flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
    static constexpr std::string_view joined[] = {"qmljsdebugger=", "style=", "stylesheet="};

    if (arg.starts_with("--")) arg.remove_prefix(1);
    if (!arg.starts_with('-')) return QtOption::None;
    arg.remove_prefix(1);
    for (std::string_view name : withValue)
        if (arg == name) return QtOption::WithValue;
    for (std::string_view name : flags)
        if (arg == name) return QtOption::Flag;
    for (std::string_view prefix : joined)
        if (arg.starts_with(prefix)) return QtOption::Flag;
    return QtOption::None;
}

CommandLine parseCommandLine(int argc, char* argv[])
{
    CommandLine result;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            if (result.request == Request::Play) result.request = Request::Help;
        } else if (arg == "-v" || arg == "--version") {
            if (result.request == Request::Play) result.request = Request::Version;
        } else if (const QtOption qt = qtOption(arg); qt != QtOption::None) {
            if (qt == QtOption::WithValue) ++i;
        } else {
            // A mistyped option must not start a game the player did not ask
            // for, nor be hidden by a --help before it.
            result.request = Request::Error;
            result.error = arg.starts_with('-') && arg.size() > 1 ? "unknown option '" : "unexpected argument '";
            result.error.append(arg).append("'");
            return result;
        }
    }
    return result;
}

// Where this player's high scores are kept, by the rule the game itself uses.
std::string highScoreSentence()
{
    const char* xdgDataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const ferlow::storage::Environment env{xdgDataHome ? xdgDataHome : "", home ? home : "", {}};
    const auto path = ferlow::storage::highScoreFilePath(ferlow::storage::Platform::Linux, env);
    if (path.empty()) return "The high scores are not saved: " + ferlow::storage::whyNoHighScorePath(env) + ".\n";
    return "The high scores are kept in\n  " + path.string() +
           "\n($XDG_DATA_HOME/ferlow/ferlow.ini, or ~/.local/share/ferlow/ferlow.ini when\n"
           "XDG_DATA_HOME is not set).\n";
}

std::string usage()
{
    return "Usage: ferlow [--help] [--version]\n"
           "\n"
           "Ferlow is a keno machine: pick 4 to 10 of the 80 numbers, place a bet, and\n"
           "watch the balls fall. A game is 30 credits and 20 turns; a good final credit\n"
           "enters the five high scores.\n"
           "\n"
           "Options:\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n"
           "Qt's own options, such as -style NAME or -display DISPLAY, are passed to Qt.\n"
           "\n" +
           highScoreSentence();
}

// A --help piped into a full disk or a closed pipe must not claim success.
int finishOutput(std::FILE* stream)
{
    if (std::fflush(stream) != 0 || std::ferror(stream)) {
        std::perror("ferlow: cannot write the output");
        return 1;
    }
    return 0;
}

// Qt ends the program with abort() when the window system cannot be reached (no
// DISPLAY, or one that no server answers): a core dump and advice to reinstall.
// While the application starts, its messages are held back; should the start
// fail, the player gets one line saying what is wrong and what to do instead.
class WindowSystemStart {
public:
    WindowSystemStart() { previous_ = qInstallMessageHandler(&WindowSystemStart::hold); }
    ~WindowSystemStart()
    {
        qInstallMessageHandler(previous_);
        for (const QString& line : held()) std::fprintf(stderr, "%s\n", qPrintable(line));
        held().clear();
    }

private:
    static std::vector<QString>& held()
    {
        static std::vector<QString> lines;
        return lines;
    }
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type != QtFatalMsg) {
            held().push_back(qFormatLogMessage(type, context, message));
            return;
        }
        const char* display = std::getenv("DISPLAY");
        const std::string where =
            display && *display ? std::string("none answers at DISPLAY=") + display : std::string("DISPLAY is not set");
        std::fprintf(stderr,
                     "ferlow: there is no display to show the game on (%s); to play without a desktop, run it in a "
                     "virtual X server: xvfb-run -a ferlow\n",
                     where.c_str());
        std::_Exit(1);
    }
    QtMessageHandler previous_ = nullptr;
};

}  // namespace

int main(int argc, char* argv[])
{
    const CommandLine commandLine = parseCommandLine(argc, argv);
    switch (commandLine.request) {
    case Request::Help: std::fputs(usage().c_str(), stdout); return finishOutput(stdout);
    case Request::Version: std::printf("ferlow %s\n", ferlow::kVersion); return finishOutput(stdout);
    case Request::Error:
        std::fprintf(stderr, "ferlow: %s\n\n%s", commandLine.error.c_str(), usage().c_str());
        return kUsageError;
    case Request::Play: break;
    }

    std::optional<WindowSystemStart> starting(std::in_place);
    QApplication app(argc, argv);
    starting.reset();
    QApplication::setApplicationName("ferlow");
    QApplication::setApplicationVersion(ferlow::kVersion);
    // The id of the menu entry, so desktops match the running windows to it.
    QApplication::setDesktopFileName(ferlow::kAppId);
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
