// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufgabe.h"
#include "scripted_random.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr Rechenarten alle{true, true, true, true};

std::string ZeichenVon(std::int32_t aufgabentyp)
{
    return std::string(1, "++--**::"[aufgabentyp]);
}

Aufgabe Gezogen(std::int32_t a, std::int32_t b, std::int32_t aufgabentyp)
{
    return {a, b, aufgabentyp, ZeichenVon(aufgabentyp), true};
}

} // namespace

// With no operation enabled nothing is drawn and the task stays as it was,
// be it the zeroed record of the start or a task drawn before.
TEST(NeueAufgabe, OhneRechenartBleibtAllesUnberuehrt)
{
    struct Fall
    {
        const char *name;
        Aufgabe aufgabe;
    };
    const Fall faelle[] = {
        {"the zeroed start", Aufgabe{}},
        {"an earlier task", Aufgabe{12, 34, 5, "*", true}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        ScriptedRandom zufall;
        Aufgabe aufgabe = f.aufgabe;
        EXPECT_FALSE(NeueAufgabe({false, false, false, false}, aufgabe, zufall));
        EXPECT_EQ(aufgabe, f.aufgabe);
        EXPECT_EQ(zufall.calls(), "");
    }
}

// One row per drawing path: the scripted values, the calls they must meet in
// exactly this order, and the task that comes out.
struct Ziehung
{
    const char *name;
    Rechenarten erlaubt;
    std::vector<int> skript;
    const char *protokoll;
    Aufgabe ergebnis;
};

void PrintTo(const Ziehung &z, std::ostream *os)
{
    *os << z.name;
}

class NeueAufgabeZiehung : public testing::TestWithParam<Ziehung>
{
};

TEST_P(NeueAufgabeZiehung, RuftDenZufallInDieserFolge)
{
    const Ziehung &z = GetParam();
    ScriptedRandom zufall;
    zufall.append(z.skript);
    Aufgabe aufgabe;
    ASSERT_TRUE(NeueAufgabe(z.erlaubt, aufgabe, zufall));
    EXPECT_EQ(zufall.calls(), z.protokoll);
    EXPECT_EQ(aufgabe, z.ergebnis);
    EXPECT_EQ(zufall.remaining(), 0U) << "the draw stopped before the script ended";
    EXPECT_TRUE(zufall.invalid.empty()) << zufall.invalid.front();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pfade, NeueAufgabeZiehung, testing::Values(
    Ziehung{"Typ0ZiehtNeuBisBNichtKleiner", alle, {0, 10, 5, 3, 7},
            "S 8 10000 10000 10000 10000", Gezogen(3, 7, 0)},
    Ziehung{"Typ1NimmtGleicheZahlen", alle, {1, 5, 5},
            "S 8 10000 10000", Gezogen(5, 5, 1)},
    Ziehung{"Typ2NimmtDasErstePaar", alle, {2, 9999, 9999},
            "S 8 10000 10000", Gezogen(9999, 9999, 2)},
    Ziehung{"Typ3ZiehtNeuBisBNichtGroesser", alle, {3, 0, 1, 100, 37},
            "S 8 10000 10000 10000 10000", Gezogen(100, 37, 3)},
    Ziehung{"Typ4ZiehtNeuBisATeiltB", alle, {4, 11, 25, 11, 36},
            "S 8 9999 10000 9999 10000", Gezogen(12, 36, 4)},
    Ziehung{"Typ4GroessteZahlen", alle, {4, 9998, 9999},
            "S 8 9999 10000", Gezogen(9999, 9999, 4)},
    Ziehung{"Typ4KleinsterFaktorMitNull", alle, {4, 0, 0},
            "S 8 9999 10000", Gezogen(1, 0, 4)},
    Ziehung{"Typ5ZiehtNeuBisATeiltB", alle, {5, 6, 90, 6, 91},
            "S 8 9999 10000 9999 10000", Gezogen(7, 91, 5)},
    Ziehung{"Typ6NimmtDasErstePaar", alle, {6, 7, 125},
            "S 8 9999 10000", Gezogen(8, 125, 6)},
    Ziehung{"Typ6KleinsterDivisor", alle, {6, 0, 0},
            "S 8 9999 10000", Gezogen(1, 0, 6)},
    Ziehung{"Typ7ZiehtNeuBisBTeiltA", alle, {7, 97, 3, 96, 3},
            "S 8 10000 9999 10000 9999", Gezogen(96, 4, 7)},
    Ziehung{"Typ7VerwirftDenDividendenNull", alle, {7, 0, 36, 0, 0, 37, 0},
            "S 8 10000 9999 10000 9999 10000 9999", Gezogen(37, 1, 7)},
    Ziehung{"Typ7GroessteZahlen", alle, {7, 9999, 9998},
            "S 8 10000 9999", Gezogen(9999, 9999, 7)},
    // Discarded tries draw their numbers in full, redrawn pairs included.
    Ziehung{"VerworfeneVersucheZiehenIhreZahlen", {false, false, false, true},
            {0, 5, 3, 3, 7, 4, 0, 0, 6, 7, 124},
            "S 8 10000 10000 10000 10000 8 9999 10000 8 9999 10000", Gezogen(8, 124, 6)},
    Ziehung{"NurAdditionVerwirftTyp7", {true, false, false, false},
            {7, 0, 4, 10, 4, 1, 12, 30},
            "S 8 10000 9999 10000 9999 8 10000 10000", Gezogen(12, 30, 1)}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

TEST(NeueAufgabe, ErsetztDieVorigeAufgabeGanz)
{
    ScriptedRandom zufall{6, 7, 125};
    Aufgabe aufgabe{12, 34, 5, "*", true};
    ASSERT_TRUE(NeueAufgabe({false, false, false, true}, aufgabe, zufall));
    EXPECT_EQ(aufgabe, Gezogen(8, 125, 6));
}

struct Gleichung
{
    std::int32_t aufgabentyp;
    std::int32_t a;
    std::int32_t b;
    const char *text;
    std::int32_t wert;
};

TEST(Gleichungstext, BeispieleUndGrenzfaelle)
{
    // clang-format off
    const Gleichung faelle[] = {
        {0, 1234, 5678, "1234 + x = 5678", 4444},
        {1, 1234, 5678, "x + 1234 = 5678", 4444},
        {2,   25,   17, "x - 25 = 17",       42},
        {3,  100,   37, "100 - x = 37",      63},
        {4,   12,   36, "x * 12 = 36",        3},
        {5,    7,   91, "7 * x = 91",        13},
        {6,    8,  125, "x : 8 = 125",     1000},
        {7,   96,    4, "96 : x = 4",        24},
        {0,  250,  250, "250 + x = 250",      0},
        {0,    0,    0, "0 + x = 0",          0},
        {1,    5,    5, "x + 5 = 5",          0},
        {2,    0,    0, "x - 0 = 0",          0},
        {2, 9999, 9999, "x - 9999 = 9999", 19998},
        {3,    0,    0, "0 - x = 0",          0},
        {4,   17,    0, "x * 17 = 0",         0},
        {5,    1, 9999, "1 * x = 9999",    9999},
        {5,   37,   37, "37 * x = 37",        1},
        {6,    1,    0, "x : 1 = 0",          0},
        {6, 9999, 9999, "x : 9999 = 9999", 99980001},
        {7,   37,    1, "37 : x = 1",        37},
        {7,   37,   37, "37 : x = 37",        1},
    };
    // clang-format on
    for (const Gleichung &g : faelle) {
        SCOPED_TRACE(g.text);
        const Aufgabe aufgabe = Gezogen(g.a, g.b, g.aufgabentyp);
        EXPECT_EQ(Gleichungstext(aufgabe), g.text);
        EXPECT_EQ(Ergebniswert(aufgabe), g.wert);
    }
}
