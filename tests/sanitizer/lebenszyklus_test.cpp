// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's whole life in one process, as the start-up runs it: the
// application, the main window and the hidden dialog are made, the event
// loop runs a full exercise in both directions with the dialog shown, "&Ende"
// closes the window, the loop ends and everything is destroyed. Under
// AddressSanitizer its LeakSanitizer checks at exit that nothing of it is
// left; under valgrind memcheck does. The exit code says whether every step
// showed what the model says.
#include "blocklist.h"
#include "exact_text.h"
#include "model_check.h"
#include "textfield.h"
#include "window_model.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

int failures = 0;

void checkStep(const char *schritt, const model::WindowModel &m, const WindowFixture &f)
{
    const QStringList abweichend = differences(m, f);
    if (!abweichend.isEmpty()) {
        ++failures;
        std::fprintf(stderr, "after %s:\n  %s\n", schritt,
                     qPrintable(abweichend.join(QStringLiteral("\n  "))));
    }
}

void expectThat(bool gilt, const char *was)
{
    if (!gilt) {
        ++failures;
        std::fprintf(stderr, "not so: %s\n", was);
    }
}

// One task in the direction in force: right by clicks, again after
// Wiederhole wrong by typing, then the dialog twice.
void playTask(WindowFixture &f, model::WindowModel &m, std::uint32_t saat)
{
    TForm1 &w = f.Form1;
    f.random.append(m.newTask(saat).values);
    f.click(w.bNeu);
    m.focus = model::Focus::Other;
    checkStep("Neu", m, f);

    const std::string zeile = oracle::acceptedLines(m.richtung(), m.aufgabe).back();
    const QStringList bausteine = model::blocksFor(model::qt(zeile), m.list, true);
    expectThat(!bausteine.isEmpty(), "the list holds the blocks of a right answer");
    for (const QString &baustein : bausteine) {
        const int zeileImListe = static_cast<int>(m.list.indexOf(baustein));
        f.clickRow(zeileImListe);
        m.clickRow(zeileImListe);
    }
    checkStep("clicking the right answer", m, f);
    f.click(w.bPruefe);
    m.check();
    m.focus = model::Focus::Other;
    checkStep("Prüfe", m, f);
    expectThat(w.statusPanel(TForm1::Panel::Verdict)->text() == QStringLiteral("OK"),
               "the clicked answer is right");

    f.random.append(m.repeat(saat + 1).values);
    f.chooseMenuItem(w.Wiederhole1);
    checkStep("Wiederhole", m, f);
    WindowFixture::typeKeys(w.lWortform, 0, QStringLiteral("falsch ist das "));
    model::WindowModel::insert(m.answer, 0, QStringLiteral("falsch ist das "));
    m.focus = model::Focus::Answer;
    f.chooseMenuItem(w.Prfe1);
    m.check();
    checkStep("Prüfe by menu", m, f);

    for (const bool perSchliessfeld : {false, true}) {
        QString imDialog;
        expectThat(f.openSolutions([&] {
            imDialog = exactText(f.Form2.rAntworten);
            if (perSchliessfeld) {
                f.Form2.close();
            } else {
                WindowFixture::click(f.Form2.bZurueck);
            }
        }),
                   "the dialog opens and closes");
        m.focus = model::Focus::Other;
        expectThat(imDialog == m.solutions().join(QLatin1Char('\n')),
                   "the dialog lists the answers");
        checkStep("Hilfe", m, f);
    }
}

void playExercise(WindowFixture &f)
{
    model::WindowModel m;
    TForm1 &w = f.Form1;
    for (std::size_t i = 1; i < 4; ++i) {
        WindowFixture::click(f.operationBoxes()[i]);
        m.operations[i] = true;
    }
    playTask(f, m, 1);
    expectThat(f.chooseDirectionByMouse(w.mWT), "the sub-menu chooses mWT");
    m.chooseWT();
    playTask(f, m, 2);
    expectThat(f.chooseDirectionByMouse(w.mTW), "the sub-menu chooses mTW");
    m.chooseTW();
    checkStep("the switch back", m, f);
    f.chooseMenuItem(w.Ende1);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    {
        // As the start-up makes them: the main window, then the hidden dialog
        // it owns.
        WindowFixture f;
        expectThat(f.active, "the main window becomes active");
        QTimer::singleShot(0, &f.Form1, [&f] { playExercise(f); });
        // Ends when "&Ende" has closed the main window; a safety net ends it
        // should the exercise hang.
        QTimer::singleShot(60000, &app, [] {
            expectThat(false, "the exercise ends within a minute");
            QApplication::exit(2);
        });
        const int ergebnis = QApplication::exec();
        expectThat(ergebnis == 0, "the event loop ends normally");
        expectThat(!f.Form1.isVisible(), "\"&Ende\" closes the main window");
    }
    std::printf("%s: start-up, an exercise in both directions with the dialog, shut-down\n",
                failures == 0 ? "passed" : "FAILED");
    return failures == 0 ? 0 : 1;
}
