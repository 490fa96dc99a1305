// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_text.h"
#include "window_state.h"
#include "window_test.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWindow>

namespace {

const QStringList wortlauteTyp1{
    "zu welcher Zahl muss man die Zahl 1234 addieren um die Zahl 5678 zu erhalten ?",
    "zu welcher Zahl muss man 1234 addieren um die Zahl 5678 zu erhalten ?",
    "zu welcher Zahl muss man die Zahl 1234 addieren um 5678 zu erhalten ?",
    "zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ?",
};

const QStringList wortlauteTyp0{
    "welche Zahl muss man zu der Zahl 12 addieren um die Zahl 30 zu erhalten ?",
    "welche Zahl muss man zur Zahl 12 addieren um die Zahl 30 zu erhalten ?",
    "welche Zahl muss man zu 12 addieren um die Zahl 30 zu erhalten ?",
    "welche Zahl muss man zu der Zahl 12 addieren um 30 zu erhalten ?",
    "welche Zahl muss man zur Zahl 12 addieren um 30 zu erhalten ?",
    "welche Zahl muss man zu 12 addieren um 30 zu erhalten ?",
};

} // namespace

class Form2Test : public WindowTest
{
    Q_OBJECT

private:
    void neu(bool gleichungGefragt, int typ, int zahl1, int zahl2)
    {
        if (gleichungGefragt) {
            w->mWT->trigger();
        }
        f->script(
            joined({taskScript(typ, zahl1, zahl2), unshuffled(gleichungGefragt ? 5 : 21), {0}}));
        QTest::mouseClick(w->bNeu, Qt::LeftButton);
    }

    // What the dialog showed while it was open.
    struct Sight
    {
        bool offen = false;
        bool modal = false;
        QString antwort;
        QStringList antworten;
        QPoint platz;
    };

    Sight hilfe(const std::function<void()> &waehrenddessen = {})
    {
        Sight anblick;
        f->openSolutions([&] {
            anblick.offen = d->isVisible();
            anblick.modal = QApplication::activeModalWidget() == d;
            anblick.antwort = exactText(d->rAntwort);
            anblick.antworten = exactText(d->rAntworten).split('\n');
            anblick.platz = d->pos();
            if (waehrenddessen) {
                waehrenddessen();
            }
        });
        return anblick;
    }

private slots:
    void fenster()
    {
        QCOMPARE(d->windowTitle(), QStringLiteral("Mögliche Antwort(en):"));
        QCOMPARE(d->minimumSize(), QSize(311, 270));
        QCOMPARE(d->maximumSize(), QSize(311, 270));
        const Qt::WindowFlags flags = d->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(d->font().pixelSize(), 11);
        QVERIFY(d->isHidden());
        QVERIFY(!d->bZurueck->autoDefault());
        QVERIFY(!d->bZurueck->isDefault());
        QCOMPARE(d->Label1->text(), QStringLiteral("Deine Antwort:"));
        QCOMPARE(d->Label2->text(), QStringLiteral("Richtige Antwort(en):"));
        QCOMPARE(d->bZurueck->text(), QStringLiteral("Zurück"));
        QVERIFY(d->bZurueck->fontMetrics().horizontalAdvance("Zurück") + 12 <= 75);
        QCOMPARE(d->rAntwort->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(d->rAntworten->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QVERIFY(!d->rAntwort->isReadOnly());
        QVERIFY(!d->rAntworten->isReadOnly());
    }

    void steuerelemente_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("lage");
        QTest::newRow("Label1") << "Label1" << QRect(8, 8, 70, 13);
        QTest::newRow("rAntwort") << "rAntwort" << QRect(8, 24, 297, 57);
        QTest::newRow("Label2") << "Label2" << QRect(8, 88, 99, 13);
        QTest::newRow("rAntworten") << "rAntworten" << QRect(8, 104, 297, 129);
        QTest::newRow("bZurueck") << "bZurueck" << QRect(112, 240, 75, 25);
    }

    void steuerelemente()
    {
        QFETCH(QString, name);
        QFETCH(QRect, lage);
        auto *control = d->findChild<QWidget *>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->pos(), lage.topLeft());
        if (auto *label = qobject_cast<QLabel *>(control)) {
            // A label follows its text: at least as wide as it, never cut.
            QVERIFY(label->width() >= label->sizeHint().width());
            QVERIFY(label->geometry().right() < 305);
        } else {
            QCOMPARE(control->size(), lage.size());
        }
    }

    void hilfeZeigtDieAntworten_data()
    {
        QTest::addColumn<bool>("gleichungGefragt");
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("zahl1");
        QTest::addColumn<int>("zahl2");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QStringList>("antworten");

        const QString nbsp(QChar(0x00A0));
        QTest::newRow("empty line, wordings of kind 1")
            << false << 1 << 1234 << 5678 << "" << wortlauteTyp1;
        QTest::newRow("six wordings of kind 0")
            << false << 0 << 12 << 30 << "welche Zahl " << wortlauteTyp0;
        QTest::newRow("the equation")
            << true << 1 << 1234 << 5678 << "x + 1234 = 5678" << QStringList{"x + 1234 = 5678"};
        QTest::newRow("answer line kept exactly")
            << true << 7 << 9998 << 2 << " x" + nbsp + ": 2  =\n4999 "
            << QStringList{"9998 : x = 2"};
    }

    void hilfeZeigtDieAntworten()
    {
        QFETCH(bool, gleichungGefragt);
        QFETCH(int, typ);
        QFETCH(int, zahl1);
        QFETCH(int, zahl2);
        QFETCH(QString, eingabe);
        QFETCH(QStringList, antworten);
        for (QCheckBox *box : {w->cbAdd, w->cbSub, w->cbMult, w->cbDiv}) {
            box->setChecked(true);
        }
        neu(gleichungGefragt, typ, zahl1, zahl2);
        WindowFixture::pasteText(w->lWortform, eingabe);
        QTest::mouseClick(w->bPruefe, Qt::LeftButton);
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QStringLiteral("falsch"));
        const WindowState vorher = windowState(*f);

        const Sight anblick = hilfe();
        QVERIFY(anblick.offen);
        QVERIFY(anblick.modal);
        QCOMPARE(anblick.antwort, eingabe);
        QCOMPARE(anblick.antworten, antworten);
        QVERIFY(d->isHidden());
        QCOMPARE(lines(windowState(*f)), lines(vorher));
    }

    void mehrmalsGeoeffnet()
    {
        neu(false, 1, 1234, 5678);
        QTest::mouseClick(w->bPruefe, Qt::LeftButton);
        // The pupil types into both fields; nothing of it stays or counts.
        const Sight erster = hilfe([&] {
            QTest::keyClicks(d->rAntwort, "abc");
            QTest::keyClicks(d->rAntworten, "xyz");
        });
        QCOMPARE(erster.antworten, wortlauteTyp1);
        QCOMPARE(f->answer(), QString());

        f->clickTexts({"zu", "welcher Zahl"});
        const Sight zweiter = hilfe();
        QCOMPARE(zweiter.antwort, QStringLiteral("zu welcher Zahl "));
        QCOMPARE(zweiter.antworten, wortlauteTyp1);
        const Sight dritter = hilfe();
        QCOMPARE(dritter.antworten, wortlauteTyp1);
        QVERIFY(!w->bHilfe->isHidden());
    }

    void richtungGewechseltNachDemUrteil()
    {
        neu(false, 1, 1234, 5678);
        QTest::mouseClick(w->bPruefe, Qt::LeftButton);
        w->mWT->trigger();
        QCOMPARE(hilfe().antworten, QStringList{"x + 1234 = 5678"});
        w->mTW->trigger();
        QCOMPARE(hilfe().antworten, wortlauteTyp1);
    }

    void hauptfensterNimmtNichtsAn()
    {
        neu(false, 1, 1234, 5678);
        QTest::mouseClick(w->bPruefe, Qt::LeftButton);
        const WindowState vorher = windowState(*f);
        // Clicks through the window system, as a real mouse: the modal
        // dialog blocks them.
        hilfe([&] {
            const QPoint neuKnopf = w->bNeu->mapTo(w, QPoint(40, 40));
            QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, neuKnopf);
            QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {},
                              w->bWiederhole->mapTo(w, QPoint(40, 40)));
        });
        QCOMPARE(lines(windowState(*f)), lines(vorher));
    }

    void schliessen_data()
    {
        QTest::addColumn<int>("weg"); // 0 "Zurück", 1 close box, 2 Enter in a field
        QTest::addColumn<bool>("geschlossen");
        QTest::newRow("Zurück") << 0 << true;
        QTest::newRow("close box") << 1 << true;
        QTest::newRow("Enter in a field") << 2 << false;
    }

    void schliessen()
    {
        QFETCH(int, weg);
        QFETCH(bool, geschlossen);
        neu(false, 1, 1234, 5678);
        QTest::mouseClick(w->bPruefe, Qt::LeftButton);
        bool nachher = false;
        QString getippt;
        hilfe([&] {
            if (weg == 0) {
                QTest::mouseClick(d->bZurueck, Qt::LeftButton);
            } else if (weg == 1) {
                d->close();
            } else {
                d->rAntwort->setFocus();
                QTest::keyClick(d->rAntwort, Qt::Key_Return);
                getippt = d->rAntwort->toPlainText();
            }
            nachher = d->isHidden();
        });
        QCOMPARE(nachher, geschlossen);
        if (weg == 2) {
            QCOMPARE(getippt, QStringLiteral("\n"));
        }
        QVERIFY(d->isHidden());
        QVERIFY(!w->bHilfe->isHidden());
    }

    void tabReihenfolge()
    {
        neu(false, 1, 1234, 5678);
        QTest::mouseClick(w->bPruefe, Qt::LeftButton);
        QStringList besucht;
        hilfe([&] {
            // Offscreen, a tool window is never made active, so the keys go
            // to the dialog's own focus widget.
            d->rAntwort->setFocus();
            for (int i = 0; i < 3; ++i) {
                QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
                besucht.append(d->focusWidget()->objectName());
            }
        });
        QCOMPARE(besucht, (QStringList{"rAntworten", "bZurueck", "rAntwort"}));
    }

    void ersterPlatzMittigDannDerLetzte()
    {
        neu(false, 1, 1234, 5678);
        QTest::mouseClick(w->bPruefe, Qt::LeftButton);
        QPoint mitteDialog;
        QPoint verschoben;
        const Sight erster = hilfe([&] {
            mitteDialog = d->frameGeometry().center();
            // As the window manager moves it when the pupil drags it.
            d->windowHandle()->setPosition(40, 50);
            QTest::qWait(10);
            verschoben = d->pos();
        });
        const QPoint mitteFenster = w->frameGeometry().center();
        QVERIFY2((mitteDialog - mitteFenster).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("dialog centre %1,%2, window centre %3,%4")
                                .arg(mitteDialog.x())
                                .arg(mitteDialog.y())
                                .arg(mitteFenster.x())
                                .arg(mitteFenster.y())));
        QVERIFY(erster.platz != verschoben);

        w->move(300, 200);
        QCOMPARE(hilfe().platz, verschoben);
        QCOMPARE(hilfe().platz, verschoben);
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
