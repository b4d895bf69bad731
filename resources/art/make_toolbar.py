#!/usr/bin/python3
"""Draws the game window's toolbar images, one per button key, as vector
shapes on a transparent background (Pillow), supersampled so they stay crisp.

  ../pictures/toolbar.png      24 x 24 per image, in KEYS order, left to right
  ../pictures/toolbar@2x.png   the same at 48 x 48 for screens of pixel ratio 2

Run: /usr/bin/python3 resources/art/make_toolbar.py
"""
import math
import os

from PIL import Image, ImageDraw

KEYS = ["reset", "stop", "start", "save", "load", "quit", "coped", "mess", "lada", "sco", "callme", "cop",
        "halvern"]
BASE = 24  # design grid: coordinates below are in 24ths of the image
OUTLINE = (30, 34, 54, 255)


def icon(key, size):
    ss = 8  # supersampling factor
    s = size * ss / BASE  # pixels per design unit on the big picture
    img = Image.new("RGBA", (size * ss, size * ss), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    w = max(1, round(1.6 * s))  # outline width

    def P(*pts):
        return [(x * s, y * s) for x, y in pts]

    def box(x0, y0, x1, y1):
        return [x0 * s, y0 * s, x1 * s, y1 * s]

    if key == "reset":  # a circling arrow, its head pointing into the gap
        green = (46, 160, 67, 255)
        cx, cy, r = 12, 12.5, 7.5
        d.arc(box(cx - r, cy - r, cx + r, cy + r), 20, 290, fill=green, width=round(3.2 * s))
        a = math.radians(290)
        ex, ey = cx + r * math.cos(a), cy + r * math.sin(a)
        tx, ty = -math.sin(a), math.cos(a)  # the way round, clockwise on screen
        nx, ny = math.cos(a), math.sin(a)   # outwards
        d.polygon(P((ex + 5 * tx, ey + 5 * ty), (ex + 3.6 * nx, ey + 3.6 * ny), (ex - 3.6 * nx, ey - 3.6 * ny)),
                  fill=green)
    elif key == "stop":  # pause: two bars
        for x in (6, 14):
            d.rounded_rectangle(box(x, 4, x + 4.5, 20), radius=1.2 * s, fill=(232, 140, 30, 255), outline=OUTLINE,
                                width=w)
    elif key == "start":  # go on: a triangle
        d.polygon(P((7, 4), (20, 12), (7, 20)), fill=(46, 170, 70, 255), outline=OUTLINE)
        d.line(P((7, 4), (20, 12), (7, 20), (7, 4)), fill=OUTLINE, width=w, joint="curve")
    elif key == "save":  # a floppy disk
        d.rounded_rectangle(box(3.5, 3.5, 20.5, 20.5), radius=1.5 * s, fill=(52, 110, 200, 255), outline=OUTLINE,
                            width=w)
        d.rectangle(box(7, 4.5, 16, 10), fill=(225, 232, 245, 255))
        d.rectangle(box(13, 5.5, 15, 9), fill=(52, 110, 200, 255))
        d.rectangle(box(6.5, 13, 17.5, 19.5), fill=(250, 250, 252, 255))
        for y in (15, 17):
            d.line(P((8, y), (16, y)), fill=(150, 160, 185, 255), width=round(0.8 * s))
    elif key == "load":  # an open folder
        d.polygon(P((3, 7), (9, 7), (11, 9), (19, 9), (19, 18), (3, 18)), fill=(214, 160, 40, 255), outline=OUTLINE)
        d.line(P((3, 7), (9, 7), (11, 9), (19, 9), (19, 18), (3, 18), (3, 7)), fill=OUTLINE, width=w)
        d.polygon(P((6, 11), (22, 11), (19, 19), (3, 19)), fill=(250, 206, 84, 255))
        d.line(P((6, 11), (22, 11), (19, 19), (3, 19), (6, 11)), fill=OUTLINE, width=w)
    elif key == "quit":  # a door and an arrow leaving it
        d.rectangle(box(4, 3, 13, 21), fill=(140, 90, 50, 255), outline=OUTLINE, width=w)
        d.ellipse(box(10, 11, 12, 13), fill=(250, 220, 120, 255))
        d.line(P((12, 12), (20.5, 12)), fill=(210, 50, 50, 255), width=round(2.6 * s))
        d.polygon(P((22.5, 12), (17.5, 7.5), (17.5, 16.5)), fill=(210, 50, 50, 255))
    elif key == "coped":  # help: a question mark in a round badge
        d.ellipse(box(2.5, 2.5, 21.5, 21.5), fill=(120, 80, 200, 255), outline=OUTLINE, width=w)
        d.arc(box(8, 6, 16, 13), 180, 90, fill=(255, 255, 255, 255), width=round(2.4 * s))
        d.line(P((12, 13), (12, 15)), fill=(255, 255, 255, 255), width=round(2.4 * s))
        d.ellipse(box(10.7, 16.5, 13.3, 19.1), fill=(255, 255, 255, 255))
    elif key == "mess":  # messages: a speech bubble with lines
        d.rounded_rectangle(box(2.5, 3.5, 21.5, 16.5), radius=3 * s, fill=(40, 170, 170, 255), outline=OUTLINE,
                            width=w)
        d.polygon(P((6, 15.5), (6, 21), (11, 15.5)), fill=(40, 170, 170, 255))
        d.line(P((6, 16.2), (6, 21), (11.5, 16.2)), fill=OUTLINE, width=w)
        for y in (7.5, 10.5, 13):
            d.line(P((6, y), (18 if y < 12 else 14, y)), fill=(240, 255, 255, 255), width=round(1.4 * s))
    elif key == "lada":  # the radar: rings and a sweep
        d.ellipse(box(2.5, 2.5, 21.5, 21.5), fill=(16, 60, 30, 255), outline=OUTLINE, width=w)
        d.pieslice(box(3.5, 3.5, 20.5, 20.5), 270, 340, fill=(90, 220, 110, 200))
        for r in (3.5, 6.5):
            d.ellipse(box(12 - r, 12 - r, 12 + r, 12 + r), outline=(90, 220, 110, 255), width=round(0.9 * s))
        d.ellipse(box(14.5, 6.5, 16.5, 8.5), fill=(255, 80, 80, 255))
        d.ellipse(box(7.5, 13.5, 9.5, 15.5), fill=(255, 230, 60, 255))
    elif key == "sco":  # the score table: a cup
        gold, dark = (240, 190, 40, 255), (176, 120, 20, 255)
        d.arc(box(2, 5, 10, 13), 90, 270, fill=dark, width=round(1.8 * s))
        d.arc(box(14, 5, 22, 13), 270, 90, fill=dark, width=round(1.8 * s))
        d.chord(box(5, -3, 19, 15), 0, 180, fill=gold, outline=OUTLINE, width=w)
        d.rectangle(box(10.5, 15, 13.5, 18), fill=dark)
        d.rounded_rectangle(box(7, 18, 17, 21.5), radius=1 * s, fill=gold, outline=OUTLINE, width=w)
    elif key == "callme":  # write to us: an envelope
        d.rectangle(box(2.5, 5.5, 21.5, 18.5), fill=(235, 242, 252, 255), outline=OUTLINE, width=w)
        d.line(P((3, 6), (12, 13), (21, 6)), fill=(60, 110, 200, 255), width=round(1.8 * s))
        d.line(P((3, 18), (9.5, 11.5)), fill=(150, 170, 210, 255), width=round(1 * s))
        d.line(P((21, 18), (14.5, 11.5)), fill=(150, 170, 210, 255), width=round(1 * s))
    elif key == "cop":  # the game description: an open book
        d.polygon(P((12, 6), (3, 4), (3, 19), (12, 21)), fill=(250, 246, 230, 255))
        d.polygon(P((12, 6), (21, 4), (21, 19), (12, 21)), fill=(240, 234, 210, 255))
        d.line(P((12, 6), (3, 4), (3, 19), (12, 21), (21, 19), (21, 4), (12, 6), (12, 21)), fill=(120, 70, 30, 255),
               width=w, joint="curve")
        for y in (8.5, 11.5, 14.5):
            d.line(P((5.5, y - 1), (10, y)), fill=(90, 120, 200, 255), width=round(0.9 * s))
            d.line(P((14, y), (18.5, y - 1)), fill=(90, 120, 200, 255), width=round(0.9 * s))
    elif key == "halvern":  # the school's web site: a globe
        blue, line = (60, 140, 220, 255), (230, 245, 255, 255)
        d.ellipse(box(2.5, 2.5, 21.5, 21.5), fill=blue, outline=OUTLINE, width=w)
        d.ellipse(box(8, 3.5, 16, 20.5), outline=line, width=round(1.1 * s))
        d.line(P((12, 3.5), (12, 20.5)), fill=line, width=round(1.1 * s))
        d.line(P((3.5, 12), (20.5, 12)), fill=line, width=round(1.1 * s))
        d.arc(box(4, 1, 20, 9.5), 20, 160, fill=line, width=round(1.1 * s))
        d.arc(box(4, 14.5, 20, 23), 200, 340, fill=line, width=round(1.1 * s))
    else:
        raise KeyError(key)
    return img.resize((size, size), Image.LANCZOS)


def sheet(size):
    out = Image.new("RGBA", (size * len(KEYS), size), (0, 0, 0, 0))
    for i, key in enumerate(KEYS):
        out.paste(icon(key, size), (i * size, 0))
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pictures = os.path.join(here, "..", "pictures")
    sheet(24).save(os.path.join(pictures, "toolbar.png"))
    sheet(48).save(os.path.join(pictures, "toolbar@2x.png"))
    # A large preview for reviewing the drawings.
    preview = sheet(96)
    bg = Image.new("RGBA", preview.size, (235, 235, 240, 255))
    bg.alpha_composite(preview)
    bg.convert("RGB").save("/tmp/toolbar-preview.png")


if __name__ == "__main__":
    main()
