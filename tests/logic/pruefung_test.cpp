// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fragen.h"
#include "pruefung.h"
#include "uebung.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

Aufgabe Aufgabe_(std::int32_t a, std::int32_t b, std::int32_t aufgabentyp)
{
    return {a, b, aufgabentyp, std::string(1, "++--**::"[aufgabentyp]), true};
}

std::vector<std::string> Formulierungen(const Aufgabe &aufgabe)
{
    Fragevarianten fragen;
    std::int32_t anzahl = 0;
    FragenDerAufgabe(aufgabe, anzahl, fragen);
    return {fragen.begin(), fragen.begin() + anzahl};
}

const Pruefergebnis falsch{false, "falsch", ""};

} // namespace

TEST(PruefeAntwort, BeispielWortformUndGleichung)
{
    const Aufgabe aufgabe = Aufgabe_(1234, 5678, 1);
    const Pruefergebnis richtig{true, "OK", "Wert: 4444"};
    EXPECT_EQ(PruefeAntwort(Richtung::mTW, aufgabe,
                            "zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ? "),
              richtig);
    EXPECT_EQ(PruefeAntwort(Richtung::mWT, aufgabe, "x + 1234 = 5678 "), richtig);
}

// Every accepted line of every kind in both directions earns the value; the
// accepted lines of one direction are wrong in the other.
TEST(PruefeAntwort, JedeAngenommeneZeileJederArt)
{
    struct Fall
    {
        Aufgabe aufgabe;
        const char *werttext;
    };
    const Fall faelle[] = {
        {Aufgabe_(1234, 5678, 0), "Wert: 4444"}, {Aufgabe_(1234, 5678, 1), "Wert: 4444"},
        {Aufgabe_(25, 17, 2), "Wert: 42"},       {Aufgabe_(100, 37, 3), "Wert: 63"},
        {Aufgabe_(12, 36, 4), "Wert: 3"},        {Aufgabe_(7, 91, 5), "Wert: 13"},
        {Aufgabe_(8, 125, 6), "Wert: 1000"},     {Aufgabe_(96, 4, 7), "Wert: 24"},
        {Aufgabe_(250, 250, 0), "Wert: 0"},      {Aufgabe_(9999, 9999, 6), "Wert: 99980001"},
    };
    for (const Fall &f : faelle) {
        const std::string gleichung = Gleichungstext(f.aufgabe) + " ";
        SCOPED_TRACE(gleichung);
        const Pruefergebnis richtig{true, "OK", f.werttext};
        EXPECT_EQ(PruefeAntwort(Richtung::mWT, f.aufgabe, gleichung), richtig);
        EXPECT_EQ(PruefeAntwort(Richtung::mTW, f.aufgabe, gleichung), falsch);
        for (const std::string &frage : Formulierungen(f.aufgabe)) {
            EXPECT_EQ(PruefeAntwort(Richtung::mTW, f.aufgabe, frage + " "), richtig) << frage;
            EXPECT_EQ(PruefeAntwort(Richtung::mWT, f.aufgabe, frage + " "), falsch) << frage;
        }
    }
}

TEST(PruefeAntwort, FalscheZeilen)
{
    const Aufgabe typ0 = Aufgabe_(12, 30, 0);
    const Aufgabe typ1 = Aufgabe_(1234, 5678, 1);
    const std::string frage1 = "zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ?";
    const std::string frage0 = "welche Zahl muss man zu der Zahl 12 addieren um die Zahl 30 zu "
                               "erhalten ?";
    struct Fall
    {
        const char *name;
        Richtung richtung;
        Aufgabe aufgabe;
        std::string zeile;
    };
    // clang-format off
    const Fall faelle[] = {
        {"leer",                      Richtung::mTW, typ1, ""},
        {"leer, Gleichung",           Richtung::mWT, typ1, ""},
        {"ein Leerzeichen",           Richtung::mTW, typ1, " "},
        {"ein Leerzeichen, Gleichung", Richtung::mWT, typ1, " "},
        {"ohne letztes Leerzeichen",  Richtung::mTW, typ1, frage1},
        {"zwei Leerzeichen am Ende",  Richtung::mTW, typ1, frage1 + "  "},
        {"Leerzeichen davor",         Richtung::mTW, typ1, " " + frage1 + " "},
        {"doppeltes Leerzeichen",     Richtung::mTW, typ1,
         "zu welcher Zahl muss man 1234  addieren um 5678 zu erhalten ? "},
        {"grosser Anfangsbuchstabe",  Richtung::mTW, typ1,
         "Zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ? "},
        {"vertauschte Zahlen",        Richtung::mTW, typ1,
         "zu welcher Zahl muss man 5678 addieren um 1234 zu erhalten ? "},
        {"grosses W",                 Richtung::mTW, typ0, "W" + frage0.substr(1) + " "},
        {"Formulierung der Schwesterart", Richtung::mTW, typ0,
         "zu welcher Zahl muss man die Zahl 12 addieren um die Zahl 30 zu erhalten ? "},
        {"Frage statt Gleichung",     Richtung::mWT, typ0, frage0 + " "},
        {"Gleichung der Schwesterart", Richtung::mWT, typ0, "x + 12 = 30 "},
        {"Gleichung ohne Leerzeichen", Richtung::mWT, typ0, "12 + x = 30"},
        {"Gleichung, Baustein zu viel", Richtung::mWT, typ0, "12 + x = 30 30 "},
        {"Gleichung, Baustein zu wenig", Richtung::mWT, typ0, "12 + x = "},
        {"Gleichung, doppeltes Leerzeichen", Richtung::mWT, typ0, "12 + x =  30 "},
        {"Gleichung, falsches Zeichen", Richtung::mWT, typ0, "12 - x = 30 "},
        {"Gleichung, grosses X",      Richtung::mWT, typ0, "12 + X = 30 "},
        {"Umlaute und hohe Bytes",    Richtung::mTW, typ1, "\xE4\xF6\xFC\xDF\x80\xFF "},
        {"geschuetztes Leerzeichen",  Richtung::mWT, typ0, "12\xA0+ x = 30 "},
        {"NUL am Ende",               Richtung::mWT, typ0, std::string("12 + x = 30 \0", 13)},
        {"NUL statt Leerzeichen",     Richtung::mWT, typ0, std::string("12 + x = 30\0", 12)},
        {"NUL in der Wortform",       Richtung::mTW, typ1, frage1 + std::string("\0 ", 2)},
        {"ein Megabyte",              Richtung::mTW, typ1, std::string(1 << 20, 'x')},
        {"richtig und ein Megabyte dahinter", Richtung::mTW, typ1,
         frage1 + " " + std::string(1 << 20, ' ')},
        {"ein Megabyte, Gleichung",   Richtung::mWT, typ0, std::string(1 << 20, '\0')},
    };
    // clang-format on
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(PruefeAntwort(f.richtung, f.aufgabe, f.zeile), falsch);
    }
}

TEST(PruefeAntwort, JedesByteIstFalsch)
{
    const Aufgabe aufgabe = Aufgabe_(0, 0, 0);
    std::string alle;
    for (int c = 0; c < 256; ++c) {
        const std::string einzeln(1, static_cast<char>(c));
        EXPECT_EQ(PruefeAntwort(Richtung::mTW, aufgabe, einzeln), falsch) << c;
        EXPECT_EQ(PruefeAntwort(Richtung::mWT, aufgabe, einzeln), falsch) << c;
        alle += einzeln;
    }
    EXPECT_EQ(PruefeAntwort(Richtung::mTW, aufgabe, alle), falsch);
    EXPECT_EQ(PruefeAntwort(Richtung::mWT, aufgabe, alle), falsch);
}

// The check sees only the text: other click paths to the same line count.
TEST(PruefeAntwort, AndererKlickwegGleicherText)
{
    const Aufgabe aufgabe = Aufgabe_(250, 250, 0);
    std::string zeile;
    // "zu" and "erhalten" in place of "zu erhalten"; with equal numbers the
    // number blocks stand for each other anyway.
    for (const char *baustein : {"welche Zahl", "muss man", "zur", "Zahl", "250", "addieren", "um",
                                 "250", "zu", "erhalten", "?"}) {
        zeile = HaengeBausteinAn(zeile, baustein);
    }
    EXPECT_EQ(PruefeAntwort(Richtung::mTW, aufgabe, zeile), (Pruefergebnis{true, "OK", "Wert: 0"}));
}
