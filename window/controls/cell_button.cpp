// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls/cell_button.h"

#include "game/board.h"

namespace rumitaku {

CellButton::CellButton(int index, QWidget* parent) : FlatButton(parent), index_(index) {}

int CellButton::column() const
{
    return index_ / board::rows;
}

int CellButton::row() const
{
    return index_ % board::rows;
}

}  // namespace rumitaku
