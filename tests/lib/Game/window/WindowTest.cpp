// Drives the real game window under the X server named by DISPLAY: xdotool sends keys, buttons, wheel
// steps and pointer moves, a WM_DELETE_WINDOW request closes the window, and the events the probe
// program raised are checked line by line.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace
{
typedef std::vector<std::string> Lines;

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
    Probe(int width, int height)
    {
        dir = std::filesystem::temp_directory_path() /
              ("orvik-window-" + std::to_string(getpid()) + "-" + std::to_string(++l_count()));
        std::filesystem::create_directories(dir);
        outputFile = (dir / "events.txt").string();
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
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
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
    static int& l_count()
    {
        static int l_value = 0;
        return l_value;
    }

    std::filesystem::path dir;
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
    xdotool("key z");
    ASSERT_TRUE(probe.waitFor("KEY 122 0 0"));

    requestClose(window);
    EXPECT_EQ(probe.waitForExit(), 0);

    Lines lines = probe.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "EXIT");
    EXPECT_TRUE(contains(lines, "SHUTDOWN"));

    // The window opens at its size, reported before the first frame.
    EXPECT_EQ(lines.front(), "SCREEN 320 240");

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
                  "KEY 122 1 0", "KEY 122 0 0",
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

    // "w" warped the pointer: exactly one report of the new place, and nothing after "x".
    EXPECT_EQ(std::count(mouse.begin(), mouse.end(), "MOUSE 50 60 0 0 0"), 1);
    auto warpKey = std::find(lines.begin(), lines.end(), "KEY 119 1 0");
    ASSERT_NE(warpKey, lines.end());
    ASSERT_NE(warpKey + 1, lines.end());
    EXPECT_EQ(*(warpKey + 1), "MOUSE 50 60 0 0 0");
    auto impostorKey = std::find(lines.begin(), lines.end(), "KEY 120 1 0");
    ASSERT_NE(impostorKey, lines.end());
    ASSERT_NE(impostorKey + 1, lines.end());
    EXPECT_EQ(*(impostorKey + 1), "KEY 120 0 0");

    for (const std::string& line : withPrefix(lines, "SCREEN "))
        EXPECT_EQ(line, "SCREEN 320 240");
}

TEST(Window, ZeroSizeMeansTheDesktopAndASingleZeroIsReportedAsOne)
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

        Lines screens = withPrefix(probe.lines(), "SCREEN ");
        ASSERT_GE(screens.size(), 3u);
        // Twice while the window opens, once more when the size handler is installed.
        EXPECT_EQ(screens[0], c.firstScreen);
        EXPECT_EQ(screens[1], c.firstScreen);
        EXPECT_EQ(screens[2], c.firstScreen);
        for (const std::string& line : screens)
            EXPECT_EQ(line.find(" 0"), std::string::npos) << line;
    }
}
