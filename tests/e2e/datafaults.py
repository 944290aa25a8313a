#!/usr/bin/env python3
"""Runs of the built game on a copy of the bundled data with one file edited or one key overridden, as a
player might: each ends with the game's own fatal report, or the game starts within a few seconds while its
memory stays small. One run per case; the copy goes with the run, also when it fails."""

import argparse
import math
import os
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import wave

import orvik_driver as drv

# Small levels and no pausing by itself, so that what is seen comes from the edited file alone.
QUIET = ["AUTO_PAUSE_DELAY==0", "MUSIC_ON==NO", "SOUND_ON==NO"]
MB = 1 << 20


def repeated(item, count, sep, key):
    """Key lines that make ::key:: stand for `count` copies of `item` joined by `sep`: one key holds a run of
    copies and `key` refers to it up to 400 times, within what one lookup of the configuration may follow,
    so that the file stays a few kilobytes."""
    refs = min(400, count)
    per, rest = divmod(count, refs)
    parts = ["::%s_RUN::" % key] * refs + [item] * rest
    return "%s_RUN == %s\n%s == %s\n" % (key, sep.join([item] * per), key, sep.join(parts))


def write(data, name, text, mode="w"):
    with open(os.path.join(data, name), mode) as f:
        f.write(text)


BLOCK = "BLOCK_PART_PLANE == XY\nBLOCK_PART_TYPE == LINE_LOOP\nBLOCK_PART_LINE_LOOP == -1,-1 1,-1 1,1 -1,1\n"


def circles(data, refs):
    # The wall's file as a whole is past the loader's bound, so the wall cannot be made.
    part = BLOCK + "C_PART_PLANE == XY\nC_PART_TYPE == LINE_CIRCLE\nC_PART_RADIUS == 0.5\nC_PART_NUM_SEGS == 4096\n"
    if refs:
        listing = repeated("C", 100000, " ", "PARTS") + "WALL_MODEL_PART_LIST == BLOCK ::PARTS::\n"
    else:
        listing = "WALL_MODEL_PART_LIST == BLOCK " + " ".join(["C"] * 2000) + "\n"
    write(data, "models/wall.pmf", "MODELS_LIST == WALL\n" + listing + part)


def outline(data):
    # A circle of 150,000 distinct corners, written out: repeats through references give corners that
    # coincide, which ear clipping refuses at once. The wall keeps its block beside the long outline, so it
    # is made whatever becomes of the outline.
    count = 150000
    corners = " ".join("%.2f,%.2f" % (1000 * math.cos(2 * math.pi * i / count), 1000 * math.sin(2 * math.pi * i / count))
                       for i in range(count))
    write(data, "models/wall.pmf", "MODELS_LIST == WALL\nWALL_MODEL_PART_LIST == BLOCK LONG\n" + BLOCK +
          "LONG_PART_PLANE == XY\nLONG_PART_TYPE == LINE_LOOP\nLONG_PART_LINE_LOOP == " + corners + "\n")


def shader_sources(data, refs):
    materials = os.path.join(data, "materials")
    with open(os.path.join(materials, "flat.VS.glsl")) as f:
        source = f.read()
    # Comment lines up to 100 KB: the shader would still compile, only its size counts.
    source += ("// " + "x" * 77 + "\n") * ((100 * 1024 - len(source)) // 81)
    write(materials, "big.VS.glsl", source)
    if refs:
        files = repeated("big.VS.glsl", 2000, " ", "SRC") + "flat.VS_FILES == ::SRC::\n"
    else:
        files = "flat.VS_FILES == " + " ".join(["big.VS.glsl"] * 2000) + "\n"
    write(materials, "flat.VS.shader", files)
    path = os.path.join(materials, "materials.cfg")
    with open(path) as f:
        text = f.read()
    write(materials, "materials.cfg", text.replace("flat.VS.glsl flat.FS.glsl", "flat.VS.shader flat.FS.glsl"))


def self_library(data):
    path = os.path.join(data, "models", "treasure.obj")
    with open(path) as f:
        text = f.read()
    # The file is its own material library too, so the treasure keeps its material.
    write(data, "models/treasure.obj", "mtllib treasure.obj\n" * 20000 + text + "newmtl gold\nKd 1.0 0.8 0.15\n")


def many_groups(data):
    groups = "".join("g part%d\nusemtl gold\nf 1 2 3\n" % i for i in range(40000))
    write(data, "models/treasure.obj", "mtllib treasure.mtl\nv 0.0 -0.8 0.0\nv 0.7 0.0 0.0\nv 0.0 0.8 0.0\n"
          "v -0.7 0.0 0.0\n" + groups + "g gem\nusemtl gold\nf 1 2 3\nf 1 3 4\n")


def many_leaves(data):
    # The model maker makes at most 100,000 models: the composite and just under that many leaves.
    write(data, "models/escaped.tdm", "ESCAPED_REQUIRES == token.obj treasure.obj\n"
          "ESCAPED_PARTS == " + " , ".join(["token.face"] * 99990) + "\n")


def sound_files(data, big):
    path = os.path.join(data, "sounds", "sounds.cfg")
    with open(path) as f:
        text = f.read()
    if big:
        # Silence of 40 MB listed under thirty names: as many copies as the names would be 1.2 GB.
        with wave.open(os.path.join(data, "sounds", "big.wav"), "wb") as w:
            w.setnchannels(2)
            w.setsampwidth(2)
            w.setframerate(44100)
            w.writeframes(bytes(40 * 1000 * 1000))
        files = "BIG_FILES == " + ", ".join("BIG%d:big.wav" % i for i in range(30)) + "\n"
        more = "::BIG_FILES::"
    else:
        # The music listed 100,000 times under one name.
        files = repeated("MUSIC_SOUND:music.ogg", 100000, ", ", "MORE")
        more = "::MORE::"
    old = "SOUND_FILES == WOOHOO_SOUND:woohoo.wav, MUSIC_SOUND:music.ogg"
    drv.check(old in text, "the bundled sounds file changed")
    write(data, "sounds/sounds.cfg", text.replace(old, files + old + ", " + more))


def edit_key(data, key, value):
    """Sets one key of orvik.cfg in the copy."""
    path = os.path.join(data, "orvik.cfg")
    with open(path) as f:
        lines = f.read().splitlines()
    lines = [line for line in lines if not line.startswith(key + " ")]
    write(data, "orvik.cfg", "\n".join(lines + ["%s == %s" % (key, value)]) + "\n")


def fatal(message, pause=False):
    return {"kind": "fatal", "message": message, "pause": pause}


# The software renderer of the test's X server alone holds some 370 MB.
def starts(peak_mb=600, seconds=3):
    return {"kind": "starts", "peak": peak_mb, "seconds": seconds}


# name: (how the copy of the data is changed, the game's extra arguments, what is expected)
CASES = {
    "font-size-abc": (lambda d: edit_key(d, "MENU_FONT_SIZES", "abc"), [],
                      fatal("FONT FAILURE DejaVuSans.ttf size 0", pause=True)),
    "font-size-0": (lambda d: edit_key(d, "MENU_FONT_SIZES", "0"), [],
                    fatal("FONT FAILURE DejaVuSans.ttf size 0", pause=True)),
    "maze-too-large": (None, ["MAZE_SIZES==20000,20000"],
                       fatal("Maze size 20000x20000 for level 0 invalid")),
    # A million cells to make and lay out take this machine's release build some 2.5 s on their own.
    "maze-largest": (None, ["MAZE_SIZES==1000,1000"], starts(900, seconds=8)),
    "game-input-missing": (None, ["GAME_INPUT_CFG==input/missing.cfg"],
                           fatal("Failed to create GAME InputController using input/missing.cfg")),
    "menu-input-missing": (None, ["MENU_INPUT_CFG==input/missing.cfg"],
                           fatal("Failed to create MENU InputController using input/missing.cfg", pause=True)),
    "pmf-circles": (lambda d: circles(d, False), [], fatal("Failed to get Model+Material for: WALL")),
    "pmf-circles-refs": (lambda d: circles(d, True), [], fatal("Failed to get Model+Material for: WALL")),
    "pmf-outline": (outline, [], starts()),
    "shader-files": (lambda d: shader_sources(d, False), [], starts()),
    "shader-files-refs": (lambda d: shader_sources(d, True), [], starts()),
    "obj-self-mtllib": (self_library, [], starts()),
    "obj-groups": (many_groups, [], starts()),
    "tdm-leaves": (many_leaves, [], starts()),
    "sound-files-refs": (lambda d: sound_files(d, False), [], starts()),
    # Reading the 256 MB that the sound controller holds at most takes some 2 s.
    "sound-names-one-file": (lambda d: sound_files(d, True), [], starts(900, seconds=8)),
}


class Peak:
    """The largest resident size the program reached, read while it runs and once more at its end."""

    def __init__(self, pid):
        self.pid, self.kb = pid, 0

    def poll(self):
        try:
            with open("/proc/%d/status" % self.pid) as f:
                for line in f:
                    if line.startswith("VmHWM:"):
                        self.kb = max(self.kb, int(line.split()[1]))
        except OSError:
            pass
        return self.kb / 1024.0


def press_escape(game):
    """Escape, pressed again while the menu has not opened. The window may be gone before the release, so
    the key is released on the X server as a whole: a key left down would reach the next test's window."""
    subprocess.run(["xdotool", "keydown", "--window", str(game.window), "Escape"], capture_output=True)
    time.sleep(0.1)
    subprocess.run(["xdotool", "keyup", "Escape"], capture_output=True)
    time.sleep(0.1)


def first_picture(game, peak, timeout):
    """Seconds from the start to the first drawn (not black) picture; None when the program ended first."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        peak.poll()
        if not game.running():
            return None
        try:
            if any(game.shot().rgb):
                return time.monotonic() - game.started
        except subprocess.CalledProcessError:
            pass
        time.sleep(0.1)
    raise drv.Failure("no picture within %.0f s (peak %.0f MB)" % (timeout, peak.poll()))


def expect_fatal(game, peak, expect, name, slow):
    """The fatal report and its abort, soon and small; a report that needs the menu gets Escape until it
    comes. A report made while loading may come before the window shows."""
    if expect["pause"]:
        game.find_window(timeout=20 * slow)
        game.move_mouse(5, 5)
        first_picture(game, peak, 10 * slow)
    pressed = 0.0
    while game.running() and time.monotonic() < game.started + game.time_limit:
        if expect["pause"] and time.monotonic() > pressed + 2.0:
            press_escape(game)
            pressed = time.monotonic()
        peak.poll()
        time.sleep(0.05)
    status = game.wait()
    drv.check(status == -signal.SIGABRT, "status %s, expected the fatal report's abort:\n%s" % (status, game.stderr))
    drv.check("ABORT" in game.stderr and expect["message"] in game.stderr,
              "no fatal report %r:\n%s" % (expect["message"], game.stderr))
    print("%s: fatal report after %.2f s, peak %.0f MB" % (name, game.exit_time - game.started, peak.poll()))
    # How soon is the release build's to show: a sanitizer build runs the loaders some thirty times slower
    # and varies with the machine's load, so there only the run's time limit guards against a hang.
    if not expect["pause"] and slow == 1:
        drv.check(game.exit_time - game.started < 5, "the report took more than 5 s")


def run_case(args, name, work):
    change, extra, expect = CASES[name]
    data = os.path.join(work, "data")
    shutil.copytree(args.data, data)
    if change:
        change(data)
    slow = 8 if args.sanitized else 1
    game = drv.Game(args.program, data, ["orvik.cfg"] + QUIET + extra, preload=args.preload,
                    time_limit=30 * slow)
    args.games.append(game)
    game.start()
    peak = Peak(game.proc.pid)
    if expect["kind"] == "fatal":
        expect_fatal(game, peak, expect, name, slow)
        return
    game.find_window(timeout=20 * slow)
    # Loading ends before the first picture: a few seconds at most, also for the largest maze. A sanitizer
    # build is only held to the run's time limit (see expect_fatal).
    shown = first_picture(game, peak, expect["seconds"] if slow == 1 else game.time_limit)
    if shown is None:
        game.wait()
        raise drv.Failure("ended before its first picture: status %s\n%s" % (game.status, game.stderr))
    time.sleep(1.0)
    peak.poll()
    game.finish(timeout=20 * slow)
    print("%s: picture after %.2f s, peak %.0f MB" % (name, shown, peak.poll()))
    if not args.sanitized:
        drv.check(peak.poll() < expect["peak"], "peak memory %.0f MB, expected under %d MB"
                  % (peak.poll(), expect["peak"]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--preload", default=None)
    parser.add_argument("--sanitized", action="store_true",
                        help="a sanitizer build: slower, and its memory is not the game's own")
    parser.add_argument("case", choices=sorted(CASES))
    args = parser.parse_args()
    if not os.environ.get("DISPLAY"):
        print("no X server (DISPLAY is not set)", file=sys.stderr)
        return drv.SKIP
    if not args.sanitized:
        # A fault that still eats memory fails here instead of taking the machine (the sanitizer reserves
        # far more address space than it uses, so no cap there).
        resource.setrlimit(resource.RLIMIT_AS, (4 << 30, 4 << 30))
    args.games = []
    work = tempfile.mkdtemp(prefix="orvik-e2e-")
    try:
        run_case(args, args.case, work)
    except (drv.Failure, subprocess.CalledProcessError) as e:
        print("FAILED %s: %s" % (args.case, e), file=sys.stderr)
        return 1
    finally:
        for g in args.games:
            g.kill()
            g.cleanup()
        shutil.rmtree(work, ignore_errors=True)
    print("passed", args.case)
    return 0


if __name__ == "__main__":
    sys.exit(main())
