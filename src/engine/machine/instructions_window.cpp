// FrmInsferlow: the instructions window, two paragraphs over scattered dots.
// Loaded hidden at start-up, shown from the File menu with the other windows
// locked; its Close unlocks all three, its close box only the main window.
#include "engine/machine/machine.h"
#include "engine/rules/instructions_text.h"

namespace ferlow {
namespace {

void closeInstructionsWindow(InstructionsScreen& instructions, MainScreen& main)
{
    main.window.enabled = true;
    instructions.window.visible = false;
    instructions.window.loaded = false;
}

}  // namespace

void Machine::loadInstructionsWindow()
{
    if (instructions.window.loaded) return;
    instructions = InstructionsScreen{};
    instructions.window.loaded = true;
    instructions.window.height = kInstructionsSize.height;
    instructions.window.width = kInstructionsSize.width;
    centre(instructions.window);
    fillInstructions();
}

// Sets both paragraphs afresh from their first piece, so they never double. The
// dotted background is the view's: it is decoration drawn from its own generator.
void Machine::fillInstructions()
{
    ++instructions.greyDotRuns;
    host_.processEvents();
    if (ended_) return;
    ++instructions.whiteDotRuns;
    instructions.Lblins1.caption.set(joinPieces(kInstructionPieces1));
    instructions.Lblins2.caption.set(joinPieces(kInstructionPieces2));
}

void Machine::openInstructionsWindow()
{
    main.window.pointer = Pointer::Hourglass;
    main.window.enabled = false;
    loadInstructionsWindow();
    if (ended_) return;
    instructions.window.visible = true;
    fillInstructions();  // activation
    if (ended_) return;
    prizeWindow().window.enabled = false;
    statsWindow().window.enabled = false;
}

void Machine::instructionsCloseClicked()
{
    if (!instructions.window.visible) return;
    playTick();
    main.window.enabled = true;
    instructions.window.visible = false;
    prizeWindow().window.enabled = true;
    statsWindow().window.enabled = true;
    closeInstructionsWindow(instructions, main);
}

void Machine::instructionsFrameClosed()
{
    if (!instructions.window.loaded) return;
    closeInstructionsWindow(instructions, main);
}

void Machine::instructionsBackgroundClicked() { host_.beep(); }

}  // namespace ferlow
