// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aufgabe.h"
#include "richtung.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A second, independent statement of what the answer check accepts: the
// wordings position by position and the two shapes of the equation, written
// out again here instead of taken from the exercise logic, and the value of
// x as the number that makes that equation true. Tests that judge a verdict
// (the fuzzer, the model of the window) ask this oracle, so a wrong cell in
// the logic's tables cannot hide behind the same wrong cell in the test. It
// is the tests' only copy of those tables.
namespace oracle {

// Word blocks 1 to 19 and equation blocks 1 and 2; the rest of each palette
// are the numbers (and the sign) of a task.
// clang-format off
inline constexpr std::array<std::string_view, 19> fixedWordBlocks{
    /*  1 */ "addieren",
    /*  2 */ "subtrahieren",
    /*  3 */ "multiplizieren",
    /*  4 */ "dividieren",
    /*  5 */ "zu",
    /*  6 */ "zur",
    /*  7 */ "von",
    /*  8 */ "mit",
    /*  9 */ "durch",
    /* 10 */ "die Zahl",
    /* 11 */ "der Zahl",
    /* 12 */ "Zahl",
    /* 13 */ "muss man",
    /* 14 */ "welche Zahl",
    /* 15 */ "welcher Zahl",
    /* 16 */ "um",
    /* 17 */ "zu erhalten",
    /* 18 */ "?",
    /* 19 */ "erhalten",
};
// clang-format on

inline constexpr std::array<std::string_view, 2> fixedEquationBlocks{"=", "x"};

// The whole word palette in its own order: the fixed blocks, then the two
// number texts of a task (empty before the first task in its direction).
inline std::vector<std::string> wordPalette(const std::string &first, const std::string &second)
{
    std::vector<std::string> palette(fixedWordBlocks.begin(), fixedWordBlocks.end());
    palette.push_back(first);
    palette.push_back(second);
    return palette;
}

inline bool validKind(std::int32_t kind)
{
    return kind >= 0 && kind <= 7;
}

// The sign that belongs to a kind.
inline std::string_view signOfKind(std::int32_t kind)
{
    static constexpr std::array<std::string_view, 8> signs{"+", "+", "-", "-", "*", "*", ":", ":"};
    return validKind(kind) ? signs[static_cast<std::size_t>(kind)] : std::string_view{};
}

// Plain decimal digits, built by hand rather than by the library call the
// logic uses.
inline std::string numberText(std::int64_t number)
{
    if (number == 0) {
        return "0";
    }
    const bool negative = number < 0;
    std::string digits;
    for (std::int64_t rest = number; rest != 0; rest /= 10) {
        const auto digit = static_cast<char>('0' + (negative ? -(rest % 10) : rest % 10));
        digits.insert(digits.begin(), digit);
    }
    return negative ? "-" + digits : digits;
}

struct WordingRow
{
    std::int32_t kind;
    std::string_view opening;
    std::string_view middle;
};

// Every wording, in the order of its positions within its kind.
// clang-format off
inline constexpr std::array<WordingRow, 34> allWordings{{
    {0, "welche Zahl muss man zu der Zahl ",    " addieren um die Zahl "},
    {0, "welche Zahl muss man zur Zahl ",       " addieren um die Zahl "},
    {0, "welche Zahl muss man zu ",             " addieren um die Zahl "},
    {0, "welche Zahl muss man zu der Zahl ",    " addieren um "},
    {0, "welche Zahl muss man zur Zahl ",       " addieren um "},
    {0, "welche Zahl muss man zu ",             " addieren um "},
    {1, "zu welcher Zahl muss man die Zahl ",   " addieren um die Zahl "},
    {1, "zu welcher Zahl muss man ",            " addieren um die Zahl "},
    {1, "zu welcher Zahl muss man die Zahl ",   " addieren um "},
    {1, "zu welcher Zahl muss man ",            " addieren um "},
    {2, "von welcher Zahl muss man die Zahl ",  " subtrahieren um die Zahl "},
    {2, "von welcher Zahl muss man ",           " subtrahieren um die Zahl "},
    {2, "von welcher Zahl muss man die Zahl ",  " subtrahieren um "},
    {2, "von welcher Zahl muss man ",           " subtrahieren um "},
    {3, "welche Zahl muss man von der Zahl ",   " subtrahieren um die Zahl "},
    {3, "welche Zahl muss man von ",            " subtrahieren um die Zahl "},
    {3, "welche Zahl muss man von der Zahl ",   " subtrahieren um "},
    {3, "welche Zahl muss man von ",            " subtrahieren um "},
    {4, "welche Zahl muss man mit der Zahl ",   " multiplizieren um die Zahl "},
    {4, "welche Zahl muss man mit ",            " multiplizieren um die Zahl "},
    {4, "welche Zahl muss man mit der Zahl ",   " multiplizieren um "},
    {4, "welche Zahl muss man mit ",            " multiplizieren um "},
    {5, "mit welcher Zahl muss man die Zahl ",  " multiplizieren um die Zahl "},
    {5, "mit welcher Zahl muss man ",           " multiplizieren um die Zahl "},
    {5, "mit welcher Zahl muss man die Zahl ",  " multiplizieren um "},
    {5, "mit welcher Zahl muss man ",           " multiplizieren um "},
    {6, "welche Zahl muss man durch die Zahl ", " dividieren um die Zahl "},
    {6, "welche Zahl muss man durch ",          " dividieren um die Zahl "},
    {6, "welche Zahl muss man durch die Zahl ", " dividieren um "},
    {6, "welche Zahl muss man durch ",          " dividieren um "},
    {7, "durch welche Zahl muss man die Zahl ", " dividieren um die Zahl "},
    {7, "durch welche Zahl muss man ",          " dividieren um die Zahl "},
    {7, "durch welche Zahl muss man die Zahl ", " dividieren um "},
    {7, "durch welche Zahl muss man ",          " dividieren um "},
}};
// clang-format on

// The wordings of a kind for the numbers a and b, in their order; none for
// a kind outside 0 to 7.
inline std::vector<std::string> wordings(std::int32_t kind, std::int32_t a, std::int32_t b)
{
    std::vector<std::string> result;
    for (const WordingRow &row : allWordings) {
        if (row.kind == kind) {
            result.push_back(std::string(row.opening) + numberText(a) + std::string(row.middle) +
                             numberText(b) + " zu erhalten ?");
        }
    }
    return result;
}

// In kinds 1, 2, 4 and 6 the x stands first ("x + a = b"), in the others it
// follows the first number ("a + x = b").
inline bool xFirst(std::int32_t kind)
{
    return kind == 1 || kind == 2 || kind == 4 || kind == 6;
}

// The five tokens of the equation joined by single blanks, with the sign the
// record carries; empty for a kind outside 0 to 7.
inline std::string equation(const Aufgabe &aufgabe)
{
    if (!validKind(aufgabe.Aufgabentyp)) {
        return {};
    }
    const std::string a = numberText(aufgabe.Zahl1);
    const std::string b = numberText(aufgabe.Zahl2);
    const std::array<std::string, 5> tokens =
        xFirst(aufgabe.Aufgabentyp)
            ? std::array<std::string, 5>{"x", aufgabe.Rechenzeichen, a, "=", b}
            : std::array<std::string, 5>{a, aufgabe.Rechenzeichen, "x", "=", b};
    std::string text = tokens[0];
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        text += ' ';
        text += tokens[i];
    }
    return text;
}

// Every answer line the check must accept: each wording (mTW) or the
// equation (mWT), followed by the one blank a clicked block leaves behind.
// A record of no valid kind accepts nothing.
inline std::vector<std::string> acceptedLines(Richtung richtung, const Aufgabe &aufgabe)
{
    if (!validKind(aufgabe.Aufgabentyp)) {
        return {};
    }
    std::vector<std::string> lines =
        richtung == Richtung::mTW ? wordings(aufgabe.Aufgabentyp, aufgabe.Zahl1, aufgabe.Zahl2)
                                  : std::vector<std::string>{equation(aufgabe)};
    for (std::string &line : lines) {
        line += ' ';
    }
    return lines;
}

// Whether the task generator can make this record: the kind's sign, the
// kind's ranges and its condition on the pair.
inline bool drawable(const Aufgabe &aufgabe)
{
    const std::int32_t a = aufgabe.Zahl1;
    const std::int32_t b = aufgabe.Zahl2;
    const auto inRange = [](std::int32_t number, std::int32_t from) {
        return number >= from && number <= 9999;
    };
    if (!validKind(aufgabe.Aufgabentyp) ||
        aufgabe.Rechenzeichen != signOfKind(aufgabe.Aufgabentyp)) {
        return false;
    }
    switch (aufgabe.Aufgabentyp) {
    case 0:
    case 1:
        return inRange(a, 0) && inRange(b, 0) && b >= a;
    case 2:
        return inRange(a, 0) && inRange(b, 0);
    case 3:
        return inRange(a, 0) && inRange(b, 0) && b <= a;
    case 4:
    case 5:
        return inRange(a, 1) && inRange(b, 0) && b % a == 0;
    case 6:
        return inRange(a, 1) && inRange(b, 0);
    default: // 7: a dividend of 0 is never drawn, since 0 : x = b has no solution
        return inRange(a, 1) && inRange(b, 1) && a % b == 0;
    }
}

// Where the equation's left side, with x put in its place, stands against
// its right side: below (-1), equal (0) or above (1). Read from the record's
// own tokens and computed exactly in a wider type: a quotient counts as a
// fraction, so 7 : x = 2 is not met by x = 3, and a divisor 0 makes the left
// side endless. nullopt for a sign that is none of the four.
inline std::optional<int> leftAgainstRight(const Aufgabe &aufgabe, std::int64_t x)
{
    const std::int64_t a = aufgabe.Zahl1;
    const std::int64_t b = aufgabe.Zahl2;
    const bool xIsFirst = xFirst(aufgabe.Aufgabentyp);
    const std::int64_t left = xIsFirst ? x : a;
    const std::int64_t rightOperand = xIsFirst ? a : x;
    std::int64_t difference = 0;
    if (aufgabe.Rechenzeichen == "+") {
        difference = left + rightOperand - b;
    } else if (aufgabe.Rechenzeichen == "-") {
        difference = left - rightOperand - b;
    } else if (aufgabe.Rechenzeichen == "*") {
        difference = left * rightOperand - b;
    } else if (aufgabe.Rechenzeichen == ":") {
        // links / rechts against b, both sides times the divisor.
        difference = rightOperand == 0 ? left : left - b * rightOperand;
    } else {
        return std::nullopt;
    }
    return difference > 0 ? 1 : difference < 0 ? -1 : 0;
}

// The value of x: the one number that, put back into the equation, makes
// it true, found by trying numbers in the equation rather than by a formula
// of each kind, so it cannot repeat a wrong formula of the logic. The left
// side moves one way only as x grows, so a bisection of 0 to 99980001 (every
// value lies in there) finds it. nullopt if no number there solves it.
inline std::optional<std::int64_t> value(const Aufgabe &aufgabe)
{
    if (!validKind(aufgabe.Aufgabentyp)) {
        return std::nullopt;
    }
    std::int64_t low = 0;
    std::int64_t high = 9999LL * 9999;
    const std::optional<int> atZero = leftAgainstRight(aufgabe, low);
    if (!atZero) {
        return std::nullopt;
    }
    if (*atZero == 0) {
        return low;
    }
    // The smallest x at which the left side has reached or passed the right.
    const auto reached = [&](std::int64_t x) { return *leftAgainstRight(aufgabe, x) != *atZero; };
    if (!reached(high)) {
        return std::nullopt;
    }
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        (reached(middle) ? high : low) = middle;
    }
    return *leftAgainstRight(aufgabe, high) == 0 ? std::optional(high) : std::nullopt;
}

struct Verdict
{
    bool right = false;
    std::string text;      // "OK" or "falsch"
    std::string valueText; // "Wert: " and the value when right, else empty
};

// What the check must say about an answer line. The value text is binding
// only for a record the generator can make (drawable).
inline Verdict expectedVerdict(Richtung richtung, const Aufgabe &aufgabe,
                               std::string_view answerLine)
{
    const std::vector<std::string> lines = acceptedLines(richtung, aufgabe);
    const bool right = std::find(lines.begin(), lines.end(), answerLine) != lines.end();
    if (!right) {
        return {false, "falsch", {}};
    }
    const std::optional<std::int64_t> x = value(aufgabe);
    return {true, "OK", "Wert: " + (x ? numberText(*x) : std::string())};
}

} // namespace oracle
