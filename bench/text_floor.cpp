// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A second floor: the floor's empty window, with the game's captions in its
// Japanese font on it, and a round that opens and closes with a message box
// answered as the game's are. It shows what the toolkit itself costs for the
// text the game must show. Kept apart from the floor, so that the floor links
// nothing it does not use.
//   bench_text_floor              shows the window until it is ended
//   bench_text_floor round [ms]   also runs the floor's two timers for one
//                                 round (40000 ms unless given) and prints
//                                 their timing and the peak memory

#include "bench/floor_round.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <cstring>

namespace {

// Shown, and answered a player's moment later, from its own event loop.
void askAndAnswer(QWidget* parent, const char* text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8("ルミタク"), QString::fromUtf8(text),
                    buttons, parent);
    QTimer::singleShot(300, &box, [&box] { box.done(0); });
    box.exec();
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool round = argc > 1 && std::strcmp(argv[1], "round") == 0;
    const int roundMs = argc > 2 ? std::atoi(argv[2]) : 40000;

    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("text floor"));
    window.setFixedSize(703, 504);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSizeF(12);
    font.setBold(true);
    QApplication::setFont(font);
    QLabel captions(QString::fromUtf8("得点 時間 色の説明 緑 赤 灰 白 ピンク 得点のリセット "
                                      "速度変更 早い 普通？ 遅い 0123456789"),
                    &window);
    captions.move(8, 8);
    window.show();
    if (!round)
        return app.exec();

    rumitaku::bench::playFloorRound(
        window, roundMs,
        [&window] { askAndAnswer(&window, "ゲームを開始します！", QMessageBox::Ok); },
        [&window] {
            askAndAnswer(&window, "得点は0でした！　ゲームを続けますか？",
                         QMessageBox::Yes | QMessageBox::No);
        });
    return 0;
}
