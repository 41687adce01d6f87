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
    // The whole application's input: a key pressed on the board before the box
    // appears is still down when it does.
    qApp->installEventFilter(this);
}

AnswerGuard::~AnswerGuard()
{
    qApp->removeEventFilter(this);
}

bool AnswerGuard::takesAnswers() const
{
    return shownAt_ && clock_() - *shownAt_ >= blindMs;
}

bool AnswerGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
        if (watched == box_) {
            if (event->type() == QEvent::Show)
                appear();
            else
                shownAt_.reset();
        }
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
    if (!widget)
        return false;  // the window system's window; its widget gets the event next
    if (widget != box_ && !box_->isAncestorOf(widget)) {
        if (!box_->isVisible() && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
            watchKeyElsewhere(static_cast<QKeyEvent*>(event));
        return false;
    }
    if (event == passed_ && widget->isAncestorOf(static_cast<const QWidget*>(passedAt_))) {
        passedAt_ = widget;
        return false;
    }
    const bool admitted = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress
                                  || event->type() == QEvent::KeyRelease
                              ? decideKey(static_cast<QKeyEvent*>(event))
                              : admitsMouse(static_cast<QMouseEvent*>(event));
    if (!admitted) {
        event->accept();  // goes no further, to the box or anywhere
        return true;
    }
    passed_ = event;
    passedAt_ = widget;
    return false;
}

bool AnswerGuard::decideKey(const QKeyEvent* event)
{
    const int key = event->key();
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        pendingKey_ = key;
        pendingAdmitted_ = admitsPress(event);
        return pendingAdmitted_;
    case QEvent::KeyPress:
        if (pendingKey_ == key) {
            pendingKey_ = 0;
            return pendingAdmitted_;
        }
        return admitsPress(event);
    default:
        pendingKey_ = 0;
        return admitsRelease(event);
    }
}

bool AnswerGuard::admitsPress(const QKeyEvent* event)
{
    const int key = event->key();
    if (!takesAnswers()) {
        keysDown_.erase(key);
        heldKeys_[key] = std::nullopt;
        return false;
    }
    if (event->isAutoRepeat())
        return false;
    if (const auto held = heldKeys_.find(key); held != heldKeys_.end()) {
        // X repeats a held key as a release and a press at the very same time, and
        // Qt does not always see the pair for what it is. Events made within the
        // program carry no time and are never taken for a repeat.
        const std::optional<unsigned long> released = held->second;
        if (!released || (*released == event->timestamp() && event->timestamp() != 0)) {
            held->second = std::nullopt;
            return false;
        }
        heldKeys_.erase(held);  // let go, and now pressed afresh
    }
    // A repeat that came without its release.
    return keysDown_.insert(key).second;
}

bool AnswerGuard::admitsRelease(const QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return false;
    const int key = event->key();
    if (keysDown_.erase(key) > 0)
        return true;
    heldKeys_[key] = event->timestamp();
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

// Keys pressed on the board while the box is away are down when it appears,
// unless they are let go before.
void AnswerGuard::watchKeyElsewhere(const QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    if (event->type() == QEvent::KeyPress)
        heldKeys_[event->key()] = std::nullopt;
    else
        heldKeys_.erase(event->key());
}

void AnswerGuard::appear()
{
    shownAt_ = clock_();
    heldButtons_ = QGuiApplication::mouseButtons();
    for (const int key : keysDown_)
        heldKeys_[key] = std::nullopt;
    keysDown_.clear();
    pendingKey_ = 0;
    passed_ = nullptr;
}

}  // namespace rumitaku
