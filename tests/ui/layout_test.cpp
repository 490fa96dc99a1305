// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fragen.h"
#include "window_state.h"
#include "window_test.h"

#include <QFile>
#include <QFontInfo>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>

namespace {

// The widest texts a task can put on screen: every wording of every kind
// and every equation, with four-digit numbers.
QStringList widestTexts(bool gleichungen)
{
    QStringList texte;
    for (int typ = 0; typ < 8; ++typ) {
        Aufgabe aufgabe;
        aufgabe.Aufgabentyp = typ;
        aufgabe.Zahl1 = 9999;
        aufgabe.Zahl2 = 9999;
        aufgabe.Rechenzeichen = "*";
        if (gleichungen) {
            texte.append(QString::fromStdString(Gleichungstext(aufgabe)));
            continue;
        }
        Fragevarianten fragen;
        std::int32_t anzahl = 0;
        FragenDerAufgabe(aufgabe, anzahl, fragen);
        for (std::int32_t p = 0; p < anzahl; ++p) {
            texte.append(QString::fromStdString(fragen[static_cast<std::size_t>(p)]));
        }
    }
    return texte;
}

// The height the text takes when wrapped at the field's width.
int wrappedHeight(const QWidget *feld, const QString &text)
{
    return feld->fontMetrics()
        .boundingRect(QRect(0, 0, feld->width(), 10000), Qt::TextWordWrap, text + ' ')
        .height();
}

} // namespace

class LayoutTest : public WindowTest
{
    Q_OBJECT

private:
    QWidget *control(const QString &name) const { return w->findChild<QWidget *>(name); }

private slots:
    void steuerelemente_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("eltern");
        QTest::addColumn<QRect>("lage");
        QTest::addColumn<int>("schrift");

        // clang-format off
        QTest::newRow("Image1")      << "Image1"      << "Client"    << QRect(248, 144, 200, 200) << 11;
        QTest::newRow("Image2")      << "Image2"      << "Client"    << QRect(248, 144, 200, 200) << 11;
        QTest::newRow("Panel1")      << "Panel1"      << "Client"    << QRect(8, 16, 233, 105)    << 11;
        QTest::newRow("bNeu")        << "bNeu"        << "Panel1"    << QRect(136, 8, 89, 89)     << 32;
        QTest::newRow("cbAdd")       << "cbAdd"       << "Panel1"    << QRect(16, 8, 73, 17)      << 11;
        QTest::newRow("cbSub")       << "cbSub"       << "Panel1"    << QRect(16, 32, 89, 17)     << 11;
        QTest::newRow("cbMult")      << "cbMult"      << "Panel1"    << QRect(16, 56, 89, 17)     << 11;
        QTest::newRow("cbDiv")       << "cbDiv"       << "Panel1"    << QRect(16, 80, 81, 17)     << 11;
        QTest::newRow("GroupBox1")   << "GroupBox1"   << "Client"    << QRect(248, 0, 409, 129)   << 24;
        QTest::newRow("lTerm")       << "lTerm"       << "GroupBox1" << QRect(48, 40, 9, 37)      << 32;
        QTest::newRow("Memo")        << "Memo"        << "GroupBox1" << QRect(8, 32, 393, 89)     << 24;
        QTest::newRow("GroupBox2")   << "GroupBox2"   << "Client"    << QRect(8, 128, 233, 217)   << 24;
        QTest::newRow("lbAuswahl")   << "lbAuswahl"   << "GroupBox2" << QRect(8, 32, 217, 177)    << 24;
        QTest::newRow("GroupBox3")   << "GroupBox3"   << "Client"    << QRect(8, 360, 649, 105)   << 24;
        QTest::newRow("lWortform")   << "lWortform"   << "GroupBox3" << QRect(8, 32, 633, 65)     << 24;
        QTest::newRow("bPruefe")     << "bPruefe"     << "Client"    << QRect(248, 144, 105, 97)  << 32;
        QTest::newRow("bWiederhole") << "bWiederhole" << "Client"    << QRect(464, 144, 193, 97)  << 32;
        QTest::newRow("bHilfe")      << "bHilfe"      << "Client"    << QRect(464, 248, 193, 97)  << 32;
        // clang-format on
    }

    void steuerelemente()
    {
        QFETCH(QString, name);
        QFETCH(QString, eltern);
        QFETCH(QRect, lage);
        QFETCH(int, schrift);
        QWidget *c = control(name);
        QVERIFY(c != nullptr);
        QCOMPARE(c->parentWidget()->objectName(), eltern);
        QCOMPARE(c->geometry(), lage);
        QCOMPARE(c->font().pixelSize(), schrift);
        // Resizing moves no control.
        w->resize(1000, 740);
        QCOMPARE(c->geometry(), lage);
    }

    void fensterUndStatusleiste()
    {
        const int menue = w->MainMenu1->height();
        QCOMPARE(w->size(), QSize(665, menue + 496));
        QCOMPARE(w->centralWidget()->geometry(), QRect(0, menue, 665, 477));
        QCOMPARE(w->StatusBar->geometry(), QRect(0, menue + 477, 665, 19));
        QVERIFY(w->StatusBar->isSizeGripEnabled());
        QCOMPARE(w->statusPanel(TForm1::Panel::Verdict)->width(), 50);
        QCOMPARE(w->statusPanel(TForm1::Panel::Spare)->width(), 50);
        const int rest = w->statusPanel(TForm1::Panel::Value)->width();
        QVERIFY(rest > 400);

        // Only the status bar follows the bottom edge, its last panel widening.
        w->resize(900, 700);
        QCOMPARE(w->StatusBar->geometry(), QRect(0, 700 - 19, 900, 19));
        QCOMPARE(w->statusPanel(TForm1::Panel::Verdict)->width(), 50);
        QCOMPARE(w->statusPanel(TForm1::Panel::Value)->width(), rest + 900 - 665);
    }

    void stapelung()
    {
        const QObjectList kinder = w->centralWidget()->children();
        QVERIFY(kinder.indexOf(w->Image1) < kinder.indexOf(w->Image2));
        QVERIFY(kinder.indexOf(w->Image2) < kinder.indexOf(w->bPruefe));
        const QPoint ecke(250, 146);
        w->Image1->show();
        w->Image2->show();
        w->bPruefe->show();
        QCOMPARE(w->centralWidget()->childAt(ecke), w->bPruefe);
        w->bPruefe->hide();
        QCOMPARE(w->centralWidget()->childAt(ecke), w->Image2);
        w->Image2->hide();
        QCOMPARE(w->centralWidget()->childAt(ecke), w->Image1);

        w->mWT->trigger();
        QWidget *ueberTerm = w->GroupBox1->childAt(w->lTerm->geometry().center());
        QVERIFY(ueberTerm == w->Memo || w->Memo->isAncestorOf(ueberTerm));
    }

    void schriftart()
    {
        const QFontInfo info(w->bNeu->font());
        qInfo("font: %s", qPrintable(info.family()));
        QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(w->font()).pixelSize(), 11);
        QCOMPARE(QFontInfo(f->Form2.font()).family(), QStringLiteral("Liberation Sans"));
    }

    // No caption is cut short: each button's and box's text fits within it.
    void beschriftungenPassen()
    {
        const QList<QAbstractButton *> knoepfe =
            w->centralWidget()->findChildren<QAbstractButton *>() +
            f->Form2.findChildren<QAbstractButton *>();
        QCOMPARE(knoepfe.size(), 9);
        for (QAbstractButton *knopf : knoepfe) {
            const int text = knopf->fontMetrics().horizontalAdvance(knopf->text());
            int braucht = text;
            if (qobject_cast<QCheckBox *>(knopf) != nullptr) {
                braucht = knopf->sizeHint().width();
            } else {
                braucht += 2 * knopf->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, knopf);
            }
            qInfo("%-12s %-16s text %3d px, needs %3d of %3d px", qPrintable(knopf->objectName()),
                  qPrintable(knopf->text()), text, braucht, knopf->width());
            QVERIFY2(braucht <= knopf->width(), qPrintable(knopf->objectName()));
        }
        QStringList titel;
        for (QGroupBox *box : w->centralWidget()->findChildren<QGroupBox *>()) {
            titel.append(box->title());
            QVERIFY(box->minimumSizeHint().width() <= box->width());
        }
        QCOMPARE(titel, (QStringList{"Aufgabe:", "Wähle aus:", "Die Wortform lautet:"}));
        w->mWT->trigger();
        QVERIFY(w->GroupBox3->minimumSizeHint().width() <= w->GroupBox3->width());
    }

    // Every equation fits on the label's line, every question in Memo and
    // every right answer in the answer line, without a scroll bar.
    void aufgabenPassen()
    {
        for (const QString &gleichung : widestTexts(true)) {
            const int breite = w->lTerm->fontMetrics().horizontalAdvance(gleichung);
            QVERIFY2(w->lTerm->x() + breite <= w->GroupBox1->width() - 8, qPrintable(gleichung));
        }
        const QStringList fragen = widestTexts(false);
        QVERIFY(fragen.size() == 6 + 7 * 4);
        for (const QString &frage : fragen) {
            QVERIFY2(wrappedHeight(w->Memo, frage) <= w->Memo->height(), qPrintable(frage));
            QVERIFY2(wrappedHeight(w->lWortform, frage) <= w->lWortform->height(),
                     qPrintable(frage));
        }
    }

    void bilderUndSymbol()
    {
        const qreal dichte = qApp->devicePixelRatio();
        for (QLabel *bild : {w->Image1, w->Image2}) {
            // A picture is decoded when it is first shown; the pupil sees it then.
            bild->show();
            const QPixmap pixmap = bild->pixmap();
            QVERIFY(!pixmap.isNull());
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(200, 200));
            QCOMPARE(pixmap.devicePixelRatio(), dichte > 1.0 ? 2.0 : 1.0);
            QCOMPARE(pixmap.depth(), 32);
        }
        for (const char *datei : {":/res/image1.png", ":/res/image1@2x.png", ":/res/image2.png",
                                  ":/res/image2@2x.png", ":/res/tamsel2.png"}) {
            QVERIFY2(QFile::exists(datei), datei);
        }
        QCOMPARE(QPixmap(":/res/image1@2x.png").size(), QSize(400, 400));
        QCOMPARE(w->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
