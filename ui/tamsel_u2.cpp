// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tamsel_u2.h"

#include "accessibility.h"
#include "fonts.h"

#include <QEvent>
#include <QHideEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(at);
    // A label follows its text, so no face cuts its caption short.
    label->adjustSize();
    return label;
}

QPlainTextEdit *makeField(QWidget *parent, const char *name, const QRect &geometry,
                          Qt::ScrollBarPolicy verticalBar)
{
    auto *field = new QPlainTextEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(geometry);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Wrapped at blanks only, like the answer line: breaking an overlong word
    // as well costs Qt time that grows with the square of its length, and a
    // pasted word of 100,000 letters held "Hilfe" for a second. Such a word
    // now runs past the right edge instead.
    field->setWordWrapMode(QTextOption::WordWrap);
    field->setVerticalScrollBarPolicy(verticalBar);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab goes on to the next control, so "Zurück" is reached by keyboard.
    field->setTabChangesFocus(true);
    return field;
}

} // namespace

TForm2::TForm2(QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    installAccessibility();
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Mögliche Antwort(en):"));
    setFont(sansFont(11));
    setFixedSize(311, 270);
    setSizeGripEnabled(false);

    Label1 = makeLabel(this, "Label1", QStringLiteral("Deine Antwort:"), {8, 8});
    rAntwort = makeField(this, "rAntwort", {8, 24, 297, 57}, Qt::ScrollBarAlwaysOff);
    rAntwort->setAccessibleName(QStringLiteral("Deine Antwort"));
    Label2 = makeLabel(this, "Label2", QStringLiteral("Richtige Antwort(en):"), {8, 88});
    rAntworten = makeField(this, "rAntworten", {8, 104, 297, 129}, Qt::ScrollBarAsNeeded);
    rAntworten->setAccessibleName(QStringLiteral("Richtige Antworten"));

    Label1->setBuddy(rAntwort);
    Label2->setBuddy(rAntworten);

    bZurueck = new QPushButton(QStringLiteral("Zurück"), this);
    bZurueck->setObjectName(QStringLiteral("bZurueck"));
    bZurueck->setGeometry(112, 240, 75, 25);
    // Enter in a field starts a new line and must not close the dialog.
    bZurueck->setAutoDefault(false);
    bZurueck->setDefault(false);
    pressOnEnter(bZurueck);
    connect(bZurueck, &QPushButton::clicked, this, &TForm2::bZurueckClick);

    setTabOrder(rAntwort, rAntworten);
    setTabOrder(rAntworten, bZurueck);
}

void TForm2::showAnswers(const QString &answerLine, const QStringList &correctAnswers)
{
    rAntwort->setPlainText(answerLine);
    // Set at once, so the list opens at its first line.
    rAntworten->setPlainText(correctAnswers.join(QLatin1Char('\n')));
    // A screen reader then reads the title and the first answer.
    rAntworten->setFocus();
    exec();
}

void TForm2::bZurueckClick()
{
    reject();
}

void TForm2::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Some window managers offer to minimise the dialog although it asks for
    // a close box only. Minimised, it would leave the main window blocked
    // with nothing to click, so it comes straight back.
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible() && isMinimized()) {
                    showNormal();
                    raise();
                    activateWindow();
                }
            },
            Qt::QueuedConnection);
    }
}

void TForm2::hideEvent(QHideEvent *event)
{
    // Qt centres a dialog over its parent at every showing unless it has
    // been placed; from the second showing on it stays where it was last.
    if (!event->spontaneous()) {
        setAttribute(Qt::WA_Moved);
    }
    QDialog::hideEvent(event);
}
