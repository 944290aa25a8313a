// Drives the real game window under the X server named by DISPLAY: xdotool sends keys, buttons, wheel
// steps and pointer moves, a WM_DELETE_WINDOW request closes the window, and the events the probe
// program raised are checked line by line.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include "Game/GLFW/GLFWApp.h"
#include "support/TempDir.h"
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace
{
using Lines = std::vector<std::string>;

const char* const TITLE = "Project: Orvik v0.93";

std::string runCommand(const std::string& command, int& status)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
    {
        status = -1;
        return output;
    }
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    status = pclose(pipe);
    return output;
}

void xdotool(const std::string& arguments)
{
    int status = 0;
    runCommand("timeout 20 xdotool " + arguments + " 2>&1", status);
    ASSERT_EQ(status, 0) << "xdotool " << arguments;
}

// The probe program, run with its output going to a file that the test reads as it grows.
class Probe
{
public:
    Probe(int width, int height) : outputFile(dir.path("events.txt"))
    {
        pid = fork();
        if (pid == 0)
        {
            std::FILE* out = std::freopen(outputFile.c_str(), "w", stdout);
            if (!out)
                _exit(126);
            std::string w = std::to_string(width);
            std::string h = std::to_string(height);
            execl(WINDOW_PROBE, WINDOW_PROBE, w.c_str(), h.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    ~Probe()
    {
        if (pid > 0 && !exited)
        {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    Lines lines() const
    {
        Lines result;
        std::ifstream in(outputFile);
        std::string line;
        while (std::getline(in, line))
            result.push_back(line);
        return result;
    }

    // Waits until the probe has written line.
    bool waitFor(const std::string& line, int seconds = 20) const
    {
        auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < until)
        {
            for (const std::string& l : lines())
            {
                if (l == line)
                    return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    // The probe's exit status, or -1 when it has not ended in time.
    int waitForExit(int seconds = 20)
    {
        auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < until)
        {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid)
            {
                exited = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

    std::string windowId() const
    {
        int status = 0;
        std::string ids = runCommand(
            std::string("timeout 20 xdotool search --sync --onlyvisible --name '") + TITLE + "'", status);
        std::istringstream in(ids);
        std::string first;
        in >> first;
        return status == 0 ? first : std::string();
    }

private:
    // Declared before outputFile, which is made from it.
    Testing::TempDir dir{"orvik-window"};
    std::string outputFile;
    pid_t pid = -1;
    bool exited = false;
};

// Asks the window to close as a window manager's close button does.
void requestClose(const std::string& windowId)
{
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    Window window = std::stoul(windowId);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
}

Lines withPrefix(const Lines& lines, const std::string& prefix)
{
    Lines result;
    for (const std::string& line : lines)
    {
        if (line.compare(0, prefix.size(), prefix) == 0)
            result.push_back(line);
    }
    return result;
}

bool contains(const Lines& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void desktopSize(int& width, int& height)
{
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    width = DisplayWidth(display, DefaultScreen(display));
    height = DisplayHeight(display, DefaultScreen(display));
    XCloseDisplay(display);
}

bool haveDisplay()
{
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}
} // namespace

TEST(Window, InputBecomesEventsAndCloseEndsTheLoop)
{
    if (!haveDisplay())
        GTEST_SKIP() << "no X server (DISPLAY is unset)";

    Probe probe(320, 240);
    std::string window = probe.windowId();
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(probe.waitFor("READY"));

    xdotool("mousemove --window " + window + " 100 120");
    ASSERT_TRUE(probe.waitFor("MOUSE 100 120 0 0 0"));
    // Left, right, middle, wheel up, wheel down, and a button without a bit of its own.
    xdotool("click 1 click 3 click 2 click 4 click 5 click 8");
    // Modifiers held around the key's press and release.
    xdotool(
        "key a keydown shift key b keyup shift keydown ctrl key c keyup ctrl keydown alt key d keyup alt");
    xdotool("key Escape Return Left Right Up Down Home End Insert Prior Next");
    xdotool("key KP_Insert KP_End KP_Divide KP_Multiply KP_Subtract KP_Add KP_Delete KP_Enter");
    // Keys without a code, and a modifier alone.
    xdotool("key F1 Tab BackSpace Delete shift");
    // Shift let go before the key comes up: the release carries no modifier.
    xdotool("keydown shift keydown e keyup shift keyup e");
    // A key held past the repeat delay gives one press and one release.
    xdotool("keydown f sleep 1 keyup f");
    // Moving the pointer through SETMOUESE reports the new position once; a string event of that type
    // is ignored.
    xdotool("key w x");
    // Hiding and showing the cursor without moving the pointer: its place is reported again.
    xdotool("key h s");
    xdotool("key z");
    ASSERT_TRUE(probe.waitFor("KEY 122 0 0"));

    requestClose(window);
    EXPECT_EQ(probe.waitForExit(), 0);

    Lines lines = probe.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "EXIT");
    EXPECT_TRUE(contains(lines, "SHUTDOWN"));
    // The close request arrives inside the frame's buffer swap: no frame follows it.
    EXPECT_FALSE(contains(lines, "RENDER"));

    // The window reports its size twice as it opens and once more, with the pointer's place and the
    // wheel's, when the handlers are installed.
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3),
              (Lines{"SCREEN 320 240", "SCREEN 320 240", "SCREEN 320 240"}));
    EXPECT_EQ(lines[3].compare(0, 6, "MOUSE "), 0);
    EXPECT_EQ(lines[4], lines[3]);
    EXPECT_EQ(lines[5].compare(0, 5, "SIZES"), 0);
    EXPECT_EQ(lines[6], "READY");

    Lines keys = withPrefix(lines, "KEY ");
    EXPECT_EQ(keys,
              (Lines{
                  "KEY 97 1 0",  "KEY 97 0 0",  "KEY 98 1 1",  "KEY 98 0 1",  "KEY 99 1 4",  "KEY 99 0 4",
                  "KEY 100 1 2", "KEY 100 0 2", "KEY 27 1 0",  "KEY 27 0 0",  "KEY 13 1 0",  "KEY 13 0 0",
                  "KEY 4 1 0",   "KEY 4 0 0",   "KEY 5 1 0",   "KEY 5 0 0",   "KEY 6 1 0",   "KEY 6 0 0",
                  "KEY 7 1 0",   "KEY 7 0 0",   "KEY 8 1 0",   "KEY 8 0 0",   "KEY 9 1 0",   "KEY 9 0 0",
                  "KEY 10 1 0",  "KEY 10 0 0",  "KEY 11 1 0",  "KEY 11 0 0",  "KEY 12 1 0",  "KEY 12 0 0",
                  "KEY 128 1 0", "KEY 128 0 0", "KEY 129 1 0", "KEY 129 0 0", "KEY 138 1 0", "KEY 138 0 0",
                  "KEY 139 1 0", "KEY 139 0 0", "KEY 140 1 0", "KEY 140 0 0", "KEY 141 1 0", "KEY 141 0 0",
                  "KEY 142 1 0", "KEY 142 0 0", "KEY 144 1 0", "KEY 144 0 0", "KEY 101 1 1", "KEY 101 0 0",
                  "KEY 102 1 0", "KEY 102 0 0", "KEY 119 1 0", "KEY 119 0 0", "KEY 120 1 0", "KEY 120 0 0",
                  "KEY 104 1 0", "KEY 104 0 0", "KEY 115 1 0", "KEY 115 0 0", "KEY 122 1 0", "KEY 122 0 0",
              }));

    // Buttons and wheel steps, at the pointer's position.
    Lines mouse = withPrefix(lines, "MOUSE ");
    Lines clicks;
    for (const std::string& line : mouse)
    {
        if (line != "MOUSE 100 120 0 0 0" && line.compare(0, 14, "MOUSE 100 120 ") == 0)
            clicks.push_back(line);
    }
    EXPECT_EQ(clicks, (Lines{"MOUSE 100 120 0 1 1", "MOUSE 100 120 0 1 0", "MOUSE 100 120 0 2 1",
                             "MOUSE 100 120 0 2 0", "MOUSE 100 120 0 4 1", "MOUSE 100 120 0 4 0",
                             "MOUSE 100 120 1 0 0", "MOUSE 100 120 -1 0 0", "MOUSE 100 120 0 0 1"}));

    // What follows each press that acts through SETMOUESE: "w" warped the pointer and its new place is
    // reported once; the string event of "x" did nothing; "h" hid the cursor (hidden, not disabled, so
    // the pointer keeps window positions) and "s" showed it, both leaving the pointer where it was.
    struct After
    {
        std::string press;
        Lines next;
    };
    const std::vector<After> afters = {
        {"KEY 119 1 0", {"MOUSE 50 60 0 0 0", "KEY 119 0 0"}},
        {"KEY 120 1 0", {"KEY 120 0 0"}},
        {"KEY 104 1 0", {"MOUSE 50 60 0 0 0", "CURSOR hidden", "KEY 104 0 0"}},
        {"KEY 115 1 0", {"MOUSE 50 60 0 0 0", "CURSOR normal", "KEY 115 0 0"}},
    };
    for (const After& after : afters)
    {
        SCOPED_TRACE(after.press);
        auto at = std::find(lines.begin(), lines.end(), after.press);
        ASSERT_NE(at, lines.end());
        ASSERT_GE(lines.end() - at, static_cast<long>(after.next.size()) + 1);
        EXPECT_EQ(Lines(at + 1, at + 1 + after.next.size()), after.next);
    }

    for (const std::string& line : withPrefix(lines, "SCREEN "))
        EXPECT_EQ(line, "SCREEN 320 240");
}

namespace
{
void setFocus(Window window)
{
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XSetInputFocus(display, window == 0 ? DefaultRootWindow(display) : window, RevertToPointerRoot,
                   CurrentTime);
    XSync(display, False);
    XCloseDisplay(display);
}
} // namespace

TEST(Window, FocusGatesThePointerAndSizeAndClockChangesAreReported)
{
    if (!haveDisplay())
        GTEST_SKIP() << "no X server (DISPLAY is unset)";

    Probe probe(320, 240);
    std::string window = probe.windowId();
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(probe.waitFor("READY"));
    xdotool("mousemove --window " + window + " 10 10");
    ASSERT_TRUE(probe.waitFor("MOUSE 10 10 0 0 0"));

    // While another window has the focus, pointer, buttons and wheel raise nothing, but the wheel's
    // turns are kept for the next report.
    setFocus(0);
    ASSERT_TRUE(probe.waitFor("ENTERLEAVE 0"));
    xdotool("mousemove --window " + window + " 20 20 click 4 click 4 click 5 click 4 click 1");
    setFocus(std::stoul(window));
    ASSERT_TRUE(probe.waitFor("ENTERLEAVE 1"));
    xdotool("click 4");
    ASSERT_TRUE(probe.waitFor("MOUSE 20 20 3 0 0"));

    // A size of 0 is reported as 1 (and must not upset the window system); the size handler reports
    // the window's real size after it. A negative size is taken as 0.
    xdotool("key r");
    ASSERT_TRUE(probe.waitFor("SCREEN 1 150"));
    xdotool("key n");
    ASSERT_TRUE(probe.waitFor("SCREEN 1 1"));
    xdotool("key t");
    ASSERT_TRUE(probe.waitFor("SCREEN 200 100"));
    // The frame after a clock reset carries no time.
    xdotool("key p");
    ASSERT_TRUE(probe.waitFor("ELAPSED 0 0"));

    // SHUTDOWN raised inside an UPDATE still lets that frame render, then the loop ends.
    xdotool("key q");
    EXPECT_EQ(probe.waitForExit(), 0);

    Lines lines = probe.lines();
    auto shutdown = std::find(lines.begin(), lines.end(), "SHUTDOWN");
    ASSERT_NE(shutdown, lines.end());
    EXPECT_EQ(Lines(shutdown, lines.end()), (Lines{"SHUTDOWN", "RENDER", "EXIT"}));

    auto left = std::find(lines.begin(), lines.end(), "ENTERLEAVE 0");
    auto back = std::find(lines.begin(), lines.end(), "ENTERLEAVE 1");
    ASSERT_LT(left, back);
    EXPECT_EQ(withPrefix(Lines(left, back), "MOUSE "), Lines{});
    EXPECT_EQ(*(back + 1), "MOUSE 20 20 3 0 0");

    Lines screens = withPrefix(lines, "SCREEN ");
    EXPECT_EQ(std::count(screens.begin(), screens.end(), "SCREEN 1 150"), 2);
    EXPECT_EQ(std::count(screens.begin(), screens.end(), "SCREEN 1 1"), 2);
    EXPECT_EQ(std::count(screens.begin(), screens.end(), "SCREEN 200 100"), 2);
}

TEST(Window, ZeroSizeMeansTheDesktopAndASingleZeroOrNegativeIsReportedAsOne)
{
    if (!haveDisplay())
        GTEST_SKIP() << "no X server (DISPLAY is unset)";

    int desktopWidth = 0;
    int desktopHeight = 0;
    desktopSize(desktopWidth, desktopHeight);

    struct Case
    {
        int width, height;
        std::string firstScreen;
    };
    const std::vector<Case> cases = {
        {0, 0, "SCREEN " + std::to_string(desktopWidth) + " " + std::to_string(desktopHeight)},
        {0, 200, "SCREEN 1 200"},
        {-5, 200, "SCREEN 1 200"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.firstScreen);
        Probe probe(c.width, c.height);
        std::string window = probe.windowId();
        ASSERT_FALSE(window.empty());
        ASSERT_TRUE(probe.waitFor("READY"));
        requestClose(window);
        EXPECT_EQ(probe.waitForExit(), 0);

        Lines all = probe.lines();
        // The desktop's own mode is among the allowed sizes.
        Lines sizes = withPrefix(all, "SIZES");
        ASSERT_EQ(sizes.size(), 1u);
        EXPECT_NE((sizes[0] + " ")
                      .find(" " + std::to_string(desktopWidth) + "x" + std::to_string(desktopHeight) + " "),
                  std::string::npos)
            << sizes[0];

        Lines screens = withPrefix(all, "SCREEN ");
        ASSERT_GE(screens.size(), 3u);
        // Twice while the window opens, once more when the size handler is installed.
        EXPECT_EQ(screens[0], c.firstScreen);
        EXPECT_EQ(screens[1], c.firstScreen);
        EXPECT_EQ(screens[2], c.firstScreen);
        for (const std::string& line : screens)
            EXPECT_EQ(line.find(" 0"), std::string::npos) << line;
    }
}

TEST(WindowDeathTest, AWindowSystemThatCannotBeReachedIsFatal)
{
    // Without an X server the window cannot be opened; the program must end with the report instead
    // of failing later in the first OpenGL call.
    EXPECT_DEATH(
        {
            unsetenv("DISPLAY");
            Game::GLFWApp app("no display", 64, 64, false, 0, true, 1.0f);
        },
        "ABORT: Failed to init window");
}

TEST(WindowDeathTest, AWindowSidePastTheLargestIsFatal)
{
    if (!haveDisplay())
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    const int most = Game::GLFWApp::MAX_WINDOW_SIDE;
    EXPECT_DEATH({ Game::GLFWApp app("too wide", most + 1, 64, false, 0, true, 1.0f); },
                 "ABORT: Failed to init window");
    EXPECT_DEATH({ Game::GLFWApp app("too tall", 64, most + 1, false, 0, true, 1.0f); },
                 "ABORT: Failed to init window");
}

TEST(WindowDeathTest, OnlyOneWindowApplicationAtATime)
{
    if (!haveDisplay())
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    // The window library's callbacks share one set of process-wide state with the application.
    EXPECT_DEATH(
        {
            Game::GLFWApp first("first", 64, 64, false, 0, true, 1.0f);
            Game::GLFWApp second("second", 64, 64, false, 0, true, 1.0f);
        },
        "ABORT: A second window application while one exists");
}
