// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/message_answerer.h"
#include "window/dialogs/message_box.h"

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

}  // namespace
}  // namespace rumitaku::testing
