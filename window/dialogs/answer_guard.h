// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/key_presses.h"

#include <QObject>

#include <functional>
#include <optional>
#include <set>

class QInputEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace rumitaku {

// Keeps a question from being answered by input meant for what stood beneath it.
// The question comes up while the player is busy clicking cells: a click on its
// way, a key held down or auto-repeating, a mouse button already down must not
// answer it. So the question takes no key or mouse press in the first moment
// after it is on screen, nor any key or button that went down before, until that key
// or button has been let go and pressed afresh. A button's click() called by the
// program is not input and is left alone.
class AnswerGuard : public QObject {
    Q_OBJECT

public:
    // A stimulus that comes unexpected takes 200 to 250 ms to be seen and reacted
    // to, and the hand's movement some 100 ms more: a press within 400 ms of the
    // question's appearance was meant for the board. A player who reads the
    // question needs longer than that before answering it.
    static constexpr int blindMs = 400;

    // Watches the input that reaches `box` while it is shown.
    explicit AnswerGuard(QWidget* box);

    // Whether the moment after the box came on screen has passed.
    bool takesAnswers() const;

    // The steady clock it reads, in milliseconds; tests set their own.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // The window system's input time, as inputTimeNow() reads it; tests set their own.
    using InputClock = std::function<std::optional<quint32>()>;
    void setInputClock(InputClock clock) { inputClock_ = std::move(clock); }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool admitsKey(const QKeyEvent& event);
    bool admitsMouse(const QMouseEvent& event);
    bool takesPress(const QInputEvent& event) const;
    void appear();
    void disappear();

    QWidget* box_;
    Clock clock_;
    InputClock inputClock_;
    bool shown_ = false;
    // When the box's window was first exposed: mapped and drawn, where the player can see it.
    // A window manager or compositor that is slow maps it well after Qt shows it.
    std::optional<qint64> onScreenAt_;
    // The same moment in the window system's input time, where it can be read.
    std::optional<quint32> inputTimeOnScreen_;
    // The keys that are down on the box, and of them those whose press it took.
    KeyPresses keys_;
    std::set<int> keysTaken_;
    Qt::MouseButtons heldButtons_;
};

}  // namespace rumitaku
