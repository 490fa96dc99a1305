// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules.h"
#include "window_state.h"
#include "window_test.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolTip>

namespace {

const QString frage0 =
    "zu welcher Zahl muss man die Zahl 1234 addieren um die Zahl 5678 zu erhalten ?";
const QStringList bloeckeFrage0{"zu", "welcher Zahl", "muss man", "die Zahl",    "1234", "addieren",
                                "um", "die Zahl",     "5678",     "zu erhalten", "?"};
const QString gleichung = "x + 1234 = 5678";

// Kind 1 with 1234 and 5678, the list left in palette order.
std::vector<int> taskTW()
{
    return joined({taskScript(1, 1234, 5678), unshuffled(21)});
}

// The same task posed as its question: the first wording.
std::vector<int> taskWT()
{
    return joined({taskScript(1, 1234, 5678), unshuffled(5), {0}});
}

const WindowState startZustand{
    {"Pruefe", "hidden, disabled"},
    {"Wiederhole", "hidden, disabled"},
    {"Hilfe", "hidden"},
    {"Image1", "hidden"},
    {"Image2", "hidden"},
    {"Panel0", ""},
    {"Panel1", ""},
    {"Panel2", ""},
    {"lWortform", ""},
    {"lTerm", " (enabled)"},
    {"Memo", "hidden: "},
    {"GroupBox3", "Die Wortform lautet:"},
    {"lbAuswahl", ""},
    {"mTW", "checked"},
    {"mWT", "unchecked"},
    {"Aufgabe", "0: 0  0"},
};

const WindowState nachNeu{{"Pruefe", "shown, enabled"},
                          {"Wiederhole", "hidden, disabled"},
                          {"Hilfe", "hidden"},
                          {"Image1", "hidden"},
                          {"Image2", "hidden"},
                          {"Panel0", ""},
                          {"Panel2", ""},
                          {"lWortform", ""}};

const WindowState nachRichtig{{"Pruefe", "hidden, disabled"},
                              {"Wiederhole", "shown, enabled"},
                              {"Image1", "shown"},
                              {"Panel0", "OK"}};

const WindowState nachFalsch{{"Pruefe", "hidden, disabled"},
                             {"Wiederhole", "shown, enabled"},
                             {"Hilfe", "shown"},
                             {"Image2", "shown"},
                             {"Panel0", "falsch"}};

const WindowState nachWiederhole{{"Pruefe", "shown, enabled"},
                                 {"Hilfe", "hidden"},
                                 {"Image1", "hidden"},
                                 {"Image2", "hidden"},
                                 {"Panel0", ""},
                                 {"Panel2", ""},
                                 {"lWortform", ""}};

WindowState merged(WindowState basis, const WindowState &mehr)
{
    for (auto it = mehr.cbegin(); it != mehr.cend(); ++it) {
        basis[it.key()] = it.value();
    }
    return basis;
}

QString withoutAmpersands(QString text)
{
    return text.remove('&');
}

// The effective tooltip where the mouse rests: Qt passes the request up the
// parents until one has a hint.
QString tooltipAt(QWidget *fenster, QPoint imFenster)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); })) {
        return QStringLiteral("(an earlier tooltip stayed open)");
    }
    QWidget *ziel = fenster->childAt(imFenster);
    if (ziel == nullptr) {
        ziel = fenster;
    }
    const QPoint lokal = ziel->mapFrom(fenster, imFenster);
    QHelpEvent hilfe(QEvent::ToolTip, lokal, ziel->mapToGlobal(lokal));
    QApplication::sendEvent(ziel, &hilfe);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class Form1Test : public WindowTest
{
    Q_OBJECT

private:
    void neu(const std::vector<int> &skript)
    {
        f->script(skript);
        QTest::mouseClick(w->bNeu, Qt::LeftButton);
    }
    void pruefe() { QTest::mouseClick(w->bPruefe, Qt::LeftButton); }
    void wiederhole() { QTest::mouseClick(w->bWiederhole, Qt::LeftButton); }

private slots:
    void startZustand()
    {
        QCOMPARE(lines(windowState(*f)), lines(::startZustand));
        QCOMPARE(ruleViolations(*w), QStringList());
        QCOMPARE(QApplication::focusWidget(), w->bNeu);
        QCOMPARE(w->lTerm->geometry(), QRect(48, 40, 9, 37));
        QCOMPARE(w->windowTitle(), QStringLiteral("Tamsel2"));
        QVERIFY(!w->windowIcon().isNull());
    }

    // The state table row by row, with the three rules after every event.
    void zustandstabelle()
    {
        WindowState vorher = windowState(*f);
        const auto schritt = [&](const WindowState &aenderungen) {
            const QStringList soll = withChanges(vorher, aenderungen);
            vorher = windowState(*f);
            return soll;
        };
        const QString woerter = wordPalette("1234", "5678").join('|');

        neu(taskTW());
        QCOMPARE(lines(windowState(*f)),
                 schritt(merged(nachNeu, {{"lTerm", gleichung + " (enabled)"},
                                          {"lbAuswahl", woerter},
                                          {"Aufgabe", "1: 1234 + 5678"}})));
        QCOMPARE(ruleViolations(*w), QStringList());

        f->clickTexts({"zu", "die Zahl"});
        QCOMPARE(lines(windowState(*f)), schritt({{"lWortform", "zu die Zahl "}}));

        pruefe();
        QCOMPARE(lines(windowState(*f)), schritt(nachFalsch));
        QCOMPARE(ruleViolations(*w), QStringList());

        f->script(reversedShuffle(21));
        wiederhole();
        QStringList umgekehrteWoerter = wordPalette("1234", "5678");
        std::reverse(umgekehrteWoerter.begin(), umgekehrteWoerter.end());
        QCOMPARE(lines(windowState(*f)),
                 schritt(merged(nachWiederhole, {{"lbAuswahl", umgekehrteWoerter.join('|')}})));
        QCOMPARE(ruleViolations(*w), QStringList());

        f->clickTexts(bloeckeFrage0);
        vorher = windowState(*f);
        pruefe();
        QCOMPARE(lines(windowState(*f)), schritt(merged(nachRichtig, {{"Panel2", "Wert: 4444"}})));
        QCOMPARE(ruleViolations(*w), QStringList());

        w->mWT->trigger();
        QCOMPARE(lines(windowState(*f)), schritt({{"lTerm", gleichung + " (disabled)"},
                                                  {"Memo", "shown: "},
                                                  {"GroupBox3", "Die Gleichung lautet:"},
                                                  {"mTW", "unchecked"},
                                                  {"mWT", "checked"}}));
        QCOMPARE(ruleViolations(*w), QStringList());

        neu(taskWT());
        QCOMPARE(lines(windowState(*f)),
                 schritt(merged(nachNeu,
                                {{"Memo", "shown: " + frage0}, {"lbAuswahl", "=|x|1234|+|5678"}})));
        QCOMPARE(ruleViolations(*w), QStringList());

        f->clickTexts({"x", "+", "1234", "=", "5678"});
        vorher = windowState(*f);
        pruefe();
        QCOMPARE(lines(windowState(*f)), schritt(merged(nachRichtig, {{"Panel2", "Wert: 4444"}})));

        w->mTW->trigger();
        QCOMPARE(lines(windowState(*f)), schritt({{"lTerm", " (enabled)"},
                                                  {"Memo", "hidden: " + frage0},
                                                  {"GroupBox3", "Die Wortform lautet:"},
                                                  {"mTW", "checked"},
                                                  {"mWT", "unchecked"}}));
        QCOMPARE(ruleViolations(*w), QStringList());
    }

    void neuOhneRechenartAendertNichts()
    {
        for (QCheckBox *box : {w->cbAdd, w->cbSub, w->cbMult, w->cbDiv}) {
            box->setChecked(false);
        }
        const QStringList zuBeginn = lines(windowState(*f));
        QTest::mouseClick(w->bNeu, Qt::LeftButton);
        QCOMPARE(lines(windowState(*f)), zuBeginn);

        w->cbAdd->setChecked(true);
        neu(taskTW());
        f->clickTexts({"zu", "um"});
        pruefe();
        w->cbAdd->setChecked(false);
        f->random.clearCalls();
        const QStringList mitAufgabe = lines(windowState(*f));
        QTest::mouseClick(w->bNeu, Qt::LeftButton);
        w->Neu1->trigger();
        QCOMPARE(lines(windowState(*f)), mitAufgabe);
        QCOMPARE(f->random.calls(), std::string());
        QCOMPARE(ruleViolations(*w), QStringList());
    }

    void rechenartWirktErstBeimNaechstenNeu()
    {
        neu(taskTW());
        w->cbAdd->setChecked(false);
        w->cbDiv->setChecked(true);
        f->typeAnswer(frage0 + ' ');
        pruefe();
        QCOMPARE(f->panel(TForm1::Panel::Value), QStringLiteral("Wert: 4444"));

        // Kind 1 is drawn first and thrown away, then kind 6 is taken.
        neu(joined({taskScript(1, 1, 2), taskScript(6, 3, 4), unshuffled(21)}));
        QCOMPARE(w->lTerm->text(), QStringLiteral("x : 3 = 4"));
    }

    void wiederholeImmerWieder()
    {
        neu(taskTW());
        f->clickTexts(bloeckeFrage0);
        pruefe();
        for (int runde = 0; runde < 3; ++runde) {
            f->clickTexts({"mit"});
            f->random.clearCalls();
            const WindowState vorher = windowState(*f);
            wiederhole();
            QCOMPARE(f->random.calls(), std::string("S 21 20 19 18 17 16 15 14 13 12 11 10 "
                                                    "9 8 7 6 5 4 3 2"));
            WindowState soll = merged(vorher, nachWiederhole);
            soll.remove("lbAuswahl");
            WindowState ist = windowState(*f);
            QStringList eintraege = ist.take("lbAuswahl").split('|');
            QCOMPARE(lines(ist), lines(soll));
            QStringList palette = wordPalette("1234", "5678");
            eintraege.sort();
            palette.sort();
            QCOMPARE(eintraege, palette);
            QCOMPARE(ruleViolations(*w), QStringList());
            QVERIFY(!w->bWiederhole->isHidden());
        }
        // The same task judged again earns the same value.
        f->clickTexts(bloeckeFrage0);
        pruefe();
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QStringLiteral("OK"));
        QCOMPARE(f->panel(TForm1::Panel::Value), QStringLiteral("Wert: 4444"));
    }

    void nachPruefeKeinZweitesUrteil()
    {
        neu(taskTW());
        pruefe();
        const WindowState nachUrteil = windowState(*f);
        f->clickTexts({"?", "?"});
        QCOMPARE(f->answer(), QStringLiteral("? ? "));
        QTest::keyClick(w, Qt::Key_P, Qt::AltModifier);
        WindowState soll = nachUrteil;
        soll["lWortform"] = "? ? ";
        QCOMPARE(lines(windowState(*f)), lines(soll));
    }

    void pruefeUrteilt_data()
    {
        QTest::addColumn<bool>("gleichungGefragt");
        QTest::addColumn<std::vector<int>>("skript");
        QTest::addColumn<QStringList>("bloecke");
        QTest::addColumn<QString>("eingefuegt");
        QTest::addColumn<QString>("werttext");

        const auto TW = taskTW();
        const auto WT = taskWT();
        const QString nbsp(QChar(0x00A0));
        // clang-format off
        QTest::newRow("clicked wording 0") << false << TW << bloeckeFrage0 << "" << "Wert: 4444";
        QTest::newRow("typed wording 3") << false << TW << QStringList()
            << "zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ? " << "Wert: 4444";
        QTest::newRow("zu then erhalten") << false << TW
            << QStringList{"zu", "welcher Zahl", "muss man", "1234", "addieren", "um", "5678",
                           "zu", "erhalten", "?"} << "" << "Wert: 4444";
        QTest::newRow("typed after clicks") << false << TW
            << QStringList{"zu", "welcher Zahl"} << "muss man 1234 addieren um 5678 zu erhalten ? "
            << "Wert: 4444";
        QTest::newRow("empty") << false << TW << QStringList() << "" << "";
        QTest::newRow("one blank") << false << TW << QStringList() << " " << "";
        QTest::newRow("no final blank") << false << TW << QStringList() << frage0 << "";
        QTest::newRow("two final blanks") << false << TW << bloeckeFrage0 << " " << "";
        QTest::newRow("capital Z") << false << TW << QStringList()
            << "Zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ? " << "";
        QTest::newRow("no-break spaces") << false << TW << QStringList()
            << QString(frage0 + ' ').replace(' ', nbsp) << "";
        QTest::newRow("line break for a blank") << false << TW << QStringList()
            << "zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ?\n" << "";
        QTest::newRow("line separator for a blank") << false << TW << QStringList()
            << "zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ?" + QString(QChar(0x2028))
            << "";
        QTest::newRow("emoji and control characters") << false << TW << QStringList()
            << QString::fromUtf8("\xF0\x9F\x8E\x83 \x01\x7F\t") << "";
        QTest::newRow("equation, clicked") << true << WT
            << QStringList{"x", "+", "1234", "=", "5678"} << "" << "Wert: 4444";
        QTest::newRow("equation without final blank") << true << WT << QStringList()
            << gleichung << "";
        QTest::newRow("equation, block too many") << true << WT
            << QStringList{"x", "+", "1234", "=", "5678", "5678"} << "" << "";
        QTest::newRow("question as the answer") << true << WT << QStringList() << frage0 + ' '
            << "";
        QTest::newRow("equation in the form of its kind") << true
            << joined({taskScript(0, 12, 30), unshuffled(5), {0}}) << QStringList()
            << "12 + x = 30 " << "Wert: 18";
        QTest::newRow("equation in the other form") << true
            << joined({taskScript(0, 12, 30), unshuffled(5), {0}}) << QStringList()
            << "x + 12 = 30 " << "";
        QTest::newRow("largest value") << true
            << joined({taskScript(6, 9999, 9999), unshuffled(5), {0}}) << QStringList()
            << "x : 9999 = 9999 " << "Wert: 99980001";
        // clang-format on
    }

    void pruefeUrteilt()
    {
        QFETCH(bool, gleichungGefragt);
        QFETCH(std::vector<int>, skript);
        QFETCH(QStringList, bloecke);
        QFETCH(QString, eingefuegt);
        QFETCH(QString, werttext);

        if (gleichungGefragt) {
            w->mWT->trigger();
        }
        for (QCheckBox *box : {w->cbAdd, w->cbSub, w->cbMult, w->cbDiv}) {
            box->setChecked(true);
        }
        neu(skript);
        f->clickTexts(bloecke);
        if (!eingefuegt.isEmpty()) {
            WindowFixture::pasteText(w->lWortform, eingefuegt);
        }
        const QString zeile = f->answer();
        const bool richtig = !werttext.isEmpty();
        const WindowState vorher = windowState(*f);
        pruefe();
        WindowState soll = merged(vorher, richtig ? nachRichtig : nachFalsch);
        soll["Panel2"] = werttext;
        QCOMPARE(lines(windowState(*f)), lines(soll));
        QCOMPARE(ruleViolations(*w), QStringList());
        QCOMPARE(f->answer(), zeile);
    }

    // The check sees exactly what the field holds; reading changes nothing.
    void antwortzeileWirdGenauGelesen_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("gelesen");

        const QChar nbsp(0x00A0);
        const QChar zeilentrenner(0x2028);
        const QChar absatztrenner(0x2029);
        QTest::newRow("no-break space") << QString("a") + nbsp + "b" << QString("a") + nbsp + "b";
        QTest::newRow("line separator")
            << QString("a") + zeilentrenner + "b" << QString("a") + zeilentrenner + "b";
        QTest::newRow("line feed") << "a\nb"
                                   << "a\nb";
        QTest::newRow("paragraph separator") << QString("a") + absatztrenner + "b"
                                             << "a\nb";
        // The field itself makes one paragraph break of a pasted CR LF.
        QTest::newRow("carriage return") << "a\r\nb"
                                         << "a\nb";
        QTest::newRow("tab and bell") << "a\t\ab"
                                      << "a\t\ab";
        QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x8E\x83")
                               << QString::fromUtf8("\xF0\x9F\x8E\x83");
    }

    void antwortzeileWirdGenauGelesen()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, gelesen);
        WindowFixture::pasteText(w->lWortform, eingabe);
        const int revision = w->lWortform->document()->revision();
        QCOMPARE(w->lWortform->exactText(), gelesen);
        QCOMPARE(w->lWortform->exactUtf8(), gelesen.toUtf8().toStdString());
        QCOMPARE(w->lWortform->document()->revision(), revision);
    }

    void formatierterTextZaehltNurAlsText()
    {
        neu(taskTW());
        auto *daten = new QMimeData;
        daten->setHtml("<b>zu welcher Zahl</b> muss man <i>1234</i> addieren um 5678 zu "
                       "erhalten ?&nbsp;");
        daten->setText("zu welcher Zahl muss man 1234 addieren um 5678 zu erhalten ? ");
        WindowFixture::paste(w->lWortform, static_cast<int>(f->answer().size()), daten);
        QCOMPARE(f->answer(), daten->text());
        pruefe();
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QStringLiteral("OK"));
    }

    void getippterTextBleibt()
    {
        neu(taskTW());
        f->typeAnswer("zu welcher");
        QTest::keyClick(w->lWortform, Qt::Key_Return);
        QTest::keyClick(w->lWortform, Qt::Key_Backspace);
        QTest::keyClicks(w->lWortform, " Zahl ");
        f->clickTexts({"muss man"});
        QCOMPARE(f->answer(), QStringLiteral("zu welcher Zahl muss man "));
    }

    void langeZeileBleibtSchnell()
    {
        neu(taskTW());
        const QString lang(100000, QLatin1Char('a'));
        WindowFixture::pasteText(w->lWortform, lang + "\n" + lang);
        // Marks the field's first paragraph: rebuilding the field would drop it.
        auto *marke = new QTextBlockUserData;
        w->lWortform->document()->firstBlock().setUserData(marke);

        QElapsedTimer uhr;
        uhr.start();
        f->clickTexts({"zu", "um", "?"});
        const qint64 ms = uhr.elapsed();
        // A figure for the reader only; the mark below is what proves the
        // field was extended at its end and not rebuilt.
        qInfo("three appends to a 200,000-character line took %lld ms", ms);
        QCOMPARE(w->lWortform->document()->firstBlock().userData(), marke);
        QCOMPARE(f->answer(), lang + "\n" + lang + "zu um ? ");
        pruefe();
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QStringLiteral("falsch"));
    }

    void richtungWechselMittenInDerAufgabe()
    {
        neu(taskTW());
        f->clickTexts(bloeckeFrage0);
        const WindowState vorher = windowState(*f);
        w->mWT->trigger();
        QCOMPARE(lines(windowState(*f)),
                 withChanges(vorher, {{"lTerm", gleichung + " (disabled)"},
                                      {"Memo", "shown: "},
                                      {"GroupBox3", "Die Gleichung lautet:"},
                                      {"mTW", "unchecked"},
                                      {"mWT", "checked"}}));
        // The wording clicked from the old list is no equation.
        pruefe();
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QStringLiteral("falsch"));
        QStringList zeilenImDialog;
        QVERIFY(f->openSolutions(
            [&] { zeilenImDialog = f->Form2.rAntworten->toPlainText().split('\n'); }));
        QCOMPARE(zeilenImDialog, QStringList{gleichung});

        // No task was ever made in this direction: the number blocks are empty.
        f->script(unshuffled(5));
        wiederhole();
        QCOMPARE(f->entries(), (QStringList{"=", "x", "", "", ""}));
        f->typeAnswer(gleichung + ' ');
        pruefe();
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QStringLiteral("OK"));
        QCOMPARE(f->panel(TForm1::Panel::Value), QStringLiteral("Wert: 4444"));
    }

    void wiederholeNachWechselOhneAufgabeInDieserRichtung()
    {
        w->mWT->trigger();
        neu(taskWT());
        w->mTW->trigger();
        f->script(unshuffled(21));
        pruefe();
        wiederhole();
        QCOMPARE(f->entries(), wordPalette("", ""));
        QCOMPARE(w->lTerm->text(), QString());
    }

    void markierteRichtungNochmalGewaehlt()
    {
        neu(taskTW());
        f->clickTexts({"zu"});
        const WindowState vorher = windowState(*f);
        w->mTW->trigger();
        QCOMPARE(lines(windowState(*f)), withChanges(vorher, {{"lTerm", " (enabled)"}}));

        w->mWT->trigger();
        neu(taskWT());
        const WindowState imWT = windowState(*f);
        // Through the real menu: Alt+A opens it, W alone chooses the marked item.
        QTest::keyClick(w, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(w->Aufgabenart1->isVisible());
        QTest::keyClick(w->Aufgabenart1, Qt::Key_W);
        QTRY_VERIFY(!w->Aufgabenart1->isVisible());
        QCOMPARE(lines(windowState(*f)), withChanges(imWT, {{"Memo", "shown: "}}));
        QCOMPARE(ruleViolations(*w), QStringList());
    }

    void menueBefehleMitAltBuchstaben()
    {
        f->script(taskTW());
        QTest::keyClick(w, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(w->lTerm->text(), gleichung);
        QTest::keyClick(w, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QStringLiteral("falsch"));
        QTest::keyClick(w, Qt::Key_W, Qt::AltModifier);
        QCOMPARE(f->panel(TForm1::Panel::Verdict), QString());
        QVERIFY(!w->bPruefe->isHidden());
        QTest::keyClick(w, Qt::Key_E, Qt::AltModifier);
        QVERIFY(!w->isVisible());
    }

    void menue()
    {
        const QList<QAction *> leiste = w->MainMenu1->actions();
        QStringList texte;
        for (const QAction *eintrag : leiste) {
            texte.append(eintrag->text());
            QCOMPARE(eintrag->menu() != nullptr, eintrag == w->Aufgabenart1->menuAction());
            QVERIFY(eintrag->shortcut().isEmpty());
        }
        QCOMPARE(texte, (QStringList{"&Ende", "&Neu", "&Prüfe", "&Wiederhole", "&Aufgabenart"}));
        QCOMPARE(w->Aufgabenart1->actions(), (QList<QAction *>{w->mTW, w->mWT}));
        QCOMPARE(w->mTW->text(), QStringLiteral("Gleichung-->Wortform"));
        QCOMPARE(w->mWT->text(), QStringLiteral("&Wortform-->Gleichung"));
        QCOMPARE(w->mTW->actionGroup(), nullptr);
        QCOMPARE(w->Prfe1->statusTip(), QStringLiteral("Prüft die zusammengestellte Antwort"));
        QCOMPARE(w->Aufgabenart1->menuAction()->statusTip(),
                 QStringLiteral("Aufgabenstellung als Term oder als Wortform auswählbar"));
    }

    void menueHinweiseErscheinenNirgends()
    {
        neu(taskTW());
        pruefe();
        const WindowState vorher = windowState(*f);
        // Hovering an item on the bar and one in the open sub-menu.
        w->MainMenu1->setActiveAction(w->Aufgabenart1->menuAction());
        QTRY_VERIFY(w->Aufgabenart1->isVisible());
        w->Aufgabenart1->setActiveAction(w->mWT);
        w->Wiederhole1->showStatusText(w->MainMenu1);
        QCOMPARE(w->StatusBar->currentMessage(), QString());
        for (const auto panel :
             {TForm1::Panel::Verdict, TForm1::Panel::Spare, TForm1::Panel::Value}) {
            QVERIFY(w->statusPanel(panel)->isVisible());
        }
        w->Aufgabenart1->hide();
        QCOMPARE(lines(windowState(*f)), lines(vorher));
    }

    void tooltips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("stelle"); // within the control
        QTest::addColumn<QString>("hinweis");

        const QString aufgabe = "Hier erscheint die Aufgabe";
        const QString antwort = "Hier erscheint deine zusammengestellte Antwort";
        QTest::newRow("bNeu") << "bNeu" << QPoint(40, 40) << "Erstellt eine neue Aufgabe";
        for (const char *box : {"cbAdd", "cbSub", "cbMult", "cbDiv"}) {
            QTest::newRow(box) << box << QPoint(5, 8) << "Auswahl der Rechenart";
        }
        QTest::newRow("GroupBox1") << "GroupBox1" << QPoint(300, 10) << aufgabe;
        QTest::newRow("lTerm") << "lTerm" << QPoint(30, 18) << aufgabe;
        QTest::newRow("Memo") << "Memo" << QPoint(100, 40) << aufgabe;
        QTest::newRow("lbAuswahl") << "lbAuswahl" << QPoint(100, 20)
                                   << "Klicke diese Bausteine zur Zusammenstellung der Antwort an!";
        QTest::newRow("GroupBox3") << "GroupBox3" << QPoint(500, 10) << antwort;
        QTest::newRow("lWortform") << "lWortform" << QPoint(100, 30) << antwort;
        QTest::newRow("bPruefe") << "bPruefe" << QPoint(50, 50)
                                 << "Prüft die zusammengestellte Antwort";
        QTest::newRow("bWiederhole")
            << "bWiederhole" << QPoint(50, 50) << "Neue Zusammenstellung der Antwort möglich";
        QTest::newRow("bHilfe") << "bHilfe" << QPoint(50, 50)
                                << "Hier kannst du die richtige Antwort(en) spicken";
        QTest::newRow("StatusBar")
            << "StatusPanel1" << QPoint(20, 8) << "Zur Kontrolle: 'OK' oder 'falsch', Termwert";
        QTest::newRow("Panel1") << "Panel1" << QPoint(120, 100) << "";
        QTest::newRow("GroupBox2") << "GroupBox2" << QPoint(100, 10) << "";
        QTest::newRow("Image1") << "Image1" << QPoint(100, 190) << "";
        QTest::newRow("Image2") << "Image2" << QPoint(100, 190) << "";
        QTest::newRow("window") << "Client" << QPoint(300, 350) << "";
    }

    void tooltips()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, stelle);
        QFETCH(QString, hinweis);
        neu(taskTW());
        // Everything shown at once; Memo then covers lTerm, so lTerm is
        // asked with Memo hidden.
        for (QWidget *control : std::initializer_list<QWidget *>{w->bPruefe, w->bWiederhole,
                                                                 w->bHilfe, w->Image1, w->Image2}) {
            control->show();
        }
        if (name == "Image1") {
            w->bPruefe->hide();
            w->Image2->hide();
        } else if (name == "Image2") {
            w->bPruefe->hide();
        } else if (name == "Memo") {
            w->Memo->show();
        }
        auto *control = w->findChild<QWidget *>(name);
        QVERIFY(control != nullptr);
        const QPoint imFenster = control->mapTo(w, stelle);
        QCOMPARE(w->childAt(imFenster) == control || control->isAncestorOf(w->childAt(imFenster)),
                 true);
        QCOMPARE(tooltipAt(w, imFenster), hinweis);
    }

    void barrierefreiheit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("gesprochen");
        QTest::addColumn<QString>("beschreibung");

        QTest::newRow("bNeu") << "bNeu"
                              << "Neu"
                              << "Erstellt eine neue Aufgabe";
        QTest::newRow("cbMult") << "cbMult"
                                << "Multiplikation"
                                << "Auswahl der Rechenart";
        QTest::newRow("bPruefe") << "bPruefe"
                                 << "Prüfe"
                                 << "Prüft die zusammengestellte Antwort";
        QTest::newRow("lTerm") << "lTerm" << gleichung << "";
        QTest::newRow("Panel 0") << "StatusPanel0"
                                 << "Ergebnis: falsch"
                                 << "";
        QTest::newRow("lbAuswahl") << "lbAuswahl"
                                   << "Bausteine"
                                   << "Klicke diese Bausteine zur Zusammenstellung der Antwort an! "
                                      "Jede Auswahl, mit der Maus oder mit den Pfeiltasten, "
                                      "hängt den Baustein an deine Antwort an.";
        QTest::newRow("lWortform") << "lWortform"
                                   << "Deine Antwort"
                                   << "";
        QTest::newRow("Memo") << "Memo"
                              << "Aufgabentext"
                              << "";
        QTest::newRow("Image1") << "Image1"
                                << "Fröhlicher Kürbis"
                                << "";
        QTest::newRow("Image2") << "Image2"
                                << "Grimmiger Kürbis"
                                << "";
    }

    void barrierefreiheit()
    {
        QFETCH(QString, name);
        QFETCH(QString, gesprochen);
        QFETCH(QString, beschreibung);
        neu(taskTW());
        pruefe();
        auto *control = w->findChild<QWidget *>(name);
        QVERIFY(control != nullptr);
        QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(control);
        QVERIFY(zugang != nullptr);
        QCOMPARE(withoutAmpersands(zugang->text(QAccessible::Name)), gesprochen);
        QCOMPARE(zugang->text(QAccessible::Description), beschreibung);
    }

    void menueEintraegeWerdenVorgelesen()
    {
        QAccessibleInterface *leiste = QAccessible::queryAccessibleInterface(w->MainMenu1);
        QVERIFY(leiste != nullptr);
        QStringList namen;
        for (int i = 0; i < leiste->childCount(); ++i) {
            namen.append(withoutAmpersands(leiste->child(i)->text(QAccessible::Name)));
        }
        QCOMPARE(namen, (QStringList{"Ende", "Neu", "Prüfe", "Wiederhole", "Aufgabenart"}));
    }

    void tabReihenfolge_data()
    {
        QTest::addColumn<int>("lage"); // 0 start, 1 task mTW, 2 task mWT, 3 wrong verdict
        QTest::addColumn<QStringList>("reihe");
        const QStringList vorn{"cbAdd", "cbSub", "cbMult", "cbDiv"};
        QTest::newRow("start") << 0 << vorn + QStringList{"lbAuswahl", "lWortform", "bNeu"};
        QTest::newRow("task, equation shown")
            << 1 << vorn + QStringList{"lbAuswahl", "lWortform", "bPruefe", "bNeu"};
        QTest::newRow("task, question shown")
            << 2 << vorn + QStringList{"Memo", "lbAuswahl", "lWortform", "bPruefe", "bNeu"};
        QTest::newRow("wrong verdict")
            << 3 << vorn + QStringList{"lbAuswahl", "lWortform", "bWiederhole", "bHilfe", "bNeu"};
    }

    void tabReihenfolge()
    {
        QFETCH(int, lage);
        QFETCH(QStringList, reihe);
        if (lage == 2) {
            w->mWT->trigger();
            neu(taskWT());
        } else if (lage > 0) {
            neu(taskTW());
        }
        if (lage == 3) {
            pruefe();
        }
        w->bNeu->setFocus();
        QStringList besucht;
        for (int i = 0; i < reihe.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            besucht.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(besucht, reihe);
        // Tab through the text fields typed nothing, and moving into the
        // list chose nothing.
        QCOMPARE(f->answer(), QString());
        QCOMPARE(w->Memo->exactText().contains('\t'), false);
    }

    void endeSchliesstDasFenster()
    {
        neu(taskTW());
        w->Ende1->trigger();
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
