// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/main_window.h"

#include "window/controls/frame_box.h"
#include "window/dialogs/message_box.h"
#include "window/qt_colour.h"
#include "window/qt_text.h"
#include "game/board.h"
#include "game/texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QLabel>
#include <QWindow>

namespace rumitaku {

namespace {

constexpr int pixels(int twips)
{
    return (twips + MainWindow::twipsPerPixel / 2) / MainWindow::twipsPerPixel;
}

// The rules read the template cell's size back in twips and place the other cells from it:
// whole pixels keep every cell where the rules put it.
static_assert(board::cellSizeTwips % MainWindow::twipsPerPixel == 0
              && board::gapTwips % MainWindow::twipsPerPixel == 0
              && board::templateLeftTwips % MainWindow::twipsPerPixel == 0
              && board::templateTopTwips % MainWindow::twipsPerPixel == 0);

QRect twipsRect(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

void setBackground(QWidget* widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The application's Japanese font as large in the layout's pixels as `points` are at
// 96 DPI: the layout does not grow with the desktop's font resolution (Xft.dpi, where Qt
// scales nothing), so neither may the texts it holds. A point is 20 twips.
QFont inLayoutPixels(qreal points)
{
    constexpr int twipsPerPoint = 20;
    QFont font = QApplication::font();
    font.setPixelSize(qRound(points * twipsPerPoint / MainWindow::twipsPerPixel));
    return font;
}

// Font A: the application's Japanese font, bold.
QFont labelFont(qreal points)
{
    QFont font = inLayoutPixels(points);
    font.setWeight(QFont::Bold);
    return font;
}

// A heading: transparent, its caption centred at the top in black, whatever the
// desktop's colours. Qt's label draws it; its buddy is the display it heads, which a
// screen reader then reads with it.
QLabel* addHeading(QWidget* parent, const char* name, QRect geometry, std::string_view caption,
                   QWidget* display)
{
    auto* heading = new QLabel(qText(caption), parent);
    heading->setObjectName(QLatin1String(name));
    heading->setGeometry(geometry);
    heading->setFont(labelFont(12));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = heading->palette();
    palette.setColor(QPalette::WindowText, defaultTextColour);
    heading->setPalette(palette);
    heading->setBuddy(display);
    return heading;
}

// A white display or legend label with a border.
CaptionLabel* addBoxedLabel(QWidget* parent, const char* name, QRect geometry,
                            std::string_view caption, qreal points,
                            QColor textColour = defaultTextColour)
{
    auto* label = new CaptionLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setText(qText(caption));
    label->setFont(labelFont(points));
    label->setBackground(Qt::white);
    label->setBorder(true);
    label->setTextColour(textColour);
    return label;
}

FrameBox* addFrame(QWidget* parent, const char* name, QRect geometry, std::string_view caption)
{
    auto* frame = new FrameBox(qText(caption), parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    return frame;
}

FlatButton* addSpeedButton(QWidget* parent, const char* name, QRect geometry,
                           std::string_view caption, QColor colour)
{
    auto* button = new FlatButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setText(qText(caption));
    button->setColour(colour);
    return button;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qText(texts::windowCaption));
    setFixedSize(pixels(10545), pixels(7560));
    setBackground(this, QColor(192, 255, 192));
    // The frames and the speed buttons take the application's font, whose size the
    // message boxes, laid out for their text, keep in points.
    setFont(inLayoutPixels(QApplication::font().pointSizeF()));

    auto* cell = new CellButton(0, this);
    cell->setObjectName(QStringLiteral("co1"));
    cell->setGeometry(twipsRect(board::templateLeftTwips, board::templateTopTwips, board::cellSizeTwips,
                                board::cellSizeTwips));
    co1_[0] = cell;
    connectCell(0);

    label1_ = addBoxedLabel(this, "Label1",
                            twipsRect(scoreLeftTwips, scoreTopTwips, displayWidthTwips, displayHeightTwips),
                            {}, 12);
    label2_ = addBoxedLabel(this, "Label2",
                            twipsRect(scoreLeftTwips, 2760, displayWidthTwips, displayHeightTwips), {}, 12);
    addHeading(this, "Label3", twipsRect(8280, 1080, 1575, 375), texts::scoreHeading, label1_);
    addHeading(this, "Label4", twipsRect(8160, 2400, 1695, 255), texts::timeHeading, label2_);

    FrameBox* frame1 = addFrame(this, "Frame1", twipsRect(8160, 3720, 1935, 1575), texts::legendFrame);
    addBoxedLabel(frame1, "Label5", twipsRect(120, 240, 855, 375), texts::legendGreen, 9.75,
                  QColor(0, 128, 0));
    addBoxedLabel(frame1, "Label6", twipsRect(960, 240, 855, 375), texts::legendRed, 9.75,
                  QColor(255, 0, 0));
    addBoxedLabel(frame1, "Label7", twipsRect(960, 600, 855, 375), texts::legendGrey, 9.75,
                  QColor(64, 64, 64));
    addBoxedLabel(frame1, "Label8", twipsRect(120, 600, 855, 375), texts::legendWhite, 9.75);
    addBoxedLabel(frame1, "Label9", twipsRect(120, 960, 1695, 495), texts::legendMagenta, 9.75,
                  QColor(255, 0, 255))
        ->setWordWrap(true);

    FrameBox* frame2 = addFrame(this, "Frame2", twipsRect(speedFrameLeftTwips, speedFrameTopTwips, 2895, 855),
                                texts::speedFrame);
    const auto speedButtonRect = [](int left) {
        return twipsRect(left, speedButtonTopTwips, speedButtonWidthTwips, speedButtonHeightTwips);
    };
    auto* command1 = addSpeedButton(frame2, "Command1", speedButtonRect(fastLeftTwips), texts::speedFast,
                                    QColor(128, 128, 255));
    auto* command3 = addSpeedButton(frame2, "Command3", speedButtonRect(normalLeftTwips), texts::speedNormal,
                                    QColor(255, 255, 0));
    auto* command2 = addSpeedButton(frame2, "Command2", speedButtonRect(slowLeftTwips), texts::speedSlow,
                                    QColor(255, 128, 128));
    connect(command1, &FlatButton::clicked, this, &MainWindow::command1Clicked);
    connect(command2, &FlatButton::clicked, this, &MainWindow::command2Clicked);
    connect(command3, &FlatButton::clicked, this, &MainWindow::command3Clicked);

    // Qt's default timers may come up to 5 % of the interval early or late, which
    // players would see in the ticks; precise ones keep to the millisecond.
    timer1_.setTimerType(Qt::PreciseTimer);
    timer2_.setTimerType(Qt::PreciseTimer);
    timer1_.setInterval(timer1StartInterval);
    timer2_.setInterval(timer2Interval);
    connect(&timer1_, &QTimer::timeout, this, &MainWindow::timer1Timer);
    connect(&timer2_, &QTimer::timeout, this, &MainWindow::timer2Timer);
    timer1_.start();
    timer2_.start();
}

void MainWindow::connectCell(int index)
{
    connect(co1_[static_cast<std::size_t>(index)], &FlatButton::clicked, this,
            [this, index] { emit co1Clicked(index); });
}

void MainWindow::createCell(int index)
{
    const CellButton* templateCell = co1(0);
    auto* cell = new CellButton(index, this);
    cell->setObjectName(templateCell->objectName());
    cell->resize(templateCell->size());
    cell->setColour(templateCell->colour());
    cell->hide();
    // Tab moves down the cells in index order, then to the speed buttons.
    setTabOrder(co1(index - 1), cell);
    co1_[static_cast<std::size_t>(index)] = cell;
    connectCell(index);
}

int MainWindow::cellWidth(int index) const
{
    return co1(index)->width() * twipsPerPixel;
}

int MainWindow::cellHeight(int index) const
{
    return co1(index)->height() * twipsPerPixel;
}

void MainWindow::setCellTop(int index, int twips)
{
    FlatButton* cell = co1(index);
    cell->move(cell->x(), pixels(twips));
}

void MainWindow::setCellLeft(int index, int twips)
{
    FlatButton* cell = co1(index);
    cell->move(pixels(twips), cell->y());
}

void MainWindow::setCellVisible(int index, bool visible)
{
    co1(index)->setVisible(visible);
}

void MainWindow::setCellColour(int index, Rgb colour)
{
    co1(index)->setColour(qColour(colour));
}

Rgb MainWindow::cellColour(int index) const
{
    return rgbOf(co1(index)->colour());
}

void MainWindow::setLabelText(Label label, std::string_view utf8)
{
    (label == Label::Label1 ? label1_ : label2_)->setText(qText(utf8));
}

void MainWindow::setTimerEnabled(Timer which, bool enabled)
{
    if (enabled)
        timerOf(which).start();  // starts the interval afresh
    else
        timerOf(which).stop();
}

void MainWindow::setTimerInterval(Timer which, int milliseconds)
{
    // On a running timer this restarts the current interval: the next tick comes one
    // new interval after the speed button was pressed.
    timerOf(which).setInterval(milliseconds);
}

MessageAnswer MainWindow::showMessage(std::string_view prompt, MessageButtons buttons,
                                      MessageIcon icon, std::string_view title)
{
    waitUntilDrawn();
    auto* box = new MessageBox(qText(title), qText(prompt), buttons, icon, this);
    const MessageAnswer answer = box->ask();
    // Taken down once what the answer starts, the next round's timers, has started.
    box->deleteLater();
    return answer;
}

// A window just shown is drawn once the window system exposes it. The start message
// waits for that, so that the board is on the screen at once rather than after the
// message is built and laid out. Clicks and keys wait too; a window manager that keeps
// the window hidden holds the message back a moment at most.
void MainWindow::waitUntilDrawn()
{
    if (!isVisible() || windowHandle()->isExposed())
        return;
    constexpr int longestWaitMs = 200;
    const QDeadlineTimer deadline(longestWaitMs);
    QTimer::singleShot(longestWaitMs, this, [] {});  // wakes the wait below at the latest
    while (isVisible() && !windowHandle()->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents
                                        | QEventLoop::WaitForMoreEvents);
}

void MainWindow::showWindow()
{
    show();
    // Qt appends the application's display name to each caption given after it is set; the
    // window's caption is "Form1" alone, so the name comes once the window stands with it.
    // The message boxes' title is the display name itself, which Qt leaves as it is.
    QGuiApplication::setApplicationDisplayName(qText(texts::applicationDisplayName));
}

// Moved to a screen of another scale factor, the window keeps its size in the screen's own
// pixels, and Qt gives it the size those pixels make there: at 2× from 1×, a quarter of
// the layout is left in sight. Once Qt has done so, the window takes its fixed size again.
void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::keepWhole,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
}

void MainWindow::keepWhole()
{
    resize(minimumSize());  // the fixed size
}

void MainWindow::unloadWindow()
{
    close();
}

// Closing the window ends the program; the timers must not fire while it winds down. Not
// while a message box waits for its answer: the box is answered first, whichever way the
// close comes (from a Wayland compositor that knows nothing of modal boxes and closes the
// window beneath one as any other, or from within the program).
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (QApplication::activeModalWidget()) {
        event->ignore();
        return;
    }
    timer1_.stop();
    timer2_.stop();
    QWidget::closeEvent(event);
}

void MainWindow::endProgram()
{
    QCoreApplication::exit(0);
}

}  // namespace rumitaku
