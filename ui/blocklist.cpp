// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "blocklist.h"

#include <QMouseEvent>
#include <QScopedValueRollback>

BlockList::BlockList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    connect(this, &QListWidget::itemSelectionChanged, this, &BlockList::onSelectionChanged);
}

void BlockList::fill(const QStringList &texts)
{
    const QScopedValueRollback guard(filling, true);
    clear();
    for (const QString &text : texts) {
        auto *item = new QListWidgetItem(text, this);
        item->setSizeHint(QSize(0, rowHeight));
    }
}

void BlockList::mousePressEvent(QMouseEvent *event)
{
    // Only the left button chooses; other buttons must not move the
    // selection away from the last choice either.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    beginMouseChoice(event);
    QListWidget::mousePressEvent(event);
}

void BlockList::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt delivers the second press of a double click as this event alone.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    beginMouseChoice(event);
    QListWidget::mouseDoubleClickEvent(event);
}

void BlockList::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & ~Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void BlockList::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
    // A click is a press and a release on the same entry, as for Qt, but the
    // second click of a double click counts too.
    const int releasedRow = indexAt(event->position().toPoint()).row();
    const bool clicked = pressedRow >= 0 && releasedRow == pressedRow;
    const bool choice = mouseDown && (clicked || selectionMovedByMouse);
    mouseDown = false;
    pressedRow = -1;
    if (choice) {
        emit chosen();
    }
}

void BlockList::keyPressEvent(QKeyEvent *event)
{
    // A release that never arrived (the pointer grabbed elsewhere) must not
    // swallow the keyboard's choices.
    mouseDown = false;
    QListWidget::keyPressEvent(event);
}

void BlockList::beginMouseChoice(QMouseEvent *event)
{
    mouseDown = true;
    selectionMovedByMouse = false;
    pressedRow = indexAt(event->position().toPoint()).row();
}

void BlockList::onSelectionChanged()
{
    if (filling) {
        return;
    }
    if (mouseDown) {
        selectionMovedByMouse = true;
        return;
    }
    emit chosen();
}
