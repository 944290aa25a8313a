#!/usr/bin/env python3
"""Scripted play-throughs of the built game on the bundled data, one per run:
  playthrough.py --program BIN --data DIR [--preload LIB] CASE
CASE is walk-2d, walk-3d (the README's IS_3D==YES), mouse, pause, auto-pause or bad-start. Exit status 0
on success, 77 when there is no X server, 1 with the reason on standard error otherwise."""
import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import orvik_driver as drv
from orvik_driver import check, near

WIDTH, HEIGHT = 800, 600
# A fixed maze sequence: a 2 by 2 ring (every room has two exits; the treasure lies at 1,1), then 3 by 3.
SMALL_LEVELS = ["SCREEN_WIDTH==%d" % WIDTH, "SCREEN_HEIGHT==%d" % HEIGHT, "MAZE_SEED==7",
                "MAZE_SIZES==2,2 3,3", "MAZE_DEAD_ENDS==NO", "MAZE_START_X==0", "MAZE_START_Y==0",
                "MUSIC_ON==NO", "SOUND_ON==YES", "AUTO_PAUSE_DELAY==0", "VSYNC_ON==NO"]
# The README's perspective view: the bundled data's own camera and depth range for 3-D.
VIEW_3D = ["IS_3D==YES"]

TOKEN = (255, 240, 60)       # the token's face
WALL = (89, 115, 166)
CHOICE = (76, 230, 102)      # the offered way's marker
FRAMES = ((128, 128, 153), (230, 230, 255))  # the token's screen area, plain and under the pointer
MENU_ITEM = (0xC0, 0xC8, 0xD0)
MENU_SELECTED = (0xFF, 0xD0, 0x40)
SILENCE = 1e-4


def room_centre(x, y, w, h):
    """Window pixel of a room's middle in 2-D: the maze fills the view box, y grows upward."""
    hw, hh = WIDTH // (2 * w), HEIGHT // (2 * h)
    return (2 * x + 1) * hw, HEIGHT - (2 * y + 1) * hh


def token_in_room(image, x, y, w, h):
    cx, cy = room_centre(x, y, w, h)
    r = WIDTH // (2 * w) // 5
    box = (cx - r, cy - r, cx + r, cy + r)
    return image.count(lambda p: near(p, TOKEN, 40), box) > (2 * r) ** 2 // 3


def walls_fill_window(image):
    """The 2 by 2 ring's walls as its layout has them: the maze fills the window, so every edge of the
    window is wall; the four rooms and the four doorways between them (half the window) are not."""
    is_wall = lambda p: near(p, WALL, 12)
    walls = image.count(is_wall)
    check(0.45 * WIDTH * HEIGHT < walls < 0.55 * WIDTH * HEIGHT,
          "%d wall pixels, half the window expected" % walls)
    edges = image.row(0) + image.row(HEIGHT - 1) + image.column(0) + image.column(WIDTH - 1)
    check(sum(1 for p in edges if is_wall(p)) > 0.95 * len(edges), "the maze does not reach the window's edges")
    check(is_wall(image.pixel(WIDTH // 2, HEIGHT // 2)), "no post in the middle of the maze")


def frame_around_room(image, x, y, w, h):
    """Pixels of the token's screen-area frame on the ring where the bundled input puts it: centred on the
    room, 8% of the window wide and 10% high."""
    cx, cy = room_centre(x, y, w, h)
    hx, hy = WIDTH * 8 // 200, HEIGHT * 10 // 200
    outer = (cx - hx, cy - hy, cx + hx, cy + hy)
    inner = (cx - hx + 4, cy - hy + 4, cx + hx - 4, cy + hy - 4)
    is_frame = lambda p: any(near(p, f, 12) for f in FRAMES)
    return image.count(is_frame, outer) - image.count(is_frame, inner)


def yellow(image):
    return image.count(lambda p: p[0] > 200 and p[1] > 150 and p[2] < 120)


def menu_text(image, base):
    """Pixels in one of the menu's text colours that were not so in `base`, the same window before the menu:
    (x, y) lists of the plain rows' colour and of the selected row's colour."""
    plain, selected = [], []
    # Every other pixel of every other line is enough for text this size, and four times faster. The
    # menu starts at 40% of the width: the token's room further left changes with the pause.
    for y in range(0, image.height, 2):
        for x in range(int(image.width * 0.375), image.width, 2):
            p = image.pixel(x, y)
            if near(p, MENU_ITEM, 12) and not near(base.pixel(x, y), MENU_ITEM, 12):
                plain.append((x, y))
            elif near(p, MENU_SELECTED, 12) and not near(base.pixel(x, y), MENU_SELECTED, 12):
                selected.append((x, y))
    return plain, selected


def text_rows(points):
    """Menu text points grouped into rows of the screen (top first), each as (top, bottom, middle x)."""
    by_y = {}
    for x, y in points:
        by_y.setdefault(y, []).append(x)
    rows = []
    for y in sorted(by_y):
        if rows and y - rows[-1][1] <= 3:
            rows[-1][1] = y
            rows[-1][2].extend(by_y[y])
        else:
            rows.append([y, y, list(by_y[y])])
    return [(top, bottom, (min(xs) + max(xs)) // 2) for top, bottom, xs in rows if len(xs) > 5]


def wait_until(predicate, timeout, step=0.1):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if predicate():
            return True
        time.sleep(step)
    return False


def check_sound_after(game, escape_time):
    """Non-silent mix after the escape, none before: the wave file is written in real time and ends when
    the program closes its device, between the close request and the exit."""
    levels = game.sound_levels(rate=200)
    loud = [i for i, v in enumerate(levels) if v > SILENCE]
    check(loud, "the escape's sound never reached the sound file")
    n = len(levels)
    latest_wall = lambda i: game.exit_time - (n - i) / 200.0
    earliest_wall = lambda i: game.close_time - (n - i) / 200.0
    check(latest_wall(loud[0]) >= escape_time - 0.05,
          "sound %.2f s before the escape" % (escape_time - latest_wall(loud[0])))
    check(earliest_wall(loud[0]) <= escape_time + 1.5, "the escape's sound came late")
    silent_before = sum(1 for i in range(loud[0]) if latest_wall(i) < escape_time)
    check(silent_before >= 100, "too short a silent stretch before the escape to tell")


def walk(args, is_3d):
    game = args.game(SMALL_LEVELS + (VIEW_3D if is_3d else []))
    game.find_window()
    time.sleep(1.5)
    first = game.shot()
    if is_3d:
        # The perspective view shows the maze where the flat one has it, pieces and screen areas alike.
        walls_fill_window(first)
        check(first.count(lambda p: near(p, CHOICE, 24)) > 200, "no marker of the offered way")
        check(frame_around_room(first, 0, 0, 2, 2) > 300, "no frame of the token's screen area")
    # In the start room the token's face lies over the offered way's marker.
    check(token_in_room(first, 0, 0, 2, 2), "the token's face does not show in the start room")
    game.key("Right")
    time.sleep(0.5)
    moved = game.shot()
    check(token_in_room(moved, 1, 0, 2, 2) and not token_in_room(moved, 0, 0, 2, 2),
          "Right did not move the token one room")
    escape_time = time.monotonic()
    # The corridor bends at 1,0: the walk follows it up into the treasure's room.
    game.key("space")
    time.sleep(1.5)
    second = game.shot()
    check(yellow(second) < 0.7 * yellow(first), "the next level's pieces are not scaled to its larger maze")
    check(token_in_room(second, 0, 0, 3, 3), "the token is not in the next level's start room")
    game.finish()
    check_sound_after(game, escape_time)


def mouse(args):
    game = args.game(SMALL_LEVELS)
    game.find_window()
    # The pointer enters the window first, as a player's hand would bring it there.
    game.move_mouse(300, 300)
    time.sleep(0.5)
    game.move_mouse(400, 250)
    time.sleep(0.5)
    # The treasure's room is two rooms away: the click moves one room, along x first.
    game.click(*room_centre(1, 1, 2, 2))
    time.sleep(0.6)
    shot = game.shot()
    check(token_in_room(shot, 1, 0, 2, 2), "the click did not move the token towards the pointer")
    check(not token_in_room(shot, 0, 0, 2, 2), "the token stayed in the start room")
    game.move_mouse(10, 10)
    game.finish()


def wait_for_menu(game, base, timeout=8):
    """The menu's text over `base` once both its rows show: (plain pixels, selected pixels)."""
    found = [[], []]

    def shown():
        found[:] = menu_text(game.shot(), base)
        return len(found[0]) > 30 and len(found[1]) > 30 and len(text_rows(found[0] + found[1])) == 2
    check(wait_until(shown, timeout), "no menu of two rows in the menu's colours (%d, %d pixels, %d rows)"
          % (len(found[0]), len(found[1]), len(text_rows(found[0] + found[1]))))
    return found


def pause(args):
    # No offered exit: the level's picture stands still, so before and after the pause must be equal.
    game = args.game(SMALL_LEVELS + ["PLAYER_CHANGE_DIR_DELAY==0"])
    game.find_window()
    game.move_mouse(5, 5)
    before = game.settled_shot()
    game.key("Escape")
    wait_for_menu(game, before)
    game.key("Down", "Return")
    after = []

    def resumed():
        after[:] = [game.shot()]
        return not any(menu_text(after[0], before))
    check(wait_until(resumed, 4), "the menu stayed after resume was chosen")
    after = game.settled_shot()
    differing = sum(1 for a, b in zip(before.rgb, after.rgb) if a != b)
    check(differing == 0, "the resumed level differs from the paused one in %d bytes" % differing)
    check(token_in_room(after, 0, 0, 2, 2), "the token moved during the pause")
    game.key("Escape")
    plain, selected = wait_for_menu(game, before)
    top, bottom, middle = text_rows(plain + selected)[0]  # quit, the first row
    game.click(middle, (top + bottom) // 2)
    game.expect_clean_end(timeout=15)


def auto_pause(args):
    still = ["AUTO_PAUSE_DELAY==2500", "PLAYER_CHANGE_DIR_DELAY==0", "VSYNC_ON==NO"]
    game = args.game(SMALL_LEVELS[:-2] + still)
    game.find_window()
    game.move_mouse(5, 5)
    start = game.settled_shot()
    wait_for_menu(game, start)
    game.finish()


def bad_start(args):
    work = tempfile.mkdtemp(prefix="orvik-bad-")
    try:
        bad_start_in(args, work)
    finally:
        shutil.rmtree(work, ignore_errors=True)


def bad_start_in(args, work):
    empty = os.path.join(work, "empty.cfg")
    open(empty, "w").close()
    for name, argv in (("misspelt", ["orvk-missing.cfg"]), ("empty", [empty])):
        game = args.game(argv, time_limit=15)
        status = game.wait()
        check(status == 1, "%s configuration file: exit status %s, expected 1:\n%s" % (name, status, game.stderr))
    data = os.path.join(work, "data")
    shutil.copytree(args.data, data)
    os.remove(os.path.join(data, "models", "treasure.obj"))
    game = args.game(SMALL_LEVELS, data_dir=data, time_limit=30)
    status = game.wait()
    check(status == -signal.SIGABRT, "missing model file: status %s, expected the fatal report's abort:\n%s"
          % (status, game.stderr))
    check("GameGraphics - Failed to get Model+Material for: TREASURE" in game.stderr
          and "orvik/src/GameGraphics" in game.stderr, "missing model file: no fatal report:\n" + game.stderr)


CASES = {"walk-2d": lambda a: walk(a, False), "walk-3d": lambda a: walk(a, True), "mouse": mouse,
         "pause": pause, "auto-pause": auto_pause, "bad-start": bad_start}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--preload", default=None)
    parser.add_argument("case", choices=sorted(CASES))
    args = parser.parse_args()
    if not os.environ.get("DISPLAY"):
        print("no X server (DISPLAY is not set)", file=sys.stderr)
        return drv.SKIP
    games = []

    def game(argv, data_dir=None, time_limit=40):
        g = drv.Game(args.program, data_dir or args.data, argv, preload=args.preload, time_limit=time_limit)
        games.append(g)
        return g.start()

    args.game = game
    try:
        CASES[args.case](args)
    except (drv.Failure, subprocess.CalledProcessError) as e:
        print("FAILED %s: %s" % (args.case, e), file=sys.stderr)
        return 1
    finally:
        for g in games:
            g.kill()
            g.cleanup()
    print("passed", args.case)
    return 0


if __name__ == "__main__":
    sys.exit(main())
