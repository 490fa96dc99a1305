// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blocklist.h"
#include "modell.h"
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
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <functional>
#include <memory>

// Every mouse click and key press the tests have sent, for their figures.
inline long &eingabenGesendet()
{
    static long anzahl = 0;
    return anzahl;
}

// The real main window and solutions dialog, as the start-up makes them,
// with a scripted random source, and the pupil's hands on them: every
// command goes in as real clicks and keys on the offscreen platform.
struct Fenster
{
    SkriptZufall zufall;
    WindowPair paar{zufall};
    TForm1 *const form1 = &paar.Form1;
    TForm2 *const form2 = &paar.Form2;

    Fenster()
    {
        form1->move(40, 40);
        form1->show();
        form1->activateWindow();
        aktiv = QTest::qWaitForWindowActive(form1);
    }

    bool aktiv = false;

    TForm1 &w() const { return *form1; }

    std::array<QCheckBox *, 4> kaesten() const
    {
        return {form1->cbAdd, form1->cbSub, form1->cbMult, form1->cbDiv};
    }

    // A left click at a point of a widget, delivered through its window as
    // the platform delivers it: Qt finds the widget under the pointer itself,
    // and a window that a modal dialog blocks gets nothing.
    static void klicke(QWidget *widget, QPoint punkt)
    {
        QWidget *fenster = widget->window();
        ++eingabenGesendet();
        QTest::mouseClick(fenster->windowHandle(), Qt::LeftButton, {},
                          widget->mapTo(fenster, punkt));
    }
    static void klicke(QWidget *widget) { klicke(widget, widget->rect().center()); }

    // Chooses an entry of the menu bar that opens no sub-menu.
    void menue(QAction *eintrag) const
    {
        klicke(form1->MainMenu1, form1->MainMenu1->actionGeometry(eintrag).center());
    }

    // The offscreen platform has no window manager: a popup or a dialog
    // that closes leaves no window active, where a desktop makes the main
    // window active again. The focus returns to it only then.
    bool wiederAktiv() const
    {
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() != form1) {
            form1->activateWindow();
        }
        // Not qWaitForWindowActive: that counts a window active while a
        // popup of its own is.
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == form1; }, 2000);
    }

    // Opens "&Aufgabenart" with the mouse and chooses an item in it.
    bool richtungPerMaus(QAction *eintrag) const
    {
        menue(form1->Aufgabenart1->menuAction());
        if (!QTest::qWaitFor([this] { return form1->Aufgabenart1->isVisible(); }, 2000)) {
            return false;
        }
        klicke(form1->Aufgabenart1, form1->Aufgabenart1->actionGeometry(eintrag).center());
        return QTest::qWaitFor([this] { return !form1->Aufgabenart1->isVisible(); }, 2000) &&
               wiederAktiv();
    }

    // Alt+A opens the sub-menu, W alone chooses "&Wortform-->Gleichung".
    bool wtPerTastatur() const
    {
        eingabenGesendet() += 2;
        QTest::keyClick(form1, Qt::Key_A, Qt::AltModifier);
        if (!QTest::qWaitFor([this] { return form1->Aufgabenart1->isVisible(); }, 2000)) {
            return false;
        }
        QTest::keyClick(form1->Aufgabenart1, Qt::Key_W);
        return QTest::qWaitFor([this] { return !form1->Aufgabenart1->isVisible(); }, 2000) &&
               wiederAktiv();
    }

    // A real click in the middle of a row, scrolled into view first.
    void klickeZeile(int zeile) const
    {
        QListWidgetItem *item = form1->lbAuswahl->item(zeile);
        form1->lbAuswahl->scrollToItem(item);
        klicke(form1->lbAuswahl->viewport(), form1->lbAuswahl->visualItemRect(item).center());
    }

    void taste(modell::Taste taste) const
    {
        if (QApplication::focusWidget() != form1->lbAuswahl) {
            form1->lbAuswahl->setFocus(Qt::TabFocusReason);
        }
        static constexpr std::array<Qt::Key, 4> tasten{Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
                                                       Qt::Key_End};
        ++eingabenGesendet();
        QTest::keyClick(form1->lbAuswahl, tasten[static_cast<std::size_t>(taste)]);
    }

    // Puts the cursor of a field at a position, as a click into it would.
    static void setzeCursor(TextField *feld, int position)
    {
        feld->setFocus(Qt::MouseFocusReason);
        QTextCursor cursor(feld->document());
        cursor.setPosition(modell::Modell::gueltigePosition(feld->exactText(), position));
        feld->setTextCursor(cursor);
    }

    // One key of a German keyboard: its key code and the text it types.
    static void tippeTaste(QWidget *ziel, QChar zeichen)
    {
        ++eingabenGesendet();
        if (zeichen == QLatin1Char('\n')) {
            QTest::keyClick(ziel, Qt::Key_Return);
        } else if (zeichen.unicode() < 0x80) {
            QTest::keyClick(ziel, zeichen.toLatin1());
        } else {
            // QTest knows the keys of ASCII only; Qt's key codes of the
            // Latin-1 letters are their upper-case code points.
            QTest::sendKeyEvent(QTest::Click, ziel,
                                static_cast<Qt::Key>(zeichen.toUpper().unicode()), QString(zeichen),
                                Qt::NoModifier);
        }
    }

    // Types Latin-1 text key by key; '\n' is the Enter key.
    static void tippe(TextField *feld, int position, const QString &text)
    {
        setzeCursor(feld, position);
        for (const QChar zeichen : text) {
            tippeTaste(feld, zeichen);
        }
    }

    static void loesche(TextField *feld, int position, int anzahl)
    {
        setzeCursor(feld, position);
        eingabenGesendet() += anzahl;
        for (int i = 0; i < anzahl; ++i) {
            QTest::keyClick(feld, Qt::Key_Backspace);
        }
    }

    // Ctrl+V of plain text from the clipboard.
    static void fuegeEin(TextField *feld, int position, QMimeData *daten)
    {
        QGuiApplication::clipboard()->setMimeData(daten);
        setzeCursor(feld, position);
        ++eingabenGesendet();
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
    }

    static void leere(TextField *feld)
    {
        feld->setFocus(Qt::MouseFocusReason);
        eingabenGesendet() += 2;
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(feld, Qt::Key_Backspace);
    }

    // Presses "Hilfe", runs `imDialog` while the modal dialog is open and
    // makes sure it is closed again. False if the dialog never opened.
    bool hilfe(const std::function<void()> &imDialog) const
    {
        bool geoeffnet = false;
        QTimer zeitgeber;
        zeitgeber.setSingleShot(true);
        QObject::connect(&zeitgeber, &QTimer::timeout, form2, [&] {
            geoeffnet = true;
            imDialog();
            if (form2->isVisible()) {
                form2->reject();
            }
        });
        zeitgeber.start(0);
        klicke(form1->bHilfe);
        zeitgeber.stop();
        return wiederAktiv() && geoeffnet;
    }
};

// The text of a plain-text field exactly as it holds it, paragraph breaks
// read as '\n'.
inline QString rohtext(const QPlainTextEdit *feld)
{
    QString text = feld->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

inline QString sichtbar(bool shown)
{
    return shown ? QStringLiteral("shown") : QStringLiteral("hidden");
}

// The rules the handlers keep at all times, checked on the window alone.
inline QStringList regelverstoesse(const TForm1 &w)
{
    QStringList verstoesse;
    if (w.bPruefe->isHidden() == w.Prfe1->isEnabled()) {
        verstoesse.append(QStringLiteral("rule: \"Prüfe\" visible %1 but \"&Prüfe\" enabled %2")
                              .arg(!w.bPruefe->isHidden())
                              .arg(w.Prfe1->isEnabled()));
    }
    if (w.bWiederhole->isHidden() == w.Wiederhole1->isEnabled()) {
        verstoesse.append(
            QStringLiteral("rule: \"Wiederhole\" visible %1 but \"&Wiederhole\" enabled %2")
                .arg(!w.bWiederhole->isHidden())
                .arg(w.Wiederhole1->isEnabled()));
    }
    const int bilder = int(!w.Image1->isHidden()) + int(!w.Image2->isHidden());
    if (bilder > 1) {
        verstoesse.append(QStringLiteral("rule: both pictures are visible"));
    }
    if (bilder > 0 && !w.bPruefe->isHidden()) {
        verstoesse.append(QStringLiteral("rule: a picture is visible together with \"Prüfe\""));
    }
    if (w.mTW->isChecked() == w.mWT->isChecked()) {
        verstoesse.append(QStringLiteral("rule: mTW checked %1 and mWT checked %2")
                              .arg(w.mTW->isChecked())
                              .arg(w.mWT->isChecked()));
    }
    return verstoesse;
}

// Every difference between the window and the model, one line each, named
// by its control; empty when they agree.
class Vergleich
{
public:
    void feld(const char *name, const QString &soll, const QString &ist)
    {
        if (soll != ist) {
            zeilen.append(QStringLiteral("%1: expected \"%2\", window has \"%3\"")
                              .arg(QLatin1String(name), zeige(soll), zeige(ist)));
        }
    }
    void feld(const char *name, bool soll, bool ist)
    {
        feld(name, soll ? QStringLiteral("true") : QStringLiteral("false"),
             ist ? QStringLiteral("true") : QStringLiteral("false"));
    }
    void feld(const char *name, int soll, int ist)
    {
        feld(name, QString::number(soll), QString::number(ist));
    }
    void feld(const char *name, const std::string &soll, const std::string &ist)
    {
        feld(name, modell::qt(soll), modell::qt(ist));
    }

    QStringList zeilen;

private:
    // Long texts shortened, control characters made visible.
    static QString zeige(const QString &text)
    {
        QString kurz = text.size() > 200 ? text.left(200) + QStringLiteral("...") : text;
        QString sichtbarerText;
        for (const QChar zeichen : kurz) {
            if (zeichen.unicode() < 0x20 || zeichen.unicode() == 0x7f) {
                sichtbarerText +=
                    QStringLiteral("\\x%1").arg(zeichen.unicode(), 2, 16, QLatin1Char('0'));
            } else {
                sichtbarerText += zeichen;
            }
        }
        return sichtbarerText;
    }
};

inline QStringList eintraege(const TForm1 &w)
{
    QStringList texte;
    for (int i = 0; i < w.lbAuswahl->count(); ++i) {
        texte.append(w.lbAuswahl->item(i)->text());
    }
    return texte;
}

inline int ausgewaehlteZeile(const TForm1 &w)
{
    const QList<QListWidgetItem *> items = w.lbAuswahl->selectedItems();
    return items.isEmpty() ? -1 : w.lbAuswahl->row(items.first());
}

inline modell::Fokus fokusIm(const TForm1 &w)
{
    const QWidget *fokus = QApplication::focusWidget();
    if (fokus == w.lbAuswahl) {
        return modell::Fokus::Liste;
    }
    if (fokus == w.lWortform) {
        return modell::Fokus::Antwort;
    }
    if (fokus == w.Memo) {
        return modell::Fokus::Memo;
    }
    return modell::Fokus::Anderes;
}

inline QString folgeText(const std::vector<int> &folge)
{
    QStringList teile;
    for (const int index : folge) {
        teile.append(QString::number(index));
    }
    return teile.join(QLatin1Char(' '));
}

// The whole comparison of the window with the model, the three rules
// included.
inline QStringList abweichungen(const modell::Modell &m, const Fenster &f)
{
    const TForm1 &w = f.w();
    Vergleich v;
    v.feld("\"Prüfe\" shown", m.pruefe, !w.bPruefe->isHidden());
    v.feld("\"&Prüfe\" enabled", m.pruefe, w.Prfe1->isEnabled());
    v.feld("\"Wiederhole\" shown", m.wiederhole, !w.bWiederhole->isHidden());
    v.feld("\"&Wiederhole\" enabled", m.wiederhole, w.Wiederhole1->isEnabled());
    v.feld("\"Hilfe\" shown", m.hilfe, !w.bHilfe->isHidden());
    v.feld("Image1 shown", m.bild1, !w.Image1->isHidden());
    v.feld("Image2 shown", m.bild2, !w.Image2->isHidden());
    v.feld("panel 0", m.panel0, w.statusPanel(TForm1::Panel::Verdict)->text());
    v.feld("panel 1", QString(), w.statusPanel(TForm1::Panel::Spare)->text());
    v.feld("panel 2", m.panel2, w.statusPanel(TForm1::Panel::Value)->text());
    v.feld("lWortform", m.antwort, w.lWortform->exactText());
    v.feld("lTerm", m.term, w.lTerm->text());
    v.feld("lTerm enabled", m.termAktiv, w.lTerm->isEnabled());
    v.feld("Memo shown", m.memoSichtbar, !w.Memo->isHidden());
    v.feld("Memo", m.memo, w.Memo->exactText());
    v.feld("GroupBox3", m.groupBox3, w.GroupBox3->title());
    v.feld("lbAuswahl", m.liste.join(QLatin1Char('|')), eintraege(w).join(QLatin1Char('|')));
    v.feld("lbAuswahl selected row", m.ausgewaehlt, ausgewaehlteZeile(w));
    v.feld("lbAuswahl current row", m.aktuell, w.lbAuswahl->currentRow());
    v.feld("mTW checked", m.tw, w.mTW->isChecked());
    v.feld("mWT checked", !m.tw, w.mWT->isChecked());
    const std::array<QCheckBox *, 4> kaesten = f.kaesten();
    static constexpr std::array<const char *, 4> kastenNamen{"cbAdd", "cbSub", "cbMult", "cbDiv"};
    for (std::size_t i = 0; i < kaesten.size(); ++i) {
        v.feld(kastenNamen[i], m.rechenarten[i], kaesten[i]->isChecked());
    }
    v.feld("main window active", true, QApplication::activeWindow() == &w);
    v.feld("focus", static_cast<int>(m.fokus), static_cast<int>(fokusIm(w)));

    // The exercise state behind the window.
    const Uebung &u = w.uebung();
    v.feld("task kind", m.aufgabe.Aufgabentyp, u.aufgabe().Aufgabentyp);
    v.feld("task Zahl1", m.aufgabe.Zahl1, u.aufgabe().Zahl1);
    v.feld("task Zahl2", m.aufgabe.Zahl2, u.aufgabe().Zahl2);
    v.feld("task sign", m.aufgabe.Rechenzeichen, u.aufgabe().Rechenzeichen);
    v.feld("task TypErlaubt", m.aufgabe.TypErlaubt, u.aufgabe().TypErlaubt);
    for (std::size_t i = 1; i <= 21; ++i) {
        v.feld(qPrintable(QStringLiteral("word block %1").arg(i)), m.wortbausteine[i - 1],
               u.wortbausteine()[i]);
    }
    for (std::size_t i = 1; i <= 5; ++i) {
        v.feld(qPrintable(QStringLiteral("equation block %1").arg(i)), m.gleichungsbausteine[i - 1],
               u.gleichungsbausteine()[i]);
    }
    if (!m.wortfolge.empty()) {
        v.feld("Wortfolge", folgeText(m.wortfolge),
               folgeText({u.wortfolge().begin(), u.wortfolge().end()}));
    }
    if (!m.gleichungsfolge.empty()) {
        v.feld("Gleichungsfolge", folgeText(m.gleichungsfolge),
               folgeText({u.gleichungsfolge().begin(), u.gleichungsfolge().end()}));
    }
    v.zeilen.append(regelverstoesse(w));
    return v.zeilen;
}
