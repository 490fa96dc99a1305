// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include "blocklist.h"
#include "exact_text.h"
#include "textfield.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

WindowFixture::WindowFixture()
{
    Form1.move(40, 40);
    Form1.show();
    Form1.activateWindow();
    active = QTest::qWaitForWindowActive(&Form1);
}

long &WindowFixture::inputsSent()
{
    static long count = 0;
    return count;
}

std::array<QCheckBox *, 4> WindowFixture::operationBoxes() const
{
    return {Form1.cbAdd, Form1.cbSub, Form1.cbMult, Form1.cbDiv};
}

QString WindowFixture::panel(TForm1::Panel panel) const
{
    return Form1.statusPanel(panel)->text();
}

QString WindowFixture::answer() const
{
    return Form1.lWortform->exactText();
}

QStringList listEntries(const TForm1 &window)
{
    QStringList texts;
    for (int i = 0; i < window.lbAuswahl->count(); ++i) {
        texts.append(window.lbAuswahl->item(i)->text());
    }
    return texts;
}

QStringList WindowFixture::entries() const
{
    return listEntries(Form1);
}

int WindowFixture::rowOf(const QString &text) const
{
    return static_cast<int>(entries().indexOf(text));
}

QPoint WindowFixture::centreOf(int row) const
{
    QListWidgetItem *item = Form1.lbAuswahl->item(row);
    Form1.lbAuswahl->scrollToItem(item);
    return Form1.lbAuswahl->visualItemRect(item).center();
}

void WindowFixture::click(QWidget *widget, QPoint at)
{
    QWidget *window = widget->window();
    ++inputsSent();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, at));
}

void WindowFixture::click(QWidget *widget)
{
    click(widget, widget->rect().center());
}

void WindowFixture::clickRow(int row) const
{
    const QPoint centre = centreOf(row);
    click(Form1.lbAuswahl->viewport(), centre);
}

void WindowFixture::clickTexts(const QStringList &texts) const
{
    for (const QString &text : texts) {
        clickRow(rowOf(text));
    }
}

void WindowFixture::chooseMenuItem(QAction *item) const
{
    click(Form1.MainMenu1, Form1.MainMenu1->actionGeometry(item).center());
}

bool WindowFixture::reactivate() const
{
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() != &Form1) {
        Form1.activateWindow();
    }
    // Not qWaitForWindowActive: that counts a window active while a popup of
    // its own is.
    return QTest::qWaitFor([this] { return QApplication::activeWindow() == &Form1; }, 2000);
}

bool WindowFixture::chooseDirectionByMouse(QAction *item) const
{
    QMenu *menu = Form1.Aufgabenart1;
    chooseMenuItem(menu->menuAction());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) {
        return false;
    }
    click(menu, menu->actionGeometry(item).center());
    return QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000) && reactivate();
}

bool WindowFixture::chooseWTByKeyboard() const
{
    QMenu *menu = Form1.Aufgabenart1;
    inputsSent() += 2;
    QTest::keyClick(&Form1, Qt::Key_A, Qt::AltModifier);
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) {
        return false;
    }
    QTest::keyClick(menu, Qt::Key_W);
    return QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000) && reactivate();
}

void WindowFixture::placeCursor(TextField *field, int position)
{
    field->setFocus(Qt::MouseFocusReason);
    QTextCursor cursor(field->document());
    cursor.setPosition(textPosition(field->exactText(), position));
    field->setTextCursor(cursor);
}

void WindowFixture::typeKey(QWidget *target, QChar character)
{
    ++inputsSent();
    if (character == QLatin1Char('\n')) {
        QTest::keyClick(target, Qt::Key_Return);
    } else if (character.unicode() < 0x80) {
        QTest::keyClick(target, character.toLatin1());
    } else {
        // QTest knows the keys of ASCII only; Qt's key codes of the Latin-1
        // letters are their upper-case code points.
        QTest::sendKeyEvent(QTest::Click, target,
                            static_cast<Qt::Key>(character.toUpper().unicode()), QString(character),
                            Qt::NoModifier);
    }
}

void WindowFixture::typeKeys(TextField *field, int position, const QString &text)
{
    placeCursor(field, position);
    for (const QChar character : text) {
        typeKey(field, character);
    }
}

void WindowFixture::typeAnswer(const QString &text) const
{
    typeKeys(Form1.lWortform, static_cast<int>(answer().size()), text);
}

void WindowFixture::backspace(TextField *field, int position, int count)
{
    placeCursor(field, position);
    inputsSent() += count;
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(field, Qt::Key_Backspace);
    }
}

void WindowFixture::paste(TextField *field, int position, QMimeData *data)
{
    QGuiApplication::clipboard()->setMimeData(data);
    placeCursor(field, position);
    ++inputsSent();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

void WindowFixture::pasteText(TextField *field, const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    paste(field, static_cast<int>(field->exactText().size()), data);
}

void WindowFixture::clear(TextField *field)
{
    field->setFocus(Qt::MouseFocusReason);
    inputsSent() += 2;
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
}

bool WindowFixture::openSolutions(const std::function<void()> &whileOpen)
{
    bool opened = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &Form2, [&] {
        opened = true;
        if (whileOpen) {
            whileOpen();
        }
        if (Form2.isVisible()) {
            Form2.reject();
        }
    });
    timer.start(0);
    click(Form1.bHilfe);
    timer.stop();
    return reactivate() && opened;
}
