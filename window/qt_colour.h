// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/colour.h"

#include <QColor>

#include <cstdint>

namespace rumitaku {

inline QColor qColour(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

// The text colour the layout leaves to the system: a light window's, black. Every text
// that takes it lies on a background the layout fixes, white or a light colour, on which
// a dark desktop theme's light text would vanish.
inline const QColor defaultTextColour{0, 0, 0};

inline Rgb rgbOf(QColor colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

}  // namespace rumitaku
