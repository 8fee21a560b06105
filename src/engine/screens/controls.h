// The machine's controls as plain data: what each lamp, label, button and menu
// item of the cabinet shows. The engine writes them; the views draw them.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "engine/screens/color.h"

namespace ferlow {

// A caption that can carry a change rule: some labels rewrite themselves from the
// game state whenever their text changes. Setting the text it already has raises
// no change, so a rule that sets its own caption settles after one round.
class Caption {
public:
    Caption() = default;
    explicit Caption(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    void set(std::string text)
    {
        if (text == text_) return;
        text_ = std::move(text);
        if (onChange_) onChange_();
    }
    void setOnChange(std::function<void()> rule) { onChange_ = std::move(rule); }

private:
    std::string text_;
    std::function<void()> onChange_;
};

struct Control {
    bool enabled = true;
    bool visible = true;
    std::string tooltip;
};

// Labels and 3-D panels.
struct Label : Control {
    Caption caption;
    Color fore = Color::windowText();
    Color back = Color::buttonFace();
};

// A picture file shown in a picture box, an image or on a button face. Every
// assignment counts as a new showing, so the view reads the file again even when
// the name did not change.
struct Picture {
    std::string file;
    unsigned showings = 0;

    void show(std::string path)
    {
        file = std::move(path);
        ++showings;
    }
};

struct PictureBox : Control {
    Picture picture;
    Color back = Color::buttonFace();
};

struct Button : Control {
    std::string caption;
    Picture face;
};

struct TextBox : Control {
    std::string text;
    Color back = Color::windowBackground();
    int maxLength = 0;  // 0: no limit
};

// Pictures of the main window's image list.
enum class ListImage { Picked = 1, Drawn = 2, Hit = 3, EmblemA = 4, EmblemB = 5 };

// A ball marker lying over a board number. Its box is 345 twips high whatever
// picture it shows (the board's layout holds that height).
struct Marker : Control {
    ListImage image = ListImage::Picked;

    void setImage(ListImage picture) { image = picture; }
};

enum class Pointer { Default, Hourglass, ArrowHourglass };

// A control's place in twips, from the top-left of what holds it.
struct TwipsRect {
    int left, top, width, height;
};

// A window's size in twips, outer: its frame included.
struct WindowSize {
    double width, height;
};

// The frame around a fixed-size window, in twips: the views lay out the client
// area inside a model's outer size.
inline constexpr double kFrameWidthTwips = 120;
inline constexpr double kFrameHeightTwips = 405;

// A window's own state: the views create, show, hide, enable and destroy their
// windows to match. Positions and sizes are outer sizes in twips.
struct WindowState {
    std::string caption;
    bool loaded = false;
    bool visible = false;
    bool enabled = true;
    Pointer pointer = Pointer::Default;
    double left = 0, top = 0, width = 0, height = 0;
};

}  // namespace ferlow
