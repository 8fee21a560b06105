// The machine's construction, its self-rewriting captions, texts, sounds and the
// locking of the windows.
#include "engine/machine/machine.h"

#include "engine/media_catalog.h"

namespace ferlow {

// Labels that rewrite themselves from the game state whenever their caption
// changes, whoever changes it: the status labels keep their formats, the score
// captions settle to their standard form (refreshing the face), and the loss
// label always reads "You lost N credits".
Machine::Machine(HostPort& host) : host_(host)
{
    main.LblhitS.caption.setOnChange([this] { main.LblhitS.caption.set(hitsText(state.hits)); });
    main.LblwonS.caption.setOnChange([this] { main.LblwonS.caption.set(wonText(state.won)); });
    main.LblcredS.caption.setOnChange([this] { showCredit(); });
    main.LblbetS.caption.setOnChange([this] { main.LblbetS.caption.set(betText(state.bet)); });
    for (std::size_t i = 0; i < kHighScorePlaces; ++i) {
        hsc.Lblhi[i].caption.setOnChange([this, i] {
            showFace();
            hsc.Lblhi[i].caption.set(scoreCaption(state.highScores[i], static_cast<int>(i) + 1));
        });
    }
    hsc.LblLoss.caption.setOnChange([this] { hsc.LblLoss.caption.set(lossText(state.creditsLost)); });
}

// Each status value shows on its panel and on its label, in the same words.
void Machine::showCredit()
{
    main.LblCred.caption.set(creditText(state.credit));
    main.LblcredS.caption.set(creditText(state.credit));
}

void Machine::showWon()
{
    main.LblWon.caption.set(wonText(state.won));
    main.LblwonS.caption.set(wonText(state.won));
}

void Machine::showBet()
{
    main.LblBet.caption.set(betText(state.bet));
    main.LblbetS.caption.set(betText(state.bet));
}

void Machine::showHits()
{
    main.LblHit.caption.set(hitsText(state.hits));
    main.LblhitS.caption.set(hitsText(state.hits));
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

WindowState& Machine::windowOf(WindowId window)
{
    switch (window) {
    case WindowId::Opening: return opening.window;
    case WindowId::Main: return main.window;
    case WindowId::Prize: return prize.window;
    case WindowId::Stats: return stats.window;
    case WindowId::HighScores: return hsc.window;
    case WindowId::Bet: return betDialog.window;
    case WindowId::Instructions: return instructions.window;
    case WindowId::Help: return help.window;
    case WindowId::About: return about.window;
    }
    return main.window;
}

// Moves made by the player flow back into the model, so that windows placed
// beside another one go where it really is.
void Machine::windowMoved(WindowId window, double left, double top)
{
    WindowState& w = windowOf(window);
    w.left = left;
    w.top = top;
}

void Machine::lockMainPrizeStats(bool locked)
{
    main.window.enabled = !locked;
    prizeWindow().window.enabled = !locked;
    statsWindow().window.enabled = !locked;
}

}  // namespace ferlow
