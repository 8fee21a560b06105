// The high scores: loading and saving the table, the reset, the face of the last
// result and each score's share of the "Average".
#include <cstdint>
#include <utility>

#include "engine/format.h"
#include "engine/machine.h"
#include "engine/media_files.h"
#include "engine/prize_table.h"

namespace ferlow {
namespace {

inline constexpr std::int64_t kDefaultScores[kHighScorePlaces] = {5000, 2000, 1000, 750, 400};
inline constexpr const char* kDefaultName = "Ferlow";

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

void Machine::loadHighScores()
{
    loadHighScoreWindow();
    const HighScoreAnswer answer = host_.readHighScores(state.drivePrefix);
    showStoredHighScores(answer.table);
    storeProblem_ = answer.problem;
}

void Machine::saveHighScores()
{
    StoredHighScores table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (hsc.Txtnam[i].text.empty()) hsc.Txtnam[i].text = kDefaultName;
        table[i].score = state.highScores[i];
        table[i].name = trimmed(hsc.Txtnam[i].text);
    }
    const HighScoreAnswer answer = host_.writeHighScores(
        state.drivePrefix, table, highScoresReset_ ? HighScoreWrite::Replace : HighScoreWrite::Merge);
    if (!answer.ok) {
        host_.showMessage({"High Scores", "The high scores could not be saved.\n\n" + answer.problem,
                           MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    highScoresReset_ = false;
    // The store may hold scores another game saved meanwhile: the window shows them.
    showStoredHighScores(answer.table);
    showScorePercents();
    if (!answer.problem.empty())
        host_.showMessage({"High Scores", answer.problem, MessageIcon::Exclamation, MessageButtons::Ok,
                           MessageAnswer::Ok});
}

// Writing a stored name is not player input: nothing is saved or locked.
void Machine::showStoredHighScores(const StoredHighScores& table)
{
    for (int place = 1; place <= kHighScorePlaces; ++place) {
        const auto i = static_cast<std::size_t>(place - 1);
        state.highScores[i] = table[i].score;
        hsc.Lblhi[i].caption.set(scoreCaption(place));
        hsc.Txtnam[i].text = trimmed(table[i].name);
    }
}

// Told once, when the main window has come up: before that only the opening
// window is on the screen.
void Machine::tellStoreProblem()
{
    if (storeProblem_.empty()) return;
    const std::string text = std::exchange(storeProblem_, {});
    host_.showMessage({"High Scores", text, MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
}

void Machine::resetHighScores()
{
    highScoresReset_ = true;
    for (std::size_t i = 0; i < kHighScorePlaces; ++i) {
        state.highScores[i] = kDefaultScores[i];
        hsc.Txtnam[i].text = kDefaultName;
    }
    // The captions are written in a short form; their change rule completes them
    // and refreshes the face.
    for (std::size_t i = 0; i < kHighScorePlaces; ++i)
        hsc.Lblhi[i].caption.set(fmt::groupedOrEmpty(state.highScores[i]) + "Highest Score ");
}

void Machine::showFace()
{
    if (state.rating && *state.rating >= 1 && *state.rating <= 6)
        hsc.PicFace.picture.show(dataFile(files::kFaces[*state.rating - 1]));
    hsc.PicFace.visible = true;
}

void Machine::refreshScorePercents()
{
    setPrizeDivisor();
    buildPrizeTable();
    if (state.average < 1) state.average = 20000;
    state.average = state.average + state.average * 15 / 100;
    showScorePercents();
}

// Each score's share of the Average, worked out exactly whatever the score's size.
void Machine::showScorePercents()
{
    if (state.average < 1) return;
    for (std::size_t i = 0; i < kHighScorePlaces; ++i)
        hsc.Lblp[i].caption.set(fmt::percentPadded(state.highScores[i], state.average) + " of Average");
}

}  // namespace ferlow
