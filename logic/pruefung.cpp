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

} // namespace

std::vector<std::string> RichtigeAntworten(Richtung richtung, const Aufgabe &aufgabe)
{
    if (!GueltigerTyp(aufgabe.Aufgabentyp)) {
        return {};
    }
    if (richtung == Richtung::mWT) {
        return {Gleichungstext(aufgabe)};
    }
    Fragevarianten fragen;
    std::int32_t Variantenzahl = 0;
    FragenDerAufgabe(aufgabe, Variantenzahl, fragen);
    return {fragen.begin(), fragen.begin() + Variantenzahl};
}

Pruefergebnis PruefeAntwort(Richtung richtung, const Aufgabe &aufgabe,
                            std::string_view antwortzeile)
{
    bool richtig = false;
    for (const std::string &antwort : RichtigeAntworten(richtung, aufgabe)) {
        richtig = richtig || GleichMitLeerzeichen(antwortzeile, antwort);
    }
    if (!richtig) {
        return {false, "falsch", {}};
    }
    return {true, "OK", "Wert: " + Zahltext(Ergebniswert(aufgabe))};
}
