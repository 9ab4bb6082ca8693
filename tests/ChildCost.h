#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

// Runs work in a child process of its own and tells what it cost: the exit
// code work returned (-1 when the child died) and how far its resident
// memory rose while work ran. The child's address space is capped at capMiB
// above what it had before work, so a regression toward gigabytes fails one
// test instead of starving the machine.
//
// The child is this test program started afresh on the current test alone,
// never a bare fork: a forked copy of a process with threads has only the
// forking one, and Qt's drawing waits for pool threads that are not there.
// The started program runs the test up to the same call of Run, where it
// does the work and reports.
struct ChildCost
{
    int exitCode = -1;
    long grownKiB = 0;

    static ChildCost Run(const std::function<int()>& work, long capMiB)
    {
        const int call = NextCall();
        if (const char* wanted = std::getenv(callVariable)) {
            if (std::atoi(wanted) == call)
                DoWorkAndExit(work, capMiB);
            // An earlier call, done by the program that started this one.
            ChildCost skipped;
            skipped.exitCode = 0;
            return skipped;
        }
        return RunStarted(call);
    }

private:
#if defined(__SANITIZE_ADDRESS__)
    static constexpr bool sanitized = true;
#elif defined(__has_feature)
    static constexpr bool sanitized = __has_feature(address_sanitizer);
#else
    static constexpr bool sanitized = false;
#endif
    static constexpr const char* callVariable = "VELDRA_CHILD_COST_CALL";
    static constexpr const char* reportVariable = "VELDRA_CHILD_COST_FD";

    // Which call of Run this is within the current test, from 1.
    static int NextCall()
    {
        static std::string test;
        static int calls = 0;
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = info ? std::string(info->test_suite_name()) + '.' + info->name() : std::string();
        if (name != test) {
            test = name;
            calls = 0;
        }
        return ++calls;
    }

    static ChildCost RunStarted(int call)
    {
        ChildCost cost;
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        int report[2];
        if (!info || ::pipe2(report, O_CLOEXEC) != 0)
            return cost;
        const std::string filter =
            std::string("--gtest_filter=") + info->test_suite_name() + '.' + info->name();
        // Everything the child needs is made before the fork: between fork
        // and exec only async-signal-safe calls are allowed.
        std::vector<std::string> variables{std::string(callVariable) + '=' + std::to_string(call),
                                           std::string(reportVariable) + '=' + std::to_string(report[1])};
        std::vector<char*> environment;
        for (std::string& variable : variables)
            environment.push_back(variable.data());
        for (char** variable = environ; *variable; ++variable) {
            if (std::strncmp(*variable, "VELDRA_CHILD_COST_", 18) != 0)
                environment.push_back(*variable);
        }
        environment.push_back(nullptr);
        char* const arguments[] = {const_cast<char*>("child-cost"), const_cast<char*>(filter.c_str()), nullptr};
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            ::fcntl(report[1], F_SETFD, 0); // the report's end stays open in the started program
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, STDOUT_FILENO);
            ::execve("/proc/self/exe", arguments, environment.data());
            ::_exit(127);
        }
        ::close(report[1]);
        char text[32] = {};
        std::size_t length = 0;
        for (ssize_t got; length < sizeof text - 1 && (got = ::read(report[0], text + length, sizeof text - 1 - length)) != 0;) {
            if (got < 0 && errno != EINTR)
                break;
            if (got > 0)
                length += std::size_t(got);
        }
        ::close(report[0]);
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child)
            return cost;
        // Without a report the started program never reached the work: no
        // pass for work that did not run.
        if (WIFEXITED(status) && length > 0)
            cost.exitCode = WEXITSTATUS(status);
        // Under AddressSanitizer resident memory holds the sanitizer's
        // shadow, red zones and quarantine of freed blocks: the work still
        // runs there to be checked, but what it grew says nothing of ours.
        cost.grownKiB = sanitized ? 0 : std::atol(text);
        return cost;
    }

    [[noreturn]] static void DoWorkAndExit(const std::function<int()>& work, long capMiB)
    {
        const rlim_t cap = rlim_t(StatusKiB("VmSize:") + capMiB * 1024) * 1024;
        const rlimit limit{cap, cap};
        ::setrlimit(RLIMIT_AS, &limit);
        // The peak starts again from here: what came before is not work's.
        if (std::FILE* clear = std::fopen("/proc/self/clear_refs", "w")) {
            std::fputs("5", clear);
            std::fclose(clear);
        }
        const long residentKiB = StatusKiB("VmRSS:");
        const int result = work();
        char text[32];
        const int length = std::snprintf(text, sizeof text, "%ld", StatusKiB("VmHWM:") - residentKiB);
        const char* fd = std::getenv(reportVariable);
        if (fd && ::write(std::atoi(fd), text, std::size_t(length)) != length)
            ::_exit(126);
        std::fflush(nullptr);
        ::_exit(result);
    }

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
