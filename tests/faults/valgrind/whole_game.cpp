// One whole game through the machine, built without sanitizers so that it can
// run under Valgrind: twenty turns, a high score typed in and saved to a real
// file, a new game, and the program's end. Exits 0 when the game went as
// expected; Valgrind's own verdict decides the test.
#include <cstdio>
#include <filesystem>
#include <stdlib.h>
#include <string>

#include "../fault_fixtures.h"
#include "../storage_host.h"
#include "game_driver.h"
#include "storage/high_score_format.h"

using namespace ferlow;

int main()
{
    faults::ScratchFolder scratch;
    const std::filesystem::path file = scratch.path() / "ferlow" / "ferlow.ini";
    faults::StorageHost host(file);
    Machine m(host);

    const int place = faults::playIntoTheHighScores(m);
    if (place != 5) {
        std::fprintf(stderr, "whole_game: the game ended in place %d, not 5\n", place);
        return 1;
    }
    faults::enterName(m, place, "Valgrind");
    if (!host.lastSave.ok) {
        std::fprintf(stderr, "whole_game: %s\n", host.lastSave.error.c_str());
        return 1;
    }
    m.menuClicked(Menu::Mnungam);
    test::playTurn(m, 6, 3, "10");
    m.menuClicked(Menu::Mnustats);
    m.menuClicked(Menu::Mnupri);
    m.menuClicked(Menu::Mnuabt);
    m.aboutTimerTick();
    m.aboutOkClicked();
    m.mainClosed();

    const auto saved = storage::parseHighScores(faults::readBytes(file));
    if (!m.ended() || !saved || (*saved)[4].name != "Valgrind") {
        std::fprintf(stderr, "whole_game: the game did not end with the name saved\n");
        return 1;
    }
    std::printf("whole_game: 20 turns, high score saved, one more turn, closed\n");
    return 0;
}
