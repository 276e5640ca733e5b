#!/usr/bin/env python3
"""Draws the emblem of Kerekvárda for the first printed page: a heraldic
shield, per fess red and blue, a silver tower in chief and a golden wheel
in base, on white. Written to data/logo.jpg as a 60 x 62 pixel JPEG.

Needs ImageMagick's `convert`. Drawn at four times the size and scaled down
for smooth edges."""
import math
import os
import subprocess
import sys

S = 4                       # drawing scale
W, H = 60 * S, 62 * S
root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "logo.jpg")


def p(x, y):
    return f"{x * S:.1f},{y * S:.1f}"


# Shield outline: flat top, straight sides, pointed base.
shield = [(6, 3), (54, 3), (54, 30)]
for i in range(1, 12):           # right curve down to the point
    t = i / 12
    shield.append((54 - 24 * math.sin(t * math.pi / 2) ** 1.2, 30 + 28 * t ** 0.9))
shield.append((30, 59))
for i in range(11, 0, -1):       # left curve back up
    t = i / 12
    shield.append((6 + 24 * math.sin(t * math.pi / 2) ** 1.2, 30 + 28 * t ** 0.9))
shield.append((6, 30))
shield_pts = " ".join(p(x, y) for x, y in shield)

draw = []
# Blue base: the whole shield, then red chief clipped by drawing a rectangle
# only over the upper part inside the straight sides.
draw.append(f"fill '#1f4e9c' stroke none polygon {shield_pts}")
draw.append(f"fill '#c8202f' stroke none rectangle {p(6, 3)} {p(54, 29)}")
# Silver tower with three merlons, a gate and a window.
draw.append(f"fill '#f2f2f2' stroke '#333333' stroke-width {0.6 * S} "
            f"polygon {p(23, 27)} {p(23, 13)} {p(21.5, 13)} {p(21.5, 8)} {p(25, 8)} {p(25, 10.5)} "
            f"{p(28.2, 10.5)} {p(28.2, 8)} {p(31.8, 8)} {p(31.8, 10.5)} {p(35, 10.5)} {p(35, 8)} "
            f"{p(38.5, 8)} {p(38.5, 13)} {p(37, 13)} {p(37, 27)}")
draw.append(f"fill '#333333' stroke none roundrectangle {p(27.5, 20)} {p(32.5, 27)} {1.5 * S},{1.5 * S}")
draw.append(f"fill '#333333' stroke none rectangle {p(29, 14)} {p(31, 17)}")
# Golden wheel: rim, hub and eight spokes.
cx, cy, r = 30, 42, 9
draw.append(f"fill none stroke '#f2c230' stroke-width {2 * S} circle {p(cx, cy)} {p(cx + r, cy)}")
for k in range(8):
    a = k * math.pi / 4
    draw.append(f"stroke '#f2c230' stroke-width {1.2 * S} line {p(cx, cy)} "
                f"{p(cx + r * math.cos(a), cy + r * math.sin(a))}")
draw.append(f"fill '#f2c230' stroke none circle {p(cx, cy)} {p(cx + 2.4, cy)}")
# Gold border of the shield.
draw.append(f"fill none stroke '#b8901c' stroke-width {1.6 * S} polygon {shield_pts}")

cmd = ["convert", "-size", f"{W}x{H}", "xc:white"]
for d in draw:
    cmd += ["-draw", d]
cmd += ["-resize", "60x62!", "-quality", "92", "-sampling-factor", "1x1", "-strip", out]
subprocess.run(cmd, check=True)
print(out)
