// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blocklist.h"
#include "convert.h"
#include "oracle.h"
#include "textfield.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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

// What the pupil can see of the window, one entry per control, so that a
// test compares whole states and a difference names its control.
using WindowState = QMap<QString, QString>;

inline QString shownOrHidden(const QWidget *widget)
{
    return widget->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown");
}

// A command's button and menu item together.
inline QString commandState(const QWidget *button, const QAction *item)
{
    return shownOrHidden(button) + (item->isEnabled() ? ", enabled" : ", disabled");
}

inline WindowState windowState(const WindowFixture &f)
{
    const TForm1 &w = f.Form1;
    const Aufgabe &a = w.uebung().aufgabe();
    return {
        {"Pruefe", commandState(w.bPruefe, w.Prfe1)},
        {"Wiederhole", commandState(w.bWiederhole, w.Wiederhole1)},
        {"Hilfe", shownOrHidden(w.bHilfe)},
        {"Image1", shownOrHidden(w.Image1)},
        {"Image2", shownOrHidden(w.Image2)},
        {"Panel0", f.panel(TForm1::Panel::Verdict)},
        {"Panel1", f.panel(TForm1::Panel::Spare)},
        {"Panel2", f.panel(TForm1::Panel::Value)},
        {"lWortform", f.answer()},
        {"lTerm", w.lTerm->text() + (w.lTerm->isEnabled() ? " (enabled)" : " (disabled)")},
        {"Memo", shownOrHidden(w.Memo) + ": " + w.Memo->exactText()},
        {"GroupBox3", w.GroupBox3->title()},
        {"lbAuswahl", f.entries().join('|')},
        {"mTW", w.mTW->isChecked() ? "checked" : "unchecked"},
        {"mWT", w.mWT->isChecked() ? "checked" : "unchecked"},
        {"Aufgabe", QStringLiteral("%1: %2 %3 %4")
                        .arg(a.Aufgabentyp)
                        .arg(a.Zahl1)
                        .arg(QString::fromStdString(a.Rechenzeichen))
                        .arg(a.Zahl2)},
    };
}

inline QStringList lines(const WindowState &state)
{
    QStringList result;
    for (auto it = state.cbegin(); it != state.cend(); ++it) {
        result.append(it.key() + " = " + it.value());
    }
    return result;
}

// The state before an event with the given controls changed; a control not
// named stays as it was.
inline QStringList withChanges(WindowState before, const WindowState &changes)
{
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        before[it.key()] = it.value();
    }
    return lines(before);
}

// The word palette as the list shows it in palette order.
inline QStringList wordPalette(const QString &first, const QString &second)
{
    return qt(oracle::wordPalette(first.toStdString(), second.toStdString()));
}
