// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_check.h"

#include "blocklist.h"
#include "rules.h"
#include "textfield.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

int selectedRow(const TForm1 &w)
{
    const QList<QListWidgetItem *> items = w.lbAuswahl->selectedItems();
    return items.isEmpty() ? -1 : w.lbAuswahl->row(items.first());
}

model::Focus focusIn(const TForm1 &w)
{
    const QWidget *focus = QApplication::focusWidget();
    if (focus == w.lbAuswahl) {
        return model::Focus::List;
    }
    if (focus == w.lWortform) {
        return model::Focus::Answer;
    }
    if (focus == w.Memo) {
        return model::Focus::Memo;
    }
    return model::Focus::Other;
}

QString orderText(const std::vector<int> &order)
{
    QStringList parts;
    for (const int index : order) {
        parts.append(QString::number(index));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

QStringList differences(const model::WindowModel &m, const WindowFixture &f)
{
    const TForm1 &w = f.Form1;
    Comparison c;
    c.field("\"Prüfe\" shown", m.pruefe, !w.bPruefe->isHidden());
    c.field("\"&Prüfe\" enabled", m.pruefe, w.Prfe1->isEnabled());
    c.field("\"Wiederhole\" shown", m.wiederhole, !w.bWiederhole->isHidden());
    c.field("\"&Wiederhole\" enabled", m.wiederhole, w.Wiederhole1->isEnabled());
    c.field("\"Hilfe\" shown", m.hilfe, !w.bHilfe->isHidden());
    c.field("Image1 shown", m.image1, !w.Image1->isHidden());
    c.field("Image2 shown", m.image2, !w.Image2->isHidden());
    c.field("panel 0", m.panel0, f.panel(TForm1::Panel::Verdict));
    c.field("panel 1", QString(), f.panel(TForm1::Panel::Spare));
    c.field("panel 2", m.panel2, f.panel(TForm1::Panel::Value));
    c.field("lWortform", m.answer, w.lWortform->exactText());
    c.field("lTerm", m.term, w.lTerm->text());
    c.field("lTerm enabled", m.termEnabled, w.lTerm->isEnabled());
    c.field("Memo shown", m.memoShown, !w.Memo->isHidden());
    c.field("Memo", m.memo, w.Memo->exactText());
    c.field("GroupBox3", m.groupBox3, w.GroupBox3->title());
    c.field("lbAuswahl", m.list.join(QLatin1Char('|')), f.entries().join(QLatin1Char('|')));
    c.field("lbAuswahl selected row", m.selected, selectedRow(w));
    c.field("lbAuswahl current row", m.current, w.lbAuswahl->currentRow());
    c.field("mTW checked", m.tw, w.mTW->isChecked());
    c.field("mWT checked", !m.tw, w.mWT->isChecked());
    const std::array<QCheckBox *, 4> boxes = f.operationBoxes();
    static constexpr std::array<const char *, 4> boxNames{"cbAdd", "cbSub", "cbMult", "cbDiv"};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        c.field(boxNames[i], m.operations[i], boxes[i]->isChecked());
    }
    c.field("main window active", true, QApplication::activeWindow() == &w);
    c.field("focus", static_cast<int>(m.focus), static_cast<int>(focusIn(w)));

    // The exercise state behind the window.
    const Uebung &u = w.uebung();
    c.field("task kind", m.aufgabe.Aufgabentyp, u.aufgabe().Aufgabentyp);
    c.field("task Zahl1", m.aufgabe.Zahl1, u.aufgabe().Zahl1);
    c.field("task Zahl2", m.aufgabe.Zahl2, u.aufgabe().Zahl2);
    c.field("task sign", m.aufgabe.Rechenzeichen, u.aufgabe().Rechenzeichen);
    c.field("task TypErlaubt", m.aufgabe.TypErlaubt, u.aufgabe().TypErlaubt);
    for (std::size_t i = 1; i <= 21; ++i) {
        c.field(qPrintable(QStringLiteral("word block %1").arg(i)), m.wortbausteine[i - 1],
                u.wortbausteine()[i]);
    }
    for (std::size_t i = 1; i <= 5; ++i) {
        c.field(qPrintable(QStringLiteral("equation block %1").arg(i)),
                m.gleichungsbausteine[i - 1], u.gleichungsbausteine()[i]);
    }
    if (!m.wortfolge.empty()) {
        c.field("Wortfolge", orderText(m.wortfolge),
                orderText({u.wortfolge().begin(), u.wortfolge().end()}));
    }
    if (!m.gleichungsfolge.empty()) {
        c.field("Gleichungsfolge", orderText(m.gleichungsfolge),
                orderText({u.gleichungsfolge().begin(), u.gleichungsfolge().end()}));
    }
    c.lines.append(ruleViolations(w));
    return c.lines;
}
