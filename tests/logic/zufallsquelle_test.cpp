// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "uebung.h"
#include "zufallsquelle.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> Ziehungen(Zufallsquelle &zufall, int anzahl, int n)
{
    std::vector<int> werte;
    for (int i = 0; i < anzahl; ++i) {
        werte.push_back(zufall.Zufallszahl(n));
    }
    return werte;
}

} // namespace

// Each reseed reads the clock alone: two starts in the same millisecond
// give the same draws, and so the same shuffled list.
TEST(Uhrzufall, GleicheMillisekundeGleicheFolge)
{
    std::uint32_t ms = 45296789;
    Uhrzufall eins([&ms] { return ms; });
    Uhrzufall zwei([&ms] { return ms; });
    eins.StarteZufall();
    const std::vector<int> erste = Ziehungen(eins, 50, 10000);
    zwei.StarteZufall();
    EXPECT_EQ(Ziehungen(zwei, 50, 10000), erste);
    eins.StarteZufall();
    EXPECT_EQ(Ziehungen(eins, 50, 10000), erste);

    Uebung uebung;
    uebung.SetzeFesteBausteine();
    const std::vector<std::string> liste = uebung.FuelleAuswahl(Richtung::mTW, eins);
    EXPECT_EQ(uebung.FuelleAuswahl(Richtung::mTW, zwei), liste);

    ms += 1;
    eins.StarteZufall();
    EXPECT_NE(Ziehungen(eins, 50, 10000), erste);
}

TEST(Uhrzufall, ZufallszahlBleibtImBereich)
{
    Uhrzufall zufall([] { return 12345U; });
    for (const int n : {1, 2, 5, 8, 21, 9999, 10000}) {
        SCOPED_TRACE(n);
        int kleinste = n;
        int groesste = -1;
        for (const int r : Ziehungen(zufall, 20000, n)) {
            kleinste = std::min(kleinste, r);
            groesste = std::max(groesste, r);
        }
        EXPECT_EQ(kleinste, 0);
        EXPECT_LE(groesste, n - 1);
        if (n <= 21) {
            EXPECT_EQ(groesste, n - 1);
        }
    }
}

TEST(Uhrzufall, UhrZeigtMillisekundenDesTages)
{
    EXPECT_LT(Uhrzufall::MillisekundenSeitMitternacht(), 24U * 60 * 60 * 1000);
}
