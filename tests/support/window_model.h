// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert.h"
#include "exact_text.h"
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
struct Draws
{
    std::vector<int> values;
    std::string calls;
};

// Draws from a seed and writes down what it drew.
class Dice
{
public:
    explicit Dice(std::uint32_t seed) : generator(seed) {}

    void reseed() { log("S"); }

    int draw(int n)
    {
        const int wert = static_cast<int>(generator() % static_cast<std::uint32_t>(n));
        draws.values.push_back(wert);
        log(std::to_string(n));
        return wert;
    }

    Draws draws;

private:
    void log(const std::string &entry)
    {
        if (!draws.calls.empty()) {
            draws.calls += ' ';
        }
        draws.calls += entry;
    }

    std::mt19937 generator;
};

// Where the keyboard focus is, as far as the model needs it: the list
// reacts to gaining it, the fields are typed into.
enum class Focus
{
    Other,
    List,
    Answer,
    Memo,
};

enum class Key
{
    Up,
    Down,
    Home,
    End,
};

inline const char *keyName(Key key)
{
    switch (key) {
    case Key::Up:
        return "Up";
    case Key::Down:
        return "Down";
    case Key::Home:
        return "Home";
    default:
        return "End";
    }
}

// The draw condition of each kind on its pair.
inline bool pairAllowed(std::int32_t typ, std::int32_t a, std::int32_t b)
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
inline std::vector<int> shuffled(Dice &dice, int n)
{
    std::vector<int> folge(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        folge[static_cast<std::size_t>(i)] = i + 1;
    }
    dice.reseed();
    for (int i = n; i >= 2; --i) {
        const int j = dice.draw(i) + 1;
        std::swap(folge[static_cast<std::size_t>(i - 1)], folge[static_cast<std::size_t>(j - 1)]);
    }
    return folge;
}

// Splits an accepted line into texts of the list, the two-word blocks
// first unless `getrennt` asks to build "zu erhalten" from "zu" and
// "erhalten" where it can. Empty if the list lacks a block.
inline QStringList blocksFor(const QString &zeile, const QStringList &list, bool getrennt)
{
    const QStringList woerter = zeile.trimmed().split(QLatin1Char(' '));
    QStringList bausteine;
    for (qsizetype i = 0; i < woerter.size(); ++i) {
        const QString paar =
            i + 1 < woerter.size() ? woerter[i] + QLatin1Char(' ') + woerter[i + 1] : QString();
        const bool einzeln = list.contains(woerter[i]);
        if (!paar.isEmpty() && list.contains(paar) && !(getrennt && einzeln)) {
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
    std::array<bool, 4> operations{true, false, false, false};
    bool tw = true;

    // The task in force and whether one has been drawn yet.
    Aufgabe aufgabe;
    bool drawn = false;

    // Both palettes in palette order (index 0 is block 1), and the display
    // orders of their last shuffles (empty before the first).
    std::array<std::string, 21> wortbausteine;
    std::array<std::string, 5> gleichungsbausteine;
    std::vector<int> wortfolge;
    std::vector<int> gleichungsfolge;

    // The list, its current and its selected row (-1 for none), and the focus.
    QStringList list;
    int current = -1;
    int selected = -1;
    Focus focus = Focus::Other;

    // The rest of what the pupil sees.
    QString answer;
    bool pruefe = false;
    bool wiederhole = false;
    bool hilfe = false;
    bool image1 = false;
    bool image2 = false;
    QString panel0;
    QString panel2;
    QString term;
    bool termEnabled = true;
    bool memoShown = false;
    QString memo;
    QString groupBox3 = captionWortform;

    Richtung richtung() const { return tw ? Richtung::mTW : Richtung::mWT; }

    bool noOperation() const
    {
        return !operations[0] && !operations[1] && !operations[2] && !operations[3];
    }

    // What the check must say about the answer line now.
    oracle::Verdict verdict() const
    {
        return oracle::expectedVerdict(richtung(), aufgabe, answer.toUtf8().toStdString());
    }

    // The lines the solutions dialog must list now.
    QStringList solutions() const
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
    Draws newTask(std::uint32_t seed)
    {
        if (noOperation()) {
            return {};
        }
        Dice dice(seed);
        draw(dice);
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
        fill(dice);
        if (!tw) {
            const std::vector<std::string> wortformen =
                oracle::wordings(aufgabe.Aufgabentyp, aufgabe.Zahl1, aufgabe.Zahl2);
            memo = qt(wortformen[static_cast<std::size_t>(
                dice.draw(static_cast<int>(wortformen.size())))]);
        }
        answer.clear();
        panel0.clear();
        pruefe = true;
        image1 = image2 = false;
        wiederhole = false;
        hilfe = false;
        return dice.draws;
    }

    Draws repeat(std::uint32_t seed)
    {
        Dice dice(seed);
        panel2.clear();
        fill(dice);
        answer.clear();
        panel0.clear();
        pruefe = true;
        image1 = image2 = false;
        hilfe = false;
        return dice.draws;
    }

    void check()
    {
        const oracle::Verdict u = verdict();
        panel0 = qt(u.text);
        if (u.right) {
            image1 = true;
            panel2 = qt(u.valueText);
        } else {
            image2 = true;
            hilfe = true;
        }
        pruefe = false;
        wiederhole = true;
        // The check hands the focus to "Wiederhole", whichever way it came.
        focus = Focus::Other;
    }

    void chooseTW()
    {
        tw = true;
        term.clear();
        termEnabled = true;
        groupBox3 = captionWortform;
        memoShown = false;
        if (focus == Focus::Memo) {
            // The field that had the focus hides: Qt hands the focus on to
            // the next control in the tab chain, the list.
            focusIntoList();
        }
    }

    void chooseWT()
    {
        tw = false;
        termEnabled = false;
        groupBox3 = captionGleichung;
        memo.clear();
        memoShown = true;
    }

    // A left click on a row: it becomes current and selected and is chosen,
    // also when it was selected already.
    void clickRow(int zeile)
    {
        focus = Focus::List;
        current = selected = zeile;
        append(zeile);
    }

    // The list gains the focus by other means than the mouse: with no
    // current row Qt makes the first one current, without selecting it.
    void focusIntoList()
    {
        focus = Focus::List;
        focusBack();
    }

    // A popup (the sub-menu, the menu bar's keyboard mode) gives the focus
    // back to the control that had it, as a non-mouse focus-in.
    void focusBack()
    {
        if (focus == Focus::List && current < 0 && !list.isEmpty()) {
            current = 0;
        }
    }

    // An arrow, Home or End key in the list, which has been given the focus.
    void pressKey(Key t)
    {
        if (focus != Focus::List) {
            focusIntoList();
        }
        if (list.isEmpty()) {
            return;
        }
        const int letzte = static_cast<int>(list.size()) - 1;
        int ziel = 0;
        if (current >= 0) {
            switch (t) {
            case Key::Up:
                ziel = std::max(current - 1, 0);
                break;
            case Key::Down:
                ziel = std::min(current + 1, letzte);
                break;
            case Key::Home:
                ziel = 0;
                break;
            case Key::End:
                ziel = letzte;
                break;
            }
        }
        // A key that does not move the current row selects nothing.
        if (ziel == current) {
            return;
        }
        current = selected = ziel;
        append(ziel);
    }

    static void insert(QString &text, int position, const QString &added)
    {
        text.insert(textPosition(text, position), added);
    }

    // Backspace n times from the position: one character each, a surrogate
    // pair as one.
    static void backspace(QString &text, int position, int anzahl)
    {
        int p = textPosition(text, position);
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
    static QString asPasted(QString text)
    {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }

private:
    void draw(Dice &dice)
    {
        dice.reseed();
        aufgabe.TypErlaubt = false;
        while (true) {
            const int typ = dice.draw(8);
            aufgabe.Aufgabentyp = typ;
            if (operations[static_cast<std::size_t>(typ / 2)]) {
                aufgabe.TypErlaubt = true;
            }
            do {
                aufgabe.Zahl1 = typ >= 4 && typ <= 6 ? dice.draw(9999) + 1 : dice.draw(10000);
                aufgabe.Zahl2 = typ == 7 ? dice.draw(9999) + 1 : dice.draw(10000);
            } while (!pairAllowed(typ, aufgabe.Zahl1, aufgabe.Zahl2));
            aufgabe.Rechenzeichen = std::string(oracle::signOfKind(typ));
            if (aufgabe.TypErlaubt) {
                break;
            }
        }
        drawn = true;
    }

    // Shuffles the palette of the direction in force and lists it anew.
    void fill(Dice &dice)
    {
        list.clear();
        if (tw) {
            wortfolge = shuffled(dice, 21);
            for (const int index : wortfolge) {
                list.append(qt(wortbausteine[static_cast<std::size_t>(index - 1)]));
            }
        } else {
            gleichungsfolge = shuffled(dice, 5);
            for (const int index : gleichungsfolge) {
                list.append(qt(gleichungsbausteine[static_cast<std::size_t>(index - 1)]));
            }
        }
        current = selected = -1;
    }

    void append(int zeile) { answer += list.at(zeile) + QLatin1Char(' '); }
};

} // namespace model
