// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtung.h"
#include "uebung.h"
#include "zufallsquelle.h"

#include <QMainWindow>
#include <array>

class Announcer;
class BlockList;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class TForm2;
class TextField;

// The main window. It owns the one exercise state; every command is one of
// its handlers, which read the controls, call the exercise logic and write
// the controls back. The window keeps no state beside its controls.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // The random source is the program's clock-seeded one, or a scripted one
    // in tests. The window is fully built and FormCreate has run on return.
    explicit TForm1(Zufallsquelle &zufall, QWidget *parent = nullptr);

    const Uebung &uebung() const { return Uebung_; }

    // The status bar's three panels, left to right: the verdict, one the
    // program leaves empty, and the value of x after a right answer.
    enum class Panel
    {
        Verdict,
        Spare,
        Value,
    };
    QLabel *statusPanel(Panel panel) const;

    QStatusBar *StatusBar;
    QFrame *Panel1;
    QPushButton *bNeu;
    QCheckBox *cbAdd;
    QCheckBox *cbSub;
    QCheckBox *cbMult;
    QCheckBox *cbDiv;
    QGroupBox *GroupBox1;
    QLabel *lTerm;
    QGroupBox *GroupBox2;
    BlockList *lbAuswahl;
    QGroupBox *GroupBox3;
    QPushButton *bPruefe;
    QPushButton *bWiederhole;
    QLabel *Image1;
    QLabel *Image2;
    QMenuBar *MainMenu1;
    QAction *Ende1;
    QAction *Neu1;
    QAction *Prfe1;
    QAction *Wiederhole1;
    QMenu *Aufgabenart1;
    QAction *mTW;
    QAction *mWT;
    TextField *Memo;
    TextField *lWortform;
    QPushButton *bHilfe;

public slots:
    void bNeuClick();
    void FormCreate();
    void lbAuswahlClick();
    void bWiederholeClick();
    void bPruefeClick();
    void Ende1Click();
    void mTWClick();
    void mWTClick();
    void bHilfeClick();

protected:
    bool event(QEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void buildStatusBar();
    void connectCommands();
    void setTabOrderChain();
    void tellFocusAfterMenu();

    Richtung richtung() const;
    void setTerm(const QString &text);
    void setStatus(Panel panel, const QString &text);
    void offerPruefe(bool offered);
    void offerWiederhole(bool offered);
    void hidePictures();
    void startAttempt();

    // Only the pair of windows sets the dialog, right after making it.
    friend class WindowPair;

    Zufallsquelle &zufall;
    Announcer *announcer = nullptr;
    TForm2 *Form2 = nullptr;
    std::array<QLabel *, 3> panels{};
    Uebung Uebung_;
};
