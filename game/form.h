// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/colour.h"

#include <string_view>

namespace rumitaku {

// The window's parts by the names the game's description gives them, and what each is:
//
//   Form1              the window
//   co1                the cells, 0 to 143, numbered down the columns; cell 0 is the
//                      template the others are copied from
//   Label1, Label2     the score display and the remaining-time display
//   Label3, Label4     their headings, 得点 and 時間
//   Label5 to Label9   the colour legend, in the frame Frame1 (色の説明)
//   Command1           早い, the fast speed button: 650 ms
//   Command3           普通？, the normal speed button: 800 ms
//   Command2           遅い, the slow speed button: 1400 ms, all three in the frame Frame2 (速度変更)
//   Timer1             the lighting tick
//   Timer2             the round's end
//   Ransuu             a whole number drawn uniformly from a range (Game::Ransuu)
//
// The rules see only what this interface gives them: the cells, the two displays,
// the two timers and the message boxes.

enum class Label { Label1, Label2 };
enum class Timer { Timer1, Timer2 };

// The timers' intervals as the window is made, in milliseconds. Timer1 keeps its own until
// a speed button is pressed; Timer2's is the length of a round.
inline constexpr int timer1StartInterval = 700;
inline constexpr int timer2Interval = 40000;

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
