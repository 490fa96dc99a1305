// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fenster.h"
#include "modell.h"

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

using Basis = rc::state::Command<modell::Modell, Fenster>;

struct Befehl : Basis
{
    // The command's effect on the model, and the draws the window must make.
    virtual modell::Ziehungen aendere(modell::Modell &m) const = 0;
    // Plays the command on the window; returns what went wrong on the way.
    virtual QStringList spiele(Fenster &f, const modell::Modell &vorher) const = 0;

    void apply(modell::Modell &m) const override { aendere(m); }

    void run(const modell::Modell &vorher, Fenster &f) const override
    {
        modell::Modell soll = vorher;
        const modell::Ziehungen ziehungen = aendere(soll);
        f.zufall.ProtokollLoeschen();
        f.zufall.SkriptAnhaengen(ziehungen.werte);
        QStringList fehler = spiele(f, vorher);
        ++statistik().befehle;
        fehler.append(abweichungen(soll, f));
        const std::string protokoll = f.zufall.Protokoll();
        if (protokoll != ziehungen.protokoll) {
            fehler.append(unterschied(ziehungen.protokoll, protokoll));
        }
        for (const std::string &ungueltig : f.zufall.ungueltig) {
            fehler.append(QStringLiteral("random source: scripted value out of range: %1")
                              .arg(modell::qt(ungueltig)));
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
            .arg(modell::qt(soll.substr(von, 120)), modell::qt(ist.substr(von, 120)));
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

    explicit Neu(const modell::Modell &) : perMenue(*rc::gen::arbitrary<bool>()), seed(saat())
    {
        const int art = *rc::gen::inRange(0, 12);
        if (art == 0) {
            kaesten = std::array<bool, 4>{false, false, false, false};
        } else if (art < 5) {
            kaesten = std::array<bool, 4>{*rc::gen::arbitrary<bool>(), *rc::gen::arbitrary<bool>(),
                                          *rc::gen::arbitrary<bool>(), *rc::gen::arbitrary<bool>()};
        }
    }

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        if (kaesten) {
            for (std::size_t i = 0; i < 4; ++i) {
                if (m.rechenarten[i] != (*kaesten)[i]) {
                    m.rechenarten[i] = (*kaesten)[i];
                    m.fokus = modell::Fokus::Anderes;
                }
            }
        }
        if (!perMenue) {
            m.fokus = modell::Fokus::Anderes;
        }
        return m.neu(seed);
    }

    QStringList spiele(Fenster &f, const modell::Modell &vorher) const override
    {
        if (kaesten) {
            const std::array<QCheckBox *, 4> boxen = f.kaesten();
            for (std::size_t i = 0; i < 4; ++i) {
                if (vorher.rechenarten[i] != (*kaesten)[i]) {
                    f.klicke(boxen[i]);
                }
            }
        }
        const bool ohne = kaesten ? *kaesten == std::array<bool, 4>{} : vorher.keineRechenart();
        ++(ohne ? statistik().neuOhneRechenart : statistik().aufgaben);
        if (perMenue) {
            f.menue(f.w().Neu1);
        } else {
            f.klicke(f.w().bNeu);
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

    explicit Kasten(const modell::Modell &) : index(*rc::gen::inRange(0, 4)) {}

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        auto &an = m.rechenarten[static_cast<std::size_t>(index)];
        an = !an;
        m.fokus = modell::Fokus::Anderes;
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &) const override
    {
        f.klicke(f.kaesten()[static_cast<std::size_t>(index)]);
        return {};
    }

    void show(std::ostream &os) const override { os << "toggle check box " << index; }
};

struct Klick : Befehl
{
    int zeile;

    explicit Klick(const modell::Modell &m)
        : zeile(m.liste.isEmpty() ? 0 : *rc::gen::inRange(0, static_cast<int>(m.liste.size())))
    {}

    void checkPreconditions(const modell::Modell &m) const override
    {
        RC_PRE(zeile < m.liste.size());
    }

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        m.klicke(zeile);
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &) const override
    {
        f.klickeZeile(zeile);
        return {};
    }

    void show(std::ostream &os) const override { os << "click list row " << zeile; }
};

struct Pfeil : Befehl
{
    modell::Taste taste;

    explicit Pfeil(const modell::Modell &)
        : taste(static_cast<modell::Taste>(*rc::gen::element(0, 1, 1, 1, 2, 3)))
    {}

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        m.taste(taste);
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &) const override
    {
        f.taste(taste);
        return {};
    }

    void show(std::ostream &os) const override
    {
        os << "key " << modell::name(taste) << " in the list";
    }
};

// Typing into the answer line: random keys, or now and then a whole
// accepted line of either direction.
struct Tippen : Befehl
{
    int pos;
    QString text;

    explicit Tippen(const modell::Modell &m) : pos(position(m.antwort.size()))
    {
        if (m.gezogen && *rc::gen::inRange(0, 2) == 0) {
            const Richtung richtung = *rc::gen::arbitrary<bool>() ? Richtung::mTW : Richtung::mWT;
            const std::vector<std::string> zeilen = orakel::AkzeptierteZeilen(richtung, m.aufgabe);
            text = modell::qt(zeilen[static_cast<std::size_t>(
                *rc::gen::inRange(0, static_cast<int>(zeilen.size())))]);
        } else {
            text = zufallstext(tippalphabet(), 6);
        }
    }

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        modell::Modell::fuegeEin(m.antwort, aufgeloest(pos, m.antwort), text);
        m.fokus = modell::Fokus::Antwort;
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &vorher) const override
    {
        Fenster::tippe(f.w().lWortform, aufgeloest(pos, vorher.antwort), text);
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

    explicit Loeschen(const modell::Modell &m)
        : pos(position(m.antwort.size())), anzahl(*rc::gen::inRange(1, 12))
    {}

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        modell::Modell::loesche(m.antwort, aufgeloest(pos, m.antwort), anzahl);
        m.fokus = modell::Fokus::Antwort;
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &vorher) const override
    {
        Fenster::loesche(f.w().lWortform, aufgeloest(pos, vorher.antwort), anzahl);
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
    explicit Leeren(const modell::Modell &) {}

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        m.antwort.clear();
        m.fokus = modell::Fokus::Antwort;
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &) const override
    {
        Fenster::leere(f.w().lWortform);
        return {};
    }

    void show(std::ostream &os) const override { os << "Ctrl+A, Backspace in the answer line"; }
};

// A right line with one character that only looks alike: a no-break
// space, a line separator or a zero-width space for or beside a blank.
inline QString beinaheRichtig(const modell::Modell &m)
{
    const std::vector<std::string> zeilen = orakel::AkzeptierteZeilen(m.richtung(), m.aufgabe);
    QString zeile = modell::qt(
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

    explicit Einfuegen(const modell::Modell &m)
        : pos(position(m.antwort.size())),
          text(m.gezogen && *rc::gen::inRange(0, 3) == 0 ? beinaheRichtig(m)
                                                         : zufallstext(einfuegealphabet(), 8))
    {}

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        modell::Modell::fuegeEin(m.antwort, aufgeloest(pos, m.antwort),
                                 modell::Modell::wieEingefuegt(text));
        m.fokus = modell::Fokus::Antwort;
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &vorher) const override
    {
        auto *daten = new QMimeData;
        daten->setText(text);
        Fenster::fuegeEin(f.w().lWortform, aufgeloest(pos, vorher.antwort), daten);
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

    explicit Zusammenklicken(const modell::Modell &m) : leerenZuerst(*rc::gen::inRange(0, 6) != 0)
    {
        if (!m.gezogen) {
            return;
        }
        const bool andere = *rc::gen::inRange(0, 5) == 0;
        const Richtung richtung = m.tw != andere ? Richtung::mTW : Richtung::mWT;
        const std::vector<std::string> zeilen = orakel::AkzeptierteZeilen(richtung, m.aufgabe);
        const std::string &zeile =
            zeilen[static_cast<std::size_t>(*rc::gen::inRange(0, static_cast<int>(zeilen.size())))];
        bausteine = modell::bausteineFuer(modell::qt(zeile), m.liste, *rc::gen::arbitrary<bool>());
    }

    void checkPreconditions(const modell::Modell &m) const override
    {
        RC_PRE(!bausteine.isEmpty());
        for (const QString &baustein : bausteine) {
            RC_PRE(m.liste.contains(baustein));
        }
    }

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        if (leerenZuerst) {
            m.antwort.clear();
        }
        for (const QString &baustein : bausteine) {
            m.klicke(static_cast<int>(m.liste.indexOf(baustein)));
        }
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &vorher) const override
    {
        if (leerenZuerst) {
            Fenster::leere(f.w().lWortform);
        }
        for (const QString &baustein : bausteine) {
            f.klickeZeile(static_cast<int>(vorher.liste.indexOf(baustein)));
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

    explicit Pruefen(const modell::Modell &) : perMenue(*rc::gen::arbitrary<bool>()) {}

    void checkPreconditions(const modell::Modell &m) const override
    {
        RC_PRE(perMenue || m.pruefe);
    }

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        if (m.pruefe) {
            m.pruefen();
            if (!perMenue) {
                m.fokus = modell::Fokus::Anderes;
            }
        }
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &vorher) const override
    {
        if (vorher.pruefe) {
            ++(vorher.urteil().richtig ? statistik().richtig : statistik().falsch);
        }
        if (perMenue) {
            f.menue(f.w().Prfe1);
        } else {
            f.klicke(f.w().bPruefe);
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

    explicit Wiederholen(const modell::Modell &)
        : perMenue(*rc::gen::arbitrary<bool>()), seed(saat())
    {}

    void checkPreconditions(const modell::Modell &m) const override
    {
        RC_PRE(perMenue || m.wiederhole);
    }

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        if (!m.wiederhole) {
            return {};
        }
        if (!perMenue) {
            m.fokus = modell::Fokus::Anderes;
        }
        return m.wiederholen(seed);
    }

    QStringList spiele(Fenster &f, const modell::Modell &) const override
    {
        if (perMenue) {
            f.menue(f.w().Wiederhole1);
        } else {
            f.klicke(f.w().bWiederhole);
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

    explicit Hilfe(const modell::Modell &)
        : perSchliessfeld(*rc::gen::arbitrary<bool>()), tippeImDialog(*rc::gen::inRange(0, 3) == 0),
          klickeNeuDahinter(*rc::gen::inRange(0, 3) == 0)
    {}

    void checkPreconditions(const modell::Modell &m) const override { RC_PRE(m.hilfe); }

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        m.fokus = modell::Fokus::Anderes;
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &vorher) const override
    {
        ++statistik().hilfen;
        QStringList fehler;
        TForm2 *dialog = f.form2;
        const bool geoeffnet = f.hilfe([&] {
            if (QApplication::activeModalWidget() != dialog) {
                fehler.append(QStringLiteral("Hilfe: the dialog is not the active modal window"));
            }
            Vergleich v;
            v.feld("rAntwort", vorher.antwort, rohtext(dialog->rAntwort));
            v.feld("rAntworten", vorher.loesungen().join(QLatin1Char('\n')),
                   rohtext(dialog->rAntworten));
            fehler.append(v.zeilen);
            if (tippeImDialog) {
                eingabenGesendet() += 10;
                QTest::keyClicks(dialog->rAntwort, QStringLiteral("abc "));
                QTest::keyClicks(dialog->rAntworten, QStringLiteral("x = 1 "));
            }
            if (klickeNeuDahinter) {
                f.klicke(f.w().bNeu);
            }
            if (perSchliessfeld) {
                dialog->close();
            } else {
                f.klicke(dialog->bZurueck);
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

    explicit Richtungswahl(const modell::Modell &)
        : tw(*rc::gen::arbitrary<bool>()), perTastatur(!tw && *rc::gen::arbitrary<bool>())
    {}

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        if (tw) {
            m.waehleTW();
        } else {
            m.waehleWT();
        }
        m.fokusZurueck();
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &) const override
    {
        ++statistik().wechsel;
        const bool gewaehlt =
            perTastatur ? f.wtPerTastatur() : f.richtungPerMaus(tw ? f.w().mTW : f.w().mWT);
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

    explicit MemoTippen(const modell::Modell &m)
        : pos(position(m.memo.size())), text(zufallstext(tippalphabet(), 6))
    {}

    void checkPreconditions(const modell::Modell &m) const override { RC_PRE(m.memoSichtbar); }

    modell::Ziehungen aendere(modell::Modell &m) const override
    {
        modell::Modell::fuegeEin(m.memo, aufgeloest(pos, m.memo), text);
        m.fokus = modell::Fokus::Memo;
        return {};
    }

    QStringList spiele(Fenster &f, const modell::Modell &vorher) const override
    {
        Fenster::tippe(f.w().Memo, aufgeloest(pos, vorher.memo), text);
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
