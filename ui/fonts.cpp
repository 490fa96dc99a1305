// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

namespace {

// The sans-serif faces the windows ask for, best first. Liberation Sans has
// the widths of the classic Windows faces the layout was drawn for, so every
// caption fits its control; the others are fallbacks of similar width.
QStringList sansFamilies()
{
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")};
}

} // namespace

QFont sansFont(int pixelHeight)
{
    QFont font;
    font.setFamilies(sansFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}
