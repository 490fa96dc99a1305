// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString exactText(const QPlainTextEdit *field)
{
    QString text = field->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}
