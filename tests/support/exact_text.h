// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPlainTextEdit;

// The text of a plain-text field exactly as it holds it: no-break spaces
// and line separators stay, and only the field's own paragraph breaks read
// as '\n'. toPlainText() would turn the no-break spaces into blanks.
QString exactText(const QPlainTextEdit *field);

// Where typed or pasted text lands in a field's text for a cursor position:
// within the text, and never between the halves of a surrogate pair.
int textPosition(const QString &text, int position);
