// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Starts programs again and again, alternating them, and measures for each
// run the time from fork() to the first paint of the first window, the
// peak resident set of the finished process and, on request, what the
// program costs while nobody touches it.
//
//   tamsel_startup_probe --mode x11|offscreen [--runs N] [--warmup N]
//                        [--settle-ms N] [--idle-s N] [--each] LABEL=PROGRAM ...
//
// x11: the real program on the X server named by DISPLAY. The probe watches
//   the root window for new top-level windows, and on each selects its
//   expose events and attaches a damage object before it is mapped; the
//   first damage of a mapped window is the program's first paint reaching
//   the server. Without a window manager nothing else draws there.
// offscreen: a program built with startup_offscreen.cpp, which prints the
//   time of its first complete frame; the probe only starts it and reads it.
//
// The first program is compared with the last one (the baseline). Lines that
// start with "ROW" are the summary rows for bench/run.sh.
#include "figures.h"
#include "launcher.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <poll.h>
#include <set>
#include <string>
#include <sys/types.h>
#include <thread>
#include <unistd.h>
#include <vector>

#ifdef TAMSEL_PROBE_X11
#include <xcb/damage.h>
#include <xcb/xcb.h>
#endif

namespace {

using figures::fixed;
using figures::median;
using figures::quantile;
using launcher::difference;
using launcher::Usage;
using launcher::usageOf;

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

double msSince(long long startNs, long long ns)
{
    return static_cast<double>(ns - startNs) / 1e6;
}

struct Program
{
    std::string label;
    std::string path;
};

struct Options
{
    std::string mode;
    int runs = 20;
    int warmup = 2;
    int settleMs = 500;
    int idleS = 0;
    int timeoutS = 30;
    bool each = false;
    std::vector<Program> programs;
};

struct Run
{
    bool ok = false;
    std::string failure;
    double mainMs = -1;   // offscreen: fork to main()
    double mapMs = -1;    // x11: fork to MapNotify
    double exposeMs = -1; // x11: fork to the first Expose
    double paintMs = -1;  // fork to the first complete paint
    long maxRssKb = 0;
    double cpuMs = 0; // user and system time of the whole life of the process
    std::optional<Usage> idle;
};

// After the paint: let the program finish what it does right after its
// first frame, measure it idle if asked, then end it and take its peak
// resident set from the kernel.
void finish(pid_t pid, const Options &options, Run &run)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMs));
    if (run.ok && options.idleS > 0) {
        const Usage before = usageOf(pid);
        std::this_thread::sleep_for(std::chrono::seconds(options.idleS));
        run.idle = difference(before, usageOf(pid));
    }
    const launcher::Ended ended = launcher::end(pid);
    run.maxRssKb = ended.maxRssKb;
    run.cpuMs = ended.cpuMs;
}

Run runOffscreen(const Program &program, const Options &options)
{
    Run run;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        run.failure = "pipe";
        return run;
    }
    const long long start = monotonicNs();
    const pid_t pid = launcher::launch(program.path, fds[1]);
    close(fds[1]);
    std::string line;
    const long long deadline = start + options.timeoutS * 1'000'000'000LL;
    while (line.find('\n') == std::string::npos) {
        const long long left = deadline - monotonicNs();
        pollfd wait{fds[0], POLLIN, 0};
        if (left <= 0 || poll(&wait, 1, static_cast<int>(left / 1'000'000)) <= 0) {
            break;
        }
        char buffer[256];
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        line.append(buffer, static_cast<std::size_t>(got));
    }
    long long mainNs = 0;
    long long paintNs = 0;
    if (std::sscanf(line.c_str(), "painted %lld %lld", &mainNs, &paintNs) == 2) {
        run.ok = true;
        run.mainMs = msSince(start, mainNs);
        run.paintMs = msSince(start, paintNs);
    } else {
        run.failure = "no paint reported";
    }
    finish(pid, options, run);
    close(fds[0]);
    return run;
}

#ifdef TAMSEL_PROBE_X11

class X11Watch
{
public:
    bool open(std::string &failure)
    {
        int screenNumber = 0;
        connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(connection) != 0) {
            failure = "cannot connect to the X server in DISPLAY";
            return false;
        }
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screenNumber; ++i) {
            xcb_screen_next(&screens);
        }
        root = screens.data->root;
        const xcb_query_extension_reply_t *damage =
            xcb_get_extension_data(connection, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0) {
            failure = "the X server has no DAMAGE extension";
            return false;
        }
        damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        // The extension answers nothing before its version is agreed.
        std::free(xcb_damage_query_version_reply(
            connection, xcb_damage_query_version(connection, 1, 1), nullptr));
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        sync();
        return true;
    }

    Run measure(const Program &program, const Options &options)
    {
        Run run;
        sync();
        drain();
        std::set<xcb_window_t> created;
        std::set<xcb_window_t> mapped;
        const long long start = monotonicNs();
        const pid_t pid = launcher::launch(program.path, -1);
        const long long deadline = start + options.timeoutS * 1'000'000'000LL;
        while (run.paintMs < 0) {
            xcb_generic_event_t *event = nextEvent(deadline);
            if (event == nullptr) {
                run.failure = xcb_connection_has_error(connection) != 0 ? "X connection lost"
                                                                        : "no paint seen";
                break;
            }
            const long long now = monotonicNs();
            handle(event, now - start, created, mapped, run);
            std::free(event);
        }
        run.ok = run.paintMs >= 0;
        finish(pid, options, run);
        return run;
    }

    ~X11Watch()
    {
        if (connection != nullptr) {
            xcb_disconnect(connection);
        }
    }

private:
    void sync()
    {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }

    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            std::free(event);
        }
    }

    xcb_generic_event_t *nextEvent(long long deadline)
    {
        while (true) {
            if (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
                return event;
            }
            const long long left = deadline - monotonicNs();
            if (left <= 0 || xcb_connection_has_error(connection) != 0) {
                return nullptr;
            }
            pollfd wait{xcb_get_file_descriptor(connection), POLLIN, 0};
            poll(&wait, 1, static_cast<int>(left / 1'000'000) + 1);
        }
    }

    // Both selections go out before the program can map the window, so
    // neither its first expose nor its first drawing is missed: the program
    // maps only after creating and describing its window, and draws only
    // after the server has sent it the expose.
    void watchWindow(xcb_window_t window)
    {
        const std::uint32_t mask = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
        xcb_damage_create(connection, xcb_generate_id(connection), window,
                          XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(connection);
    }

    void handle(const xcb_generic_event_t *event, long long sinceStartNs,
                std::set<xcb_window_t> &created, std::set<xcb_window_t> &mapped, Run &run)
    {
        const double ms = static_cast<double>(sinceStartNs) / 1e6;
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *create = reinterpret_cast<const xcb_create_notify_event_t *>(event);
            if (create->parent == root) {
                created.insert(create->window);
                watchWindow(create->window);
            }
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
            if (created.count(map->window) != 0) {
                mapped.insert(map->window);
                if (run.mapMs < 0) {
                    run.mapMs = ms;
                }
            }
        } else if (type == XCB_EXPOSE) {
            const auto *expose = reinterpret_cast<const xcb_expose_event_t *>(event);
            if (mapped.count(expose->window) != 0 && run.exposeMs < 0) {
                run.exposeMs = ms;
            }
        } else if (type == damageEvent) {
            const auto *damage = reinterpret_cast<const xcb_damage_notify_event_t *>(event);
            if (mapped.count(damage->drawable) != 0) {
                run.paintMs = ms;
            }
        }
    }

    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
    int damageEvent = -1;
};

#endif

template <typename Field> std::vector<double> column(const std::vector<Run> &runs, Field field)
{
    std::vector<double> values;
    for (const Run &run : runs) {
        if (run.ok) {
            values.push_back(field(run));
        }
    }
    return values;
}

// The median of the ratios of the runs of one round: the two programs of a
// round ran side by side, so a change of the machine's load between rounds
// cancels out.
template <typename Field>
double pairedRatio(const std::vector<Run> &program, const std::vector<Run> &baseline, Field field)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < std::min(program.size(), baseline.size()); ++i) {
        if (program[i].ok && baseline[i].ok) {
            ratios.push_back(field(program[i]) / field(baseline[i]));
        }
    }
    return median(ratios);
}

void row(const std::string &what, const std::string &value, const std::string &baseline,
         const std::string &ratio, const std::string &target, const std::string &met)
{
    std::printf("ROW\t%s\t%s\t%s\t%s\t%s\t%s\n", what.c_str(), value.c_str(), baseline.c_str(),
                ratio.c_str(), target.c_str(), met.c_str());
}

void printDetails(const Program &program, const std::vector<Run> &runs, const Options &options)
{
    const auto spread = [](const std::vector<double> &values, int decimals) {
        return fixed(median(values), decimals) + " (quartiles " +
               fixed(quantile(values, 0.25), decimals) + " to " +
               fixed(quantile(values, 0.75), decimals) + ")";
    };
    std::size_t good = 0;
    for (const Run &run : runs) {
        good += run.ok ? 1 : 0;
        if (!run.ok) {
            std::printf("  %s: failed run: %s\n", program.label.c_str(), run.failure.c_str());
        }
    }
    std::printf("%s (%s), %s, %zu of %zu runs:\n", program.label.c_str(), program.path.c_str(),
                options.mode.c_str(), good, runs.size());
    if (options.mode == "offscreen") {
        std::printf("  fork to main()       %s ms\n",
                    spread(column(runs, [](const Run &r) { return r.mainMs; }), 1).c_str());
    } else {
        std::printf("  fork to MapNotify    %s ms\n",
                    spread(column(runs, [](const Run &r) { return r.mapMs; }), 1).c_str());
        std::printf("  fork to first Expose %s ms\n",
                    spread(column(runs, [](const Run &r) { return r.exposeMs; }), 1).c_str());
    }
    std::printf("  fork to first paint  %s ms\n",
                spread(column(runs, [](const Run &r) { return r.paintMs; }), 1).c_str());
    std::printf("  CPU time (user+sys)  %s ms\n",
                spread(column(runs, [](const Run &r) { return r.cpuMs; }), 1).c_str());
    std::printf("  peak RSS             %s KiB\n",
                spread(column(runs, [](const Run &r) { return double(r.maxRssKb); }), 0).c_str());
    for (const Run &run : runs) {
        if (run.idle) {
            std::printf("  idle %d s: %.3f ms on the CPU (%lld ticks), %lld voluntary and %lld "
                        "involuntary context switches, %d threads\n",
                        options.idleS, static_cast<double>(run.idle->cpuNs) / 1e6,
                        run.idle->cpuTicks, run.idle->voluntary, run.idle->involuntary,
                        run.idle->threads);
        }
    }
}

void printRows(const std::vector<std::vector<Run>> &all, const Options &options)
{
    const std::vector<Run> &program = all.front();
    const std::vector<Run> &baseline = all.back();
    const std::string where = options.mode == "x11" ? "Xvfb" : "offscreen";
    if (options.idleS == 0) {
        const auto paint = [](const Run &r) { return r.paintMs; };
        const double a = median(column(program, paint));
        const double b = median(column(baseline, paint));
        row("Start-up to first paint, " + where + " (median of " +
                std::to_string(column(program, paint).size()) + ")",
            fixed(a, 1) + " ms", fixed(b, 1) + " ms",
            fixed(a / b, 3) + " (paired " + fixed(pairedRatio(program, baseline, paint), 3) + ")",
            "<= 1.10", a / b <= 1.10 ? "yes" : "NO");
        const auto cpu = [](const Run &r) { return r.cpuMs; };
        const double e = median(column(program, cpu));
        const double f = median(column(baseline, cpu));
        row("CPU time of the process (user + system), " + where, fixed(e, 1) + " ms",
            fixed(f, 1) + " ms", fixed(e / f, 3), "-", "-");
        const auto rss = [](const Run &r) { return double(r.maxRssKb); };
        const double c = median(column(program, rss));
        const double d = median(column(baseline, rss));
        row("Peak RSS, " + where, fixed(c / 1024, 1) + " MiB", fixed(d / 1024, 1) + " MiB",
            fixed(c / d, 3), "<= 1.15", c / d <= 1.15 ? "yes" : "NO");
        return;
    }
    const auto worst = [](const std::vector<Run> &runs, auto field) {
        long long most = -1;
        for (const Run &run : runs) {
            if (run.idle) {
                most = std::max(most, field(*run.idle));
            }
        }
        return most;
    };
    const auto cpu = [](const Usage &u) { return u.cpuNs; };
    const auto wakeups = [](const Usage &u) { return u.voluntary; };
    const long long cpuA = worst(program, cpu);
    const long long cpuB = worst(baseline, cpu);
    const std::string span = std::to_string(options.idleS) + " s";
    row("Idle CPU time over " + span + ", " + where, fixed(double(cpuA) / 1e3, 0) + " us",
        fixed(double(cpuB) / 1e3, 0) + " us", "-", "0", cpuA == 0 ? "yes" : "NO");
    const long long wakeA = worst(program, wakeups);
    const long long wakeB = worst(baseline, wakeups);
    row("Idle wake-ups over " + span + ", " + where, std::to_string(wakeA), std::to_string(wakeB),
        "-", "0", wakeA == 0 ? "yes" : "NO");
}

bool parse(int argc, char *argv[], Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--mode" && hasValue) {
            options.mode = argv[++i];
        } else if (arg == "--runs" && hasValue) {
            options.runs = std::atoi(argv[++i]);
        } else if (arg == "--warmup" && hasValue) {
            options.warmup = std::atoi(argv[++i]);
        } else if (arg == "--settle-ms" && hasValue) {
            options.settleMs = std::atoi(argv[++i]);
        } else if (arg == "--each") {
            options.each = true;
        } else if (arg == "--idle-s" && hasValue) {
            options.idleS = std::atoi(argv[++i]);
        } else if (const std::size_t eq = arg.find('='); eq != std::string::npos && eq > 0) {
            options.programs.push_back({arg.substr(0, eq), arg.substr(eq + 1)});
        } else {
            return false;
        }
    }
    return (options.mode == "x11" || options.mode == "offscreen") && options.runs > 0 &&
           options.programs.size() >= 2;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s --mode x11|offscreen [--runs N] [--warmup N] [--settle-ms N] "
                     "[--idle-s N] LABEL=PROGRAM LABEL=BASELINE\n",
                     argv[0]);
        return 2;
    }
    std::function<Run(const Program &)> measure;
#ifdef TAMSEL_PROBE_X11
    X11Watch watch;
#endif
    if (options.mode == "offscreen") {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        measure = [&](const Program &program) { return runOffscreen(program, options); };
    } else {
#ifdef TAMSEL_PROBE_X11
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        std::string failure;
        if (!watch.open(failure)) {
            std::fprintf(stderr, "%s\n", failure.c_str());
            return 1;
        }
        measure = [&](const Program &program) { return watch.measure(program, options); };
#else
        std::fprintf(stderr, "built without xcb and xcb-damage: no x11 mode\n");
        return 1;
#endif
    }

    // The first runs fill the page cache and the font cache; they count not.
    for (int i = 0; i < options.warmup; ++i) {
        for (const Program &program : options.programs) {
            measure(program);
        }
    }
    // Alternating, and every other round in reverse, so that a drift of the
    // machine's load falls on every program alike.
    const std::size_t count = options.programs.size();
    std::vector<std::vector<Run>> all(count);
    for (int round = 0; round < options.runs; ++round) {
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t index = round % 2 == 0 ? k : count - 1 - k;
            all[index].push_back(measure(options.programs[index]));
            if (options.each) {
                const Run &run = all[index].back();
                std::printf(
                    "  run %d %s: main %.1f map %.1f expose %.1f paint %.1f ms, %ld KiB%s\n", round,
                    options.programs[index].label.c_str(), run.mainMs, run.mapMs, run.exposeMs,
                    run.paintMs, run.maxRssKb, run.ok ? "" : " (failed)");
            }
        }
    }
    for (std::size_t k = 0; k < count; ++k) {
        printDetails(options.programs[k], all[k], options);
    }
    printRows(all, options);
    return 0;
}
