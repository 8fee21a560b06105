#include "engine/screens/opening_window.h"

#include <string>

#include "engine/version.h"

namespace ferlow {

OpeningScreen::OpeningScreen()
{
    constexpr Color blue = Color::rgb(0, 0, 255);
    window.caption = std::string("Ferlow V") + kVersion;
    const auto pair = [&](Label& dark, Label& light, const std::string& text, Color darkColour) {
        dark.caption = Caption(text);
        dark.fore = darkColour;
        light.caption = Caption(text);
        light.fore = blue;
    };
    pair(Label1, Label2, "Ferlow", palette::black);
    Label1.back = Color::rgb(192, 192, 192);
    pair(Label3, Label4, "For", palette::black);
    pair(Label5, Label6, "Windows", Color::windowText());
    pair(Label7, Label8, std::string("Version ") + kVersion, Color::windowText());
    Label9.caption = Caption("Please click on the Button ");
    Label9.fore = Color::rgb(192, 0, 0);
    Label10.caption = Caption(" AUSTRALIAN MADE.");
    Label10.fore = Color::rgb(0, 0, 192);
    CmdPlay.caption = "Play";
}

}  // namespace ferlow
