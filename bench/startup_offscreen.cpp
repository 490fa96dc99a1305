// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs a program's own main() unchanged (tamsel2's or the baseline's, compiled
// once under the name programMain and linked in) and writes one line to
// standard output once its first window has been painted and flushed:
//   painted <main> <paint>
// both CLOCK_MONOTONIC nanoseconds, <main> taken on entry to main(). The
// start-up probe compares them with the clock it read before fork().
// With TAMSEL_EXIT_AFTER_PAINT set, the process ends right after the line.
//
// The offscreen platform has no server to watch from outside, so the hook
// sits inside the process; the program itself has no start-up path of its
// own for it.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

int programMain(int argc, char *argv[]);

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

long long mainEntered = 0;

// The paint of a top-level widget starts its first frame; the children are
// painted and the backing store flushed within the same turn of the event
// loop, so a zero timer from there fires when the frame is complete.
class FirstFrame : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!armed || event->type() != QEvent::Paint) {
            return false;
        }
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget == nullptr || !widget->isWindow()) {
            return false;
        }
        armed = false;
        QTimer::singleShot(0, this, [] {
            std::printf("painted %lld %lld\n", mainEntered, monotonicNs());
            std::fflush(stdout);
            // For a profiler, which wants the process to end by itself.
            if (qEnvironmentVariableIsSet("TAMSEL_EXIT_AFTER_PAINT")) {
                std::_Exit(0);
            }
        });
        return false;
    }

private:
    bool armed = true;
};

// Runs inside the QApplication constructor, before the program builds any
// window.
void watchFirstFrame()
{
    auto *watcher = new FirstFrame(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstFrame)

int main(int argc, char *argv[])
{
    mainEntered = monotonicNs();
    return programMain(argc, argv);
}
