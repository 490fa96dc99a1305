// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Distributions over many draws with the program's own generator. The clock
// is a counter that moves on by one millisecond at every reseed, so each run
// sees the same seeds: the tests are exact for a given start, and their
// thresholds lie so far in the tail (p about 1e-6) that a faithful generator
// would fail them almost never for any start.
#include "aufgabe.h"
#include "fragen.h"
#include "uebung.h"
#include "zufallsquelle.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

Uhrzufall Schrittuhr(std::uint32_t start)
{
    return Uhrzufall([ms = start]() mutable { return ms++; });
}

// Upper 1e-6 quantiles of the chi-square distribution, by degrees of freedom.
double Schwelle(std::size_t freiheitsgrade)
{
    switch (freiheitsgrade) {
    case 1:
        return 23.93;
    case 3:
        return 30.66;
    case 5:
        return 35.89;
    case 7:
        return 40.52;
    case 20:
        return 65.42;
    case 119:
        return 207.2;
    default:
        ADD_FAILURE() << "no threshold for " << freiheitsgrade << " degrees of freedom";
        return 0;
    }
}

// Chi-square against equal expected counts in every cell.
double ChiQuadrat(const std::vector<long> &zaehler)
{
    long gesamt = 0;
    for (const long z : zaehler) {
        gesamt += z;
    }
    const double erwartet = static_cast<double>(gesamt) / static_cast<double>(zaehler.size());
    double chi = 0;
    for (const long z : zaehler) {
        chi += (static_cast<double>(z) - erwartet) * (static_cast<double>(z) - erwartet) / erwartet;
    }
    return chi;
}

void ErwarteGleichverteilt(const std::vector<long> &zaehler)
{
    const double chi = ChiQuadrat(zaehler);
    EXPECT_LT(chi, Schwelle(zaehler.size() - 1)) << "counts are not uniform";
}

// x solves the equation of its kind, and the numbers lie in the kind's ranges.
void ErwarteGueltig(const Aufgabe &t)
{
    const std::int32_t a = t.Zahl1;
    const std::int32_t b = t.Zahl2;
    const std::int32_t x = Ergebniswert(t);
    ASSERT_TRUE(t.TypErlaubt);
    ASSERT_GE(t.Aufgabentyp, 0);
    ASSERT_LT(t.Aufgabentyp, Aufgabentypen);
    EXPECT_EQ(t.Rechenzeichen, std::string(1, "++--**::"[t.Aufgabentyp]));
    const bool aAbEins = t.Aufgabentyp >= 4 && t.Aufgabentyp <= 6;
    const bool bAbEins = t.Aufgabentyp == 7;
    EXPECT_GE(a, aAbEins ? 1 : 0);
    EXPECT_GE(b, bAbEins ? 1 : 0);
    EXPECT_LE(a, 9999);
    EXPECT_LE(b, 9999);
    EXPECT_GE(x, 0);
    switch (t.Aufgabentyp) {
    case 0:
    case 1:
        EXPECT_EQ(a + x, b);
        break;
    case 2:
        EXPECT_EQ(x - a, b);
        break;
    case 3:
        EXPECT_EQ(a - x, b);
        break;
    case 4:
    case 5:
        EXPECT_EQ(x * a, b);
        break;
    case 6:
        EXPECT_EQ(x, a * b);
        break;
    case 7:
        EXPECT_GE(x, 1) << "a kind-7 task must have a solution";
        EXPECT_EQ(a, x * b);
        break;
    }
}

// How often a kind's pair meets a property, against the share it has among
// all pairs the kind accepts, at five standard deviations.
void ErwarteAnteil(long treffer, long n, double anteil, const char *was)
{
    const double sigma = std::sqrt(anteil * (1 - anteil) / static_cast<double>(n));
    const double gesehen = static_cast<double>(treffer) / static_cast<double>(n);
    EXPECT_LT(std::abs(gesehen - anteil), 5 * sigma)
        << was << ": seen " << gesehen << ", expected " << anteil;
}

} // namespace

TEST(Statistik, AlleAufgabenSindGueltigUndDieArtenGleichverteilt)
{
    Uhrzufall zufall = Schrittuhr(1000);
    std::vector<long> arten(Aufgabentypen, 0);
    // Counts among the kinds 4 and 5 (a = 1, b = 0) and kind 7 (b = 1, a = b).
    long produkte = 0, faktorEins = 0, produktNull = 0;
    long quotienten = 0, divisorEins = 0, quotientEins = 0;
    for (int i = 0; i < 16000; ++i) {
        Aufgabe t;
        ASSERT_TRUE(NeueAufgabe({true, true, true, true}, t, zufall));
        ErwarteGueltig(t);
        ++arten[static_cast<std::size_t>(t.Aufgabentyp)];
        if (t.Aufgabentyp == 4 || t.Aufgabentyp == 5) {
            ++produkte;
            faktorEins += t.Zahl1 == 1;
            produktNull += t.Zahl2 == 0;
        } else if (t.Aufgabentyp == 7) {
            ++quotienten;
            divisorEins += t.Zahl2 == 1;
            quotientEins += t.Zahl1 == t.Zahl2;
        }
    }
    ErwarteGleichverteilt(arten);

    // Each allowed pair is equally likely, so small factors and divisors
    // prevail: the share of a = 1 is 10000 (every b) among all pairs.
    double paareMal = 0;
    for (int a = 1; a <= 9999; ++a) {
        paareMal += 9999 / a + 1;
    }
    const double paareDurch = paareMal - 9999; // a >= 1: no a = 0 with any b
    ErwarteAnteil(faktorEins, produkte, 10000 / paareMal, "kinds 4, 5: a = 1");
    ErwarteAnteil(produktNull, produkte, 9999 / paareMal, "kinds 4, 5: b = 0");
    ErwarteAnteil(divisorEins, quotienten, 9999 / paareDurch, "kind 7: b = 1");
    ErwarteAnteil(quotientEins, quotienten, 9999 / paareDurch, "kind 7: a = b");
}

TEST(Statistik, NurDieErlaubtenArtenJeHalb)
{
    struct Fall
    {
        const char *name;
        Rechenarten erlaubt;
    };
    const Fall faelle[] = {
        {"Addition", {true, false, false, false}},
        {"Subtraktion", {false, true, false, false}},
        {"Multiplikation", {false, false, true, false}},
        {"Division", {false, false, false, true}},
        {"Addition und Division", {true, false, false, true}},
    };
    std::uint32_t start = 5000000;
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        Uhrzufall zufall = Schrittuhr(start);
        start += 1000000;
        std::vector<long> arten(Aufgabentypen, 0);
        for (int i = 0; i < 2000; ++i) {
            Aufgabe t;
            ASSERT_TRUE(NeueAufgabe(f.erlaubt, t, zufall));
            ++arten[static_cast<std::size_t>(t.Aufgabentyp)];
        }
        std::vector<long> erlaubte;
        for (std::int32_t typ = 0; typ < Aufgabentypen; ++typ) {
            if (f.erlaubt[RechenartVon(typ)]) {
                erlaubte.push_back(arten[static_cast<std::size_t>(typ)]);
            } else {
                EXPECT_EQ(arten[static_cast<std::size_t>(typ)], 0) << "kind " << typ;
            }
        }
        ErwarteGleichverteilt(erlaubte);
    }
}

// As a new task in mWT runs it: the equation palette's shuffle reseeds and
// draws four times, then the question is the next draw.
TEST(Statistik, JedeFormulierungGleichOft)
{
    Uhrzufall zufall = Schrittuhr(20000000);
    for (std::int32_t typ = 0; typ < Aufgabentypen; ++typ) {
        SCOPED_TRACE("Aufgabentyp " + std::to_string(typ));
        const Aufgabe aufgabe{31, 4000, typ, "?", true};
        Fragevarianten fragen;
        std::int32_t Variantenzahl = 0;
        FragenDerAufgabe(aufgabe, Variantenzahl, fragen);
        Uebung uebung;
        uebung.SetzeFesteBausteine();
        uebung.SetzeZahlbausteine(Richtung::mWT, aufgabe);
        std::vector<long> zaehler(static_cast<std::size_t>(Variantenzahl), 0);
        for (int i = 0; i < 6000; ++i) {
            uebung.FuelleAuswahl(Richtung::mWT, zufall);
            const std::string frage = WaehleFrage(aufgabe, zufall);
            const auto stelle = std::find(fragen.begin(), fragen.begin() + Variantenzahl, frage);
            ASSERT_NE(stelle, fragen.begin() + Variantenzahl) << frage;
            ++zaehler[static_cast<std::size_t>(stelle - fragen.begin())];
        }
        ErwarteGleichverteilt(zaehler);
    }
}

TEST(Statistik, FuenfGleichungsbausteineInAllen120Reihenfolgen)
{
    Uhrzufall zufall = Schrittuhr(30000000);
    Uebung uebung;
    uebung.SetzeFesteBausteine();
    uebung.SetzeZahlbausteine(Richtung::mWT, {1, 2, 0, "+", true});
    std::map<std::vector<std::string>, long> reihenfolgen;
    for (int i = 0; i < 120 * 200; ++i) {
        ++reihenfolgen[uebung.FuelleAuswahl(Richtung::mWT, zufall)];
    }
    ASSERT_EQ(reihenfolgen.size(), 120U);
    std::vector<long> zaehler;
    for (const auto &[reihenfolge, anzahl] : reihenfolgen) {
        zaehler.push_back(anzahl);
    }
    ErwarteGleichverteilt(zaehler);
}

// The 21 word blocks: each block comes to the top of the list equally often.
TEST(Statistik, JederWortbausteinGleichOftOben)
{
    Uhrzufall zufall = Schrittuhr(40000000);
    Uebung uebung;
    uebung.SetzeFesteBausteine();
    uebung.SetzeZahlbausteine(Richtung::mTW, {1, 2, 0, "+", true});
    std::vector<long> zaehler(21, 0);
    for (int i = 0; i < 21 * 400; ++i) {
        uebung.FuelleAuswahl(Richtung::mTW, zufall);
        ++zaehler[static_cast<std::size_t>(uebung.wortfolge()[1] - 1)];
    }
    ErwarteGleichverteilt(zaehler);
}
