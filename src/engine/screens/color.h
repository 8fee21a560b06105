// Colours as the machine's controls name them: a plain RGB triple or one of the
// desktop's system colours, which the views resolve from the current palette.
#pragma once

#include <cstdint>

namespace ferlow {

struct Color {
    enum class Kind : std::uint8_t { Rgb, ButtonFace, WindowText, WindowBackground, ButtonText };

    Kind kind = Kind::Rgb;
    std::uint8_t r = 0, g = 0, b = 0;

    static constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {Kind::Rgb, r, g, b}; }
    static constexpr Color buttonFace() { return {Kind::ButtonFace, 0, 0, 0}; }
    static constexpr Color windowText() { return {Kind::WindowText, 0, 0, 0}; }
    static constexpr Color windowBackground() { return {Kind::WindowBackground, 0, 0, 0}; }
    static constexpr Color buttonText() { return {Kind::ButtonText, 0, 0, 0}; }

    bool operator==(const Color&) const = default;
};

// The entries of the classic 16-colour palette the game uses.
namespace palette {
inline constexpr Color black = Color::rgb(0, 0, 0);           // 0
inline constexpr Color darkRed = Color::rgb(128, 0, 0);       // 4
inline constexpr Color darkGrey = Color::rgb(128, 128, 128);  // 8
inline constexpr Color brightRed = Color::rgb(255, 0, 0);     // 12
inline constexpr Color yellow = Color::rgb(255, 255, 0);      // 14
inline constexpr Color white = Color::rgb(255, 255, 255);     // 15
}  // namespace palette

}  // namespace ferlow
