// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a program puts on the X display, and when, seen from outside through X DAMAGE, as
// a player's mouse and window manager would meet it; the program is ended once its figure
// is taken (bench/README.md tells how). Any build of the game can be measured.
//   bench_outside PROGRAM [ARGUMENTS...]
//       milliseconds from the start to the first paint of its first window
//   bench_outside --question ROUND_MS PROGRAM [ARGUMENTS...]
//       milliseconds from the round's end, ROUND_MS after the second window is gone,
//       to the first paint of the next window
//   bench_outside --press SAMPLES X,Y,PITCH,CELLS X,Y,W,H PROGRAM [ARGUMENTS...]
//       the start message closed, if it shows one, the lit cells of the board pressed and
//       let go SAMPLES times: milliseconds from each press to the pressed cell's repaint and
//       from each release to the score's; the board's first cell stands at X,Y in the
//       window, the cells PITCH apart, CELLS to a side; the score display is the
//       rectangle X,Y,W,H
//   bench_outside --wake-ups TICK_MS PLAY_MS PROGRAM [ARGUMENTS...]
//       the wake-ups of the program's threads over 10 s with its message box open, if it
//       shows one, and then, the box closed, per tick of TICK_MS over PLAY_MS

#include "bench/measure.h"
#include "bench/x_display.h"
#include "game/colour.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>

extern char** environ;

namespace {

using namespace rumitaku::bench;

constexpr double patienceMs = 30000;
// How long after its window a program's message is waited for, if it shows one.
constexpr double messageWaitMs = 2000;
// How long a player holds the button down, and rests between clicks.
constexpr double holdMs = 30;
constexpr double restMs = 30;

// A program started, and ended with its figure taken or given up, whatever it is doing.
class Program {
public:
    explicit Program(char** argv)
    {
        if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv, environ) != 0)
            throw std::runtime_error(std::string("cannot start ") + argv[0]);
    }
    ~Program()
    {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    pid_t pid() const { return pid_; }

    // Each of its threads' wake-ups so far, by thread id: the times it gave up the processor
    // to wait and was woken again. Being preempted is the machine's load, and not counted.
    std::map<std::string, long> wakeUps() const
    {
        std::map<std::string, long> wakeUps;
        const std::filesystem::path tasks = "/proc/" + std::to_string(pid_) + "/task";
        std::error_code error;
        for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
            const long count = statusField((task.path() / "status").string(), "voluntary_ctxt_switches");
            if (count >= 0)
                wakeUps[task.path().filename().string()] = count;
        }
        return wakeUps;
    }

    // A thread started in between counts from none; one ended in between is not seen.
    long wakeUpsSince(const std::map<std::string, long>& before) const
    {
        long since = 0;
        for (const auto& [thread, count] : wakeUps()) {
            const auto earlier = before.find(thread);
            since += count - (earlier == before.end() ? 0 : earlier->second);
        }
        return since;
    }

private:
    pid_t pid_ = 0;
};

// "A,B,C,D", the last two above 0.
std::array<int, 4> fourNumbers(const char* text)
{
    std::array<int, 4> numbers{};
    if (std::sscanf(text, "%d,%d,%d,%d", &numbers[0], &numbers[1], &numbers[2], &numbers[3]) != 4
        || numbers[2] <= 0 || numbers[3] <= 0)
        throw std::invalid_argument(std::string("not four numbers A,B,C,D: ") + text);
    return numbers;
}

constexpr std::uint32_t rgb(rumitaku::Rgb colour)
{
    return std::uint32_t{colour.red} << 16 | std::uint32_t{colour.green} << 8 | colour.blue;
}

// The board as it stands on the screen: where its first cell is, the cells' pitch and
// how many stand to a side, numbered down the columns.
struct Board {
    int left = 0;
    int top = 0;
    int pitch = 0;
    int cells = 0;

    // A cell's square of the pitch, which holds the cell and none of its neighbours.
    xcb_rectangle_t square(int cell) const
    {
        return {static_cast<int16_t>(left + pitch * (cell / cells)), static_cast<int16_t>(top + pitch * (cell % cells)),
                static_cast<uint16_t>(pitch), static_cast<uint16_t>(pitch)};
    }
    xcb_rectangle_t whole() const
    {
        const auto side = static_cast<uint16_t>(pitch * cells);
        return {static_cast<int16_t>(left), static_cast<int16_t>(top), side, side};
    }

    // A lit cell whose click changes the score, as its middle pixel shows, if any: not a
    // magenta one, which sets a score of 0 to 0 again.
    struct Lit {
        int cell = 0;
        std::uint32_t colour = 0;
    };
    std::optional<Lit> litCell(XDisplay& display) const
    {
        const std::vector<std::uint32_t> pixels = display.pixels(whole());
        for (int cell = 0; cell < cells * cells; ++cell) {
            const xcb_rectangle_t at = square(cell);
            const std::uint32_t colour =
                pixels.at(static_cast<std::size_t>(at.y - top + pitch / 2) * whole().width + (at.x - left + pitch / 2));
            if (colour != rgb(rumitaku::cell_colour::idle) && colour != rgb(rumitaku::cell_colour::lightMagenta))
                return Lit{cell, colour};
        }
        return std::nullopt;
    }
};

// Presses and lets go the lit cells, a sample each time, and prints the latencies' figures.
void pressLitCells(XDisplay& display, const Board& board, const xcb_rectangle_t& score, int samples)
{
    std::vector<double> presses;
    std::vector<double> releases;
    int dropped = 0;
    std::optional<Board::Lit> lit;
    const auto middle = [&board](int cell) {
        const xcb_rectangle_t square = board.square(cell);
        return xcb_rectangle_t{static_cast<int16_t>(square.x + board.pitch / 2),
                               static_cast<int16_t>(square.y + board.pitch / 2), 1, 1};
    };
    while (static_cast<int>(presses.size()) < samples) {
        if (!lit || display.pixels(middle(lit->cell)).at(0) != lit->colour) {
            lit = board.litCell(display);
            if (!lit) {
                // None to click: the next tick lights one.
                if (!display.nextDrawing(board.whole(), monotonicMs() + patienceMs))
                    throw std::runtime_error("no cell was lit within 30 s");
                display.passUntil(monotonicMs() + restMs);
                continue;
            }
            display.movePointer(middle(lit->cell).x, middle(lit->cell).y);
            display.passUntil(monotonicMs() + restMs);
        }
        const int cell = lit->cell;
        const double pressed = monotonicMs();
        display.setButtonDown(true);
        const auto drawn = display.nextDrawing(board.square(cell), pressed + patienceMs);
        if (!drawn)
            throw std::runtime_error("a pressed cell was not drawn again within 30 s");
        display.passUntil(*drawn + holdMs);
        const double released = monotonicMs();
        display.setButtonDown(false);
        // A cell that went out before it was let go leaves the score as it was.
        if (const auto scored = display.nextDrawing(score, released + 10 * holdMs)) {
            presses.push_back(*drawn - pressed);
            releases.push_back(*scored - released);
        } else {
            ++dropped;
        }
        display.passUntil(monotonicMs() + restMs);
    }
    std::printf("press_repaint_p50_ms %.3f\n", nearestRank(presses, 0.50));
    std::printf("press_repaint_p99_ms %.3f\n", nearestRank(presses, 0.99));
    std::printf("release_repaint_p50_ms %.3f\n", nearestRank(releases, 0.50));
    std::printf("release_repaint_p99_ms %.3f\n", nearestRank(releases, 0.99));
    std::printf("clicks_dropped %d\n", dropped);
}

// Over 10 s with its message open, if it shows one a moment after its window, and then
// per tick, the message closed, over `playMs` of its timers running.
void countWakeUps(XDisplay& display, const Program& program, double shownMs, double tickMs, double playMs)
{
    // What showing a window starts is over by then.
    constexpr double settleMs = 1000;
    constexpr double openMs = 10000;
    if (const auto message = display.nextShown(shownMs + messageWaitMs)) {
        display.passUntil(message->paintedMs + settleMs);
        const auto before = program.wakeUps();
        display.passUntil(message->paintedMs + settleMs + openMs);
        std::printf("wakeups_per_10s_open %ld\n", program.wakeUpsSince(before));
        display.closed(message->window, monotonicMs());
    }
    display.passUntil(monotonicMs() + settleMs);
    const auto before = program.wakeUps();
    const double from = monotonicMs();
    display.passUntil(from + playMs);
    const long wakeUps = program.wakeUpsSince(before);
    std::printf("wakeups_per_tick %.3f\n", static_cast<double>(wakeUps) * tickMs / (monotonicMs() - from));
}

int usage()
{
    std::fputs("usage: bench_outside [--question ROUND_MS | --press SAMPLES X,Y,PITCH,CELLS X,Y,W,H |\n"
               "                      --wake-ups TICK_MS PLAY_MS] PROGRAM [ARGUMENTS...]\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc > 1 && std::strncmp(argv[1], "--", 2) == 0 ? argv[1] : "";
    const int settings = mode.empty()            ? 0
                         : mode == "--question" ? 1
                         : mode == "--wake-ups" ? 2
                         : mode == "--press"    ? 3
                                                : -1;
    if (settings < 0 || argc < 2 + (mode.empty() ? 0 : 1 + settings))
        return usage();
    char** setting = argv + 2;
    try {
        XDisplay display;
        const double started = monotonicMs();
        const Program program(argv + 1 + (mode.empty() ? 0 : 1 + settings));
        const XDisplay::Shown window = display.nextShown(started + patienceMs, "the program drew nothing within 30 s");

        if (mode.empty()) {
            std::printf("first_paint_ms %.3f\n", window.paintedMs - started);
        } else if (mode == "--wake-ups") {
            countWakeUps(display, program, window.paintedMs, std::atof(setting[0]), std::atof(setting[1]));
        } else if (mode == "--question") {
            // The start message is closed a player's moment after it is drawn.
            const XDisplay::Shown start =
                display.nextShown(monotonicMs() + patienceMs, "the program showed no second window within 30 s");
            const double roundEnd = display.closed(start.window, start.paintedMs + 300) + std::atof(setting[0]);
            const XDisplay::Shown asked =
                display.nextShown(roundEnd + patienceMs, "the program showed no question after the round");
            std::printf("question_ms %.3f\n", asked.paintedMs - roundEnd);
        } else {
            // The start message too, if it shows one a moment after its window; the
            // window is then drawn again where the message stood.
            double played = window.paintedMs;
            if (const auto start = display.nextShown(window.paintedMs + messageWaitMs))
                played = display.closed(start->window, start->paintedMs + 300);
            display.passUntil(played + 300);
            // Places in the window, on the screen.
            const auto [left, top, pitch, cells] = fourNumbers(setting[1]);
            const auto [x, y, width, height] = fourNumbers(setting[2]);
            const Board board{window.frame.x + left, window.frame.y + top, pitch, cells};
            const xcb_rectangle_t score{static_cast<int16_t>(window.frame.x + x),
                                        static_cast<int16_t>(window.frame.y + y), static_cast<uint16_t>(width),
                                        static_cast<uint16_t>(height)};
            pressLitCells(display, board, score, std::atoi(setting[0]));
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_outside: %s\n", failure.what());
        return 1;
    }
    return 0;
}
