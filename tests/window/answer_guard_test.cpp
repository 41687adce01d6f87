// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/dialogs/answer_guard.h"
#include "window/dialogs/message_box.h"
#include "tests/support/message_answerer.h"
#include "tests/window/screen_reader_bridge.h"
#include "tests/window/window_fixture.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace rumitaku::testing {
namespace {

// The round-end question over a stand-in for the board, on a clock the test moves. Input
// comes to it as the window system gives it: to the box's window, which hands it on.
class AnswerGuardTest : public ::testing::Test {
protected:
    QWidget board;
    QPushButton* cell = new QPushButton(&board);
    qint64 now = 0;
    int presses = 0;  // of the latest question's buttons

    AnswerGuardTest() { board.show(); }

    std::unique_ptr<MessageBox> question()
    {
        auto box = std::make_unique<MessageBox>("ルミタク", "得点は37でした！　ゲームを続けますか？",
                                                MessageButtons::YesNo, MessageIcon::None, &board);
        box->findChild<AnswerGuard*>()->setClock([this] { return now; });
        presses = 0;
        for (QAbstractButton* button : box->buttons())
            QObject::connect(button, &QAbstractButton::pressed, box.get(), [this] { ++presses; });
        return box;
    }

    // Whether the box is open with none of its buttons pressed yet: a key that answers
    // presses a button at once, and clicks it only a tenth of a second later.
    bool untouched(QMessageBox& box) const { return box.isVisible() && presses == 0; }

    // The moment after the box came on screen passes.
    void momentPasses() { now += AnswerGuard::blindMs; }

    static QAbstractButton* no(QMessageBox& box) { return box.button(QMessageBox::No); }
    static QAbstractButton* yes(QMessageBox& box) { return box.button(QMessageBox::Yes); }

    // The left mouse button on one of the box's buttons.
    static void click(QMessageBox& box, QAbstractButton* button)
    {
        QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, button->mapTo(&box, button->rect().center()));
    }
    static void press(QMessageBox& box, QAbstractButton* button)
    {
        QTest::mousePress(box.windowHandle(), Qt::LeftButton, {}, button->mapTo(&box, button->rect().center()));
    }
    static void release(QMessageBox& box, QAbstractButton* button)
    {
        QTest::mouseRelease(box.windowHandle(), Qt::LeftButton, {}, button->mapTo(&box, button->rect().center()));
    }

    // A click as the window system gives it to the box's window, stamped with the time it
    // was made.
    static void clickMadeAt(QMessageBox& box, QAbstractButton* button, unsigned long time)
    {
        const QPointF at = button->mapTo(&box, button->rect().center());
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, box.mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
            event.setTimestamp(time);
            QSpontaneKeyEvent::setSpontaneous(&event);
            QApplication::instance()->notify(box.windowHandle(), &event);
        }
    }

    // The window system stamps a key with the time in milliseconds; a player's next press
    // of a key comes in a later one than its release (at the same time, it would be the X
    // server's repeat).
    static void nextMillisecond() { QTest::qWait(1); }
};

TEST_F(AnswerGuardTest, InputTheInstantItOpensLeavesItOpenAndAMomentLaterAnswersIt)
{
    auto box = question();
    bool openAfterEarlyInput = false;
    bool openAfterHeldButton = false;
    MessageAnswerer script({[&](QMessageBox& shown) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
        QWindow* window = shown.windowHandle();
        click(shown, no(shown));
        click(shown, yes(shown));
        no(shown)->setFocus();
        QTest::keyClick(window, Qt::Key_Space);
        QTest::keyClick(window, Qt::Key_Return);
        yes(shown)->setFocus();
        QTest::keyClick(window, Qt::Key_Return);
        QTest::keyClick(window, Qt::Key_Y);
        QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
        now += AnswerGuard::blindMs - 1;
        click(shown, no(shown));
        openAfterEarlyInput = untouched(shown);
        // A button that went down within the moment is let go after it.
        press(shown, no(shown));
        now += 1;
        release(shown, no(shown));
        openAfterHeldButton = untouched(shown);
        click(shown, no(shown));
    }});
    EXPECT_EQ(box->ask(), MessageAnswer::No);
    EXPECT_TRUE(openAfterEarlyInput);
    EXPECT_TRUE(openAfterHeldButton);
    EXPECT_FALSE(script.timedOut());
}

// A window manager or compositor that is slow puts the box on screen well after the
// program showed it: the moment counts from when the player can see it.
TEST_F(AnswerGuardTest, TheMomentCountsFromWhenItComesOnScreen)
{
    auto box = question();
    box->show();
    ASSERT_FALSE(box->windowHandle()->isExposed()) << "the platform put the box on screen as it was shown";
    now += 10 * AnswerGuard::blindMs;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    click(*box, no(*box));
    QTest::keyClick(box->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(untouched(*box));
    EXPECT_FALSE(box->findChild<AnswerGuard*>()->takesAnswers());
    momentPasses();
    EXPECT_TRUE(box->findChild<AnswerGuard*>()->takesAnswers());
    click(*box, no(*box));
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->clickedButton(), no(*box));
}

// A window manager that held the clicks back under its grab lets them through once the
// box is on screen, one by one, and the program may read them, or a key, only well after
// it drew the box: each keeps the time it was made, in the window system's clock, which
// counts in 32 bits and wraps. Made before the box came on screen or within the moment
// after, however late it comes, it does not answer; made after the moment, it does.
TEST_F(AnswerGuardTest, InputMadeBeforeTheMomentPassedDoesNotAnswerItHoweverLateItComes)
{
    for (const quint32 onScreen : {quint32{50000}, quint32{0xFFFFFF00}}) {
        for (const bool byMouse : {true, false}) {
            SCOPED_TRACE(::testing::Message() << (byMouse ? "clicks" : "keys") << ", on screen at " << onScreen);
            auto box = question();
            box->findChild<AnswerGuard*>()->setInputClock([&]() -> std::optional<quint32> { return onScreen; });
            box->show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
            now += 10 * AnswerGuard::blindMs;
            QWindow* window = box->windowHandle();
            const auto answerMadeAt = [&](quint32 time) {
                if (byMouse) {
                    clickMadeAt(*box, no(*box), time);
                } else {
                    sendKey(window, QEvent::KeyPress, Qt::Key_Return, false, time);
                    sendKey(window, QEvent::KeyRelease, Qt::Key_Return, false, time + 80);
                }
            };
            for (const quint32 made : {onScreen - 5000, onScreen - 1, onScreen, onScreen + AnswerGuard::blindMs - 1})
                answerMadeAt(made);
            EXPECT_TRUE(untouched(*box));
            answerMadeAt(onScreen + AnswerGuard::blindMs);
            EXPECT_FALSE(box->isVisible());
            EXPECT_EQ(box->clickedButton(), byMouse ? no(*box) : yes(*box));
        }
    }
}

TEST_F(AnswerGuardTest, EveryKeyboardAnswerWorksAfterTheMoment)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool onNo;  // with いいえ focused rather than はい, the default button
        MessageAnswer answer;
    } answers[] = {{Qt::Key_Return, {}, false, MessageAnswer::Yes},
                   {Qt::Key_Enter, Qt::KeypadModifier, false, MessageAnswer::Yes},
                   {Qt::Key_Space, {}, true, MessageAnswer::No},
                   {Qt::Key_Y, {}, false, MessageAnswer::Yes},
                   {Qt::Key_N, Qt::AltModifier, false, MessageAnswer::No}};
    for (const auto& a : answers) {
        auto box = question();
        bool openAtOnce = false;
        MessageAnswerer script({[&](QMessageBox& shown) {
            // Alt and a button's letter is a shortcut of the active window.
            ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
            (a.onNo ? no(shown) : yes(shown))->setFocus();
            QTest::keyClick(shown.windowHandle(), a.key, a.modifiers);
            openAtOnce = untouched(shown);
            momentPasses();
            nextMillisecond();
            QTest::keyClick(shown.windowHandle(), a.key, a.modifiers);
        }});
        EXPECT_EQ(box->ask(), a.answer) << a.key;
        EXPECT_TRUE(openAtOnce) << a.key;
        EXPECT_FALSE(script.timedOut()) << a.key;
    }
}

// Space held across the round end, or Return: its repeats and its release come to the
// question, as presses flagged as repeats or as release-and-press pairs at one time
// that Qt may not recognise. Only a press that comes after its release answers.
TEST_F(AnswerGuardTest, AKeyPressedBeforeItOpensDoesNotAnswerIt)
{
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        for (const bool pressSeen : {true, false}) {
            for (const bool flagged : {true, false}) {
                SCOPED_TRACE(::testing::Message() << "key " << key << (pressSeen ? ", pressed on the board" : "")
                                                << (flagged ? ", repeats flagged" : ", repeats unflagged"));
                auto box = question();
                unsigned long time = 1000;
                if (pressSeen)
                    sendKey(cell, QEvent::KeyPress, key, false, time);
                bool openAfterRelease = false;
                MessageAnswerer script({[&](QMessageBox& shown) {
                    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
                    QWindow* window = shown.windowHandle();
                    no(shown)->setFocus();
                    momentPasses();
                    for (int i = 0; i < 5; ++i) {
                        time += 33;
                        sendKey(window, QEvent::KeyRelease, key, flagged, time);
                        sendKey(window, QEvent::KeyPress, key, flagged, time);
                    }
                    sendKey(window, QEvent::KeyRelease, key, false, time + 20);
                    openAfterRelease = untouched(shown);
                    sendKey(window, QEvent::KeyPress, key, false, time + 300);
                    sendKey(window, QEvent::KeyRelease, key, false, time + 380);
                }});
                EXPECT_EQ(box->ask(), MessageAnswer::No);
                EXPECT_TRUE(openAfterRelease);
                EXPECT_FALSE(script.timedOut());
            }
        }
    }
}

// Under a screen reader Qt's accessibility bridge takes each key the box lets through,
// and delivers a copy of it, without a time, once the screen reader has seen it: at
// once, or long after when the reader is slow to answer. A press meant for the box
// answers it; one in the first moment does not, nor a key held from before, its
// repeats flagged or not, however late their copies come.
TEST_F(AnswerGuardTest, UnderAScreenReaderTheKeyboardAnswersIt)
{
    enum class Held { None, RepeatsFlagged, RepeatsUnflagged };
    for (const Held held : {Held::None, Held::RepeatsFlagged, Held::RepeatsUnflagged}) {
        for (const bool readerLate : {false, true}) {
            SCOPED_TRACE(::testing::Message() << (held == Held::None             ? "no key held"
                                                  : held == Held::RepeatsFlagged ? "a key held, repeats flagged"
                                                                                 : "a key held, repeats unflagged")
                                            << (readerLate ? ", the screen reader late" : ""));
            ScreenReaderBridge bridge;
            auto box = question();
            bool openBeforeTheAnswer = false;
            MessageAnswerer script({[&](QMessageBox& shown) {
                ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
                QWindow* window = shown.windowHandle();
                const auto readerAnswers = [&] {
                    if (!readerLate)
                        bridge.clientAnswers();
                };
                unsigned long time = 1000;
                sendKey(window, QEvent::KeyPress, Qt::Key_N, false, time);
                readerAnswers();
                sendKey(window, QEvent::KeyRelease, Qt::Key_N, false, time += 80);
                readerAnswers();
                // Y, held since before the box came, repeats across the moment.
                if (held != Held::None) {
                    const bool flagged = held == Held::RepeatsFlagged;
                    for (int i = 0; i < 30; ++i) {
                        if (i == 10)
                            momentPasses();
                        time += 33;
                        sendKey(window, QEvent::KeyRelease, Qt::Key_Y, flagged, time);
                        readerAnswers();
                        sendKey(window, QEvent::KeyPress, Qt::Key_Y, flagged, time);
                        readerAnswers();
                    }
                    sendKey(window, QEvent::KeyRelease, Qt::Key_Y, false, time += 20);
                } else {
                    momentPasses();
                }
                bridge.clientAnswers();
                openBeforeTheAnswer = untouched(shown);
                sendKey(window, QEvent::KeyPress, Qt::Key_N, false, time += 300);
                readerAnswers();
                sendKey(window, QEvent::KeyRelease, Qt::Key_N, false, time += 80);
                bridge.clientAnswers();
            }});
            EXPECT_EQ(box->ask(), MessageAnswer::No);
            EXPECT_TRUE(openBeforeTheAnswer);
            EXPECT_FALSE(script.timedOut());
        }
    }
}

}  // namespace
}  // namespace rumitaku::testing
