// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/dialogs/answer_guard.h"

#include "window/input_time.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <chrono>

namespace rumitaku {

AnswerGuard::AnswerGuard(QWidget* box)
    : QObject(box),
      box_(box),
      clock_([] {
          using namespace std::chrono;
          return static_cast<qint64>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
      }),
      inputClock_(inputTimeNow)
{
    box->installEventFilter(this);
}

bool AnswerGuard::takesAnswers() const
{
    return onScreenAt_ && clock_() - *onScreenAt_ >= blindMs;
}

// A press answers once the moment has passed, and only if it was made after the moment:
// input reaches the program late when the window manager held it back, or the program
// was kept from reading it, and keeps the time it was made.
bool AnswerGuard::takesPress(const QInputEvent& event) const
{
    if (!takesAnswers())
        return false;
    return !inputTimeOnScreen_ || inputTimeSince(*inputTimeOnScreen_, event.timestamp()) >= blindMs;
}

// The player's input comes to the box through its window, which hands it on to the
// button it is for: so each key and click is judged there, once, as the window system
// gave it, with its time. Under a screen reader, Qt's accessibility bridge takes each
// key the window lets through, and once the reader has seen it, which may be long
// after, the program posts a copy of it to the window: a copy, without a time, of a key
// already judged and let through.
bool AnswerGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box_) {
        if (event->type() == QEvent::Show && !shown_)
            appear();
        else if (event->type() == QEvent::Hide && shown_)
            disappear();
        return false;
    }
    if (!shown_ || watched != box_->windowHandle())
        return false;
    bool admitted = true;
    switch (event->type()) {
    case QEvent::Expose:
        if (!onScreenAt_ && box_->windowHandle()->isExposed()) {
            onScreenAt_ = clock_();
            inputTimeOnScreen_ = inputClock_();
        }
        return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        admitted = !event->spontaneous() || admitsKey(static_cast<const QKeyEvent&>(*event));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        admitted = admitsMouse(static_cast<const QMouseEvent&>(*event));
        break;
    default:
        return false;
    }
    if (admitted)
        return false;
    // Goes no further, to a button or to the bridge. A ShortcutOverride accepted says
    // the key is the focused button's, which keeps Qt from trying it as a shortcut: it
    // is what keeps a button's mnemonic (Alt+N) from firing.
    event->accept();
    return true;
}

// A key press comes first to the shortcuts, then as itself, with the same time: both take
// the decision made at the first. Keys that went down before the box appeared come to it
// as repeats, or as releases of presses it did not take.
bool AnswerGuard::admitsKey(const QKeyEvent& event)
{
    const int key = event.key();
    if (event.type() == QEvent::KeyRelease)
        return keys_.release(event) && keysTaken_.erase(key) > 0;
    switch (keys_.press(event)) {
    case KeyPresses::Press::Fresh:
        if (!takesPress(event))
            return false;
        keysTaken_.insert(key);
        return true;
    case KeyPresses::Press::Again:
        return keysTaken_.count(key) > 0;
    case KeyPresses::Press::Repeat:
        break;
    }
    return false;
}

bool AnswerGuard::admitsMouse(const QMouseEvent& event)
{
    const Qt::MouseButton button = event.button();
    if (event.type() == QEvent::MouseButtonRelease) {
        if (heldButtons_ & button) {
            heldButtons_ &= ~button;
            return false;
        }
        return takesPress(event);
    }
    if (!takesPress(event)) {
        heldButtons_ |= button;
        return false;
    }
    heldButtons_ &= ~button;
    return true;
}

// The window's events are watched where the whole application's are, as the bridge
// watches them: installed after the bridge's, this filter sees each key before the
// bridge takes it.
void AnswerGuard::appear()
{
    shown_ = true;
    onScreenAt_.reset();
    inputTimeOnScreen_.reset();
    heldButtons_ = QGuiApplication::mouseButtons();
    keys_.forget();
    keysTaken_.clear();
    qApp->installEventFilter(this);
}

void AnswerGuard::disappear()
{
    qApp->removeEventFilter(this);
    shown_ = false;
}

}  // namespace rumitaku
