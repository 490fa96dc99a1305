// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blocklist.h"
#include "exact_text.h"
#include "model_check.h"
#include "rules.h"
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
#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <rapidcheck.h>
#include <rapidcheck/state.h>

// The pupil's commands for the random sequences. Each command knows what
// it does to the model (aendere) and how a pupil does it on the real window
// (spiele); run() plays it on the window, compares the whole window with
// the model, the random draws and the three rules, and fails with every
// difference it finds.
namespace befehle {

// What the sequences have played, for the figures the test prints.
struct Statistik
{
    long sequenzen = 0;
    long befehle = 0;
    long laengste = 0;
    long richtig = 0;
    long falsch = 0;
    long hilfen = 0;
    long neuOhneRechenart = 0;
    long aufgaben = 0;
    long wechsel = 0;
};

inline Statistik &statistik()
{
    static Statistik s;
    return s;
}

// A text for the printed sequence: control and special characters as \u escapes.
inline std::string zeige(const QString &text)
{
    std::string aus;
    for (const QChar zeichen : text) {
        const char16_t c = zeichen.unicode();
        if (c >= 0x20 && c < 0x7f) {
            aus += static_cast<char>(c);
        } else {
            aus += QStringLiteral("\\u%1").arg(c, 4, 16, QLatin1Char('0')).toStdString();
        }
    }
    return aus;
}

using Basis = rc::state::Command<model::WindowModel, WindowFixture>;

struct Befehl : Basis
{
    // The command's effect on the model, and the draws the window must make.
    virtual model::Draws aendere(model::WindowModel &m) const = 0;
    // Plays the command on the window; returns what went wrong on the way.
    virtual QStringList spiele(WindowFixture &f, const model::WindowModel &vorher) const = 0;

    void apply(model::WindowModel &m) const override { aendere(m); }

    void run(const model::WindowModel &vorher, WindowFixture &f) const override
    {
        model::WindowModel soll = vorher;
        const model::Draws ziehungen = aendere(soll);
        f.random.clearCalls();
        f.random.append(ziehungen.values);
        QStringList fehler = spiele(f, vorher);
        ++statistik().befehle;
        fehler.append(differences(soll, f));
        const std::string protokoll = f.random.calls();
        if (protokoll != ziehungen.calls) {
            fehler.append(unterschied(ziehungen.calls, protokoll));
        }
        for (const std::string &ungueltig : f.random.invalid) {
            fehler.append(QStringLiteral("random source: scripted value out of range: %1")
                              .arg(model::qt(ungueltig)));
        }
        if (!fehler.isEmpty()) {
            RC_FAIL(fehler.join(QLatin1Char('\n')).toStdString());
        }
    }

private:
    // Where two logs of random calls part, with some calls before it.
    static QString unterschied(const std::string &soll, const std::string &ist)
    {
        std::size_t ab = 0;
        while (ab < soll.size() && ab < ist.size() && soll[ab] == ist[ab]) {
            ++ab;
        }
        const std::size_t von = ab > 60 ? ab - 60 : 0;
        return QStringLiteral("random source: the calls part at character %1 of %2: expected "
                              "\"...%3\", the window made \"...%4\"")
            .arg(ab)
            .arg(soll.size())
            .arg(model::qt(soll.substr(von, 120)), model::qt(ist.substr(von, 120)));
    }
};

inline std::uint32_t saat()
{
    return *rc::gen::arbitrary<std::uint32_t>();
}

// A position in a text of this length: mostly its end (-1), else anywhere.
inline int position(qsizetype laenge)
{
    if (*rc::gen::inRange(0, 2) == 0) {
        return -1;
    }
    return *rc::gen::inRange(0, static_cast<int>(laenge) + 1);
}

inline int aufgeloest(int position, const QString &text)
{
    return position < 0 ? static_cast<int>(text.size()) : position;
}

inline QString zufallstext(const std::vector<QString> &alphabet, int hoechstens)
{
    const int laenge = *rc::gen::inRange(1, hoechstens + 1);
    QString text;
    for (int i = 0; i < laenge; ++i) {
        text += alphabet[static_cast<std::size_t>(
            *rc::gen::inRange(0, static_cast<int>(alphabet.size())))];
    }
    return text;
}

// Keys a pupil can type: Latin-1 letters, blanks, the signs of the
// equations, digits, and Enter.
inline const std::vector<QString> &tippalphabet()
{
    static const std::vector<QString> alphabet{
        "a", "e", "n", "r",      "u",  "z",   "Z",         "x",   " ",  " ",
        "?", "=", "+", "-",      "*",  ":",   "0",         "1",   "7",  "ä",
        "ö", "ü", "ß", "\u00a0", "\n", "zu ", "die Zahl ", "um ", "x ", "= "};
    return alphabet;
}

// What a paste can bring besides: tabs, line separators, bidi marks,
// emoji, a combining accent, CR LF and a lone CR.
inline const std::vector<QString> &einfuegealphabet()
{
    static const std::vector<QString> alphabet{
        "a",      "Zahl ",      " ",          "\t",     "\n",     "\r\n",
        "\r",     "\u2028",     "\u2029",     "\u200f", "\u202e", "\u00a0",
        "\u0301", "\U0001F383", "\U0001F600", "ß",      "1234 ",  "?"};
    return alphabet;
}

struct Neu : Befehl
{
    bool perMenue;
    std::optional<std::array<bool, 4>> kaesten;
    std::uint32_t seed;

    explicit Neu(const model::WindowModel &) : perMenue(*rc::gen::arbitrary<bool>()), seed(saat())
    {
        const int art = *rc::gen::inRange(0, 12);
        if (art == 0) {
            kaesten = std::array<bool, 4>{false, false, false, false};
        } else if (art < 5) {
            kaesten = std::array<bool, 4>{*rc::gen::arbitrary<bool>(), *rc::gen::arbitrary<bool>(),
                                          *rc::gen::arbitrary<bool>(), *rc::gen::arbitrary<bool>()};
        }
    }

    model::Draws aendere(model::WindowModel &m) const override
    {
        if (kaesten) {
            for (std::size_t i = 0; i < 4; ++i) {
                if (m.operations[i] != (*kaesten)[i]) {
                    m.operations[i] = (*kaesten)[i];
                    m.focus = model::Focus::Other;
                }
            }
        }
        if (!perMenue) {
            m.focus = model::Focus::Other;
        }
        return m.newTask(seed);
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &vorher) const override
    {
        if (kaesten) {
            const std::array<QCheckBox *, 4> boxen = f.operationBoxes();
            for (std::size_t i = 0; i < 4; ++i) {
                if (vorher.operations[i] != (*kaesten)[i]) {
                    f.click(boxen[i]);
                }
            }
        }
        const bool ohne = kaesten ? *kaesten == std::array<bool, 4>{} : vorher.noOperation();
        ++(ohne ? statistik().neuOhneRechenart : statistik().aufgaben);
        if (perMenue) {
            f.chooseMenuItem(f.Form1.Neu1);
        } else {
            f.click(f.Form1.bNeu);
        }
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << "Neu by " << (perMenue ? "menu" : "button");
        if (kaesten) {
            os << ", boxes ";
            for (const bool an : *kaesten) {
                os << (an ? '+' : '-');
            }
        }
        os << ", seed " << seed;
    }
};

struct Kasten : Befehl
{
    int index;

    explicit Kasten(const model::WindowModel &) : index(*rc::gen::inRange(0, 4)) {}

    model::Draws aendere(model::WindowModel &m) const override
    {
        auto &an = m.operations[static_cast<std::size_t>(index)];
        an = !an;
        m.focus = model::Focus::Other;
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &) const override
    {
        f.click(f.operationBoxes()[static_cast<std::size_t>(index)]);
        return {};
    }

    void show(std::ostream &os) const override { os << "toggle check box " << index; }
};

struct Klick : Befehl
{
    int zeile;

    explicit Klick(const model::WindowModel &m)
        : zeile(m.list.isEmpty() ? 0 : *rc::gen::inRange(0, static_cast<int>(m.list.size())))
    {}

    void checkPreconditions(const model::WindowModel &m) const override
    {
        RC_PRE(zeile < m.list.size());
    }

    model::Draws aendere(model::WindowModel &m) const override
    {
        m.clickRow(zeile);
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &) const override
    {
        f.clickRow(zeile);
        return {};
    }

    void show(std::ostream &os) const override { os << "click list row " << zeile; }
};

struct Pfeil : Befehl
{
    model::Key taste;

    explicit Pfeil(const model::WindowModel &)
        : taste(static_cast<model::Key>(*rc::gen::element(0, 1, 1, 1, 2, 3)))
    {}

    model::Draws aendere(model::WindowModel &m) const override
    {
        m.pressKey(taste);
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &) const override
    {
        BlockList *liste = f.Form1.lbAuswahl;
        if (QApplication::focusWidget() != liste) {
            liste->setFocus(Qt::TabFocusReason);
        }
        static constexpr std::array<Qt::Key, 4> tasten{Qt::Key_Up, Qt::Key_Down, Qt::Key_Home,
                                                       Qt::Key_End};
        ++WindowFixture::inputsSent();
        QTest::keyClick(liste, tasten[static_cast<std::size_t>(taste)]);
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << "key " << model::keyName(taste) << " in the list";
    }
};

// Typing into the answer line: random keys, or now and then a whole
// accepted line of either direction.
struct Tippen : Befehl
{
    int pos;
    QString text;

    explicit Tippen(const model::WindowModel &m) : pos(position(m.answer.size()))
    {
        if (m.drawn && *rc::gen::inRange(0, 2) == 0) {
            const Richtung richtung = *rc::gen::arbitrary<bool>() ? Richtung::mTW : Richtung::mWT;
            const std::vector<std::string> zeilen = oracle::acceptedLines(richtung, m.aufgabe);
            text = model::qt(zeilen[static_cast<std::size_t>(
                *rc::gen::inRange(0, static_cast<int>(zeilen.size())))]);
        } else {
            text = zufallstext(tippalphabet(), 6);
        }
    }

    model::Draws aendere(model::WindowModel &m) const override
    {
        model::WindowModel::insert(m.answer, aufgeloest(pos, m.answer), text);
        m.focus = model::Focus::Answer;
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &vorher) const override
    {
        WindowFixture::typeKeys(f.Form1.lWortform, aufgeloest(pos, vorher.answer), text);
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << "type \"" << zeige(text) << "\" into the answer line at "
           << (pos < 0 ? std::string("the end") : std::to_string(pos));
    }
};

struct Loeschen : Befehl
{
    int pos;
    int anzahl;

    explicit Loeschen(const model::WindowModel &m)
        : pos(position(m.answer.size())), anzahl(*rc::gen::inRange(1, 12))
    {}

    model::Draws aendere(model::WindowModel &m) const override
    {
        model::WindowModel::backspace(m.answer, aufgeloest(pos, m.answer), anzahl);
        m.focus = model::Focus::Answer;
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &vorher) const override
    {
        WindowFixture::backspace(f.Form1.lWortform, aufgeloest(pos, vorher.answer), anzahl);
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << "Backspace " << anzahl << " times in the answer line at "
           << (pos < 0 ? std::string("the end") : std::to_string(pos));
    }
};

struct Leeren : Befehl
{
    explicit Leeren(const model::WindowModel &) {}

    model::Draws aendere(model::WindowModel &m) const override
    {
        m.answer.clear();
        m.focus = model::Focus::Answer;
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &) const override
    {
        WindowFixture::clear(f.Form1.lWortform);
        return {};
    }

    void show(std::ostream &os) const override { os << "Ctrl+A, Backspace in the answer line"; }
};

// A right line with one character that only looks alike: a no-break
// space, a line separator or a zero-width space for or beside a blank.
inline QString beinaheRichtig(const model::WindowModel &m)
{
    const std::vector<std::string> zeilen = oracle::acceptedLines(m.richtung(), m.aufgabe);
    QString zeile = model::qt(
        zeilen[static_cast<std::size_t>(*rc::gen::inRange(0, static_cast<int>(zeilen.size())))]);
    std::vector<qsizetype> blanks;
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        if (zeile.at(i) == QLatin1Char(' ')) {
            blanks.push_back(i);
        }
    }
    const qsizetype stelle =
        blanks[static_cast<std::size_t>(*rc::gen::inRange(0, static_cast<int>(blanks.size())))];
    static const std::array<QChar, 3> aehnlich{QChar(0x00A0), QChar(0x2028), QChar(0x200B)};
    const QChar zeichen = aehnlich[static_cast<std::size_t>(*rc::gen::inRange(0, 3))];
    if (zeichen == QChar(0x200B)) {
        zeile.insert(stelle, zeichen);
    } else {
        zeile[stelle] = zeichen;
    }
    return zeile;
}

struct Einfuegen : Befehl
{
    int pos;
    QString text;

    explicit Einfuegen(const model::WindowModel &m)
        : pos(position(m.answer.size())),
          text(m.drawn && *rc::gen::inRange(0, 3) == 0 ? beinaheRichtig(m)
                                                       : zufallstext(einfuegealphabet(), 8))
    {}

    model::Draws aendere(model::WindowModel &m) const override
    {
        model::WindowModel::insert(m.answer, aufgeloest(pos, m.answer),
                                   model::WindowModel::asPasted(text));
        m.focus = model::Focus::Answer;
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &vorher) const override
    {
        auto *daten = new QMimeData;
        daten->setText(text);
        WindowFixture::paste(f.Form1.lWortform, aufgeloest(pos, vorher.answer), daten);
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << "paste \"" << zeige(text) << "\" into the answer line at "
           << (pos < 0 ? std::string("the end") : std::to_string(pos));
    }
};

// Clicks an accepted line together from the list, after emptying the
// answer line if asked; the line may belong to the other direction.
struct Zusammenklicken : Befehl
{
    bool leerenZuerst;
    QStringList bausteine;

    explicit Zusammenklicken(const model::WindowModel &m)
        : leerenZuerst(*rc::gen::inRange(0, 6) != 0)
    {
        if (!m.drawn) {
            return;
        }
        const bool andere = *rc::gen::inRange(0, 5) == 0;
        const Richtung richtung = m.tw != andere ? Richtung::mTW : Richtung::mWT;
        const std::vector<std::string> zeilen = oracle::acceptedLines(richtung, m.aufgabe);
        const std::string &zeile =
            zeilen[static_cast<std::size_t>(*rc::gen::inRange(0, static_cast<int>(zeilen.size())))];
        bausteine = model::blocksFor(model::qt(zeile), m.list, *rc::gen::arbitrary<bool>());
    }

    void checkPreconditions(const model::WindowModel &m) const override
    {
        RC_PRE(!bausteine.isEmpty());
        for (const QString &baustein : bausteine) {
            RC_PRE(m.list.contains(baustein));
        }
    }

    model::Draws aendere(model::WindowModel &m) const override
    {
        if (leerenZuerst) {
            m.answer.clear();
        }
        for (const QString &baustein : bausteine) {
            m.clickRow(static_cast<int>(m.list.indexOf(baustein)));
        }
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &vorher) const override
    {
        if (leerenZuerst) {
            WindowFixture::clear(f.Form1.lWortform);
        }
        for (const QString &baustein : bausteine) {
            f.clickRow(static_cast<int>(vorher.list.indexOf(baustein)));
        }
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << (leerenZuerst ? "empty the answer line, then click " : "click ") << "\""
           << zeige(bausteine.join(QStringLiteral("|"))) << "\"";
    }
};

// "Prüfe" by its button (only while it is shown) or by its menu item,
// which does nothing while it is disabled.
struct Pruefen : Befehl
{
    bool perMenue;

    explicit Pruefen(const model::WindowModel &) : perMenue(*rc::gen::arbitrary<bool>()) {}

    void checkPreconditions(const model::WindowModel &m) const override
    {
        RC_PRE(perMenue || m.pruefe);
    }

    model::Draws aendere(model::WindowModel &m) const override
    {
        if (m.pruefe) {
            m.check();
            if (!perMenue) {
                m.focus = model::Focus::Other;
            }
        }
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &vorher) const override
    {
        if (vorher.pruefe) {
            ++(vorher.verdict().right ? statistik().richtig : statistik().falsch);
        }
        if (perMenue) {
            f.chooseMenuItem(f.Form1.Prfe1);
        } else {
            f.click(f.Form1.bPruefe);
        }
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << "Prüfe by " << (perMenue ? "menu" : "button");
    }
};

struct Wiederholen : Befehl
{
    bool perMenue;
    std::uint32_t seed;

    explicit Wiederholen(const model::WindowModel &)
        : perMenue(*rc::gen::arbitrary<bool>()), seed(saat())
    {}

    void checkPreconditions(const model::WindowModel &m) const override
    {
        RC_PRE(perMenue || m.wiederhole);
    }

    model::Draws aendere(model::WindowModel &m) const override
    {
        if (!m.wiederhole) {
            return {};
        }
        if (!perMenue) {
            m.focus = model::Focus::Other;
        }
        return m.repeat(seed);
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &) const override
    {
        if (perMenue) {
            f.chooseMenuItem(f.Form1.Wiederhole1);
        } else {
            f.click(f.Form1.bWiederhole);
        }
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << "Wiederhole by " << (perMenue ? "menu" : "button") << ", seed " << seed;
    }
};

// "Hilfe": the dialog must show the answer line and the correct answers of
// the direction in force; meanwhile the main window takes no click, and
// text typed into the dialog goes nowhere.
struct Hilfe : Befehl
{
    bool perSchliessfeld;
    bool tippeImDialog;
    bool klickeNeuDahinter;

    explicit Hilfe(const model::WindowModel &)
        : perSchliessfeld(*rc::gen::arbitrary<bool>()), tippeImDialog(*rc::gen::inRange(0, 3) == 0),
          klickeNeuDahinter(*rc::gen::inRange(0, 3) == 0)
    {}

    void checkPreconditions(const model::WindowModel &m) const override { RC_PRE(m.hilfe); }

    model::Draws aendere(model::WindowModel &m) const override
    {
        m.focus = model::Focus::Other;
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &vorher) const override
    {
        ++statistik().hilfen;
        QStringList fehler;
        TForm2 *dialog = &f.Form2;
        const bool geoeffnet = f.openSolutions([&] {
            if (QApplication::activeModalWidget() != dialog) {
                fehler.append(QStringLiteral("Hilfe: the dialog is not the active modal window"));
            }
            Comparison v;
            v.field("rAntwort", vorher.answer, exactText(dialog->rAntwort));
            v.field("rAntworten", vorher.solutions().join(QLatin1Char('\n')),
                    exactText(dialog->rAntworten));
            fehler.append(v.lines);
            if (tippeImDialog) {
                WindowFixture::inputsSent() += 10;
                QTest::keyClicks(dialog->rAntwort, QStringLiteral("abc "));
                QTest::keyClicks(dialog->rAntworten, QStringLiteral("x = 1 "));
            }
            if (klickeNeuDahinter) {
                f.click(f.Form1.bNeu);
            }
            if (perSchliessfeld) {
                dialog->close();
            } else {
                f.click(dialog->bZurueck);
            }
            if (dialog->isVisible()) {
                fehler.append(QStringLiteral("Hilfe: the dialog stayed open"));
            }
        });
        if (!geoeffnet) {
            fehler.append(QStringLiteral("Hilfe: the dialog did not open"));
        }
        if (dialog->isVisible()) {
            fehler.append(QStringLiteral("Hilfe: the dialog is still visible"));
        }
        return fehler;
    }

    void show(std::ostream &os) const override
    {
        os << "Hilfe" << (tippeImDialog ? ", type into the dialog" : "")
           << (klickeNeuDahinter ? ", click Neu behind it" : "") << ", close by "
           << (perSchliessfeld ? "the close box" : "\"Zurück\"");
    }
};

// A direction item, the marked one too, by mouse in the sub-menu or, for
// "&Wortform-->Gleichung", by Alt+A and W.
struct Richtungswahl : Befehl
{
    bool tw;
    bool perTastatur;

    explicit Richtungswahl(const model::WindowModel &)
        : tw(*rc::gen::arbitrary<bool>()), perTastatur(!tw && *rc::gen::arbitrary<bool>())
    {}

    model::Draws aendere(model::WindowModel &m) const override
    {
        if (tw) {
            m.chooseTW();
        } else {
            m.chooseWT();
        }
        m.focusBack();
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &) const override
    {
        ++statistik().wechsel;
        const bool gewaehlt = perTastatur
                                  ? f.chooseWTByKeyboard()
                                  : f.chooseDirectionByMouse(tw ? f.Form1.mTW : f.Form1.mWT);
        if (!gewaehlt) {
            return {QStringLiteral("the sub-menu \"&Aufgabenart\" did not open or close")};
        }
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << (tw ? "Gleichung-->Wortform" : "&Wortform-->Gleichung") << " by "
           << (perTastatur ? "Alt+A, W" : "mouse");
    }
};

// Typing into the question field, which is editable while it is shown.
struct MemoTippen : Befehl
{
    int pos;
    QString text;

    explicit MemoTippen(const model::WindowModel &m)
        : pos(position(m.memo.size())), text(zufallstext(tippalphabet(), 6))
    {}

    void checkPreconditions(const model::WindowModel &m) const override { RC_PRE(m.memoShown); }

    model::Draws aendere(model::WindowModel &m) const override
    {
        model::WindowModel::insert(m.memo, aufgeloest(pos, m.memo), text);
        m.focus = model::Focus::Memo;
        return {};
    }

    QStringList spiele(WindowFixture &f, const model::WindowModel &vorher) const override
    {
        WindowFixture::typeKeys(f.Form1.Memo, aufgeloest(pos, vorher.memo), text);
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << "type \"" << zeige(text) << "\" into Memo at "
           << (pos < 0 ? std::string("the end") : std::to_string(pos));
    }
};

// The mix of commands: a type listed twice comes twice as often.
inline auto alleBefehle()
{
    return rc::state::gen::execOneOfWithArgs<
        Neu, Neu, Neu, Kasten, Klick, Klick, Klick, Pfeil, Pfeil, Tippen, Tippen, Loeschen, Leeren,
        Einfuegen, Zusammenklicken, Zusammenklicken, Zusammenklicken, Zusammenklicken,
        Zusammenklicken, Pruefen, Pruefen, Pruefen, Pruefen, Wiederholen, Wiederholen, Hilfe, Hilfe,
        Richtungswahl, Richtungswahl, MemoTippen>();
}

} // namespace befehle
