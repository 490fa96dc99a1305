// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main of the GoogleTest programs that drive the real windows: one
// QApplication on the offscreen platform (unless QT_QPA_PLATFORM says
// otherwise), kept alive while windows close.
#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// The offscreen platform says at every window that it cannot raise it or
// pass size hints on; that is no news to a test.
void ohneOffscreenHinweise(QtMsgType typ, const QMessageLogContext &kontext, const QString &text)
{
    if (typ == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(typ, kontext, text)));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(ohneOffscreenHinweise);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
