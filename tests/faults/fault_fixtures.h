// Shared by the fault tests: a scratch folder where the high-score file lives,
// whole-file helpers, a game played into the high scores, and running pieces of
// a test in child processes.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "engine/machine/machine.h"
#include "storage/high_score_table.h"
#include "support/temp_folder.h"

namespace ferlow::faults {

// The storage tests' scratch folder, whole-file helpers and child processes.
using ScratchFolder = test::TempFolder;
using test::ChildResult;
using test::entriesOf;
using test::inChild;
using test::inChildren;
using test::readBytes;
using test::writeBytes;

// Scores the tests keep on disk before a game: a good game (730) lands third.
storage::HighScoreTable keptScores();

// Starts the game and plays all twenty turns with two hits of four picks at a
// bet of 5, ending on 730 credits; the exit question is answered No, so the
// high-score window waits for a name. Returns the place whose name field is
// open (1..5), or 0 when the game did not reach the high scores.
int playIntoTheHighScores(Machine& m);

// Types the name into the open field and closes the high-score window, which
// saves the table.
void enterName(Machine& m, int place, const std::string& name);

}  // namespace ferlow::faults
