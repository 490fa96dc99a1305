// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Fuzzes the append of a block to the answer line with any bytes, NULs and
// invalid UTF-8 included: the result must be the line, the block and one
// blank, byte for byte, and nothing else.
//
// Input layout: the first byte is a separator; the rest up to the first
// separator is the answer line, everything after it the block (which may
// hold the separator again). Without a separator the block is empty. So
// "|zu welcher Zahl |muss man" appends "muss man".
#include "uebung.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void Verlange(bool bedingung, const char *was)
{
    if (!bedingung) {
        std::fprintf(stderr, "fuzz_haenge_baustein_an: %s\n", was);
        __builtin_trap();
    }
}

bool BeginntMit(const std::string &text, std::size_t von, std::string_view teil)
{
    return text.size() >= von + teil.size() &&
           (teil.empty() || std::memcmp(text.data() + von, teil.data(), teil.size()) == 0);
}

// The one rule: line, block, blank; each part in place and nothing more.
void PruefeAnhang(const std::string &ergebnis, std::string_view zeile, std::string_view baustein)
{
    Verlange(ergebnis.size() == zeile.size() + baustein.size() + 1, "wrong length");
    Verlange(BeginntMit(ergebnis, 0, zeile), "the answer line was changed");
    Verlange(BeginntMit(ergebnis, zeile.size(), baustein), "the block was changed");
    Verlange(ergebnis.back() == ' ', "the final blank is missing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0) {
        Verlange(HaengeBausteinAn({}, {}) == " ", "empty line and block do not give one blank");
        return 0;
    }
    const std::string_view rest(reinterpret_cast<const char *>(data) + 1, size - 1);
    const std::size_t trenner = rest.find(static_cast<char>(data[0]));
    const std::string_view zeile = rest.substr(0, trenner);
    const std::string_view baustein =
        trenner == std::string_view::npos ? std::string_view{} : rest.substr(trenner + 1);

    const std::string einmal = HaengeBausteinAn(std::string(zeile), baustein);
    PruefeAnhang(einmal, zeile, baustein);

    // A block chosen again is appended again, after the first copy.
    const std::string zweimal = HaengeBausteinAn(einmal, baustein);
    PruefeAnhang(zweimal, einmal, baustein);
    return 0;
}
