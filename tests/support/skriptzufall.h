// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zufallsquelle.h"

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

// A random source for tests: it replays scripted values and records every
// call, so a test can assert the exact sequence one command makes. When the
// script runs out it goes on with a seeded generator, so a command never
// hangs on a draw that can never satisfy its condition.
class SkriptZufall : public Zufallsquelle
{
public:
    explicit SkriptZufall(std::initializer_list<int> werte = {}, std::uint32_t seed = 1)
        : skript(werte), generator(seed)
    {}

    void SkriptAnhaengen(const std::vector<int> &werte)
    {
        skript.insert(skript.end(), werte.begin(), werte.end());
    }

    void StarteZufall() override { aufrufe.push_back(0); }

    int Zufallszahl(int n) override
    {
        aufrufe.push_back(n);
        if (skript.empty()) {
            return std::uniform_int_distribution<int>(0, n - 1)(generator);
        }
        const int wert = skript.front();
        skript.pop_front();
        if (wert < 0 || wert >= n) {
            ungueltig.push_back("Zufallszahl(" + std::to_string(n) + ") -> " +
                                std::to_string(wert));
            return 0;
        }
        return wert;
    }

    // The calls so far, e.g. "S 8 10000 10000 S 21 20 ... 2": S for
    // StarteZufall, a number n for Zufallszahl(n).
    std::string Protokoll() const
    {
        std::string text;
        for (const int aufruf : aufrufe) {
            if (!text.empty()) {
                text += ' ';
            }
            text += aufruf == 0 ? std::string("S") : std::to_string(aufruf);
        }
        return text;
    }

    void ProtokollLoeschen() { aufrufe.clear(); }
    std::size_t Restskript() const { return skript.size(); }

    // Scripted values that lay outside 0..n-1 of their call: a broken script.
    std::vector<std::string> ungueltig;

private:
    std::deque<int> skript;
    std::vector<int> aufrufe;
    std::mt19937 generator;
};
