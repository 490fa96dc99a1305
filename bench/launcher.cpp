// SPDX-FileCopyrightText: 2026 Tamsel2 developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace launcher {

namespace {

std::string readFile(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

long long statusField(const std::string &status, const std::string &name)
{
    const std::size_t at = status.find(name + ":");
    if (at == std::string::npos) {
        return 0;
    }
    return std::atoll(status.c_str() + at + name.size() + 1);
}

// utime and stime are fields 14 and 15 of stat, counted after the command
// name in brackets, which may itself hold blanks.
long long statTicks(const std::string &stat)
{
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) {
        return 0;
    }
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    long long ticks = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14 || index == 15) {
            ticks += std::atoll(field.c_str());
        }
        if (index == 15) {
            break;
        }
    }
    return ticks;
}

} // namespace

pid_t launch(const std::string &path, int stdoutFd)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int devNull = open("/dev/null", O_RDWR);
        dup2(stdoutFd >= 0 ? stdoutFd : devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        dup2(devNull, STDIN_FILENO);
        char *argv[] = {const_cast<char *>(path.c_str()), nullptr};
        execv(argv[0], argv);
        _exit(127);
    }
    return pid;
}

Usage usageOf(pid_t pid)
{
    Usage usage;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(taskDir.c_str());
    if (dir == nullptr) {
        return usage;
    }
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        const std::string task = taskDir + "/" + entry->d_name;
        const std::string status = readFile(task + "/status");
        usage.voluntary += statusField(status, "voluntary_ctxt_switches");
        usage.involuntary += statusField(status, "nonvoluntary_ctxt_switches");
        usage.cpuNs += std::atoll(readFile(task + "/schedstat").c_str());
        usage.cpuTicks += statTicks(readFile(task + "/stat"));
        ++usage.threads;
    }
    closedir(dir);
    return usage;
}

Usage difference(const Usage &before, const Usage &after)
{
    return {after.cpuNs - before.cpuNs, after.cpuTicks - before.cpuTicks,
            after.voluntary - before.voluntary, after.involuntary - before.involuntary,
            after.threads};
}

Ended end(pid_t pid)
{
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {usage.ru_maxrss, ms(usage.ru_utime) + ms(usage.ru_stime)};
}

} // namespace launcher
