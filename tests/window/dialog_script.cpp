// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/window/dialog_script.h"

#include <QAbstractButton>
#include <QApplication>

namespace rumitaku::testing {

namespace {
constexpr const char* answeredMark = "answeredByScript";
}

DialogScript::DialogScript(std::deque<Handler> handlers, int deadlineMs)
    : handlers_(std::move(handlers))
{
    connect(&poller_, &QTimer::timeout, this, &DialogScript::poll);
    connect(&deadline_, &QTimer::timeout, this, &DialogScript::giveUp);
    poller_.start(5);
    deadline_.setSingleShot(true);
    deadline_.start(deadlineMs);
}

void DialogScript::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    // A box may stand where the one before it stood: mark each as it is answered.
    if (!box || box->property(answeredMark).toBool() || !box->isVisible() || handlers_.empty())
        return;
    box->setProperty(answeredMark, true);
    const Handler handler = handlers_.front();
    handlers_.pop_front();
    handler(*box);
}

void DialogScript::giveUp()
{
    poller_.stop();
    for (int i = 0; i < 10; ++i) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timedOut_ = true;
        box->done(0);
    }
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
