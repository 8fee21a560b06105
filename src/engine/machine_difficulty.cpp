// Difficulty: the levels' fields, the rows and lowest paying hit count they imply,
// and the prize divisor.
#include "engine/difficulty.h"
#include "engine/machine.h"

namespace ferlow {

void Machine::applyDifficulty()
{
    const DifficultyRules rules = difficultyRules(state.difficulty, state.spots);
    state.difficultyName = rules.name;
    PrizeScreen& p = prizeWindow();
    p.row(2).visible = rules.showTwoHitRow;
    p.row(3).visible = rules.showThreeHitRow;
    state.minWinHits = rules.minWinHits;
    refreshScorePercents();
    main.SSPNum.caption.set(state.difficultyName);
}

void Machine::setPrizeDivisor() { state.prizeDivisor = prizeDivisorFor(state.difficultyFactor, state.prizeDivisor); }

void Machine::setDifficulty(int difficulty)
{
    const DifficultyLevel& level = difficultyLevel(difficulty);
    state.difficulty = level.difficulty;
    state.difficultyFactor = level.factor;
    state.ballsPerDraw = level.ballsPerDraw;
    for (std::size_t i = 0; i < kDifficultyItems.size(); ++i)
        main.item(kDifficultyItems[i]).checked = static_cast<int>(i) + 1 == level.difficulty;
    main.SSPNum.caption.set(level.name);
    applyDifficulty();
}

}  // namespace ferlow
