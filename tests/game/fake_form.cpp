// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/game/fake_form.h"

#include "game/colour.h"

#include <stdexcept>

namespace rumitaku::testing {

namespace {
std::size_t checked(int index)
{
    if (index < 0 || index >= 144)
        throw std::out_of_range("cell index " + std::to_string(index));
    return static_cast<std::size_t>(index);
}

const char* name(Timer timer)
{
    return timer == Timer::Timer1 ? "Timer1" : "Timer2";
}
}  // namespace

RecordingForm::RecordingForm()
{
    cells[0].created = true;
    cells[0].top = 120;
    cells[0].left = 120;
    cells[0].visible = true;
}

void RecordingForm::createCell(int index)
{
    Cell& cell = cells[checked(index)];
    if (cell.created)
        throw std::logic_error("cell created twice");
    cell = Cell{};
    cell.created = true;
    cell.colour = cells[0].colour;
}

int RecordingForm::cellWidth(int index) const
{
    checked(index);
    return templateSize;
}

int RecordingForm::cellHeight(int index) const
{
    checked(index);
    return templateSize;
}

void RecordingForm::setCellTop(int index, int twips)
{
    cells[checked(index)].top = twips;
}

void RecordingForm::setCellLeft(int index, int twips)
{
    cells[checked(index)].left = twips;
}

void RecordingForm::setCellVisible(int index, bool visible)
{
    cells[checked(index)].visible = visible;
}

void RecordingForm::setCellColour(int index, Rgb colour)
{
    Cell& cell = cells[checked(index)];
    if (!cell.created)
        throw std::logic_error("colour set on a cell that does not exist");
    cell.colour = colour;
}

Rgb RecordingForm::cellColour(int index) const
{
    return cells[checked(index)].colour;
}

void RecordingForm::setLabelText(Label label, std::string_view utf8)
{
    (label == Label::Label1 ? label1 : label2).assign(utf8);
    log.push_back(label == Label::Label1 ? "Label1" : "Label2");
}

void RecordingForm::setTimerEnabled(Timer timer, bool enabled)
{
    (timer == Timer::Timer1 ? timer1Enabled : timer2Enabled) = enabled;
    log.push_back(std::string(name(timer)) + (enabled ? " on" : " off"));
}

void RecordingForm::setTimerInterval(Timer timer, int milliseconds)
{
    (timer == Timer::Timer1 ? timer1Interval : timer2Interval) = milliseconds;
    log.push_back(std::string(name(timer)) + " interval " + std::to_string(milliseconds));
}

MessageAnswer RecordingForm::showMessage(std::string_view prompt, MessageButtons buttons,
                                         MessageIcon icon, std::string_view title)
{
    messages.push_back({std::string(prompt), buttons, icon, std::string(title)});
    log.push_back("message");
    if (answer)
        return answer(messages.back());
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

void RecordingForm::showWindow()
{
    shown = true;
    log.push_back("show");
}

void RecordingForm::unloadWindow()
{
    unloaded = true;
    log.push_back("unload");
}

void RecordingForm::endProgram()
{
    ended = true;
    log.push_back("end");
}

int RecordingForm::litCellCount() const
{
    int lit = 0;
    for (const Cell& cell : cells)
        lit += cell.created && !(cell.colour == cell_colour::idle);
    return lit;
}

}  // namespace rumitaku::testing
