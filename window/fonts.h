// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace rumitaku {

// The labels' font: bold, from the first of the Japanese families that is installed.
QFont labelFont(qreal points);
// The window's own font, for the frames, the speed buttons and the message boxes.
QFont defaultFont();
// Whether the labels' font has Japanese glyphs, rather than empty boxes.
bool hasJapaneseFont();

}  // namespace rumitaku
