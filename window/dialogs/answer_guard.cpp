// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/dialogs/answer_guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <chrono>

namespace rumitaku {

AnswerGuard::AnswerGuard(QWidget* box)
    : QObject(box),
      box_(box),
      clock_([] {
          using namespace std::chrono;
          return static_cast<qint64>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
      })
{
    box->installEventFilter(this);
}

bool AnswerGuard::takesAnswers() const
{
    return shownAt_ && clock_() - *shownAt_ >= blindMs;
}

bool AnswerGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (watched == box_ && !shownAt_)
            appear();
        return false;
    case QEvent::Hide:
        if (watched == box_ && shownAt_)
            disappear();
        return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        break;
    default:
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != box_ && !box_->isAncestorOf(widget)))
        return false;  // not the box's, or the window system's window, whose widget gets the event next
    if (event == passed_ && widget->isAncestorOf(static_cast<const QWidget*>(passedAt_))) {
        passedAt_ = widget;
        return false;
    }
    const bool admitted = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress
                                  || event->type() == QEvent::KeyRelease
                              ? admitsKey(static_cast<QKeyEvent*>(event))
                              : admitsMouse(static_cast<QMouseEvent*>(event));
    if (!admitted) {
        event->accept();  // goes no further, to the box or anywhere
        return true;
    }
    passed_ = event;
    passedAt_ = widget;
    return false;
}

// A key press is seen first by the shortcuts, then as itself, and under a screen reader
// again as the bridge's copy: all take the decision made at the first. Keys that went
// down before the box appeared come to it as repeats, or as releases of presses it did
// not take.
bool AnswerGuard::admitsKey(const QKeyEvent* event)
{
    const int key = event->key();
    if (event->type() == QEvent::KeyRelease)
        return keys_.release(*event) && keysTaken_.erase(key) > 0;
    switch (keys_.press(*event)) {
    case KeyPresses::Press::Fresh:
        if (!takesAnswers())
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

bool AnswerGuard::admitsMouse(const QMouseEvent* event)
{
    const Qt::MouseButton button = event->button();
    if (event->type() == QEvent::MouseButtonRelease) {
        if (heldButtons_ & button) {
            heldButtons_ &= ~button;
            return false;
        }
        return takesAnswers();
    }
    if (!takesAnswers()) {
        heldButtons_ |= button;
        return false;
    }
    heldButtons_ &= ~button;
    return true;
}

// The whole application's input is watched while the box is shown: input goes to the
// box's window, and from it to its buttons.
void AnswerGuard::appear()
{
    shownAt_ = clock_();
    heldButtons_ = QGuiApplication::mouseButtons();
    keys_.forget();
    keysTaken_.clear();
    passed_ = nullptr;
    qApp->installEventFilter(this);
}

void AnswerGuard::disappear()
{
    qApp->removeEventFilter(this);
    shownAt_.reset();
}

}  // namespace rumitaku
