// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls/caption_label.h"
#include "window/controls/flat_button.h"
#include "window/controls/frame_box.h"
#include "tests/window/window_fixture.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace rumitaku::testing {
namespace {

// These tests run at the scale factor the process was started with: as part of
// the whole suite at 1, and again on their own at 1.25, 1.5 and 2 (QT_SCALE_FACTOR).
// Where a logical pixel straddles screen pixels, a screen pixel of its own lies
// under its centre; the checks look there.
class HighDpiTest : public WindowFixture {
protected:
    qreal scale = 1;
    QImage image;

    void SetUp() override
    {
        loadWithTimersStopped();
        scale = window.devicePixelRatioF();
    }

    void grab() { image = window.grab().toImage(); }

    // The screen pixel under the centre of the window's logical pixel (x, y).
    QRgb at(int x, int y) const
    {
        return image.pixel(int(std::floor((x + 0.5) * scale)), int(std::floor((y + 0.5) * scale)));
    }

    // Every screen pixel that lies wholly inside logical `rect`.
    bool allInside(const QRect& rect, QColor colour) const
    {
        const int left = int(std::ceil(rect.left() * scale));
        const int top = int(std::ceil(rect.top() * scale));
        const int right = int(std::floor((rect.right() + 1) * scale)) - 1;
        const int bottom = int(std::floor((rect.bottom() + 1) * scale)) - 1;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                if (image.pixel(x, y) != colour.rgb())
                    return false;
        return true;
    }

    // Draws `text` as its control does into `room`, on a canvas at the window's scale with
    // space to spare around it, and checks that all its ink falls inside `inside`.
    ::testing::AssertionResult inkFits(const QString& text, const QFont& font, int flags,
                                       const QRect& room, const QRect& inside) const
    {
        constexpr int spare = 16;
        const QRect area = inside.adjusted(-spare, -spare, spare, spare);
        QImage canvas((QSizeF(area.size()) * scale).toSize(), QImage::Format_RGB32);
        canvas.setDevicePixelRatio(scale);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.translate(-area.topLeft());
        painter.setFont(font);
        painter.drawText(room, flags, text);
        painter.end();

        QRect ink;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixel(x, y) != qRgb(255, 255, 255))
                    ink |= QRect(x, y, 1, 1);
        const QRect within = inside.translated(-area.topLeft());
        const QRect allowed(QPoint(int(std::floor(within.left() * scale)), int(std::floor(within.top() * scale))),
                            QPoint(int(std::ceil((within.right() + 1) * scale)) - 1,
                                   int(std::ceil((within.bottom() + 1) * scale)) - 1));
        if (ink.isNull())
            return ::testing::AssertionFailure() << "no ink at all";
        if (!allowed.contains(ink))
            return ::testing::AssertionFailure()
                   << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height()
                   << " outside " << allowed.x() << "," << allowed.y() << " " << allowed.width() << "x"
                   << allowed.height();
        return ::testing::AssertionSuccess();
    }

    QRect inWindow(const QWidget* widget) const
    {
        return {widget->mapTo(&window, QPoint(0, 0)), widget->size()};
    }
};

TEST_F(HighDpiTest, TheBoardScalesWholeAndEveryCellKeepsItsExactColour)
{
    const QByteArray asked = qgetenv("QT_SCALE_FACTOR");
    if (!asked.isEmpty()) {
        ASSERT_DOUBLE_EQ(scale, asked.toDouble());
    }
    const Rgb colours[] = {cell_colour::idle,        cell_colour::lightGreen, cell_colour::lightRed,
                           cell_colour::lightMagenta, cell_colour::brightWhite, cell_colour::grey};
    for (int i = 0; i < 144; ++i)
        window.setCellColour(i, colours[i % 6]);
    grab();
    ASSERT_EQ(image.size(), (QSizeF(window.size()) * scale).toSize());

    const QColor background(192, 255, 192);
    for (int i = 0; i < 144; ++i) {
        const QRect cell = inWindow(window.co1(i));
        const Rgb rgb = colours[i % 6];
        const QColor colour(rgb.red, rgb.green, rgb.blue);
        const int middle = cell.center().y();
        // The face inside its raised edge: white at the top and left, grey and black at the bottom and right.
        EXPECT_TRUE(allInside(cell.adjusted(1, 1, -2, -2), colour)) << i;
        EXPECT_EQ(at(cell.left(), middle), qRgb(255, 255, 255)) << i;
        EXPECT_EQ(at(cell.center().x(), cell.top()), qRgb(255, 255, 255)) << i;
        EXPECT_EQ(at(cell.right() - 1, middle), qRgb(128, 128, 128)) << i;
        EXPECT_EQ(at(cell.right(), middle), qRgb(0, 0, 0)) << i;
        EXPECT_EQ(at(cell.center().x(), cell.bottom()), qRgb(0, 0, 0)) << i;
        EXPECT_EQ(at(cell.left() - 1, middle), background.rgb()) << i;
        EXPECT_EQ(at(cell.right() + 1, middle), background.rgb()) << i;
    }
}

TEST_F(HighDpiTest, BordersAndTheFocusRingScaleWithTheLayout)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.co1(5)->setFocus();
    grab();

    for (const CaptionLabel* label : window.findChildren<CaptionLabel*>()) {
        if (!label->hasBorder())
            continue;
        const QRect box = inWindow(label);
        const std::string name = label->objectName().toStdString();
        EXPECT_EQ(at(box.left(), box.center().y()), qRgb(0, 0, 0)) << name;
        EXPECT_EQ(at(box.right(), box.center().y()), qRgb(0, 0, 0)) << name;
        EXPECT_EQ(at(box.center().x(), box.top()), qRgb(0, 0, 0)) << name;
        EXPECT_EQ(at(box.center().x(), box.bottom()), qRgb(0, 0, 0)) << name;
        EXPECT_EQ(at(box.right() - 1, box.bottom() - 1), qRgb(255, 255, 255)) << name;
    }
    for (const FrameBox* frame : window.findChildren<FrameBox*>()) {
        const QRect box = inWindow(frame);
        // Etched: grey, and white a pixel further in.
        EXPECT_EQ(at(box.left(), box.center().y()), qRgb(128, 128, 128));
        EXPECT_EQ(at(box.left() + 1, box.center().y()), qRgb(255, 255, 255));
        EXPECT_EQ(at(box.right() - 1, box.center().y()), qRgb(128, 128, 128));
        EXPECT_EQ(at(box.right(), box.center().y()), qRgb(255, 255, 255));
        EXPECT_EQ(at(box.right() - 10, box.top() + frame->fontMetrics().height() / 2), qRgb(128, 128, 128));
    }
    // The focused cell's dotted ring, three pixels in from its edge.
    const QRect focused = inWindow(window.co1(5));
    EXPECT_EQ(at(focused.left() + 4, focused.top() + 3), qRgb(0, 0, 0));
    EXPECT_EQ(at(focused.left() + 5, focused.top() + 3), window.co1(5)->colour().rgb());
}

TEST_F(HighDpiTest, EveryTextFitsInsideItsControl)
{
    if (scale == 1)
        GTEST_SKIP() << "at 96 DPI the layout is as it has always been: the headings are a pixel "
                        "shorter than their glyphs' faint top edge";
    showLongestTexts(window);

    for (const CaptionLabel* label : window.findChildren<CaptionLabel*>()) {
        const int border = label->hasBorder() ? 1 : 0;
        const QRect inside = label->rect().adjusted(border, border, -border, -border);
        const QRect room = inside.adjusted(border, border, -border, -border);
        // Laid out as the label lays out its caption: from the top left.
        const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
        EXPECT_TRUE(inkFits(label->text(), label->font(), flags, room, inside))
            << label->objectName().toStdString();
    }
    // The headings, drawn by Qt's label in its contents, with no margin.
    for (const QLabel* heading : window.findChildren<QLabel*>()) {
        EXPECT_TRUE(inkFits(heading->text(), heading->font(), int(heading->alignment()), heading->contentsRect(),
                            heading->rect()))
            << heading->objectName().toStdString();
    }
    for (const FrameBox* frame : window.findChildren<FrameBox*>()) {
        const QFontMetrics metrics(frame->font());
        const QRect caption(6, 0, metrics.horizontalAdvance(frame->caption()) + 4, metrics.height());
        EXPECT_TRUE(inkFits(frame->caption(), frame->font(), Qt::AlignCenter, caption,
                            frame->rect().adjusted(1, 0, -2, 0)));
    }
    for (const FlatButton* button : window.findChildren<FlatButton*>()) {
        if (button->text().isEmpty())
            continue;
        // Inside the raised edge.
        EXPECT_TRUE(inkFits(button->text(), button->font(), Qt::AlignCenter, button->rect(),
                            button->rect().adjusted(1, 1, -2, -2)))
            << button->objectName().toStdString();
    }
}

}  // namespace
}  // namespace rumitaku::testing
