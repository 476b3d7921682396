// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// One run of a program to its end: how it ended, what it printed and its peak resident memory.
struct ChildRun {
    bool succeeded = false;     // exited by itself with status 0, within the time allowed
    std::string output;         // its standard output
    long peakKiB = 0;           // its peak resident memory, as the kernel counts it
    std::int64_t startedNs = 0; // monotonicNs() just before the process was created
};

// Runs program with arguments and our environment plus extraEnvironment ("NAME=value", which
// replaces a variable of the same name). Its standard error goes where ours goes. A run that
// takes longer than timeout is killed and counts as failed.
ChildRun runChild(const std::string& program, const std::vector<std::string>& arguments,
                  const std::vector<std::string>& extraEnvironment, std::chrono::milliseconds timeout);

// CLOCK_MONOTONIC in nanoseconds: one clock for every process on the machine.
std::int64_t monotonicNs();

double median(std::vector<double> values);
