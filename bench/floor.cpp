// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor: an empty window of the game's size, built with the same toolkit and flags,
// against which the game's figures are set. Built again as the text floor, with the
// game's captions in its Japanese font, and a round that opens and closes with a message
// box answered as the game's are. The floor is built without the text floor's code, so
// that it links nothing it does not use.
//   bench_floor [round [ms]]        the window until it is ended, or a round of 40000 ms
//   bench_text_floor [round [ms]]   or ms of two precise timers like the game's, doing
//                                   nothing, and the round's figures
//   bench_floor play [ms]           the round, its messages left for a player to answer,
//   bench_text_floor play [ms]      and until it is ended

#include "bench/measure.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace {

constexpr bool textFloor = RUMITAKU_TEXT_FLOOR;

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
    const bool play = argc > 1 && std::strcmp(argv[1], "play") == 0;
    const bool round = play || (argc > 1 && std::strcmp(argv[1], "round") == 0);
    const int roundMs = argc > 2 ? std::atoi(argv[2]) : 40000;

    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(textFloor ? QStringLiteral("text floor") : QStringLiteral("floor"));
    window.setFixedSize(703, 504);
    if constexpr (textFloor) {
        QFont font(QStringLiteral("IPAPGothic"));
        font.setPointSizeF(12);
        font.setBold(true);
        QApplication::setFont(font);
        auto* captions = new QLabel(QString::fromUtf8("得点 時間 色の説明 緑 赤 灰 白 ピンク "
                                                      "得点のリセット 速度変更 早い 普通？ 遅い "
                                                      "0123456789"),
                                    &window);
        captions->move(8, 8);
    }
    window.show();
    if (!round)
        return app.exec();

    // Started a player's moment after the window shows, as the game's are.
    rumitaku::bench::RoundRecorder recorder(650, roundMs);
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &window, [&recorder] { recorder.tick(); });
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
