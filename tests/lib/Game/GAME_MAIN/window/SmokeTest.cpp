// Starts the built game in the bundled data folder under the X server named by DISPLAY, with OpenAL's
// silent device, lets it play for a few seconds, closes its window as a window manager would and
// expects a clean exit: status 0 and no fatal report.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "support/TempDir.h"

namespace
{
const char* const c_title = "Project: Orvik v0.93";

std::string run(const std::string& command, int& status)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
    {
        status = -1;
        return output;
    }
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    status = pclose(pipe);
    return output;
}

void requestClose(unsigned long windowId)
{
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = windowId;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, windowId, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
}

// The child: the game in its data folder, its standard error into a file.
[[noreturn]] void startGame(const std::string& errFile)
{
    if (chdir(ORVIK_DATA_DIR) != 0)
        _exit(126);
    const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (err >= 0)
        dup2(err, 2);
    setenv("ALSOFT_DRIVERS", "null", 1);
#if defined(__SANITIZE_ADDRESS__)
    setenv("LD_PRELOAD", ORVIK_KEEP_MAPPED, 1);
    setenv("ASAN_OPTIONS", "detect_leaks=1:verify_asan_link_order=0", 1);
    setenv("LSAN_OPTIONS", "suppressions=" ORVIK_LSAN_SUPPRESSIONS, 1);
#endif
    execl(ORVIK_PROGRAM, ORVIK_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
}

bool waitFor(pid_t pid, int& status, int seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end)
    {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

TEST(GameSmoke, PlaysOnTheBundledDataAndClosesCleanly)
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        GTEST_SKIP() << "no X server";
    Testing::TempDir dir("orvik-smoke");
    const std::string errFile = dir.path("stderr.txt");
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
        startGame(errFile);
    int status = 0;
    const std::string found = run(std::string("timeout 30 xdotool search --sync --onlyvisible --name '") +
                                      c_title + "' 2>/dev/null | head -1",
                                  status);
    const unsigned long windowId = std::strtoul(found.c_str(), nullptr, 10);
    // Running on: levels are built, timers run, the music loops.
    const bool endedEarly = waitFor(pid, status, 3);
    if (!endedEarly && windowId != 0)
        requestClose(windowId);
    const bool ended = endedEarly || waitFor(pid, status, 30);
    if (!ended)
    {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    std::ifstream errIn(errFile);
    std::stringstream errText;
    errText << errIn.rdbuf();
    EXPECT_NE(0ul, windowId) << errText.str();
    EXPECT_FALSE(endedEarly) << errText.str();
    ASSERT_TRUE(ended) << errText.str();
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0) << "\n"
                                   << errText.str();
    EXPECT_EQ(0, WEXITSTATUS(status)) << errText.str();
    EXPECT_EQ(std::string::npos, errText.str().find("ABORT")) << errText.str();
}
} // namespace

namespace
{
TEST(GameSmoke, AConfigurationArgumentNamingNoFileEndsWithStatusOne)
{
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
    {
        if (chdir(ORVIK_DATA_DIR) != 0)
            _exit(126);
        execl(ORVIK_PROGRAM, ORVIK_PROGRAM, "missing.cfg", "SCREEN_WIDTH==320", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    ASSERT_TRUE(waitFor(pid, status, 30));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(1, WEXITSTATUS(status));
}
} // namespace
