// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/message_answerer.h"
#include "tests/window/window_fixture.h"
#include "window/game_connection.h"
#include "window/main_window.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>

namespace rumitaku::testing {
namespace {

enum class Moment { RightAfterATick, RightAfterAClick, RightAfterYes, WithASpeedChangePending };

// The player closes the window at one moment of play, from inside the event that brings it.
// The program must then end with status 0, and no timer may fire afterwards.
class ClosingTest : public WindowFixture {
protected:
    ClosingTest() : WindowFixture(Rules::Behind, 3) {}

    void closeAt(Moment moment);
    enum class Box { StartMessage, Question };
    void quitWhileOpen(Box box);
    // Starts the game as the program does and runs the event loop until the program ends,
    // at the latest 20 s later with status 99.
    int playUntilTheProgramEnds();
};

int ClosingTest::playUntilTheProgramEnds()
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(20000);
    return runGame(game());
}

void ClosingTest::closeAt(Moment moment)
{
    MainWindow& form = window;
    // Short timers, so that a tick or a round end left running would come at once.
    form.setTimerInterval(Timer::Timer1, 5);
    form.setTimerInterval(Timer::Timer2, moment == Moment::RightAfterYes ? 100 : 60000);

    QObject context;
    bool closed = false;
    int firedAfterClose = 0;
    const auto closeNow = [&] {
        if (closed)
            return;
        closed = true;
        form.close();
        const auto count = [&] { ++firedAfterClose; };
        QObject::connect(&form, &MainWindow::timer1Timer, &context, count);
        QObject::connect(&form, &MainWindow::timer2Timer, &context, count);
    };
    // Each connection comes after the rules' own, so it runs once the rules have handled the event.
    switch (moment) {
    case Moment::RightAfterATick:
        QObject::connect(&form, &MainWindow::timer1Timer, &context, closeNow);
        break;
    case Moment::RightAfterAClick:
        QObject::connect(&form, &MainWindow::timer1Timer, &context,
                         [&] { QTest::mouseClick(form.co1(game().lastCell()), Qt::LeftButton); });
        QObject::connect(&form, &MainWindow::co1Clicked, &context, closeNow);
        break;
    case Moment::RightAfterYes:
        QObject::connect(&form, &MainWindow::timer2Timer, &context, closeNow);
        break;
    case Moment::WithASpeedChangePending:
        QObject::connect(&form, &MainWindow::timer1Timer, &context, [&] {
            QTest::mouseClick(form.findChild<QWidget*>(QStringLiteral("Command2")), Qt::LeftButton);
        });
        QObject::connect(&form, &MainWindow::command2Clicked, &context, closeNow);
        break;
    }

    MessageAnswerer script({[](QMessageBox& box) { clickButton(box, "OK"); },
                         [](QMessageBox& box) { clickButton(box, "はい(&Y)"); }});
    EXPECT_EQ(playUntilTheProgramEnds(), 0);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(script.timedOut());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.timer(Timer::Timer1).isActive());
    EXPECT_FALSE(form.timer(Timer::Timer2).isActive());
    // The loop runs on a while, time enough for many ticks.
    QTest::qWait(50);
    EXPECT_EQ(firedAfterClose, 0);

    // Torn down as the program tears them down; a timer left behind would now fire into
    // freed memory, which the sanitizer build reports.
    tearDownAsTheProgramDoes();
    QTest::qWait(50);
}

TEST_F(ClosingTest, RightAfterATick)
{
    closeAt(Moment::RightAfterATick);
}

TEST_F(ClosingTest, RightAfterAClick)
{
    closeAt(Moment::RightAfterAClick);
}

TEST_F(ClosingTest, BetweenRoundsRightAfterYes)
{
    closeAt(Moment::RightAfterYes);
}

TEST_F(ClosingTest, WithASpeedChangePending)
{
    closeAt(Moment::WithASpeedChangePending);
}

// While a message box waits for its answer, closing the window does nothing, whatever
// the window system does with the close: the box is answered first. No still ends the game.
TEST_F(ClosingTest, NotWhileAMessageBoxIsOpen)
{
    MainWindow& form = window;
    form.setTimerInterval(Timer::Timer2, 100);
    bool standsAtStart = false;
    bool standsAtQuestion = false;
    const auto closeAndLook = [&](QMessageBox& box) {
        form.close();
        return form.isVisible() && box.isVisible();
    };
    MessageAnswerer script({[&](QMessageBox& box) {
                                standsAtStart = closeAndLook(box);
                                clickButton(box, "OK");
                            },
                            [&](QMessageBox& box) {
                                standsAtQuestion = closeAndLook(box);
                                clickButton(box, "いいえ(&N)");
                            }});
    EXPECT_EQ(playUntilTheProgramEnds(), 0);
    EXPECT_TRUE(standsAtStart);
    EXPECT_TRUE(standsAtQuestion);
    EXPECT_FALSE(script.timedOut());
    EXPECT_FALSE(form.isVisible());
}

// The application asked to quit, as Qt asks it at the desktop session's end, while one box
// or the other is open: the game ends at once with status 0, its window closed, and no
// round is played on.
void ClosingTest::quitWhileOpen(Box box)
{
    MainWindow& form = window;
    form.setTimerInterval(Timer::Timer2, 100);
    std::deque<MessageAnswerer::Handler> answers{[](QMessageBox&) {
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    }};
    if (box == Box::Question)
        answers.push_front([](QMessageBox& start) { clickButton(start, "OK"); });
    int roundEnds = 0;
    QObject context;
    QObject::connect(&form, &MainWindow::timer2Timer, &context, [&] { ++roundEnds; });
    MessageAnswerer script(answers);
    EXPECT_EQ(playUntilTheProgramEnds(), 0);
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(script.timedOut());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(roundEnds, box == Box::Question ? 1 : 0);
}

TEST_F(ClosingTest, AQuitAtTheStartMessageEndsTheGame)
{
    quitWhileOpen(Box::StartMessage);
}

TEST_F(ClosingTest, AQuitAtTheQuestionEndsTheGame)
{
    quitWhileOpen(Box::Question);
}

}  // namespace
}  // namespace rumitaku::testing
