// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace rumitaku {

// A colour as red, green and blue. Cells are told apart by exact equality.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The classic 16-colour palette, numbers 0 to 15.
constexpr Rgb paletteColour(int number)
{
    constexpr Rgb palette[16] = {
        {0, 0, 0},       {0, 0, 128},     {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128},   {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},     {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255},   {255, 255, 0}, {255, 255, 255},
    };
    return palette[number & 15];
}

// The cell colours and what a click on each does.
namespace cell_colour {
inline constexpr Rgb idle = paletteColour(11);          // light cyan: not lit
inline constexpr Rgb lightGreen = paletteColour(10);    // +1
inline constexpr Rgb lightRed = paletteColour(12);      // +5
inline constexpr Rgb lightMagenta = paletteColour(13);  // score back to 0
inline constexpr Rgb brightWhite = paletteColour(15);   // -5
inline constexpr Rgb grey = paletteColour(8);           // +8
}  // namespace cell_colour

}  // namespace rumitaku
