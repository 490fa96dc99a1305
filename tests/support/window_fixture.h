// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scripted_random.h"
#include "tamsel_u1.h"
#include "tamsel_u2.h"
#include "windowpair.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QMimeData;
class QWidget;
class TextField;

// The program's two windows as the start-up makes them, with a scripted
// random source, shown and active, and the pupil's hands on them: clicks
// and keys go in as real input events on the offscreen platform.
class WindowFixture
{
public:
    WindowFixture();

    // Every mouse click and key press the fixtures have sent, for the
    // figures of the long-running tests.
    static long &inputsSent();

    ScriptedRandom random;
    WindowPair windows{random};
    TForm1 &Form1 = windows.Form1;
    TForm2 &Form2 = windows.Form2;
    // Whether the main window became active on start.
    bool active = false;

    void script(const std::vector<int> &values) { random.append(values); }

    std::array<QCheckBox *, 4> operationBoxes() const;
    QString panel(TForm1::Panel panel) const;
    QString answer() const;

    // The list's texts, top to bottom; the row of the first entry that shows
    // a text (-1 if none); the centre of a row, scrolled into view first.
    QStringList entries() const;
    int rowOf(const QString &text) const;
    QPoint centreOf(int row) const;

    // A left click at a point of a widget, delivered through its window as
    // the platform delivers it: Qt finds the widget under the pointer itself,
    // and a window that a modal dialog blocks gets nothing.
    static void click(QWidget *widget, QPoint at);
    static void click(QWidget *widget);

    // A real click in the middle of a row, scrolled into view first; and
    // clicks on the first row that shows each text, in order.
    void clickRow(int row) const;
    void clickTexts(const QStringList &texts) const;

    // Chooses an entry of the menu bar that opens no sub-menu.
    void chooseMenuItem(QAction *item) const;
    // Opens "&Aufgabenart" with the mouse and chooses an item in it.
    bool chooseDirectionByMouse(QAction *item) const;
    // Alt+A opens the sub-menu, W alone chooses "&Wortform-->Gleichung".
    bool chooseWTByKeyboard() const;
    // The offscreen platform has no window manager: a popup or a dialog that
    // closes leaves no window active, where a desktop makes the main window
    // active again. This does what the desktop would.
    bool reactivate() const;

    // Puts the cursor of a field at a position, as a click into it would;
    // a position past the end is the end.
    static void placeCursor(TextField *field, int position);
    // Types Latin-1 text key by key of a German keyboard; '\n' is Enter.
    static void typeKeys(TextField *field, int position, const QString &text);
    static void typeKey(QWidget *target, QChar character);
    // Types at the end of the answer line.
    void typeAnswer(const QString &text) const;
    static void backspace(TextField *field, int position, int count);
    // Ctrl+V from the clipboard, which takes the data over.
    static void paste(TextField *field, int position, QMimeData *data);
    static void pasteText(TextField *field, const QString &text);
    // Ctrl+A, then Backspace.
    static void clear(TextField *field);

    // Presses "Hilfe", runs `whileOpen` while the modal dialog is open and
    // makes sure it is closed again, so a showing never hangs a test. False
    // if the dialog never opened or the main window did not become active
    // again.
    bool openSolutions(const std::function<void()> &whileOpen = {});
};

// The list's texts, top to bottom.
QStringList listEntries(const TForm1 &window);
