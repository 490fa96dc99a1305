// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blocklist.h"
#include "skriptzufall.h"
#include "tamsel_u1.h"
#include "tamsel_u2.h"
#include "textfield.h"
#include "windowpair.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QMimeData>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

// Draws for one task: the kind, then both numbers as NeueAufgabe takes them
// (kinds 4 to 6 draw the first number from 1, kind 7 the second).
inline std::vector<int> aufgabeSkript(int typ, int zahl1, int zahl2)
{
    const bool ersteAbEins = typ == 4 || typ == 5 || typ == 6;
    const bool zweiteAbEins = typ == 7;
    return {typ, ersteAbEins ? zahl1 - 1 : zahl1, zweiteAbEins ? zahl2 - 1 : zahl2};
}

// A shuffle of n entries that leaves them in palette order.
inline std::vector<int> ungemischt(int n)
{
    std::vector<int> werte;
    for (int i = n; i >= 2; --i) {
        werte.push_back(i - 1);
    }
    return werte;
}

// A shuffle of n entries that reverses them.
inline std::vector<int> umgekehrt(int n)
{
    std::vector<int> werte;
    for (int i = n; i >= 2; --i) {
        const int ziel = n + 1 - i; // position i takes the entry n + 1 - i
        werte.push_back(i > ziel ? ziel - 1 : i - 1);
    }
    return werte;
}

inline std::vector<int> verkette(std::initializer_list<std::vector<int>> teile)
{
    std::vector<int> alle;
    for (const auto &teil : teile) {
        alle.insert(alle.end(), teil.begin(), teil.end());
    }
    return alle;
}

// The word palette in its own order, numbers last.
inline QStringList wortbausteine(const QString &zahl1, const QString &zahl2)
{
    return {"addieren",   "subtrahieren", "multiplizieren",
            "dividieren", "zu",           "zur",
            "von",        "mit",          "durch",
            "die Zahl",   "der Zahl",     "Zahl",
            "muss man",   "welche Zahl",  "welcher Zahl",
            "um",         "zu erhalten",  "?",
            "erhalten",   zahl1,          zahl2};
}

// Pastes as a pupil would with Ctrl+V, plain text only.
inline void fuegeEin(TextField *feld, QMimeData *daten)
{
    QGuiApplication::clipboard()->setMimeData(daten);
    feld->setFocus();
    feld->moveCursor(QTextCursor::End);
    QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
}

inline void fuegeTextEin(TextField *feld, const QString &text)
{
    auto *daten = new QMimeData;
    daten->setText(text);
    fuegeEin(feld, daten);
}

// The program's two windows as the start-up makes them, with a scripted
// random source, shown and active.
struct Fenster
{
    SkriptZufall zufall;
    WindowPair paar{zufall};
    TForm1 &form1 = paar.Form1;
    TForm2 *form2 = &paar.Form2;

    Fenster()
    {
        form1.move(100, 100);
        form1.show();
        form1.activateWindow();
    }

    bool bereit() { return QTest::qWaitForWindowActive(&form1); }

    void skript(const std::vector<int> &werte) { zufall.SkriptAnhaengen(werte); }

    QStringList eintraege() const
    {
        QStringList texte;
        for (int i = 0; i < form1.lbAuswahl->count(); ++i) {
            texte.append(form1.lbAuswahl->item(i)->text());
        }
        return texte;
    }

    int zeileVon(const QString &text) const
    {
        for (int i = 0; i < form1.lbAuswahl->count(); ++i) {
            if (form1.lbAuswahl->item(i)->text() == text) {
                return i;
            }
        }
        return -1;
    }

    QPoint mitteVon(int zeile) const
    {
        QListWidgetItem *item = form1.lbAuswahl->item(zeile);
        form1.lbAuswahl->scrollToItem(item);
        return form1.lbAuswahl->visualItemRect(item).center();
    }

    // A real left click on a list entry, scrolled into view first.
    void klicke(int zeile) const
    {
        QTest::mouseClick(form1.lbAuswahl->viewport(), Qt::LeftButton, {}, mitteVon(zeile));
    }

    // Clicks the first entry that shows each text, in order.
    void klickeTexte(const QStringList &texte) const
    {
        for (const QString &text : texte) {
            klicke(zeileVon(text));
        }
    }

    QString antwort() const { return form1.lWortform->exactText(); }

    // Types into the answer line as a pupil would, at its end.
    void tippe(const QString &text) const
    {
        form1.lWortform->setFocus();
        form1.lWortform->moveCursor(QTextCursor::End);
        QTest::keyClicks(form1.lWortform, text);
    }

    QString panel(TForm1::Panel panel) const { return form1.statusPanel(panel)->text(); }

    // Runs `waehrenddessen` while the dialog is open, then closes it, so a
    // modal showing never hangs a test.
    void hilfe(const std::function<void()> &waehrenddessen = {})
    {
        QTimer::singleShot(0, form2, [this, waehrenddessen] {
            if (waehrenddessen) {
                waehrenddessen();
            }
            if (form2->isVisible()) {
                form2->reject();
            }
        });
        QTest::mouseClick(form1.bHilfe, Qt::LeftButton);
    }
};

inline QString sichtbar(const QWidget *widget)
{
    return widget->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
}

inline QString befehl(const QWidget *button, const QAction *item)
{
    return sichtbar(button) + (item->isEnabled() ? ", enabled" : ", disabled");
}

// What the pupil can see of the window, one line per control, so that a
// test compares whole states and a difference names its control.
using Zustand = QMap<QString, QString>;

inline Zustand zustand(const Fenster &f)
{
    const TForm1 &w = f.form1;
    const Aufgabe &a = w.uebung().aufgabe();
    return {
        {"Pruefe", befehl(w.bPruefe, w.Prfe1)},
        {"Wiederhole", befehl(w.bWiederhole, w.Wiederhole1)},
        {"Hilfe", sichtbar(w.bHilfe)},
        {"Image1", sichtbar(w.Image1)},
        {"Image2", sichtbar(w.Image2)},
        {"Panel0", f.panel(TForm1::Panel::Verdict)},
        {"Panel1", f.panel(TForm1::Panel::Spare)},
        {"Panel2", f.panel(TForm1::Panel::Value)},
        {"lWortform", f.antwort()},
        {"lTerm", w.lTerm->text() + (w.lTerm->isEnabled() ? " (enabled)" : " (disabled)")},
        {"Memo", sichtbar(w.Memo) + ": " + w.Memo->exactText()},
        {"GroupBox3", w.GroupBox3->title()},
        {"lbAuswahl", f.eintraege().join('|')},
        {"mTW", w.mTW->isChecked() ? "checked" : "unchecked"},
        {"mWT", w.mWT->isChecked() ? "checked" : "unchecked"},
        {"Aufgabe", QStringLiteral("%1: %2 %3 %4")
                        .arg(a.Aufgabentyp)
                        .arg(a.Zahl1)
                        .arg(QString::fromStdString(a.Rechenzeichen))
                        .arg(a.Zahl2)},
    };
}

inline QStringList zeilen(const Zustand &z)
{
    QStringList lines;
    for (auto it = z.cbegin(); it != z.cend(); ++it) {
        lines.append(it.key() + " = " + it.value());
    }
    return lines;
}

// The state before an event with the given controls changed; a control not
// named stays as it was.
inline QStringList mitAenderungen(Zustand vorher, const Zustand &aenderungen)
{
    for (auto it = aenderungen.cbegin(); it != aenderungen.cend(); ++it) {
        vorher[it.key()] = it.value();
    }
    return zeilen(vorher);
}

// The three rules the handlers keep at all times; empty when they hold.
inline QString regelverstoss(const TForm1 &w)
{
    if (w.bPruefe->isHidden() == w.Prfe1->isEnabled()) {
        return "Prüfe button and menu item disagree";
    }
    if (w.bWiederhole->isHidden() == w.Wiederhole1->isEnabled()) {
        return "Wiederhole button and menu item disagree";
    }
    const int bilder = int(!w.Image1->isHidden()) + int(!w.Image2->isHidden());
    if (bilder > 1 || (bilder == 1 && !w.bPruefe->isHidden())) {
        return "a picture shows together with another one or with Prüfe";
    }
    if (w.mTW->isChecked() == w.mWT->isChecked()) {
        return "not exactly one direction carries the check mark";
    }
    return {};
}
