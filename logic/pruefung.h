// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabe.h"
#include "richtung.h"

#include <string>
#include <string_view>
#include <vector>

// The verdict on one answer line.
struct Pruefergebnis
{
    bool Urteil = false;
    std::string Urteilstext; // "OK" or "falsch"
    std::string Werttext;    // "Wert: " and the value of x; empty when wrong

    bool operator==(const Pruefergebnis &) const = default;
};

// The correct answers of the task in the direction, each without the final
// blank: every wording in its order (mTW) or the equation (mWT). A record of
// no valid kind has none.
std::vector<std::string> RichtigeAntworten(Richtung richtung, const Aufgabe &aufgabe);

// Judges the answer line against every accepted line of the task in the
// given direction, byte for byte: each wording (mTW) or the equation (mWT),
// followed by one blank. Changes nothing and draws nothing.
Pruefergebnis PruefeAntwort(Richtung richtung, const Aufgabe &aufgabe,
                            std::string_view antwortzeile);
