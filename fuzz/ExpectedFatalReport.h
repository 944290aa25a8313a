#pragma once

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ostream>
#include <streambuf>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "CFG/Calculator.h"
#include "util/Debug.h"

// The calculator answers an opening parenthesis where it expects an operator with a fatal report that ends
// the process. That report is the design's answer to such an expression, so the targets count it as an
// expected end of an input; any other abort, crash, leak, hang or exhausted memory is a failure.
//
// How: fuzz builds let the calculator call a hook instead of ending the process, and read 0 there. Every
// input runs in the fuzzing process with that hook set, with coverage and leak checks as usual; an input
// that never calls the hook ran exactly as the game would run it. One that does reach the report (and then
// went on as if the expression had read 0, a state any file can reach) must have reached it with the
// operator "(" alone; the first such input of a run is also run again without the hook in a forked child,
// whose fatal report goes to a pipe: unless the child ends by SIGABRT with exactly the expected report,
// the target fails.
namespace FuzzReport
{
constexpr const char* UNKNOWN_OPERATOR_REPORT =
    "ABORT: Func:float CFG::Calculator::doCalculation(float, const std::string&, float) "
    "File:lib/CFG/Calculator Line: 144\n"
    "ABORT: Unknown operator: (\n";

// Writes straight to a file descriptor, without allocating, for the child's fatal report.
class FdBuf : public std::streambuf
{
public:
    explicit FdBuf(int fd) : m_fd(fd) {}

protected:
    int_type overflow(int_type c) override
    {
        if (c == traits_type::eof())
            return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        return ::write(m_fd, &ch, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        std::streamsize done = 0;
        while (done < n)
        {
            const ssize_t wrote = ::write(m_fd, s + done, static_cast<std::size_t>(n - done));
            if (wrote <= 0)
                break;
            done += wrote;
        }
        return done;
    }

private:
    int m_fd;
};

// True when body, run in a child process, ends with exactly the expected fatal report.
template <class Body> bool endsWithTheReport(Body& body)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return false;
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
    {
        ::close(fds[0]);
        ::close(fds[1]);
        return false;
    }
    if (pid == 0)
    {
        ::close(fds[0]);
        // The fuzzer's own handler would record the input as a crash.
        std::signal(SIGABRT, SIG_DFL);
        const int devNull = ::open("/dev/null", O_WRONLY);
        if (devNull >= 0)
            ::dup2(devNull, 2);
        FdBuf buf(fds[1]);
        std::ostream report(&buf);
        Util::Singleton<Util::Debug>::instance().errStream = &report;
        body();
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string report;
    char chunk[512];
    for (;;)
    {
        const ssize_t got = ::read(fds[0], chunk, sizeof chunk);
        // The fuzzer's timer interrupts now and then.
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        report.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR)
    {
    }
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT && report == UNKNOWN_OPERATOR_REPORT;
}

struct Reached
{
    int count = 0;
    bool otherOperator = false;
    bool verified = false; // a child has ended with exactly the report in this process
};

inline Reached& reached()
{
    static Reached l_reached;
    return l_reached;
}

// Runs body for one input, which may end with the calculator's report but with nothing else.
template <class Body> void run(Body body)
{
    reached().count = 0;
    CFG::g_fuzzUnknownOperator = [](const std::string& op)
    {
        ++reached().count;
        reached().otherOperator = reached().otherOperator || op != "(";
    };
    body();
    CFG::g_fuzzUnknownOperator = nullptr;
    if (reached().count == 0)
        return;
    // Only "(" is expected there; with it, the report's text is fixed, so one child that ends with exactly
    // that report shows it for every later input of the run (forking is slow under the sanitizers).
    if (reached().otherOperator)
    {
        std::fprintf(stderr, "An operator other than \"(\" reached the unknown-operator report.\n");
        std::abort();
    }
    if (!reached().verified && !endsWithTheReport(body))
    {
        std::fprintf(stderr, "The input reaches the unknown-operator report, but without it the run does not "
                             "end with exactly that report.\n");
        std::abort();
    }
    reached().verified = true;
}
} // namespace FuzzReport
