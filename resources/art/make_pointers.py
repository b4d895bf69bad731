#!/usr/bin/python3
"""Draws the five mouse pointers of the board: an arrow towards the target
(up, right, down, left) and a neutral ring-and-cross where no straight walk
is possible. Coloured shapes with a dark outline, readable on the black board
and on light tiles alike; supersampled so the edges stay clean.

  ../pictures/pointers.png      32 x 32 per pointer: MoiUp, MoiRight, MoiDown, MoiLeft, MoiC
  ../pictures/pointers@2x.png   the same at 64 x 64

Hot spots (in the 32 x 32 grid), kept in game/windows/BoardView.cpp: the tip
of each arrow, and the centre of the neutral pointer.

Run: /usr/bin/python3 resources/art/make_pointers.py
"""
import os

from PIL import Image, ImageDraw

NAMES = ["MoiUp", "MoiRight", "MoiDown", "MoiLeft", "MoiC"]
BASE = 32
ARROW_FILL = (255, 214, 64, 255)  # the game's gold, so the steering pointer stands out
OUTLINE = (20, 20, 30, 255)
NO_WAY = (240, 84, 64, 255)  # a soft red "no entry"


def pointer(name, size):
    ss = 8
    s = size * ss / BASE
    img = Image.new("RGBA", (size * ss, size * ss), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    def P(pts):
        return [(x * s, y * s) for x, y in pts]

    if name == "MoiC":
        # A ring with a cross through it: "no straight way there".
        for width, colour in ((5.0, OUTLINE), (2.6, NO_WAY)):
            w = round(width * s)
            d.ellipse([6 * s, 6 * s, 26 * s, 26 * s], outline=colour, width=w)
            d.line(P([(9.5, 9.5), (22.5, 22.5)]), fill=colour, width=w)
        return img.resize((size, size), Image.LANCZOS)

    # An arrow pointing up with its tip at (16, 1); the others are turns of it.
    arrow = [(16, 1), (28, 14), (20.5, 14), (20.5, 30), (11.5, 30), (11.5, 14), (4, 14)]
    d.polygon(P(arrow), fill=ARROW_FILL)
    d.line(P(arrow + [arrow[0]]), fill=OUTLINE, width=round(2.2 * s), joint="curve")
    turns = {"MoiUp": 0, "MoiRight": 270, "MoiDown": 180, "MoiLeft": 90}
    img = img.rotate(turns[name], resample=Image.BICUBIC)
    return img.resize((size, size), Image.LANCZOS)


def sheet(size):
    out = Image.new("RGBA", (size * len(NAMES), size), (0, 0, 0, 0))
    for i, n in enumerate(NAMES):
        out.paste(pointer(n, size), (i * size, 0))
    return out


def main():
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pictures")
    sheet(32).save(os.path.join(here, "pointers.png"), optimize=True)
    sheet(64).save(os.path.join(here, "pointers@2x.png"), optimize=True)


if __name__ == "__main__":
    main()
