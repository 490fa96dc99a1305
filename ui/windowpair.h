// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tamsel_u1.h"
#include "tamsel_u2.h"
#include "zufallsquelle.h"

// The program's two windows, made in the start-up's order: first the main
// window, whose FormCreate has run once it is built, then the solutions
// dialog, hidden, which "Hilfe" fills and shows. The start-up, the tests and
// the benchmarks all build the pair here, so none of them can wire it
// differently. Neither window is shown yet.
class WindowPair
{
public:
    explicit WindowPair(Zufallsquelle &zufall);

    TForm1 Form1;
    // A child of Form1: it opens centred over it and is destroyed with it.
    TForm2 &Form2;
};
