// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace rumitaku {

// A whole number as decimal text: the display form puts a space before a
// number that is zero or positive (" 36", "-1"); the plain form does not ("37").
// Both append to `out`, which the caller reuses so that no text is allocated
// once it has grown to size.
void appendDisplayForm(std::string& out, long number);
void appendPlainForm(std::string& out, long number);

}  // namespace rumitaku
