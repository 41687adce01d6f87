// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/number_text.h"

#include <charconv>

namespace rumitaku {

void appendPlainForm(std::string& out, long number)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, result.ptr);
}

void appendDisplayForm(std::string& out, long number)
{
    if (number >= 0)
        out.push_back(' ');
    appendPlainForm(out, number);
}

}  // namespace rumitaku
