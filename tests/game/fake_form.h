// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace rumitaku::testing {

// A window that records every operation the rules ask of it, in order.
class RecordingForm : public Form {
public:
    struct Cell {
        bool created = false;
        int top = 0;
        int left = 0;
        bool visible = false;
        Rgb colour{};
    };
    struct Message {
        std::string prompt;
        MessageButtons buttons;
        MessageIcon icon;
        std::string title;
    };

    static constexpr int templateSize = 495;

    RecordingForm();

    void createCell(int index) override;
    int cellWidth(int index) const override;
    int cellHeight(int index) const override;
    void setCellTop(int index, int twips) override;
    void setCellLeft(int index, int twips) override;
    void setCellVisible(int index, bool visible) override;
    void setCellColour(int index, Rgb colour) override;
    Rgb cellColour(int index) const override;
    void setLabelText(Label label, std::string_view utf8) override;
    void setTimerEnabled(Timer timer, bool enabled) override;
    void setTimerInterval(Timer timer, int milliseconds) override;
    MessageAnswer showMessage(std::string_view prompt, MessageButtons buttons, MessageIcon icon,
                              std::string_view title) override;
    void showWindow() override;
    void unloadWindow() override;
    void endProgram() override;

    // Lights cell `index` as a tick would, without logging it.
    void paint(int index, Rgb colour) { cells[static_cast<std::size_t>(index)].colour = colour; }
    int litCellCount() const;

    std::array<Cell, 144> cells{};
    std::string label1;
    std::string label2;
    bool timer1Enabled = true;
    bool timer2Enabled = true;
    int timer1Interval = 700;
    int timer2Interval = 40000;
    std::vector<Message> messages;
    // Called while a message is open; answers it (Ok or Yes by default).
    std::function<MessageAnswer(const Message&)> answer;
    bool shown = false;
    bool unloaded = false;
    bool ended = false;
    // One line per operation other than the cells' own, e.g. "Timer1 off".
    std::vector<std::string> log;
};

}  // namespace rumitaku::testing
