// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/texts.h"

#include <cstdint>
#include <string_view>

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

// What a click on a cell does to the score: add `change` to it, or set it back to 0.
struct ScoreEffect {
    int change = 0;
    bool resets = false;
};

// A colour a cell can show: its value, what a click on a cell of it does, and the
// word a screen reader says for it.
struct CellColour {
    Rgb rgb;
    ScoreEffect effect;
    std::string_view word;

    constexpr operator Rgb() const { return rgb; }
};

namespace cell_colour {
inline constexpr CellColour lightGreen{paletteColour(10), {+1}, texts::colourGreen};
inline constexpr CellColour lightRed{paletteColour(12), {+5}, texts::colourRed};
inline constexpr CellColour lightMagenta{paletteColour(13), {0, true}, texts::colourMagenta};
inline constexpr CellColour brightWhite{paletteColour(15), {-5}, texts::colourWhite};
inline constexpr CellColour grey{paletteColour(8), {+8}, texts::colourGrey};
inline constexpr CellColour idle{paletteColour(11), {}, texts::cellIdle};  // light cyan: not lit

// The table in the order a click compares a cell's colour with it: the lit colours, then idle.
inline constexpr CellColour table[] = {lightGreen, lightRed, lightMagenta, brightWhite, grey, idle};
}  // namespace cell_colour

// The first entry of the table with the value `rgb`; none for a colour outside it.
constexpr const CellColour* cellColourOf(Rgb rgb)
{
    for (const CellColour& colour : cell_colour::table) {
        if (colour.rgb == rgb)
            return &colour;
    }
    return nullptr;
}

}  // namespace rumitaku
