#pragma once

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef __has_feature
#define __has_feature(x) 0
#endif

namespace Testing
{
// The exit code of a child whose body let an exception escape.
constexpr int UNCAUGHT_EXCEPTION = 99;

// How a function run by runLimited ended.
struct ChildEnd
{
    bool exited = false;     // returned, or called exit
    int exitCode = -1;       // when exited
    int signal = 0;          // the signal that ended it, when it did not exit
    bool timedOut = false;   // ended by the time limit
    long peakMemoryKb = 0;   // the child's largest resident size
    std::string errorOutput; // everything it wrote to the standard error

    bool returned() const { return exited && exitCode == 0; }
};

// Runs body in a child process with a limit on its time and memory and answers how it ended. A body that
// returns exits with 0. The memory limit is enforced by the system in builds without AddressSanitizer
// (whose shadow memory rules out an address-space limit) and checked afterwards through peakMemoryKb in
// all builds.
inline ChildEnd runLimited(const std::function<void()>& body, unsigned seconds, long megabytes)
{
    ChildEnd end;
    int fds[2];
    if (::pipe(fds) != 0)
        return end;
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0)
    {
        ::close(fds[0]);
        ::dup2(fds[1], 2);
        ::close(fds[1]);
#if !__has_feature(address_sanitizer) && !defined(__SANITIZE_ADDRESS__)
        const rlimit memory{static_cast<rlim_t>(megabytes) << 20, static_cast<rlim_t>(megabytes) << 20};
        ::setrlimit(RLIMIT_AS, &memory);
#else
        (void)megabytes;
#endif
        ::alarm(seconds);
        // Nothing may leave the child but its end: an escaping exception would go on with the caller's
        // program in this copy of it.
        int code = 0;
        try
        {
            body();
        }
        catch (...)
        {
            code = UNCAUGHT_EXCEPTION;
        }
        std::fflush(nullptr);
        ::_exit(code);
    }
    ::close(fds[1]);
    char chunk[4096];
    for (;;)
    {
        const ssize_t got = ::read(fds[0], chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        end.errorOutput.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fds[0]);
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR)
    {
    }
    end.peakMemoryKb = usage.ru_maxrss;
    end.exited = WIFEXITED(status);
    if (end.exited)
        end.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
    {
        end.signal = WTERMSIG(status);
        end.timedOut = end.signal == SIGALRM;
    }
    return end;
}
} // namespace Testing
