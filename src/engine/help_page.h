// The words of the help page. make-media draws them into help.bmp beside its
// pictures of the windows, and the help window gives them to screen readers,
// so what is read out is what the page shows.
#pragma once

#include <array>
#include <string>

namespace ferlow::help {

inline constexpr const char* kTitle = "Ferlow Help";
inline constexpr const char* kTagline = "Pick, bet, and watch the balls fall.";

// A section's text is marked up for the page: **bold**, [blue], [red] or
// [purple] for a ball drawn in the line, a newline for a line break.
struct Section {
    const char* title;
    const char* text;
};

inline constexpr std::array<Section, 5> kSections{{
    {"Pick your numbers",
     "Click 4 to 10 numbers on the green board: each pick gets a [blue] blue ball. Click it again to "
     "take it back, or let **Quick Pick** (File menu) choose."},
    {"Place your bet",
     "Press **Bet** and choose **5, 10, 20, 50, 100** or **All**, or type 1 to 100 beside **Other :** "
     "(not more than your credit). **Hold** keeps that amount for the next turns. Press **Ok**; "
     "the gauge fills in red every turn."},
    {"Play", "**Play** draws 20 balls, a second apart (22 on Medium and Hardest): [red] not yours, [purple] a hit. "
             "Wins count into your credit; too few hits lose the bet."},
    {"Your game", "A game: 30 credits, 20 turns. Dark panels show hits, win, credit and bet; the hourglass, turns "
                  "left. A good final credit joins the **High Scores**."},
    {"The other windows", "**Prizes** (File menu): what your hits pay.\n"
                          "**Statistics** (Options menu): draws per number.\n"
                          "**Difficulty** (File menu): harder levels pay less."},
}};

// The whole page as plain sentences for a screen reader: the title, then each
// section's title and text, with the markup taken out.
std::string spokenText();

}  // namespace ferlow::help
