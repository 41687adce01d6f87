// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/main_window.h"

#include "window/fonts.h"
#include "window/frame_box.h"
#include "window/message_box.h"
#include "window/qt_colour.h"
#include "window/qt_text.h"
#include "game/board.h"
#include "game/texts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLayout>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWindow>

#include <cstdint>
#include <limits>

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

CaptionLabel* addLabel(QWidget* parent, const char* name, QRect geometry, std::string_view caption,
                       qreal points)
{
    auto* label = new CaptionLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setText(qText(caption));
    label->setFont(labelFont(points));
    return label;
}

// A white display or legend label with a border.
CaptionLabel* addBoxedLabel(QWidget* parent, const char* name, QRect geometry,
                            std::string_view caption, qreal points, QColor textColour = Qt::black)
{
    CaptionLabel* label = addLabel(parent, name, geometry, caption, points);
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
    setFont(defaultFont());

    auto* cell = new CellButton(0, this);
    cell->setObjectName(QStringLiteral("co1"));
    cell->setGeometry(twipsRect(board::templateLeftTwips, board::templateTopTwips, board::cellSizeTwips,
                                board::cellSizeTwips));
    co1_[0] = cell;
    connectCell(0);

    label1_ = addBoxedLabel(this, "Label1", twipsRect(8160, 1440, 1815, 615), {}, 12);
    label2_ = addBoxedLabel(this, "Label2", twipsRect(8160, 2760, 1815, 615), {}, 12);
    CaptionLabel* label3 =
        addLabel(this, "Label3", twipsRect(8280, 1080, 1575, 375), texts::scoreHeading, 12);
    label3->setAlignment(Qt::AlignHCenter);
    CaptionLabel* label4 =
        addLabel(this, "Label4", twipsRect(8160, 2400, 1695, 255), texts::timeHeading, 12);
    label4->setAlignment(Qt::AlignHCenter);
    label1_->setHeading(label3);
    label2_->setHeading(label4);

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

    FrameBox* frame2 = addFrame(this, "Frame2", twipsRect(7560, 5880, 2895, 855), texts::speedFrame);
    auto* command1 = addSpeedButton(frame2, "Command1", twipsRect(120, 240, 735, 495),
                                    texts::speedFast, QColor(128, 128, 255));
    auto* command3 = addSpeedButton(frame2, "Command3", twipsRect(1080, 240, 735, 495),
                                    texts::speedNormal, QColor(255, 255, 0));
    auto* command2 = addSpeedButton(frame2, "Command2", twipsRect(2040, 240, 735, 495),
                                    texts::speedSlow, QColor(255, 128, 128));
    connect(command1, &FlatButton::clicked, this, &MainWindow::command1Clicked);
    connect(command2, &FlatButton::clicked, this, &MainWindow::command2Clicked);
    connect(command3, &FlatButton::clicked, this, &MainWindow::command3Clicked);

    connect(&timer1_, &PreciseTimer::timeout, this, &MainWindow::timer1Timer);
    connect(&timer2_, &PreciseTimer::timeout, this, &MainWindow::timer2Timer);
    timer1_.start();
    timer2_.start();
}

MainWindow::~MainWindow() = default;

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
    // A round starts: its question is built once the events that are due have been handled.
    if (which == Timer::Timer2 && enabled && !question_)
        QTimer::singleShot(0, this, &MainWindow::prepareQuestion);
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
    std::unique_ptr<MessageBox> box;
    if (question_ && question_->isFor(buttons, icon, qText(title))) {
        box = std::move(question_);
        box->setText(qText(prompt));
    } else {
        box = std::make_unique<MessageBox>(qText(title), qText(prompt), buttons, icon, this);
    }
    const MessageAnswer answer = box->ask();
    // What the answer starts (the next round's timers) comes before the closed box is
    // taken down, which takes a moment of its own.
    box.release()->deleteLater();
    return answer;
}

// The question the rounds end with, ready but for its prompt: built, polished, laid out
// and given its window, none of which depends on the score.
void MainWindow::prepareQuestion()
{
    if (question_ || !timer2_.isActive())
        return;
    question_ = std::make_unique<MessageBox>(qText(texts::messageTitle), QString(), MessageButtons::YesNo,
                                             MessageIcon::None, this);
    question_->ensurePolished();
    question_->layout()->activate();
    question_->createWindow();
    drawQuestionAhead();
}

// Draws the question once off the screen, so that the glyphs of its prompt are at hand
// when it is shown: the glyphs are kept for each fraction of a pixel they stand at, and
// where the words after the score stand depends on how many characters the score has.
// One line for each length, from "8" to "-32768".
void MainWindow::drawQuestionAhead()
{
    const QString lowest = QString::number(std::numeric_limits<std::int16_t>::min());
    QStringList lines;
    for (qsizetype length = 1; length <= lowest.size(); ++length)
        lines.append(qText(texts::roundEndPromptBefore) + lowest.right(length) + qText(texts::roundEndPromptAfter));
    question_->setText(lines.join(QLatin1Char('\n')));
    question_->adjustSize();
    question_->grab();
    question_->setText(QString());
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

void MainWindow::unloadWindow()
{
    close();
}

// Closing the window ends the program; the timers must not fire while it winds down.
void MainWindow::closeEvent(QCloseEvent* event)
{
    timer1_.stop();
    timer2_.stop();
    QWidget::closeEvent(event);
}

void MainWindow::endProgram()
{
    QCoreApplication::exit(0);
}

}  // namespace rumitaku
