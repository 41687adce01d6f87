// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/message_answerer.h"
#include "tests/window/window_fixture.h"

#include <QApplication>
#include <QIcon>
#include <QList>
#include <QSize>

#include <gtest/gtest.h>

#include <vector>

namespace rumitaku::testing {
namespace {

using IconTest = WindowFixture;

// The icon the start-up gives the application, at every size a window's icon is drawn at,
// and at no larger one: Qt hands each window a copy of every size the icon has.
TEST_F(IconTest, TheApplicationCarriesTheGamesIconAtTheSizesOfAWindowsIcon)
{
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    for (int size : {16, 32, 48, 64}) {
        const QPixmap pixmap = icon.pixmap(size);
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(size, size)) << size;
        // Not a blank square: the icon's corners are rounded off, its middle is opaque.
        const QImage image = pixmap.toImage();
        EXPECT_LT(qAlpha(image.pixel(0, 0)), 128) << size;
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255) << size;
    }
}

TEST_F(IconTest, TheWindowAndBothMessageBoxesCarryTheGamesIcon)
{
    const qint64 gameIcon = QApplication::windowIcon().cacheKey();
    std::vector<qint64> boxIcons;
    MessageAnswerer script({[&](QMessageBox& box) {
                             boxIcons.push_back(box.windowIcon().cacheKey());
                             clickButton(box, "OK");
                         },
                         [&](QMessageBox& box) {
                             boxIcons.push_back(box.windowIcon().cacheKey());
                             clickButton(box, "はい(&Y)");
                         }});
    game().load();
    game().timer2Timer();
    window.close();
    ASSERT_FALSE(script.timedOut());

    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.windowIcon().cacheKey(), gameIcon);
    EXPECT_EQ(boxIcons, (std::vector<qint64>{gameIcon, gameIcon}));
}

}  // namespace
}  // namespace rumitaku::testing
