// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/dialogs/answer_guard.h"
#include "window/dialogs/message_box.h"
#include "tests/support/message_answerer.h"
#include "tests/window/screen_reader_bridge.h"
#include "tests/window/window_fixture.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace rumitaku::testing {
namespace {

// The round-end question over a stand-in for the board, on a clock the test moves.
class AnswerGuardTest : public ::testing::Test {
protected:
    QWidget board;
    QPushButton* cell = new QPushButton(&board);
    qint64 now = 0;

    AnswerGuardTest() { board.show(); }

    std::unique_ptr<MessageBox> question()
    {
        auto box = std::make_unique<MessageBox>("ルミタク", "得点は37でした！　ゲームを続けますか？",
                                                MessageButtons::YesNo, MessageIcon::None, &board);
        box->findChild<AnswerGuard*>()->setClock([this] { return now; });
        return box;
    }

    // The moment after the box appeared passes.
    void momentPasses() { now += AnswerGuard::blindMs; }

    static QAbstractButton* no(QMessageBox& box) { return box.button(QMessageBox::No); }
    static QAbstractButton* yes(QMessageBox& box) { return box.button(QMessageBox::Yes); }
};

TEST_F(AnswerGuardTest, InputTheInstantItOpensLeavesItOpenAndAMomentLaterAnswersIt)
{
    auto box = question();
    bool openAfterEarlyInput = false;
    bool openAfterHeldButton = false;
    MessageAnswerer script({[&](QMessageBox& shown) {
        QTest::mouseClick(no(shown), Qt::LeftButton);
        QTest::mouseClick(yes(shown), Qt::LeftButton);
        QTest::keyClick(no(shown), Qt::Key_Space);
        QTest::keyClick(&shown, Qt::Key_Return);
        QTest::keyClick(&shown, Qt::Key_Y);
        QTest::keyClick(&shown, Qt::Key_N, Qt::AltModifier);
        now += AnswerGuard::blindMs - 1;
        QTest::mouseClick(no(shown), Qt::LeftButton);
        openAfterEarlyInput = shown.isVisible();
        // A button that went down within the moment is let go after it.
        QTest::mousePress(no(shown), Qt::LeftButton);
        now += 1;
        QTest::mouseRelease(no(shown), Qt::LeftButton);
        openAfterHeldButton = shown.isVisible();
        QTest::mouseClick(no(shown), Qt::LeftButton);
    }});
    EXPECT_EQ(box->ask(), MessageAnswer::No);
    EXPECT_TRUE(openAfterEarlyInput);
    EXPECT_TRUE(openAfterHeldButton);
    EXPECT_FALSE(script.timedOut());
}

TEST_F(AnswerGuardTest, EveryKeyboardAnswerWorksAfterTheMoment)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool onNo;  // sent to いいえ rather than to the box
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
            QWidget* to = a.onNo ? static_cast<QWidget*>(no(shown)) : &shown;
            // Alt and a button's letter is a shortcut of the active window.
            ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
            QTest::keyClick(to, a.key, a.modifiers);
            openAtOnce = shown.isVisible();
            momentPasses();
            QTest::keyClick(to, a.key, a.modifiers);
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
                    no(shown)->setFocus();
                    momentPasses();
                    for (int i = 0; i < 5; ++i) {
                        time += 33;
                        sendKey(no(shown), QEvent::KeyRelease, key, flagged, time);
                        sendKey(no(shown), QEvent::KeyPress, key, flagged, time);
                    }
                    sendKey(no(shown), QEvent::KeyRelease, key, false, time + 20);
                    openAfterRelease = shown.isVisible();
                    sendKey(no(shown), QEvent::KeyPress, key, false, time + 300);
                    sendKey(no(shown), QEvent::KeyRelease, key, false, time + 380);
                }});
                EXPECT_EQ(box->ask(), MessageAnswer::No);
                EXPECT_TRUE(openAfterRelease);
                EXPECT_FALSE(script.timedOut());
            }
        }
    }
}

// Under a screen reader each key comes twice: the shortcuts see it as the window system
// delivers it, then the bridge takes it, and delivers a copy of it once the screen reader
// has seen it. The copy is the same press: it answers the question when the press was
// meant for it, and not when the press came in the first moment, or from a key held down.
TEST_F(AnswerGuardTest, UnderAScreenReaderTheKeyboardAnswersIt)
{
    for (const bool heldKey : {false, true}) {
        SCOPED_TRACE(heldKey ? "with a key held from before" : "");
        ScreenReaderBridge bridge;
        auto box = question();
        bool openAfterEarlyPress = false;
        bool openAfterHeldKey = false;
        MessageAnswerer script({[&](QMessageBox& shown) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
            QWindow* window = shown.windowHandle();
            QTest::keyClick(window, Qt::Key_N);
            momentPasses();
            bridge.clientAnswers();
            openAfterEarlyPress = shown.isVisible();
            if (heldKey) {
                for (int i = 0; i < 3; ++i)
                    QTest::simulateEvent(window, true, Qt::Key_Y, Qt::NoModifier, QStringLiteral("y"), true);
                QTest::keyRelease(window, Qt::Key_Y);
                bridge.clientAnswers();
            }
            openAfterHeldKey = shown.isVisible();
            QTest::keyClick(window, Qt::Key_N);
            bridge.clientAnswers();
        }});
        EXPECT_EQ(box->ask(), MessageAnswer::No);
        EXPECT_TRUE(openAfterEarlyPress);
        EXPECT_TRUE(openAfterHeldKey);
        EXPECT_FALSE(script.timedOut());
    }
}

}  // namespace
}  // namespace rumitaku::testing
