// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The start-up itself is tamsel2.cpp, built as programMain so that the
// start-up benchmark can run it unchanged; this only calls it.
int programMain(int argc, char *argv[]);

int main(int argc, char *argv[])
{
    return programMain(argc, argv);
}
