// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

// A fixed-size array indexed from 1, so that the palettes and their display
// orders read like their tables: entry 1 is the first block.
template <typename T, std::size_t N> class Feld
{
public:
    T &operator[](std::size_t index)
    {
        assert(index >= 1 && index <= N);
        return werte[index - 1];
    }
    const T &operator[](std::size_t index) const
    {
        assert(index >= 1 && index <= N);
        return werte[index - 1];
    }

    auto begin() const { return werte.begin(); }
    auto end() const { return werte.end(); }

    bool operator==(const Feld &) const = default;

private:
    std::array<T, N> werte{};
};
