# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for one accessibility test: an X server, a window
manager, a D-Bus session with its accessibility bus, the screen reader Orca
with its speech written to a log instead of a sound card, and the program.

Every wait polls a condition against a generous limit, so a slow machine
makes a test slower, never flaky."""

import os
import pty
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

SKIPPED = 77  # ctest reports this exit code as a skipped test
BUS_LAUNCHER = '/usr/libexec/at-spi-bus-launcher'
TOOLS = ['Xvfb', 'openbox', 'orca', 'xdotool', 'xprop', 'dbus-daemon', 'dbus-send']
LIMIT = 60.0  # seconds; far beyond what any step takes on a loaded machine

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(\{'established'.*)?$")
# What Orca says when the focus arrives somewhere: a role, or a list.
FOCUS_SPOKEN = re.compile(r'\b(push button|check box|text|dialog)\b|^List with \d+ items')


def missing_tools():
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if not os.path.exists(BUS_LAUNCHER):
        missing.append(BUS_LAUNCHER)
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append('python3-pyatspi')
    return missing


def orca_running():
    """Orca refuses to start beside another Orca of the same user, and a
    test must never stop a pupil's or developer's own screen reader."""
    return subprocess.run(['pgrep', '-u', str(os.getuid()), '-x', 'orca'],
                          stdout=subprocess.DEVNULL).returncode == 0


def wait_for(condition, what, limit=LIMIT):
    deadline = time.monotonic() + limit
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f'timed out after {limit:.0f} s waiting for {what}')
        time.sleep(0.05)


class Session:
    """Use as a context manager; everything started is stopped on exit."""

    def __init__(self, program, screen_reader=True):
        self.program = program
        self.screen_reader = screen_reader
        self.processes = []
        self.dir = tempfile.mkdtemp(prefix='tamsel2-a11y-')
        self.log = os.path.join(self.dir, 'orca.log')
        self.read_upto = 0  # speech lines already consumed by expect()
        self.spoken = []  # every line Orca has spoken, in order
        self.partial = ''  # the debug output after its last complete line
        self.lock = threading.Lock()
        self._terminal_writer = None  # Orca's end of its debug terminal
        self.env = self._environment()

    def _environment(self):
        runtime = os.path.join(self.dir, 'run')
        os.makedirs(runtime, mode=0o700)
        env = {key: os.environ[key] for key in ('PATH', 'PYTHONPATH') if key in os.environ}
        env.update(HOME=self.dir, XDG_RUNTIME_DIR=runtime, LANG='C.UTF-8',
                   XDG_CONFIG_HOME=os.path.join(self.dir, 'config'),
                   XDG_DATA_HOME=os.path.join(self.dir, 'data'),
                   XDG_CACHE_HOME=os.path.join(self.dir, 'cache'))
        return env

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        # Each process leads a group of its own, which takes along what it
        # started (the registry beside the accessibility bus, for one).
        for process in reversed(self.processes):
            self._signal_group(process, signal.SIGTERM)
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self._signal_group(process, signal.SIGKILL)
                process.wait()
        if self._terminal_writer is not None:
            os.close(self._terminal_writer)
        if exc and exc[0] is not None and os.path.exists(self.log):
            print('--- what Orca said ---', file=sys.stderr)
            for line in self.speech():
                print(line, file=sys.stderr)
            # Orca's whole debug log, to see which events it ignored and why.
            kept = os.path.abspath('orca-debug.log')
            shutil.copyfile(self.log, kept)
            print(f'--- Orca\'s debug log: {kept}', file=sys.stderr)
        shutil.rmtree(self.dir, ignore_errors=True)
        return False

    def _spawn(self, args, **kwargs):
        process = subprocess.Popen(args, env=self.env, stdin=subprocess.DEVNULL,
                                   start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    @staticmethod
    def _signal_group(process, number):
        try:
            os.killpg(process.pid, number)
        except ProcessLookupError:
            pass

    def _start(self):
        # The X server picks a free display itself and tells which.
        xvfb = self._spawn(['Xvfb', '-displayfd', '1', '-screen', '0', '1280x1024x24',
                            '-nolisten', 'tcp'], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL)
        display = xvfb.stdout.readline().decode().strip()
        if not display:
            raise RuntimeError('Xvfb did not start')
        self.env['DISPLAY'] = ':' + display

        bus = self._spawn(['dbus-daemon', '--session', '--nofork', '--print-address=1'],
                          stdout=subprocess.PIPE)
        self.env['DBUS_SESSION_BUS_ADDRESS'] = bus.stdout.readline().decode().strip()
        os.environ['DBUS_SESSION_BUS_ADDRESS'] = self.env['DBUS_SESSION_BUS_ADDRESS']
        os.environ['DISPLAY'] = self.env['DISPLAY']

        self._spawn([BUS_LAUNCHER, '--launch-immediately'],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Programs start their accessibility bridge only when the desktop
        # says that assistive technology is in use.
        wait_for(lambda: self._run_ok(
            ['dbus-send', '--session', '--print-reply', '--dest=org.a11y.Bus', '/org/a11y/bus',
             'org.freedesktop.DBus.Properties.Set', 'string:org.a11y.Status',
             'string:IsEnabled', 'variant:boolean:true']), 'the accessibility bus')

        self._start_window_manager()

        if self.screen_reader:
            self._start_orca()
        self.app = self._spawn([self.program], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)

    def _start_window_manager(self):
        wm_log = os.path.join(self.dir, 'openbox.log')
        for attempt in range(3):
            wm = self._spawn(['openbox'], stdout=subprocess.DEVNULL, stderr=open(wm_log, 'w'))
            try:
                wait_for(lambda: wm.poll() is not None or self._run_ok(
                    ['xprop', '-root', '_NET_SUPPORTING_WM_CHECK'], expect='window id'),
                    'the window manager', limit=LIMIT / 3)
            except AssertionError:
                pass
            if wm.poll() is None and self._run_ok(
                    ['xprop', '-root', '_NET_SUPPORTING_WM_CHECK'], expect='window id'):
                return
            # It ended or never took over the screen: say why, and try anew.
            with open(wm_log) as log:
                print(f'openbox, attempt {attempt + 1}:', log.read(), file=sys.stderr)
            self._signal_group(wm, signal.SIGKILL)
            wm.wait()
        raise AssertionError('no window manager would start')

    def _start_orca(self):
        prefs = os.path.join(self.dir, 'orca')
        os.makedirs(prefs)
        self._spawn(['orca', '-d', 'speech', '-u', prefs, '--debug-file', self._debug_terminal()],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: 'Startup complete' in self._log_text(), 'Orca to start')

    def _debug_terminal(self):
        """Orca writes its debug log through a buffer that a file would
        receive only every few kilobytes, so a quiet moment would hide the last
        things said. Written to a terminal, it arrives line by line; a thread
        copies it into the log."""
        reader, writer = pty.openpty()
        tty.setraw(writer)
        name = os.ttyname(writer)
        self._terminal_writer = writer
        threading.Thread(target=self._copy_debug_output, args=(reader,), daemon=True).start()
        return name

    def _copy_debug_output(self, reader):
        with open(self.log, 'ab') as log:
            while True:
                try:
                    chunk = os.read(reader, 65536)
                except OSError:
                    return
                if not chunk:
                    return
                log.write(chunk)
                log.flush()
                self._collect_speech(chunk.decode('utf-8', errors='replace'))

    def _collect_speech(self, text):
        with self.lock:
            lines = (self.partial + text).split('\n')
            self.partial = lines.pop()
            for line in lines:
                match = SPEECH.search(line)
                if match:
                    self.spoken.append(match.group(1))

    def _run_ok(self, args, expect=None):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True)
        return result.returncode == 0 and (expect is None or expect in result.stdout)

    def _log_text(self):
        try:
            with open(self.log, encoding='utf-8', errors='replace') as log:
                return log.read()
        except FileNotFoundError:
            return ''

    def speech(self):
        """Every line Orca has spoken so far, in order."""
        with self.lock:
            return list(self.spoken)

    def key(self, *keys):
        subprocess.run(['xdotool', 'key', '--clearmodifiers', *keys], env=self.env, check=True)

    def chord(self, modifier, key):
        """A modifier held while a key is pressed, as a person does it: an
        Alt released in the same instant as its letter can reach the program
        before the letter, through the screen reader's detour for keys, and
        then opens or closes the menu bar by itself."""
        subprocess.run(['xdotool', 'keydown', modifier], env=self.env, check=True)
        time.sleep(0.15)
        subprocess.run(['xdotool', 'key', key], env=self.env, check=True)
        time.sleep(0.15)
        subprocess.run(['xdotool', 'keyup', modifier], env=self.env, check=True)

    def type(self, text):
        subprocess.run(['xdotool', 'type', '--delay', '20', text], env=self.env, check=True)

    def expect(self, pattern, what=None):
        """Waits until Orca says something matching pattern, after what an
        earlier expect() consumed; returns the match."""
        regex = re.compile(pattern)

        def spoken():
            lines = self.speech()
            for index in range(self.read_upto, len(lines)):
                match = regex.search(lines[index])
                if match:
                    self.read_upto = index + 1
                    return match
            return None

        return wait_for(spoken, what or f'Orca to say {pattern!r}')

    def focus(self, pattern, key='Tab', presses=16):
        """Presses key until Orca reports the focus on what matches pattern."""
        regex = re.compile(pattern)
        for _ in range(presses):
            start = len(self.speech())
            self.key(key)
            wait_for(lambda: any(FOCUS_SPOKEN.search(line) for line in self.speech()[start:]),
                     f'the focus to move after {key}')
            if any(regex.search(line) for line in self.speech()[start:]):
                self.read_upto = len(self.speech())
                return
        raise AssertionError(f'{key} never brought the focus to {pattern!r}')
