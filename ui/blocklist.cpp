// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "blocklist.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace {

// Qt turns a touch into mouse events; they carry the touch screen as device.
bool fromTouch(const QMouseEvent *event)
{
    return event->pointingDevice() != nullptr &&
           event->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen;
}

} // namespace

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
    if (beginPress(event)) {
        QListWidget::mousePressEvent(event);
    }
}

void BlockList::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt delivers the second press of a double click as this event alone.
    if (beginPress(event)) {
        QListWidget::mouseDoubleClickEvent(event);
    }
}

bool BlockList::beginPress(QMouseEvent *event)
{
    if (fromTouch(event)) {
        beginTap(event);
        return false;
    }
    // Only the left button chooses; other buttons must not move the
    // selection away from the last choice either.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return false;
    }
    beginMouseChoice(event);
    return true;
}

void BlockList::mouseMoveEvent(QMouseEvent *event)
{
    if (fromTouch(event)) {
        followSwipe(event);
        return;
    }
    if (event->buttons() & ~Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void BlockList::mouseReleaseEvent(QMouseEvent *event)
{
    if (fromTouch(event)) {
        endTap(event);
        return;
    }
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

// A finger selects nothing when it touches the list: lifted where it came
// down, it was a tap, and a tap chooses the entry; moved further, it is a
// swipe, which scrolls the list with the finger and chooses nothing.
void BlockList::beginTap(QMouseEvent *event)
{
    event->accept();
    tapStart = event->position();
    tappedRow = indexAt(event->position().toPoint()).row();
    scrollStart = verticalScrollBar()->value();
    swiping = false;
}

void BlockList::followSwipe(QMouseEvent *event)
{
    event->accept();
    if (!(event->buttons() & Qt::LeftButton)) {
        return;
    }
    if (!swiping &&
        (event->position() - tapStart).manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    swiping = true;
    // The scroll bar counts rows while the list scrolls by rows.
    const qreal perStep = verticalScrollMode() == ScrollPerItem ? rowHeight : 1.0;
    const qreal moved = event->position().y() - tapStart.y();
    verticalScrollBar()->setValue(scrollStart - qRound(moved / perStep));
}

void BlockList::endTap(QMouseEvent *event)
{
    event->accept();
    const int row = tappedRow;
    tappedRow = -1;
    const bool tapped = !swiping && (event->position() - tapStart).manhattanLength() <
                                        QApplication::startDragDistance();
    swiping = false;
    if (row >= 0 && tapped && indexAt(event->position().toPoint()).row() == row) {
        chooseRow(row);
    }
}

void BlockList::chooseRow(int row)
{
    {
        // Selecting the tapped entry is part of this one choice.
        const QScopedValueRollback guard(filling, true);
        setCurrentRow(row);
    }
    emit chosen();
}
