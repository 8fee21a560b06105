// The monkey soak: a thousand seeded sessions at the machine, each a fresh
// program driven by random events and by a player pushing on, with events queued
// while draws, count-ups and quick picks let events run. After every event the
// invariants are checked; a failure names the seed and the event that reproduce
// it (FERLOW_SOAK_SEED=<seed> replays one session and prints every event, the
// events queued during an event listed just before it).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <random>
#include <set>
#include <sstream>

#include "invariants.h"
#include "monkey.h"
#include "soak_host.h"

namespace ferlow::soak {
namespace {

constexpr int kSessions = 1000;
// Most sessions are short and wander; every 25th is a long one by a player who
// pushes on through whole games, to their end and the high scores. Draws are
// the costly events (most of their time goes on counting wins), so the budget
// of a few seconds under the sanitizers is counted in draws.
constexpr int kShortSession = 25;
constexpr int kLongSession = 300;
constexpr unsigned kLongEvery = 25;

struct Totals {
    long events = 0;
    long queuedEvents = 0;
    long draws = 0;
    long gamesFinished = 0;       // games that reached their last turn
    long sessionsEnded = 0;       // by Exit answered Yes or the main window's close box
    long eventPasses = 0;         // passes of the event loop the machine asked for
    long gamesBroke = 0;          // games over for lack of credit
    long saves = 0;               // high-score tables written
    std::set<std::string> kinds;  // the events sent, those without numbers or text in them
};

void countKind(Totals& totals, const std::string& event)
{
    if (event.find_first_of("0123456789\"(") == std::string::npos) totals.kinds.insert(event);
}

// Events every soak must have sent at least once: each menu item, each close
// box, each window's buttons.
std::vector<std::string> requiredKinds()
{
    std::vector<std::string> kinds{"opening Play",
                                   "opening close box",
                                   "main close box",
                                   "about timer",
                                   "click Hold",
                                   "click Ok",
                                   "mouse down in the amount field",
                                   "bet dialog close box",
                                   "click high-score Close",
                                   "high-score close box",
                                   "prize Close",
                                   "prize close box",
                                   "statistics Close",
                                   "statistics close box",
                                   "about Ok",
                                   "about close box",
                                   "help Close",
                                   "help close box",
                                   "instructions Close",
                                   "instructions close box",
                                   "click Cmdbet",
                                   "click CmdPlay",
                                   "click Cmdexit",
                                   "open menu Mnuqp"};
    for (const char* item :
         {"Mnupri",  "Mnuinst", "Mnucnum",  "Mnufour", "Mnufive",   "Mnusix",  "Mnuseven",   "Mnueight", "Mnunine",
          "Mnuten",  "Mnuon",   "Mnuoff",   "Mnueasy", "Mnumedium", "Mnuhard", "Mnuhardest", "Mnungam",  "Mnuxt",
          "MnuFast", "MnuSlow", "Mnustats", "Mnuvhsc", "Mnureset",  "Mnuabt",  "MnuHlp",     "MnuRMe"})
        kinds.push_back(std::string("menu ") + item);
    return kinds;
}

// Plays one session. Returns the first broken rule with the events leading to it.
std::string playSession(unsigned seed, Totals& totals, bool verbose)
{
    std::mt19937 random(seed);
    SoakHost host;
    host.clock = static_cast<int>(seed % 86400);
    host.random = &random;
    Machine m(host);
    Monkey monkey(m, random);

    std::deque<std::string> recent;
    const auto note = [&](std::string what) {
        if (verbose) std::cout << "  " << what << '\n';
        recent.push_back(std::move(what));
        if (recent.size() > 12) recent.pop_front();
    };
    const auto report = [&](int index, const std::vector<std::string>& faults) {
        std::ostringstream out;
        out << "seed " << seed << ", event " << index << ":";
        for (const auto& f : faults) out << "\n  broken: " << f;
        out << "\n  last events (oldest first):";
        for (const auto& e : recent) out << "\n    " << e;
        return out.str();
    };

    host.onQueuedEvent = [&] {
        if (m.ended()) return;
        ++totals.queuedEvents;
        const std::string event = monkey.actQueued();
        countKind(totals, event);
        note("    (queued) " + event);
    };

    m.startUp();
    // Queued clicks start once the first window is up: nothing can be clicked in
    // the pass that first shows it.
    host.queuedEventChance = 0.01;
    if (auto faults = checkMachine(m); !faults.empty()) return report(0, faults);

    const bool longSession = seed % kLongEvery == 0;
    const int events = longSession ? kLongSession : kShortSession;
    const double purpose = longSession ? 0.95 : std::uniform_real_distribution<double>(0.4, 0.8)(random);
    CreditLedger ledger;
    for (int index = 1; index <= events && !m.ended(); ++index) {
        host.answers.clear();
        host.answers.push_back(std::bernoulli_distribution(0.1)(random) ? MessageAnswer::Yes : MessageAnswer::No);
        const int turnBefore = m.state.turn;
        ledger.before(m);
        host.startDrawWatch(m);

        const std::string event = monkey.act(std::bernoulli_distribution(purpose)(random));
        countKind(totals, event);
        note(std::to_string(index) + ": " + event);
        ++totals.events;
        if (verbose)
            std::cout << "      credit " << m.state.credit << ", bet " << m.state.bet << ", turn " << m.state.turn
                      << ", spots " << m.state.spots << ", hits " << m.state.hits << '\n';

        host.updateDrawWatch();
        std::vector<std::string> faults = host.drawFaults();
        if (host.drawRan()) {
            ++totals.draws;
            if (m.state.turn == 0 && turnBefore == m.state.turnLimit - 1) ++totals.gamesFinished;
            if (!m.ended() && host.ballsThisDraw().size() > 22)
                faults.push_back(std::to_string(host.ballsThisDraw().size()) + " balls in one draw");
        }
        for (auto& f : ledger.after(m, host.drawRan())) faults.push_back(std::move(f));
        for (auto& f : checkMachine(m)) faults.push_back(std::move(f));
        if (!faults.empty()) return report(index, faults);
    }
    if (m.ended()) ++totals.sessionsEnded;
    totals.eventPasses += host.eventPasses;
    totals.saves += host.writes;
    for (const MessageBox& box : host.messages) totals.gamesBroke += box.title == "Game Over" ? 1 : 0;
    return {};
}

TEST(MonkeySoak, EveryInvariantHoldsAfterEveryEvent)
{
    if (const char* one = std::getenv("FERLOW_SOAK_SEED")) {
        Totals totals;
        const std::string failure = playSession(static_cast<unsigned>(std::strtoul(one, nullptr, 10)), totals, true);
        EXPECT_TRUE(failure.empty()) << failure;
        return;
    }
    // A longer soak by hand: FERLOW_SOAK_SESSIONS=<n>.
    const char* more = std::getenv("FERLOW_SOAK_SESSIONS");
    const unsigned sessions = more ? static_cast<unsigned>(std::strtoul(more, nullptr, 10)) : kSessions;
    const auto start = std::chrono::steady_clock::now();
    Totals totals;
    int failures = 0;
    for (unsigned seed = 1; seed <= sessions; ++seed) {
        const std::string failure = playSession(seed, totals, false);
        if (failure.empty()) continue;
        ADD_FAILURE() << failure;
        if (++failures == 5) break;  // enough to go on; the rest would repeat them
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "monkey soak: " << sessions << " sessions, " << totals.events << " events and " << totals.queuedEvents
              << " queued events, " << totals.draws << " draws, " << totals.gamesFinished
              << " games played to the last turn, " << totals.gamesBroke << " lost for lack of credit, " << totals.saves
              << " high-score saves, " << totals.sessionsEnded << " sessions ended by the player, "
              << totals.eventPasses << " event passes, in " << seconds << " s\n";
    // The monkey must reach the parts of the game where faults hide.
    EXPECT_GT(totals.draws, 3000);
    EXPECT_GT(totals.gamesFinished, 40);
    EXPECT_GT(totals.gamesBroke, 10);
    EXPECT_GT(totals.saves, 40);
    EXPECT_GT(totals.queuedEvents, 2000);
    for (const std::string& kind : requiredKinds())
        EXPECT_TRUE(totals.kinds.count(kind)) << "the monkey never sent: " << kind;
}

}  // namespace
}  // namespace ferlow::soak
