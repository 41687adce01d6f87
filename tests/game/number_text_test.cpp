// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/number_text.h"

#include <gtest/gtest.h>

namespace rumitaku {
namespace {

TEST(NumberText, DisplayFormLeadsWithASpaceUnlessNegative)
{
    const struct {
        long number;
        const char* display;
        const char* plain;
    } cases[] = {{0, " 0", "0"},          {36, " 36", "36"},          {-1, "-1", "-1"},
                 {-10, "-10", "-10"},     {32767, " 32767", "32767"}, {-32768, "-32768", "-32768"},
                 {86440, " 86440", "86440"}};
    for (const auto& c : cases) {
        std::string display = "x";
        appendDisplayForm(display, c.number);
        EXPECT_EQ(display, std::string("x") + c.display);
        std::string plain;
        appendPlainForm(plain, c.number);
        EXPECT_EQ(plain, c.plain);
    }
}

}  // namespace
}  // namespace rumitaku
