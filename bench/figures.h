// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The figures the window's benchmarks print from their samples, in one place
// so that the start-up probe and the command benchmark read them alike.

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace figures {

// The q-quantile (0 <= q <= 1) of the samples, interpolated linearly between
// the two nearest ranks; -1 when there are none, so a failed case shows as
// an impossible time instead of stopping the run.
inline double quantile(std::vector<double> values, double q)
{
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (at - static_cast<double>(low));
}

// The middle sample, or the mean of the two middle ones.
inline double median(std::vector<double> values)
{
    return quantile(std::move(values), 0.5);
}

// A figure with a fixed number of decimals, for the table's cells.
inline std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace figures
