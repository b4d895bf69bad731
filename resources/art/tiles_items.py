"""Item, floor, rubble and stair-door tiles.

Everything here is drawn by code: round things are sampled on a 4 x 4 grid
inside each pixel and then snapped to a short colour ramp, so edges stay crisp
(no blur) while curves still come out even. Light falls from the top-left.
Items sit on the black floor; tiles() returns {code: RGB picture}.
"""
import math
import random

from PIL import ImageDraw

import artkit
from artkit import BLACK, new, shade

# --- palette -----------------------------------------------------------------

GOLD = [(92, 50, 8), (168, 104, 22), (222, 160, 36), (250, 208, 78), (255, 244, 190)]
GEM_WHITE = [(96, 104, 132), (176, 188, 212), (226, 234, 248), (255, 255, 255)]
GEM_RED = [(80, 6, 18), (170, 20, 36), (232, 56, 64), (255, 180, 180)]
GEM_GREEN = [(8, 60, 24), (24, 140, 56), (70, 210, 100), (210, 255, 210)]
RED = [(84, 8, 14), (160, 20, 30), (214, 40, 46), (246, 96, 96), (255, 200, 196)]
LEAF = [(18, 60, 14), (40, 112, 28), (82, 170, 48), (160, 220, 96)]
STEM = [(60, 34, 14), (110, 68, 30), (150, 100, 50)]
PURPLE = [(52, 14, 70), (104, 40, 140), (156, 80, 200), (206, 150, 240), (244, 222, 255)]
GRAPE = [(36, 10, 50), (86, 30, 118), (132, 60, 172), (190, 130, 226)]
YELLOW = [(150, 90, 10), (240, 190, 30), (255, 240, 120)]
INK = (30, 28, 40)

LIGHT = (-0.55, -0.62, 0.56)  # towards the top-left and the viewer


def _norm(v):
    n = math.sqrt(sum(c * c for c in v)) or 1.0
    return tuple(c / n for c in v)


LIGHT = _norm(LIGHT)


# --- sampled shapes ----------------------------------------------------------

def render(img, shape, ramp, box=None, n=4, cover=0.5, bias=0.0):
    """shape(x, y) -> brightness in [0, 1] or None outside. Each pixel is
    sampled n x n times; where at least `cover` of the samples are inside, the
    pixel takes the ramp colour of the mean brightness."""
    px = img.load()
    x0, y0, x1, y1 = box or (0, 0, img.width, img.height)
    for y in range(y0, y1):
        for x in range(x0, x1):
            hits = []
            for j in range(n):
                for i in range(n):
                    b = shape(x + (i + 0.5) / n, y + (j + 0.5) / n)
                    if b is not None:
                        hits.append(b)
            if len(hits) >= cover * n * n:
                b = min(0.999, max(0.0, sum(hits) / len(hits) + bias))
                px[x, y] = ramp[int(b * len(ramp))]
    return img


def lit(normal):
    """Brightness in [0, 1] of a surface normal under LIGHT."""
    d = sum(a * b for a, b in zip(_norm(normal), LIGHT))
    return max(0.0, min(1.0, 0.12 + 0.95 * d))


def torus(cx, cy, rx, ry, inner):
    """A ring band seen from the front: ellipse radii rx, ry, the hole being
    `inner` of the outer size."""
    def f(x, y):
        dx, dy = (x - cx) / rx, (y - cy) / ry
        r = math.hypot(dx, dy)
        if r > 1 or r < inner:
            return None
        u = (r - inner) / (1 - inner) * 2 - 1  # -1 inner edge .. 1 outer edge
        s = u * 0.92
        nx, ny = (dx / r, dy / r) if r else (0, 0)
        return lit((nx * s, ny * s, math.sqrt(1 - s * s)))
    return f


def ball(cx, cy, rx, ry=None):
    ry = ry or rx

    def f(x, y):
        dx, dy = (x - cx) / rx, (y - cy) / ry
        q = dx * dx + dy * dy
        if q > 1:
            return None
        return lit((dx, dy, math.sqrt(1 - q)))
    return f


def ring_outline(img, color, only_dark_side=False):
    """Outlines the shape, optionally only on the lower-right (shadow) side."""
    src = img.copy()
    s, d = src.load(), img.load()
    for y in range(img.height):
        for x in range(img.width):
            if s[x, y] != BLACK:
                continue
            dirs = ((-1, 0), (0, -1)) if only_dark_side else ((1, 0), (-1, 0), (0, 1), (0, -1))
            for dx, dy in dirs:
                nx, ny = x + dx, y + dy
                if 0 <= nx < img.width and 0 <= ny < img.height and s[nx, ny] != BLACK:
                    d[x, y] = color
                    break
    return img


def put(img, points, color):
    px = img.load()
    for x, y in points:
        if 0 <= x < img.width and 0 <= y < img.height:
            px[x, y] = color


def stamp(img, rows, palette, at):
    """Pastes text rows at `at`; '.' leaves the pixel as it is."""
    px = img.load()
    ox, oy = at
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != ".":
                px[ox + x, oy + y] = palette[ch]


# --- rings and balls -----------------------------------------------------------

def _gem_palette(g):
    return {"o": g[0], "d": g[1], "m": g[2], "h": g[3]}


SMALL_GEM = ["ohho",
             "hhmd",
             ".dd."]

BIG_GEM = [".ohhho.",
           "ohhhmmo",
           "hhhmmmd",
           ".dmmdd.",
           "..ddd.."]


def small_ring(gem):
    img = new()
    render(img, torus(10.0, 11.6, 4.3, 4.0, 0.5), GOLD[1:])
    ring_outline(img, GOLD[0])
    stamp(img, SMALL_GEM, _gem_palette(gem), (8, 5))
    put(img, [(7, 6), (12, 6)], GOLD[1])  # prongs holding the stone
    return img


def big_ring(gem):
    img = new()
    render(img, torus(10.0, 11.4, 7.6, 7.2, 0.58), GOLD[1:])
    ring_outline(img, GOLD[0])
    # Setting under the stone.
    stamp(img, ["ccccccccc",
                ".ebbbbbe."], {"c": GOLD[3], "b": GOLD[2], "e": GOLD[1]}, (6, 5))
    stamp(img, BIG_GEM, _gem_palette(gem), (7, 0))
    put(img, [(6, 1), (13, 1)], GOLD[2])
    put(img, [(6, 2), (13, 2)], GOLD[1])
    # A twinkle beside it: the big ball should catch the eye.
    put(img, [(3, 2), (2, 3), (4, 3), (3, 4)], GOLD[4])
    put(img, [(3, 3)], (255, 255, 255))
    put(img, [(3, 1), (1, 3), (5, 3), (3, 5)], GOLD[3])
    return img


def ring_red_gem():
    """Code 10: a ring with a red stone, mid-sized and tilted a little."""
    img = new()
    render(img, torus(10.0, 12.0, 6.6, 5.8, 0.56), GOLD[1:])
    ring_outline(img, GOLD[0])
    stamp(img, ["ccccccc",
                ".ebbbe."], {"c": GOLD[3], "b": GOLD[2], "e": GOLD[1]}, (7, 5))
    stamp(img, [".ohho.",
                "ohhmmo",
                "hhmmmd",
                ".dmdd.",
                "..dd.."], _gem_palette(GEM_RED), (7, 1))
    put(img, [(7, 2), (12, 2)], GOLD[2])
    return img


# --- other items -----------------------------------------------------------------

LETTERS = {
    "L": ["x..", "x..", "x..", "x..", "xxx"],
    "I": ["x", "x", "x", "x", "x"],
    "F": ["xxx", "x..", "xx.", "x..", "x.."],
    "E": ["xxx", "x..", "xx.", "x..", "xxx"],
}


def heart_life():
    img = new()

    def heart(x, y):
        # Classic heart curve, scaled to the tile.
        u = (x - 10.0) / 7.6
        v = (10.9 - y) / 7.1
        if (u * u + v * v - 1) ** 3 - u * u * v ** 3 > 0:
            return None
        # A soft dome for shading: higher in the middle of each lobe.
        lx = abs(u) - 0.5
        nz = max(0.05, 1 - (lx * lx + (v - 0.6) ** 2) * 0.9)
        return lit((lx * 0.9 * (1 if u > 0 else -1), -(v - 0.6) * 0.9, nz))
    render(img, heart, RED[1:])
    ring_outline(img, RED[0])
    # LIFE across the widest part, with a dark drop shadow.
    x = 4
    for ch in "LIFE":
        rows = LETTERS[ch]
        shadow = [r.replace("x", "s") for r in rows]
        stamp(img, shadow, {"s": RED[0]}, (x + 1, 7))
        stamp(img, rows, {"x": (255, 246, 200)}, (x, 6))
        x += len(rows[0]) + 1
    return img


def clock():
    img = new()
    cx, cy = 10.0, 11.0
    render(img, torus(cx, cy, 8.2, 8.2, 0.78), GOLD[1:])  # rim
    dial = lambda x, y: 0.5 if math.hypot(x - cx, y - cy) < 6.5 else None  # noqa: E731
    render(img, dial, [(236, 236, 228)])
    ring_outline(img, GOLD[0])
    # Knob and loop on top, like a little pocket clock.
    stamp(img, [".ooo.",
                "ob.bo",
                ".ccc.",
                ".eee."], {"o": GOLD[1], "b": GOLD[0], "c": GOLD[3], "e": GOLD[2]}, (8, 0))
    # Shade the dial's top-left edge (the rim casts a shadow).
    px = img.load()
    for y in range(20):
        for x in range(20):
            if px[x, y] == (236, 236, 228):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d > 5.2 and (x + 0.5 - cx) + (y + 0.5 - cy) < -1:
                    px[x, y] = (196, 196, 200)
                elif (x + 0.5 - cx) < 0 and (y + 0.5 - cy) < 0 and d < 4.3 and d > 2.5:
                    px[x, y] = (252, 252, 248)
    # Hour ticks.
    put(img, [(10, 5), (9, 5), (15, 11), (15, 10), (9, 16), (10, 16), (4, 10), (4, 11)], (120, 110, 120))
    # Hands: minute to twelve, hour to about two; red second hand.
    put(img, [(9, 6), (9, 7), (9, 8), (9, 9), (9, 10), (10, 6), (10, 7), (10, 8), (10, 9)], INK)
    put(img, [(11, 9), (12, 9), (13, 8)], INK)
    put(img, [(10, 12), (10, 13), (11, 14)], (200, 30, 30))
    put(img, [(10, 10), (9, 11), (10, 11)], INK)
    put(img, [(9, 10)], (90, 90, 100))
    return img


def flower():
    img = new()
    cx, cy = 10.0, 7.6
    # Stem and leaves first, the head covers the top of the stem.
    stamp(img, ["......s.",
                "......s.",
                ".....sS.",
                "llL..sS.",
                "lLLL.sS.",
                ".lLLLsS.",
                "..llSs.kkL",
                ".....sSkLLl",
                ".....sSLll.",
                ".....sS...."],
          {"s": LEAF[2], "S": LEAF[1], "l": LEAF[1], "L": LEAF[2], "k": LEAF[0]}, (4, 10))

    def petals(x, y):
        dx, dy = x - cx, y - cy
        r = math.hypot(dx, dy)
        a = math.atan2(dy, dx) + math.pi / 2
        edge = 4.2 + 2.5 * abs(math.cos(2.5 * a))
        if r > edge:
            return None
        # Each petal bulges from its middle line.
        k = math.cos(2.5 * a)
        t = r / edge
        return lit((dx / (r + 0.01) * t * 0.9, dy / (r + 0.01) * t * 0.9, 0.6 + 0.4 * abs(k)))
    render(img, petals, PURPLE[1:])
    ring_outline(img, PURPLE[0])
    # Dark veins between petals help at small size.
    px = img.load()
    for i in range(5):
        a = -math.pi / 2 + (i + 0.5) * 2 * math.pi / 5
        for r in (3.6, 4.4):
            x, y = int(cx + r * math.cos(a)), int(cy + r * math.sin(a))
            if px[x, y] != BLACK and px[x, y] != PURPLE[0]:
                px[x, y] = PURPLE[1]
    render(img, ball(cx, cy, 2.3), YELLOW)
    put(img, [(11, 8)], YELLOW[0])
    return img


def grapes():
    img = new(size=(13, 20))
    # Stem and leaf at the top.
    stamp(img, ["....sk.......",
                ".....s.LLL...",
                ".....sLLLLl..",
                "....s.lLLll..",
                "......lll.l.."],
          {"s": STEM[2], "k": STEM[1], "L": LEAF[2], "l": LEAF[1]}, (0, 0))
    berries = [(2.6, 6.3), (6.5, 6.0), (10.4, 6.4),
               (4.5, 9.4), (8.5, 9.4),
               (2.6, 12.4), (6.5, 12.3), (10.4, 12.4),
               (4.5, 15.3), (8.5, 15.3),
               (6.5, 18.0)]
    # Back to front so the lower grapes overlap the upper ones cleanly.
    for bx, by in berries:
        layer = new(size=(13, 20))
        render(layer, ball(bx, by, 2.15), GRAPE[1:])
        ring_outline(layer, GRAPE[0])
        img.paste(layer, mask=layer.convert("L").point(lambda v: 255 if v else 0))
    for bx, by in berries:
        put(img, [(int(bx - 1.0), int(by - 1.2))], (236, 210, 250))
    return img


def pendant():
    img = new()
    # Chain running up to the corners.
    chain = [(2, 0), (3, 1), (4, 1), (5, 2), (6, 3), (7, 3), (17, 0), (16, 1), (15, 1), (14, 2), (13, 3), (12, 3)]
    for i, p in enumerate(chain):
        put(img, [p], GOLD[3] if i % 2 == 0 else GOLD[1])
    # Loop (bail).
    stamp(img, [".ooo.",
                "oc.do",
                ".ebd.",
                "..e.."], {"o": GOLD[3], "c": GOLD[4], "d": GOLD[1], "e": GOLD[2], "b": GOLD[0]}, (8, 2))
    cx, cy = 10.0, 12.3

    def drop(x, y):
        dx, dy = (x - cx) / 5.3, (y - cy) / 6.2
        # Pointed top: narrow the shape as it rises.
        if dy < 0:
            dx /= max(0.25, 1 + dy * 0.55)
        q = dx * dx + dy * dy
        if q > 1:
            return None
        return lit((dx, dy, math.sqrt(1 - q)))
    render(img, drop, GOLD[1:])
    ring_outline(img, GOLD[0])
    # Stone in a dark bezel.
    bezel = new()
    render(bezel, ball(cx, cy + 0.7, 3.2, 3.7), [GOLD[0]])
    img.paste(bezel, mask=bezel.convert("L").point(lambda v: 255 if v else 0))
    stone = new()
    render(stone, ball(cx, cy + 0.7, 2.4, 2.9), GEM_GREEN[1:])
    img.paste(stone, mask=stone.convert("L").point(lambda v: 255 if v else 0))
    put(img, [(9, 11), (8, 12)], GEM_GREEN[3])
    return img


def sun():
    img = new()
    px = img.load()
    cx, cy = 10.0, 10.0
    # One eighth of the rays, drawn by hand; the rest by symmetry.
    quarter = [(9, 1), (9, 2), (8, 3), (9, 3), (8, 4), (9, 4),  # straight up
               (2, 2), (3, 3), (4, 4), (5, 5), (3, 2), (4, 3), (5, 4)]  # diagonal
    points = set()
    for x, y in quarter:
        for a, b in ((x, y), (y, x)):
            for px_, py_ in ((a, b), (19 - a, b), (a, 19 - b), (19 - a, 19 - b)):
                points.add((px_, py_))
    for x, y in points:
        dx, dy = x + 0.5 - cx, y + 0.5 - cy
        b = lit((dx, dy, 2.0 * math.hypot(dx, dy)))
        px[x, y] = GOLD[1 + min(2, int(b * 3.4))]
    # The medallion: a raised rim around a flat face.
    render(img, lambda x, y: 0.5 if math.hypot(x - cx, y - cy) < 4.2 else None, [GOLD[2]])
    render(img, torus(cx, cy, 5.5, 5.5, 0.68), GOLD[1:])
    ring_outline(img, GOLD[0])
    # A calm face.
    put(img, [(8, 9), (11, 9), (8, 8), (11, 8)], GOLD[0])
    put(img, [(8, 12), (9, 12), (10, 12), (11, 12)], GOLD[1])
    put(img, [(8, 7)], GOLD[4])
    return img


def apple():
    img = new()
    cx, cy = 10.0, 11.6

    def body(x, y):
        dx, dy = (x - cx) / 7.4, (y - cy) / 7.0
        # Two shoulders and a dip at the top, a slight dip at the bottom.
        if dy < 0:
            dy *= 1 + 0.55 * math.exp(-(dx * 4.2) ** 2)
        else:
            dy *= 1 + 0.22 * math.exp(-(dx * 5) ** 2)
        dx *= 1 + 0.1 * max(0, dy)
        q = dx * dx + dy * dy
        if q > 1:
            return None
        # Bite out of the right side.
        if math.hypot(x - 18.2, y - 12.0) < 3.0:
            return None
        return lit((dx, dy, math.sqrt(1 - q)))
    render(img, body, RED[1:])
    ring_outline(img, RED[0])
    px = img.load()
    # Pale bitten flesh along the bite's edge, turning brown.
    for y in range(20):
        for x in range(20):
            d = math.hypot(x + 0.5 - 18.2, y + 0.5 - 12.0)
            if 3.0 <= d < 4.2 and px[x, y] not in (BLACK, RED[0]):
                px[x, y] = (214, 186, 120) if y < 12 else (168, 120, 60)
    # Rotten spot.
    stamp(img, [".bb.",
                "bBBb",
                ".bb."], {"b": (112, 60, 24), "B": (76, 40, 16)}, (6, 13))
    put(img, [(7, 14)], (140, 84, 36))
    # Stem and leaf.
    stamp(img, ["....s......",
                "....sk.LLL.",
                "....skLLLl.",
                ".....kLll..",
                ".....k....."],
          {"s": STEM[2], "k": STEM[0], "L": LEAF[2], "l": LEAF[1]}, (5, 0))
    put(img, [(6, 7), (7, 7), (6, 8)], RED[4])  # shine
    return img


# --- floors ------------------------------------------------------------------------

WOOD = [(58, 32, 14), (96, 56, 26), (124, 76, 36), (146, 92, 46), (166, 110, 58)]


def planks_horizontal():
    """Four planks five pixels high, the last row of each being the seam; the
    butt joints and the grain repeat with the tile, so neighbours join without
    a break."""
    img = new()
    px = img.load()
    rnd = random.Random(1717)
    joints = [13, None, 5, None]  # where a plank's butt joint falls, if it has one
    tones = [0.0, 0.35, -0.25, 0.15]
    for p in range(4):
        # Grain: a few long streaks per plank, whole waves across 20 pixels.
        streaks = [(rnd.randint(0, 3), rnd.random() * 6.283, rnd.choice((1, 2))) for _ in range(2)]
        for y in range(p * 5, p * 5 + 5):
            row = y - p * 5
            for x in range(20):
                if row == 4:
                    px[x, y] = WOOD[0]
                    continue
                if x == joints[p]:
                    px[x, y] = WOOD[0]
                    continue
                v = 2.4 + tones[p]
                for sr, ph, waves in streaks:
                    wave = 0.5 + 0.5 * math.sin(x * 2 * math.pi * waves / 20 + ph)
                    if row == sr and wave > 0.35:
                        v -= 0.9
                if row == 0:
                    v += 1.0  # lit top edge
                if joints[p] is not None and x == (joints[p] + 1) % 20:
                    v += 0.7  # lit edge after the joint
                px[x, y] = WOOD[max(1, min(4, int(v)))]
    # A faint deterministic grain noise keeps the boards from looking flat.
    noise = random.Random(1718)
    for y in range(20):
        for x in range(20):
            d = noise.randint(-4, 4)
            px[x, y] = tuple(max(0, min(255, c + d)) for c in px[x, y])
    return img


def planks_vertical():
    return artkit.rotate(planks_horizontal(), 1)


# --- rubble --------------------------------------------------------------------------

# Broken chips, drawn facet by facet: h lit face, m body, d shaded face.
CHIPS = {
    "slab": ["..hhm..",
             ".hhmmmd",
             "hmmmmdd",
             ".ddddd."],
    "wedge": ["...h.",
              "..hmd",
              ".hmmd",
              "hmmdd"],
    "flat": [".hhm.",
             "hmmdd"],
    "pebble": [".hm.",
               "hmmd",
               ".dd."],
    "bit": ["hm",
            "md"],
    "crumb": ["m"],
}

# (shape, left, top, tone): the big pieces low, smaller bits scattered above.
RUBBLE_LAYOUT = [("slab", 2, 13, 1.0), ("wedge", 11, 12, 0.95), ("flat", 13, 17, 0.85), ("pebble", 7, 16, 0.9),
                 ("pebble", 6, 6, 1.0), ("bit", 14, 6, 0.95), ("flat", 1, 9, 0.85), ("bit", 16, 2, 0.8),
                 ("crumb", 10, 9, 0.9), ("crumb", 17, 10, 0.9), ("crumb", 4, 3, 0.8), ("crumb", 1, 18, 0.85),
                 ("crumb", 10, 18, 0.8)]


def chip(img, shape, at, color):
    """One stone chip, lit from the top-left."""
    tones = {"h": shade(color, 1.4), "m": color, "d": shade(color, 0.55)}
    stamp(img, CHIPS[shape], tones, at)
    return img


def rubble(color, flip):
    """A handful of broken chips lying on the floor."""
    img = new()
    for shape, x, y, tone in RUBBLE_LAYOUT:
        if flip:  # the same scatter the other way round, still lit from the left
            x = 20 - x - len(CHIPS[shape][0])
        chip(img, shape, (x, y), shade(color, tone))
    return img


def crystals():
    """Sharp blue shards lying about, a couple standing up on end."""
    img = new()
    ramp = [(20, 40, 110), (40, 90, 190), (90, 160, 240), (200, 240, 255)]
    shards = [
        # (tip, left base, right base)
        ((7, 7), (4, 16), (9, 16)),
        ((12, 9), (10, 16), (14, 16)),
        ((16, 12), (14, 18), (18, 17)),
        ((3, 13), (1, 18), (5, 18)),
        ((11, 3), (10, 7), (13, 6)),
        ((17, 4), (15, 8), (18, 7)),
    ]
    px = img.load()
    for tip, lb, rb in shards:
        layer = new()
        d = ImageDraw.Draw(layer)
        d.polygon([tip, lb, rb], fill=(1, 1, 1))
        lp = layer.load()
        mid_x = lambda y: tip[0] + (y - tip[1]) / max(1, (lb[1] + rb[1]) / 2 - tip[1]) * ((lb[0] + rb[0]) / 2 - tip[0])  # noqa: E731
        for y in range(20):
            for x in range(20):
                if lp[x, y] == BLACK:
                    continue
                left_face = x < mid_x(y)
                c = ramp[2] if left_face else ramp[1]
                edge_l = x == 0 or lp[x - 1, y] == BLACK
                edge_r = x == 19 or lp[x + 1, y] == BLACK
                if edge_l:
                    c = ramp[3]
                elif edge_r:
                    c = ramp[0]
                px[x, y] = c
    # Little glints.
    put(img, [(7, 8), (3, 14)], (255, 255, 255))
    # Tiny bits on the floor.
    put(img, [(1, 9), (8, 18), (19, 15), (14, 1)], ramp[2])
    put(img, [(6, 18), (13, 17), (9, 17)], ramp[0])
    return img


# --- stair doorways ----------------------------------------------------------------

DOOR_WOOD = [(52, 28, 12), (92, 54, 24), (130, 80, 36), (170, 112, 56), (206, 150, 86)]


def stair_door(going_left):
    """A wooden door frame with steps leading down into the dark. Each step
    lower down is shorter on one side, so the stair is seen turning away to the
    left (80) or the right (81)."""
    inner = new()
    px = inner.load()
    for y in range(3, 20):
        for x in range(4, 16):
            px[x, y] = (12, 10, 14)
    stone = (156, 138, 116)
    # (tread row, last row, right end, brightness): nearest step at the bottom.
    steps = [(16, 19, 16, 1.0), (13, 15, 14, 0.74), (10, 12, 12, 0.52), (7, 9, 10, 0.34), (5, 6, 8, 0.2)]
    for y0, y1, x1, lum in steps:
        for y in range(y0, y1 + 1):
            for x in range(4, x1):
                if y == y0:
                    c = shade(stone, min(1.25, lum * 1.15))  # lit tread edge
                elif y == y1 and y1 < 19:
                    c = shade(stone, lum * 0.42)  # shadow under the next tread
                else:
                    c = shade(stone, lum * 0.78)
                px[x, y] = c
            if x1 < 16:
                px[x1 - 1, y] = shade(stone, lum * 0.5)  # the step's cut end
        # Side wall face revealed past the step's end.
        for y in range(y0, y1 + 1):
            for x in range(x1, 16):
                px[x, y] = shade((70, 56, 50), lum * 0.6) if (x + y) % 4 else shade((70, 56, 50), lum * 0.45)
    # Deep dark at the far end.
    for y in range(3, 5):
        for x in range(4, 16):
            px[x, y] = (8, 6, 10)
    if not going_left:
        inner = artkit.mirror(inner)
    img = inner
    px = img.load()
    # Frame: two posts and a lintel, lit from the top-left.
    for y in range(0, 20):
        px[0, y] = DOOR_WOOD[0]
        px[1, y] = DOOR_WOOD[3]
        px[2, y] = DOOR_WOOD[2]
        px[3, y] = DOOR_WOOD[1]
        px[16, y] = DOOR_WOOD[3]
        px[17, y] = DOOR_WOOD[2]
        px[18, y] = DOOR_WOOD[1]
        px[19, y] = DOOR_WOOD[0]
    for x in range(0, 20):
        px[x, 0] = DOOR_WOOD[4] if 0 < x < 19 else DOOR_WOOD[0]
        px[x, 1] = DOOR_WOOD[2]
        px[x, 2] = DOOR_WOOD[1]
    # Rounded top corners of the opening.
    put(img, [(4, 3), (15, 3), (5, 3), (14, 3), (4, 4), (15, 4)], DOOR_WOOD[1])
    put(img, [(4, 5), (15, 5), (6, 3), (13, 3)], DOOR_WOOD[0])
    # Grain and nails.
    for y in (6, 12):
        put(img, [(2, y), (2, y + 1)], DOOR_WOOD[1])
        put(img, [(17, y + 3), (17, y + 4)], DOOR_WOOD[1])
    put(img, [(2, 3), (17, 3), (2, 17), (17, 17)], (214, 204, 184))
    # An arrow carved in the lintel shows which way the stair turns.
    if going_left:
        put(img, [(8, 1), (9, 0), (9, 1), (9, 2), (10, 1), (11, 1)], DOOR_WOOD[0])
    else:
        put(img, [(8, 1), (9, 1), (10, 0), (10, 1), (10, 2), (11, 1)], DOOR_WOOD[0])
    return img


# --- the set ----------------------------------------------------------------------------

def tiles():
    small = small_ring(GEM_WHITE)
    big = big_ring(GEM_WHITE)
    out = {
        0: small,
        6: big,
        7: heart_life(),
        8: clock(),
        9: flower(),
        10: ring_red_gem(),
        11: grapes(),
        12: pendant(),
        13: sun(),
        14: apple(),
        15: new(),
        16: big.copy(),
        17: planks_horizontal(),
        18: planks_vertical(),
        19: small.copy(),
        42: rubble((128, 84, 160), False),
        43: rubble((70, 104, 184), True),
        45: rubble((176, 86, 64), False),
        46: crystals(),
        80: stair_door(True),
        81: stair_door(False),
        93: rubble((140, 96, 58), True),
        94: rubble((112, 128, 150), False),
        95: rubble((128, 36, 40), True),
    }
    return out


if __name__ == "__main__":
    t = tiles()
    artkit.preview(t, "/tmp/items_preview.png", zoom=6, cols=8)
    artkit.preview(t, "/tmp/items_preview2.png", zoom=2, cols=12)
