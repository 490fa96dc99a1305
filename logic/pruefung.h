// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabe.h"
#include "richtung.h"

#include <string>
#include <string_view>

// The verdict on one answer line.
struct Pruefergebnis
{
    bool Urteil = false;
    std::string Urteilstext; // "OK" or "falsch"
    std::string Werttext;    // "Wert: " and the value of x; empty when wrong

    bool operator==(const Pruefergebnis &) const = default;
};

// Judges the answer line against every accepted line of the task in the
// given direction, byte for byte: each wording (mTW) or the equation (mWT),
// followed by one blank. Changes nothing and draws nothing.
Pruefergebnis PruefeAntwort(Richtung richtung, const Aufgabe &aufgabe,
                            std::string_view antwortzeile);
