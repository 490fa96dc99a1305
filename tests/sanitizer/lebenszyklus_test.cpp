// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's whole life in one process, as the start-up runs it: the
// application, the main window and the hidden dialog are made, the event
// loop runs a full exercise in both directions with the dialog shown, "&Ende"
// closes the window, the loop ends and everything is destroyed. Under
// AddressSanitizer its LeakSanitizer checks at exit that nothing of it is
// left; under valgrind memcheck does. The exit code says whether every step
// showed what the model says.
#include "fenster.h"
#include "modell.h"

#include <QTimer>
#include <cstdio>

namespace {

int fehler = 0;

void pruefeSchritt(const char *schritt, const modell::Modell &m, const Fenster &f)
{
    const QStringList abweichend = abweichungen(m, f);
    if (!abweichend.isEmpty()) {
        ++fehler;
        std::fprintf(stderr, "after %s:\n  %s\n", schritt,
                     qPrintable(abweichend.join(QStringLiteral("\n  "))));
    }
}

void erwarte(bool gilt, const char *was)
{
    if (!gilt) {
        ++fehler;
        std::fprintf(stderr, "not so: %s\n", was);
    }
}

// One task in the direction in force: right by clicks, again after
// Wiederhole wrong by typing, then the dialog twice.
void spieleAufgabe(Fenster &f, modell::Modell &m, std::uint32_t saat)
{
    TForm1 &w = f.w();
    f.zufall.SkriptAnhaengen(m.neu(saat).werte);
    f.klicke(w.bNeu);
    m.fokus = modell::Fokus::Anderes;
    pruefeSchritt("Neu", m, f);

    const std::string zeile = orakel::AkzeptierteZeilen(m.richtung(), m.aufgabe).back();
    const QStringList bausteine = modell::bausteineFuer(modell::qt(zeile), m.liste, true);
    erwarte(!bausteine.isEmpty(), "the list holds the blocks of a right answer");
    for (const QString &baustein : bausteine) {
        const int zeileImListe = static_cast<int>(m.liste.indexOf(baustein));
        f.klickeZeile(zeileImListe);
        m.klicke(zeileImListe);
    }
    pruefeSchritt("clicking the right answer", m, f);
    f.klicke(w.bPruefe);
    m.pruefen();
    m.fokus = modell::Fokus::Anderes;
    pruefeSchritt("Prüfe", m, f);
    erwarte(w.statusPanel(TForm1::Panel::Verdict)->text() == QStringLiteral("OK"),
            "the clicked answer is right");

    f.zufall.SkriptAnhaengen(m.wiederholen(saat + 1).werte);
    f.menue(w.Wiederhole1);
    pruefeSchritt("Wiederhole", m, f);
    Fenster::tippe(w.lWortform, 0, QStringLiteral("falsch ist das "));
    modell::Modell::fuegeEin(m.antwort, 0, QStringLiteral("falsch ist das "));
    m.fokus = modell::Fokus::Antwort;
    f.menue(w.Prfe1);
    m.pruefen();
    pruefeSchritt("Prüfe by menu", m, f);

    for (const bool perSchliessfeld : {false, true}) {
        QString imDialog;
        erwarte(f.hilfe([&] {
            imDialog = rohtext(f.form2->rAntworten);
            if (perSchliessfeld) {
                f.form2->close();
            } else {
                Fenster::klicke(f.form2->bZurueck);
            }
        }),
                "the dialog opens and closes");
        m.fokus = modell::Fokus::Anderes;
        erwarte(imDialog == m.loesungen().join(QLatin1Char('\n')), "the dialog lists the answers");
        pruefeSchritt("Hilfe", m, f);
    }
}

void spiele(Fenster &f)
{
    modell::Modell m;
    TForm1 &w = f.w();
    for (std::size_t i = 1; i < 4; ++i) {
        Fenster::klicke(f.kaesten()[i]);
        m.rechenarten[i] = true;
    }
    spieleAufgabe(f, m, 1);
    erwarte(f.richtungPerMaus(w.mWT), "the sub-menu chooses mWT");
    m.waehleWT();
    spieleAufgabe(f, m, 2);
    erwarte(f.richtungPerMaus(w.mTW), "the sub-menu chooses mTW");
    m.waehleTW();
    pruefeSchritt("the switch back", m, f);
    f.menue(w.Ende1);
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
        Fenster f;
        erwarte(f.aktiv, "the main window becomes active");
        QTimer::singleShot(0, f.form1, [&f] { spiele(f); });
        // Ends when "&Ende" has closed the main window; a safety net ends it
        // should the exercise hang.
        QTimer::singleShot(60000, &app, [] {
            erwarte(false, "the exercise ends within a minute");
            QApplication::exit(2);
        });
        const int ergebnis = QApplication::exec();
        erwarte(ergebnis == 0, "the event loop ends normally");
        erwarte(!f.form1->isVisible(), "\"&Ende\" closes the main window");
    }
    std::printf("%s: start-up, an exercise in both directions with the dialog, shut-down\n",
                fehler == 0 ? "passed" : "FAILED");
    return fehler == 0 ? 0 : 1;
}
