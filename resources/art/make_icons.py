#!/usr/bin/python3
"""Draws the application icons of the game (Mibbet, the hero blob) and of the
level editor (Tessaly, a tile map with a pencil) on a transparent background.

  ../icons/mibbet-N.png, ../icons/tessaly-N.png   N x N for N in SIZES
  ../icons/icons-sheet.png   every icon at its own size on a light and a
                             dark ground, for review

Vector art shrunk to 16-32 px goes soft, so those sizes are pixel art placed
by hand below. From 48 px up the same pictures are drawn as shapes at 4x and
shrunk with LANCZOS.

Run: /usr/bin/python3 resources/art/make_icons.py   (needs python3-pil)
"""
import math
import pathlib
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
OUT = HERE.parent / "icons"

from artkit import mix  # noqa: E402
from sprites import HERO_TIP, HERO_TONES  # noqa: E402
from tiles_items import GOLD  # noqa: E402

NAMES = ("mibbet", "tessaly")
SIZES = (16, 22, 32, 48, 64, 128, 256)
GRID = 64  # the vector drawings' coordinates are in 64ths of the icon

# One outline and the game's own ramps for both icons, so they look like a pair.
INK = (38, 18, 30)
RED_SHADOW, RED, RED_LIGHT, RED_SHINE = HERO_TONES
FLAME_DEEP, FLAME, FLAME_HOT = HERO_TIP
WHITE = (255, 255, 255)
STONE = ((84, 84, 98), (170, 170, 182), (214, 214, 222))  # wall block: shaded edge, face, lit edge
FLOOR = (50, 56, 100)  # the board between the walls
WOOD = ((214, 160, 96), (246, 214, 158))  # the pencil's sharpened end: shaded, lit

PALETTE = {
    "#": INK, "w": WHITE,
    "d": RED_SHADOW, "r": RED, "l": RED_LIGHT, "s": RED_SHINE,
    "F": FLAME_DEEP, "f": FLAME, "y": FLAME_HOT,
    "a": STONE[0], "c": STONE[1], "e": STONE[2], "n": FLOOR,
    "o": GOLD[1], "g": GOLD[2], "h": GOLD[3], "q": mix(FLOOR, GOLD[1], 0.5),  # q rounds the ball's corners
    "k": WOOD[0], "K": WOOD[1],
}


# --------------------------------------------------------------------------
# Pixel art for the small sizes, one character per pixel ('.' see-through)
# --------------------------------------------------------------------------

MIBBET_16 = (
    ".........#......",
    "........#y#.....",
    ".......#yy#.....",
    "......#fyyf#....",
    ".....#FfyfF#....",
    "....#lrFFFrr#...",
    "...#llrrrrrrd#..",
    "..#llrrrrrrrd#..",
    ".#lswwwrrwwwrd#.",
    ".#lsw#wrrw#wrd#.",
    ".#lrw#wrrw#wrd#.",
    ".#rrrrrrrrrrdd#.",
    ".#rrrrr##rrrdd#.",
    "..#drrrrrrddd#..",
    "...##dddddd##...",
    ".....######.....",
)
MIBBET_22 = (
    ".............#........",
    "............#y#.......",
    "...........#yy#.......",
    "...........#fyf#......",
    "..........#fyyf#......",
    ".........#Ffyyff#.....",
    "........#rFffffF#.....",
    "......##lrrFFFrrr#....",
    ".....#lllrrrrrrrr#....",
    "....#lwlllrrrrrrrd#...",
    "...#lwwllllrrrrrrrd#..",
    "..#lllrwwrrrrwwrrrd#..",
    ".#lslrwwwwrrwwwwrrdd#.",
    ".#lslrw##wrrw##wrrdd#.",
    ".#lslrw##wrrw##wrrdd#.",
    ".#llrrrwwrrrrwwrrrdd#.",
    ".#rrrrrrrrrrrrrrrrdd#.",
    "..#rrrrrr#rr#rrrrdd#..",
    "...#drrrrr##rrrddd#...",
    "....##dddddddddd##....",
    "......##########......",
    "......................",
)
MIBBET_32 = (
    ".................#..............",
    "................#y#.............",
    "................#y#.............",
    "...............#yy#.............",
    "..............#fyyf#............",
    "..............#fyyf#............",
    ".............#ffyyf#............",
    "............#Fffyyff#...........",
    "............#Fffyfff#...........",
    "...........#rFFfffFFr#..........",
    ".........##rrFFFFFFrr##.........",
    ".......##llllrrrFFrrrrr##.......",
    "......#rllllllrrrrrrrrrrr#......",
    ".....#rllwwllllrrrrrrrrrrr#.....",
    "....#rlllwwlllrrrrrrrrrrrrr#....",
    "....#llllllllrrrrrrrrrrrrrd#....",
    "...#rllsllllrrrrrrrrrrrrrrdd#...",
    "...#rlsslrrwwwrrrrwwwrrrrrrd#...",
    "...#rlsslrwwwwwrrwwwwwrrrrrd#...",
    "...#rlsslrww##wrrww##wrrrrdd#...",
    "...#rrsslrw###wrrw###wrrrrdd#...",
    "...#rrlsrrw###wrrw###wrrrrdd#...",
    "...#rrrrrrrwwwrrrrwwwrrrrrdd#...",
    "....#rrrrrrrrrrrrrrrrrrrrdd#....",
    "....#rrrrrrrrr#rr#rrrrrrddd#....",
    ".....#rrrrrrrrr##rrrrrrddd#.....",
    "......#drrrrrrrrrrrrrrddd#......",
    ".......#ddrrrrrrrrrrdddd#.......",
    "........##dddddddddddd##........",
    "..........##dddddddd##..........",
    "............########............",
    "................................",
)

# The same board as the big icon. The pencil's lead is grey so that it shows
# against its outline.
TESSALY_16 = (
    ".............##.",
    "............#ss#",
    "############css#",
    "#eeeceeecn#lcc#.",
    "#eccaecca#lrd#..",
    "#eccaecc#lrd##..",
    "#caaaca#lrd#n#..",
    "#nnnnn#lrd#ec#..",
    "#nhgnn#Kd#cca#..",
    "#ngon#K##ecca#..",
    "#nnn#a#nncaaa#..",
    "#eeec#nnneeec#..",
    "#eccannnnecca#..",
    "#eccannnnecca#..",
    "#caaannnncaaa#..",
    "##############..",
)
TESSALY_22 = (
    "......................",
    ".................##...",
    "................#ss#..",
    "################csss#.",
    "#eeeec#eeeec#n#lccss#.",
    "#eccca#eccca##llrcc#..",
    "#eccca#eccca#llrdd#...",
    "#eccca#eccc#llrdd##...",
    "#caaaa#caa#llrdd#n#...",
    "###########lrdd####...",
    "#nnnnn#nn#KKdd#eec#...",
    "#nqhgq#n#KKk##ccca#...",
    "#nhggg#n#Kk##eccca#...",
    "#ngggo##a##n#eccca#...",
    "#nqooq#n#nnn#caaaa#...",
    "###################...",
    "#eeeec#nnnnn#eeeec#...",
    "#eccca#nnnnn#eccca#...",
    "#eccca#nnnnn#eccca#...",
    "#eccca#nnnnn#eccca#...",
    "#caaaa#nnnnn#caaaa#...",
    "###################...",
)
TESSALY_32 = (
    "................................",
    ".........................##.....",
    "........................#ss#....",
    ".......................#ssss#...",
    "......................#ccssss#..",
    ".....................#lcccsss#..",
    ".####################llrcccs#...",
    ".#eeeeeec#eeeeeec#n#llrrrcc#....",
    ".#eccccca#eccccca##llrrrdd#.....",
    ".#eccccca#eccccca#llrrrdd#......",
    ".#eccccca#eccccc#llrrrdd##......",
    ".#eccccca#ecccc#llrrrdd#n#......",
    ".#eccccca#ecccc#Krrrdd#nn#......",
    ".#caaaaaa#caaa#KKKrdd#nnn#......",
    ".##############KKkkd######......",
    ".#nnnnnnn#nnn#KKkk##eeeec#......",
    ".#nqgggqn#nn#KKk##eccccca#......",
    ".#nghhggn#nn#Kk#n#eccccca#......",
    ".#nghggon#n#a##nn#eccccca#......",
    ".#ngggoon#nn#nnnn#eccccca#......",
    ".#nqoooqn#nnnnnnn#eccccca#......",
    ".#nnnnnnn#nnnnnnn#caaaaaa#......",
    ".#########################......",
    ".#eeeeeec#nnnnnnn#eeeeeec#......",
    ".#eccccca#nnnnnnn#eccccca#......",
    ".#eccccca#nnnnnnn#eccccca#......",
    ".#eccccca#nnnnnnn#eccccca#......",
    ".#eccccca#nnnnnnn#eccccca#......",
    ".#eccccca#nnnnnnn#eccccca#......",
    ".#caaaaaa#nnnnnnn#caaaaaa#......",
    ".#########################......",
    "................................",
)

PIXEL_ART = {
    ("mibbet", 16): MIBBET_16, ("mibbet", 22): MIBBET_22, ("mibbet", 32): MIBBET_32,
    ("tessaly", 16): TESSALY_16, ("tessaly", 22): TESSALY_22, ("tessaly", 32): TESSALY_32,
}


def pixels(rows):
    img = Image.new("RGBA", (len(rows[0]), len(rows)), (0, 0, 0, 0))
    for y, row in enumerate(rows):
        assert len(row) == img.width, f"row {y} is {len(row)} wide"
        for x, ch in enumerate(row):
            if ch != ".":
                img.putpixel((x, y), PALETTE[ch] + (255,))
    return img


# --------------------------------------------------------------------------
# Vector drawing for the large sizes
# --------------------------------------------------------------------------

class Canvas:
    """An icon `size` pixels square, drawn at 4x in design-grid units."""

    SS = 4

    def __init__(self, size):
        self.size = size
        self.s = size * self.SS / GRID
        self.img = Image.new("RGBA", (size * self.SS,) * 2, (0, 0, 0, 0))
        # Outline width: whole pixels, so that it is as sharp at every size.
        self.line_w = max(2, round(size / 24)) * GRID / size

    def pts(self, points):
        return [(x * self.s, y * self.s) for x, y in points]

    def fill(self, points, color, img=None):
        ImageDraw.Draw(img or self.img).polygon(self.pts(points), fill=color)

    def stroke(self, points, color, width, closed=True):
        """A line `width` grid units wide through points, round at every point
        (Pillow's own joints leave spikes where many short segments meet)."""
        d = ImageDraw.Draw(self.img)
        pts = self.pts(points + points[:1] if closed else points)
        w = width * self.s
        d.line(pts, fill=color, width=round(w))
        for x, y in pts:
            d.ellipse([x - w / 2, y - w / 2, x + w / 2, y + w / 2], fill=color)

    def result(self):
        return self.img.resize((self.size, self.size), Image.LANCZOS)


def oval(cx, cy, rx, ry, turn=0.0, n=72):
    """Points round an ellipse turned by `turn` degrees."""
    c, s = math.cos(math.radians(turn)), math.sin(math.radians(turn))
    out = []
    for i in range(n):
        a = 2 * math.pi * i / n
        x, y = rx * math.cos(a), ry * math.sin(a)
        out.append((cx + x * c - y * s, cy + x * s + y * c))
    return out


def blob(cx=32.0, cy=40.0, rx=22.5, ry=19.0, tip_y=4.0, lean=3.5, neck=30.5):
    """Outline of the hero: a round body under a flame tip whose point leans
    to the right. Every row of it is one span, so it is traced down the left
    side and back up the right; the first point is the tip."""
    def span(y):
        spans = []
        dy = (y - cy) / ry
        if abs(dy) <= 1:
            h = rx * math.sqrt(1 - dy * dy)
            spans.append((cx - h, cx + h))
        if tip_y <= y <= neck:
            t = (y - tip_y) / (neck - tip_y)
            h = 0.2 + 16.5 * t ** 1.45  # hollow sides, like a drop's
            mid = cx + lean * (1 - t) ** 1.6
            spans.append((mid - h, mid + h))
        return min(a for a, _ in spans), max(b for _, b in spans)

    bottom = cy + ry
    n = 240
    ys = [tip_y + (bottom - tip_y) * (1 - math.cos(math.pi * i / n)) / 2 for i in range(n + 1)]
    return [(span(y)[0], y) for y in ys] + [(span(y)[1], y) for y in reversed(ys)]


def toward(points, anchor, fx, fy):
    """points shrunk towards anchor, by fx across and fy down."""
    ax, ay = anchor
    return [(ax + (x - ax) * fx, ay + (y - ay) * fy) for x, y in points]


def mibbet_vector(size):
    c = Canvas(size)
    lw = c.line_w
    body = blob()
    c.stroke(body, INK, 2 * lw)

    # Shading, kept inside the body: the shadow colour underneath and the lit
    # body shifted up-left over it, then an inner flame that burns hotter
    # towards the tip.
    paint = Image.new("RGBA", c.img.size, (0, 0, 0, 0))
    c.fill(body, RED_SHADOW, paint)
    c.fill([(x - 2.6, y - 3.2) for x, y in body], RED, paint)
    c.fill(oval(25, 33, 13, 10, -20), RED_LIGHT, paint)
    tip = body[0]
    c.fill(toward(body, tip, 0.5, 0.6), FLAME_DEEP, paint)
    c.fill(toward(body, tip, 0.4, 0.5), FLAME, paint)
    c.fill(toward(body, tip, 0.22, 0.3), FLAME_HOT, paint)
    inside = Image.new("L", c.img.size, 0)
    c.fill(body, 255, inside)
    c.img.paste(paint, (0, 0), inside)

    # Gloss.
    c.fill(oval(17.5, 36, 3.2, 6.5, 28), RED_SHINE)
    c.fill(oval(20.5, 28.5, 1.9, 1.9), WHITE)
    # Eyes on the player, and a small smile.
    for ex in (25.0, 39.5):
        c.fill(oval(ex, 41, 5.6, 7.0), INK)
        c.fill(oval(ex, 41, 4.2, 5.6), WHITE)
        c.fill(oval(ex + 0.6, 42.6, 2.6, 3.8), INK)
        c.fill(oval(ex - 0.4, 40.6, 1.1, 1.1), WHITE)
    smile = [(28.5 + 7.5 * i / 12, 51 + 2.2 * math.sin(math.pi * i / 12)) for i in range(13)]
    c.stroke(smile, INK, lw * 0.8, closed=False)
    return c.result()


# The editor's board, three cells square: W wall, . floor, o a ball.
BOARD = ("WW.",
         "o.W",
         "W.W")
BOARD_AT, CELL = (4.0, 12.5), 15.5


def tessaly_vector(size):
    c = Canvas(size)
    lw = c.line_w
    # The board is all straight edges: lay it out in whole pixels so they stay sharp.
    px = GRID / size
    cell = round(CELL / px)
    bx = round(BOARD_AT[0] / px)
    by = round((BOARD_AT[1] + 3 * CELL) / px) - 3 * cell
    side = 3 * cell
    grid_w = max(1, round(lw / px * 0.45))
    bevel = max(1, round(cell * 0.16))

    def rect(x0, y0, x1, y1, color):  # corners in pixels
        c.fill([(x0 * px, y0 * px), (x1 * px, y0 * px), (x1 * px, y1 * px), (x0 * px, y1 * px)], color)

    frame = [(bx * px, by * px), ((bx + side) * px, by * px), ((bx + side) * px, (by + side) * px),
             (bx * px, (by + side) * px)]
    c.stroke(frame, INK, 2 * lw)
    rect(bx, by, bx + side, by + side, FLOOR)
    for r, row in enumerate(BOARD):
        for col, ch in enumerate(row):
            x0, y0 = bx + col * cell, by + r * cell
            x1, y1 = x0 + cell, y0 + cell
            if ch == "W":  # a stone block lit from the top left
                rect(x0, y0, x1, y1, STONE[0])
                c.fill([(x0 * px, y0 * px), (x1 * px, y0 * px), (x0 * px, y1 * px)], STONE[2])
                rect(x0 + bevel, y0 + bevel, x1 - bevel, y1 - bevel, STONE[1])
            elif ch == "o":  # a ball, in the rings' gold
                cx, cy, r0 = (x0 + cell / 2) * px, (y0 + cell / 2) * px, CELL * 0.3
                c.fill(oval(cx, cy, r0 + lw * 0.6, r0 + lw * 0.6), GOLD[0])
                c.fill(oval(cx, cy, r0, r0), GOLD[2])
                c.fill(oval(cx - r0 * 0.25, cy - r0 * 0.25, r0 * 0.62, r0 * 0.62), GOLD[3])
                c.fill(oval(cx - r0 * 0.4, cy - r0 * 0.4, r0 * 0.22, r0 * 0.22), GOLD[4])
    # The editor's grid between the cells.
    for i in (1, 2):
        at = bx + i * cell - grid_w // 2
        rect(at, by, at + grid_w, by + side, INK)
        at = by + i * cell - grid_w // 2
        rect(bx, at, bx + side, at + grid_w, INK)

    # The pencil, in the hero's red, writing into the middle of the board.
    # Positions along it run from the eraser end; across it, + is the lit
    # (upper left) side.
    (x0, y0), (x1, y1) = (56.0, 8.0), (27.5, 36.5)
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    half = 5.6
    cone = length - 2.1 * half  # where the sharpened end starts
    lead = length - 0.8 * half

    def at(along, across):
        return (x0 + ux * along - uy * across, y0 + uy * along + ux * across)

    def band(a, b, c0=-half, c1=half):
        return [at(a, c0), at(b, c0), at(b, c1), at(a, c1)]

    shape = [at(0, -half), at(cone, -half), at(length, 0), at(cone, half), at(0, half)]
    c.stroke(shape, INK, 2 * lw)
    c.fill(shape, RED)
    c.fill(band(0, cone, half * 0.2, half), RED_LIGHT)
    c.fill(band(0, cone, -half, -half * 0.45), RED_SHADOW)
    c.fill([at(cone, -half), at(length, 0), at(cone, half)], WOOD[0])
    c.fill([at(cone, 0), at(length, 0), at(cone, half)], WOOD[1])
    w = half * (length - lead) / (length - cone)
    c.fill([at(lead, -w), at(length, 0), at(lead, w)], STONE[0])
    c.fill(band(0, 6.5), RED_SHINE)  # the eraser
    c.fill(band(6.5, 10.5), STONE[1])  # and the metal band holding it
    c.stroke(band(6.5, 10.5), INK, lw * 0.5)
    c.stroke(shape, INK, lw)  # the outline again, over the band's ends
    return c.result()


# --------------------------------------------------------------------------
# Output
# --------------------------------------------------------------------------

def icon(name, size):
    if (name, size) in PIXEL_ART:
        return pixels(PIXEL_ART[name, size])
    return {"mibbet": mibbet_vector, "tessaly": tessaly_vector}[name](size)


def review_sheet(icons):
    """Every icon at its own size, on a light panel and on a dark one."""
    try:
        font = ImageFont.truetype(str(HERE.parent / "font" / "MibbetSans-Regular.otf"), 14)
    except OSError:
        font = ImageFont.load_default()
    pad, text_h, name_w = 16, 18, 84
    big = max(SIZES)
    row_h = big + text_h + pad
    panel_h = text_h + pad + len(NAMES) * row_h
    width = name_w + sum(SIZES) + pad * len(SIZES)
    sheet = Image.new("RGBA", (width, 2 * panel_h), (0, 0, 0, 255))
    d = ImageDraw.Draw(sheet)
    panels = (("on a light panel", (236, 236, 240), (60, 60, 72)),
              ("on a dark panel", (38, 40, 46), (214, 214, 222)))
    for p, (title, ground, text) in enumerate(panels):
        top = p * panel_h
        d.rectangle([0, top, width, top + panel_h - 1], fill=ground)
        d.text((pad, top + pad // 2), title, fill=text, font=font)
        for r, name in enumerate(NAMES):
            y = top + text_h + pad + r * row_h
            d.text((pad, y + big // 2), name, fill=text, font=font)
            x = name_w
            for size in SIZES:
                sheet.alpha_composite(icons[name, size], (x, y + big - size))
                d.text((x, y + big + 4), str(size), fill=text, font=font)
                x += size + pad
    # 256 colours are plenty for a review and keep the file small.
    return sheet.convert("RGB").quantize(256, method=Image.Quantize.FASTOCTREE, dither=Image.Dither.NONE)


def main():
    OUT.mkdir(exist_ok=True)
    icons = {}
    for name in NAMES:
        for size in SIZES:
            img = icons[name, size] = icon(name, size)
            assert img.size == (size, size)
            img.save(OUT / f"{name}-{size}.png", optimize=True)
    review_sheet(icons).save(OUT / "icons-sheet.png", optimize=True)
    print(f"{len(icons)} icons and the review sheet written to {OUT}")


if __name__ == "__main__":
    main()
