// How much the fairness tests sample and how unlikely a result must be to fail
// them. The tests of the tests use the same sizes, so a smaller sample that could
// no longer catch a biased draw fails there.
#pragma once

namespace ferlow::fairness {

// A fair machine fails a test about once in a million seeds; the seeds are fixed,
// so a run never fails by chance.
inline constexpr double kSignificance = 1e-6;

// Turns of 20 balls on four picks: a million balls.
inline constexpr int kDrawTurns = 50'000;
// Turns for each count of picks (4..10), at 20 and at 22 balls.
inline constexpr int kHitTurnsPerSpots = 2'000;
// Quick picks of each count 4..10.
inline constexpr int kQuickPicksPerCount = 10'000;

}  // namespace ferlow::fairness
