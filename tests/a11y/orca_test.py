#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A blind pupil's exercises, keys only, with Debian's screen reader Orca
listening: in both directions a wrong answer, the solutions and back, then the
right answer typed in. Asserts what Orca says, as its speech log records it.

usage: orca_test.py PATH-TO-tamsel2"""

import re
import sys

import session

EQUATION = r'(x|\d+) ([-+*:]) (x|\d+) = (\d+)'


def value_of_x(equation):
    """Solves one of the program's equations by putting x back in."""
    left, sign, right, result = re.fullmatch(EQUATION, equation).groups()
    apply = {'+': lambda a, b: a + b, '-': lambda a, b: a - b,
             '*': lambda a, b: a * b, ':': lambda a, b: a // b if b else None}[sign]
    for x in range(0, int(result) + 10000):
        a = x if left == 'x' else int(left)
        b = x if right == 'x' else int(right)
        if apply(a, b) == int(result) and (sign != ':' or a % b == 0):
            return x
    raise AssertionError(f'no whole x solves {equation}')


def correct_answers():
    """The lines of the solutions dialog, read through the accessibility bus."""
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is None or application.name != 'Tamsel2':
            continue
        field = pyatspi.findDescendant(
            application, lambda o: o.name == 'Richtige Antworten' and o.getRole() ==
            pyatspi.ROLE_TEXT)
        if field is not None:
            text = field.queryText()
            return text.getText(0, text.characterCount).split('\n')
    raise AssertionError('no solutions dialog found')


def wrong_answer_then_solutions(s):
    """From "Neu": one block chosen in the list, checked, wrong; the
    solutions read and closed. Returns the correct answers."""
    s.focus(r'^List with \d+ items')
    s.key('Down')
    s.expect(r'^notification .+ angehängt\.?$', 'the chosen block to be spoken')
    s.focus(r'^Prüfe push button')
    s.key('Return')
    s.expect(r'^Wiederhole push button', 'the focus on "Wiederhole" after the check')
    s.expect(r'^notification falsch\. Unter „Hilfe“ stehen die richtigen Antworten\.?$')
    s.focus(r'^Hilfe push button')
    s.key('Return')
    s.expect(r'^Mögliche Antwort\(en\): dialog', 'the dialog title')
    s.expect(r'^Richtige Antwort\(en\): text', 'the focus on the correct answers')
    answers = correct_answers()
    first_line_spoken = s.expect(r'^(.+?)\.?$').group(1)
    assert answers[0].startswith(first_line_spoken.rstrip()), (first_line_spoken, answers)
    s.key('Escape')
    s.expect(r'^Hilfe push button', 'the focus back on "Hilfe"')
    return answers


def right_answer(s, answer):
    """From "Hilfe": again, the answer typed in, checked, right."""
    s.focus(r'^Wiederhole push button', key='shift+Tab')
    s.key('space')
    s.expect(r'^notification Antwort gelöscht, Bausteine neu gemischt\.?$')
    s.focus(r'^Deine Antwort text', key='shift+Tab')
    s.type(answer + ' ')
    s.focus(r'^Prüfe push button')
    s.key('Return')
    s.expect(r'^Wiederhole push button', 'the focus on "Wiederhole" after the check')
    return s.expect(r'^notification OK\. Wert: (\d+)\.?$', 'the verdict and the value').group(1)


def main():
    missing = session.missing_tools()
    if missing:
        print('skipped, not installed:', ', '.join(missing))
        return session.SKIPPED
    if session.orca_running():
        print('skipped: Orca already runs for this user')
        return session.SKIPPED
    with session.Session(sys.argv[1]) as s:
        s.expect(r'^Neu push button', 'the focus on "Neu" at start')

        # Equation to words, the task asked for with Enter on "Neu".
        s.key('Return')
        equation = s.expect(r'^notification Aufgabe: (' + EQUATION + r')\.?$').group(1)
        answers = wrong_answer_then_solutions(s)
        assert len(answers) in (4, 6), answers
        value = right_answer(s, answers[0])
        assert int(value) == value_of_x(equation), (equation, value)

        # Words to equation, switched and asked for through the menu.
        s.chord('alt', 'a')
        s.expect(r'^Gleichung-->Wortform')
        s.key('w')
        s.expect(r'^Wiederhole push button', 'the focus told again after the menu')
        s.chord('alt', 'n')
        # The focus, which was on a button that the new task hides, is told
        # first, then the question.
        s.expect(r'^Neu push button', 'the focus on "Neu", not on a hidden button')
        question = s.expect(r'^notification Aufgabe: (.+ \?)\.?$').group(1)
        answers = wrong_answer_then_solutions(s)
        assert len(answers) == 1 and re.fullmatch(EQUATION, answers[0]), answers
        value = right_answer(s, answers[0])
        assert int(value) == value_of_x(answers[0]), (answers[0], value)
        print('Orca spoke the question:', question)
    print('passed')
    return 0


if __name__ == '__main__':
    sys.exit(main())
