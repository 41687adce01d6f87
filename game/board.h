// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The board of cells, in twips: the rules place the cells, the window lays out the
// template cell they are copied from.
namespace rumitaku::board {

inline constexpr int cellCount = 144;
inline constexpr int rows = 12;  // cells are numbered down the columns
inline constexpr int columns = cellCount / rows;
static_assert(rows * columns == cellCount);

// Cell 0, the template: where it stands and its size, square.
inline constexpr int templateLeftTwips = 120;
inline constexpr int templateTopTwips = 120;
inline constexpr int cellSizeTwips = 495;
// Between neighbouring cells, across and down.
inline constexpr int gapTwips = 120;

}  // namespace rumitaku::board
