// Runs the GL leak probe as a child with leak detection on: a clean window program passes, what a
// driver keeps does not fail it, and a leak of our own is still reported.
#include <gtest/gtest.h>

#include "support/GLContext.h"
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define ORVIK_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVIK_LEAK_CHECKED 1
#endif
#endif

namespace
{
struct ProbeRun
{
    int status = -1;
    std::string output;
};

ProbeRun runProbe(const std::string& mode)
{
    const char* options = std::getenv("ASAN_OPTIONS");
    // Without a suppression file: the ones the program has built in must do.
    std::string command = std::string("env -u LSAN_OPTIONS ASAN_OPTIONS='") + (options ? options : "") +
                          ":detect_leaks=1' " GL_LEAK_PROBE " " + mode + " " GL_LEAK_PROBE_DRIVER " 2>&1";
    ProbeRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}
} // namespace

TEST(GLLeakCheck, OwnLeaksAreReportedAndTheDriversAreNot)
{
    if (!Testing::GLContext::available())
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    struct Case
    {
        std::string mode;
        bool reported;
        // Must be in the report; empty for a run that passes.
        std::string names;
    };
    const std::vector<Case> cases = {
        {"clean", false, ""},
        {"driver", false, ""},
        {"x-display", false, ""},
        {"leak", true, "plantLeak"},
        // Without the libraries kept mapped the stand-in driver's data is reported: the fault the
        // check exists for, shown so that the case above cannot pass for want of a leak.
        {"driver-unmapped", true, "Direct leak of 4321 byte(s)"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.mode);
#ifndef ORVIK_LEAK_CHECKED
        if (c.reported)
            continue;
#endif
        ProbeRun run = runProbe(c.mode);
        if (c.reported)
        {
            EXPECT_NE(run.status, 0);
            EXPECT_NE(run.output.find("ERROR: LeakSanitizer: detected memory leaks"), std::string::npos)
                << run.output;
            EXPECT_NE(run.output.find(c.names), std::string::npos) << run.output;
        }
        else
        {
            EXPECT_EQ(run.status, 0) << run.output;
            EXPECT_NE(run.output.find("END"), std::string::npos) << run.output;
            EXPECT_EQ(run.output.find("LeakSanitizer"), std::string::npos) << run.output;
        }
    }
}
