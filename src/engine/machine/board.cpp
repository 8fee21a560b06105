// The main window's board: picking numbers by hand, by Quick Pick, and Change
// Numbers.
#include "engine/machine/machine.h"

namespace ferlow {
namespace {

void clearBoard(MainScreen& main, GameState& state)
{
    main.Cmdbet.enabled = false;
    for (int i = 0; i < kBoardNumbers; ++i) {
        auto& marker = main.Shp1[static_cast<std::size_t>(i)];
        marker.enabled = true;
        main.Lbl1[static_cast<std::size_t>(i)].enabled = true;
        state.drawnFlags[static_cast<std::size_t>(i)] = 0;
        marker.setImage(ListImage::Picked);
        marker.visible = false;
    }
    state.spots = 0;
}

}  // namespace

// The board takes presses only while its window takes input, and not while Quick
// Pick lays its balls (a press then would add a pick to the count chosen).
bool Machine::boardTakesInput() const { return !quickPicking_ && main.window.visible && main.window.enabled; }

void Machine::numberPressed(int position)
{
    if (!boardTakesInput() || position < 0 || position >= kBoardNumbers) return;
    // A disabled number takes no presses.
    if (!main.Lbl1[static_cast<std::size_t>(position)].enabled) return;
    togglePick(position);
}

void Machine::markerPressed(int position)
{
    if (!boardTakesInput() || position < 0 || position >= kBoardNumbers) return;
    const Marker& marker = main.Shp1[static_cast<std::size_t>(position)];
    if (!marker.visible || !marker.enabled) return;
    togglePick(position);
}

void Machine::togglePick(int position)
{
    playTick();
    auto& marker = main.Shp1[static_cast<std::size_t>(position)];
    if (marker.visible) {
        // The marker of a drawn number that was not picked is no pick: pressing
        // it must not lower the count of picks.
        if (marker.image == ListImage::Drawn) return;
        marker.visible = false;
        --state.spots;
        if (state.spots < kMinPicks) {
            main.Cmdbet.enabled = false;
            main.item(Menu::Mnuqp).enabled = true;
        }
        return;
    }
    ++state.spots;
    marker.visible = true;
    marker.enabled = false;
    if (state.spots >= kMaxPicks + 1) {
        marker.visible = false;
        state.spots = kMaxPicks;
    }
    if (state.spots == kMaxPicks) {
        for (auto& label : main.Lbl1) label.enabled = false;
    } else if (state.spots >= kMinPicks) {
        main.Cmdbet.enabled = true;
        main.item(Menu::Mnuqp).enabled = false;
    }
}

void Machine::openQuickPick()
{
    clearBoard(main, state);
    for (auto& marker : main.Shp1) marker.enabled = false;
    for (Menu m : kQuickPickItems) main.item(m).checked = false;
}

void Machine::quickPick(Menu countItem)
{
    // A count chosen by its shortcut, without the submenu having opened, clears
    // the board first, so the picks on the board are always the ones counted.
    openQuickPick();
    for (std::size_t i = 0; i < kQuickPickItems.size(); ++i) {
        const bool chosen = kQuickPickItems[i] == countItem;
        main.item(kQuickPickItems[i]).checked = chosen;
        if (chosen) state.spots = kMinPicks + static_cast<int>(i);
    }
    // StartQuickPick
    main.item(Menu::Mnuqp).enabled = false;
    main.Cmdbet.enabled = true;
    quickPickNumbers();
}

void Machine::quickPickNumbers()
{
    state.quickPickFlags = {};
    const int count = state.spots;
    quickPicking_ = true;
    const unsigned game = gameNumber_;
    for (int n = 0; n < count; ++n) {
        int r = random.below(kBoardNumbers);
        while (state.quickPickFlags[static_cast<std::size_t>(r)] == 1) r = random.below(kBoardNumbers);
        state.quickPickFlags[static_cast<std::size_t>(r)] = 1;
        host_.processEvents();  // the markers appear one by one
        if (ended_) return;
        if (game != gameNumber_) break;  // New Game emptied the board meanwhile
        main.Shp1[static_cast<std::size_t>(r)].visible = true;
    }
    quickPicking_ = false;
    if (game != gameNumber_) return;
    for (auto& label : main.Lbl1) label.enabled = false;
}

// The balls of the last draw go: drawn numbers that were not picked lose their
// ball, hits become plain picks again.
void Machine::clearDrawMarks()
{
    for (int i = 0; i < kBoardNumbers; ++i) {
        auto& marker = main.Shp1[static_cast<std::size_t>(i)];
        if (marker.image == ListImage::Drawn) {
            state.drawnFlags[static_cast<std::size_t>(i)] = 0;
            marker.setImage(ListImage::Picked);
            marker.visible = false;
        } else if (marker.image == ListImage::Hit) {
            marker.setImage(ListImage::Picked);
            marker.visible = true;
        }
    }
}

void Machine::changeNumbers()
{
    main.item(Menu::Mnuqp).enabled = true;
    for (Menu m : kQuickPickItems) main.item(m).checked = false;
    clearDrawMarks();
    for (auto& label : main.Lbl1) label.enabled = true;
}

void Machine::resetBoard()
{
    for (int i = 0; i < kBoardNumbers; ++i) {
        main.Lbl1[static_cast<std::size_t>(i)].enabled = true;
        state.drawnFlags[static_cast<std::size_t>(i)] = 0;
        auto& marker = main.Shp1[static_cast<std::size_t>(i)];
        marker.setImage(ListImage::Picked);
        marker.visible = false;
    }
}

}  // namespace ferlow
