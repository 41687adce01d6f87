// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor: a window of the game's size with what the game does at the least, built
// with the same toolkit and flags, against which the game's figures are set: one cell,
// a push button lit and put out again at each tick, and a push button to click. Built
// again as the text floor, with the game's captions in its Japanese font, and a round
// that opens and closes with a message box answered as the game's are. The floor is
// built without the text floor's code, so that it links nothing it does not use.
//   bench_floor [round [ms]]        the window until it is ended, or a round of 40000 ms
//   bench_text_floor [round [ms]]   or ms of two precise timers like the game's, the
//                                   tick lighting the cell, and the round's figures
//   bench_floor play [ms]           the round, its messages left for a player to answer,
//   bench_text_floor play [ms]      and until it is ended
//   bench_floor button              where the button to click stands in the window, as
//                                   `bench_outside --press` takes a board and a score

#include "bench/measure.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr bool textFloor = RUMITAKU_TEXT_FLOOR;

// Where the game's first cell stands, and the one to its right.
constexpr int cellSize = 33;
const QRect cellPlace(8, 8, cellSize, cellSize);
const QRect buttonPlace(49, 8, cellSize, cellSize);

// Shown, from its own event loop, and answered a player's moment later, or by the player.
void ask(QWidget* parent, const char* text, QMessageBox::StandardButtons buttons, bool answered)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8("ルミタク"), QString::fromUtf8(text),
                    buttons, parent);
    if (answered)
        QTimer::singleShot(300, &box, [&box] { box.done(0); });
    box.exec();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "button") == 0) {
        // A board of one cell, its square the button's, and the button again for the
        // score: a press and a release each repaint the button.
        const QRect& b = buttonPlace;
        std::printf("%d,%d,%d,1 %d,%d,%d,%d\n", b.x(), b.y(), b.width(), b.x(), b.y(), b.width(), b.height());
        return 0;
    }
    const bool play = argc > 1 && std::strcmp(argv[1], "play") == 0;
    const bool round = play || (argc > 1 && std::strcmp(argv[1], "round") == 0);
    const int roundMs = argc > 2 ? std::atoi(argv[2]) : 40000;

    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(textFloor ? QStringLiteral("text floor") : QStringLiteral("floor"));
    window.setFixedSize(703, 504);
    auto* cell = new QPushButton(&window);
    cell->setGeometry(cellPlace);
    auto* button = new QPushButton(&window);
    button->setGeometry(buttonPlace);
    if constexpr (textFloor) {
        QFont font(QStringLiteral("IPAPGothic"));
        font.setPointSizeF(12);
        font.setBold(true);
        QApplication::setFont(font);
        auto* captions = new QLabel(QString::fromUtf8("得点 時間 色の説明 緑 赤 灰 白 ピンク "
                                                      "得点のリセット 速度変更 早い 普通？ 遅い "
                                                      "0123456789"),
                                    &window);
        captions->move(8, 56);
    }
    window.show();
    if (!round)
        return app.exec();

    // Started a player's moment after the window shows, as the game's are.
    rumitaku::bench::RoundRecorder recorder(650, roundMs);
    const QPalette idle(Qt::cyan);
    const QPalette lit(Qt::green);
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &window, [&recorder, cell, &idle, &lit] {
        recorder.tick();
        cell->setPalette(recorder.ticks() % 2 == 1 ? lit : idle);
    });
    QTimer::singleShot(300, &window, [&] {
        if constexpr (textFloor)
            ask(&window, "ゲームを開始します！", QMessageBox::Ok, !play);
        recorder.start(std::chrono::steady_clock::now());
        tick.start(650);
        QTimer::singleShot(roundMs, Qt::PreciseTimer, &window, [&] {
            recorder.end();
            tick.stop();
            if constexpr (textFloor)
                ask(&window, "得点は0でした！　ゲームを続けますか？", QMessageBox::Yes | QMessageBox::No, !play);
            QCoreApplication::quit();
        });
    });
    app.exec();
    recorder.print();
    return 0;
}
