// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabe.h"
#include "feld.h"
#include "richtung.h"
#include "zufallsquelle.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using Wortbausteine = Feld<std::string, 21>;
using Gleichungsbausteine = Feld<std::string, 5>;
using Wortfolge = Feld<int, 21>;
using Gleichungsfolge = Feld<int, 5>;

// What the window shows of a task just posed.
struct PosedTask
{
    // The equation (mTW) or one wording of the question (mWT).
    std::string text;
    // The direction's blocks in their new display order.
    std::vector<std::string> blocks;

    bool operator==(const PosedTask &) const = default;
};

// The one exercise state of the program: the task in force and the two
// palettes of building blocks with their display orders. The main window
// owns one value of it and only moves texts between it and its controls.
class Uebung
{
public:
    // Sets the fixed blocks: word blocks 1 to 19, equation blocks 1 and 2.
    void SetzeFesteBausteine();

    // Draws a new task into the state; false (and no change) if no
    // operation is enabled.
    bool NeueAufgabe(const Rechenarten &erlaubt, Zufallsquelle &zufall);

    // Makes the task's numbers (and, for mWT, its sign) the variable blocks of
    // the direction's palette; the other palette keeps its entries.
    void SetzeZahlbausteine(Richtung richtung, const Aufgabe &aufgabe);

    // Shuffles the direction's display order anew and returns the palette's
    // texts in that order: 21 word blocks or 5 equation blocks.
    std::vector<std::string> FuelleAuswahl(Richtung richtung, Zufallsquelle &zufall);

    // The whole of a new task in the direction, as "Neu" runs it: the draw,
    // the direction's number blocks, the shuffle and, for mWT, the question.
    // The question is drawn only after the shuffle, from the generator it
    // has just reseeded. Nothing (and no change) if no operation is enabled.
    std::optional<PosedTask> poseTask(const Rechenarten &erlaubt, Richtung richtung,
                                      Zufallsquelle &zufall);

    const Aufgabe &aufgabe() const { return aufgabe_; }
    const Wortbausteine &wortbausteine() const { return Wortbausteine_; }
    const Gleichungsbausteine &gleichungsbausteine() const { return Gleichungsbausteine_; }
    const Wortfolge &wortfolge() const { return Wortfolge_; }
    const Gleichungsfolge &gleichungsfolge() const { return Gleichungsfolge_; }

    bool operator==(const Uebung &) const = default;

private:
    static void MischeWortfolge(Wortfolge &folge, Zufallsquelle &zufall);
    static void MischeGleichungsfolge(Gleichungsfolge &folge, Zufallsquelle &zufall);

    Aufgabe aufgabe_;
    Wortbausteine Wortbausteine_;
    Gleichungsbausteine Gleichungsbausteine_;
    Wortfolge Wortfolge_;
    Gleichungsfolge Gleichungsfolge_;
};

// The answer line extended by a chosen block and one blank; nothing else.
std::string HaengeBausteinAn(std::string antwortzeile, std::string_view baustein);
