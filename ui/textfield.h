// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <string>

// An editable plain-text field drawn like a caption: no frame, the button
// face behind the text, word wrap and no scroll bars. Pasting keeps only the
// plain text, so rich text cannot change what the check sees; Tab moves the
// focus on instead of typing a tab character.
class TextField : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TextField(QWidget *parent = nullptr);

    // The text exactly as the field holds it: no-break spaces and line
    // separators stay as typed; only the paragraph break the field makes for
    // Enter reads as '\n'. Reading never changes the field.
    QString exactText() const;
    std::string exactUtf8() const;

    // Appends at the end without rebuilding the field, so a long line stays
    // quick to extend. The program's own changes are no undo steps.
    void appendAtEnd(const QString &text);

    // Replaces the whole text; also not an undo step.
    void replaceText(const QString &text);

protected:
    // The field has no frame of its own; while it has the focus it shows one,
    // so a keyboard user sees where typing goes.
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
