// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starts and ends the programs that the start-up probe measures, and reads
// what a running one has used. Linux only: the figures come from /proc and
// from wait4().

#include <string>
#include <sys/types.h>

namespace launcher {

// What a process has used so far, summed over its threads.
struct Usage
{
    long long cpuNs = 0;     // from schedstat, nanoseconds on the CPU
    long long cpuTicks = 0;  // utime + stime from stat, in clock ticks
    long long voluntary = 0; // a thread went to sleep: one wake-up each
    long long involuntary = 0;
    int threads = 0;
};

// What the kernel tells of a process once it has ended.
struct Ended
{
    long maxRssKb = 0; // peak resident set
    double cpuMs = 0;  // user and system time of its whole life
};

// Starts the program without arguments. Its standard output goes to
// stdoutFd, or to /dev/null when that is negative; standard input and
// error are /dev/null, so nothing the program says slows it down.
pid_t launch(const std::string &path, int stdoutFd);

Usage usageOf(pid_t pid);
Usage difference(const Usage &before, const Usage &after);

// Kills the process and waits for it.
Ended end(pid_t pid);

} // namespace launcher
