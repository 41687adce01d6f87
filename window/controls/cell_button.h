// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls/flat_button.h"

namespace rumitaku {

// A cell of the board: cell `index` stands in column index ÷ 12 and row
// index mod 12, both counted from 0.
class CellButton : public FlatButton {
    Q_OBJECT

public:
    CellButton(int index, QWidget* parent);

    int index() const { return index_; }
    int column() const;
    int row() const;

private:
    int index_;
};

}  // namespace rumitaku
