// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs a fuzz target without libFuzzer: each file named on the command line,
// and each file in each directory named, goes once through the target. So
// the seed corpus and every kept crash input are checked by the ordinary
// test run, with any compiler.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Eingabedateien(const fs::path &pfad)
{
    if (!fs::is_directory(pfad)) {
        return {pfad};
    }
    std::vector<fs::path> dateien;
    for (const fs::directory_entry &eintrag : fs::directory_iterator(pfad)) {
        if (eintrag.is_regular_file()) {
            dateien.push_back(eintrag.path());
        }
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

std::vector<std::uint8_t> Lies(const fs::path &datei)
{
    std::ifstream strom(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(strom), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char **argv)
{
    std::size_t gelaufen = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path pfad(argv[i]);
        if (!fs::exists(pfad)) {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 1;
        }
        for (const fs::path &datei : Eingabedateien(pfad)) {
            // Named before it runs: a failing input traps and ends the process.
            std::printf("%s\n", datei.c_str());
            std::fflush(stdout);
            const std::vector<std::uint8_t> daten = Lies(datei);
            LLVMFuzzerTestOneInput(daten.data(), daten.size());
            ++gelaufen;
        }
    }
    std::printf("%zu inputs replayed\n", gelaufen);
    // No input at all means the paths are wrong, not that all is well.
    return gelaufen > 0 ? 0 : 1;
}
