// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufgabe.h"

namespace {

using Bedingung = bool (*)(std::int32_t a, std::int32_t b);

// How one number of a kind is drawn: Zufallszahl(bereich) + versatz.
struct Zahlziehung
{
    int bereich;
    std::int32_t versatz;
};

constexpr Zahlziehung nullBis9999{10000, 0};
constexpr Zahlziehung einsBis9999{9999, 1};

enum class Gestalt
{
    XZuerst, // x, sign, a = b
    XZweit,  // a, sign, x = b
};

struct Aufgabenart
{
    const char *zeichen;
    Gestalt gestalt;
    Zahlziehung a;
    Zahlziehung b;
    // The pair is drawn again, a first, until this holds; none: one pair.
    Bedingung bedingung;
};

bool bNichtKleiner(std::int32_t a, std::int32_t b)
{
    return b >= a;
}
bool bNichtGroesser(std::int32_t a, std::int32_t b)
{
    return b <= a;
}
bool aTeiltB(std::int32_t a, std::int32_t b)
{
    return b % a == 0;
}
// Deliberately stricter than "b divides a": a dividend of 0 would pose
// 0 : x = b, which no x solves (and 0 : 0 is undefined), yet the pupil would
// be told x = 0. Such a pair is drawn again like one that does not divide
// evenly, so every kind-7 task has a whole-number solution of at least 1.
bool bTeiltPositivesA(std::int32_t a, std::int32_t b)
{
    return a != 0 && a % b == 0;
}

// clang-format off
constexpr std::array<Aufgabenart, Aufgabentypen> aufgabenarten{{
    /* 0: a + x = b */ {"+", Gestalt::XZweit,  nullBis9999, nullBis9999, bNichtKleiner},
    /* 1: x + a = b */ {"+", Gestalt::XZuerst, nullBis9999, nullBis9999, bNichtKleiner},
    /* 2: x - a = b */ {"-", Gestalt::XZuerst, nullBis9999, nullBis9999, nullptr},
    /* 3: a - x = b */ {"-", Gestalt::XZweit,  nullBis9999, nullBis9999, bNichtGroesser},
    /* 4: x * a = b */ {"*", Gestalt::XZuerst, einsBis9999, nullBis9999, aTeiltB},
    /* 5: a * x = b */ {"*", Gestalt::XZweit,  einsBis9999, nullBis9999, aTeiltB},
    /* 6: x : a = b */ {":", Gestalt::XZuerst, einsBis9999, nullBis9999, nullptr},
    /* 7: a : x = b */ {":", Gestalt::XZweit,  nullBis9999, einsBis9999, bTeiltPositivesA},
}};
// clang-format on

bool IrgendeineErlaubt(const Rechenarten &erlaubt)
{
    for (const bool art : erlaubt) {
        if (art) {
            return true;
        }
    }
    return false;
}

std::int32_t Ziehe(const Zahlziehung &ziehung, Zufallsquelle &zufall)
{
    return zufall.Zufallszahl(ziehung.bereich) + ziehung.versatz;
}

void ZieheZahlen(const Aufgabenart &art, Aufgabe &aufgabe, Zufallsquelle &zufall)
{
    do {
        aufgabe.Zahl1 = Ziehe(art.a, zufall);
        aufgabe.Zahl2 = Ziehe(art.b, zufall);
    } while (art.bedingung != nullptr && !art.bedingung(aufgabe.Zahl1, aufgabe.Zahl2));
}

} // namespace

bool NeueAufgabe(const Rechenarten &erlaubt, Aufgabe &aufgabe, Zufallsquelle &zufall)
{
    if (!IrgendeineErlaubt(erlaubt)) {
        return false;
    }
    zufall.StarteZufall();
    aufgabe.TypErlaubt = false;
    do {
        aufgabe.Aufgabentyp = zufall.Zufallszahl(Aufgabentypen);
        if (erlaubt[RechenartVon(aufgabe.Aufgabentyp)]) {
            aufgabe.TypErlaubt = true;
        }
        // A discarded try still draws its numbers in full, so the sequence of
        // draws does not depend on which operations are enabled.
        const Aufgabenart &art = aufgabenarten[static_cast<std::size_t>(aufgabe.Aufgabentyp)];
        ZieheZahlen(art, aufgabe, zufall);
        aufgabe.Rechenzeichen = art.zeichen;
    } while (!aufgabe.TypErlaubt);
    return true;
}

std::string Gleichungstext(const Aufgabe &aufgabe)
{
    if (!GueltigerTyp(aufgabe.Aufgabentyp)) {
        return {};
    }
    const auto &art = aufgabenarten[static_cast<std::size_t>(aufgabe.Aufgabentyp)];
    const std::string a = Zahltext(aufgabe.Zahl1);
    const std::string b = Zahltext(aufgabe.Zahl2);
    if (art.gestalt == Gestalt::XZuerst) {
        return "x " + aufgabe.Rechenzeichen + " " + a + " = " + b;
    }
    return a + " " + aufgabe.Rechenzeichen + " x = " + b;
}

std::int32_t Ergebniswert(const Aufgabe &aufgabe)
{
    const std::int32_t a = aufgabe.Zahl1;
    const std::int32_t b = aufgabe.Zahl2;
    switch (aufgabe.Aufgabentyp) {
    case 0:
    case 1:
        return b - a;
    case 2:
        return a + b;
    case 3:
        return a - b;
    case 4:
    case 5:
        // A drawn task never has a = 0; a record that does has no value.
        return a != 0 ? b / a : 0;
    case 6:
        return a * b;
    case 7:
        return b != 0 ? a / b : 0;
    default:
        return 0;
    }
}

std::string Zahltext(std::int32_t zahl)
{
    return std::to_string(zahl);
}
