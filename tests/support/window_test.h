// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window_fixture.h"

#include <QObject>
#include <memory>

// The base of the Qt Test classes of the windows: each test function starts
// from the two windows fresh, shown and active, and leaves none behind. A
// class that needs more at the start declares its own init() and calls this
// one first.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<WindowFixture> f;
    TForm1 *w = nullptr;
    TForm2 *d = nullptr;

protected slots:
    // A closed main window must not end the application between tests.
    void initTestCase();
    void init();
    void cleanup();
};
