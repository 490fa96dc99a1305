// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Fuzzes the answer check: any task record, either direction, any answer
// line. The verdict, its text and the value text must agree with the
// independent oracle; a disagreement traps, so libFuzzer keeps the input.
//
// Input layout (missing bytes read as 0, so every input is valid):
//   0      bit 0: direction (0 mTW, 1 mWT); bits 1-2: how the line is made
//          (0 the rest as it is, 1 an accepted line with edits, 2 blocks
//          chosen from the palettes, 3 a line accepted for a neighbouring
//          record, with edits). The digits '0' to '7' give all eight pairs.
//   1      kind: a byte below 0x80 gives 0 to 7; above, a kind that no task
//          has, which nothing may accept
//   2      sign: '+', '-', '*', ':' that sign, ' ' none, anything else the
//          kind's own
//   3-6    Zahl1, 7-10 Zahl2: four decimal digits each (any byte counts
//          as a digit, ASCII digits as themselves)
//   11     which accepted line (1) or which neighbouring record (3)
//   12...  the line (0), edits of three bytes each: operation, position,
//          byte (1, 3), or one block per byte, 'a' to 'u' the word blocks
//          and 'v' to 'z' the equation blocks (2)
#include "oracle.h"
#include "pruefung.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kopflaenge = 12;

class Eingabe
{
public:
    Eingabe(const std::uint8_t *data, std::size_t size) : daten(data), groesse(size) {}

    std::uint8_t Byte(std::size_t index) const { return index < groesse ? daten[index] : 0; }

    std::string_view Rest() const
    {
        if (groesse <= kopflaenge) {
            return {};
        }
        return {reinterpret_cast<const char *>(daten) + kopflaenge, groesse - kopflaenge};
    }

    // Four bytes as a number of 0 to 9999; '0' to '9' read as themselves.
    std::int32_t Zahl(std::size_t von) const
    {
        std::int32_t zahl = 0;
        for (std::size_t i = von; i < von + 4; ++i) {
            zahl = zahl * 10 + (Byte(i) + 2) % 10;
        }
        return zahl;
    }

private:
    const std::uint8_t *daten;
    std::size_t groesse;
};

std::int32_t Typ(std::uint8_t byte)
{
    if (byte < 0x80) {
        return byte % 8;
    }
    switch (byte) {
    case 0xff:
        return INT32_MAX;
    case 0xfe:
        return INT32_MIN;
    default:
        // Either 8 to 71 or -64 to -1.
        return (byte & 0x40) != 0 ? 8 + (byte & 0x3f) : -1 - (byte & 0x3f);
    }
}

std::string Zeichen(std::uint8_t byte, std::int32_t typ)
{
    switch (byte) {
    case '+':
    case '-':
    case '*':
    case ':':
        return std::string(1, static_cast<char>(byte));
    case ' ':
        return {};
    default:
        return std::string(oracle::signOfKind(typ));
    }
}

Aufgabe LiesAufgabe(const Eingabe &eingabe)
{
    Aufgabe aufgabe;
    aufgabe.Aufgabentyp = Typ(eingabe.Byte(1));
    aufgabe.Rechenzeichen = Zeichen(eingabe.Byte(2), aufgabe.Aufgabentyp);
    aufgabe.Zahl1 = eingabe.Zahl(3);
    aufgabe.Zahl2 = eingabe.Zahl(7);
    aufgabe.TypErlaubt = true;
    return aufgabe;
}

// Inserts, deletes or overwrites single bytes, so that lines one edit away
// from an accepted one are tried as often as the accepted ones themselves.
std::string Bearbeite(std::string zeile, std::string_view aenderungen)
{
    for (std::size_t i = 0; i + 3 <= aenderungen.size(); i += 3) {
        const auto art = static_cast<std::uint8_t>(aenderungen[i]) % 3;
        const auto stelle = static_cast<std::uint8_t>(aenderungen[i + 1]);
        const char byte = aenderungen[i + 2];
        if (art == 0) {
            zeile.insert(zeile.begin() + static_cast<std::ptrdiff_t>(stelle % (zeile.size() + 1)),
                         byte);
        } else if (!zeile.empty() && art == 1) {
            zeile.erase(stelle % zeile.size(), 1);
        } else if (!zeile.empty()) {
            zeile[stelle % zeile.size()] = byte;
        }
    }
    return zeile;
}

std::string Auswahl(const std::vector<std::string> &zeilen, std::uint8_t wahl)
{
    return zeilen.empty() ? std::string{} : zeilen[wahl % zeilen.size()];
}

// Both palettes, as the list may still show the other direction's blocks
// after a switch: the 21 word blocks, then the 5 equation blocks.
std::vector<std::string> Bausteine(const Aufgabe &aufgabe)
{
    std::vector<std::string> bausteine(oracle::fixedWordBlocks.begin(),
                                       oracle::fixedWordBlocks.end());
    const std::string a = oracle::numberText(aufgabe.Zahl1);
    const std::string b = oracle::numberText(aufgabe.Zahl2);
    bausteine.insert(bausteine.end(), {a, b});
    bausteine.insert(bausteine.end(), oracle::fixedEquationBlocks.begin(),
                     oracle::fixedEquationBlocks.end());
    bausteine.insert(bausteine.end(), {a, aufgabe.Rechenzeichen, b});
    return bausteine;
}

std::string GeklickteZeile(const Aufgabe &aufgabe, std::string_view wahlen)
{
    const std::vector<std::string> bausteine = Bausteine(aufgabe);
    std::string zeile;
    for (const char wahl : wahlen) {
        // 'a' is the first block.
        zeile += bausteine[(static_cast<std::uint8_t>(wahl) + 7) % bausteine.size()];
        zeile += ' ';
    }
    return zeile;
}

// A line accepted for a record next to this one: another kind with the
// same numbers and sign, or the other direction, so that sister kinds and
// equations of the wrong shape come up often.
std::string NachbarZeile(const Aufgabe &aufgabe, Richtung richtung, std::uint8_t wahl)
{
    Aufgabe nachbar = aufgabe;
    nachbar.Aufgabentyp = wahl % 8;
    const Richtung gegenrichtung = richtung == Richtung::mTW ? Richtung::mWT : Richtung::mTW;
    const Richtung andere = (wahl / 8) % 2 == 0 ? richtung : gegenrichtung;
    return Auswahl(oracle::acceptedLines(andere, nachbar), wahl / 16);
}

std::string LiesZeile(const Eingabe &eingabe, const Aufgabe &aufgabe, Richtung richtung)
{
    const std::uint8_t wahl = eingabe.Byte(11);
    switch ((eingabe.Byte(0) >> 1) & 3) {
    case 0:
        return std::string(eingabe.Rest());
    case 1:
        return Bearbeite(Auswahl(oracle::acceptedLines(richtung, aufgabe), wahl), eingabe.Rest());
    case 2:
        return GeklickteZeile(aufgabe, eingabe.Rest());
    default:
        return Bearbeite(NachbarZeile(aufgabe, richtung, wahl), eingabe.Rest());
    }
}

void Verlange(bool bedingung, const char *was)
{
    if (!bedingung) {
        std::fprintf(stderr, "fuzz_pruefe_antwort: %s\n", was);
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Eingabe eingabe(data, size);
    const Richtung richtung = (eingabe.Byte(0) & 1) == 0 ? Richtung::mTW : Richtung::mWT;
    const Aufgabe aufgabe = LiesAufgabe(eingabe);
    const std::string zeile = LiesZeile(eingabe, aufgabe, richtung);
    const Aufgabe vorher = aufgabe;

    const Pruefergebnis ergebnis = PruefeAntwort(richtung, aufgabe, zeile);
    const oracle::Verdict erwartet = oracle::expectedVerdict(richtung, aufgabe, zeile);

    Verlange(ergebnis.Urteil == erwartet.right, "verdict differs from the oracle");
    Verlange(ergebnis.Urteilstext == erwartet.text, "verdict text differs from the oracle");
    if (!erwartet.right) {
        Verlange(ergebnis.Werttext.empty(), "a wrong answer carries a value text");
    } else if (oracle::drawable(aufgabe)) {
        Verlange(ergebnis.Werttext == erwartet.valueText, "value text differs from the oracle");
    } else {
        // A record no draw can make has no binding value, but the text
        // keeps its form.
        Verlange(ergebnis.Werttext.rfind("Wert: ", 0) == 0, "value text lacks its label");
    }
    Verlange(aufgabe == vorher, "the check changed the task");
    Verlange(PruefeAntwort(richtung, aufgabe, zeile) == ergebnis, "a second check differs");
    return 0;
}
