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

inline Rgb rgbOf(QColor colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

}  // namespace rumitaku
