// The two paragraphs of the instructions window, kept as the pieces they are
// built from (each piece brings its own leading blanks).
#pragma once

#include <array>
#include <string>

#include "engine/version.h"

namespace ferlow {

// The first piece names the program's version.
inline const std::array<std::string, 8> kInstructionPieces1{
    std::string("  Welcome to version ") + kVersion +
        " of Ferlow, this is a Windows 95/98/ME version, it is the same as the others.",
    " It has a few improvements like no need to click on the startup Window.",
    " Music and sound come from your multi media speakers, and sounds better now.",
    " At the end of the game, when it asks for your name please note that the",
    " place you are to enter your name is yellow.  To be able to enter your name click",
    " in the box, after which you will find that a cursor is ready for you to type.  This",
    " game simulates the machines that are in the Australian Casinos, but it is not the",
    " same, here you can win and win a lot, but you will not get richer or poorer by playing it.",
};

inline constexpr std::array<const char*, 6> kInstructionPieces2{
    "  As in the Casino the object of the game is to win, and if possible, more than any",
    " one else who plays after you.  To start with you have only 30 credits and 20 turns",
    " to win as much as you can.  Ferlow is not rigged, all the numbers chosen are",
    " randomly selected, your win or loss is totally based on luck and maybe a bit of",
    " skill. You can change the difficulty and style of play in Ferlow, by going to the File menu and choosing "
    "Difficulty. In the Difficulty Menu you will find 4 levels of play. Within these levels there are 2 styles of "
    "play. Style 1 is in Easy and Hard the computer chooses 20 numbers. Style 2 is in Medium and Hardest the "
    "computer chooses 22 numbers. This program has a Help Window, I believe it may help you until you become",
    " use to playing it. Beware when you select New game in the File menu, you will have to reselect your "
    "numbers.  I hope it is to your liking, and be on the look out for the next version.",
};

template <class Pieces>
std::string joinPieces(const Pieces& pieces)
{
    std::string text;
    for (const auto& piece : pieces) text += piece;
    return text;
}

}  // namespace ferlow
