// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What each command of the real main window costs, on the offscreen
// platform, with the windows built as the start-up builds them and shown.
//
// One sample is one handler called directly, then the event loop run until
// the posted work is done: the layout requests and the repaint of every
// widget the handler changed, painted into the backing store and flushed.
// Whatever brings the window into the state before the command (a new task,
// an answer line of a given length, a check) happens before the clock starts
// and is painted before it, too. The solutions dialog is timed from the call
// of bHilfeClick to its first complete frame, and closed from there.
//
//   tamsel_command_bench [--quick] [--idle-s N] [--only TEXT]
//
// --quick takes a tenth of the samples; --only runs the cases whose name
// holds TEXT; --idle-s measures the window idle afterwards.
//
// Lines that start with "ROW" are the summary rows for bench/run.sh.
#include "aufgabe.h"
#include "blocklist.h"
#include "convert.h"
#include "figures.h"
#include "fragen.h"
#include "tamsel_u1.h"
#include "tamsel_u2.h"
#include "textfield.h"
#include "uebung.h"
#include "windowpair.h"
#include "zufallsquelle.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using figures::fixed;
using figures::median;
using figures::quantile;
using Clock = std::chrono::steady_clock;

constexpr double medianTargetUs = 1000;
constexpr double p99TargetUs = 16000;

// Counts paint events of any widget, so a figure can show that the frame it
// claims to include was really painted within the sample.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }

    long paints = 0;
};

// Ends the dialog's showing at its first complete frame: the paint of the
// dialog itself starts the frame, its children follow in the same turn of
// the event loop, and a zero timer from there runs once all is flushed.
class DialogFrame : public QObject
{
public:
    explicit DialogFrame(TForm2 *dialog) : dialog(dialog) { dialog->installEventFilter(this); }

    void arm() { armed = true; }
    Clock::time_point painted{};

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (armed && watched == dialog && event->type() == QEvent::Paint) {
            armed = false;
            QTimer::singleShot(0, this, [this] {
                painted = Clock::now();
                dialog->reject();
            });
        }
        return false;
    }

private:
    TForm2 *dialog;
    bool armed = false;
};

void runPostedWork()
{
    // Layout requests post repaints, which the second turn delivers.
    for (int turn = 0; turn < 2; ++turn) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

struct Figures
{
    std::vector<double> us;
    double paintsPerSample = 0;
};

std::string withSeparators(int n)
{
    const std::string digits = std::to_string(n);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

class Bench
{
public:
    static constexpr int longLength = 100'000;

    Bench(int scale, std::string filter) : scale(scale), filter(std::move(filter))
    {
        windows = new WindowPair(zufall);
        Form1 = &windows->Form1;
        Form2 = &windows->Form2;
        dialogFrame = new DialogFrame(Form2);
        qApp->installEventFilter(&counter);
        Form1->show();
        Form1->bNeu->setFocus();
        if (!QTest::qWaitForWindowExposed(Form1)) {
            std::fprintf(stderr, "the main window was never exposed\n");
        }
        runPostedWork();
        // The long line of word blocks that several cases start from.
        Form1->bNeuClick();
        longLine = line(longLength);
        runPostedWork();
    }

    ~Bench() { delete windows; }

    void runAll()
    {
        newTasks();
        choices();
        checks();
        repeats();
        directions();
        solutions();
    }

    void idle(int seconds)
    {
        // The closed dialog leaves no window active on the offscreen
        // platform; the pupil's window is the active one, with its caret.
        Form1->activateWindow();
        if (!QTest::qWaitForWindowActive(Form1)) {
            std::printf("warning: the main window could not be made active\n");
        }
        setDirection(Richtung::mTW);
        Form1->bNeuClick();
        Form1->lWortform->replaceText(QStringLiteral("die Summe "));
        idleWith(seconds, Form1->bNeu, "focus on \"Neu\", a task shown");
        idleWith(seconds, Form1->lWortform, "focus in the answer line");
        Form1->lWortform->replaceText(longLine);
        idleWith(seconds, Form1->lWortform, "focus in an answer line of " + chars(longLength));
    }

private:
    using Command = std::function<std::optional<Clock::time_point>()>;

    // A command whose end is the end of the posted work it caused.
    static Command plain(std::function<void()> command)
    {
        return [command = std::move(command)]() -> std::optional<Clock::time_point> {
            command();
            return std::nullopt;
        };
    }

    Figures measure(int iterations, const std::function<void()> &prepare, const Command &command)
    {
        Figures figures;
        long paints = 0;
        for (int i = 0; i < iterations; ++i) {
            prepare();
            runPostedWork();
            const long before = counter.paints;
            const Clock::time_point start = Clock::now();
            const std::optional<Clock::time_point> end = command();
            runPostedWork();
            const Clock::time_point stop = end.value_or(Clock::now());
            paints += counter.paints - before;
            figures.us.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
        }
        figures.paintsPerSample = static_cast<double>(paints) / iterations;
        return figures;
    }

    // Measures and reports one case, unless the filter leaves it out; the
    // median in microseconds, or nothing.
    std::optional<double> sample(const std::string &what, int iterations,
                                 const std::function<void()> &prepare, const Command &command)
    {
        if (what.find(filter) == std::string::npos) {
            return std::nullopt;
        }
        const Figures figures = measure(iterations, prepare, command);
        const double med = median(figures.us);
        const double p99 = quantile(figures.us, 0.99);
        std::printf("%-66s median %8.1f us  p99 %8.1f us  max %8.1f us  %4zu samples  %4.1f "
                    "paints each\n",
                    what.c_str(), med, p99, *std::max_element(figures.us.begin(), figures.us.end()),
                    figures.us.size(), figures.paintsPerSample);
        const bool met = med < medianTargetUs && p99 < p99TargetUs;
        std::printf("ROW\t%s\tmedian %s us, p99 %s us\t-\t-\t< 1000 / < 16000 us\t%s\n",
                    what.c_str(), fixed(med, 0).c_str(), fixed(p99, 0).c_str(), met ? "yes" : "NO");
        std::fflush(stdout);
        return med;
    }

    int many() const { return 1000 / scale; }
    int few() const { return 200 / scale; }

    void setDirection(Richtung richtung)
    {
        if (richtung == Richtung::mTW) {
            Form1->mTWClick();
        } else {
            Form1->mWTClick();
        }
        runPostedWork();
    }

    void setOperations(const Rechenarten &erlaubt)
    {
        Form1->cbAdd->setChecked(erlaubt[0]);
        Form1->cbSub->setChecked(erlaubt[1]);
        Form1->cbMult->setChecked(erlaubt[2]);
        Form1->cbDiv->setChecked(erlaubt[3]);
    }

    static std::string name(Richtung richtung) { return richtung == Richtung::mTW ? "mTW" : "mWT"; }

    static std::string chars(int length) { return withSeparators(length) + " chars"; }

    void newTasks()
    {
        struct Set
        {
            const char *name;
            Rechenarten erlaubt;
        };
        const Set sets[] = {{"Addition", {true, false, false, false}},
                            {"Subtraktion", {false, true, false, false}},
                            {"Multiplikation", {false, false, true, false}},
                            {"Division", {false, false, false, true}},
                            {"all four", {true, true, true, true}},
                            {"none checked", {false, false, false, false}}};
        const Command neu = plain([this] { Form1->bNeuClick(); });
        for (const Richtung richtung : {Richtung::mTW, Richtung::mWT}) {
            setDirection(richtung);
            for (const Set &set : sets) {
                setOperations(set.erlaubt);
                sample(
                    "bNeuClick, " + name(richtung) + ", " + set.name, many(), [] {}, neu);
            }
            setOperations({true, true, true, true});
            sample(
                "bNeuClick, " + name(richtung) + ", after a line of " + chars(longLength), few(),
                [this] { Form1->lWortform->replaceText(longLine); }, neu);
        }
    }

    // An answer line of exactly the given length, clicked together from the
    // blocks in the list.
    QString line(int length) const
    {
        if (length == 0) {
            return {};
        }
        std::string zeile;
        for (int row = 0; static_cast<int>(zeile.size()) < length; ++row) {
            const QListWidgetItem *item = Form1->lbAuswahl->item(row % Form1->lbAuswahl->count());
            zeile = HaengeBausteinAn(std::move(zeile), item->text().toStdString());
        }
        return qt(zeile).left(length);
    }

    void choices()
    {
        setOperations({true, true, true, true});
        for (const Richtung richtung : {Richtung::mTW, Richtung::mWT}) {
            setDirection(richtung);
            Form1->bNeuClick();
            runPostedWork();
            // Selecting reports a choice at once; each sample sets the line anew.
            Form1->lbAuswahl->setCurrentRow(1);
            std::vector<std::pair<int, double>> growth;
            for (const int length : {0, 1'000, 10'000, longLength}) {
                const QString zeile = line(length);
                const std::optional<double> med = sample(
                    "lbAuswahlClick, " + name(richtung) + ", line of " + chars(length),
                    length >= longLength ? few() : many(),
                    [this, &zeile] { Form1->lWortform->replaceText(zeile); },
                    plain([this] { Form1->lbAuswahlClick(); }));
                if (med) {
                    growth.emplace_back(length, *med);
                }
            }
            // A pasted line without a blank cannot be wrapped between words.
            const QString word(longLength, QLatin1Char('m'));
            sample(
                "lbAuswahlClick, " + name(richtung) + ", one word of " + chars(longLength), few(),
                [this, &word] { Form1->lWortform->replaceText(word); },
                plain([this] { Form1->lbAuswahlClick(); }));
            if (growth.size() >= 2) {
                const double perTenThousand = (growth.back().second - growth.front().second) /
                                              (growth.back().first - growth.front().first) * 1e4;
                std::printf("ROW\tlbAuswahlClick, %s, growth of the median with the line\t%s us "
                            "per 10,000 chars\t-\t-\t-\t-\n",
                            name(richtung).c_str(), fixed(perTenThousand, 0).c_str());
            }
        }
    }

    QString rightAnswer(Richtung richtung) const
    {
        const Aufgabe &aufgabe = Form1->uebung().aufgabe();
        if (richtung == Richtung::mWT) {
            return qt(Gleichungstext(aufgabe) + " ");
        }
        Fragevarianten fragen;
        std::int32_t Variantenzahl = 0;
        FragenDerAufgabe(aufgabe, Variantenzahl, fragen);
        // The last wording is the one the check reaches last.
        return qt(fragen[static_cast<std::size_t>(Variantenzahl - 1)] + " ");
    }

    void checks()
    {
        setOperations({true, true, true, true});
        for (const Richtung richtung : {Richtung::mTW, Richtung::mWT}) {
            setDirection(richtung);
            struct Answer
            {
                std::string name;
                bool right;
                std::function<QString()> text;
                int iterations;
            };
            const Answer answers[] = {
                {"right", true, [this, richtung] { return rightAnswer(richtung); }, many()},
                {"wrong", false, [] { return QStringLiteral("die Zahl "); }, many()},
                {"wrong, line of " + chars(longLength), false, [this] { return longLine; }, few()}};
            for (const Answer &answer : answers) {
                bool verdictsAsExpected = true;
                sample(
                    "bPruefeClick, " + name(richtung) + ", " + answer.name, answer.iterations,
                    [this, &answer] {
                        Form1->bNeuClick();
                        Form1->lWortform->replaceText(answer.text());
                    },
                    plain([this, &answer, &verdictsAsExpected] {
                        Form1->bPruefeClick();
                        const QString verdict = Form1->statusPanel(TForm1::Panel::Verdict)->text();
                        verdictsAsExpected &= verdict == (answer.right ? "OK" : "falsch");
                    }));
                if (!verdictsAsExpected) {
                    std::printf("warning: a verdict was not the one this case expects\n");
                }
            }
        }
    }

    void repeats()
    {
        setOperations({true, true, true, true});
        for (const Richtung richtung : {Richtung::mTW, Richtung::mWT}) {
            setDirection(richtung);
            Form1->bNeuClick();
            for (const int length : {0, longLength}) {
                const QString zeile = length == 0 ? QString() : longLine;
                sample(
                    "bWiederholeClick, " + name(richtung) + ", after a line of " + chars(length),
                    length == 0 ? many() : few(),
                    [this, &zeile] {
                        Form1->lWortform->replaceText(zeile);
                        Form1->bPruefeClick();
                    },
                    plain([this] { Form1->bWiederholeClick(); }));
            }
        }
    }

    void directions()
    {
        setOperations({true, true, true, true});
        setDirection(Richtung::mTW);
        Form1->bNeuClick();
        sample(
            "mWTClick, from mTW", many(), [this] { Form1->mTWClick(); },
            plain([this] { Form1->mWTClick(); }));
        sample(
            "mTWClick, from mWT", many(), [this] { Form1->mWTClick(); },
            plain([this] { Form1->mTWClick(); }));
    }

    void solutions()
    {
        setOperations({true, true, true, true});
        const Command hilfe = [this]() -> std::optional<Clock::time_point> {
            dialogFrame->arm();
            Form1->bHilfeClick();
            return dialogFrame->painted;
        };
        for (const Richtung richtung : {Richtung::mTW, Richtung::mWT}) {
            setDirection(richtung);
            const QString shortLine = QStringLiteral("die Zahl ");
            const QString word(longLength, QLatin1Char('m'));
            const QString *zeilen[] = {&shortLine, &longLine, &word};
            for (const QString *zeile : zeilen) {
                const std::string kind = zeile == &word ? ", one word of " : ", line of ";
                sample(
                    "bHilfeClick, dialog to first paint, " + name(richtung) + kind +
                        chars(static_cast<int>(zeile->size())),
                    few(),
                    [this, zeile] {
                        Form1->bNeuClick();
                        Form1->lWortform->replaceText(*zeile);
                        Form1->bPruefeClick();
                    },
                    hilfe);
            }
        }
    }

    struct Usage
    {
        long long cpuNs = 0;
        long long wakeups = 0;
    };

    // CPU time and voluntary context switches of every thread of this
    // process but the calling one: each switch is a thread that went to
    // sleep, so each wake-up counts once.
    static Usage usageOfOtherThreads()
    {
        Usage usage;
        const std::string self = std::to_string(gettid());
        QDir tasks(QStringLiteral("/proc/self/task"));
        for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (task.toStdString() == self) {
                continue;
            }
            const QString dir = tasks.filePath(task);
            // The first field of schedstat is the time on the CPU in nanoseconds.
            usage.cpuNs +=
                readProc(dir + QStringLiteral("/schedstat")).split(' ').first().toLongLong();
            const QByteArray status = readProc(dir + QStringLiteral("/status"));
            const QByteArray key = "\nvoluntary_ctxt_switches:";
            const qsizetype at = status.indexOf(key);
            if (at >= 0) {
                usage.wakeups +=
                    status.mid(at + key.size()).trimmed().split('\n').first().toLongLong();
            }
        }
        return usage;
    }

    static QByteArray readProc(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return file.readAll();
    }

    // The window runs its own event loop while a thread beside it samples it
    // from outside, so the measurement adds no timer of its own to the loop.
    void idleWith(int seconds, QWidget *focus, const std::string &what)
    {
        focus->setFocus();
        runPostedWork();
        QEventLoop loop;
        Usage before;
        Usage after;
        std::thread sampler([&] {
            // Time for the loop to start and go to sleep.
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            before = usageOfOtherThreads();
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
            after = usageOfOtherThreads();
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        sampler.join();
        const long long cpuUs = (after.cpuNs - before.cpuNs) / 1000;
        const long long wakeups = after.wakeups - before.wakeups;
        std::printf("idle %d s, %s: %lld us CPU, %lld wake-ups; window active: %s, cursor flash "
                    "time %d ms\n",
                    seconds, what.c_str(), cpuUs, wakeups,
                    QApplication::activeWindow() == Form1 ? "yes" : "no",
                    QApplication::cursorFlashTime());
        std::printf("ROW\tIdle in process over %d s, offscreen, %s\t%lld us CPU, %lld wake-ups\t-"
                    "\t-\t0 / 0\t%s\n",
                    seconds, what.c_str(), cpuUs, wakeups,
                    cpuUs == 0 && wakeups == 0 ? "yes" : "NO");
        std::fflush(stdout);
    }

    int scale;
    Uhrzufall zufall;
    WindowPair *windows = nullptr;
    TForm1 *Form1 = nullptr;
    TForm2 *Form2 = nullptr;
    DialogFrame *dialogFrame = nullptr;
    PaintCounter counter;
    std::string filter;
    QString longLine;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int scale = 1;
    int idleSeconds = 0;
    std::string filter;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            scale = 10;
        } else if (std::strcmp(argv[i], "--idle-s") == 0 && i + 1 < argc) {
            idleSeconds = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            filter = argv[++i];
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamsel2"));
    // Qt's notes on what the offscreen platform cannot do would drown the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    Bench bench(scale, filter);
    bench.runAll();
    if (idleSeconds > 0) {
        bench.idle(idleSeconds);
    }
    return 0;
}
