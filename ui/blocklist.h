// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QStringList>

// The list of building blocks. It reports each choice of the pupil exactly
// once through chosen(), whatever mix of signals Qt's list sends for it:
// - every left click on an entry is a choice, also on the entry already
//   selected (pupils need "die Zahl" twice in one wording), where Qt changes
//   no selection; a click on a new entry moves the selection on the press
//   and is still one choice;
// - a double click is two clicks, so two choices (Qt itself reports no
//   click for its second half);
// - a press on one entry dragged to another is one choice of the entry
//   selected at the release;
// - each keyboard move of the selection (arrows, Home, End, paging, typing the
//   start of an entry, Space on the current entry) is one choice;
// - the program's own filling and emptying, and the focus making an entry
//   current without selecting it, are no choice;
// - on a touch screen a tap on an entry is one choice and a swipe scrolls
//   the list without choosing anything.
class BlockList : public QListWidget
{
    Q_OBJECT

public:
    static constexpr int rowHeight = 29;

    explicit BlockList(QWidget *parent = nullptr);

    // Replaces all entries by the texts, in this order, with none selected.
    void fill(const QStringList &texts);

signals:
    void chosen();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Whether Qt's list may see the press: a touch or a button other than the
    // left one is handled here alone.
    bool beginPress(QMouseEvent *event);
    void beginMouseChoice(QMouseEvent *event);
    void beginTap(QMouseEvent *event);
    void followSwipe(QMouseEvent *event);
    void endTap(QMouseEvent *event);
    void chooseRow(int row);
    void onSelectionChanged();

    bool filling = false;
    // Between a left press in the list and its release: selection changes
    // then belong to the mouse, which reports its choice at the release.
    bool mouseDown = false;
    bool selectionMovedByMouse = false;
    int pressedRow = -1;
    // Where a finger touched the list, while it is down.
    QPointF tapStart;
    int tappedRow = -1;
    int scrollStart = 0;
    bool swiping = false;
};
