// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Long use in one process: many new tasks, each answered and checked with
// real clicks on the window, in both directions, with "Wiederhole" and the
// dialog now and then. It measures the resident set and the heap in use
// after a warm-up and at the end and fails if they grow, or if any verdict
// is not the oracle's.
//
//   tamsel_soak [tasks]     (default 100000)
#include "blocklist.h"
#include "exact_text.h"
#include "model_check.h"
#include "textfield.h"
#include "window_model.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <unistd.h>

namespace {

// AddressSanitizer keeps freed memory in quarantine and has an allocator of
// its own: there the resident set grows by design and the heap reads 0, so
// only the verdicts count.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool speicherZaehlt = false;
#else
constexpr bool speicherZaehlt = true;
#endif

struct Memory
{
    double residentMiB;
    double heapMiB;
};

Memory memoryNow()
{
    long seiten = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &seiten, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    const double mib = 1024.0 * 1024.0;
    const struct mallinfo2 heap = mallinfo2();
    return {static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / mib,
            static_cast<double>(heap.uordblks + heap.hblkhd) / mib};
}

class LongRun
{
public:
    explicit LongRun(WindowFixture &f) : f(f), w(f.Form1) {}

    // One task: Neu, an answer (right by clicks, or wrong by typing), Prüfe;
    // now and then Wiederhole and the dialog.
    void aufgabe(long i)
    {
        f.random.clearCalls();
        WindowFixture::click(w.bNeu);
        const Aufgabe &a = w.uebung().aufgabe();
        const Richtung richtung = w.mTW->isChecked() ? Richtung::mTW : Richtung::mWT;
        const bool richtig = i % 2 == 0;
        QString zeile;
        if (richtig) {
            const std::vector<std::string> zeilen = oracle::acceptedLines(richtung, a);
            zeile =
                clickTogether(model::qt(zeilen[static_cast<std::size_t>(i / 2) % zeilen.size()]));
        } else {
            WindowFixture::typeKeys(w.lWortform, 0, QStringLiteral("x = 1 "));
            zeile = QStringLiteral("x = 1 ");
        }
        WindowFixture::click(w.bPruefe);
        checkVerdict(richtung, a, zeile);
        if (i % 7 == 3) {
            f.chooseMenuItem(w.Wiederhole1);
            f.chooseMenuItem(w.Prfe1);
            checkVerdict(richtung, a, QString());
        }
        if (i % 10 == 1 && !w.bHilfe->isHidden()) {
            QString imDialog;
            const bool offen = f.openSolutions([&] {
                imDialog = exactText(f.Form2.rAntwort);
                WindowFixture::click(f.Form2.bZurueck);
            });
            if (!offen || imDialog != w.lWortform->exactText()) {
                fail("the dialog did not show the answer line");
            }
        }
        if (i % 100 == 99 && !f.chooseDirectionByMouse(richtung == Richtung::mTW ? w.mWT : w.mTW)) {
            fail("the sub-menu did not switch the direction");
        }
    }

    long fehlerzahl = 0;

private:
    QString clickTogether(const QString &zeile)
    {
        const QStringList liste = [this] {
            QStringList texte;
            for (int z = 0; z < w.lbAuswahl->count(); ++z) {
                texte.append(w.lbAuswahl->item(z)->text());
            }
            return texte;
        }();
        const QStringList bausteine = model::blocksFor(zeile, liste, false);
        if (bausteine.isEmpty()) {
            fail("the list lacks a block of the right answer");
        }
        for (const QString &baustein : bausteine) {
            f.clickRow(static_cast<int>(liste.indexOf(baustein)));
        }
        return zeile;
    }

    void checkVerdict(Richtung richtung, const Aufgabe &a, const QString &zeile)
    {
        const oracle::Verdict soll = oracle::expectedVerdict(richtung, a, zeile.toStdString());
        if (w.lWortform->exactText() != zeile ||
            w.statusPanel(TForm1::Panel::Verdict)->text() != model::qt(soll.text) ||
            w.statusPanel(TForm1::Panel::Value)->text() != model::qt(soll.valueText)) {
            fail(qPrintable(
                QStringLiteral("verdict \"%1\" \"%2\" on \"%3\", expected \"%4\" \"%5\"")
                    .arg(w.statusPanel(TForm1::Panel::Verdict)->text(),
                         w.statusPanel(TForm1::Panel::Value)->text(), w.lWortform->exactText(),
                         model::qt(soll.text), model::qt(soll.valueText))));
        }
    }

    void fail(const char *was)
    {
        if (++fehlerzahl <= 10) {
            std::fprintf(stderr, "%s\n", was);
        }
    }

    WindowFixture &f;
    TForm1 &w;
};

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QT_LOGGING_RULES", "*.warning=false");
    const long aufgaben = argc > 1 ? std::atol(argv[1]) : 100000;
    // After this many tasks Qt's caches (glyphs, layouts, the dialog's first
    // showing) have filled; growth is counted from there.
    const long aufwaermen = std::min(aufgaben / 10, 2000L);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    WindowFixture f;
    for (QCheckBox *kasten : f.operationBoxes()) {
        if (!kasten->isChecked()) {
            WindowFixture::click(kasten);
        }
    }
    LongRun lauf(f);
    const Memory anfang = memoryNow();
    Memory nachAufwaermen = anfang;
    QElapsedTimer uhr;
    uhr.start();
    std::printf("%9s %10s %12s %10s\n", "tasks", "seconds", "resident MiB", "heap MiB");
    for (long i = 0; i < aufgaben; ++i) {
        lauf.aufgabe(i);
        const long erledigt = i + 1;
        if (erledigt == aufwaermen) {
            nachAufwaermen = memoryNow();
        }
        if (erledigt == aufwaermen || erledigt % std::max(aufgaben / 10, 1L) == 0) {
            const Memory jetzt = memoryNow();
            std::printf("%9ld %10.1f %12.1f %10.2f\n", erledigt, uhr.elapsed() / 1000.0,
                        jetzt.residentMiB, jetzt.heapMiB);
            std::fflush(stdout);
        }
    }
    const Memory ende = memoryNow();
    const double wachstum = ende.residentMiB - nachAufwaermen.residentMiB;
    const double heapWachstum = ende.heapMiB - nachAufwaermen.heapMiB;
    std::printf("%ld tasks in %.1f s (%.2f ms each); from task %ld to the end the resident set "
                "grew by %.2f MiB and the heap in use by %.3f MiB; %ld wrong verdicts or views\n",
                aufgaben, uhr.elapsed() / 1000.0, static_cast<double>(uhr.elapsed()) / aufgaben,
                aufwaermen, wachstum, heapWachstum, lauf.fehlerzahl);
    // A leak of even 100 bytes a task would be 10 MB over the whole run.
    const bool waechst = speicherZaehlt && (heapWachstum > 2.0 || wachstum > 8.0);
    if (waechst) {
        std::printf("memory grows with use\n");
    }
    if (!speicherZaehlt) {
        std::printf("memory not judged under AddressSanitizer\n");
    }
    return lauf.fehlerzahl == 0 && !waechst ? 0 : 1;
}
