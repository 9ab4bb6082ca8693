#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

// Runs work in a child process of its own and tells what it cost: the exit
// code work returned (-1 when the child died) and how far its resident
// memory rose above what it shared with the test at the fork. The child's
// address space is capped at capMiB above the test's, so a regression
// toward gigabytes fails one test instead of starving the machine.
struct ChildCost
{
    int exitCode = -1;
    long grownKiB = 0;

    static ChildCost Run(const std::function<int()>& work, long capMiB)
    {
        const long residentKiB = StatusKiB("VmRSS:");
        const long virtualKiB = StatusKiB("VmSize:");
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            const rlim_t cap = rlim_t(virtualKiB + capMiB * 1024) * 1024;
            const rlimit limit{cap, cap};
            setrlimit(RLIMIT_AS, &limit);
            _exit(work());
        }
        ChildCost cost;
        int status = 0;
        rusage usage{};
        if (child < 0 || wait4(child, &status, 0, &usage) != child)
            return cost;
        if (WIFEXITED(status))
            cost.exitCode = WEXITSTATUS(status);
        cost.grownKiB = usage.ru_maxrss - residentKiB;
        return cost;
    }

private:
    static long StatusKiB(const char* field)
    {
        std::FILE* status = std::fopen("/proc/self/status", "r");
        if (!status)
            return 0;
        char line[256];
        long value = 0;
        while (std::fgets(line, sizeof line, status)) {
            if (std::strncmp(line, field, std::strlen(field)) == 0) {
                value = std::atol(line + std::strlen(field));
                break;
            }
        }
        std::fclose(status);
        return value;
    }
};
