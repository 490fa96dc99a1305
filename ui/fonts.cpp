// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontDatabase>

namespace {

// The sans-serif faces the windows ask for, best first. Liberation Sans has
// the widths of the classic Windows faces the layout was drawn for, so every
// caption fits its control; the others are fallbacks of similar width.
QStringList sansFamilies()
{
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")};
}

// The first of those families that is installed, alone; all of them if none
// is. Qt takes the first installed family of a list as well, but it treats
// the others as fallbacks for missing characters and asks fontconfig for its
// own fallbacks of the face at once, on the way to the first frame, instead
// of when a character is missing. The layout's texts all lie in the face.
QStringList chosenFamilies()
{
    const QStringList wanted = sansFamilies();
    for (const QString &family : wanted) {
        if (!QFontDatabase::styles(family).isEmpty()) {
            return {family};
        }
    }
    return wanted;
}

} // namespace

QFont sansFont(int pixelHeight)
{
    // Chosen once: every control asks for the same face.
    static const QStringList families = chosenFamilies();
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}
