// The engine alone on the fake host: whole games of 20 turns per second, each
// from start-up through the exit question, as the tests drive them.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "report.h"
#include "support/game_driver.h"

namespace {

using namespace ferlow;

// One game: start-up, four picks kept for every turn, a bet of `bet` each turn,
// and after the twentieth the exit question (answered No) and the high scores.
bool playGame(std::uint64_t seed, const std::vector<int>& picks, const char* bet)
{
    test::FakeHost host;
    Machine m(host);
    test::startGame(m);
    m.random.reseed(seed);
    test::pickNumbers(m, picks);
    for (int t = 0; t < kTurnsPerGame; ++t) {
        test::placeBet(m, bet);
        test::play(m);
        if (m.hsc.window.visible) m.hscCloseClicked();
    }
    benchmark::DoNotOptimize(m.state.credit);
    // A finished game leaves a fresh one behind.
    return m.state.turn == 0 && !host.messages.empty() && host.messages.back().title == "Exit";
}

void games(benchmark::State& state, std::vector<int> picks, const char* bet)
{
    std::uint64_t seed = 1;
    for (auto _ : state)
        if (!playGame(seed++, picks, bet)) {
            state.SkipWithError("a game did not end after 20 turns");
            break;
        }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["turns/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kTurnsPerGame, benchmark::Counter::kIsRate);
}

// Four picks: a hit or so a turn. Ten picks: two or three, so more prize rows
// rebuilt and credits counted. A bet of 1 never runs a game out of credit.
BENCHMARK_CAPTURE(games, four_picks_bet_1, std::vector<int>{6, 29, 47, 73}, "1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(games, ten_picks_bet_1, std::vector<int>{2, 11, 19, 30, 38, 44, 52, 61, 69, 77}, "1")
    ->Unit(benchmark::kMicrosecond);

class Capture : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                results.push_back({run.benchmark_name(), run.counters.at("games/s").value});
            else if (run.error_occurred)
                failed = true;
    }
    std::vector<std::pair<std::string, double>> results;
    bool failed = false;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    Capture capture;
    benchmark::RunSpecifiedBenchmarks(&capture);
    benchmark::Shutdown();
    bool met = !capture.failed && !capture.results.empty();
    for (const auto& [name, gamesPerSecond] : capture.results) {
        const std::string what = "engine: 20-turn games/s, " + name.substr(name.find('/') + 1);
        met = bench::report({what, gamesPerSecond, "games/s", bench::Goal::AtLeast, 5000}) && met;
    }
    return met ? 0 : 1;
}
