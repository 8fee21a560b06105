// The media catalogue: every picture and sound file of the game's data folder,
// by name. The machine shows and plays them by these names, make-media draws and
// synthesises exactly these (and each picture's fine drawing), and the build
// installs what make-media made.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ferlow::files {

inline constexpr const char* kLogo = "logo.bmp";
inline constexpr const char* kPlating = "plating.bmp";
inline constexpr const char* kPlatingPressed = "plating2.bmp";
inline constexpr const char* kHourglass[6] = {"hg1.bmp", "hg2.bmp", "hg3.bmp", "hg4.bmp", "hg5.bmp", "hg6.bmp"};
inline constexpr const char* kOpeningPicture = "Australian.bmp";
inline constexpr const char* kHelpPage = "help.bmp";
// Faces by rating 1 (best) .. 6.
inline constexpr const char* kFaces[6] = {"smile4.bmp", "smile3.bmp",   "smile2.bmp",
                                          "smile1.bmp", "straight.bmp", "sad.bmp"};

// Every picture also lies beside its file drawn twice as fine, for screens with
// two device pixels to the point: "logo@2x.bmp" beside "logo.bmp", twice as wide
// and twice as high.
inline constexpr int kFineScale = 2;
inline constexpr std::string_view kFineSuffix = "@2x";

// The fine drawing's name for a picture's name or path: the suffix goes
// before the extension of the file name.
inline std::string fineName(std::string_view picture)
{
    const std::size_t slash = picture.find_last_of("/\\");
    const std::size_t dot = picture.rfind('.');
    const std::size_t at =
        dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash) ? picture.size() : dot;
    std::string name(picture.substr(0, at));
    name += kFineSuffix;
    name += picture.substr(at);
    return name;
}

inline constexpr const char* kOpeningSound = "ferlow.wav";
inline constexpr const char* kTickSound = "tick.wav";
inline constexpr const char* kBallSound = "boot.wav";
inline constexpr const char* kHitSound = "hit.wav";
inline constexpr const char* kLostSound = "lost.wav";
inline constexpr const char* kSmallWinSound = "small.wav";
inline constexpr const char* kBigWinSound = "mmm.wav";

inline constexpr std::array kPictures{kLogo,         kPlating,      kPlatingPressed, kHourglass[0], kHourglass[1],
                                      kHourglass[2], kHourglass[3], kHourglass[4],   kHourglass[5], kOpeningPicture,
                                      kHelpPage,     kFaces[0],     kFaces[1],       kFaces[2],     kFaces[3],
                                      kFaces[4],     kFaces[5]};
inline constexpr std::array kSounds{kOpeningSound, kTickSound,     kBallSound,  kHitSound,
                                    kLostSound,    kSmallWinSound, kBigWinSound};

// The read-me document, which lies in the data folder too; written by hand, not
// made by make-media.
inline constexpr const char* kReadMe = "README.html";

}  // namespace ferlow::files
