// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/colour.h"

#include <string_view>

namespace rumitaku {

enum class Label { Label1, Label2 };
enum class Timer { Timer1, Timer2 };

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Question };
enum class MessageAnswer { Ok, Yes, No };

// The window operations the rules use. Positions and sizes are in twips.
// The window keeps each cell's colour; the rules read it back from here.
class Form {
public:
    virtual ~Form() = default;

    virtual void createCell(int index) = 0;  // a hidden copy of cell 0
    virtual int cellWidth(int index) const = 0;
    virtual int cellHeight(int index) const = 0;
    virtual void setCellTop(int index, int twips) = 0;
    virtual void setCellLeft(int index, int twips) = 0;
    virtual void setCellVisible(int index, bool visible) = 0;
    virtual void setCellColour(int index, Rgb colour) = 0;
    virtual Rgb cellColour(int index) const = 0;

    virtual void setLabelText(Label label, std::string_view utf8) = 0;
    virtual void setTimerEnabled(Timer timer, bool enabled) = 0;
    virtual void setTimerInterval(Timer timer, int milliseconds) = 0;

    // Modal; returns once the player has answered.
    virtual MessageAnswer showMessage(std::string_view prompt, MessageButtons buttons,
                                      MessageIcon icon, std::string_view title) = 0;

    virtual void showWindow() = 0;
    virtual void unloadWindow() = 0;
    virtual void endProgram() = 0;
};

}  // namespace rumitaku
