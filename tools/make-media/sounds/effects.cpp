// The short effects heard during play: button tick, ball bonk and hit chime.
#include "sounds/sounds.h"

namespace media::sounds {

using synth::NoiseBurst;
using synth::Note;
using synth::Track;

Track tick()
{
    Track track(0.048);
    // A bright, very short noise snap gives the "click"; two damped tones
    // under it give it the body of a real switch instead of a hiss.
    track.addNoise({.start = 0.0,
                    .gain = 1.0,
                    .attack = 0.0004,
                    .decay = 0.0025,
                    .length = 0.02,
                    .lowCutHz = 2200.0,
                    .highCutHz = 9000.0,
                    .seed = 7});
    track.addNote({.start = 0.0,
                   .freq = 3150.0,
                   .gain = 0.55,
                   .attack = 0.0005,
                   .decay = 0.006,
                   .hold = 0.032,
                   .release = 0.01,
                   .partials = {{1.0, 1.0, 1.0}, {1.53, 0.4, 0.6}}});
    track.addNote({.start = 0.0,
                   .freq = 1180.0,
                   .gain = 0.35,
                   .attack = 0.001,
                   .decay = 0.011,
                   .hold = 0.034,
                   .release = 0.01,
                   .partials = {{1.0, 1.0, 1.0}, {2.0, 0.2, 0.5}}});
    // Quieter than the rest: it sounds on every single button press.
    track.finish(-9.0, 0.001, 0.006);
    return track;
}

Track boot()
{
    Track track(0.23);
    const std::vector<synth::Partial> woody{{1.0, 1.0, 1.0}, {2.0, 0.22, 0.45}, {2.92, 0.1, 0.3}};
    // The ball lands, then settles with two ever smaller bounces; each strike
    // starts a little sharp and sinks, which is what makes it a "bonk".
    struct Strike {
        double at, gain, decay;
    };
    for (const Strike s : {Strike{0.0, 1.0, 0.05}, Strike{0.095, 0.32, 0.032}, Strike{0.15, 0.11, 0.022}}) {
        track.addNote({.start = s.at,
                       .freq = 236.0,
                       .gain = s.gain,
                       .attack = 0.0015,
                       .decay = s.decay,
                       .hold = 0.2,
                       .release = 0.02,
                       .bendSemitones = -3.5,
                       .bendTime = 0.035,
                       .partials = woody});
        track.addNoise({.start = s.at,
                        .gain = 0.45 * s.gain,
                        .attack = 0.0005,
                        .decay = 0.005,
                        .length = 0.03,
                        .lowCutHz = 150.0,
                        .highCutHz = 1200.0,
                        .seed = 11});
    }
    track.finish(-6.0, 0.002, 0.012);
    return track;
}

Track hit()
{
    Track track(0.36);
    // Two quick chime strikes a fifth apart: "ding-ding". Bell overtones
    // (slightly stretched octaves and twelfths) die faster than the fundamental.
    const std::vector<synth::Partial> chime{
        {1.0, 1.0, 1.0}, {2.01, 0.34, 0.55}, {3.02, 0.16, 0.35}, {4.16, 0.08, 0.22}, {5.43, 0.05, 0.15}};
    track.addNote({.start = 0.0,
                   .freq = synth::midiToHz(88),
                   .gain = 0.8,
                   .attack = 0.001,
                   .decay = 0.085,
                   .hold = 0.33,
                   .release = 0.03,
                   .partials = chime});
    track.addNote({.start = 0.065,
                   .freq = synth::midiToHz(95),
                   .gain = 0.75,
                   .attack = 0.001,
                   .decay = 0.09,
                   .hold = 0.27,
                   .release = 0.025,
                   .partials = chime});
    for (double at : {0.0, 0.065})
        track.addNoise({.start = at,
                        .gain = 0.25,
                        .attack = 0.0003,
                        .decay = 0.0018,
                        .length = 0.012,
                        .lowCutHz = 4000.0,
                        .highCutHz = 0.0,
                        .seed = 3});
    track.finish(-3.5, 0.0015, 0.015);
    return track;
}

}  // namespace media::sounds
