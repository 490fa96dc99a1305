// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules.h"

#include "tamsel_u1.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

QStringList ruleViolations(const TForm1 &w)
{
    QStringList violations;
    if (w.bPruefe->isHidden() == w.Prfe1->isEnabled()) {
        violations.append(QStringLiteral("rule: \"Prüfe\" visible %1 but \"&Prüfe\" enabled %2")
                              .arg(!w.bPruefe->isHidden())
                              .arg(w.Prfe1->isEnabled()));
    }
    if (w.bWiederhole->isHidden() == w.Wiederhole1->isEnabled()) {
        violations.append(
            QStringLiteral("rule: \"Wiederhole\" visible %1 but \"&Wiederhole\" enabled %2")
                .arg(!w.bWiederhole->isHidden())
                .arg(w.Wiederhole1->isEnabled()));
    }
    const int pictures = int(!w.Image1->isHidden()) + int(!w.Image2->isHidden());
    if (pictures > 1) {
        violations.append(QStringLiteral("rule: both pictures are visible"));
    }
    if (pictures > 0 && !w.bPruefe->isHidden()) {
        violations.append(QStringLiteral("rule: a picture is visible together with \"Prüfe\""));
    }
    if (w.mTW->isChecked() == w.mWT->isChecked()) {
        violations.append(QStringLiteral("rule: mTW checked %1 and mWT checked %2")
                              .arg(w.mTW->isChecked())
                              .arg(w.mWT->isChecked()));
    }
    return violations;
}
