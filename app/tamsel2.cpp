// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"
#include "windowpair.h"
#include "zufallsquelle.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Only the name: a display name would be appended to every caption,
    // and the dialog's caption must read exactly as it is.
    QApplication::setApplicationName(QStringLiteral("Tamsel2"));
    // Ties the windows to the installed desktop entry, for its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tamsel2.Tamsel2"));
    QApplication::setStyle(styleWithVisibleFocus());

    Uhrzufall zufall;
    WindowPair windows(zufall);
    TForm1 &Form1 = windows.Form1;

    Form1.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, Form1.size(),
                                          Form1.screen()->availableGeometry()));
    Form1.show();
    Form1.bNeu->setFocus();
    return QApplication::exec();
}
