// Finds texts a window cannot show whole: labels, buttons and fields whose text
// is wider or taller than the room they have, in the fonts of this desktop,
// and controls that stick out of their parent.
#pragma once

#include <QStringList>

class QWidget;

namespace ferlow::test {

// One line per fault: the control's name, its text and the room it lacks.
QStringList clippedTexts(const QWidget* window);

}  // namespace ferlow::test
