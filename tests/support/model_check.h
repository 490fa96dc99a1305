// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_fixture.h"
#include "window_model.h"

#include <QString>
#include <QStringList>
#include <string>

// Collects the differences between expected and shown texts, one line per
// control, named by it.
class Comparison
{
public:
    void field(const char *name, const QString &expected, const QString &actual)
    {
        if (expected != actual) {
            lines.append(QStringLiteral("%1: expected \"%2\", window has \"%3\"")
                             .arg(QLatin1String(name), shown(expected), shown(actual)));
        }
    }
    void field(const char *name, bool expected, bool actual)
    {
        field(name, expected ? QStringLiteral("true") : QStringLiteral("false"),
              actual ? QStringLiteral("true") : QStringLiteral("false"));
    }
    void field(const char *name, int expected, int actual)
    {
        field(name, QString::number(expected), QString::number(actual));
    }
    void field(const char *name, const std::string &expected, const std::string &actual)
    {
        field(name, qt(expected), qt(actual));
    }

    QStringList lines;

private:
    // Long texts shortened, control characters made visible.
    static QString shown(const QString &text)
    {
        const QString shortened = text.size() > 200 ? text.left(200) + QStringLiteral("...") : text;
        QString visible;
        for (const QChar character : shortened) {
            if (character.unicode() < 0x20 || character.unicode() == 0x7f) {
                visible +=
                    QStringLiteral("\\x%1").arg(character.unicode(), 2, 16, QLatin1Char('0'));
            } else {
                visible += character;
            }
        }
        return visible;
    }
};

// Every difference between the window and the model, one line each, named
// by its control, the exercise state behind the window and the three rules
// included; empty when they agree.
QStringList differences(const model::WindowModel &m, const WindowFixture &f);
