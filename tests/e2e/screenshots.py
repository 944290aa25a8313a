#!/usr/bin/env python3
"""Takes the README's pictures from the running program:
  screenshots.py --program BIN --data DIR --out DOCS_DIR
level-2d.png and level-3d.png show a 10 by 8 level after a short walk, pause-menu.png the pause menu."""
import argparse
import os
import sys
import time

import orvik_driver as drv

COMMON = ["SCREEN_WIDTH==800", "SCREEN_HEIGHT==600", "MAZE_SEED==11", "MAZE_SIZES==10,8", "MUSIC_ON==NO",
          "AUTO_PAUSE_DELAY==0", "VSYNC_ON==NO"]
# The README's perspective view, on the bundled data's own camera.
VIEW_3D = ["IS_3D==YES"]


def take(opts, overrides, steps, name, pause=False):
    game = drv.Game(opts.program, opts.data, COMMON + overrides).start()
    try:
        game.find_window()
        game.move_mouse(790, 10)
        time.sleep(1.0)
        for key in steps:
            game.key(key)
            time.sleep(0.9)
        if pause:
            game.key("Escape")
            time.sleep(2.0)  # the menu's fonts are made when it first opens
        game.shot().save_png(os.path.join(opts.out, name))
        game.finish()
    finally:
        game.kill()
        game.cleanup()
    print("wrote", os.path.join(opts.out, name))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--out", required=True)
    opts = parser.parse_args()
    walk = ["space", "space", "space"]
    try:
        take(opts, [], walk, "level-2d.png")
        take(opts, VIEW_3D, walk, "level-3d.png")
        take(opts, [], walk, "pause-menu.png", pause=True)
    except drv.Failure as e:
        print("FAILED: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
