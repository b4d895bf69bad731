#!/usr/bin/python3
"""Draws the background of the high-score window: a night-blue board in a
gold frame, a trophy between laurel branches at the top, soft stripes behind
the ten rows, and a few stars. No text: the window sets its labels over it.

  ../pictures/highscore.png      330 x 400
  ../pictures/highscore@2x.png   660 x 800, for screens of pixel ratio 2

Row geometry must match game/windows/HighScoreWindow.cpp (header at 84,
rows from 110 every 24 px).

Run: /usr/bin/python3 resources/art/make_highscore.py
"""
import math
import os
import random

from PIL import Image, ImageDraw, ImageFilter

W, H = 330, 400
HEADER_Y, FIRST_ROW_Y, ROW_H, ROWS = 84, 110, 24, 10
GOLD = (236, 190, 72)
GOLD_DARK = (150, 104, 28)
GOLD_LIGHT = (255, 232, 150)


def draw(scale):
    ss = 4  # supersampling
    k = scale * ss
    img = Image.new("RGB", (W * k, H * k))
    d = ImageDraw.Draw(img)

    # Vertical gradient, deep navy to midnight violet.
    top, bottom = (18, 26, 64), (40, 18, 58)
    for y in range(H * k):
        t = y / (H * k - 1)
        d.line([(0, y), (W * k, y)], fill=tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))

    def R(x0, y0, x1, y1):
        return [x0 * k, y0 * k, x1 * k, y1 * k]

    # Stars, fixed by a seed so the picture is the same every run.
    rnd = random.Random(7)
    for _ in range(60):
        x, y = rnd.uniform(14, W - 14), rnd.uniform(14, H - 14)
        if FIRST_ROW_Y - 30 < y < FIRST_ROW_Y + ROWS * ROW_H and 16 < x < W - 16:
            continue  # keep the rows calm
        r = rnd.choice([0.5, 0.6, 0.8, 1.1])
        c = rnd.choice([(255, 255, 255), (255, 240, 200), (200, 220, 255)])
        d.ellipse(R(x - r, y - r, x + r, y + r), fill=c)

    # Row stripes: first three rows tinted gold, silver, bronze.
    podium = [(120, 96, 30), (92, 98, 116), (112, 72, 44)]
    for i in range(ROWS):
        y = FIRST_ROW_Y + i * ROW_H
        fill = podium[i] if i < 3 else ((36, 44, 92) if i % 2 == 0 else (30, 34, 76))
        d.rounded_rectangle(R(16, y + 1, W - 16, y + ROW_H - 1), radius=5 * k, fill=fill)
    # Header band.
    d.rounded_rectangle(R(16, HEADER_Y - 2, W - 16, HEADER_Y + 22), radius=5 * k, fill=(70, 44, 16),
                        outline=GOLD_DARK, width=k)

    # Gold frame: a thick outer line and a thin inner one.
    d.rounded_rectangle(R(3, 3, W - 4, H - 4), radius=10 * k, outline=GOLD, width=3 * k)
    d.rounded_rectangle(R(8, 8, W - 9, H - 9), radius=7 * k, outline=GOLD_DARK, width=k)

    cx, cy = W / 2, 44
    # Laurel branches: a stem on each side curving from below the base up
    # around the cup, with leaves pointing outwards and forwards along it.
    leaf, leaf_dark, stem = (104, 178, 84), (42, 112, 52), (70, 130, 60)
    base_x, base_y, radius = cx, cy, 32
    for side in (-1, 1):
        arc = []
        for j in range(40):
            t = j / 39
            a = math.radians(100 + 118 * t)  # from below the base round to beside the rim
            arc.append((base_x - side * radius * math.cos(a) * -1, base_y - radius * math.sin(a)))
        arc = [(base_x + side * abs(x - base_x), y) for x, y in arc]
        d.line([(x * k, y * k) for x, y in arc], fill=stem, width=round(1.4 * k))
        for j in range(3, 40, 5):
            (x0, y0), (x1, y1) = arc[j - 1], arc[j]
            tx, ty = x1 - x0, y1 - y0
            n = math.hypot(tx, ty) or 1
            tx, ty = tx / n, ty / n
            for turn in (-0.9, 0.9):  # a pair of leaves, either side of the stem
                ca, sa = math.cos(turn), math.sin(turn)
                lx, ly = (tx * ca - ty * sa) * 9, (tx * sa + ty * ca) * 9
                wx, wy = -ly * 0.3, lx * 0.3
                d.polygon([(x1 * k, y1 * k), ((x1 + lx / 2 + wx) * k, (y1 + ly / 2 + wy) * k),
                           ((x1 + lx) * k, (y1 + ly) * k), ((x1 + lx / 2 - wx) * k, (y1 + ly / 2 - wy) * k)],
                          fill=leaf, outline=leaf_dark)

    # Trophy: cup, handles, stem and base, centred over the header.
    d.pieslice(R(cx - 20, cy - 30, cx + 20, cy + 12), 0, 180, fill=GOLD, outline=GOLD_DARK, width=k)
    d.rectangle(R(cx - 20, cy - 12, cx + 20, cy - 8), fill=GOLD)
    d.line([(cx - 20) * k, (cy - 10) * k, (cx + 20) * k, (cy - 10) * k], fill=GOLD_DARK, width=k)
    for side in (-1, 1):
        hx = cx + side * 24
        d.arc(R(hx - 8, cy - 12, hx + 8, cy + 4), 270 if side > 0 else 90, 90 if side > 0 else 270,
              fill=GOLD, width=3 * k)
    d.polygon([((cx - 4) * k, (cy + 11) * k), ((cx + 4) * k, (cy + 11) * k), ((cx + 3) * k, (cy + 20) * k),
               ((cx - 3) * k, (cy + 20) * k)], fill=GOLD_DARK)
    d.rounded_rectangle(R(cx - 12, cy + 20, cx + 12, cy + 26), radius=2 * k, fill=GOLD, outline=GOLD_DARK, width=k)
    d.ellipse(R(cx - 11, cy - 6, cx - 5, cy + 2), fill=GOLD_LIGHT)  # shine
    # A star on the cup.
    pts = []
    for j in range(10):
        a = -math.pi / 2 + j * math.pi / 5
        r = 6 if j % 2 == 0 else 2.6
        pts.append(((cx + r * math.cos(a)) * k, (cy - 1 + r * math.sin(a)) * k))
    d.polygon(pts, fill=(255, 250, 220))

    img = img.filter(ImageFilter.GaussianBlur(radius=ss * 0.15))
    return img.resize((W * scale, H * scale), Image.LANCZOS)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pictures")
    draw(1).save(os.path.join(out, "highscore.png"), optimize=True)
    draw(2).save(os.path.join(out, "highscore@2x.png"), optimize=True)


if __name__ == "__main__":
    main()
