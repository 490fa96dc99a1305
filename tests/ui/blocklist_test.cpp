// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_state.h"
#include "window_test.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QWindow>

// Every way a pupil (or the program) can touch the list, and how many
// blocks each must append. The task is posed as its question, so the list
// holds the five equation blocks in palette order, all in view:
// 0 "=", 1 "x", 2 "1234", 3 "+", 4 "5678".
class BlockListTest : public WindowTest
{
    Q_OBJECT

private:
    QPoint inWindow(QPoint imViewport) const
    {
        return w->lbAuswahl->viewport()->mapTo(w, imViewport);
    }

    // One step of a row's script; false if the step is not understood.
    bool perform(const QString &schritt)
    {
        QWidget *viewport = w->lbAuswahl->viewport();
        const auto zeile = [&](int ab) { return f->centreOf(schritt.mid(ab).toInt()); };
        if (schritt.startsWith("click")) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, zeile(5));
        } else if (schritt.startsWith("right")) {
            QTest::mouseClick(viewport, Qt::RightButton, {}, zeile(5));
        } else if (schritt.startsWith("window")) {
            // Through the window system, as a real mouse arrives.
            QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, inWindow(zeile(6)));
        } else if (schritt.startsWith("double")) {
            QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {}, inWindow(zeile(6)));
        } else if (schritt.startsWith("drag")) {
            const QStringList von = schritt.mid(4).split('-');
            const QPoint start = f->centreOf(von[0].toInt());
            const QPoint ende = f->centreOf(von[1].toInt());
            QTest::mousePress(viewport, Qt::LeftButton, {}, start);
            QTest::mouseMove(viewport, (start + ende) / 2);
            QTest::mouseMove(viewport, ende);
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, ende);
        } else if (schritt == "below") {
            QTest::mouseClick(viewport, Qt::LeftButton, {},
                              QPoint(50, 5 * BlockList::rowHeight + 10));
        } else if (schritt == "tab") {
            // From the question field, which stands before the list.
            w->Memo->setFocus();
            QTest::keyClick(w->Memo, Qt::Key_Tab);
            return QApplication::focusWidget() == w->lbAuswahl;
        } else if (schritt == "refill") {
            // Prüfe offers Wiederhole, whose shuffle here keeps the order.
            f->script(unshuffled(5));
            QTest::mouseClick(w->bPruefe, Qt::LeftButton);
            QTest::mouseClick(w->bWiederhole, Qt::LeftButton);
        } else if (schritt == "new") {
            f->script(joined({taskScript(1, 1234, 5678), unshuffled(5), {0}}));
            QTest::mouseClick(w->bNeu, Qt::LeftButton);
        } else if (schritt.startsWith("key")) {
            static const QMap<QString, QPair<int, Qt::KeyboardModifiers>> tasten{
                {"Down", {Qt::Key_Down, {}}},
                {"Up", {Qt::Key_Up, {}}},
                {"Home", {Qt::Key_Home, {}}},
                {"End", {Qt::Key_End, {}}},
                {"Space", {Qt::Key_Space, {}}},
                {"CtrlSpace", {Qt::Key_Space, Qt::ControlModifier}},
                {"PageDown", {Qt::Key_PageDown, {}}},
                {"X", {Qt::Key_X, {}}},
            };
            const auto taste = tasten.find(schritt.mid(3));
            if (taste == tasten.end()) {
                return false;
            }
            QTest::keyClick(w->lbAuswahl, Qt::Key(taste->first), taste->second);
        } else {
            return false;
        }
        return true;
    }

private slots:
    // Every row starts from the equation blocks of one task, in palette order.
    void init()
    {
        WindowTest::init();
        if (QTest::currentTestFailed()) {
            return;
        }
        w->mWT->trigger();
        f->script(joined({taskScript(1, 1234, 5678), unshuffled(5), {0}}));
        QTest::mouseClick(w->bNeu, Qt::LeftButton);
        QCOMPARE(f->entries(), (QStringList{"=", "x", "1234", "+", "5678"}));
    }

    void eineWahlJeHandlung_data()
    {
        QTest::addColumn<QString>("schritte");
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<int>("wahlen");

        // clang-format off
        QTest::newRow("click on a new entry") << "click1" << "x " << 1;
        QTest::newRow("click on the selected entry again") << "click1 click1" << "x x " << 2;
        QTest::newRow("clicks on two entries") << "click1 click3" << "x + " << 2;
        QTest::newRow("click through the window system") << "window3 window3" << "+ + " << 2;
        QTest::newRow("double click is two clicks") << "double2" << "1234 1234 " << 2;
        QTest::newRow("press dragged to another entry") << "drag0-2" << "1234 " << 1;
        QTest::newRow("click below the entries") << "below" << "" << 0;
        QTest::newRow("right click") << "click0 right1" << "= " << 1;
        QTest::newRow("arrow keys") << "click0 keyDown keyDown keyUp" << "= x 1234 x " << 4;
        QTest::newRow("Home and End") << "click2 keyEnd keyHome" << "1234 5678 = " << 3;
        QTest::newRow("End on the last entry") << "click4 keyEnd" << "5678 " << 1;
        QTest::newRow("page down") << "click0 keyPageDown" << "= 5678 " << 2;
        QTest::newRow("typing the start of an entry") << "click0 keyX" << "= x " << 2;
        QTest::newRow("Ctrl+Space clears the selection") << "click1 keyCtrlSpace" << "x " << 2;
        QTest::newRow("focus moved into the list") << "tab" << "" << 0;
        QTest::newRow("focus in, then Down") << "tab keyDown" << "x " << 1;
        QTest::newRow("focus in, then Space") << "tab keySpace" << "= " << 1;
        QTest::newRow("Wiederhole fills the list") << "click1 refill" << "" << 1;
        QTest::newRow("Neu fills the list") << "click3 new" << "" << 1;
        QTest::newRow("click after a fill") << "click1 refill click1" << "x " << 2;
        QTest::newRow("Down after a fill") << "click3 refill keyDown" << "= " << 2;
        // clang-format on
    }

    void eineWahlJeHandlung()
    {
        QFETCH(QString, schritte);
        QFETCH(QString, antwort);
        QFETCH(int, wahlen);
        QSignalSpy gewaehlt(w->lbAuswahl, &BlockList::chosen);
        for (const QString &schritt : schritte.split(' ')) {
            QVERIFY2(perform(schritt), qPrintable("step " + schritt));
        }
        QCOMPARE(f->answer(), antwort);
        QCOMPARE(gewaehlt.count(), wahlen);
        QCOMPARE(f->entries(), (QStringList{"=", "x", "1234", "+", "5678"}));
    }

    void eintraege()
    {
        BlockList *liste = w->lbAuswahl;
        QCOMPARE(liste->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!liste->isSortingEnabled());
        QVERIFY(liste->selectedItems().isEmpty());
        for (int i = 0; i < liste->count(); ++i) {
            QCOMPARE(liste->visualItemRect(liste->item(i)).height(), 29);
        }
        QVERIFY(!liste->verticalScrollBar()->isVisible());

        // The 21 word blocks need the scroll bar, and keep the order given.
        w->mTW->trigger();
        f->script(joined({taskScript(1, 1234, 5678), reversedShuffle(21)}));
        QTest::mouseClick(w->bNeu, Qt::LeftButton);
        QStringList erwartet = wordPalette("1234", "5678");
        std::reverse(erwartet.begin(), erwartet.end());
        QCOMPARE(f->entries(), erwartet);
        QTRY_VERIFY(liste->verticalScrollBar()->isVisible());
        f->clickRow(20);
        QCOMPARE(f->answer(), QStringLiteral("addieren "));
    }

    void gleicheZahlenInBeidenBloecken()
    {
        f->script(joined({taskScript(0, 7, 7), unshuffled(5), {0}}));
        QTest::mouseClick(w->bNeu, Qt::LeftButton);
        f->clickTexts({"7", "+", "x", "="});
        f->clickRow(4);
        QCOMPARE(f->answer(), QStringLiteral("7 + x = 7 "));
        QTest::mouseClick(w->bPruefe, Qt::LeftButton);
        QCOMPARE(f->panel(TForm1::Panel::Value), QStringLiteral("Wert: 0"));
    }
};

QTEST_MAIN(BlockListTest)
#include "blocklist_test.moc"
