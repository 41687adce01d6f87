// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls/caption_label.h"
#include "window/controls/cell_button.h"
#include "game/board.h"
#include "game/form.h"

#include <QTimer>
#include <QWidget>

#include <array>

namespace rumitaku {

// The game's one window, Form1: the cells, the score and time displays, the
// colour legend, the speed buttons and the two timers, laid out in twips at
// 15 twips to the pixel. It delivers its events as signals and carries out
// the rules' operations.
class MainWindow : public QWidget, public Form {
    Q_OBJECT

public:
    static constexpr int twipsPerPixel = 15;
    // The score display, and the frame of the speed buttons with their places in it: named
    // for the build, which writes their pixels for the scripts that read and click them.
    static constexpr int scoreLeftTwips = 8160;
    static constexpr int scoreTopTwips = 1440;
    static constexpr int displayWidthTwips = 1815;
    static constexpr int displayHeightTwips = 615;
    static constexpr int speedFrameLeftTwips = 7560;
    static constexpr int speedFrameTopTwips = 5880;
    static constexpr int fastLeftTwips = 120;
    static constexpr int normalLeftTwips = 1080;
    static constexpr int slowLeftTwips = 2040;
    static constexpr int speedButtonTopTwips = 240;
    static constexpr int speedButtonWidthTwips = 735;
    static constexpr int speedButtonHeightTwips = 495;

    explicit MainWindow(QWidget* parent = nullptr);

    CellButton* co1(int index) const { return co1_[static_cast<std::size_t>(index)]; }
    const QTimer& timer(Timer which) const { return which == Timer::Timer1 ? timer1_ : timer2_; }

    // Form
    void createCell(int index) override;
    int cellWidth(int index) const override;
    int cellHeight(int index) const override;
    void setCellTop(int index, int twips) override;
    void setCellLeft(int index, int twips) override;
    void setCellVisible(int index, bool visible) override;
    void setCellColour(int index, Rgb colour) override;
    Rgb cellColour(int index) const override;
    void setLabelText(Label label, std::string_view utf8) override;
    void setTimerEnabled(Timer which, bool enabled) override;
    void setTimerInterval(Timer which, int milliseconds) override;
    MessageAnswer showMessage(std::string_view prompt, MessageButtons buttons, MessageIcon icon,
                              std::string_view title) override;
    void showWindow() override;
    void unloadWindow() override;
    void endProgram() override;

signals:
    void co1Clicked(int index);
    void timer1Timer();  // the lighting tick
    void timer2Timer();  // the round's end
    void command1Clicked();  // 早い, the fast button
    void command2Clicked();  // 遅い, the slow button
    void command3Clicked();  // 普通？, the normal button

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTimer& timerOf(Timer which) { return which == Timer::Timer1 ? timer1_ : timer2_; }
    void connectCell(int index);
    void waitUntilDrawn();
    void keepWhole();

    std::array<CellButton*, board::cellCount> co1_{};
    CaptionLabel* label1_ = nullptr;                 // the score display
    CaptionLabel* label2_ = nullptr;                 // the remaining-time display
    QTimer timer1_;  // the lighting tick
    QTimer timer2_;  // the round's end
};

}  // namespace rumitaku
