// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "aufgabe.h"
#include "skriptzufall.h"

#include <gtest/gtest.h>

TEST(NeueAufgabe, OhneRechenartBleibtAllesUnberuehrt)
{
    SkriptZufall zufall;
    Aufgabe aufgabe{12, 34, 5, "*", true};
    const Aufgabe vorher = aufgabe;
    EXPECT_FALSE(NeueAufgabe({false, false, false, false}, aufgabe, zufall));
    EXPECT_EQ(aufgabe, vorher);
    EXPECT_EQ(zufall.Protokoll(), "");
}
