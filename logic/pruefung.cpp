// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pruefung.h"

#include "fragen.h"

namespace {

// The accepted line is the text followed by exactly one blank, as a line
// clicked together from blocks always ends.
bool GleichMitLeerzeichen(std::string_view antwortzeile, std::string_view text)
{
    return antwortzeile.size() == text.size() + 1 && antwortzeile.substr(0, text.size()) == text &&
           antwortzeile.back() == ' ';
}

bool PasstZuEinerFrage(const Aufgabe &aufgabe, std::string_view antwortzeile)
{
    Fragevarianten fragen;
    std::int32_t Variantenzahl = 0;
    FragenDerAufgabe(aufgabe, Variantenzahl, fragen);
    for (std::int32_t p = 0; p < Variantenzahl; ++p) {
        if (GleichMitLeerzeichen(antwortzeile, fragen[static_cast<std::size_t>(p)])) {
            return true;
        }
    }
    return false;
}

// A record of no valid kind has no equation; its empty text must not make a
// lone blank a right answer.
bool PasstZurGleichung(const Aufgabe &aufgabe, std::string_view antwortzeile)
{
    const std::string gleichung = Gleichungstext(aufgabe);
    return !gleichung.empty() && GleichMitLeerzeichen(antwortzeile, gleichung);
}

} // namespace

Pruefergebnis PruefeAntwort(Richtung richtung, const Aufgabe &aufgabe,
                            std::string_view antwortzeile)
{
    const bool richtig = richtung == Richtung::mTW ? PasstZuEinerFrage(aufgabe, antwortzeile)
                                                   : PasstZurGleichung(aufgabe, antwortzeile);
    if (!richtig) {
        return {false, "falsch", {}};
    }
    return {true, "OK", "Wert: " + Zahltext(Ergebniswert(aufgabe))};
}
