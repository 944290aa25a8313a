#!/usr/bin/env python3
"""Benchmarks the built game as a player runs it, with the frame probe preloaded:
  bench_game.py --program BIN --data DIR --probe frame_probe.so
Reports the frame time of a level in play (the token walking) for three maze sizes in 2-D and 3-D, the
start-up time to the first frame, peak resident memory, and resident memory across ten levels."""
import argparse
import os
import statistics
import subprocess
import sys
import time

import orvik_driver as drv

BASE = ["SCREEN_WIDTH==800", "SCREEN_HEIGHT==600", "VSYNC_ON==NO", "FRAME_RATE==0", "FRAME_SKIP==0",
        "MAZE_SEED==7", "MUSIC_ON==NO", "AUTO_PAUSE_DELAY==0", "MAZE_DEAD_ENDS==YES"]
CAMERA_3D = ["IS_3D==YES", "CAMERA_XYZ==400,300,730", "CAMERA_FACE==0,0,-1", "MIN_Z==1", "MAX_Z==3000"]
SIZES = [(10, 8), (40, 30), (100, 75)]


def probe_run(opts, overrides, play):
    out = os.path.join(opts.tmp, "probe.txt")
    env = {"LD_PRELOAD": opts.probe, "ORVIK_PROBE_OUT": out, "ORVIK_PROBE_T0": str(time.time_ns())}
    game = drv.Game(opts.program, opts.data, BASE + overrides, env=env, time_limit=120)
    game.start()
    try:
        game.find_window(timeout=60)
        extra = play(game)
        game.finish(timeout=60)
    finally:
        game.kill()
        game.cleanup()
    fields, swaps = {}, []
    with open(out) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 2:
                fields[parts[0]] = float(parts[1])
            elif parts:
                swaps.append(float(parts[0]))
    return fields, swaps, extra


def walking(seconds):
    def play(game):
        time.sleep(1.0)  # warm-up: first frames, shader and texture uploads
        begin = time.monotonic()
        while time.monotonic() - begin < seconds:
            game.key("space")
            time.sleep(0.3)
        return begin, time.monotonic()
    return play


def frame_times(opts):
    print("frame time of a level in play (800x600, vsync off, the token walking):")
    print("  %-4s %-8s %10s %12s %12s" % ("mode", "maze", "frames/s", "ms/frame", "p95 ms"))
    for mode, extra in (("2-D", []), ("3-D", CAMERA_3D)):
        for w, h in SIZES:
            fields, swaps, (begin, end) = probe_run(opts, extra + ["MAZE_SIZES==%d,%d" % (w, h)],
                                                    walking(opts.seconds))
            inside = [t for t in swaps if begin <= t <= end]
            gaps = sorted(b - a for a, b in zip(inside, inside[1:]))
            if len(gaps) < 2:
                print("  %-4s %3dx%-4d no frames measured" % (mode, w, h))
                continue
            per_frame = (inside[-1] - inside[0]) / len(gaps)
            p95 = gaps[int(0.95 * (len(gaps) - 1))]
            print("  %-4s %3dx%-4d %10.1f %12.2f %12.2f" % (mode, w, h, 1 / per_frame, per_frame * 1e3, p95 * 1e3))


def bare_context(opts):
    """Launch to first frame and peak resident size of a bare window with an OpenGL context."""
    out = os.path.join(opts.tmp, "bare.txt")
    env = dict(os.environ, LD_PRELOAD=opts.probe, ORVIK_PROBE_OUT=out, ORVIK_PROBE_T0=str(time.time_ns()))
    peak = int(subprocess.run([opts.bare], capture_output=True, text=True, check=True, env=env).stdout.split()[0])
    with open(out) as f:
        first = float(f.readline().split()[1])
    return first, peak


def start_up(opts):
    times, peaks, firsts = [], [], []
    bare = [bare_context(opts) for _ in range(3)] if opts.bare else []
    for _ in range(3):
        fields, _, _ = probe_run(opts, ["MAZE_SIZES==40,30"], lambda g: time.sleep(2.0))
        times.append(fields["first_frame"])
        firsts.append(fields["rss_first_frame_kb"])
        peaks.append(fields["peak_rss_kb"])
    print("start-up, launch to first frame shown (40x30, best of 3): %.3f s (median %.3f s)"
          % (min(times), statistics.median(times)))
    if bare:
        print("  a bare OpenGL window on the same driver: %.3f s (median %.3f s)"
              % (min(b[0] for b in bare), statistics.median(b[0] for b in bare)))
    print("resident memory, 40x30 level in play: peak %.1f MB; at the first frame %.1f MB"
          % (max(peaks) / 1024, min(firsts) / 1024))
    if bare:
        base = max(b[1] for b in bare)
        print("  a bare OpenGL window on the same driver peaks at %.1f MB: the game's own share is %.1f MB"
              % (base / 1024, (max(peaks) - base) / 1024))


def vm_rss_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return -1


def yellow(image):
    return image.count(lambda p: p[0] > 200 and p[1] > 150 and p[2] < 120)


def ten_levels(opts):
    """Ten 2 by 2 rings in a row (Right, then the walk up the bend, escapes each), then a 40 by 30 level;
    resident size after each escape."""
    def play(game):
        sizes = []
        time.sleep(1.0)
        first = yellow(game.shot())
        for _ in range(10):
            game.key("Right")
            time.sleep(0.4)
            game.key("space")
            time.sleep(1.2)
            sizes.append(vm_rss_kb(game.proc.pid))
        # The eleventh level's token and treasure are far smaller: all ten levels were escaped.
        drv.check(yellow(game.shot()) < first / 10, "the ten small levels were not all escaped")
        return sizes
    rings = " ".join(["2,2"] * 10)
    fields, _, sizes = probe_run(opts, ["MAZE_SIZES==%s 40,30" % rings, "MAZE_DEAD_ENDS==NO",
                                        "PLAYER_ESCAPE_DELAY==60"], play)
    print("resident memory after each of ten levels escaped (MB): " + " ".join("%.1f" % (s / 1024) for s in sizes))
    print("growth from the 2nd to the 9th escape: %+.2f MB; the 40x30 level after them: %+.2f MB; peak %.1f MB"
          % ((sizes[-2] - sizes[1]) / 1024, (sizes[-1] - sizes[-2]) / 1024, fields["peak_rss_kb"] / 1024))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--bare", default=None, help="the bare-context program, for the memory baseline")
    parser.add_argument("--seconds", type=float, default=4.0, help="measured play per maze size")
    opts = parser.parse_args()
    opts.tmp = os.path.dirname(os.path.abspath(opts.probe))
    try:
        frame_times(opts)
        start_up(opts)
        ten_levels(opts)
    except drv.Failure as e:
        print("FAILED: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
