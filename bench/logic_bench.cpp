// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What one command of the exercise logic costs, against the floor of one
// draw of the program's generator.
#include "aufgabe.h"
#include "pruefung.h"
#include "uebung.h"
#include "zufallsquelle.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// The program's generator without the reseed, so that a figure shows the
// draws alone; optionally it answers the kind draw with a fixed kind.
class OhneNeustart : public Zufallsquelle
{
public:
    explicit OhneNeustart(int festeArt = -1) : festeArt(festeArt) {}

    void StarteZufall() override {}
    int Zufallszahl(int n) override
    {
        ++ziehungen;
        // Only the kind of a new task is drawn out of 8.
        if (n == Aufgabentypen && festeArt >= 0) {
            return festeArt;
        }
        return uhr.Zufallszahl(n);
    }

    long ziehungen = 0;

private:
    int festeArt;
    Uhrzufall uhr;
};

// Hides the concrete type, so the draw goes through the interface as it does
// inside the logic.
Zufallsquelle &UeberSchnittstelle(Zufallsquelle &zufall)
{
    Zufallsquelle *zeiger = &zufall;
    benchmark::DoNotOptimize(zeiger);
    return *zeiger;
}

Rechenarten AusMaske(std::int64_t maske)
{
    return {(maske & 1) != 0, (maske & 2) != 0, (maske & 4) != 0, (maske & 8) != 0};
}

void MaskenArgumente(benchmark::internal::Benchmark *b)
{
    b->ArgName("Rechenarten");
    for (const int maske : {1, 2, 4, 8, 15}) {
        b->Arg(maske);
    }
}

void BM_Zufallszahl(benchmark::State &state)
{
    Uhrzufall uhr;
    Zufallsquelle &zufall = UeberSchnittstelle(uhr);
    for (auto _ : state) {
        benchmark::DoNotOptimize(zufall.Zufallszahl(10000));
    }
}
BENCHMARK(BM_Zufallszahl);

void BM_StarteZufall(benchmark::State &state)
{
    Uhrzufall uhr;
    Zufallsquelle &zufall = UeberSchnittstelle(uhr);
    for (auto _ : state) {
        zufall.StarteZufall();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StarteZufall);

// The clock read alone, the larger part of a reseed.
void BM_Uhr(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(Uhrzufall::MillisekundenSeitMitternacht());
    }
}
BENCHMARK(BM_Uhr);

// Rechenarten is a mask: 1 Addition, 2 Subtraktion, 4 Multiplikation,
// 8 Division, 15 all four. Every reseed within one millisecond replays the
// same task, and a cheap task fits more repeats into its millisecond, so this
// figure leans towards the cheap tasks; the variant without reseed below
// draws fresh numbers every time.
void BM_NeueAufgabe(benchmark::State &state)
{
    const Rechenarten erlaubt = AusMaske(state.range(0));
    Uhrzufall zufall;
    Aufgabe aufgabe;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NeueAufgabe(erlaubt, aufgabe, zufall));
        benchmark::DoNotOptimize(aufgabe);
    }
}
BENCHMARK(BM_NeueAufgabe)->Apply(MaskenArgumente);

void BM_NeueAufgabeOhneNeustart(benchmark::State &state)
{
    const Rechenarten erlaubt = AusMaske(state.range(0));
    OhneNeustart zufall;
    Aufgabe aufgabe;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NeueAufgabe(erlaubt, aufgabe, zufall));
        benchmark::DoNotOptimize(aufgabe);
    }
    state.counters["Ziehungen"] = benchmark::Counter(static_cast<double>(zufall.ziehungen),
                                                     benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_NeueAufgabeOhneNeustart)->Apply(MaskenArgumente);

// One try of one kind, accepted at once: the pairs of its condition alone.
void BM_NeueAufgabeEinerArt(benchmark::State &state)
{
    OhneNeustart zufall(static_cast<int>(state.range(0)));
    Aufgabe aufgabe;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NeueAufgabe({true, true, true, true}, aufgabe, zufall));
        benchmark::DoNotOptimize(aufgabe);
    }
    state.counters["Ziehungen"] = benchmark::Counter(static_cast<double>(zufall.ziehungen),
                                                     benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_NeueAufgabeEinerArt)->ArgName("Aufgabentyp")->DenseRange(0, 7);

// Kind 0 has the most wordings; its last one is the longest way to a match.
const Aufgabe pruefaufgabe{1234, 5678, 0, "+", true};

void BM_PruefeAntwort(benchmark::State &state, Richtung richtung, std::string zeile)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(PruefeAntwort(richtung, pruefaufgabe, zeile));
    }
}
BENCHMARK_CAPTURE(BM_PruefeAntwort, mTW_richtig, Richtung::mTW,
                  "welche Zahl muss man zu 1234 addieren um 5678 zu erhalten ? ");
BENCHMARK_CAPTURE(BM_PruefeAntwort, mTW_falsch, Richtung::mTW,
                  "welche Zahl muss man zu 1234 addieren um 5678 erhalten ? ");
BENCHMARK_CAPTURE(BM_PruefeAntwort, mWT_richtig, Richtung::mWT, "1234 + x = 5678 ");
BENCHMARK_CAPTURE(BM_PruefeAntwort, mWT_falsch, Richtung::mWT, "x + 1234 = 5678 ");

void BM_FuelleAuswahl(benchmark::State &state, Richtung richtung)
{
    Uebung uebung;
    uebung.SetzeFesteBausteine();
    uebung.SetzeZahlbausteine(richtung, pruefaufgabe);
    Uhrzufall zufall;
    for (auto _ : state) {
        benchmark::DoNotOptimize(uebung.FuelleAuswahl(richtung, zufall));
    }
}
BENCHMARK_CAPTURE(BM_FuelleAuswahl, mTW, Richtung::mTW);
BENCHMARK_CAPTURE(BM_FuelleAuswahl, mWT, Richtung::mWT);

} // namespace
