// Recipes for every sound the game plays; each returns a finished clip.
#pragma once

#include "synth.h"

namespace media::sounds {

// Short effects (effects.cpp).
synth::Track tick();  // button press; played synchronously, so very short
synth::Track boot();  // a drawn ball landing on a number the player did not pick
synth::Track hit();   // a drawn ball landing on a picked number

// Little tunes (tunes.cpp).
synth::Track lost();  // a turn that paid nothing
synth::Track smallWin();
synth::Track bigWin();
synth::Track opening();  // the jingle of the opening window

}  // namespace media::sounds
