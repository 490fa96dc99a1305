// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tamsel_u1.h"

#include "accessibility.h"
#include "announcer.h"
#include "blocklist.h"
#include "convert.h"
#include "fonts.h"
#include "picture.h"
#include "pruefung.h"
#include "tamsel_u2.h"
#include "textfield.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

// Layout sizes in pixels at 96 dpi.
constexpr int clientWidth = 665;
constexpr int clientHeight = 496;
constexpr int statusBarHeight = 19;
constexpr int panelWidth = 50;
constexpr int termHeight = 37;
constexpr int emptyTermWidth = 9;

const QString hintRechenart = QStringLiteral("Auswahl der Rechenart");
const QString hintPruefe = QStringLiteral("Prüft die zusammengestellte Antwort");
const QString hintWiederhole = QStringLiteral("Neue Zusammenstellung der Antwort möglich");
const QString hintNeu = QStringLiteral("Erstellt eine neue Aufgabe");
const QString captionWortform = QStringLiteral("Die Wortform lautet:");
const QString captionGleichung = QStringLiteral("Die Gleichung lautet:");

// What the screen reader says after a command, beside what the window shows.
const QString spokenHilfeOffered = QStringLiteral("Unter „Hilfe“ stehen die richtigen Antworten.");
const QString spokenWiederhole = QStringLiteral("Antwort gelöscht, Bausteine neu gemischt.");
const QString spokenKeineRechenart = QStringLiteral("Keine Rechenart gewählt.");

// A hint is the tooltip and, for a screen reader, the description.
template <typename Widget> Widget *withHint(Widget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    widget->setAccessibleDescription(hint);
    return widget;
}

template <typename Widget> Widget *place(Widget *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QRect &geometry, const QString &hint)
{
    auto *button = place(new QPushButton(caption, parent), name, geometry);
    button->setFont(sansFont(32));
    button->setAutoDefault(false);
    pressOnEnter(button);
    return withHint(button, hint);
}

QCheckBox *makeCheckBox(QWidget *parent, const char *name, const QString &caption, QPoint at,
                        int width, bool checked)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    // Nothing stands to the right of a box before "Neu", so a style that
    // draws a wider mark may widen it instead of cutting the caption.
    box->setGeometry(at.x(), at.y(), qMax(width, box->sizeHint().width()), 17);
    return withHint(box, hintRechenart);
}

QGroupBox *makeGroupBox(QWidget *parent, const char *name, const QString &caption,
                        const QRect &geometry)
{
    auto *box = place(new QGroupBox(caption, parent), name, geometry);
    box->setFont(sansFont(24));
    return box;
}

QLabel *makePicture(QWidget *parent, const char *name, const QString &file,
                    const QString &accessibleName)
{
    auto *image = place(new Picture(file, parent), name, {248, 144, 200, 200});
    image->setAccessibleName(accessibleName);
    return image;
}

TextField *makeTextField(QWidget *parent, const char *name, const QRect &geometry,
                         const QString &accessibleName)
{
    auto *field = place(new TextField(parent), name, geometry);
    field->setAccessibleName(accessibleName);
    return field;
}

QAction *makeAction(QObject *parent, const char *name, const QString &caption, const QString &hint)
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(QLatin1String(name));
    // Kept with the item, but the window shows no status tips (see event()).
    action->setStatusTip(hint);
    return action;
}

} // namespace

TForm1::TForm1(Zufallsquelle &zufall, QWidget *parent) : QMainWindow(parent), zufall(zufall)
{
    installAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tamsel2"));
    setWindowIcon(QIcon(QStringLiteral(":/res/tamsel2.png")));
    setFont(sansFont(11));

    buildStatusBar();
    buildControls();
    buildMenu();
    connectCommands();
    setTabOrderChain();

    resize(clientWidth, MainMenu1->sizeHint().height() + clientHeight);
    bNeu->setFocus();
    FormCreate();
}

QLabel *TForm1::statusPanel(Panel panel) const
{
    return panels.at(static_cast<std::size_t>(panel));
}

void TForm1::buildStatusBar()
{
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setFixedHeight(statusBarHeight);
    StatusBar->setSizeGripEnabled(true);
    withHint(StatusBar, QStringLiteral("Zur Kontrolle: 'OK' oder 'falsch', Termwert"));
    for (std::size_t i = 0; i < panels.size(); ++i) {
        auto *panel = new QLabel(StatusBar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const bool last = i + 1 == panels.size();
        if (!last) {
            panel->setFixedWidth(panelWidth);
        }
        StatusBar->addWidget(panel, last ? 1 : 0);
        panels[i] = panel;
    }
    StatusBar->setAccessibleName(QStringLiteral("Statusleiste"));
    setSpokenCaption(statusPanel(Panel::Verdict), QStringLiteral("Ergebnis"));
    // Never written, so a screen reader has nothing to find there.
    hideFromScreenReader(statusPanel(Panel::Spare));
    setSpokenCaption(statusPanel(Panel::Value), QStringLiteral("Wert"));
    setStatusBar(StatusBar);
}

void TForm1::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client);
    announcer = new Announcer(client);

    // Created in this order, so "Prüfe" lies above Image2 and Image2 above Image1.
    Image1 = makePicture(client, "Image1", QStringLiteral("image1"),
                         QStringLiteral("Fröhlicher Kürbis"));
    Image2 =
        makePicture(client, "Image2", QStringLiteral("image2"), QStringLiteral("Grimmiger Kürbis"));

    Panel1 = place(new QFrame(client), "Panel1", {8, 16, 233, 105});
    Panel1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Panel1->setAccessibleName(QStringLiteral("Rechenarten"));
    bNeu = makeButton(Panel1, "bNeu", QStringLiteral("Neu"), {136, 8, 89, 89}, hintNeu);
    cbAdd = makeCheckBox(Panel1, "cbAdd", QStringLiteral("Addition"), {16, 8}, 73, true);
    cbSub = makeCheckBox(Panel1, "cbSub", QStringLiteral("Subtraktion"), {16, 32}, 89, false);
    cbMult = makeCheckBox(Panel1, "cbMult", QStringLiteral("Multiplikation"), {16, 56}, 89, false);
    cbDiv = makeCheckBox(Panel1, "cbDiv", QStringLiteral("Division"), {16, 80}, 81, false);

    GroupBox1 =
        withHint(makeGroupBox(client, "GroupBox1", QStringLiteral("Aufgabe:"), {248, 0, 409, 129}),
                 QStringLiteral("Hier erscheint die Aufgabe"));
    lTerm = place(new QLabel(GroupBox1), "lTerm", {48, 40, emptyTermWidth, termHeight});
    lTerm->setFont(sansFont(32));
    lTerm->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lTerm->setTextFormat(Qt::PlainText);
    // Created after lTerm, so it covers the label while it is shown.
    Memo = makeTextField(GroupBox1, "Memo", {8, 32, 393, 89}, QStringLiteral("Aufgabentext"));
    Memo->hide();
    // Under the question, the last equation would be read out as stale content.
    setCoveredBy(lTerm, Memo);

    GroupBox2 = makeGroupBox(client, "GroupBox2", QStringLiteral("Wähle aus:"), {8, 128, 233, 217});
    lbAuswahl = withHint(place(new BlockList(GroupBox2), "lbAuswahl", {8, 32, 217, 177}),
                         QStringLiteral("Klicke diese Bausteine zur Zusammenstellung der "
                                        "Antwort an!"));
    lbAuswahl->setAccessibleName(QStringLiteral("Bausteine"));
    // A screen reader must tell the pupil that moving through the list appends.
    lbAuswahl->setAccessibleDescription(
        lbAuswahl->toolTip() +
        QStringLiteral(" Jede Auswahl, mit der Maus oder mit den Pfeiltasten, hängt den "
                       "Baustein an deine Antwort an."));

    GroupBox3 = withHint(makeGroupBox(client, "GroupBox3", captionWortform, {8, 360, 649, 105}),
                         QStringLiteral("Hier erscheint deine zusammengestellte Antwort"));
    lWortform =
        makeTextField(GroupBox3, "lWortform", {8, 32, 633, 65}, QStringLiteral("Deine Antwort"));

    bPruefe =
        makeButton(client, "bPruefe", QStringLiteral("Prüfe"), {248, 144, 105, 97}, hintPruefe);
    bWiederhole = makeButton(client, "bWiederhole", QStringLiteral("Wiederhole"),
                             {464, 144, 193, 97}, hintWiederhole);
    bHilfe = makeButton(client, "bHilfe", QStringLiteral("Hilfe"), {464, 248, 193, 97},
                        QStringLiteral("Hier kannst du die richtige Antwort(en) spicken"));
}

void TForm1::buildMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // The system's menu font, whole: resolved against the window's font it
    // would take over the window's style hint, and Qt would load the very
    // same face a second time for that one difference, on the way to the
    // first frame.
    QFont menuFont = QApplication::font(MainMenu1);
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    MainMenu1->setFont(menuFont);
    MainMenu1->setAccessibleName(QStringLiteral("Menüleiste"));
    setMenuBar(MainMenu1);

    Ende1 =
        makeAction(this, "Ende1", QStringLiteral("&Ende"), QStringLiteral("Beendet das Programm"));
    Neu1 = makeAction(this, "Neu1", QStringLiteral("&Neu"), hintNeu);
    Prfe1 = makeAction(this, "Prfe1", QStringLiteral("&Prüfe"), hintPruefe);
    Wiederhole1 = makeAction(this, "Wiederhole1", QStringLiteral("&Wiederhole"), hintWiederhole);
    MainMenu1->addAction(Ende1);
    MainMenu1->addAction(Neu1);
    MainMenu1->addAction(Prfe1);
    MainMenu1->addAction(Wiederhole1);

    Aufgabenart1 = new QMenu(QStringLiteral("&Aufgabenart"), this);
    Aufgabenart1->setObjectName(QStringLiteral("Aufgabenart1"));
    Aufgabenart1->setAccessibleName(QStringLiteral("Aufgabenart"));
    Aufgabenart1->menuAction()->setStatusTip(
        QStringLiteral("Aufgabenstellung als Term oder als Wortform auswählbar"));
    MainMenu1->addMenu(Aufgabenart1);

    mTW = makeAction(this, "mTW", QStringLiteral("Gleichung-->Wortform"),
                     QStringLiteral("Aufgabenstellung als Term"));
    mWT = makeAction(this, "mWT", QStringLiteral("&Wortform-->Gleichung"),
                     QStringLiteral("Aufgabenstellung als Wortform"));
    // Plain check marks, no radio group: only mTWClick and mWTClick set them.
    mTW->setCheckable(true);
    mWT->setCheckable(true);
    mTW->setChecked(true);
    Aufgabenart1->addAction(mTW);
    Aufgabenart1->addAction(mWT);
}

void TForm1::connectCommands()
{
    connect(bNeu, &QPushButton::clicked, this, &TForm1::bNeuClick);
    connect(Neu1, &QAction::triggered, this, &TForm1::bNeuClick);
    connect(lbAuswahl, &BlockList::chosen, this, &TForm1::lbAuswahlClick);
    connect(bPruefe, &QPushButton::clicked, this, &TForm1::bPruefeClick);
    connect(Prfe1, &QAction::triggered, this, &TForm1::bPruefeClick);
    connect(bWiederhole, &QPushButton::clicked, this, &TForm1::bWiederholeClick);
    connect(Wiederhole1, &QAction::triggered, this, &TForm1::bWiederholeClick);
    connect(bHilfe, &QPushButton::clicked, this, &TForm1::bHilfeClick);
    connect(Ende1, &QAction::triggered, this, &TForm1::Ende1Click);
    connect(mTW, &QAction::triggered, this, &TForm1::mTWClick);
    connect(mWT, &QAction::triggered, this, &TForm1::mWTClick);
    // After the handler of the chosen item.
    connect(MainMenu1, &QMenuBar::triggered, this, &TForm1::tellFocusAfterMenu);
}

void TForm1::setTabOrderChain()
{
    const std::array<QWidget *, 11> chain{bNeu,      cbAdd,     cbSub,   cbMult,      cbDiv, Memo,
                                          lbAuswahl, lWortform, bPruefe, bWiederhole, bHilfe};
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        setTabOrder(chain[i], chain[i + 1]);
    }
}

void TForm1::tellFocusAfterMenu()
{
    // Qt hands the focus back from the menu bar without telling the screen
    // reader, which would go on presenting the menu item as focused.
    if (QWidget *focused = QApplication::focusWidget()) {
        QAccessibleEvent focus(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

bool TForm1::event(QEvent *event)
{
    // Menu items keep their hints, but hovering them must not cover the
    // status panels with a status tip.
    if (event->type() == QEvent::StatusTip) {
        return true;
    }
    return QMainWindow::event(event);
}

Richtung TForm1::richtung() const
{
    return mTW->isChecked() ? Richtung::mTW : Richtung::mWT;
}

void TForm1::setTerm(const QString &text)
{
    lTerm->setText(text);
    // The label grows to the right with its text.
    lTerm->resize(qMax(emptyTermWidth, lTerm->sizeHint().width()), termHeight);
}

void TForm1::setStatus(Panel panel, const QString &text)
{
    statusPanel(panel)->setText(text);
}

void TForm1::offerPruefe(bool offered)
{
    bPruefe->setVisible(offered);
    Prfe1->setEnabled(offered);
}

void TForm1::offerWiederhole(bool offered)
{
    bWiederhole->setVisible(offered);
    Wiederhole1->setEnabled(offered);
}

void TForm1::hidePictures()
{
    Image1->hide();
    Image2->hide();
}

// What a new task and another attempt at the same one both start from: an
// empty answer line, no verdict, no picture, no "Hilfe", and "Prüfe" offered.
void TForm1::startAttempt()
{
    lWortform->replaceText({});
    setStatus(Panel::Verdict, {});
    setStatus(Panel::Value, {});
    hidePictures();
    bHilfe->hide();
    offerPruefe(true);
}

void TForm1::bNeuClick()
{
    const Rechenarten erlaubt{cbAdd->isChecked(), cbSub->isChecked(), cbMult->isChecked(),
                              cbDiv->isChecked()};
    const std::optional<PosedTask> aufgabe = Uebung_.poseTask(erlaubt, richtung(), zufall);
    if (!aufgabe) {
        // Nothing changes on the screen; a blind pupil is told why.
        announcer->announce(spokenKeineRechenart);
        return;
    }
    if (richtung() == Richtung::mTW) {
        setTerm(qt(aufgabe->text));
    } else {
        Memo->replaceText(qt(aufgabe->text));
    }
    lbAuswahl->fill(qt(aufgabe->blocks));
    // A button that disappears with the focus would hand it on to whatever
    // control Qt picks next.
    if (bWiederhole->hasFocus() || bHilfe->hasFocus()) {
        bNeu->setFocus();
    }
    startAttempt();
    offerWiederhole(false);
    announcer->announce(QStringLiteral("Aufgabe: ") + qt(aufgabe->text));
}

void TForm1::FormCreate()
{
    Uebung_.SetzeFesteBausteine();
    offerPruefe(false);
    hidePictures();
    offerWiederhole(false);
    bHilfe->hide();
}

void TForm1::lbAuswahlClick()
{
    const QList<QListWidgetItem *> selected = lbAuswahl->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    // An append only ever adds at the end, so the field takes just what
    // HaengeBausteinAn adds to a line: a long line is neither read nor rebuilt.
    const QString text = selected.first()->text();
    lWortform->appendAtEnd(qt(HaengeBausteinAn(std::string(), text.toStdString())));
    announcer->announce(text + QStringLiteral(" angehängt"));
}

void TForm1::bWiederholeClick()
{
    lbAuswahl->fill(qt(Uebung_.FuelleAuswahl(richtung(), zufall)));
    if (bHilfe->hasFocus()) {
        bWiederhole->setFocus();
    }
    startAttempt();
    announcer->announce(spokenWiederhole);
}

void TForm1::bPruefeClick()
{
    const Pruefergebnis ergebnis =
        PruefeAntwort(richtung(), Uebung_.aufgabe(), lWortform->exactUtf8());
    setStatus(Panel::Verdict, qt(ergebnis.Urteilstext));
    if (ergebnis.Urteil) {
        Image1->show();
        setStatus(Panel::Value, qt(ergebnis.Werttext));
    } else {
        Image2->show();
        bHilfe->show();
    }
    // "Wiederhole" takes the focus before "Prüfe" disappears, so the focus
    // never wanders off to whatever control Qt would pick next.
    offerWiederhole(true);
    bWiederhole->setFocus();
    offerPruefe(false);
    announcer->announce(qt(ergebnis.Urteilstext) + QStringLiteral(". ") +
                        (ergebnis.Urteil ? qt(ergebnis.Werttext) : spokenHilfeOffered));
}

void TForm1::Ende1Click()
{
    close();
}

void TForm1::mTWClick()
{
    // Qt has already toggled the chosen item; both marks are set here, so
    // choosing the marked item keeps its mark.
    mTW->setChecked(true);
    mWT->setChecked(false);
    setTerm({});
    lTerm->setEnabled(true);
    GroupBox3->setTitle(captionWortform);
    Memo->hide();
}

void TForm1::mWTClick()
{
    mTW->setChecked(false);
    mWT->setChecked(true);
    lTerm->setEnabled(false);
    GroupBox3->setTitle(captionGleichung);
    Memo->replaceText({});
    Memo->show();
}

void TForm1::bHilfeClick()
{
    Form2->showAnswers(lWortform->exactText(),
                       qt(RichtigeAntworten(richtung(), Uebung_.aufgabe())));
    bHilfe->setFocus();
}
