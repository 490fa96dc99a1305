// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "uebung.h"
#include "zufallsquelle.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>
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

// The clock reads the local time of day to the millisecond. Pinned to time
// zones given as fixed offsets, the local time of day follows from the
// epoch alone; a clock that reads UTC, drops the milliseconds or stands
// still misses the window between the readings before and after.
TEST(Uhrzufall, UhrZeigtMillisekundenDesTages)
{
    constexpr std::int64_t tag = 24LL * 60 * 60 * 1000;
    const auto epochMs = [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    };
    struct Zone
    {
        const char *tz; // POSIX: the offset west of UTC
        std::int64_t ostVonUtcMs;
    };
    const Zone zonen[] = {
        {"UTC0", 0}, {"ZONE-5:30", 5 * 3600000LL + 30 * 60000LL}, {"ZONE+7", -7 * 3600000LL}};
    const char *vorher = std::getenv("TZ");
    const std::string alteZone = vorher != nullptr ? vorher : "";
    for (const Zone &zone : zonen) {
        SCOPED_TRACE(zone.tz);
        setenv("TZ", zone.tz, 1);
        tzset();
        const std::int64_t davor = epochMs();
        const std::int64_t gelesen = Uhrzufall::MillisekundenSeitMitternacht();
        const std::int64_t danach = epochMs();
        const std::int64_t von = ((davor + zone.ostVonUtcMs) % tag + tag) % tag;
        const std::int64_t bis = ((danach + zone.ostVonUtcMs) % tag + tag) % tag;
        if (bis < von) {
            continue; // midnight fell between the readings
        }
        EXPECT_GE(gelesen, von);
        EXPECT_LE(gelesen, bis);
    }
    if (vorher != nullptr) {
        setenv("TZ", alteZone.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}
