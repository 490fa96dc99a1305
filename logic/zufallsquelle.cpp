// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "zufallsquelle.h"

#include <chrono>
#include <ctime>
#include <utility>

Uhrzufall::Uhrzufall() : Uhrzufall(&Uhrzufall::MillisekundenSeitMitternacht) {}

Uhrzufall::Uhrzufall(Uhr millisekundenSeitMitternacht)
    : uhr(std::move(millisekundenSeitMitternacht)), generator(uhr())
{}

void Uhrzufall::StarteZufall()
{
    generator.seed(uhr());
}

int Uhrzufall::Zufallszahl(int n)
{
    if (n <= 1) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(generator);
}

std::uint32_t Uhrzufall::MillisekundenSeitMitternacht()
{
    using namespace std::chrono;
    const auto jetzt = system_clock::now();
    const std::time_t sekunden = system_clock::to_time_t(jetzt);
    // Only the user-interface thread draws, so the shared buffer of
    // std::localtime is safe here.
    const std::tm ortszeit = *std::localtime(&sekunden);
    const auto millisekunden = duration_cast<milliseconds>(jetzt.time_since_epoch()).count() % 1000;
    const auto sekundenDesTages = (ortszeit.tm_hour * 60 + ortszeit.tm_min) * 60 + ortszeit.tm_sec;
    return static_cast<std::uint32_t>(sekundenDesTages * 1000 + millisekunden);
}
