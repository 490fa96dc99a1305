#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks everything the program offers on the accessibility bus, in each
state of a task and in the solutions dialog: every control a pupil can focus
has a German name and a role, and nothing empty or stale is offered as content.

usage: sweep_test.py PATH-TO-tamsel2"""

import sys

import session

# Roles whose objects are read out as content when they are showing.
CONTENT_ROLES = {'label', 'text', 'image', 'notification', 'status bar'}
# Roles that say nothing about what a control does.
MEANINGLESS_ROLES = {'unknown', 'invalid', 'filler', 'redundant object'}
# English words Qt would fall back on where a name is missing.
ENGLISH = {'OK', 'Cancel', 'Close', 'Menu', 'Back'}


def application():
    import pyatspi
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == 'Tamsel2':
            return app
    return None


def application_text(name):
    for obj in objects(application()):
        if obj.name == name:
            return text_of(obj)
    return ''


def objects(root):
    stack = [root]
    while stack:
        obj = stack.pop()
        yield obj
        stack.extend(obj.getChildAtIndex(i) for i in range(obj.childCount))


def describe(obj):
    return f'{obj.getRoleName()} {obj.name!r}'


def text_of(obj):
    try:
        text = obj.queryText()
    except NotImplementedError:
        return ''
    return text.getText(0, text.characterCount)


def sweep(state):
    """All offered objects of the program, checked; returns them by name."""
    import pyatspi
    problems = []
    showing = {}
    for obj in objects(application()):
        states = obj.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            continue
        role = obj.getRoleName()
        showing.setdefault(obj.name, []).append(obj)
        if states.contains(pyatspi.STATE_FOCUSABLE):
            if not obj.name.strip() or obj.name in ENGLISH:
                problems.append(f'focusable {describe(obj)} has no German name')
            if role in MEANINGLESS_ROLES:
                problems.append(f'focusable {describe(obj)} has no meaningful role')
        if role in CONTENT_ROLES and not obj.name.strip() and not text_of(obj).strip():
            problems.append(f'{describe(obj)} is offered although it is empty')
        if role in ('frame', 'panel', 'dialog') and obj.childCount and not obj.name.strip() \
                and obj.getRoleName() != 'filler':
            problems.append(f'{describe(obj)} groups controls without a name')
    assert not problems, f'{state}: ' + '; '.join(problems)
    return showing


def wait_for_state(name, role, state, what):
    def found():
        app = application()
        if app is None:
            return None
        for obj in objects(app):
            if obj.name == name and (role is None or obj.getRoleName() == role) \
                    and obj.getState().contains(state):
                return obj
        return None

    return session.wait_for(found, f'{role or "object"} {name!r} to {what}')


def wait_showing(name, role=None):
    import pyatspi
    return wait_for_state(name, role, pyatspi.STATE_SHOWING, 'show')


def wait_focused(name, role=None):
    """Keys go to the focus, so a test presses none before it is there."""
    import pyatspi
    return wait_for_state(name, role, pyatspi.STATE_FOCUSED, 'have the focus')


def main():
    missing = session.missing_tools()
    if missing:
        print('skipped, not installed:', ', '.join(missing))
        return session.SKIPPED
    import pyatspi
    with session.Session(sys.argv[1], screen_reader=False) as s:
        wait_focused('Neu', 'push button')
        sweep('at start')

        s.key('Return')
        wait_showing('Prüfe', 'push button')
        showing = sweep('after a new task')
        equation = [name for name, objs in showing.items()
                    if any(o.getRoleName() == 'label' for o in objs) and ' = ' in name]
        assert equation, 'the equation is not offered as a label'

        s.key('Tab', 'Tab', 'Tab', 'Tab', 'Tab', 'Tab', 'Tab')
        wait_focused('Prüfe', 'push button')
        s.key('Return')
        wait_showing('Hilfe', 'push button')
        showing = sweep('after a wrong answer')
        assert 'Ergebnis: falsch' in showing, 'the verdict panel is not named'
        assert 'Grimmiger Kürbis' in showing, 'the grim picture is not named'

        wait_focused('Wiederhole', 'push button')
        s.key('Tab')
        wait_focused('Hilfe', 'push button')
        s.key('Return')
        dialog = wait_showing('Mögliche Antwort(en):', 'dialog')
        assert dialog.getState().contains(pyatspi.STATE_MODAL), 'the dialog is not modal'
        sweep('in the solutions dialog')
        wait_focused('Richtige Antworten', 'text')
        s.key('Escape')
        wait_focused('Hilfe', 'push button')

        # Words to equation: the question covers the last equation, which
        # must not be read out from under it.
        s.chord('alt', 'a')
        wait_focused('Gleichung-->Wortform')
        s.key('w')
        wait_showing('Aufgabentext', 'text')
        s.chord('alt', 'n')
        session.wait_for(lambda: '?' in application_text('Aufgabentext'), 'the question')
        showing = sweep('after a new task from words')
        stale = [name for name in equation if name in showing]
        assert not stale, f'the covered equation is still offered: {stale}'
    print('passed')
    return 0


if __name__ == '__main__':
    sys.exit(main())
