// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfield.h"

#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

TextField::TextField(QWidget *parent) : QPlainTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Wrapped at blanks only: breaking an overlong word as well costs Qt
    // time that grows with the square of its length, and a pasted word of
    // 100,000 letters would freeze the window at every keystroke.
    setWordWrapMode(QTextOption::WordWrap);
    setTabChangesFocus(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    setPalette(colours);
    document()->setDocumentMargin(0);
}

QString TextField::exactText() const
{
    // toPlainText() would turn no-break spaces into blanks and line
    // separators into '\n'; the check must see what the pupil typed.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

std::string TextField::exactUtf8() const
{
    return exactText().toUtf8().toStdString();
}

void TextField::appendAtEnd(const QString &text)
{
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    // Inside an edit block the cursor does not lay out the line to find its
    // pixel column when it moves; outside one, Qt would lay out the whole
    // line twice for each append instead of once.
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(true);
}

void TextField::replaceText(const QString &text)
{
    document()->setUndoRedoEnabled(false);
    setPlainText(text);
    document()->setUndoRedoEnabled(true);
}

void TextField::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(viewport());
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = viewport()->rect();
    frame.state |= QStyle::State_KeyboardFocusChange;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

void TextField::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void TextField::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}
