// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/window/window_fixture.h"
#include "window/main_window.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace rumitaku::testing {
namespace {

// The window as the screen shows it, drawn on `screen`, with the longest texts of its displays.
QImage shownOn(QScreen* screen)
{
    MainWindow window;
    window.setScreen(screen);
    window.move(screen->geometry().topLeft());
    showLongestTexts(window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {};
    QCoreApplication::processEvents();
    return screen->grabWindow(window.winId()).toImage();
}

// Run with high-DPI scaling off on two screens, the second with the higher font resolution a
// desktop sets with Xft.dpi (see CMakeLists.txt): Qt then scales no pixel, while a font in
// points grows. The window's texts keep to the layout's pixels, as they fit it at 96 DPI.
TEST(FontResolutionTest, TheWindowIsDrawnTheSameAtAHigherFontResolution)
{
    QScreen* usual = nullptr;
    QScreen* higher = nullptr;
    for (QScreen* screen : QGuiApplication::screens())
        (screen->logicalDotsPerInchY() == 96 ? usual : higher) = screen;
    if (!usual || !higher)
        GTEST_SKIP() << "needs a screen of 96 DPI and one of a higher font resolution";
    ASSERT_EQ(higher->devicePixelRatio(), 1);

    const QImage atUsual = shownOn(usual);
    ASSERT_EQ(atUsual.size(), QSize(703, 504));
    EXPECT_TRUE(shownOn(higher) == atUsual);
}

}  // namespace
}  // namespace rumitaku::testing
