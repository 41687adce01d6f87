// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls/caption_label.h"
#include "tests/support/message_answerer.h"
#include "tests/window/window_fixture.h"
#include "window/dialogs/answer_guard.h"
#include "window/dialogs/message_box.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace rumitaku::testing {
namespace {

class WindowGameTest : public WindowFixture {
protected:
    QString label(const char* name) { return window.findChild<CaptionLabel*>(QLatin1String(name))->text(); }

    int litCell() const
    {
        for (int i = 0; i < 144; ++i)
            if (!(window.cellColour(i) == cell_colour::idle))
                return i;
        return -1;
    }
};

// The rules' start-up order is checked against the recording window; here the real box: its
// icon, modality and button, over the board the window has drawn, with its real timers off.
TEST_F(WindowGameTest, StartMessageGreetsThePlayerOverTheIdleBoardWithTheTimersOff)
{
    bool checked = false;
    MessageAnswerer script({[&](QMessageBox& box) {
        EXPECT_EQ(box.text(), "ゲームを開始します！");
        EXPECT_EQ(box.windowTitle(), "ルミタク");
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_TRUE(box.isModal());
        ASSERT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.buttons()[0]->text(), "OK");
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(window.timer(Timer::Timer1).isActive());
        EXPECT_FALSE(window.timer(Timer::Timer2).isActive());
        for (int i = 0; i < 144; ++i) {
            EXPECT_TRUE(window.co1(i)->isVisible()) << i;
            EXPECT_EQ(window.cellColour(i), cell_colour::idle) << i;
        }
        EXPECT_EQ(label("Label1"), "");
        EXPECT_EQ(label("Label2"), "");
        checked = true;
        QTest::keyClick(&box, Qt::Key_Return);
    }});
    game().load();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(script.timedOut());
    EXPECT_TRUE(window.timer(Timer::Timer1).isActive());
    EXPECT_TRUE(window.timer(Timer::Timer2).isActive());
}

// Watches for the window's first paint and for the first event a message box receives,
// which comes while the box is being built.
class PaintBeforeBox : public QObject {
public:
    explicit PaintBeforeBox(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintBeforeBox() override { qApp->removeEventFilter(this); }

    bool paintedBeforeBox() const { return paintedBeforeBox_; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint)
            painted_ = true;
        if (!sawBox_ && qobject_cast<QMessageBox*>(watched)) {
            sawBox_ = true;
            paintedBeforeBox_ = painted_;
        }
        return false;
    }

private:
    QWidget* window_;
    bool painted_ = false;
    bool sawBox_ = false;
    bool paintedBeforeBox_ = false;
};

TEST_F(WindowGameTest, TheBoardIsDrawnBeforeTheStartMessageIsBuilt)
{
    PaintBeforeBox watch(&window);
    loadAnsweringOk();
    EXPECT_TRUE(watch.paintedBeforeBox());
}

// The rules place the cells in twips; here they land on whole pixels, and Tab visits them in order.
TEST_F(WindowGameTest, TheBoardIsAGridOfCellsThatTabVisitsInOrder)
{
    loadAnsweringOk();
    for (int i = 0; i < 144; ++i) {
        const QRect expected(8 + 41 * (i / 12), 8 + 41 * (i % 12), 33, 33);
        EXPECT_EQ(window.co1(i)->geometry(), expected) << i;
    }
    std::vector<QWidget*> order;
    QWidget* widget = window.co1(0);
    for (int i = 0; i < 147; ++i) {
        order.push_back(widget);
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    for (int i = 0; i < 144; ++i)
        EXPECT_EQ(order[static_cast<std::size_t>(i)], window.co1(i)) << i;
    EXPECT_EQ(order[144]->objectName(), "Command1");
    EXPECT_EQ(order[145]->objectName(), "Command3");
    EXPECT_EQ(order[146]->objectName(), "Command2");
    EXPECT_EQ(widget, window.co1(0));
}

// The tick itself is checked against the recording window; here the real cells and label show it.
TEST_F(WindowGameTest, ATickLightsOneCellAndShowsTheTimeLeft)
{
    clock.now = 200.0f;
    loadAnsweringOk();
    clock.now = 203.4f;
    game().timer1Timer();
    const int lit = litCell();
    ASSERT_GT(lit, 0);
    int litCount = 0;
    for (int i = 0; i < 144; ++i)
        litCount += !(window.cellColour(i) == cell_colour::idle);
    EXPECT_EQ(litCount, 1);
    EXPECT_EQ(label("Label2"), " 残り  36 秒 ");
}

// Scoring is checked against the recording window; here the mouse and the keys reach it.
TEST_F(WindowGameTest, MouseAndKeyboardClicksOnALitCellScore)
{
    loadAnsweringOk();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Light cell 30 red, as a tick would.
    window.setCellColour(30, cell_colour::lightRed);
    QTest::mouseClick(window.co1(30), Qt::LeftButton);
    EXPECT_EQ(label("Label1"), "得点 =  5");
    EXPECT_TRUE(window.co1(30)->hasFocus());
    QTest::keyClick(window.co1(30), Qt::Key_Space);
    EXPECT_EQ(label("Label1"), "得点 =  10");
    QTest::keyClick(window.co1(30), Qt::Key_Return);
    EXPECT_EQ(label("Label1"), "得点 =  15");
    window.setCellColour(30, cell_colour::brightWhite);
    QTest::keyClick(window.co1(30), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(label("Label1"), "得点 =  10");
    QTest::mouseClick(window.co1(31), Qt::LeftButton);
    EXPECT_EQ(label("Label1"), "得点 =  10");
}

// Which button sets which interval is checked against the recording window; here a mouse click
// on each real button reaches the real timer, which keeps running.
TEST_F(WindowGameTest, SpeedButtonsSetTheTickInterval)
{
    loadAnsweringOk();
    const struct {
        const char* name;
        int interval;
    } buttons[] = {{"Command1", 650}, {"Command3", 800}, {"Command2", 1400}};
    for (const auto& b : buttons) {
        QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(b.name)), Qt::LeftButton);
        EXPECT_EQ(window.timer(Timer::Timer1).interval(), b.interval) << b.name;
        EXPECT_TRUE(window.timer(Timer::Timer1).isActive());
    }
}

TEST_F(WindowGameTest, ClosingTheWindowDuringARoundEndsTheProgram)
{
    loadAnsweringOk();
    window.setTimerInterval(Timer::Timer1, 1);
    int ticksAfterClose = 0;
    QTimer::singleShot(30, &window, [&] {
        window.close();
        QObject::connect(&window, &MainWindow::timer1Timer, [&] { ++ticksAfterClose; });
    });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ticksAfterClose, 0);
}

TEST(QuestionBox, MustBeAnsweredYesOrNo)
{
    MessageBox question("ルミタク", "得点は37でした！　ゲームを続けますか？", MessageButtons::YesNo,
                        MessageIcon::None, nullptr);
    qint64 now = 0;
    auto* guard = question.findChild<AnswerGuard*>();
    ASSERT_TRUE(guard);
    guard->setClock([&now] { return now; });
    bool stillOpen = false;
    MessageAnswerer script({[&](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.windowTitle(), "ルミタク");
        ASSERT_EQ(box.buttons().size(), 2);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "はい(&Y)");
        EXPECT_EQ(box.button(QMessageBox::No)->text(), "いいえ(&N)");
        EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::Yes));
        // Read by the player, past the moment after it appeared when it takes no input.
        now += AnswerGuard::blindMs;
        QTest::keyClick(&box, Qt::Key_Escape);
        box.close();
        stillOpen = box.isVisible();
        QTest::keyClick(&box, Qt::Key_Return);
    }});
    EXPECT_EQ(question.ask(), MessageAnswer::Yes);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(script.timedOut());
}

TEST(QuestionBox, NoIsAnAnswerToo)
{
    MessageBox question("ルミタク", "?", MessageButtons::YesNo, MessageIcon::None, nullptr);
    MessageAnswerer script({[](QMessageBox& box) { clickButton(box, "いいえ(&N)"); }});
    EXPECT_EQ(question.ask(), MessageAnswer::No);
}

// Counts the events of one type that the widget it watches gets.
class EventCount : public QObject {
public:
    EventCount(QWidget* widget, QEvent::Type type) : type_(type) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == type_;
        return false;
    }

private:
    QEvent::Type type_;
};

// A window manager may place the window after the box has come up over it: the box moves
// with it, until the player moves the box; and the box takes the keyboard back whenever
// the window beneath it is activated.
TEST(MessageBoxOverItsWindow, StaysOverItAndKeepsTheKeyboard)
{
    QWidget board;
    board.setFixedSize(703, 504);
    board.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
    MessageBox box("ルミタク", "ゲームを開始します！", MessageButtons::Ok, MessageIcon::Question, &board);
    const auto over = [&] {
        return (box.frameGeometry().center() - board.frameGeometry().center()).manhattanLength() <= 2;
    };
    bool overAtFirst = false;
    bool overOncePlaced = false;
    bool activeAgain = false;
    bool leftWhereMoved = false;
    MessageAnswerer script({[&](QMessageBox&) {
        overAtFirst = over();
        board.move(40, 30);
        overOncePlaced = QTest::qWaitFor(over);
        EventCount activations(&board, QEvent::WindowActivate);
        board.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return activations.count > 0; }));
        activeAgain = QTest::qWaitFor([&] { return box.isActiveWindow(); });
        box.move(5, 5);
        EventCount moves(&board, QEvent::Move);
        board.move(60, 50);
        ASSERT_TRUE(QTest::qWaitFor([&] { return moves.count > 0; }));
        leftWhereMoved = box.pos() == QPoint(5, 5);
        clickButton(box, "OK");
    }});
    EXPECT_EQ(box.ask(), MessageAnswer::Ok);
    EXPECT_TRUE(overAtFirst);
    EXPECT_TRUE(overOncePlaced);
    EXPECT_TRUE(activeAgain);
    EXPECT_TRUE(leftWhereMoved);
    EXPECT_FALSE(script.timedOut());
}

// The round's end only gives the question its prompt and shows it: the box stands ready
// from the start of the round, and the next round has its own.
TEST_F(WindowGameTest, TheQuestionIsMadeWhenTheRoundEndsAndTakenDownOnceAnswered)
{
    loadAnsweringOk();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.findChildren<MessageBox*>().isEmpty());
    // The board's controls draw into the board's window, not each into a native window of its own.
    QStringList native;
    for (const QWidget* widget : window.findChildren<QWidget*>())
        if (widget->testAttribute(Qt::WA_NativeWindow))
            native.append(widget->objectName());
    EXPECT_EQ(native.join(u' ').toStdString(), "");
    MessageAnswerer script({[&](QMessageBox& box) {
        EXPECT_EQ(box.text(), "得点は0でした！　ゲームを続けますか？");
        EXPECT_EQ(box.windowTitle(), "ルミタク");
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.textInteractionFlags(), Qt::NoTextInteraction);
        EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::Yes));
        clickButton(box, "はい(&Y)");
    }});
    game().timer2Timer();
    EXPECT_FALSE(script.timedOut());
    // The answered box goes once the event loop comes to it.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.findChildren<MessageBox*>().isEmpty());
}

// Two rounds as a player plays them, with the timers shortened so that the test need not wait 40 s.
TEST_F(WindowGameTest, AWholeGameFromTheStartMessageToNo)
{
    window.setTimerInterval(Timer::Timer1, 15);
    window.setTimerInterval(Timer::Timer2, 400);
    QString firstPrompt;
    QString secondPrompt;
    QString scoreAfterYes;
    MessageAnswerer script({[](QMessageBox& box) { clickButton(box, "OK"); },
                         [&](QMessageBox& box) {
                             firstPrompt = box.text();
                             clickButton(box, "はい(&Y)");
                         },
                         [&](QMessageBox& box) {
                             scoreAfterYes = label("Label1");
                             secondPrompt = box.text();
                             clickButton(box, "いいえ(&N)");
                         }});
    QString scoreAfterClick;
    int score = 0;
    QObject context;
    QObject::connect(&window, &MainWindow::timer1Timer, &context, [&] {
        if (!scoreAfterClick.isEmpty())
            return;
        const int cell = litCell();
        window.show();
        QTest::mouseClick(window.co1(cell), Qt::LeftButton);
        score = game().score();
        scoreAfterClick = label("Label1");
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(30000);

    game().load();
    const int status = QCoreApplication::exec();

    EXPECT_EQ(status, 0);
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(script.timedOut());
    EXPECT_EQ(scoreAfterClick, QString("得点 = %1%2").arg(score < 0 ? "" : " ").arg(score));
    EXPECT_NE(score, 0);
    EXPECT_EQ(firstPrompt, QString("得点は%1でした！　ゲームを続けますか？").arg(score));
    EXPECT_EQ(scoreAfterYes, "得点 =  0");
    EXPECT_EQ(secondPrompt, "得点は0でした！　ゲームを続けますか？");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.timer(Timer::Timer1).isActive());
    EXPECT_FALSE(window.timer(Timer::Timer2).isActive());
}

}  // namespace
}  // namespace rumitaku::testing
