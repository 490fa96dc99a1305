// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The baseline itself is baseline.cpp, built as programMain like the
// program's start-up, so that the offscreen probe runs it unchanged; this
// only calls it.
int programMain(int argc, char *argv[]);

int main(int argc, char *argv[])
{
    return programMain(argc, argv);
}
