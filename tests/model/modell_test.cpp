// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "befehle.h"

#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

namespace {

// Random sequences of the pupil's commands on the real window, each step
// compared with the model. RapidCheck draws the sequences from the seed in
// RC_PARAMS (or a fresh one, printed below) and shrinks a failing one to
// the shortest prefix that still fails.
RC_GTEST_PROP(FensterModell, ZufaelligeBefehlsfolgen, ())
{
    WindowFixture fenster;
    RC_ASSERT(fenster.active);
    const long vorher = befehle::statistik().befehle;
    rc::state::check(model::WindowModel{}, fenster, befehle::alleBefehle());
    befehle::Statistik &s = befehle::statistik();
    ++s.sequenzen;
    s.laengste = std::max(s.laengste, s.befehle - vorher);
}

// Prints how to rerun the same sequences, and what was played in how long.
class Bericht : public ::testing::Environment
{
public:
    void SetUp() override
    {
        start = std::chrono::steady_clock::now();
        // With the same parameters the run plays the same sequences again.
        std::printf("rerun with RC_PARAMS=\"%s\"\n",
                    rc::detail::configToMinimalString(rc::detail::configuration()).c_str());
    }

    void TearDown() override
    {
        const double sekunden =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const befehle::Statistik &s = befehle::statistik();
        std::printf("played %ld sequences, %ld commands (mean %.1f, longest %ld), %ld clicks "
                    "and keys, in %.1f s; %ld tasks drawn, %ld Neu with no operation, %ld "
                    "verdicts OK, %ld falsch, %ld Hilfe dialogs, %ld direction choices\n",
                    s.sequenzen, s.befehle,
                    s.sequenzen > 0 ? static_cast<double>(s.befehle) / s.sequenzen : 0.0,
                    s.laengste, WindowFixture::inputsSent(), sekunden, s.aufgaben,
                    s.neuOhneRechenart, s.richtig, s.falsch, s.hilfen, s.wechsel);
    }

private:
    std::chrono::steady_clock::time_point start;
};

// Registered before main, so it runs around every test of the program.
[[maybe_unused]] ::testing::Environment *const bericht =
    ::testing::AddGlobalTestEnvironment(new Bericht);

} // namespace
