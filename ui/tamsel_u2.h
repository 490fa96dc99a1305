// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The solutions dialog: the pupil's answer line above every correct answer.
// It holds nothing of the exercise; the main window fills it before each
// showing.
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    // Shows the pupil's answer line, unchanged, above the correct answers,
    // one a line, and waits until the pupil closes the dialog. Every showing
    // replaces what the last one left.
    void showAnswers(const QString &answerLine, const QStringList &correctAnswers);

    QLabel *Label1;
    QPlainTextEdit *rAntwort;
    QPlainTextEdit *rAntworten;
    QLabel *Label2;
    QPushButton *bZurueck;

public slots:
    void bZurueckClick();

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};
