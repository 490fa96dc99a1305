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
    connect(this, &QListWidget::itemClicked, this, &BlockList::onItemClicked);
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
    mouseDown = true;
    selectionMovedByMouse = false;
    clickReported = false;
    QListWidget::mousePressEvent(event);
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
    if (event->button() != Qt::LeftButton || !mouseDown) {
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
    const bool choice = clickReported || selectionMovedByMouse;
    mouseDown = false;
    selectionMovedByMouse = false;
    clickReported = false;
    if (choice) {
        emit chosen();
    }
}

void BlockList::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click; its release reports the second
    // click, so a double click is two choices, like two single clicks.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}

void BlockList::keyPressEvent(QKeyEvent *event)
{
    // A release that never arrived (the pointer grabbed elsewhere) must not
    // swallow the keyboard's choices.
    mouseDown = false;
    QListWidget::keyPressEvent(event);
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

void BlockList::onItemClicked()
{
    if (mouseDown) {
        clickReported = true;
    }
}
