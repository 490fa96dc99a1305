// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

// The window font at a character height in pixels (11, 24 or 32), in a
// sans-serif face whose widths fit the layout.
QFont sansFont(int pixelHeight);
