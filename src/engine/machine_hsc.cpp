// The high-score window: viewing the table, typing a name after a good game, and
// ending the entry.
#include <cctype>

#include "engine/machine.h"

namespace ferlow {
namespace {

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

}  // namespace

int Machine::hscNameKey(int place, int key)
{
    if (ended_ || place < 1 || place > kHighScorePlaces) return 0;
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
    if (ended_ || place < 1 || place > kHighScorePlaces) return;
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
    if (ended_ || place < 1 || place > kHighScorePlaces) return;
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
    if (ended_ || !hsc.window.visible || !hsc.window.enabled) return;
    playTick();
    endNameEntry();
}

// Closing by the frame acts as Close: the names are saved and the other windows
// unlocked, where otherwise they would stay locked and the names be lost.
void Machine::hscFrameClosed()
{
    if (ended_ || !hsc.window.visible) return;
    playTick();
    endNameEntry();
}

void Machine::hscBackgroundClicked()
{
    if (!ended_) host_.beep();
}

void Machine::endNameEntry()
{
    saveHighScores();
    lockMainPrizeStats(false);
    if (state.hscShownFromMenu == 0) main.Cmdbet.enabled = true;
    hsc.PicFace.visible = false;
    for (TextBox& field : hsc.Txtnam) {
        field.enabled = false;
        field.back = Color::buttonFace();
    }
    state.hscShownFromMenu = 0;
    hsc.Lblsign.visible = false;
    hsc.window.visible = false;
}

void Machine::viewHighScores()
{
    state.hscShownFromMenu = 1;
    lockMainPrizeStats(true);
    hsc.window.enabled = true;
    hsc.window.visible = true;
}

}  // namespace ferlow
