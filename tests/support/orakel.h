// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabe.h"
#include "richtung.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A second, independent statement of what the answer check accepts: the
// wordings position by position and the two shapes of the equation, written
// out again here instead of taken from the exercise logic, and the value of
// x as the number that makes that equation true. Tests that judge a verdict (the fuzzer, the model
// of the window) ask this oracle, so a wrong cell in the logic's tables cannot hide behind the same
// wrong cell in the test.
namespace orakel {

// Word blocks 1 to 19 and equation blocks 1 and 2; the rest of each palette
// are the numbers (and the sign) of a task.
// clang-format off
inline constexpr std::array<std::string_view, 19> festeWortbausteine{
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

inline constexpr std::array<std::string_view, 2> festeGleichungsbausteine{"=", "x"};

inline bool GueltigerTyp(std::int32_t typ)
{
    return typ >= 0 && typ <= 7;
}

// The sign that belongs to a kind.
inline std::string_view ZeichenDesTyps(std::int32_t typ)
{
    static constexpr std::array<std::string_view, 8> zeichen{"+", "+", "-", "-",
                                                             "*", "*", ":", ":"};
    return GueltigerTyp(typ) ? zeichen[static_cast<std::size_t>(typ)] : std::string_view{};
}

// Plain decimal digits, built by hand rather than by the library call the
// logic uses.
inline std::string Zahltext(std::int64_t zahl)
{
    if (zahl == 0) {
        return "0";
    }
    const bool negativ = zahl < 0;
    std::string ziffern;
    for (std::int64_t rest = zahl; rest != 0; rest /= 10) {
        const auto ziffer = static_cast<char>('0' + (negativ ? -(rest % 10) : rest % 10));
        ziffern.insert(ziffern.begin(), ziffer);
    }
    return negativ ? "-" + ziffern : ziffern;
}

struct Wortformzeile
{
    std::int32_t typ;
    std::string_view eroeffnung;
    std::string_view mitte;
};

// Every wording, in the order of its positions within its kind.
// clang-format off
inline constexpr std::array<Wortformzeile, 34> alleWortformen{{
    {0, "welche Zahl muss man zu der Zahl ",    " addieren um die Zahl "},
    {0, "welche Zahl muss man zur Zahl ",       " addieren um die Zahl "},
    {0, "welche Zahl muss man zu ",             " addieren um die Zahl "},
    {0, "welche Zahl muss man zu der Zahl ",    " addieren um "},
    {0, "welche Zahl muss man zur Zahl ",       " addieren um "},
    {0, "welche Zahl muss man zu ",             " addieren um "},
    {1, "zu welcher Zahl muss man die Zahl ",   " addieren um die Zahl "},
    {1, "zu welcher Zahl muss man ",            " addieren um die Zahl "},
    {1, "zu welcher Zahl muss man die Zahl ",   " addieren um "},
    {1, "zu welcher Zahl muss man ",            " addieren um "},
    {2, "von welcher Zahl muss man die Zahl ",  " subtrahieren um die Zahl "},
    {2, "von welcher Zahl muss man ",           " subtrahieren um die Zahl "},
    {2, "von welcher Zahl muss man die Zahl ",  " subtrahieren um "},
    {2, "von welcher Zahl muss man ",           " subtrahieren um "},
    {3, "welche Zahl muss man von der Zahl ",   " subtrahieren um die Zahl "},
    {3, "welche Zahl muss man von ",            " subtrahieren um die Zahl "},
    {3, "welche Zahl muss man von der Zahl ",   " subtrahieren um "},
    {3, "welche Zahl muss man von ",            " subtrahieren um "},
    {4, "welche Zahl muss man mit der Zahl ",   " multiplizieren um die Zahl "},
    {4, "welche Zahl muss man mit ",            " multiplizieren um die Zahl "},
    {4, "welche Zahl muss man mit der Zahl ",   " multiplizieren um "},
    {4, "welche Zahl muss man mit ",            " multiplizieren um "},
    {5, "mit welcher Zahl muss man die Zahl ",  " multiplizieren um die Zahl "},
    {5, "mit welcher Zahl muss man ",           " multiplizieren um die Zahl "},
    {5, "mit welcher Zahl muss man die Zahl ",  " multiplizieren um "},
    {5, "mit welcher Zahl muss man ",           " multiplizieren um "},
    {6, "welche Zahl muss man durch die Zahl ", " dividieren um die Zahl "},
    {6, "welche Zahl muss man durch ",          " dividieren um die Zahl "},
    {6, "welche Zahl muss man durch die Zahl ", " dividieren um "},
    {6, "welche Zahl muss man durch ",          " dividieren um "},
    {7, "durch welche Zahl muss man die Zahl ", " dividieren um die Zahl "},
    {7, "durch welche Zahl muss man ",          " dividieren um die Zahl "},
    {7, "durch welche Zahl muss man die Zahl ", " dividieren um "},
    {7, "durch welche Zahl muss man ",          " dividieren um "},
}};
// clang-format on

// The wordings of a kind for the numbers a and b, in their order; none for
// a kind outside 0 to 7.
inline std::vector<std::string> Wortformen(std::int32_t typ, std::int32_t a, std::int32_t b)
{
    std::vector<std::string> wortformen;
    for (const Wortformzeile &zeile : alleWortformen) {
        if (zeile.typ == typ) {
            wortformen.push_back(std::string(zeile.eroeffnung) + Zahltext(a) +
                                 std::string(zeile.mitte) + Zahltext(b) + " zu erhalten ?");
        }
    }
    return wortformen;
}

// In kinds 1, 2, 4 and 6 the x stands first ("x + a = b"), in the others it
// follows the first number ("a + x = b").
inline bool XZuerst(std::int32_t typ)
{
    return typ == 1 || typ == 2 || typ == 4 || typ == 6;
}

// The five tokens of the equation joined by single blanks, with the sign the
// record carries; empty for a kind outside 0 to 7.
inline std::string Gleichung(const Aufgabe &aufgabe)
{
    if (!GueltigerTyp(aufgabe.Aufgabentyp)) {
        return {};
    }
    const std::string a = Zahltext(aufgabe.Zahl1);
    const std::string b = Zahltext(aufgabe.Zahl2);
    const std::array<std::string, 5> tokens =
        XZuerst(aufgabe.Aufgabentyp)
            ? std::array<std::string, 5>{"x", aufgabe.Rechenzeichen, a, "=", b}
            : std::array<std::string, 5>{a, aufgabe.Rechenzeichen, "x", "=", b};
    std::string text = tokens[0];
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        text += ' ';
        text += tokens[i];
    }
    return text;
}

// Every answer line the check must accept: each wording (mTW) or the
// equation (mWT), followed by the one blank a clicked block leaves behind.
// A record of no valid kind accepts nothing.
inline std::vector<std::string> AkzeptierteZeilen(Richtung richtung, const Aufgabe &aufgabe)
{
    if (!GueltigerTyp(aufgabe.Aufgabentyp)) {
        return {};
    }
    std::vector<std::string> zeilen =
        richtung == Richtung::mTW ? Wortformen(aufgabe.Aufgabentyp, aufgabe.Zahl1, aufgabe.Zahl2)
                                  : std::vector<std::string>{Gleichung(aufgabe)};
    for (std::string &zeile : zeilen) {
        zeile += ' ';
    }
    return zeilen;
}

// Whether the task generator can make this record: the kind's sign, the
// kind's ranges and its condition on the pair.
inline bool IstZiehbar(const Aufgabe &aufgabe)
{
    const std::int32_t a = aufgabe.Zahl1;
    const std::int32_t b = aufgabe.Zahl2;
    const auto imBereich = [](std::int32_t zahl, std::int32_t von) {
        return zahl >= von && zahl <= 9999;
    };
    if (!GueltigerTyp(aufgabe.Aufgabentyp) ||
        aufgabe.Rechenzeichen != ZeichenDesTyps(aufgabe.Aufgabentyp)) {
        return false;
    }
    switch (aufgabe.Aufgabentyp) {
    case 0:
    case 1:
        return imBereich(a, 0) && imBereich(b, 0) && b >= a;
    case 2:
        return imBereich(a, 0) && imBereich(b, 0);
    case 3:
        return imBereich(a, 0) && imBereich(b, 0) && b <= a;
    case 4:
    case 5:
        return imBereich(a, 1) && imBereich(b, 0) && b % a == 0;
    case 6:
        return imBereich(a, 1) && imBereich(b, 0);
    default: // 7: a dividend of 0 is never drawn, since 0 : x = b has no solution
        return imBereich(a, 1) && imBereich(b, 1) && a % b == 0;
    }
}

// Where the equation's left side, with x put in its place, stands against
// its right side: below (-1), equal (0) or above (1). Read from the record's
// own tokens and computed exactly in a wider type: a quotient counts as a
// fraction, so 7 : x = 2 is not met by x = 3, and a divisor 0 makes the left
// side endless. nullopt for a sign that is none of the four.
inline std::optional<int> LinksGegenRechts(const Aufgabe &aufgabe, std::int64_t x)
{
    const std::int64_t a = aufgabe.Zahl1;
    const std::int64_t b = aufgabe.Zahl2;
    const bool xZuerst = XZuerst(aufgabe.Aufgabentyp);
    const std::int64_t links = xZuerst ? x : a;
    const std::int64_t rechts = xZuerst ? a : x;
    std::int64_t differenz = 0;
    if (aufgabe.Rechenzeichen == "+") {
        differenz = links + rechts - b;
    } else if (aufgabe.Rechenzeichen == "-") {
        differenz = links - rechts - b;
    } else if (aufgabe.Rechenzeichen == "*") {
        differenz = links * rechts - b;
    } else if (aufgabe.Rechenzeichen == ":") {
        // links / rechts against b, both sides times the divisor.
        differenz = rechts == 0 ? links : links - b * rechts;
    } else {
        return std::nullopt;
    }
    return differenz > 0 ? 1 : differenz < 0 ? -1 : 0;
}

// The value of x: the one number that, put back into the equation, makes
// it true, found by trying numbers in the equation rather than by a formula
// of each kind, so it cannot repeat a wrong formula of the logic. The left
// side moves one way only as x grows, so a bisection of 0 to 99980001 (every
// value lies in there) finds it. nullopt if no number there solves it.
inline std::optional<std::int64_t> Wert(const Aufgabe &aufgabe)
{
    if (!GueltigerTyp(aufgabe.Aufgabentyp)) {
        return std::nullopt;
    }
    std::int64_t unten = 0;
    std::int64_t oben = 9999LL * 9999;
    const std::optional<int> amAnfang = LinksGegenRechts(aufgabe, unten);
    if (!amAnfang) {
        return std::nullopt;
    }
    if (*amAnfang == 0) {
        return unten;
    }
    // The smallest x at which the left side has reached or passed the right.
    const auto erreicht = [&](std::int64_t x) {
        return *LinksGegenRechts(aufgabe, x) != *amAnfang;
    };
    if (!erreicht(oben)) {
        return std::nullopt;
    }
    while (oben - unten > 1) {
        const std::int64_t mitte = unten + (oben - unten) / 2;
        (erreicht(mitte) ? oben : unten) = mitte;
    }
    return *LinksGegenRechts(aufgabe, oben) == 0 ? std::optional(oben) : std::nullopt;
}

struct Urteil
{
    bool richtig = false;
    std::string text;     // "OK" or "falsch"
    std::string werttext; // "Wert: " and the value when right, else empty
};

// What the check must say about an answer line. The value text is binding
// only for a record the generator can make (IstZiehbar).
inline Urteil ErwartetesUrteil(Richtung richtung, const Aufgabe &aufgabe,
                               std::string_view antwortzeile)
{
    const std::vector<std::string> zeilen = AkzeptierteZeilen(richtung, aufgabe);
    const bool richtig = std::find(zeilen.begin(), zeilen.end(), antwortzeile) != zeilen.end();
    if (!richtig) {
        return {false, "falsch", {}};
    }
    const std::optional<std::int64_t> wert = Wert(aufgabe);
    return {true, "OK", "Wert: " + (wert ? Zahltext(*wert) : std::string())};
}

} // namespace orakel
