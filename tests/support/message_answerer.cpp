// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/message_answerer.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

namespace rumitaku::testing {

MessageAnswerer::MessageAnswerer(std::deque<Handler> handlers, std::chrono::milliseconds answerDelay,
                                 std::chrono::milliseconds deadline)
    : handlers_(std::move(handlers)), answerDelay_(answerDelay)
{
    deadline_.setSingleShot(true);
    deadline_.setInterval(deadline);
    connect(&deadline_, &QTimer::timeout, this, &MessageAnswerer::closeLateBox);
    QCoreApplication::instance()->installEventFilter(this);
}

MessageAnswerer::~MessageAnswerer()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool MessageAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
        return false;
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (!box)
        return false;
    if (event->type() == QEvent::Hide) {
        closedAt_.push_back(std::chrono::steady_clock::now());
        if (box == open_)
            deadline_.stop();
        return false;
    }
    open_ = box;
    deadline_.start();
    answer(*box);
    return false;
}

void MessageAnswerer::answer(QMessageBox& box)
{
    if (handlers_.empty())
        return;
    Handler handler = std::move(handlers_.front());
    handlers_.pop_front();
    // Answered from the box's own event loop: a box closed while it is still
    // being shown would never leave it.
    QPointer<QMessageBox> guard(&box);
    QTimer::singleShot(answerDelay_, &box, [guard, handler = std::move(handler)] {
        if (!guard)
            return;
        handler(*guard);
        wakeBoxLoop();
    });
}

// A handler that answers the box, or fails and leaves it to the deadline, often goes on
// handling events: QTest's key and mouse functions do after each press and release, and
// its waits do. The box's loop was told to end with a wake-up, which such handling may
// have taken: on Windows the loop, which got none, would then wait for an event that never
// comes. So it is woken again once the handler is done.
void MessageAnswerer::wakeBoxLoop()
{
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

void MessageAnswerer::closeLateBox()
{
    if (!open_ || !open_->isVisible())
        return;
    timedOut_ = true;
    open_->done(0);
}

void clickButton(QMessageBox& box, const QString& text)
{
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
}

}  // namespace rumitaku::testing
