// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>

// One of the two pumpkin pictures, 200 by 200 pixels, unscaled. Both stay
// hidden until the first check and most starts never show the grim one, so
// the picture is decoded when it is first shown, not when the window is
// built: decoding both took about a tenth of the start-up.
//
// No Q_OBJECT of its own, so to styles, tests and screen readers it is the
// plain label it always was.
class Picture : public QLabel
{
public:
    // name: the resource's base name, image1 or image2.
    Picture(const QString &name, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString name;
    bool decoded = false;
};
