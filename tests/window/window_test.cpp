// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls/caption_label.h"
#include "window/controls/flat_button.h"
#include "app/fonts.h"
#include "window/controls/frame_box.h"
#include "window/main_window.h"
#include "tests/window/screen_reader_bridge.h"
#include "tests/window/window_fixture.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QSignalSpy>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace rumitaku::testing {
namespace {

// From twips, at 15 to the pixel.
QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

QColor pixelAt(QWidget* widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point);
}

// What a label shows, whether the window's own display label draws it or Qt's.
struct LabelLook {
    QString text;
    QColor background;  // invalid where it is transparent
    QColor textColour;
    bool border;
    bool wordWrap;
};

LabelLook lookOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const CaptionLabel*>(widget))
        return {label->text(), label->background(), label->textColour(), label->hasBorder(), label->wordWrap()};
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label) {
        ADD_FAILURE() << "not a label: " << widget->objectName().toStdString();
        return {};
    }
    return {label->text(),
            label->autoFillBackground() ? label->palette().color(label->backgroundRole()) : QColor(),
            label->palette().color(label->foregroundRole()),
            label->frameShape() != QFrame::NoFrame,
            label->wordWrap()};
}

class WindowTest : public WindowFixture {
protected:
    WindowTest() : WindowFixture(Rules::None) {}
};

TEST_F(WindowTest, WindowIsFixedAtItsSizeWithItsCaptionAndBackground)
{
    EXPECT_EQ(window.size(), QSize(703, 504));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowTitle(), "Form1");
    EXPECT_EQ(pixelAt(&window, {700, 2}), QColor(192, 255, 192));
    EXPECT_EQ(pixelAt(&window, {520, 480}), QColor(192, 255, 192));
}

TEST_F(WindowTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    const struct {
        const char* name;
        const char* parent;
        QRect geometry;
    } controls[] = {
        {"co1", "Form1", twips(120, 120, 495, 495)},
        {"Label1", "Form1", twips(8160, 1440, 1815, 615)},
        {"Label2", "Form1", twips(8160, 2760, 1815, 615)},
        {"Label3", "Form1", twips(8280, 1080, 1575, 375)},
        {"Label4", "Form1", twips(8160, 2400, 1695, 255)},
        {"Frame1", "Form1", twips(8160, 3720, 1935, 1575)},
        {"Label5", "Frame1", twips(120, 240, 855, 375)},
        {"Label6", "Frame1", twips(960, 240, 855, 375)},
        {"Label7", "Frame1", twips(960, 600, 855, 375)},
        {"Label8", "Frame1", twips(120, 600, 855, 375)},
        {"Label9", "Frame1", twips(120, 960, 1695, 495)},
        {"Frame2", "Form1", twips(7560, 5880, 2895, 855)},
        {"Command1", "Frame2", twips(120, 240, 735, 495)},
        {"Command3", "Frame2", twips(1080, 240, 735, 495)},
        {"Command2", "Frame2", twips(2040, 240, 735, 495)},
    };
    for (const auto& c : controls) {
        QWidget* widget = control<QWidget>(c.name);
        ASSERT_TRUE(widget);
        EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), c.parent) << c.name;
    }
    EXPECT_EQ(window.co1(0)->geometry(), QRect(8, 8, 33, 33));
}

TEST_F(WindowTest, LabelsShowTheirCaptionsColoursAndFonts)
{
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    const struct {
        const char* name;
        QString text;
        QColor background;
        QColor textColour;
        qreal points;
        bool border;
    } labels[] = {
        {"Label1", "", white, black, 12, true},
        {"Label2", "", white, black, 12, true},
        {"Label3", "得点", QColor(), black, 12, false},
        {"Label4", "時間", QColor(), black, 12, false},
        {"Label5", "緑 = +1", white, QColor(0, 128, 0), 9.75, true},
        {"Label6", "赤 = +5", white, QColor(255, 0, 0), 9.75, true},
        {"Label7", "灰 = +8", white, QColor(64, 64, 64), 9.75, true},
        {"Label8", "白 = -5", white, black, 9.75, true},
        {"Label9", "ピンク = \u3000\u3000\u3000\u3000\u3000得点のリセット", white, QColor(255, 0, 255),
         9.75, true},
    };
    // The desktop font where it is installed, its substitute from fonts-ipafont-gothic elsewhere,
    // by the name Qt gives it in the locale the test runs in.
    const QString family = QFontInfo(QFont(QFontDatabase::hasFamily("ＭＳ Ｐゴシック") ? "ＭＳ Ｐゴシック"
                                                                                    : "IPAPGothic"))
                               .family();
    for (const auto& l : labels) {
        QWidget* widget = control<QWidget>(l.name);
        ASSERT_TRUE(widget);
        const LabelLook label = lookOf(widget);
        EXPECT_EQ(label.text, l.text) << l.name;
        EXPECT_EQ(label.background, l.background) << l.name;
        EXPECT_EQ(label.textColour, l.textColour) << l.name;
        EXPECT_EQ(label.border, l.border) << l.name;
        EXPECT_EQ(QFontInfo(widget->font()).pointSizeF(), l.points) << l.name;
        // In the layout's pixels, 15 twips each: 12 points are 240 twips.
        EXPECT_EQ(widget->font().pixelSize(), qRound(l.points * 20 / 15)) << l.name;
        EXPECT_TRUE(widget->font().bold()) << l.name;
        EXPECT_EQ(widget->font().family(), family) << l.name;
        EXPECT_EQ(label.wordWrap, std::string(l.name) == "Label9") << l.name;
    }
    EXPECT_EQ(control<QLabel>("Label3")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(control<QLabel>("Label4")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // Drawn: a black border, white inside, the heading over the window's own green.
    QWidget* label8 = control<QWidget>("Label8");
    EXPECT_EQ(pixelAt(label8, {0, 0}), black);
    EXPECT_EQ(pixelAt(label8, {label8->width() - 1, label8->height() - 1}), black);
    EXPECT_EQ(pixelAt(label8, {label8->width() - 3, label8->height() - 3}), white);
    EXPECT_EQ(pixelAt(&window, {552 + 2, 72 + 2}), QColor(192, 255, 192));
}

TEST_F(WindowTest, TheLabelsFontHasJapaneseGlyphs)
{
    const QFont labelFont = control<QWidget>("Label1")->font();
    EXPECT_TRUE(hasJapaneseFont()) << QFontInfo(labelFont).family().toStdString();
    EXPECT_TRUE(QFontDatabase::writingSystems(QFontInfo(window.font()).family())
                    .contains(QFontDatabase::Japanese));
    EXPECT_TRUE(QFontInfo(labelFont).bold());
    // The message boxes take the application's font: the same family, not a second font file.
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QFontInfo(labelFont).family());
}

TEST_F(WindowTest, FramesAndSpeedButtonsShowTheirCaptionsAndColours)
{
    EXPECT_EQ(control<FrameBox>("Frame1")->caption(), "色の説明");
    EXPECT_EQ(control<FrameBox>("Frame2")->caption(), "速度変更");
    EXPECT_EQ(pixelAt(control<QWidget>("Frame1"), {60, 100}), QColor(255, 255, 255));
    const struct {
        const char* name;
        QString text;
        QColor colour;
    } buttons[] = {{"Command1", "早い", QColor(128, 128, 255)},
                   {"Command3", "普通？", QColor(255, 255, 0)},
                   {"Command2", "遅い", QColor(255, 128, 128)}};
    for (const auto& b : buttons) {
        auto* button = control<FlatButton>(b.name);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->text(), b.text) << b.name;
        EXPECT_EQ(button->colour(), b.colour) << b.name;
        EXPECT_EQ(pixelAt(button, {4, 4}), b.colour) << b.name;
    }
}

TEST_F(WindowTest, ACellShowsAndReturnsExactlyTheColourSetOnIt)
{
    const Rgb colours[] = {paletteColour(11), paletteColour(10), paletteColour(12), paletteColour(13),
                           paletteColour(15), paletteColour(8), Rgb{1, 2, 3}};
    for (const Rgb colour : colours) {
        window.setCellColour(0, colour);
        EXPECT_EQ(window.cellColour(0), colour);
        const QImage image = window.co1(0)->grab().toImage();
        const QColor expected(colour.red, colour.green, colour.blue);
        // The whole face inside the edge, not just one pixel.
        for (int y = 2; y < 31; y += 4)
            for (int x = 2; x < 31; x += 4)
                ASSERT_EQ(image.pixelColor(x, y), expected) << x << "," << y;
    }
}

// A cell that is not opaque makes the window repaint the background beneath it on every tick.
TEST_F(WindowTest, ACellPaintsItsWholeRaisedFaceItselfWhateverTheStyle)
{
    FlatButton* cell = window.co1(0);
    window.show();
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    for (QStyle* style : {static_cast<QStyle*>(nullptr), fusion.get()}) {
        if (style)
            cell->setStyle(style);
        EXPECT_TRUE(cell->testAttribute(Qt::WA_OpaquePaintEvent));
        EXPECT_FALSE(cell->testAttribute(Qt::WA_Hover));
        const QImage image = cell->grab().toImage();
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 255, 255));
        EXPECT_EQ(image.pixelColor(right, 0), QColor(0, 0, 0));
        EXPECT_EQ(image.pixelColor(right, bottom), QColor(0, 0, 0));
        EXPECT_EQ(image.pixelColor(right - 1, bottom - 1), QColor(128, 128, 128));
        EXPECT_EQ(image.pixelColor(1, 1), cell->colour());
    }
    cell->setStyle(nullptr);
}

TEST_F(WindowTest, BothTimersRunFromTheStart)
{
    const QTimer& timer1 = window.timer(Timer::Timer1);
    const QTimer& timer2 = window.timer(Timer::Timer2);
    EXPECT_EQ(timer1.interval(), 700);
    EXPECT_EQ(timer2.interval(), 40000);
    EXPECT_TRUE(timer1.isActive());
    EXPECT_TRUE(timer2.isActive());

    window.setTimerEnabled(Timer::Timer1, false);
    EXPECT_FALSE(timer1.isActive());
    window.setTimerInterval(Timer::Timer1, 650);
    window.setTimerEnabled(Timer::Timer1, true);
    EXPECT_TRUE(timer1.isActive());
    EXPECT_EQ(timer1.interval(), 650);
}

// What the window system was last given to show, rather than a fresh rendering of the widget.
QColor shownPixel(QWidget* window, QPoint point)
{
    return window->screen()->grabWindow(window->winId()).toImage().pixelColor(point);
}

TEST_F(WindowTest, APressedCellShowsSunkenAtOnceAndRaisedAgainWithTheClick)
{
    FlatButton* cell = window.co1(0);
    QSignalSpy clicks(&window, &MainWindow::co1Clicked);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint topLeft = cell->mapTo(&window, QPoint(0, 0));
    EXPECT_EQ(shownPixel(&window, topLeft), QColor(255, 255, 255));
    QTest::mousePress(cell, Qt::LeftButton);
    EXPECT_EQ(shownPixel(&window, topLeft), QColor(0, 0, 0));
    QTest::mouseRelease(cell, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(shownPixel(&window, topLeft), QColor(255, 255, 255));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(WindowTest, EnterReturnAndSpaceClickTheFocusedButton)
{
    FlatButton* cell = window.co1(0);
    QSignalSpy clicks(&window, &MainWindow::co1Clicked);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    cell->setFocus();
    QTest::keyClick(cell, Qt::Key_Space);
    QTest::keyClick(cell, Qt::Key_Return);
    QTest::keyClick(cell, Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(clicks.count(), 3);
    for (const auto& click : clicks)
        EXPECT_EQ(click.at(0).toInt(), 0);

    QSignalSpy fast(&window, &MainWindow::command1Clicked);
    QTest::keyClick(control<FlatButton>("Command1"), Qt::Key_Return);
    EXPECT_EQ(fast.count(), 1);
}

// A key held down on a button, as the X server sends it: the press, then every 33 ms a
// release and a press at one time, flagged as repeats when Qt recognises them and not
// when it does not, then the release. Each such hold clicks once.
TEST_F(WindowTest, AHeldKeyClicksOnce)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    FlatButton* buttons[] = {window.co1(0), control<FlatButton>("Command2")};
    unsigned long time = 1000;
    for (FlatButton* button : buttons) {
        QSignalSpy clicks(button, &FlatButton::clicked);
        button->setFocus();
        int holds = 0;
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            for (const bool flagged : {true, false}) {
                sendKey(button, QEvent::KeyPress, key, false, time += 500);
                for (int i = 0; i < 20; ++i) {
                    time += 33;
                    sendKey(button, QEvent::KeyRelease, key, flagged, time);
                    sendKey(button, QEvent::KeyPress, key, flagged, time);
                }
                sendKey(button, QEvent::KeyRelease, key, false, time += 10);
                ++holds;
                EXPECT_EQ(clicks.count(), holds) << button->objectName().toStdString() << " key " << key
                                                 << (flagged ? " repeats flagged" : " repeats unflagged");
            }
        }
        // Presses without a release between them, unflagged.
        sendKey(button, QEvent::KeyPress, Qt::Key_Return, false, time += 500);
        sendKey(button, QEvent::KeyPress, Qt::Key_Return, false, time += 33);
        sendKey(button, QEvent::KeyRelease, Qt::Key_Return, false, time += 33);
        EXPECT_EQ(clicks.count(), holds + 1) << button->objectName().toStdString();
    }
}

// Under a screen reader the buttons get each key as the bridge's copy, which carries no
// time: every press clicks once, and a held key's repeats do not click again.
TEST_F(WindowTest, UnderAScreenReaderEachKeyPressClicksOnce)
{
    ScreenReaderBridge bridge;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicks(&window, &MainWindow::co1Clicked);
    window.co1(0)->setFocus();
    QWindow* handle = window.windowHandle();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Space}) {
        QTest::keyClick(handle, key);
        bridge.clientAnswers();
    }
    EXPECT_EQ(clicks.count(), 3);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        QTest::keyPress(handle, key);
        for (int i = 0; i < 5; ++i)
            QTest::simulateEvent(handle, true, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString(), true);
        QTest::keyRelease(handle, key);
        bridge.clientAnswers();
    }
    EXPECT_EQ(clicks.count(), 5);
}

}  // namespace
}  // namespace rumitaku::testing
