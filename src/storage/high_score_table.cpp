// The table a fresh install starts with.
#include "storage/high_score_table.h"

namespace ferlow::storage {

HighScoreTable defaultHighScores()
{
    return {{{5000, "Ferlow"}, {2000, "Ferlow"}, {1000, "Ferlow"}, {750, "Ferlow"}, {400, "Ferlow"}}};
}

}  // namespace ferlow::storage
