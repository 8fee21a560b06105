// A game into the high scores for the fault tests.
#include "fault_fixtures.h"

#include "support/game_driver.h"

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

}  // namespace ferlow::faults
