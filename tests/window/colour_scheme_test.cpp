// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls/caption_label.h"
#include "window/controls/flat_button.h"
#include "window/controls/frame_box.h"
#include "window/dialogs/message_box.h"
#include "tests/window/window_fixture.h"
#include "window/main_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPalette>

#include <gtest/gtest.h>

#include <cmath>

namespace rumitaku::testing {
namespace {

// A dark desktop colour scheme, as Breeze Dark gives it: near-white text on near-black
// windows, buttons and views.
QPalette darkPalette()
{
    const QColor text(252, 252, 252);
    QPalette palette(QColor(49, 54, 59), QColor(32, 35, 38));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText}) {
        palette.setColor(role, text);
    }
    palette.setColor(QPalette::Base, QColor(20, 22, 24));
    return palette;
}

// The contrast ratio of two colours, from 1 (the same lightness) to 21 (black on white),
// as the Web Content Accessibility Guidelines define it.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// A caption's colour as the pixels of `area` in `image` show it: the pixel that stands out
// most from the ground, the core of a glyph's stroke.
QColor inkOf(const QImage& image, const QRect& area, QColor ground)
{
    QColor ink = ground;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (contrast(pixel, ground) > contrast(ink, ground))
                ink = pixel;
        }
    }
    return ink;
}

// The window alone under the desktop's own scheme, and whatever the test makes after
// switching schemes.
class ColourSchemeTest : public WindowFixture {
protected:
    ColourSchemeTest() : WindowFixture(Rules::None) {}

    const QPalette desktops = QApplication::palette();

    void TearDown() override { QApplication::setPalette(desktops); }
};

TEST_F(ColourSchemeTest, UnderADarkSchemeTheWindowLooksAsUnderALightOneAndEveryCaptionReads)
{
    showLongestTexts(window);
    const QImage lightImage = window.grab().toImage();

    QApplication::setPalette(darkPalette());
    MainWindow dark;
    showLongestTexts(dark);
    const QImage image = dark.grab().toImage();
    // Every colour exact: the same pixels as in the light scheme.
    EXPECT_TRUE(image == lightImage);

    // The captions in the default colour read well (their thin strokes cover few pixels
    // whole); the legend's coloured ones show their colour.
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor windowGreen(192, 255, 192);
    const auto expectReadable = [&](const QWidget* control, const QRect& area, QColor ground,
                                    const QString& caption) {
        const QColor ink = inkOf(image, area.translated(control->mapTo(&dark, QPoint(0, 0))), ground);
        EXPECT_GE(contrast(ink, ground), 4.5) << caption.toStdString();
    };
    for (const FrameBox* frame : dark.findChildren<FrameBox*>()) {
        const QFontMetrics metrics(frame->font());
        const QRect caption(6, 0, metrics.horizontalAdvance(frame->caption()) + 4, metrics.height());
        expectReadable(frame, caption, white, frame->caption());
    }
    for (const FlatButton* button : dark.findChildren<FlatButton*>()) {
        if (!button->text().isEmpty())
            expectReadable(button, button->rect().adjusted(2, 2, -3, -3), button->colour(), button->text());
    }
    for (const QLabel* heading : dark.findChildren<QLabel*>())
        expectReadable(heading, heading->rect(), windowGreen, heading->text());
    for (const CaptionLabel* label : dark.findChildren<CaptionLabel*>()) {
        const QRect inside = label->rect().adjusted(1, 1, -1, -1);
        if (label->textColour() == black) {
            expectReadable(label, inside, label->background(), label->text());
        } else {
            const QPoint at = label->mapTo(&dark, QPoint(0, 0));
            EXPECT_EQ(inkOf(image, inside.translated(at), label->background()), label->textColour())
                << label->text().toStdString();
        }
    }
}

TEST_F(ColourSchemeTest, TheMessageBoxesFollowTheDesktopsScheme)
{
    const QPalette dark = darkPalette();
    QApplication::setPalette(dark);
    MainWindow owner;
    for (const MessageButtons buttons : {MessageButtons::Ok, MessageButtons::YesNo}) {
        MessageBox box(QStringLiteral("ルミタク"), QStringLiteral("ゲームを開始します！"), buttons,
                       MessageIcon::Question, &owner);
        EXPECT_EQ(box.palette().color(QPalette::Window), dark.color(QPalette::Window));
        EXPECT_EQ(box.palette().color(QPalette::WindowText), dark.color(QPalette::WindowText));
        EXPECT_EQ(box.grab().toImage().pixelColor(1, 1), dark.color(QPalette::Window));
    }
}

}  // namespace
}  // namespace rumitaku::testing
