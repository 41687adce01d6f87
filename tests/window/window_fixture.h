// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/game/scripted.h"
#include "tests/support/window_game.h"

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>

namespace rumitaku::testing {

// A key event as the X server delivers it, with its time and its repeat flag.
inline void sendKey(QWidget* to, QEvent::Type type, Qt::Key key, bool autoRepeat, unsigned long time)
{
    QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString(),
                    autoRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(to, &event);
}

// The same as the window system gives it to a window, which hands it on to its focused
// widget: from outside the program, and a press to the shortcuts first.
inline void sendKey(QWindow* to, QEvent::Type type, Qt::Key key, bool autoRepeat, unsigned long time)
{
    const auto deliver = [&](QEvent::Type as) {
        QKeyEvent event(as, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString(), autoRepeat);
        event.setTimestamp(time);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::instance()->notify(to, &event);
    };
    if (type == QEvent::KeyPress)
        deliver(QEvent::ShortcutOverride);
    deliver(type);
}

// The longest texts the score and time displays show.
inline void showLongestTexts(MainWindow& window)
{
    window.setLabelText(Label::Label1, "得点 = -32768");
    window.setLabelText(Label::Label2, " 残り  40 秒 ");
}

// The real window with the rules behind it, with a fixed seed and a clock the test sets;
// or, for a test of the window's own behaviour, the window alone, whose timers then fire
// into nothing.
class WindowFixture : public ::testing::Test {
protected:
    enum class Rules { Behind, None };

    explicit WindowFixture(Rules rules = Rules::Behind, std::uint32_t seed = 7)
        : random(seed),
          play_(rules == Rules::Behind ? std::make_unique<WindowGame>(random, clock) : nullptr),
          alone_(play_ ? nullptr : std::make_unique<MainWindow>()),
          window(play_ ? play_->window : *alone_)
    {
    }

    FixedSeedRandom random;
    ScriptedClock clock;

private:
    std::unique_ptr<WindowGame> play_;
    std::unique_ptr<MainWindow> alone_;

protected:
    MainWindow& window;

    // The rules; only where they are behind the window.
    Game& game() { return play().game; }
    WindowGame& play()
    {
        if (!play_)
            throw std::logic_error("the window was made without the rules");
        return *play_;
    }

    // Tears the rules and the window down as the program does, the rules first; the test
    // touches neither afterwards.
    void tearDownAsTheProgramDoes()
    {
        play_.reset();
        alone_.reset();
    }

    void loadAnsweringOk() { ASSERT_TRUE(play().loadAnsweringOk()) << "the start message stayed open"; }
    // Start-up, after which the test delivers the ticks and round ends itself.
    void loadWithTimersStopped()
    {
        loadAnsweringOk();
        play().stopTimers();
    }

    template <typename T = QWidget>
    T* control(const char* objectName) const
    {
        auto* found = window.findChild<T*>(QLatin1String(objectName));
        if (!found)
            ADD_FAILURE() << "no control " << objectName;
        return found;
    }
};

}  // namespace rumitaku::testing
