// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <random>

// The one way randomness reaches the exercise logic. Whoever draws gets a
// source handed in, so a test can script every draw and see every call.
class Zufallsquelle
{
public:
    virtual ~Zufallsquelle() = default;
    // Reseeds the generator.
    virtual void StarteZufall() = 0;
    // A uniformly distributed integer r with 0 <= r < n, for n >= 1.
    virtual int Zufallszahl(int n) = 0;
};

// The program's own source: a 32-bit Mersenne Twister that every
// StarteZufall reseeds from the time of day, to the millisecond.
class Uhrzufall : public Zufallsquelle
{
public:
    using Uhr = std::function<std::uint32_t()>;

    Uhrzufall();
    // For tests: the clock that yields the milliseconds since midnight.
    explicit Uhrzufall(Uhr millisekundenSeitMitternacht);

    void StarteZufall() override;
    int Zufallszahl(int n) override;

    static std::uint32_t MillisekundenSeitMitternacht();

private:
    Uhr uhr;
    std::mt19937 generator;
};
