// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test.h"

#include <QApplication>
#include <QTest>

void WindowTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void WindowTest::init()
{
    f = std::make_unique<WindowFixture>();
    w = &f->Form1;
    d = &f->Form2;
    QVERIFY(f->active);
}

void WindowTest::cleanup()
{
    w = nullptr;
    d = nullptr;
    f.reset();
}
