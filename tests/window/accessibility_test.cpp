// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls/caption_label.h"
#include "tests/support/message_answerer.h"
#include "tests/window/window_fixture.h"

#include <QAccessible>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace rumitaku::testing {
namespace {

// What a screen reader is told, read through Qt's accessibility interfaces.
class AccessibilityTest : public WindowFixture {
protected:
    void load() { loadWithTimersStopped(); }

    static QAccessibleInterface* of(QObject* object)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        if (!face)
            ADD_FAILURE() << "no accessible interface";
        return face;
    }

    static QString name(QObject* object) { return of(object)->text(QAccessible::Name); }
    static QString description(QObject* object) { return of(object)->text(QAccessible::Description); }
};

// Every name and text anywhere under `face`, as a screen reader walking it finds them.
void collectTexts(QAccessibleInterface* face, std::vector<QString>& texts)
{
    texts.push_back(face->text(QAccessible::Name));
    for (int i = 0; i < face->childCount(); ++i)
        collectTexts(face->child(i), texts);
}

TEST_F(AccessibilityTest, CellsAreButtonsNamedByColumnAndRow)
{
    load();
    const struct {
        int index;
        const char* name;
    } cells[] = {{0, "1列目 1行目"}, {1, "1列目 2行目"}, {11, "1列目 12行目"},
                 {12, "2列目 1行目"}, {77, "7列目 6行目"}, {143, "12列目 12行目"}};
    for (const auto& c : cells) {
        QAccessibleInterface* cell = of(window.co1(c.index));
        EXPECT_EQ(cell->role(), QAccessible::Button) << c.index;
        EXPECT_EQ(cell->text(QAccessible::Name), c.name) << c.index;
        EXPECT_EQ(cell->parent()->object(), &window) << c.index;
    }
}

TEST_F(AccessibilityTest, ACellSaysWhatItShowsInTheLegendsWordsAfterEveryTick)
{
    load();
    for (int i = 0; i < 144; ++i)
        ASSERT_EQ(description(window.co1(i)), "消灯") << i;

    // The lit colours, each with the legend label that explains it.
    const struct {
        Rgb colour;
        const char* legend;
    } lit[] = {{cell_colour::lightGreen, "Label5"}, {cell_colour::lightRed, "Label6"},
               {cell_colour::grey, "Label7"}, {cell_colour::brightWhite, "Label8"},
               {cell_colour::lightMagenta, "Label9"}};
    for (const auto& l : lit) {
        window.setCellColour(40, l.colour);
        const QString legend = window.findChild<CaptionLabel*>(QLatin1String(l.legend))->text();
        EXPECT_EQ(description(window.co1(40)), legend.section(QLatin1String(" ="), 0, 0)) << l.legend;
    }
    window.setCellColour(40, cell_colour::idle);

    for (int tick = 0; tick < 5; ++tick) {
        const int before = game().lastCell();
        game().timer1Timer();
        const int now = game().lastCell();
        EXPECT_NE(description(window.co1(now)), "消灯");
        EXPECT_EQ(description(window.co1(before)), "消灯");
    }
}

// Scoring itself is checked against the recording window; here the screen reader's press reaches it.
TEST_F(AccessibilityTest, PressingACellThroughTheScreenReaderScores)
{
    load();
    window.setCellColour(30, cell_colour::lightRed);
    QAccessibleActionInterface* actions = of(window.co1(30))->actionInterface();
    ASSERT_TRUE(actions);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(game().score(), 5);
    EXPECT_EQ(name(control("Label1")), "得点 =  5");
}

TEST_F(AccessibilityTest, LabelsAndSpeedButtonsExposeTheirTexts)
{
    load();
    game().timer1Timer();
    const struct {
        const char* label;
        const char* text;
    } labels[] = {{"Label1", ""},        {"Label2", " 残り  40 秒 "}, {"Label3", "得点"},
                  {"Label4", "時間"},    {"Label5", "緑 = +1"},     {"Label8", "白 = -5"}};
    for (const auto& l : labels) {
        EXPECT_EQ(of(control(l.label))->role(), QAccessible::StaticText) << l.label;
        EXPECT_EQ(name(control(l.label)), l.text) << l.label;
    }
    game().showScore();
    EXPECT_EQ(name(control("Label1")), "得点 =  0");

    const struct {
        const char* button;
        const char* text;
        int interval;
    } buttons[] = {{"Command1", "早い", 650}, {"Command3", "普通？", 800}, {"Command2", "遅い", 1400}};
    for (const auto& b : buttons) {
        QAccessibleInterface* button = of(control(b.button));
        EXPECT_EQ(button->role(), QAccessible::Button) << b.button;
        EXPECT_EQ(button->text(QAccessible::Name), b.text) << b.button;
        QSignalSpy clicked(control(b.button), SIGNAL(clicked()));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(clicked.count() == 1 || clicked.wait(2000)) << b.button;
        EXPECT_EQ(window.timer(Timer::Timer1).interval(), b.interval) << b.button;
    }
}

TEST_F(AccessibilityTest, TheFramesAreGroupsNamedByTheirCaptionsAroundTheirControls)
{
    const struct {
        const char* frame;
        const char* caption;
        const char* inside;
    } frames[] = {{"Frame1", "色の説明", "Label9"}, {"Frame2", "速度変更", "Command2"}};
    for (const auto& f : frames) {
        QAccessibleInterface* frame = of(control(f.frame));
        EXPECT_EQ(frame->role(), QAccessible::Grouping) << f.frame;
        EXPECT_EQ(frame->text(QAccessible::Name), f.caption) << f.frame;
        EXPECT_EQ(frame->parent()->object(), &window) << f.frame;
        EXPECT_EQ(of(control(f.inside))->parent()->object(), control(f.frame)) << f.frame;
    }
}

// A screen reader that comes to a display reads its heading with it: "得点 得点 =  5".
TEST_F(AccessibilityTest, EachDisplayIsLabelledByItsHeadingAndOnlyByIt)
{
    using Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;
    const struct {
        const char* display;
        const char* heading;
    } pairs[] = {{"Label1", "Label3"}, {"Label2", "Label4"}};
    for (const auto& p : pairs) {
        QAccessibleInterface* display = of(control(p.display));
        QAccessibleInterface* heading = of(control(p.heading));
        EXPECT_EQ(display->relations(QAccessible::Label), (Relations{{heading, QAccessible::Label}}))
            << p.display;
        EXPECT_EQ(heading->relations(QAccessible::Labelled), (Relations{{display, QAccessible::Labelled}}))
            << p.heading;
        EXPECT_TRUE(display->relations(QAccessible::Labelled).isEmpty()) << p.display;
        EXPECT_TRUE(heading->relations(QAccessible::Label).isEmpty()) << p.heading;
        EXPECT_EQ(display->relations().size(), 1) << p.display;
    }
    // The legend labels stand alone.
    EXPECT_TRUE(of(control("Label5"))->relations().isEmpty());

    load();
    window.setCellColour(30, cell_colour::lightRed);
    window.co1(30)->click();
    QAccessibleInterface* display = of(control("Label1"));
    const QString heard = display->relations(QAccessible::Label).first().first->text(QAccessible::Name)
                          + QLatin1Char(' ') + display->text(QAccessible::Name);
    EXPECT_EQ(heard, "得点 得点 =  5");
}

TEST_F(AccessibilityTest, TheStartMessageIsReadWithItsTitlePromptAndButton)
{
    std::vector<QString> texts;
    QAccessible::Role role = QAccessible::NoRole;
    MessageAnswerer script({[&](QMessageBox& box) {
        QAccessibleInterface* face = of(&box);
        role = face->role();
        collectTexts(face, texts);
        box.button(QMessageBox::Ok)->click();
    }});
    game().load();
    EXPECT_FALSE(script.timedOut());
    EXPECT_TRUE(role == QAccessible::Dialog || role == QAccessible::AlertMessage) << role;
    for (const char* expected : {"ルミタク", "ゲームを開始します！", "OK"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), QString(expected)), texts.end()) << expected;
}

}  // namespace
}  // namespace rumitaku::testing
