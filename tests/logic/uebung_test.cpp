// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fragen.h"
#include "oracle.h"
#include "pruefung.h"
#include "scripted_random.h"
#include "uebung.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

void PrintTo(const PosedTask &gezeigt, std::ostream *os)
{
    *os << '"' << gezeigt.text << "\" with";
    for (const std::string &baustein : gezeigt.blocks) {
        *os << " [" << baustein << ']';
    }
}

namespace {

using Texte = std::vector<std::string>;

const Texte festeWoerter(oracle::fixedWordBlocks.begin(), oracle::fixedWordBlocks.end());

Texte Woerter(const Uebung &uebung)
{
    return {uebung.wortbausteine().begin(), uebung.wortbausteine().end()};
}
Texte Gleichungsteile(const Uebung &uebung)
{
    return {uebung.gleichungsbausteine().begin(), uebung.gleichungsbausteine().end()};
}

template <typename T> std::vector<T> Plus(std::vector<T> texte, const std::vector<T> &mehr)
{
    texte.insert(texte.end(), mehr.begin(), mehr.end());
    return texte;
}

const char *const wortMischung = "S 21 20 19 18 17 16 15 14 13 12 11 10 9 8 7 6 5 4 3 2";

class UebungTest : public testing::Test
{
protected:
    UebungTest() { uebung.SetzeFesteBausteine(); }

    Texte Fuelle(Richtung richtung, const std::vector<int> &skript)
    {
        zufall.clearCalls();
        zufall.append(skript);
        Texte auswahl = uebung.FuelleAuswahl(richtung, zufall);
        EXPECT_EQ(zufall.remaining(), 0U);
        EXPECT_TRUE(zufall.invalid.empty());
        return auswahl;
    }

    Uebung uebung;
    ScriptedRandom zufall;
};

} // namespace

TEST_F(UebungTest, FesteBausteineUndLeereZahlbausteine)
{
    EXPECT_EQ(Woerter(uebung), Plus(festeWoerter, {"", ""}));
    EXPECT_EQ(Gleichungsteile(uebung), (Texte{"=", "x", "", "", ""}));
}

// Before the first task in a direction its palette lists the fixed blocks and
// empty entries.
TEST_F(UebungTest, VorDerErstenAufgabeSindDieZahlbausteineLeer)
{
    EXPECT_EQ(Fuelle(Richtung::mWT, unshuffled(5)), (Texte{"=", "x", "", "", ""}));
    EXPECT_EQ(Fuelle(Richtung::mTW, unshuffled(21)), Plus(festeWoerter, {"", ""}));
}

TEST_F(UebungTest, ZahlbausteineBleibenBeiIhrerRichtung)
{
    const Aufgabe ersteTW{1234, 5678, 1, "+", true};
    const Aufgabe dannWT{96, 4, 7, ":", true};
    uebung.SetzeZahlbausteine(Richtung::mTW, ersteTW);
    EXPECT_EQ(Woerter(uebung), Plus(festeWoerter, {"1234", "5678"}));
    EXPECT_EQ(Gleichungsteile(uebung), (Texte{"=", "x", "", "", ""}));

    uebung.SetzeZahlbausteine(Richtung::mWT, dannWT);
    EXPECT_EQ(Woerter(uebung), Plus(festeWoerter, {"1234", "5678"}));
    EXPECT_EQ(Gleichungsteile(uebung), (Texte{"=", "x", "96", ":", "4"}));

    // Filling never writes a palette: after a switch back the word palette
    // still offers the numbers of the last task made in its own direction.
    const Uebung vorher = uebung;
    EXPECT_EQ(Fuelle(Richtung::mTW, unshuffled(21)), Plus(festeWoerter, {"1234", "5678"}));
    EXPECT_EQ(Fuelle(Richtung::mWT, unshuffled(5)), (Texte{"=", "x", "96", ":", "4"}));
    EXPECT_EQ(Woerter(uebung), Woerter(vorher));
    EXPECT_EQ(Gleichungsteile(uebung), Gleichungsteile(vorher));

    uebung.SetzeZahlbausteine(Richtung::mTW, Aufgabe{0, 0, 0, "+", true});
    EXPECT_EQ(Woerter(uebung), Plus(festeWoerter, {"0", "0"}));
    EXPECT_EQ(Gleichungsteile(uebung), (Texte{"=", "x", "96", ":", "4"}));
}

TEST_F(UebungTest, MischungZiehtVonObenNachUnten)
{
    uebung.SetzeZahlbausteine(Richtung::mWT, {1234, 5678, 1, "+", true});
    uebung.SetzeZahlbausteine(Richtung::mTW, {1234, 5678, 1, "+", true});
    const Texte woerter = Woerter(uebung);
    const Texte ersterHintenDran =
        Plus(Texte(woerter.begin() + 1, woerter.end()), {woerter.front()});
    struct Fall
    {
        const char *name;
        Richtung richtung;
        std::vector<int> skript;
        const char *protokoll;
        Texte auswahl;
    };
    // clang-format off
    const Fall faelle[] = {
        {"Gleichung, jede Stelle bleibt", Richtung::mWT, {4, 3, 2, 1}, "S 5 4 3 2",
         {"=", "x", "1234", "+", "5678"}},
        {"Gleichung, immer mit der ersten getauscht", Richtung::mWT, {0, 0, 0, 0}, "S 5 4 3 2",
         {"x", "1234", "+", "5678", "="}},
        {"Gleichung in der Reihenfolge der Gleichung", Richtung::mWT, {4, 0, 2, 0}, "S 5 4 3 2",
         {"x", "+", "1234", "=", "5678"}},
        {"Wortform, jede Stelle bleibt", Richtung::mTW, unshuffled(21), wortMischung, woerter},
        {"Wortform, immer mit dem ersten getauscht", Richtung::mTW, std::vector<int>(20, 0),
         wortMischung, ersterHintenDran},
    };
    // clang-format on
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(Fuelle(f.richtung, f.skript), f.auswahl);
        EXPECT_EQ(zufall.calls(), f.protokoll);
        // Every shuffle starts again from 1..N, so the same draws give the
        // same list whatever order the previous fill left.
        EXPECT_EQ(Fuelle(f.richtung, f.skript), f.auswahl);
    }
}

// The list the pupil clicks from, the answer line it builds and the check
// fit together: the equation blocks clicked in the equation's order.
TEST_F(UebungTest, GeklickteGleichungIstRichtig)
{
    const Aufgabe aufgabe{1234, 5678, 1, "+", true};
    uebung.SetzeZahlbausteine(Richtung::mWT, aufgabe);
    std::string zeile;
    for (const std::string &baustein : Fuelle(Richtung::mWT, {4, 0, 2, 0})) {
        zeile = HaengeBausteinAn(zeile, baustein);
    }
    EXPECT_EQ(zeile, "x + 1234 = 5678 ");
    EXPECT_TRUE(PruefeAntwort(Richtung::mWT, aufgabe, zeile).Urteil);
}

TEST(HaengeBausteinAn, HaengtDenBausteinUndEinLeerzeichenAn)
{
    struct Fall
    {
        const char *zeile;
        const char *baustein;
        const char *ergebnis;
    };
    const Fall faelle[] = {
        {"", "zu", "zu "},
        {"zu ", "erhalten", "zu erhalten "},
        {"", "zu erhalten", "zu erhalten "},
        {"", "", " "},
        {"getippt", "x", "getipptx "},
        {" a  ", "?", " a  ? "},
        {"x ", "0", "x 0 "},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(std::string("'") + f.zeile + "' + '" + f.baustein + "'");
        EXPECT_EQ(HaengeBausteinAn(f.zeile, f.baustein), f.ergebnis);
    }
}

// Whether a line can be clicked together from the palette: some sequence of
// blocks, each followed by one blank, spells exactly the line.
bool Zusammensetzbar(const std::string &zeile, const Texte &palette)
{
    std::vector<bool> erreichbar(zeile.size() + 1, false);
    erreichbar[0] = true;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        if (!erreichbar[i]) {
            continue;
        }
        for (const std::string &baustein : palette) {
            const std::string stueck = baustein + " ";
            if (zeile.compare(i, stueck.size(), stueck) == 0) {
                erreichbar[i + stueck.size()] = true;
            }
        }
    }
    return erreichbar[zeile.size()];
}

TEST_F(UebungTest, JedeRichtigeZeileIstAusDerPaletteZuKlicken)
{
    for (std::int32_t typ = 0; typ < Aufgabentypen; ++typ) {
        SCOPED_TRACE("Aufgabentyp " + std::to_string(typ));
        const Aufgabe aufgabe{31, 4000, typ, std::string(1, "++--**::"[typ]), true};
        uebung.SetzeZahlbausteine(Richtung::mTW, aufgabe);
        uebung.SetzeZahlbausteine(Richtung::mWT, aufgabe);
        Fragevarianten fragen;
        std::int32_t Variantenzahl = 0;
        FragenDerAufgabe(aufgabe, Variantenzahl, fragen);
        for (std::int32_t p = 0; p < Variantenzahl; ++p) {
            EXPECT_TRUE(Zusammensetzbar(fragen[static_cast<std::size_t>(p)] + " ", Woerter(uebung)))
                << fragen[static_cast<std::size_t>(p)];
        }
        EXPECT_TRUE(Zusammensetzbar(Gleichungstext(aufgabe) + " ", Gleichungsteile(uebung)));
    }
}

TEST_F(UebungTest, OhneRechenartBleibtDieUebungUnberuehrt)
{
    const Uebung vorher = uebung;
    EXPECT_FALSE(uebung.NeueAufgabe({false, false, false, false}, zufall));
    EXPECT_EQ(uebung, vorher);
    for (const Richtung richtung : {Richtung::mTW, Richtung::mWT}) {
        EXPECT_EQ(uebung.poseTask({false, false, false, false}, richtung, zufall), std::nullopt);
        EXPECT_EQ(uebung, vorher);
    }
    EXPECT_EQ(zufall.calls(), "");
}

// A new task as "Neu" poses it, with every call it makes on the random
// source: the draw, the shuffle, and in mWT the question after the shuffle.
// A script that suits only this order leaves calls unmet or out of range
// under any other.
TEST_F(UebungTest, NeueAufgabeAlsBefehl)
{
    struct Fall
    {
        const char *name;
        Richtung richtung;
        std::vector<int> skript;
        const char *protokoll;
        PosedTask gezeigt;
        Texte gleichungsteile;
    };
    const Texte woerter = Plus(festeWoerter, {"1234", "5678"});
    // clang-format off
    const Fall faelle[] = {
        {"Wortform zur Gleichung, Typ 1", Richtung::mWT, {1, 1234, 5678, 4, 0, 2, 0, 3},
         "S 8 10000 10000 S 5 4 3 2 4",
         {"zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ?",
          {"x", "+", "1234", "=", "5678"}},
         {"=", "x", "1234", "+", "5678"}},
        {"Wortform zur Gleichung, Typ 0", Richtung::mWT, {0, 9, 3, 1234, 5678, 4, 0, 2, 0, 5},
         "S 8 10000 10000 10000 10000 S 5 4 3 2 6",
         {"welche Zahl muss man zu 1234 addieren um 5678 zu erhalten ?",
          {"x", "+", "1234", "=", "5678"}},
         {"=", "x", "1234", "+", "5678"}},
        {"Gleichung zur Wortform", Richtung::mTW, Plus(std::vector<int>{1, 1234, 5678}, unshuffled(21)),
         "S 8 10000 10000 S 21 20 19 18 17 16 15 14 13 12 11 10 9 8 7 6 5 4 3 2",
         {"x + 1234 = 5678", woerter},
         {"=", "x", "", "", ""}},
    };
    // clang-format on
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        Uebung frisch;
        frisch.SetzeFesteBausteine();
        zufall.clearCalls();
        zufall.append(f.skript);
        EXPECT_EQ(frisch.poseTask({true, false, false, false}, f.richtung, zufall), f.gezeigt);
        EXPECT_EQ(zufall.calls(), f.protokoll);
        EXPECT_EQ(zufall.remaining(), 0U);
        EXPECT_TRUE(zufall.invalid.empty());
        // Only the palette of the direction takes the task's numbers.
        EXPECT_EQ(Gleichungsteile(frisch), f.gleichungsteile);
        EXPECT_EQ(Woerter(frisch),
                  f.richtung == Richtung::mTW ? woerter : Plus(festeWoerter, {"", ""}));
    }
}
