// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fragen.h"
#include "scripted_random.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

using Fragenprozedur = void (*)(std::int32_t, std::int32_t, std::int32_t &, Fragevarianten &);
constexpr Fragenprozedur prozeduren[] = {Fragen0, Fragen1, Fragen2, Fragen3,
                                         Fragen4, Fragen5, Fragen6, Fragen7};

std::vector<std::string> Formulierungen(std::int32_t aufgabentyp, std::int32_t a, std::int32_t b)
{
    Fragevarianten fragen;
    std::int32_t anzahl = -1;
    prozeduren[aufgabentyp](a, b, anzahl, fragen);
    return {fragen.begin(), fragen.begin() + anzahl};
}

// Every wording of every kind for a = 1234 and b = 5678, in the order the
// solutions dialog lists them.
// clang-format off
const std::vector<std::string> erwartet[Aufgabentypen] = {
    {
        "welche Zahl muss man zu der Zahl 1234 addieren um die Zahl 5678 zu erhalten ?",
        "welche Zahl muss man zur Zahl 1234 addieren um die Zahl 5678 zu erhalten ?",
        "welche Zahl muss man zu 1234 addieren um die Zahl 5678 zu erhalten ?",
        "welche Zahl muss man zu der Zahl 1234 addieren um 5678 zu erhalten ?",
        "welche Zahl muss man zur Zahl 1234 addieren um 5678 zu erhalten ?",
        "welche Zahl muss man zu 1234 addieren um 5678 zu erhalten ?",
    },
    {
        "zu welcher Zahl muss man die Zahl 1234 addieren um die Zahl 5678 zu erhalten ?",
        "zu welcher Zahl muss man 1234 addieren um die Zahl 5678 zu erhalten ?",
        "zu welcher Zahl muss man die Zahl 1234 addieren um 5678 zu erhalten ?",
        "zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ?",
    },
    {
        "von welcher Zahl muss man die Zahl 1234 subtrahieren um die Zahl 5678 zu erhalten ?",
        "von welcher Zahl muss man 1234 subtrahieren um die Zahl 5678 zu erhalten ?",
        "von welcher Zahl muss man die Zahl 1234 subtrahieren um 5678 zu erhalten ?",
        "von welcher Zahl muss man 1234 subtrahieren um 5678 zu erhalten ?",
    },
    {
        "welche Zahl muss man von der Zahl 1234 subtrahieren um die Zahl 5678 zu erhalten ?",
        "welche Zahl muss man von 1234 subtrahieren um die Zahl 5678 zu erhalten ?",
        "welche Zahl muss man von der Zahl 1234 subtrahieren um 5678 zu erhalten ?",
        "welche Zahl muss man von 1234 subtrahieren um 5678 zu erhalten ?",
    },
    {
        "welche Zahl muss man mit der Zahl 1234 multiplizieren um die Zahl 5678 zu erhalten ?",
        "welche Zahl muss man mit 1234 multiplizieren um die Zahl 5678 zu erhalten ?",
        "welche Zahl muss man mit der Zahl 1234 multiplizieren um 5678 zu erhalten ?",
        "welche Zahl muss man mit 1234 multiplizieren um 5678 zu erhalten ?",
    },
    {
        "mit welcher Zahl muss man die Zahl 1234 multiplizieren um die Zahl 5678 zu erhalten ?",
        "mit welcher Zahl muss man 1234 multiplizieren um die Zahl 5678 zu erhalten ?",
        "mit welcher Zahl muss man die Zahl 1234 multiplizieren um 5678 zu erhalten ?",
        "mit welcher Zahl muss man 1234 multiplizieren um 5678 zu erhalten ?",
    },
    {
        "welche Zahl muss man durch die Zahl 1234 dividieren um die Zahl 5678 zu erhalten ?",
        "welche Zahl muss man durch 1234 dividieren um die Zahl 5678 zu erhalten ?",
        "welche Zahl muss man durch die Zahl 1234 dividieren um 5678 zu erhalten ?",
        "welche Zahl muss man durch 1234 dividieren um 5678 zu erhalten ?",
    },
    {
        "durch welche Zahl muss man die Zahl 1234 dividieren um die Zahl 5678 zu erhalten ?",
        "durch welche Zahl muss man 1234 dividieren um die Zahl 5678 zu erhalten ?",
        "durch welche Zahl muss man die Zahl 1234 dividieren um 5678 zu erhalten ?",
        "durch welche Zahl muss man 1234 dividieren um 5678 zu erhalten ?",
    },
};
// clang-format on

} // namespace

TEST(Fragen, JedeArtGibtIhreFormulierungenWoertlichUndInReihenfolge)
{
    std::size_t gesamt = 0;
    for (std::int32_t typ = 0; typ < Aufgabentypen; ++typ) {
        SCOPED_TRACE("Aufgabentyp " + std::to_string(typ));
        Fragevarianten fragen;
        std::int32_t Variantenzahl = -1;
        prozeduren[typ](1234, 5678, Variantenzahl, fragen);
        ASSERT_EQ(Variantenzahl, typ == 0 ? 6 : 4);
        const auto n = static_cast<std::size_t>(Variantenzahl);
        EXPECT_EQ(std::vector<std::string>(fragen.begin(), fragen.begin() + Variantenzahl),
                  erwartet[typ]);
        for (std::size_t p = n; p < fragen.size(); ++p) {
            EXPECT_EQ(fragen[p], "") << "slot " << p << " beyond the count was written";
        }
        gesamt += n;

        // Every caller selects the procedure by the task's kind alone.
        Fragevarianten ueberAufgabe;
        std::int32_t anzahl = -1;
        FragenDerAufgabe({1234, 5678, typ, "?", true}, anzahl, ueberAufgabe);
        EXPECT_EQ(anzahl, Variantenzahl);
        EXPECT_EQ(ueberAufgabe, fragen);
    }
    EXPECT_EQ(gesamt, 34U);
}

TEST(Fragen, NullIstEineZiffer)
{
    EXPECT_EQ(Formulierungen(0, 0, 0).front(),
              "welche Zahl muss man zu der Zahl 0 addieren um die Zahl 0 zu erhalten ?");
    EXPECT_EQ(Formulierungen(7, 0, 10).back(),
              "durch welche Zahl muss man 0 dividieren um 10 zu erhalten ?");
}

// No two kinds share a wording, so a sentence phrased for the sister kind
// is never accepted; equal numbers do not merge the wordings of one kind.
TEST(Fragen, KeineFormulierungKommtZweimalVor)
{
    for (const auto &[a, b] : {std::pair{1234, 5678}, std::pair{7, 7}, std::pair{0, 0}}) {
        SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(b));
        std::set<std::string> alle;
        for (std::int32_t typ = 0; typ < Aufgabentypen; ++typ) {
            for (const std::string &f : Formulierungen(typ, a, b)) {
                EXPECT_TRUE(alle.insert(f).second) << f;
            }
        }
        EXPECT_EQ(alle.size(), 34U);
    }
}

TEST(Fragen, FormDerFormulierungen)
{
    for (std::int32_t typ = 0; typ < Aufgabentypen; ++typ) {
        for (const std::string &f : Formulierungen(typ, 9999, 9999)) {
            SCOPED_TRACE(f);
            EXPECT_LE(f.size(), 85U);
            EXPECT_TRUE(f.front() >= 'a' && f.front() <= 'z');
            EXPECT_TRUE(f.ends_with(" zu erhalten ?"));
            EXPECT_EQ(f.find("  "), std::string::npos);
            for (const char c : f) {
                EXPECT_TRUE(c >= ' ' && c <= '~') << "not plain ASCII: " << int(c);
            }
        }
    }
}

TEST(WaehleFrage, ZiehtEinmalUeberDieVariantenzahlOhneNeustart)
{
    for (std::int32_t typ = 0; typ < Aufgabentypen; ++typ) {
        const Aufgabe aufgabe{1234, 5678, typ, "?", true};
        const std::vector<std::string> &fragen = erwartet[typ];
        for (std::size_t r = 0; r < fragen.size(); ++r) {
            SCOPED_TRACE("Aufgabentyp " + std::to_string(typ) + ", r " + std::to_string(r));
            ScriptedRandom zufall{static_cast<int>(r)};
            EXPECT_EQ(WaehleFrage(aufgabe, zufall), fragen[r]);
            EXPECT_EQ(zufall.calls(), std::to_string(fragen.size()));
            EXPECT_TRUE(zufall.invalid.empty());
        }
    }
}
