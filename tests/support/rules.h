// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class TForm1;

// The three rules the handlers keep at all times, checked on the window
// alone: each command's button is visible exactly when its menu item is
// enabled; at most one picture shows, and none beside "Prüfe"; exactly one
// direction carries the check mark. One line per broken rule; empty when
// all hold.
QStringList ruleViolations(const TForm1 &window);
