// Frmbet: the bet dialog. Opening it for a turn, the amount buttons, the amount
// field, Hold, and accepting the bet.
#include "engine/machine/machine.h"
#include "engine/media_catalog.h"
#include "engine/rules/amount_text.h"
#include "engine/rules/format.h"

namespace ferlow {
namespace {

// Each amount button is on exactly when the credit covers it; All only while the
// credit is below the largest amount.
void enableAmountButtons(BetScreen& dialog, double credit)
{
    dialog.Cmd5.enabled = credit >= 5;
    dialog.Cmd10.enabled = credit >= 10;
    dialog.Cmd20.enabled = credit >= 20;
    dialog.Cmd50.enabled = credit >= 50;
    dialog.Cmd100.enabled = credit >= 100;
    dialog.Cmdall.enabled = credit < 100;
}

void setBetText(BetScreen& dialog, GameState& state, std::string text);

// The amount field's change rule. While Hold is in force, typing cannot change
// the amount: the field is put back to the held amount.
void betTextChanged(BetScreen& dialog, GameState& state)
{
    if (!dialog.Txtfil.text.empty()) {
        dialog.Cmdhold.enabled = true;
        state.bet = amountValue(dialog.Txtfil.text);
        dialog.Cmdok.enabled = true;
    }
    if (state.betHeld) {
        state.bet = state.heldBet;
        setBetText(dialog, state, fmt::plain(state.heldBet));
        dialog.Cmdhold.enabled = false;
    }
}

void setBetText(BetScreen& dialog, GameState& state, std::string text)
{
    if (text == dialog.Txtfil.text) return;
    dialog.Txtfil.text = std::move(text);
    betTextChanged(dialog, state);
}

}  // namespace

void Machine::loadBetDialog()
{
    if (betDialog.window.loaded) return;
    betDialog = BetScreen{};
    betDialog.window.loaded = true;
    betDialog.Lblturn.caption.setOnChange([this] { betDialog.Lblturn.caption.set(turnText(state.turn + 1)); });
    betDialog.fillinWidthTwips = 0;
    if (!state.betHeld) {
        betDialog.Cmdhold.enabled = false;
        lockMainPrizeStats(true);
    }
    betDialog.window.width = kBetSize.width;
    betDialog.window.height = kBetSize.height;
    centre(betDialog.window);
}

void Machine::openBetDialog()
{
    applyDifficulty();
    state.creditCountFrom = 1;
    main.Cmdbet.face.show(files::kPlating);
    if (state.statsResetPending) {
        resetNumberStats();
        state.statsResetPending = false;
    }
    loadBetDialog();
    betDialog.fillinWidthTwips += (kGaugeWidthTwips - 55) / state.turnLimit;
    main.item(Menu::Mnucnum).enabled = false;
    main.item(Menu::Mnugtyp).enabled = false;
    main.item(Menu::MnuScStyl).enabled = false;
    refreshPrizeRowColours();
    for (auto& label : main.Lbl1) label.enabled = false;

    betDialog.window.visible = true;
    activeWindow_ = WindowId::Bet;
    activateBetDialog();
    betDialog.Cmdok.enabled = false;
    lockMainPrizeStats(true);
    main.Cmdexit.enabled = false;

    enableAmountButtons(betDialog, state.credit);

    clearDrawMarks();
    showWon();
    state.hits = 0;
    showHits();
    main.Cmdbet.enabled = false;
    if (state.heldBet > 0) betDialog.Cmdok.enabled = true;
}

// The dialog becomes the active window: the field starts empty (a held amount
// comes back through the field's change rule) and the turn label shows the
// coming turn.
void Machine::activateBetDialog()
{
    betDialog.window.pointer = Pointer::Default;
    setBetText(betDialog, state, "");
    state.bet = 0;
    showBet();
    betDialog.Lblturn.caption.set(turnText(state.turn + 1));
}

void Machine::betTextEdited(const std::string& text)
{
    if (!betDialog.window.visible) return;
    setBetText(betDialog, state, text);
}

void Machine::betTextMouseDown()
{
    if (!betDialog.window.visible) return;
    state.betHeld = false;
    state.heldBet = 0;
    state.bet = 0;
    setBetText(betDialog, state, "");
    betDialog.Cmdhold.enabled = false;
}

void Machine::betTextKey(int key)
{
    if (!betDialog.window.visible || key != kEnterKey) return;
    playTick();
    acceptBet();
}

void Machine::betAmountClicked(BetAmount amount)
{
    if (!betDialog.window.visible) return;
    Button* const buttons[] = {&betDialog.Cmd5,  &betDialog.Cmd10,  &betDialog.Cmd20,
                               &betDialog.Cmd50, &betDialog.Cmd100, &betDialog.Cmdall};
    constexpr const char* kTexts[] = {"5", "10", "20", "50", "100"};
    const auto index = static_cast<std::size_t>(amount);
    if (!buttons[index]->enabled) return;
    playTick();
    state.betHeld = false;
    state.heldBet = 0;
    betDialog.Cmdhold.enabled = true;
    setBetText(betDialog, state, amount == BetAmount::Cmdall ? fmt::plain(state.credit) : kTexts[index]);
    state.bet = amountValue(betDialog.Txtfil.text);
}

void Machine::betHoldClicked()
{
    if (!betDialog.window.visible || !betDialog.Cmdhold.enabled) return;
    playTick();
    if (state.bet < 1) {
        host_.showMessage({"No bet entered", "Please enter your bet and then click on hold.", MessageIcon::Information,
                           MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    state.betHeld = true;
    betDialog.Cmdhold.enabled = false;
    state.bet = amountValue(betDialog.Txtfil.text);
    state.heldBet = state.bet;
}

void Machine::betOkClicked()
{
    if (!betDialog.window.visible || !betDialog.Cmdok.enabled) return;
    playTick();
    acceptBet();
    if (ended_) return;
    lockMainPrizeStats(false);
}

void Machine::betOkKey(int key)
{
    if (key == kEnterKey) betOkClicked();
}

void Machine::betFrameClosed()
{
    // The dialog closes only by Ok: a turn cannot be left half begun.
}

void Machine::acceptBet()
{
    state.bet = amountValue(betDialog.Txtfil.text);
    const auto refuse = [this](const char* title, std::string text) {
        host_.showMessage({title, std::move(text), MessageIcon::Question, MessageButtons::Ok, MessageAnswer::Ok});
    };
    if (state.bet < 1) {
        host_.beep();
        refuse("Bet too low", "Zero is not a valid bet. Bet 1 or more.");
        return;
    }
    if (state.bet > 100) {
        refuse("Bet Exceeds limit", "Is 100 Credits, bet 100 or less.");
        return;
    }
    if (state.bet > state.credit) {
        refuse("Credit too low", "Please bet " + fmt::withSignPlace(state.credit) + " or less.");
        return;
    }
    betDialog.Cmdhold.enabled = false;
    main.window.enabled = true;
    showBet();
    showCredit();
    main.CmdPlay.enabled = true;
    main.Cmdexit.enabled = true;
    main.Cmdbet.enabled = false;
    prizeWindow().window.enabled = true;
    statsWindow().window.enabled = true;
    betDialog.window.visible = false;
}

}  // namespace ferlow
