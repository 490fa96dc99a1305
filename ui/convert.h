// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// The exercise logic speaks UTF-8 in std::string, the windows QString; every
// text crosses here, so a block, a wording and a verdict read the same way.
inline QString qt(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QStringList qt(const std::vector<std::string> &texts)
{
    QStringList converted;
    converted.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string &text : texts) {
        converted.append(qt(text));
    }
    return converted;
}
