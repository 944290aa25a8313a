"""Drives the built game the way a player would: starts it in a data folder with command-line overrides,
finds its window, sends keys and clicks with xdotool, takes screenshots, records the mixed sound through
OpenAL Soft's wave backend, asks the window to close as a window manager would and checks a clean end.
Standard library only; needs DISPLAY, xdotool, imagemagick's import and sox."""
import ctypes
import os
import shutil
import subprocess
import tempfile
import time

TITLE = "Project: Orvik v0.93"
# Exit code that ctest counts as a skipped test (no X server).
SKIP = 77


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Image:
    """A screenshot as packed RGB rows, origin at the top left."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    @staticmethod
    def from_ppm(data):
        # P6 header: magic, width, height, maxval, each separated by white space (no comments from import).
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not data[pos:pos + 1].isspace():
                pos += 1
            fields.append(data[start:pos])
        check(fields[0] == b"P6" and fields[3] == b"255", "unexpected screenshot format")
        width, height = int(fields[1]), int(fields[2])
        return Image(width, height, data[pos + 1:pos + 1 + 3 * width * height])

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])

    def row(self, y):
        return [self.pixel(x, y) for x in range(self.width)]

    def column(self, x):
        return [self.pixel(x, y) for y in range(self.height)]

    def count(self, predicate, box=None):
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        return sum(1 for y in range(y0, y1) for x in range(x0, x1) if predicate(self.pixel(x, y)))

    def region(self, box):
        x0, y0, x1, y1 = box
        return [self.rgb[3 * (y * self.width + x0):3 * (y * self.width + x1)] for y in range(y0, y1)]

    def save_png(self, path):
        ppm = b"P6\n%d %d\n255\n" % (self.width, self.height) + self.rgb
        subprocess.run(["convert", "ppm:-", path], input=ppm, check=True)


def near(colour, target, tolerance=24):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, target))


def runs(values, is_on):
    """Number of maximal stretches of consecutive values for which is_on holds."""
    count, inside = 0, False
    for v in values:
        on = is_on(v)
        if on and not inside:
            count += 1
        inside = on
    return count


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


def request_close(window):
    """What a window manager sends when the user closes a window (WM_DELETE_WINDOW)."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    check(display, "cannot open the X display")
    event = _ClientMessage()
    event.type = 33  # ClientMessage
    event.window = window
    event.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.format = 32
    event.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event.data[1] = 0  # CurrentTime
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XSync(display, 0)
    x11.XCloseDisplay(display)


class Game:
    """One run of the program. `args` are its command-line arguments (configuration file, KEY==VALUE)."""

    def __init__(self, program, data_dir, args=(), preload=None, time_limit=30.0, env=None):
        self.program, self.data_dir = os.path.abspath(program), os.path.abspath(data_dir)
        self.args = list(args)
        self.preload, self.time_limit, self.extra_env = preload, time_limit, env or {}
        self.dir = tempfile.mkdtemp(prefix="orvik-e2e-")
        self.wav = os.path.join(self.dir, "sound.wav")
        self.err_path = os.path.join(self.dir, "stderr.txt")
        self.proc, self.window, self.started, self.window_time = None, None, None, None
        self.status, self.stderr = None, ""
        self.close_time, self.exit_time = None, None

    def start(self):
        conf = os.path.join(self.dir, "alsoft.conf")
        with open(conf, "w") as f:
            f.write("[general]\ndrivers=wave\n[wave]\nfile=%s\n" % self.wav)
        env = dict(os.environ)
        env["ALSOFT_CONF"] = conf
        env.pop("ALSOFT_DRIVERS", None)
        if self.preload:
            # Keeps the GL driver mapped until the leak report, so that its own data is not taken for ours.
            env["LD_PRELOAD"] = self.preload
            env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "detect_leaks=1") + ":verify_asan_link_order=0"
        env.update(self.extra_env)
        self.err = open(self.err_path, "wb")
        self.started = time.monotonic()
        self.proc = subprocess.Popen([self.program] + self.args, cwd=self.data_dir, env=env,
                                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=self.err)
        return self

    def find_window(self, timeout=20.0):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            check(self.proc.poll() is None, "the program ended before showing its window:\n" + self._err_text())
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid),
                                    "--name", TITLE], capture_output=True, text=True).stdout.split()
            if found:
                self.window = int(found[0])
                self.window_time = time.monotonic()
                return self.window
            time.sleep(0.05)
        self.kill()
        raise Failure("no window titled %r within %.0f s:\n%s" % (TITLE, timeout, self._err_text()))

    def _xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], check=True)

    def key(self, *names, hold=0.1):
        """Presses and releases each key in turn, holding it long enough for a frame to see it."""
        for name in names:
            self._xdotool("keydown", "--window", self.window, name)
            time.sleep(hold)
            self._xdotool("keyup", "--window", self.window, name)
            time.sleep(0.05)

    def move_mouse(self, x, y):
        self._xdotool("mousemove", "--window", self.window, x, y)

    def click(self, x, y, hold=0.1):
        self.move_mouse(x, y)
        time.sleep(0.3)
        self._xdotool("mousedown", 1)
        time.sleep(hold)
        self._xdotool("mouseup", 1)

    def shot(self):
        # A window that goes away while it is being read can leave import waiting for ever.
        data = subprocess.run(["import", "-silent", "-window", str(self.window), "-depth", "8", "ppm:-"],
                              capture_output=True, check=True, timeout=15).stdout
        return Image.from_ppm(data)

    def settled_shot(self, timeout=8.0):
        """A screenshot once two in a row are equal and not black: the first frames are drawn (a window
        mapped before its first frame is black) and nothing moves."""
        end = time.monotonic() + timeout
        last = self.shot()
        while time.monotonic() < end:
            time.sleep(0.2)
            shot = self.shot()
            if shot.rgb == last.rgb and any(shot.rgb):
                return shot
            last = shot
        raise Failure("the picture never settled")

    def running(self):
        return self.proc.poll() is None

    def close(self):
        self.close_time = time.monotonic()
        request_close(self.window)

    def finish(self, timeout=20.0):
        """Closes the window and expects a clean end within `timeout` seconds."""
        self.close()
        self.expect_clean_end(timeout)

    def wait(self, timeout=None):
        """Waits for the end; a run still going after its time limit is killed and fails."""
        limit = self.started + self.time_limit if timeout is None else time.monotonic() + timeout
        try:
            self.status = self.proc.wait(timeout=max(0.1, limit - time.monotonic()))
        except subprocess.TimeoutExpired:
            self.kill()
            raise Failure("the program hung and was killed:\n" + self._err_text())
        self.exit_time = time.monotonic()
        self.err.close()
        self.stderr = self._err_text()
        return self.status

    def expect_clean_end(self, timeout=None):
        status = self.wait(timeout)
        check(status == 0, "exit status %s, expected 0:\n%s" % (status, self.stderr))
        check("ABORT" not in self.stderr, "fatal report on a clean run:\n" + self.stderr)

    def kill(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()

    def cleanup(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def _err_text(self):
        try:
            with open(self.err_path, "rb") as f:
                return f.read().decode("utf-8", "replace")[-4000:]
        except OSError:
            return ""

    def sound_levels(self, rate=200):
        """The recorded mix after the run, as peak amplitudes (0..1) of 1/rate second slices."""
        check(os.path.exists(self.wav), "no sound file was written")
        raw = subprocess.run(["sox", "-D", self.wav, "-t", "f32", "-c", "1", "-"],
                             capture_output=True, check=True).stdout
        samples = memoryview(raw).cast("f")
        info = subprocess.run(["soxi", "-r", self.wav], capture_output=True, text=True, check=True).stdout
        per_slice = max(1, int(float(info)) // rate)
        return [max((abs(s) for s in samples[i:i + per_slice]), default=0.0)
                for i in range(0, len(samples), per_slice)]
