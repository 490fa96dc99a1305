// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The floor that Qt Widgets itself sets: one main window with a menu bar and
// a status bar, of the size of the program's window and centred like it,
// and nothing else. Start-up, memory and idle figures of tamsel2 are read
// against this program.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Baseline"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    // One entry, because a bar without entries is laid out with no height
    // and would leave the floor without its menu bar.
    QAction *ende = window.menuBar()->addAction(QStringLiteral("&Ende"));
    QObject::connect(ende, &QAction::triggered, &window, &QMainWindow::close);
    window.statusBar();
    // The client area of the program's window below the menu bar.
    window.resize(665, window.menuBar()->sizeHint().height() + 496);
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return QApplication::exec();
}
