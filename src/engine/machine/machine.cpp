// The machine's construction, its self-rewriting captions, texts, sounds and the
// locking of the windows.
#include "engine/machine/machine.h"

#include "engine/rules/format.h"
#include "engine/media_catalog.h"

namespace ferlow {

Machine::Machine(HostPort& host) : host_(host) { wireCaptionRules(); }

// Labels that rewrite themselves from the game state whenever their caption
// changes, whoever changes it: the status labels keep their formats, the score
// captions settle to their standard form (refreshing the face), and the loss
// label always reads "You lost N credits".
void Machine::wireCaptionRules()
{
    main.LblhitS.caption.setOnChange([this] { main.LblhitS.caption.set(hitsText()); });
    main.LblwonS.caption.setOnChange([this] { main.LblwonS.caption.set(wonText()); });
    main.LblcredS.caption.setOnChange([this] { showCredit(); });
    main.LblbetS.caption.setOnChange([this] { main.LblbetS.caption.set(betText()); });
    for (int place = 1; place <= kHighScorePlaces; ++place) {
        hsc.Lblhi[static_cast<std::size_t>(place - 1)].caption.setOnChange([this, place] {
            showFace();
            hsc.Lblhi[static_cast<std::size_t>(place - 1)].caption.set(scoreCaption(place));
        });
    }
    hsc.LblLoss.caption.setOnChange([this] {
        hsc.LblLoss.caption.set(lossText(state.creditsLost));
    });
}

std::string Machine::hitsText() const { return ferlow::hitsText(state.hits); }
std::string Machine::wonText() const { return ferlow::wonText(state.won); }
std::string Machine::creditText() const { return ferlow::creditText(state.credit); }
std::string Machine::betText() const { return ferlow::betText(state.bet); }

std::string Machine::scoreCaption(int place) const
{
    return fmt::groupedOrEmpty(state.highScores[static_cast<std::size_t>(place - 1)]) + std::to_string(place) +
           " Highest Score ";
}

// Each status value shows on its panel and on its label, in the same words.
void Machine::showCredit()
{
    main.LblCred.caption.set(creditText());
    main.LblcredS.caption.set(creditText());
}

void Machine::showWon()
{
    main.LblWon.caption.set(wonText());
    main.LblwonS.caption.set(wonText());
}

void Machine::showBet()
{
    main.LblBet.caption.set(betText());
    main.LblbetS.caption.set(betText());
}

void Machine::showHits()
{
    main.LblHit.caption.set(hitsText());
    main.LblhitS.caption.set(hitsText());
}

void Machine::centre(WindowState& w)
{
    const ScreenSize screen = host_.screenSize();
    w.left = (screen.widthTwips - w.width) / 2;
    w.top = (screen.heightTwips - w.height) / 2;
}

void Machine::playOpeningSound() { host_.playSound(files::kOpeningSound, PlayMode::Async); }

void Machine::playTick()
{
    host_.stopSound();
    host_.playSound(files::kTickSound, PlayMode::Sync);
}

void Machine::playLostSound()
{
    host_.stopSound();
    host_.playSound(files::kLostSound, PlayMode::Async);
}

void Machine::playSmallWinSound()
{
    host_.stopSound();
    host_.playSound(files::kSmallWinSound, PlayMode::Async);
}

void Machine::playBigWinSound()
{
    host_.stopSound();
    host_.playSound(files::kBigWinSound, PlayMode::Async);
}

void Machine::lockMainPrizeStats(bool locked)
{
    main.window.enabled = !locked;
    prizeWindow().window.enabled = !locked;
    statsWindow().window.enabled = !locked;
}

}  // namespace ferlow
