// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowpair.h"

WindowPair::WindowPair(Zufallsquelle &zufall) : Form1(zufall), Form2(*new TForm2(&Form1))
{
    Form1.Form2 = &Form2;
}
