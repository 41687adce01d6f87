// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>
#include <QPointer>

#include <memory>
#include <utility>
#include <vector>

namespace rumitaku::testing {

// Takes the keys as Qt's accessibility bridge takes them while a screen reader, or any
// client, listens: each key event the window system delivers is held back at its first
// receiver, and once the client has answered (`clientAnswers`) a copy of it is posted
// there, made by the program and so without a time. Installed before the program's own
// filters, it sees each event after them, as the bridge, installed at start-up, does.
class ScreenReaderBridge : public QObject {
public:
    ScreenReaderBridge() { QCoreApplication::instance()->installEventFilter(this); }

    void clientAnswers()
    {
        for (auto& [target, copy] : held_)
            if (target)
                QCoreApplication::postEvent(target, copy.release());
        held_.clear();
        QCoreApplication::processEvents();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!event->spontaneous() || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        held_.emplace_back(watched, std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(),
                                                                key->nativeScanCode(), key->nativeVirtualKey(),
                                                                key->nativeModifiers(), key->text(),
                                                                key->isAutoRepeat(), key->count()));
        return true;
    }

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QKeyEvent>>> held_;
};

}  // namespace rumitaku::testing
