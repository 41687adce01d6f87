// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game.h"

#include "game/board.h"
#include "game/number_text.h"
#include "game/texts.h"

#include <cmath>
#include <limits>

namespace rumitaku {

Game::Game(Form& form, RandomSource& random, Clock& clock)
    : form_(form), random_(random), clock_(clock)
{
}

void Game::load()
{
    form_.setCellColour(0, cell_colour::idle.rgb);
    for (int i = 1; i < board::cellCount; ++i) {
        form_.createCell(i);
        form_.setCellTop(i, (form_.cellHeight(0) + board::gapTwips) * (i % board::rows)
                                + board::templateTopTwips);
        const double column = std::floor(i / static_cast<double>(board::rows));
        form_.setCellLeft(i, static_cast<int>(column * (form_.cellWidth(0) + board::gapTwips))
                                 + board::templateLeftTwips);
        form_.setCellColour(i, cell_colour::idle.rgb);
        form_.setCellVisible(i, true);
    }
    random_.seedFromClock();
    form_.showWindow();
    form_.setTimerEnabled(Timer::Timer1, false);
    form_.setTimerEnabled(Timer::Timer2, false);
    form_.showMessage(texts::startPrompt, MessageButtons::Ok, MessageIcon::Question,
                      texts::messageTitle);
    form_.setTimerEnabled(Timer::Timer1, true);
    form_.setTimerEnabled(Timer::Timer2, true);
    roundStart_ = clock_.steadySeconds();
}

void Game::timer1Timer()
{
    form_.setCellColour(lastCell_, cell_colour::idle.rgb);
    std::int16_t n = 0;
    do {
        n = Ransuu(0, board::cellCount - 1);
    } while (n == lastCell_);
    form_.setCellColour(n, drawColour());
    lastCell_ = n;
    showRemainingTime();
}

void Game::co1Click(std::int16_t index)
{
    // The colour table in its order, the first match applies: green, red, magenta, white,
    // grey, and idle, which changes nothing, as does a colour outside the table.
    const CellColour* colour = cellColourOf(form_.cellColour(index));
    // A score that would leave 16 bits stays where it is, and so does its display.
    if (colour && !changeScore(colour->effect))
        return;
    showScore();
}

void Game::timer2Timer()
{
    form_.setTimerEnabled(Timer::Timer1, false);
    form_.setTimerEnabled(Timer::Timer2, false);
    text_.assign(texts::roundEndPromptBefore);
    appendPlainForm(text_, score_);
    text_.append(texts::roundEndPromptAfter);
    const MessageAnswer answer =
        form_.showMessage(text_, MessageButtons::YesNo, MessageIcon::None, texts::messageTitle);
    if (answer == MessageAnswer::Yes) {
        score_ = 0;
        showScore();
        form_.setTimerEnabled(Timer::Timer1, true);
        form_.setTimerEnabled(Timer::Timer2, true);
        roundStart_ = clock_.steadySeconds();
    } else {
        form_.unloadWindow();
        form_.endProgram();
    }
}

void Game::command1Click()
{
    form_.setTimerInterval(Timer::Timer1, fastInterval);
}

void Game::command2Click()
{
    form_.setTimerInterval(Timer::Timer1, slowInterval);
}

void Game::command3Click()
{
    form_.setTimerInterval(Timer::Timer1, normalInterval);
}

void Game::showScore()
{
    text_.assign(texts::scorePrefix);
    appendDisplayForm(text_, score_);
    form_.setLabelText(Label::Label1, text_);
}

std::int16_t Game::Ransuu(std::int16_t low, std::int16_t up)
{
    const float r = random_.next();
    const float span = static_cast<float>(up - low + 1);
    const float scaled = span * r;
    return static_cast<std::int16_t>(std::floor(scaled + static_cast<float>(low)));
}

// One test after the other, each with a fresh number; the first that draws 1 decides.
Rgb Game::drawColour()
{
    if (Ransuu(0, 9) == 1)
        return cell_colour::lightRed.rgb;
    if (Ransuu(0, 7) == 1)
        return cell_colour::lightMagenta.rgb;
    if (Ransuu(0, 12) == 1)
        return cell_colour::brightWhite.rgb;
    if (Ransuu(0, 15) == 1)
        return cell_colour::grey.rgb;
    return cell_colour::lightGreen.rgb;
}

bool Game::changeScore(ScoreEffect effect)
{
    if (effect.resets) {
        score_ = 0;
        return true;
    }
    const int sum = score_ + effect.change;
    if (sum < std::numeric_limits<std::int16_t>::min() || sum > std::numeric_limits<std::int16_t>::max())
        return false;
    score_ = static_cast<std::int16_t>(sum);
    return true;
}

void Game::showRemainingTime()
{
    // Read from a steady clock, so that a round spanning midnight, summer time or
    // a change of the time of day counts on as the round does.
    const float elapsed = clock_.steadySeconds() - roundStart_;
    const float remaining = std::floor(roundSeconds - elapsed);
    text_.assign(texts::remainingPrefix);
    appendDisplayForm(text_, static_cast<long>(remaining));
    text_.append(texts::remainingSuffix);
    form_.setLabelText(Label::Label2, text_);
}

}  // namespace rumitaku
