// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a pupil without a mouse, with a screen reader or on a touch board
// meets: Enter on buttons, where the focus goes after each command, what the
// screen reader is told, the focus frame, and taps and swipes on the list.
#include "accessibility.h"
#include "announcer.h"
#include "blocklist.h"
#include "textfield.h"
#include "window_test.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointingDevice>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

namespace {

const QString equation = "x + 1234 = 5678";
const QString question =
    "zu welcher Zahl muss man die Zahl 1234 addieren um die Zahl 5678 zu erhalten ?";

std::vector<int> taskTW()
{
    return joined({taskScript(1, 1234, 5678), unshuffled(21)});
}

std::vector<int> taskWT()
{
    return joined({taskScript(1, 1234, 5678), unshuffled(5), {0}});
}

// The relative luminance of a colour, as contrast ratios are defined on it.
double luminance(QColor colour)
{
    auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How clearly the focus frame stands out on every side of a rectangle: for
// each side, the strongest contrast between the rendering with and without
// the focus, scanning inwards from that side across its middle. The weakest
// side counts, so a frame missing on one side, or no frame, fails.
double focusFrameContrast(const QImage &focused, const QImage &unfocused, const QRect &rect)
{
    constexpr int depth = 8;
    const QPoint middle = rect.center();
    const std::array<std::pair<QPoint, QPoint>, 4> sides{{
        {{rect.left(), middle.y()}, {1, 0}},
        {{rect.right(), middle.y()}, {-1, 0}},
        {{middle.x(), rect.top()}, {0, 1}},
        {{middle.x(), rect.bottom()}, {0, -1}},
    }};
    double weakest = std::numeric_limits<double>::max();
    for (const auto &[start, inwards] : sides) {
        double strongest = 1.0;
        for (int step = 0; step < depth; ++step) {
            const QPoint at = start + inwards * step;
            strongest =
                std::max(strongest, contrast(focused.pixelColor(at), unfocused.pixelColor(at)));
        }
        weakest = std::min(weakest, strongest);
    }
    return weakest;
}

QImage rendering(QWidget *widget)
{
    return widget->grab().toImage();
}

} // namespace

class KeyboardTest : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<QPointingDevice> touchScreen;

    QString spoken() const { return w->findChild<Announcer *>()->lastMessage(); }

    void press(QWidget *target, int key)
    {
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    // Presses a key on "Hilfe" and, while the dialog is open, notes where the
    // focus is and closes it with `close`.
    QWidget *openSolutionsByKey(int key, const std::function<void()> &close)
    {
        QWidget *focusInDialog = nullptr;
        QTimer::singleShot(0, d, [&] {
            // The control that takes the focus once the dialog is active.
            focusInDialog = d->focusWidget();
            close();
            if (d->isVisible()) {
                d->reject();
            }
        });
        w->bHilfe->setFocus();
        press(w->bHilfe, key);
        f->reactivate();
        return focusInDialog;
    }

private slots:
    void initTestCase()
    {
        WindowTest::initTestCase();
        QApplication::setStyle(styleWithVisibleFocus());
        touchScreen.reset(QTest::createTouchDevice());
    }

    // Qt 6.4 leaves a touch device made for a test behind at the end.
    void cleanupTestCase() { touchScreen.reset(); }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(int, key);
        f->script(taskTW());
        press(w->bNeu, key);
        QCOMPARE(w->lTerm->text(), equation);

        w->bPruefe->setFocus();
        press(w->bPruefe, key);
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QString("falsch"));

        f->script(unshuffled(21));
        press(w->bWiederhole, key);
        QVERIFY(w->bPruefe->isVisible());
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QString());

        w->bPruefe->setFocus();
        press(w->bPruefe, key);
        bool closedByZurueck = false;
        openSolutionsByKey(key, [&] {
            press(d->bZurueck, key);
            closedByZurueck = !d->isVisible();
        });
        QVERIFY(closedByZurueck);
    }

    void noButtonIsADefaultButtonAndEnterInAFieldBreaksTheLine()
    {
        for (QPushButton *button :
             w->findChildren<QPushButton *>() + d->findChildren<QPushButton *>()) {
            QVERIFY2(!button->isDefault() && !button->autoDefault(),
                     qPrintable(button->objectName()));
        }
        f->script(taskTW());
        press(w->bNeu, Qt::Key_Return);
        f->typeAnswer("zu");
        QTest::keyClick(w->lWortform, Qt::Key_Return);
        QCOMPARE(f->answer(), QString("zu\n"));
        QVERIFY(w->bPruefe->isVisible());
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QString());
    }

    void theFocusStaysWhereThePupilNeedsIt()
    {
        f->script(taskTW());
        QTest::keyClick(w->bNeu, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), w->bNeu);

        // The check, chosen from the menu while the list has the focus, hands
        // it to "Wiederhole", shown before "Prüfe" disappears.
        w->lbAuswahl->setFocus();
        f->chooseMenuItem(w->Prfe1);
        QVERIFY(f->reactivate());
        QCOMPARE(QApplication::focusWidget(), w->bWiederhole);

        f->script(unshuffled(21));
        QTest::keyClick(w->bWiederhole, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), w->bWiederhole);

        // Hidden with the focus, "Hilfe" hands it to its neighbour, never
        // round the tab chain.
        QTest::keyClick(w->bPruefe, Qt::Key_Space);
        w->bHilfe->setFocus();
        f->script(unshuffled(21));
        f->chooseMenuItem(w->Wiederhole1);
        QVERIFY(f->reactivate());
        QCOMPARE(QApplication::focusWidget(), w->bWiederhole);

        QTest::keyClick(w->bPruefe, Qt::Key_Space);
        w->bHilfe->setFocus();
        f->script(taskTW());
        f->chooseMenuItem(w->Neu1);
        QVERIFY(f->reactivate());
        QCOMPARE(QApplication::focusWidget(), w->bNeu);
    }

    void theDialogOpensOnTheAnswersAndGivesTheFocusBack_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Zurück") << "Zurück";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close box") << "close box";
    }

    void theDialogOpensOnTheAnswersAndGivesTheFocusBack()
    {
        QFETCH(QString, how);
        f->script(taskTW());
        QTest::keyClick(w->bNeu, Qt::Key_Space);
        QTest::keyClick(w->bPruefe, Qt::Key_Space);
        QAccessible::State dialogState;
        QWidget *focusInDialog = openSolutionsByKey(Qt::Key_Space, [&] {
            dialogState = QAccessible::queryAccessibleInterface(d)->state();
            if (how == "Zurück") {
                QTest::keyClick(d->bZurueck, Qt::Key_Space);
            } else if (how == "Escape") {
                QTest::keyClick(d->rAntworten, Qt::Key_Escape);
            } else {
                d->close();
            }
        });
        QCOMPARE(focusInDialog, d->rAntworten);
        QVERIFY(dialogState.modal);
        QVERIFY(!d->isVisible());
        QCOMPARE(QApplication::focusWidget(), w->bHilfe);
    }

    void aMinimisedDialogComesBack()
    {
        f->script(taskTW());
        QTest::keyClick(w->bNeu, Qt::Key_Space);
        QTest::keyClick(w->bPruefe, Qt::Key_Space);
        bool cameBack = false;
        QVERIFY(f->openSolutions([&] {
            d->setWindowState(Qt::WindowMinimized);
            cameBack = QTest::qWaitFor([&] { return d->isVisible() && !d->isMinimized(); });
        }));
        QVERIFY(cameBack);
    }

    void theScreenReaderIsToldEachOutcome()
    {
        f->script(taskTW());
        QTest::keyClick(w->bNeu, Qt::Key_Space);
        QCOMPARE(spoken(), "Aufgabe: " + equation);

        f->clickRow(f->rowOf("zu"));
        QCOMPARE(spoken(), QString("zu angehängt"));

        QTest::keyClick(w->bPruefe, Qt::Key_Space);
        QCOMPARE(spoken(), QString("falsch. Unter „Hilfe“ stehen die richtigen Antworten."));

        f->script(unshuffled(21));
        QTest::keyClick(w->bWiederhole, Qt::Key_Space);
        QCOMPARE(spoken(), QString("Antwort gelöscht, Bausteine neu gemischt."));

        f->typeAnswer(question + " ");
        QTest::keyClick(w->bPruefe, Qt::Key_Space);
        QCOMPARE(spoken(), QString("OK. Wert: 4444"));

        w->mWT->trigger();
        f->script(taskWT());
        QTest::keyClick(w->bNeu, Qt::Key_Space);
        QCOMPARE(spoken(), "Aufgabe: " + question);

        for (QCheckBox *box : f->operationBoxes()) {
            box->setChecked(false);
        }
        QTest::keyClick(w->bNeu, Qt::Key_Space);
        QCOMPARE(spoken(), QString("Keine Rechenart gewählt."));
    }

    void theMessageIsANotificationThatAppearsAndLeavesNoContent()
    {
        f->script(taskTW());
        QTest::keyClick(w->bNeu, Qt::Key_Space);
        auto *announcer = w->findChild<Announcer *>();
        QAccessibleInterface *notification = QAccessible::queryAccessibleInterface(announcer);
        QCOMPARE(notification->role(), QAccessible::Notification);
        // Spoken once the command has finished, after any change of focus.
        QTRY_COMPARE(notification->text(QAccessible::Name), "Aufgabe: " + equation);
        QVERIFY(announcer->isHidden());
        QCOMPARE(announcer->size(), QSize(0, 0));
    }

    void theFocusFrameStandsOut()
    {
        // From the start, before any key has been pressed.
        w->cbAdd->setFocus();
        const QImage buttonOff = rendering(w->bNeu);
        w->bNeu->setFocus();
        QVERIFY(focusFrameContrast(rendering(w->bNeu), buttonOff, w->bNeu->rect()) >= 3.0);

        // The frameless answer line shows a frame only while it has the focus.
        const QImage lineOff = rendering(w->lWortform->viewport());
        w->lWortform->setFocus();
        QVERIFY(focusFrameContrast(rendering(w->lWortform->viewport()), lineOff,
                                   w->lWortform->viewport()->rect()) >= 3.0);

        // The list's current entry, on the selection colour too.
        f->script(taskTW());
        QTest::keyClick(w->bNeu, Qt::Key_Space);
        w->lbAuswahl->setFocus();
        QTest::keyClick(w->lbAuswahl, Qt::Key_Down);
        const QRect entry = w->lbAuswahl->visualItemRect(w->lbAuswahl->currentItem());
        const QImage listOn = rendering(w->lbAuswahl->viewport());
        w->bNeu->setFocus();
        QVERIFY(focusFrameContrast(listOn, rendering(w->lbAuswahl->viewport()), entry) >= 3.0);
    }

    void aTapChoosesABlockAndASwipeScrollsTheList()
    {
        f->script(taskTW());
        QTest::keyClick(w->bNeu, Qt::Key_Space);
        QWidget *list = w->lbAuswahl->viewport();

        const QPoint onZu =
            w->lbAuswahl->visualItemRect(w->lbAuswahl->item(f->rowOf("zu"))).center();
        QTest::touchEvent(list, touchScreen.get()).press(0, onZu, list);
        QTest::touchEvent(list, touchScreen.get()).release(0, onZu, list);
        QCOMPARE(f->answer(), QString("zu "));

        QScrollBar *bar = w->lbAuswahl->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        const QPoint low(list->width() / 2, list->height() - 10);
        QTest::touchEvent(list, touchScreen.get()).press(0, low, list);
        for (int up = 10; up <= 120; up += 10) {
            QTest::touchEvent(list, touchScreen.get()).move(0, low - QPoint(0, up), list);
        }
        QTest::touchEvent(list, touchScreen.get()).release(0, low - QPoint(0, 120), list);
        QVERIFY(bar->value() > 0);
        QCOMPARE(f->answer(), QString("zu "));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
