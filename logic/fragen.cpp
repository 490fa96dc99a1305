// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fragen.h"

#include <vector>

namespace {

constexpr const char *schluss = " zu erhalten ?";

struct Fragemuster
{
    std::vector<const char *> eroeffnungen;
    const char *langeMitte; // ends in "die Zahl "
    const char *kurzeMitte;
};

// clang-format off
const std::array<Fragemuster, Aufgabentypen> &AlleFragemuster()
{
    static const std::array<Fragemuster, Aufgabentypen> muster{{
        /* 0: a + x = b */ {{"welche Zahl muss man zu der Zahl ", "welche Zahl muss man zur Zahl ",
                             "welche Zahl muss man zu "},
                            " addieren um die Zahl ", " addieren um "},
        /* 1: x + a = b */ {{"zu welcher Zahl muss man die Zahl ", "zu welcher Zahl muss man "},
                            " addieren um die Zahl ", " addieren um "},
        /* 2: x - a = b */ {{"von welcher Zahl muss man die Zahl ", "von welcher Zahl muss man "},
                            " subtrahieren um die Zahl ", " subtrahieren um "},
        /* 3: a - x = b */ {{"welche Zahl muss man von der Zahl ", "welche Zahl muss man von "},
                            " subtrahieren um die Zahl ", " subtrahieren um "},
        /* 4: x * a = b */ {{"welche Zahl muss man mit der Zahl ", "welche Zahl muss man mit "},
                            " multiplizieren um die Zahl ", " multiplizieren um "},
        /* 5: a * x = b */ {{"mit welcher Zahl muss man die Zahl ", "mit welcher Zahl muss man "},
                            " multiplizieren um die Zahl ", " multiplizieren um "},
        /* 6: x : a = b */ {{"welche Zahl muss man durch die Zahl ", "welche Zahl muss man durch "},
                            " dividieren um die Zahl ", " dividieren um "},
        /* 7: a : x = b */ {{"durch welche Zahl muss man die Zahl ", "durch welche Zahl muss man "},
                            " dividieren um die Zahl ", " dividieren um "},
    }};
    return muster;
}
// clang-format on

// The middle changes slowest: every opening with the long middle, then
// every opening with the short one.
void FormeFragen(std::int32_t aufgabentyp, std::int32_t zahl1, std::int32_t zahl2,
                 std::int32_t &Variantenzahl, Fragevarianten &fragen)
{
    const auto &muster = AlleFragemuster()[static_cast<std::size_t>(aufgabentyp)];
    const std::string a = Zahltext(zahl1);
    const std::string b = Zahltext(zahl2);
    std::size_t position = 0;
    for (const char *mitte : {muster.langeMitte, muster.kurzeMitte}) {
        for (const char *eroeffnung : muster.eroeffnungen) {
            fragen[position++] = eroeffnung + a + mitte + b + schluss;
        }
    }
    Variantenzahl = static_cast<std::int32_t>(position);
}

} // namespace

void Fragen0(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen)
{
    FormeFragen(0, zahl1, zahl2, Variantenzahl, fragen);
}
void Fragen1(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen)
{
    FormeFragen(1, zahl1, zahl2, Variantenzahl, fragen);
}
void Fragen2(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen)
{
    FormeFragen(2, zahl1, zahl2, Variantenzahl, fragen);
}
void Fragen3(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen)
{
    FormeFragen(3, zahl1, zahl2, Variantenzahl, fragen);
}
void Fragen4(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen)
{
    FormeFragen(4, zahl1, zahl2, Variantenzahl, fragen);
}
void Fragen5(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen)
{
    FormeFragen(5, zahl1, zahl2, Variantenzahl, fragen);
}
void Fragen6(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen)
{
    FormeFragen(6, zahl1, zahl2, Variantenzahl, fragen);
}
void Fragen7(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen)
{
    FormeFragen(7, zahl1, zahl2, Variantenzahl, fragen);
}

void FragenDerAufgabe(const Aufgabe &aufgabe, std::int32_t &Variantenzahl, Fragevarianten &fragen)
{
    using Fragenprozedur = void (*)(std::int32_t, std::int32_t, std::int32_t &, Fragevarianten &);
    static constexpr std::array<Fragenprozedur, Aufgabentypen> prozeduren{
        Fragen0, Fragen1, Fragen2, Fragen3, Fragen4, Fragen5, Fragen6, Fragen7};
    if (!GueltigerTyp(aufgabe.Aufgabentyp)) {
        Variantenzahl = 0;
        return;
    }
    prozeduren[static_cast<std::size_t>(aufgabe.Aufgabentyp)](aufgabe.Zahl1, aufgabe.Zahl2,
                                                              Variantenzahl, fragen);
}

std::string WaehleFrage(const Aufgabe &aufgabe, Zufallsquelle &zufall)
{
    Fragevarianten fragen;
    std::int32_t Variantenzahl = 0;
    FragenDerAufgabe(aufgabe, Variantenzahl, fragen);
    if (Variantenzahl == 0) {
        return {};
    }
    const int r = zufall.Zufallszahl(Variantenzahl);
    return fragen.at(static_cast<std::size_t>(r));
}
