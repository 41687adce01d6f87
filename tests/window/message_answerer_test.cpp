// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/message_answerer.h"
#include "window/dialogs/message_box.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <chrono>

namespace rumitaku::testing {
namespace {

using std::chrono::milliseconds;

// The helper every test of a message box leans on: it must answer the boxes in order, and a
// box its handler leaves open must not hang the test.
TEST(MessageAnswerer, AnswersEachBoxInTurnAndClosesOneLeftOpenAtItsDeadline)
{
    MessageAnswerer answerer({[](QMessageBox& box) { clickButton(box, "いいえ(&N)"); },
                              [](QMessageBox&) {}},
                             milliseconds(0), milliseconds(50));
    MessageBox first("ルミタク", "?", MessageButtons::YesNo, MessageIcon::None, nullptr);
    EXPECT_EQ(first.ask(), MessageAnswer::No);
    EXPECT_FALSE(answerer.timedOut());
    EXPECT_FALSE(answerer.finished());

    MessageBox second("ルミタク", "?", MessageButtons::YesNo, MessageIcon::None, nullptr);
    second.ask();
    EXPECT_TRUE(answerer.finished());
    EXPECT_TRUE(answerer.timedOut());
    EXPECT_EQ(answerer.closedAt().size(), 2u);
}

// A handler that goes on handling events once it has answered, as QTest's key and mouse
// functions do after each press and release, or once it has failed and left the box to the
// deadline: the box's loop ends all the same.
TEST(MessageAnswerer, ABoxEndsThoughItsHandlerGoesOnHandlingEvents)
{
    const auto handleEvents = [] {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    };
    MessageAnswerer answerer({[&](QMessageBox& box) {
                                  clickButton(box, "いいえ(&N)");
                                  handleEvents();
                              },
                              [&](QMessageBox& box) {
                                  while (box.isVisible())
                                      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                                  handleEvents();
                              }},
                             milliseconds(0), milliseconds(50));
    MessageBox answered("ルミタク", "?", MessageButtons::YesNo, MessageIcon::None, nullptr);
    EXPECT_EQ(answered.ask(), MessageAnswer::No);
    EXPECT_FALSE(answerer.timedOut());

    MessageBox leftOpen("ルミタク", "?", MessageButtons::YesNo, MessageIcon::None, nullptr);
    leftOpen.ask();
    EXPECT_TRUE(answerer.timedOut());
    EXPECT_FALSE(leftOpen.isVisible());
}

}  // namespace
}  // namespace rumitaku::testing
