// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// the baseline's own main(), unchanged, under the name that startup_offscreen.cpp
// calls after taking its clock.
#define main programMain
#include "baseline.cpp"
