#pragma once

#include <QFont>

namespace rumitaku {

// The labels' font: bold, from the first of the Japanese families that is installed.
QFont fontA(qreal points);
// The window's own font, for the frames, the speed buttons and the message boxes.
QFont defaultFont();
// Whether the labels' font has Japanese glyphs, rather than empty boxes.
bool hasJapaneseFont();

}  // namespace rumitaku
