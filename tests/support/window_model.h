// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert.h"
#include "oracle.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// A reference model of the main window: what every control must show after
// each command of the pupil, worked out from the rules of the window alone.
// It does not call the exercise logic. It draws its own tasks and shuffles
// from the same seeded numbers it hands to the window's scripted random
// source, so it predicts the task, the list and the question instead of
// reading them from the window; verdicts and wordings come from the oracle.
namespace model {

inline const QString captionWortform = QStringLiteral("Die Wortform lautet:");
inline const QString captionGleichung = QStringLiteral("Die Gleichung lautet:");

using ::qt;

// The numbers one command draws, in the order a scripted source hands them
// out, and the calls as SkriptZufall logs them ("S 8 10000 ...").
struct Ziehungen
{
    std::vector<int> werte;
    std::string protokoll;
};

// Draws from a seed and writes down what it drew.
class Wuerfel
{
public:
    explicit Wuerfel(std::uint32_t saat) : generator(saat) {}

    void starte() { log("S"); }

    int zahl(int n)
    {
        const int wert = static_cast<int>(generator() % static_cast<std::uint32_t>(n));
        ziehungen.werte.push_back(wert);
        log(std::to_string(n));
        return wert;
    }

    Ziehungen ziehungen;

private:
    void log(const std::string &eintrag)
    {
        if (!ziehungen.protokoll.empty()) {
            ziehungen.protokoll += ' ';
        }
        ziehungen.protokoll += eintrag;
    }

    std::mt19937 generator;
};

// Where the keyboard focus is, as far as the model needs it: the list
// reacts to gaining it, the fields are typed into.
enum class Fokus
{
    Anderes,
    Liste,
    Antwort,
    Memo,
};

enum class Taste
{
    Hoch,
    Runter,
    Anfang,
    Ende,
};

inline const char *name(Taste taste)
{
    switch (taste) {
    case Taste::Hoch:
        return "Up";
    case Taste::Runter:
        return "Down";
    case Taste::Anfang:
        return "Home";
    default:
        return "End";
    }
}

// The draw condition of each kind on its pair.
inline bool bedingungErfuellt(std::int32_t typ, std::int32_t a, std::int32_t b)
{
    switch (typ) {
    case 0:
    case 1:
        return b >= a;
    case 3:
        return b <= a;
    case 4:
    case 5:
        return b % a == 0;
    case 7:
        // The program draws a dividend of 0 again: 0 : x = b has no solution.
        return a != 0 && a % b == 0;
    default: // 2 and 6 take every pair
        return true;
    }
}

// Fisher-Yates from the top after a reseed, on 1..n.
inline std::vector<int> mische(Wuerfel &wuerfel, int n)
{
    std::vector<int> folge(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        folge[static_cast<std::size_t>(i)] = i + 1;
    }
    wuerfel.starte();
    for (int i = n; i >= 2; --i) {
        const int j = wuerfel.zahl(i) + 1;
        std::swap(folge[static_cast<std::size_t>(i - 1)], folge[static_cast<std::size_t>(j - 1)]);
    }
    return folge;
}

// Splits an accepted line into texts of the list, the two-word blocks
// first unless `getrennt` asks to build "zu erhalten" from "zu" and
// "erhalten" where it can. Empty if the list lacks a block.
inline QStringList bausteineFuer(const QString &zeile, const QStringList &liste, bool getrennt)
{
    const QStringList woerter = zeile.trimmed().split(QLatin1Char(' '));
    QStringList bausteine;
    for (qsizetype i = 0; i < woerter.size(); ++i) {
        const QString paar =
            i + 1 < woerter.size() ? woerter[i] + QLatin1Char(' ') + woerter[i + 1] : QString();
        const bool einzeln = liste.contains(woerter[i]);
        if (!paar.isEmpty() && liste.contains(paar) && !(getrennt && einzeln)) {
            bausteine.append(paar);
            ++i;
        } else if (einzeln) {
            bausteine.append(woerter[i]);
        } else {
            return {};
        }
    }
    return bausteine;
}

struct WindowModel
{
    WindowModel()
    {
        for (std::size_t i = 0; i < oracle::fixedWordBlocks.size(); ++i) {
            wortbausteine[i] = std::string(oracle::fixedWordBlocks[i]);
        }
        for (std::size_t i = 0; i < oracle::fixedEquationBlocks.size(); ++i) {
            gleichungsbausteine[i] = std::string(oracle::fixedEquationBlocks[i]);
        }
    }

    // The check boxes cbAdd, cbSub, cbMult, cbDiv and the direction.
    std::array<bool, 4> rechenarten{true, false, false, false};
    bool tw = true;

    // The task in force and whether one has been drawn yet.
    Aufgabe aufgabe;
    bool gezogen = false;

    // Both palettes in palette order (index 0 is block 1), and the display
    // orders of their last shuffles (empty before the first).
    std::array<std::string, 21> wortbausteine;
    std::array<std::string, 5> gleichungsbausteine;
    std::vector<int> wortfolge;
    std::vector<int> gleichungsfolge;

    // The list, its current and its selected row (-1 for none), and the focus.
    QStringList liste;
    int aktuell = -1;
    int ausgewaehlt = -1;
    Fokus fokus = Fokus::Anderes;

    // The rest of what the pupil sees.
    QString antwort;
    bool pruefe = false;
    bool wiederhole = false;
    bool hilfe = false;
    bool bild1 = false;
    bool bild2 = false;
    QString panel0;
    QString panel2;
    QString term;
    bool termAktiv = true;
    bool memoSichtbar = false;
    QString memo;
    QString groupBox3 = captionWortform;

    Richtung richtung() const { return tw ? Richtung::mTW : Richtung::mWT; }

    bool keineRechenart() const
    {
        return !rechenarten[0] && !rechenarten[1] && !rechenarten[2] && !rechenarten[3];
    }

    // What the check must say about the answer line now.
    oracle::Verdict urteil() const
    {
        return oracle::expectedVerdict(richtung(), aufgabe, antwort.toUtf8().toStdString());
    }

    // The lines the solutions dialog must list now.
    QStringList loesungen() const
    {
        QStringList zeilen;
        if (tw) {
            for (const std::string &wortform :
                 oracle::wordings(aufgabe.Aufgabentyp, aufgabe.Zahl1, aufgabe.Zahl2)) {
                zeilen.append(qt(wortform));
            }
        } else {
            zeilen.append(qt(oracle::equation(aufgabe)));
        }
        return zeilen;
    }

    // "Neu": draws with the boxes as they are. Returns the draws the window
    // must make for it; none when no box is checked.
    Ziehungen neu(std::uint32_t saat)
    {
        if (keineRechenart()) {
            return {};
        }
        Wuerfel wuerfel(saat);
        ziehe(wuerfel);
        panel2.clear();
        if (tw) {
            term = qt(oracle::equation(aufgabe));
            wortbausteine[19] = oracle::numberText(aufgabe.Zahl1);
            wortbausteine[20] = oracle::numberText(aufgabe.Zahl2);
        } else {
            gleichungsbausteine[2] = oracle::numberText(aufgabe.Zahl1);
            gleichungsbausteine[3] = aufgabe.Rechenzeichen;
            gleichungsbausteine[4] = oracle::numberText(aufgabe.Zahl2);
        }
        fuelle(wuerfel);
        if (!tw) {
            const std::vector<std::string> wortformen =
                oracle::wordings(aufgabe.Aufgabentyp, aufgabe.Zahl1, aufgabe.Zahl2);
            memo = qt(wortformen[static_cast<std::size_t>(
                wuerfel.zahl(static_cast<int>(wortformen.size())))]);
        }
        antwort.clear();
        panel0.clear();
        pruefe = true;
        bild1 = bild2 = false;
        wiederhole = false;
        hilfe = false;
        return wuerfel.ziehungen;
    }

    Ziehungen wiederholen(std::uint32_t saat)
    {
        Wuerfel wuerfel(saat);
        panel2.clear();
        fuelle(wuerfel);
        antwort.clear();
        panel0.clear();
        pruefe = true;
        bild1 = bild2 = false;
        hilfe = false;
        return wuerfel.ziehungen;
    }

    void pruefen()
    {
        const oracle::Verdict u = urteil();
        panel0 = qt(u.text);
        if (u.right) {
            bild1 = true;
            panel2 = qt(u.valueText);
        } else {
            bild2 = true;
            hilfe = true;
        }
        pruefe = false;
        wiederhole = true;
    }

    void waehleTW()
    {
        tw = true;
        term.clear();
        termAktiv = true;
        groupBox3 = captionWortform;
        memoSichtbar = false;
        if (fokus == Fokus::Memo) {
            // The field that had the focus hides: Qt hands the focus on to
            // the next control in the tab chain, the list.
            fokusInDieListe();
        }
    }

    void waehleWT()
    {
        tw = false;
        termAktiv = false;
        groupBox3 = captionGleichung;
        memo.clear();
        memoSichtbar = true;
    }

    // A left click on a row: it becomes current and selected and is chosen,
    // also when it was selected already.
    void klicke(int zeile)
    {
        fokus = Fokus::Liste;
        aktuell = ausgewaehlt = zeile;
        haengeAn(zeile);
    }

    // The list gains the focus by other means than the mouse: with no
    // current row Qt makes the first one current, without selecting it.
    void fokusInDieListe()
    {
        fokus = Fokus::Liste;
        fokusZurueck();
    }

    // A popup (the sub-menu, the menu bar's keyboard mode) gives the focus
    // back to the control that had it, as a non-mouse focus-in.
    void fokusZurueck()
    {
        if (fokus == Fokus::Liste && aktuell < 0 && !liste.isEmpty()) {
            aktuell = 0;
        }
    }

    // An arrow, Home or End key in the list, which has been given the focus.
    void taste(Taste t)
    {
        if (fokus != Fokus::Liste) {
            fokusInDieListe();
        }
        if (liste.isEmpty()) {
            return;
        }
        const int letzte = static_cast<int>(liste.size()) - 1;
        int ziel = 0;
        if (aktuell >= 0) {
            switch (t) {
            case Taste::Hoch:
                ziel = std::max(aktuell - 1, 0);
                break;
            case Taste::Runter:
                ziel = std::min(aktuell + 1, letzte);
                break;
            case Taste::Anfang:
                ziel = 0;
                break;
            case Taste::Ende:
                ziel = letzte;
                break;
            }
        }
        // A key that does not move the current row selects nothing.
        if (ziel == aktuell) {
            return;
        }
        aktuell = ausgewaehlt = ziel;
        haengeAn(ziel);
    }

    // Typed or pasted text lands at a position of the answer line or Memo.
    static int gueltigePosition(const QString &text, int position)
    {
        position = std::clamp(position, 0, static_cast<int>(text.size()));
        // Never between the halves of a surrogate pair.
        if (position > 0 && position < text.size() && text.at(position).isLowSurrogate() &&
            text.at(position - 1).isHighSurrogate()) {
            --position;
        }
        return position;
    }

    static void fuegeEin(QString &text, int position, const QString &neu)
    {
        text.insert(gueltigePosition(text, position), neu);
    }

    // Backspace n times from the position: one character each, a surrogate
    // pair as one.
    static void loesche(QString &text, int position, int anzahl)
    {
        int p = gueltigePosition(text, position);
        for (int i = 0; i < anzahl && p > 0; ++i) {
            const bool paar =
                p >= 2 && text.at(p - 1).isLowSurrogate() && text.at(p - 2).isHighSurrogate();
            const int laenge = paar ? 2 : 1;
            text.remove(p - laenge, laenge);
            p -= laenge;
        }
    }

    // How the field stores pasted plain text: each CR LF, CR and paragraph
    // separator becomes one paragraph break, which reads as '\n'.
    static QString wieEingefuegt(QString text)
    {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }

private:
    void ziehe(Wuerfel &wuerfel)
    {
        wuerfel.starte();
        aufgabe.TypErlaubt = false;
        while (true) {
            const int typ = wuerfel.zahl(8);
            aufgabe.Aufgabentyp = typ;
            if (rechenarten[static_cast<std::size_t>(typ / 2)]) {
                aufgabe.TypErlaubt = true;
            }
            do {
                aufgabe.Zahl1 = typ >= 4 && typ <= 6 ? wuerfel.zahl(9999) + 1 : wuerfel.zahl(10000);
                aufgabe.Zahl2 = typ == 7 ? wuerfel.zahl(9999) + 1 : wuerfel.zahl(10000);
            } while (!bedingungErfuellt(typ, aufgabe.Zahl1, aufgabe.Zahl2));
            aufgabe.Rechenzeichen = std::string(oracle::signOfKind(typ));
            if (aufgabe.TypErlaubt) {
                break;
            }
        }
        gezogen = true;
    }

    // Shuffles the palette of the direction in force and lists it anew.
    void fuelle(Wuerfel &wuerfel)
    {
        liste.clear();
        if (tw) {
            wortfolge = mische(wuerfel, 21);
            for (const int index : wortfolge) {
                liste.append(qt(wortbausteine[static_cast<std::size_t>(index - 1)]));
            }
        } else {
            gleichungsfolge = mische(wuerfel, 5);
            for (const int index : gleichungsfolge) {
                liste.append(qt(gleichungsbausteine[static_cast<std::size_t>(index - 1)]));
            }
        }
        aktuell = ausgewaehlt = -1;
    }

    void haengeAn(int zeile) { antwort += liste.at(zeile) + QLatin1Char(' '); }
};

} // namespace model
