// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The direction of the exercise: the menu item that carries the check mark.
enum class Richtung
{
    mTW, // "Gleichung-->Wortform": the equation is posed, the pupil words it
    mWT, // "&Wortform-->Gleichung": the question is posed, the pupil writes the equation
};
