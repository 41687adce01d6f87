#include "game.h"
#include "main_window.h"
#include "qt_clock.h"
#include "random_source.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    using namespace rumitaku;

    exitClearlyWithoutDisplay();
    QApplication app(argc, argv);
    warnWithoutJapaneseFont();

    MainWindow window;
    MersenneRandom random;
    QtClock clock;
    Game game(window, random, clock);

    QObject::connect(&window, &MainWindow::co1Clicked, [&game](int index) { game.co1Click(static_cast<std::int16_t>(index)); });
    QObject::connect(&window, &MainWindow::timer1Timer, [&game] { game.timer1Timer(); });
    QObject::connect(&window, &MainWindow::timer2Timer, [&game] { game.timer2Timer(); });
    QObject::connect(&window, &MainWindow::command1Clicked, [&game] { game.command1Click(); });
    QObject::connect(&window, &MainWindow::command2Clicked, [&game] { game.command2Click(); });
    QObject::connect(&window, &MainWindow::command3Clicked, [&game] { game.command3Click(); });

    game.load();
    return app.exec();
}
