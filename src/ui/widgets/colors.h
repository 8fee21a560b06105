// The machine's colours as Qt colours: system colours come from the palette.
#pragma once

#include <QColor>
#include <QPalette>

#include "engine/screens/color.h"

namespace ferlow::ui {

inline QColor toQColor(const Color& c, const QPalette& palette)
{
    switch (c.kind) {
    case Color::Kind::Rgb: return QColor(c.r, c.g, c.b);
    case Color::Kind::ButtonFace: return palette.color(QPalette::Button);
    case Color::Kind::WindowText: return palette.color(QPalette::WindowText);
    case Color::Kind::WindowBackground: return palette.color(QPalette::Base);
    case Color::Kind::ButtonText: return palette.color(QPalette::ButtonText);
    }
    return {};
}

}  // namespace ferlow::ui
