// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startup.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto app = rumitaku::startApplication(argc, argv, rumitaku::Arguments::Caller);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
