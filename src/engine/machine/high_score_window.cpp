// Frmhsc: the high-score window. Loading and saving the table, the reset, the
// face of the last result and each score's share of the "Average"; viewing the
// table, typing a name after a good game, and ending the entry.
#include <cstdint>
#include <utility>

#include "engine/machine/machine.h"
#include "engine/media_catalog.h"
#include "engine/rules/format.h"
#include "engine/rules/prize_table.h"

namespace ferlow {
namespace {

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

constexpr std::size_t kNameLength = 10;

bool isLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Names hold letters only: anything else that reaches a field becomes 'n'. A
// character written in several UTF-8 bytes counts as one.
std::string filteredName(const std::string& text)
{
    std::string name;
    for (std::size_t i = 0; i < text.size() && name.size() < kNameLength; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        name += isLetter(c) ? static_cast<char>(c) : 'n';
        if (c >= 0xC0)
            while (i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) ++i;
    }
    return name;
}

// Each score's share of the Average, worked out exactly whatever the score's size.
void showScorePercents(const GameState& state, HighScoreScreen& hsc)
{
    if (state.average < 1) return;
    for (std::size_t i = 0; i < kHighScorePlaces; ++i)
        hsc.Lblp[i].caption.set(fmt::percentPadded(state.highScores[i], state.average) + " of Average");
}

}  // namespace

int Machine::hscNameKey(int place, int key)
{
    if (place < 1 || place > kHighScorePlaces) return 0;
    if (!hsc.Txtnam[static_cast<std::size_t>(place - 1)].enabled) return 0;
    if (key == kEnterKey) {
        endNameEntry();
        return 0;
    }
    if (key == kBackspaceKey || isLetter(key)) return key;
    return 'n';
}

void Machine::hscNameClicked(int place)
{
    if (place < 1 || place > kHighScorePlaces) return;
    TextBox& field = hsc.Txtnam[static_cast<std::size_t>(place - 1)];
    if (!field.enabled) return;
    field.back = Color::buttonFace();
    if (field.text.size() >= kNameLength) {
        field.enabled = false;
        saveHighScores();
    }
}

// Typed keys arrive here already filtered; pasted text is filtered the same way.
void Machine::hscNameEdited(int place, const std::string& text)
{
    if (place < 1 || place > kHighScorePlaces) return;
    TextBox& field = hsc.Txtnam[static_cast<std::size_t>(place - 1)];
    if (!field.enabled) return;
    field.text = filteredName(text);
    field.back = Color::buttonFace();
    if (field.text.size() >= kNameLength) {
        field.enabled = false;
        saveHighScores();
    }
}

void Machine::hscCloseClicked()
{
    if (!hsc.window.visible || !hsc.window.enabled) return;
    playTick();
    endNameEntry();
}

// Closing by the frame acts as Close: the names are saved and the other windows
// unlocked, where otherwise they would stay locked and the names be lost.
void Machine::hscFrameClosed()
{
    if (!hsc.window.visible) return;
    playTick();
    endNameEntry();
}

void Machine::hscBackgroundClicked() { host_.beep(); }

void Machine::endNameEntry()
{
    saveHighScores();
    lockMainPrizeStats(false);
    if (!state.hscShownFromMenu) main.Cmdbet.enabled = true;
    hsc.PicFace.visible = false;
    for (TextBox& field : hsc.Txtnam) {
        field.enabled = false;
        field.back = Color::buttonFace();
    }
    state.hscShownFromMenu = false;
    hsc.Lblsign.visible = false;
    hsc.window.visible = false;
}

void Machine::viewHighScores()
{
    state.hscShownFromMenu = true;
    lockMainPrizeStats(true);
    hsc.window.enabled = true;
    hsc.window.visible = true;
}

void Machine::loadHighScoreWindow()
{
    if (hsc.window.loaded) return;
    hsc.window.loaded = true;
    hsc.PicFace.back = Color::buttonFace();
    const ScreenSize screen = host_.screenSize();
    hsc.window.top = screen.heightTwips / 2 - hsc.window.height / 1.5;
    hsc.window.left = screen.widthTwips / 2 - main.window.width / 1.5;
    hsc.LblLoss.caption.set(lossText(state.creditsLost));
    for (int place = 1; place <= kHighScorePlaces; ++place)
        hsc.Lblhi[static_cast<std::size_t>(place - 1)].caption.set(
            scoreCaption(state.highScores[static_cast<std::size_t>(place - 1)], place));
}

void Machine::loadHighScores()
{
    loadHighScoreWindow();
    const HighScoreAnswer answer = host_.readHighScores();
    showStoredHighScores(answer.table);
    storeProblem_ = answer.problem;
}

void Machine::saveHighScores()
{
    StoredHighScores table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (hsc.Txtnam[i].text.empty()) hsc.Txtnam[i].text = kStandardName;
        table[i].score = state.highScores[i];
        table[i].name = trimmed(hsc.Txtnam[i].text);
    }
    const HighScoreAnswer answer =
        host_.writeHighScores(table, highScoresReset_ ? HighScoreWrite::Replace : HighScoreWrite::Merge);
    if (!answer.ok) {
        host_.showMessage({"High Scores", "The high scores could not be saved.\n\n" + answer.problem,
                           MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    highScoresReset_ = false;
    // The store may hold scores another game saved meanwhile: the window shows them.
    showStoredHighScores(answer.table);
    showScorePercents(state, hsc);
    if (!answer.problem.empty())
        host_.showMessage(
            {"High Scores", answer.problem, MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
}

// Writing a stored name is not player input: nothing is saved or locked.
void Machine::showStoredHighScores(const StoredHighScores& table)
{
    for (int place = 1; place <= kHighScorePlaces; ++place) {
        const auto i = static_cast<std::size_t>(place - 1);
        state.highScores[i] = table[i].score;
        hsc.Lblhi[i].caption.set(scoreCaption(state.highScores[i], place));
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
    const StoredHighScores standard = standardHighScores();
    for (std::size_t i = 0; i < kHighScorePlaces; ++i) {
        state.highScores[i] = standard[i].score;
        hsc.Txtnam[i].text = standard[i].name;
    }
    // The captions are written in a short form; their change rule completes them
    // and refreshes the face.
    for (std::size_t i = 0; i < kHighScorePlaces; ++i)
        hsc.Lblhi[i].caption.set(fmt::groupedOrEmpty(state.highScores[i]) + "Highest Score ");
}

void Machine::showFace()
{
    if (state.rating && *state.rating >= 1 && *state.rating <= 6)
        hsc.PicFace.picture.show(files::kFaces[*state.rating - 1]);
    hsc.PicFace.visible = true;
}

void Machine::refreshScorePercents()
{
    setPrizeDivisor();
    buildPrizeTable();
    if (state.average < 1) state.average = 20000;
    state.average = state.average + state.average * 15 / 100;
    showScorePercents(state, hsc);
}

}  // namespace ferlow
