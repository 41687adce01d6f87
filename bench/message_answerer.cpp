// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/message_answerer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace rumitaku::bench {

MessageAnswerer::MessageAnswerer(std::deque<Handler> handlers, std::chrono::milliseconds answerDelay)
    : handlers_(std::move(handlers)), answerDelay_(answerDelay)
{
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
        closedAt_.push_back(now());
        return false;
    }
    if (handlers_.empty())
        return false;
    Handler handler = std::move(handlers_.front());
    handlers_.pop_front();
    // Answered from the box's own event loop (a box closed while it is still
    // being shown would never leave it), and after a player's moment, by
    // which the window behind has long been drawn.
    QPointer<QMessageBox> guard(box);
    QTimer::singleShot(answerDelay_, box, [guard, handler = std::move(handler)] {
        if (guard)
            handler(*guard);
    });
    return false;
}

}  // namespace rumitaku::bench
