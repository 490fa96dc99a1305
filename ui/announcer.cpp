// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include "accessibility.h"

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    installAccessibility();
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &message)
{
    last = message;
    QMetaObject::invokeMethod(
        this, [this, message] { speak(message); }, Qt::QueuedConnection);
}

void Announcer::speak(const QString &message)
{
    setAccessibleName(message);
    // Appearing is what makes a screen reader speak a notification. It is
    // hidden again at once, so the message is never left behind as content.
    show();
    hide();
}
