// Scratch folders, a game into the high scores, and child processes for the
// fault tests.
#include "fault_fixtures.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#include "game_driver.h"

namespace fs = std::filesystem;

namespace ferlow::faults {

storage::HighScoreTable keptScores()
{
    return {{{900, "Ada"}, {800, "Bea"}, {700, "Cid"}, {600, "Dot"}, {500, "Eve"}}};
}

int playIntoTheHighScores(Machine& m)
{
    test::startGame(m);
    for (int turn = 0; turn < kTurnsPerGame && !m.ended(); ++turn) test::playTurn(m, 4, 2, "5");
    for (int place = 1; place <= kHighScorePlaces; ++place)
        if (m.hsc.Txtnam[static_cast<std::size_t>(place - 1)].enabled) return place;
    return 0;
}

void enterName(Machine& m, int place, const std::string& name)
{
    m.hscNameEdited(place, name);
    m.hscCloseClicked();
}

ChildResult inChild(const std::function<std::string()>& body, bool asNobody)
{
    int fds[2];
    if (::pipe(fds) != 0) throw std::runtime_error("pipe failed");
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        ::close(fds[0]);
        std::string report;
        if (asNobody && ::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            report = "cannot become nobody";
        else
            report = body();
        for (std::size_t at = 0; at < report.size();) {
            const ssize_t n = ::write(fds[1], report.data() + at, report.size() - at);
            if (n <= 0) break;
            at += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    ChildResult result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        result.report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    result.exited = WIFEXITED(status);
    result.status = result.exited ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace ferlow::faults
