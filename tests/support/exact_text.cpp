// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>

QString exactText(const QPlainTextEdit *field)
{
    QString text = field->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

int textPosition(const QString &text, int position)
{
    position = std::clamp(position, 0, static_cast<int>(text.size()));
    if (position > 0 && position < text.size() && text.at(position).isLowSurrogate() &&
        text.at(position - 1).isHighSurrogate()) {
        --position;
    }
    return position;
}
