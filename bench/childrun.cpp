// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "bench/childrun.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string nameOf(const std::string& variable)
{
    return variable.substr(0, variable.find('='));
}

} // namespace

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

ChildRun runChild(const std::string& program, const std::vector<std::string>& arguments,
                  const std::vector<std::string>& extraEnvironment, std::chrono::milliseconds timeout)
{
    ChildRun run;

    std::vector<std::string> environment = extraEnvironment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        const bool replaced = std::any_of(extraEnvironment.begin(), extraEnvironment.end(),
                                          [&](const std::string& extra) { return nameOf(extra) == nameOf(entry); });
        if (!replaced)
            environment.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : argStrings)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);

    pid_t pid = 0;
    run.startedNs = monotonicNs();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return run;
    }

    // Read until the child closes its output, which it does when it ends.
    const std::int64_t deadline = run.startedNs + std::chrono::nanoseconds(timeout).count();
    bool timedOut = false;
    char buffer[4096];
    for (;;) {
        const std::int64_t left = deadline - monotonicNs();
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd readable{pipeEnds[0], POLLIN, 0};
        const int ready = poll(&readable, 1, static_cast<int>(left / 1'000'000 + 1));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            continue;
        const ssize_t count = read(pipeEnds[0], buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        run.output.append(buffer, static_cast<std::size_t>(count));
    }
    close(pipeEnds[0]);
    if (timedOut)
        kill(pid, SIGKILL);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.peakKiB = usage.ru_maxrss;
    run.succeeded = !timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}
