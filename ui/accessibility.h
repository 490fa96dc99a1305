// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;
class QLabel;
class QString;
class QStyle;
class QWidget;

// What a screen reader and a keyboard-only pupil need beyond what Qt's
// widgets offer by themselves.

// Makes the program's own accessibility interfaces known to Qt: the
// announcer as a notification, the dialog as modal, covered and always-empty
// labels as no content. Installing them again is harmless.
void installAccessibility();

// Enter and keypad Enter press the focused button, as Space does, without
// making it a default button of its window.
void pressOnEnter(QAbstractButton *button);

// A label that is never anything but decoration: a screen reader passes it by.
void hideFromScreenReader(QLabel *label);

// A label whose text alone would not say what it is ("OK", "Wert: 4444")
// is read with its caption in front, unless the text begins with it.
void setSpokenCaption(QLabel *label, const QString &caption);

// While cover is shown, the label lies under it and is not read out; nor is
// it while it is empty.
void setCoveredBy(QLabel *label, QWidget *cover);

// The style of the application with a focus frame that is always drawn,
// also before the first key press, in the window-text colour, so that it
// stands out clearly from the button face and the selection colour.
QStyle *styleWithVisibleFocus();
