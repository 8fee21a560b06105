// Names of the picture and sound files in the data folder.
#pragma once

namespace ferlow::files {

inline constexpr const char* kLogo = "logo.bmp";
inline constexpr const char* kPlating = "plating.bmp";
inline constexpr const char* kPlatingPressed = "plating2.bmp";
inline constexpr const char* kHourglass[6] = {"hg1.bmp", "hg2.bmp", "hg3.bmp", "hg4.bmp", "hg5.bmp", "hg6.bmp"};
inline constexpr const char* kOpeningPicture = "Australian.bmp";
inline constexpr const char* kHelpPage = "help.bmp";
// Faces by rating 1 (best) .. 6.
inline constexpr const char* kFaces[6] = {"smile4.bmp", "smile3.bmp", "smile2.bmp",
                                          "smile1.bmp", "straight.bmp", "sad.bmp"};

inline constexpr const char* kOpeningSound = "ferlow.wav";
inline constexpr const char* kTickSound = "tick.wav";
inline constexpr const char* kBallSound = "boot.wav";
inline constexpr const char* kHitSound = "hit.wav";
inline constexpr const char* kLostSound = "lost.wav";
inline constexpr const char* kSmallWinSound = "small.wav";
inline constexpr const char* kBigWinSound = "mmm.wav";

inline constexpr const char* kReadMe = "README.html";

}  // namespace ferlow::files
