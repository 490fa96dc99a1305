// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zufallsquelle.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Which of the four operations the pupil has enabled, in the order of the
// check boxes: addition, subtraction, multiplication, division.
using Rechenarten = std::array<bool, 4>;

inline constexpr std::int32_t Aufgabentypen = 8;

// One task: the equation's two numbers, its kind 0 to 7 and its sign.
struct Aufgabe
{
    std::int32_t Zahl1 = 0;
    std::int32_t Zahl2 = 0;
    std::int32_t Aufgabentyp = 0;
    std::string Rechenzeichen;
    // Set while drawing once the try's kind belongs to an enabled operation.
    bool TypErlaubt = false;

    bool operator==(const Aufgabe &) const = default;
};

// The index in Rechenarten of the operation a task kind belongs to: kinds
// 2k and 2k + 1 share one.
constexpr std::size_t RechenartVon(std::int32_t aufgabentyp)
{
    return static_cast<std::size_t>(aufgabentyp / 2);
}

// Whether a record's kind is one of the eight; only such a task has an
// equation and wordings.
constexpr bool GueltigerTyp(std::int32_t aufgabentyp)
{
    return aufgabentyp >= 0 && aufgabentyp < Aufgabentypen;
}

// Draws a new task among the enabled operations into `aufgabe`. With no
// operation enabled it returns false and touches neither the task nor the
// random source.
bool NeueAufgabe(const Rechenarten &erlaubt, Aufgabe &aufgabe, Zufallsquelle &zufall);

// The equation, five tokens between single blanks, e.g. "x + 1234 = 5678".
std::string Gleichungstext(const Aufgabe &aufgabe);

// The value of x.
std::int32_t Ergebniswert(const Aufgabe &aufgabe);

// Plain decimal digits, no sign, no leading zeros, no separators.
std::string Zahltext(std::int32_t zahl);
