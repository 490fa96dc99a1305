// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabe.h"
#include "zufallsquelle.h"

#include <array>
#include <cstdint>
#include <string>

// The caller's list of wordings: 20 slots, of which a phrasing procedure
// fills the first Variantenzahl; the others stay empty.
inline constexpr std::size_t Fragekapazitaet = 20;
using Fragevarianten = std::array<std::string, Fragekapazitaet>;

// The German question sentences of one task kind, for the numbers a and b,
// in their fixed order: all wordings with the long middle first.
void Fragen0(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen);
void Fragen1(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen);
void Fragen2(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen);
void Fragen3(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen);
void Fragen4(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen);
void Fragen5(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen);
void Fragen6(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen);
void Fragen7(std::int32_t zahl1, std::int32_t zahl2, std::int32_t &Variantenzahl,
             Fragevarianten &fragen);

// The wordings of a task: the procedure of its kind with Zahl1 and Zahl2.
// A record whose kind lies outside 0 to 7 has no wording (Variantenzahl 0).
void FragenDerAufgabe(const Aufgabe &aufgabe, std::int32_t &Variantenzahl, Fragevarianten &fragen);

// One wording of the task, picked with a single Zufallszahl(Variantenzahl)
// and no reseed: the question of the direction wording to equation.
std::string WaehleFrage(const Aufgabe &aufgabe, Zufallsquelle &zufall);
