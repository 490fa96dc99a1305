// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "uebung.h"

#include "fragen.h"

#include <array>
#include <utility>

namespace {

// Word blocks 1 to 19; 20 and 21 are the numbers of the task.
// clang-format off
constexpr std::array<const char *, 19> festeWortbausteine{
    /*  1 */ "addieren",
    /*  2 */ "subtrahieren",
    /*  3 */ "multiplizieren",
    /*  4 */ "dividieren",
    /*  5 */ "zu",
    /*  6 */ "zur",
    /*  7 */ "von",
    /*  8 */ "mit",
    /*  9 */ "durch",
    /* 10 */ "die Zahl",
    /* 11 */ "der Zahl",
    /* 12 */ "Zahl",
    /* 13 */ "muss man",
    /* 14 */ "welche Zahl",
    /* 15 */ "welcher Zahl",
    /* 16 */ "um",
    /* 17 */ "zu erhalten",
    /* 18 */ "?",
    /* 19 */ "erhalten",
};
// clang-format on

// Equation blocks 1 and 2; 3 to 5 are the numbers and the sign of the task.
constexpr std::array<const char *, 2> festeGleichungsbausteine{"=", "x"};

// Fisher-Yates from the top, reseeded first: every shuffle starts afresh
// from 1..N, so the new order does not depend on the old one.
template <std::size_t N> void Mische(Feld<int, N> &folge, Zufallsquelle &zufall)
{
    for (std::size_t i = 1; i <= N; ++i) {
        folge[i] = static_cast<int>(i);
    }
    zufall.StarteZufall();
    for (std::size_t i = N; i >= 2; --i) {
        const auto j = static_cast<std::size_t>(zufall.Zufallszahl(static_cast<int>(i))) + 1;
        std::swap(folge[i], folge[j]);
    }
}

template <std::size_t N>
std::vector<std::string> InFolge(const Feld<std::string, N> &bausteine, const Feld<int, N> &folge)
{
    std::vector<std::string> texte;
    texte.reserve(N);
    for (const int index : folge) {
        texte.push_back(bausteine[static_cast<std::size_t>(index)]);
    }
    return texte;
}

} // namespace

void Uebung::SetzeFesteBausteine()
{
    for (std::size_t i = 1; i <= festeWortbausteine.size(); ++i) {
        Wortbausteine_[i] = festeWortbausteine[i - 1];
    }
    for (std::size_t i = 1; i <= festeGleichungsbausteine.size(); ++i) {
        Gleichungsbausteine_[i] = festeGleichungsbausteine[i - 1];
    }
}

bool Uebung::NeueAufgabe(const Rechenarten &erlaubt, Zufallsquelle &zufall)
{
    return ::NeueAufgabe(erlaubt, aufgabe_, zufall);
}

void Uebung::SetzeZahlbausteine(Richtung richtung, const Aufgabe &aufgabe)
{
    if (richtung == Richtung::mTW) {
        Wortbausteine_[20] = Zahltext(aufgabe.Zahl1);
        Wortbausteine_[21] = Zahltext(aufgabe.Zahl2);
    } else {
        Gleichungsbausteine_[3] = Zahltext(aufgabe.Zahl1);
        Gleichungsbausteine_[4] = aufgabe.Rechenzeichen;
        Gleichungsbausteine_[5] = Zahltext(aufgabe.Zahl2);
    }
}

std::vector<std::string> Uebung::FuelleAuswahl(Richtung richtung, Zufallsquelle &zufall)
{
    if (richtung == Richtung::mTW) {
        MischeWortfolge(Wortfolge_, zufall);
        return InFolge(Wortbausteine_, Wortfolge_);
    }
    MischeGleichungsfolge(Gleichungsfolge_, zufall);
    return InFolge(Gleichungsbausteine_, Gleichungsfolge_);
}

std::optional<PosedTask> Uebung::poseTask(const Rechenarten &erlaubt, Richtung richtung,
                                          Zufallsquelle &zufall)
{
    if (!NeueAufgabe(erlaubt, zufall)) {
        return std::nullopt;
    }
    SetzeZahlbausteine(richtung, aufgabe_);
    PosedTask posed;
    posed.blocks = FuelleAuswahl(richtung, zufall);
    posed.text =
        richtung == Richtung::mTW ? Gleichungstext(aufgabe_) : WaehleFrage(aufgabe_, zufall);
    return posed;
}

void Uebung::MischeWortfolge(Wortfolge &folge, Zufallsquelle &zufall)
{
    Mische(folge, zufall);
}

void Uebung::MischeGleichungsfolge(Gleichungsfolge &folge, Zufallsquelle &zufall)
{
    Mische(folge, zufall);
}

std::string HaengeBausteinAn(std::string antwortzeile, std::string_view baustein)
{
    antwortzeile.append(baustein);
    antwortzeile.push_back(' ');
    return antwortzeile;
}
