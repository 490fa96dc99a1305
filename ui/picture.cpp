// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include <QApplication>
#include <QPixmap>

namespace {

// The 2x rendering on a high-density screen, so the picture stays crisp.
QPixmap decode(const QString &name)
{
    if (qApp->devicePixelRatio() > 1.0) {
        QPixmap sharp(QStringLiteral(":/res/%1@2x.png").arg(name));
        sharp.setDevicePixelRatio(2.0);
        return sharp;
    }
    return QPixmap(QStringLiteral(":/res/%1.png").arg(name));
}

} // namespace

Picture::Picture(const QString &name, QWidget *parent) : QLabel(parent), name(name) {}

void Picture::showEvent(QShowEvent *event)
{
    // The show event comes before the first paint, so the picture is there
    // in the very frame that shows it.
    if (!decoded) {
        setPixmap(decode(name));
        decoded = true;
    }
    QLabel::showEvent(event);
}
