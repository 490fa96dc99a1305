// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "blocklist.h"
#include "exact_text.h"
#include "model_check.h"
#include "textfield.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

// Text no pupil should type, in the answer line and in the question field:
// huge, binary, malformed, bidirectional, emoji, surrogates, line breaks.
// None of it may crash or freeze the window, none of it is right, and the
// fields keep exactly what arrived, through every command.
namespace {

// How long one command may take before the report marks it as slow: a moment,
// but Qt lays a paragraph out whole, at about 0.4 s per megabyte here, on
// every change, so one paragraph of 10 MB takes seconds at each step. The
// sanitizer build runs slower and says by how much in TAMSEL_ZEITFAKTOR.
constexpr qint64 einMoment = 2000;
constexpr qint64 riesenabsatz = 20000;

qint64 grenzeMs(qint64 grenze)
{
    const qint64 faktor = qEnvironmentVariableIntValue("TAMSEL_ZEITFAKTOR");
    return grenze * (faktor > 0 ? faktor : 1);
}

struct Eingabe
{
    const char *name;
    // What the clipboard carries: text, or raw bytes as text/plain.
    QString text;
    QByteArray bytes;
    qint64 grenze = einMoment;
};

QString zehnMegabyte(const QString &muster)
{
    const qsizetype laenge = 10 * 1024 * 1024;
    QString text;
    text.reserve(laenge);
    while (text.size() < laenge) {
        text += muster;
    }
    text.truncate(laenge);
    return text;
}

QString steuerzeichen()
{
    QString text = QStringLiteral("a");
    for (char16_t c = 0; c < 0x20; ++c) {
        text += QChar(c);
    }
    text += QChar(0x7f);
    text += QStringLiteral("\u0085b");
    return text;
}

QString zeilenumbrueche()
{
    QString text;
    for (int i = 0; i < 5000; ++i) {
        text += QStringLiteral("Zahl\n");
    }
    return text + QString(5000, QLatin1Char('\n'));
}

QString einsameSurrogate()
{
    return QStringLiteral("x ") + QChar(0xD800) + QStringLiteral(" = ") + QChar(0xDC00) +
           QChar(0xDBFF) + QStringLiteral("1 ");
}

const std::vector<Eingabe> &eingaben()
{
    static const std::vector<Eingabe> alle{
        {"10 MB of words",
         zehnMegabyte(QStringLiteral("die Zahl 1234 muss man ")),
         {},
         riesenabsatz},
        {"10 MB without a blank", zehnMegabyte(QStringLiteral("x")), {}, riesenabsatz},
        {"10 MB in lines of 80",
         zehnMegabyte(QStringLiteral("die Zahl 1234 muss man ").repeated(3) +
                      QStringLiteral("zu erhalten\n")),
         {}},
        {"NUL and control characters", steuerzeichen(), {}},
        {"invalid UTF-8 from the clipboard",
         {},
         QByteArray("zu \xff\xfe welcher \xc3\x28 Zahl "
                    "\xe2\x82 \xf0\x9f\x8e ? \xed\xa0\x80 \x80")},
        {"right-to-left marks and text",
         QStringLiteral("\u200f\u202ex + 1 = 2\u202c \u2067\u05d0\u05d1 \u0627\u0644\u2069 "),
         {}},
        {"emoji",
         QStringLiteral("\U0001F383 \U0001F468\u200D\U0001F469\u200D\U0001F467 "
                        "\U0001F1E9\U0001F1EA \U0001F44D\U0001F3FD ? "),
         {}},
        {"lone surrogates", einsameSurrogate(), {}},
        {"10,000 line breaks", zeilenumbrueche(), {}},
        {"noncharacters and a byte order mark",
         QStringLiteral("\uFEFFzu\uFFFE \uFFFF welcher\uFDD0 Zahl\uFDEF "),
         {}},
    };
    return alle;
}

// What the field holds after a paste of this input: the clipboard decodes
// raw bytes as UTF-8; the field makes each CR LF, CR, paragraph separator
// and Qt's two frame marks (U+FDD0, U+FDD1) a paragraph break.
QString alsEingefuegt(const Eingabe &e)
{
    QString text = e.bytes.isNull() ? e.text : QString::fromUtf8(e.bytes);
    text.replace(QChar(0xFDD0), QChar::ParagraphSeparator);
    text.replace(QChar(0xFDD1), QChar::ParagraphSeparator);
    return model::WindowModel::asPasted(text);
}

QMimeData *mime(const Eingabe &e)
{
    auto *daten = new QMimeData;
    if (e.bytes.isNull()) {
        daten->setText(e.text);
    } else {
        daten->setData(QStringLiteral("text/plain"), e.bytes);
    }
    return daten;
}

class Zeitmessung
{
public:
    Zeitmessung(const char *fall, qint64 grenze) : fall(fall), grenze(grenzeMs(grenze)) {}

    void miss(const char *schritt, const std::function<void()> &tue)
    {
        QElapsedTimer uhr;
        uhr.start();
        tue();
        const qint64 ms = uhr.elapsed();
        // Figures, never a verdict: on a shared machine a time says little, so a
        // step beyond a moment is only marked for the reader of the report.
        const QString langsam = ms >= grenze ? QStringLiteral(" (slow)") : QString();
        bericht +=
            QStringLiteral(" %1 %2 ms%3,").arg(QString::fromUtf8(schritt)).arg(ms).arg(langsam);
    }

    ~Zeitmessung()
    {
        bericht.chop(1);
        std::printf("%-52s%s\n", fall, qPrintable(bericht));
    }

private:
    const char *fall;
    qint64 grenze;
    QString bericht;
};

struct Richtungsfall
{
    const char *name;
    bool tw;
};

void PrintTo(const Richtungsfall &fall, std::ostream *os)
{
    *os << fall.name;
}

class FeindlicherText : public ::testing::TestWithParam<Richtungsfall>
{
protected:
    WindowFixture f;
    model::WindowModel m;

    void SetUp() override
    {
        ASSERT_TRUE(f.active);
        if (!GetParam().tw) {
            ASSERT_TRUE(f.chooseDirectionByMouse(f.Form1.mWT));
            m.chooseWT();
        }
        // All four operations, so that every kind can come up.
        for (QCheckBox *kasten : f.operationBoxes()) {
            if (!kasten->isChecked()) {
                f.click(kasten);
            }
        }
        m.operations = {true, true, true, true};
        f.random.append(m.newTask(20260101).values);
        f.click(f.Form1.bNeu);
        ASSERT_EQ(f.Form1.lbAuswahl->count(), m.list.size());
    }

    TForm1 &w() { return f.Form1; }

    // Everything a pupil can do with a line once it is there, checking
    // after each step that the field still holds exactly `soll`.
    void spieleDurch(TextField *feld, QString soll, Zeitmessung &zeit)
    {
        const auto unveraendert = [&](const char *nach) {
            EXPECT_TRUE(feld->exactText() == soll)
                << "the field's text changed at " << nach << " (" << feld->exactText().size()
                << " characters instead of " << soll.size() << ")";
        };
        // A block chosen after the text is appended behind it.
        if (feld == w().lWortform) {
            zeit.miss("click", [&] { f.clickRow(0); });
            soll += w().lbAuswahl->item(0)->text() + QLatin1Char(' ');
            unveraendert("a click on a block");
        }
        zeit.miss("Prüfe", [&] { f.click(w().bPruefe); });
        EXPECT_EQ(w().statusPanel(TForm1::Panel::Verdict)->text(), QStringLiteral("falsch"));
        EXPECT_EQ(w().statusPanel(TForm1::Panel::Value)->text(), QString());
        unveraendert("Prüfe");

        QString imDialog;
        zeit.miss("Hilfe", [&] {
            EXPECT_TRUE(f.openSolutions([&] {
                imDialog = exactText(f.Form2.rAntwort);
                f.click(f.Form2.bZurueck);
            }));
        });
        if (feld == w().lWortform) {
            EXPECT_TRUE(imDialog == soll) << "the dialog shows another answer line";
        }
        unveraendert("Hilfe");

        zeit.miss("switch twice", [&] {
            ASSERT_TRUE(f.chooseDirectionByMouse(GetParam().tw ? w().mWT : w().mTW));
            ASSERT_TRUE(f.chooseDirectionByMouse(GetParam().tw ? w().mTW : w().mWT));
        });
        if (feld == w().lWortform) {
            unveraendert("two direction switches");
        }
    }

    void fuelleUndSpiele(TextField *feld, const char *feldname)
    {
        for (const Eingabe &e : eingaben()) {
            SCOPED_TRACE(e.name);
            const std::string fall = std::string(feldname) + ", " + e.name;
            Zeitmessung zeit(fall.c_str(), e.grenze);
            if (w().bWiederhole->isVisible()) {
                f.click(w().bWiederhole);
            }
            if (feld == w().Memo && !w().Memo->isVisible()) {
                ASSERT_TRUE(f.chooseDirectionByMouse(w().mWT));
            }
            WindowFixture::clear(feld);
            zeit.miss("paste", [&] { WindowFixture::paste(feld, -1, mime(e)); });
            const QString soll = alsEingefuegt(e);
            ASSERT_TRUE(feld->exactText() == soll)
                << "the paste arrived as " << feld->exactText().size() << " characters, not "
                << soll.size();
            if (feld == w().Memo && GetParam().tw) {
                // Back to wording the equation: the question field hides
                // and keeps its text, which no command of this direction
                // may touch, a new task included.
                zeit.miss("switch back", [&] { ASSERT_TRUE(f.chooseDirectionByMouse(w().mTW)); });
                EXPECT_TRUE(w().Memo->isHidden());
                EXPECT_TRUE(feld->exactText() == soll) << "the switch changed the hidden text";
                zeit.miss("Neu", [&] { f.click(w().bNeu); });
                EXPECT_TRUE(feld->exactText() == soll) << "Neu changed the hidden text";
            }
            spieleDurch(feld, soll, zeit);
        }
    }
};

TEST_P(FeindlicherText, InDerAntwortzeile)
{
    fuelleUndSpiele(w().lWortform, "answer line");
}

// The question field takes text in the direction wording to equation; in
// the other direction it is hidden with whatever it held.
TEST_P(FeindlicherText, ImAufgabenfeld)
{
    fuelleUndSpiele(w().Memo, "question field");
}

// A right answer with a hostile character in it, or around it, is wrong:
// the check compares every byte, and no NUL ends the line early.
TEST_P(FeindlicherText, FastRichtigIstFalsch)
{
    const QString richtig = model::qt(oracle::acceptedLines(m.richtung(), m.aufgabe).front());
    ASSERT_TRUE(richtig.endsWith(QLatin1Char(' ')));
    const QString ohneBlank = richtig.chopped(1);
    const qsizetype mitte = ohneBlank.indexOf(QLatin1Char(' '));
    const std::vector<std::pair<const char *, QString>> zeilen{
        {"a NUL after it", richtig + QChar(0)},
        {"a NUL before its blank", ohneBlank + QChar(0) + QLatin1Char(' ')},
        {"a NUL in the middle", ohneBlank.left(mitte) + QChar(0) + ohneBlank.mid(mitte)},
        {"a no-break space for its last blank", ohneBlank + QChar(0x00A0)},
        {"a line break for a blank",
         ohneBlank.left(mitte) + QLatin1Char('\n') + ohneBlank.mid(mitte + 1) + QLatin1Char(' ')},
        {"a right-to-left mark in front", QChar(0x200F) + richtig},
        {"a zero-width space inside",
         ohneBlank.left(mitte) + QChar(0x200B) + ohneBlank.mid(mitte) + QLatin1Char(' ')},
        {"a byte order mark in front", QChar(0xFEFF) + richtig},
        {"an emoji after it", richtig + QStringLiteral("\U0001F383")},
        {"a lone surrogate after it", richtig + QChar(0xD800)},
        {"full-width digits", QString(richtig).replace(QLatin1Char('1'), QChar(0xFF11))},
        {"ten thousand copies", richtig.repeated(10000)},
    };
    for (const auto &[name, zeile] : zeilen) {
        SCOPED_TRACE(name);
        if (zeile == richtig) {
            continue; // e.g. no digit 1 to replace
        }
        if (w().bWiederhole->isVisible()) {
            f.click(w().bWiederhole);
        }
        auto *daten = new QMimeData;
        daten->setText(zeile);
        WindowFixture::paste(w().lWortform, -1, daten);
        const QString soll = model::WindowModel::asPasted(zeile);
        ASSERT_TRUE(w().lWortform->exactText() == soll);
        f.click(w().bPruefe);
        EXPECT_EQ(w().statusPanel(TForm1::Panel::Verdict)->text(), QStringLiteral("falsch"));
        EXPECT_TRUE(w().lWortform->exactText() == soll);
    }
    // And the line itself, as a check that the task is the one meant.
    f.click(w().bWiederhole);
    auto *daten = new QMimeData;
    daten->setText(richtig);
    WindowFixture::paste(w().lWortform, -1, daten);
    f.click(w().bPruefe);
    EXPECT_EQ(w().statusPanel(TForm1::Panel::Verdict)->text(), QStringLiteral("OK"));
}

// Typed rather than pasted: an input method commits emoji and bidi text,
// and control keys type nothing.
TEST_P(FeindlicherText, GetipptUeberEingabemethode)
{
    TextField *feld = w().lWortform;
    feld->setFocus(Qt::MouseFocusReason);
    const QString zeichen =
        QStringLiteral("\U0001F383 \u200f\u05d0 \U0001F468\u200D\U0001F469 a\u0301 ");
    QInputMethodEvent festlegen;
    festlegen.setCommitString(zeichen);
    QApplication::sendEvent(feld, &festlegen);
    EXPECT_TRUE(feld->exactText() == zeichen);
    for (const Qt::Key taste : {Qt::Key_Escape, Qt::Key_F1, Qt::Key_Insert, Qt::Key_Pause}) {
        QTest::keyClick(feld, taste);
    }
    QTest::keyClick(feld, Qt::Key_G, Qt::ControlModifier); // a bell, if anything
    EXPECT_TRUE(feld->exactText() == zeichen);
    f.click(w().bPruefe);
    EXPECT_EQ(w().statusPanel(TForm1::Panel::Verdict)->text(), QStringLiteral("falsch"));
    EXPECT_TRUE(feld->exactText() == zeichen);
}

INSTANTIATE_TEST_SUITE_P(Richtungen, FeindlicherText,
                         ::testing::Values(Richtungsfall{"GleichungZuWortform", true},
                                           Richtungsfall{"WortformZuGleichung", false}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
