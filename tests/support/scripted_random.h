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
class ScriptedRandom : public Zufallsquelle
{
public:
    explicit ScriptedRandom(std::initializer_list<int> values = {}, std::uint32_t seed = 1)
        : script(values), generator(seed)
    {}

    void append(const std::vector<int> &values)
    {
        script.insert(script.end(), values.begin(), values.end());
    }

    void StarteZufall() override { log.push_back(0); }

    int Zufallszahl(int n) override
    {
        log.push_back(n);
        if (script.empty()) {
            return std::uniform_int_distribution<int>(0, n - 1)(generator);
        }
        const int value = script.front();
        script.pop_front();
        if (value < 0 || value >= n) {
            invalid.push_back("Zufallszahl(" + std::to_string(n) + ") -> " + std::to_string(value));
            return 0;
        }
        return value;
    }

    // The calls so far, e.g. "S 8 10000 10000 S 21 20 ... 2": S for
    // StarteZufall, a number n for Zufallszahl(n).
    std::string calls() const
    {
        std::string text;
        for (const int call : log) {
            if (!text.empty()) {
                text += ' ';
            }
            text += call == 0 ? std::string("S") : std::to_string(call);
        }
        return text;
    }

    void clearCalls() { log.clear(); }
    std::size_t remaining() const { return script.size(); }

    // Scripted values that lay outside 0..n-1 of their call: a broken script.
    std::vector<std::string> invalid;

private:
    std::deque<int> script;
    std::vector<int> log;
    std::mt19937 generator;
};

// Scripts for the draws of one command.

// One task: the kind, then both numbers as NeueAufgabe takes them (kinds 4
// to 6 draw the first number from 1, kind 7 the second).
inline std::vector<int> taskScript(int kind, int first, int second)
{
    const bool firstFromOne = kind == 4 || kind == 5 || kind == 6;
    const bool secondFromOne = kind == 7;
    return {kind, firstFromOne ? first - 1 : first, secondFromOne ? second - 1 : second};
}

// A shuffle of n entries that leaves them in palette order: Fisher-Yates
// from the top, where every draw picks the top position itself.
inline std::vector<int> unshuffled(int n)
{
    std::vector<int> values;
    for (int i = n; i >= 2; --i) {
        values.push_back(i - 1);
    }
    return values;
}

// A shuffle of n entries that reverses them.
inline std::vector<int> reversedShuffle(int n)
{
    std::vector<int> values;
    for (int i = n; i >= 2; --i) {
        const int target = n + 1 - i; // position i takes the entry n + 1 - i
        values.push_back(i > target ? target - 1 : i - 1);
    }
    return values;
}

inline std::vector<int> joined(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> all;
    for (const auto &part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}
