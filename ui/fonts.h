// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

// The sans-serif faces the windows ask for, best first. Liberation Sans has
// the widths of the classic Windows faces the layout was drawn for, so every
// caption fits its control; the others are fallbacks of similar width.
QStringList sansFamilies();

// The window font at a character height in pixels (11, 24 or 32).
QFont sansFont(int pixelHeight);
