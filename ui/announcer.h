// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Speaks a short message through the screen reader without moving the focus
// and without anything a sighted pupil could see. It is an empty widget that
// presents itself as a notification: each message renames it and shows it
// anew, and screen readers read a notification aloud when it appears.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    // The message is spoken once the current event is handled, after the
    // screen reader has presented any change of focus that the command made;
    // otherwise that presentation would cut the message short.
    void announce(const QString &message);

    // The message last given, whether or not it has been spoken yet.
    QString lastMessage() const { return last; }

private:
    void speak(const QString &message);

    QString last;
};
