"""Maze walls: rocks, crystals, trees, statues and the other obstacles.

Every picture is drawn here by code on a black floor. Light comes from the top
left; each material has a small ramp of shades plus a darker ink for its edge.
Pieces of the big obstacles (2x1, 2x2, 3x3 cells) are drawn whole and then
cut, so they join without seams.

tiles() returns {tile code: 20 x 20 RGB picture}.
"""
import math

import numpy as np
from PIL import Image, ImageDraw

import artkit

# ---------------------------------------------------------------- palettes
# ink first, then shades from dark to light


def pal(ink, *ramp):
    return {"ink": ink, "ramp": list(ramp)}


PURPLE_STONE = pal((40, 32, 54), (72, 62, 92), (102, 92, 126), (138, 128, 162), (176, 168, 198), (212, 208, 228))
GREY_STONE = pal((36, 36, 44), (68, 68, 78), (100, 100, 110), (138, 138, 148), (178, 178, 186), (216, 216, 222))
PALE_STONE = pal((78, 76, 92), (138, 136, 152), (176, 174, 188), (208, 206, 216), (232, 230, 236), (250, 250, 252))
CRYSTAL = pal((14, 26, 84), (34, 66, 168), (56, 116, 222), (104, 176, 248), (172, 222, 255), (234, 248, 255))
ICE = pal((32, 70, 104), (70, 128, 170), (112, 180, 212), (160, 218, 238), (208, 242, 250), (248, 254, 255))
PINK_STONE = pal((80, 26, 58), (134, 54, 98), (184, 88, 136), (222, 128, 172), (246, 176, 208), (255, 220, 236))
RED_STONE = pal((58, 14, 16), (112, 32, 30), (160, 56, 44), (202, 88, 66), (232, 132, 104), (250, 182, 156))
DEAD_WOOD = pal((34, 26, 22), (70, 56, 46), (102, 84, 68), (136, 116, 96), (168, 150, 128), (196, 182, 162))
WOOD = pal((36, 22, 12), (72, 46, 26), (106, 70, 40), (140, 98, 58), (172, 128, 80), (200, 160, 108))
LEAF = pal((12, 40, 16), (26, 74, 30), (42, 108, 40), (70, 144, 52), (110, 176, 70), (158, 204, 100))
CYPRESS = pal((8, 30, 22), (16, 54, 34), (26, 80, 46), (40, 108, 58), (64, 136, 72), (100, 164, 90))
SAND = pal((92, 64, 28), (158, 118, 58), (196, 158, 88), (224, 192, 122), (242, 218, 156), (252, 238, 194))
SNOW = pal((66, 86, 128), (132, 156, 196), (178, 200, 230), (214, 228, 246), (236, 244, 252), (255, 255, 255))
BONE = pal((72, 58, 40), (138, 122, 94), (184, 170, 140), (218, 208, 180), (240, 234, 214), (252, 250, 240))
EARTH = pal((30, 20, 12), (60, 42, 26), (84, 60, 36), (108, 80, 50), (132, 102, 66), (156, 126, 86))
ROOF = pal((44, 16, 14), (96, 34, 26), (136, 52, 36), (170, 76, 50), (198, 108, 72), (220, 146, 104))

LIGHT = np.array([-1.0, -1.2, 1.4])
LIGHT = LIGHT / np.linalg.norm(LIGHT)
# brightness (dot of surface normal and light) where each shade starts;
# a flat face (0.67) gets the middle shade of five
STEPS = (0.22, 0.5, 0.78, 0.95)


# ---------------------------------------------------------------- shapes

def _scaled(geom, s):
    return [(x * s, y * s) for x, y in geom]


def raster(w, h, ops, s=4):
    """Flat-colour drawing at s times the size, shrunk by majority vote so the
    edges stay crisp. ops: (kind, colour, geometry[, width]) with kinds poly,
    ell (box), rect (box), line (points, width), dot (centre, radius).
    Returns an h x w x 3 uint8 array; black is empty."""
    big = Image.new("RGB", (w * s, h * s), (0, 0, 0))
    d = ImageDraw.Draw(big)
    for op in ops:
        kind, col = op[0], tuple(op[1])
        g = op[2]
        if kind == "poly":
            d.polygon(_scaled(g, s), fill=col)
        elif kind == "ell":
            d.ellipse([g[0] * s, g[1] * s, g[2] * s - 1, g[3] * s - 1], fill=col)
        elif kind == "rect":
            d.rectangle([g[0] * s, g[1] * s, g[2] * s - 1, g[3] * s - 1], fill=col)
        elif kind == "line":
            width = op[3]
            pts = _scaled(g, s)
            d.line(pts, fill=col, width=max(1, round(width * s)))
            r = width * s / 2
            for x, y in pts:
                d.ellipse([x - r, y - r, x + r, y + r], fill=col)
        elif kind == "dot":
            (x, y), r = g, op[3]
            d.ellipse([(x - r) * s, (y - r) * s, (x + r) * s, (y + r) * s], fill=col)
    a = np.array(big).reshape(h, s, w, s, 3).transpose(0, 2, 1, 3, 4).reshape(h, w, s * s, 3)
    codes = (a[..., 0].astype(np.int64) << 16) | (a[..., 1].astype(np.int64) << 8) | a[..., 2]
    out = np.zeros((h, w, 3), np.uint8)
    for y in range(h):
        for x in range(w):
            c = codes[y, x]
            filled = c[c != 0]
            if len(filled) * 2 < s * s:
                continue
            vals, counts = np.unique(filled, return_counts=True)
            v = int(vals[np.argmax(counts)])
            out[y, x] = (v >> 16, (v >> 8) & 255, v & 255)
    return out


def mask(w, h, ops, s=4):
    ops = [(op[0], (255, 255, 255)) + tuple(op[2:]) for op in ops]
    return raster(w, h, ops, s).any(axis=2)


def ellipse_mask(w, h, cx, cy, rx, ry, wobble=(), clip_bottom=None):
    """Ellipse with an optionally wavy rim: wobble is a list of (amount, lobes, phase)."""
    yy, xx = np.mgrid[0:h, 0:w] + 0.5
    dx, dy = (xx - cx) / rx, (yy - cy) / ry
    ang = np.arctan2(dy, dx)
    r = np.ones_like(ang)
    for amt, lobes, ph in wobble:
        r += amt * np.sin(lobes * ang + ph)
    m = dx * dx + dy * dy <= r * r
    if clip_bottom is not None:
        m &= yy <= clip_bottom
    return m


def dome(w, h, cx, cy, rx, ry, rz):
    yy, xx = np.mgrid[0:h, 0:w] + 0.5
    q = ((xx - cx) / rx) ** 2 + ((yy - cy) / ry) ** 2
    return rz * np.sqrt(np.clip(1 - q, 0, 1))


def distance_inside(m):
    """Distance from each pixel of m to the nearest pixel outside it."""
    h, w = m.shape
    pad = np.pad(m, 1, constant_values=False)
    oy, ox = np.nonzero(~pad)
    iy, ix = np.nonzero(m)
    d = np.zeros(m.shape)
    for k in range(0, len(iy), 200):
        dy = (iy[k:k + 200, None] + 1) - oy[None, :]
        dx = (ix[k:k + 200, None] + 1) - ox[None, :]
        d[iy[k:k + 200], ix[k:k + 200]] = np.sqrt(dy * dy + dx * dx).min(axis=1)
    return d


def pillow(m, radius):
    """A height field that rounds off the edges of any outline."""
    t = np.clip(distance_inside(m) / radius, 0, 1)
    return radius * np.sqrt(np.clip(1 - (1 - t) ** 2, 0, 1)) * m


def noise(w, h, seed, cell=1.0):
    """Smooth-ish noise in -1..1; larger cell, larger blobs."""
    rs = np.random.RandomState(seed)
    gw, gh = int(w / cell) + 3, int(h / cell) + 3
    g = rs.uniform(-1, 1, (gh, gw))
    yy, xx = np.mgrid[0:h, 0:w] / cell
    x0, y0 = xx.astype(int), yy.astype(int)
    fx, fy = xx - x0, yy - y0
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = g[y0, x0] * (1 - fx) + g[y0, x0 + 1] * fx
    b = g[y0 + 1, x0] * (1 - fx) + g[y0 + 1, x0 + 1] * fx
    return a * (1 - fy) + b * fy


def lit(height, palette, bias=0.0, jitter=None, steps=STEPS):
    """Colours a height field by its slope towards the light, in the palette's shades."""
    hp = np.pad(height, 1)
    gy, gx = np.gradient(hp)
    gx, gy = gx[1:-1, 1:-1], gy[1:-1, 1:-1]
    n = np.dstack([-gx, -gy, np.ones_like(gx)])
    n /= np.linalg.norm(n, axis=2, keepdims=True)
    b = n @ LIGHT + bias
    if jitter is not None:
        b = b + jitter
    level = np.zeros(height.shape, int)
    for s in steps:
        level += b >= s
    ramp = np.array(palette["ramp"], np.uint8)
    return ramp[np.clip(level, 0, len(ramp) - 1)]


def level_color(palette, i):
    return palette["ramp"][i]


# ---------------------------------------------------------------- picture

class Pic:
    """Layers of parts; each part may get a one-pixel ink edge, either on its
    own rim ('in') or around it on the floor ('out'). Parts drawn later sit in
    front and get an ink line where they overlap what is behind them."""

    def __init__(self, w=20, h=20):
        self.w, self.h = w, h
        self.rgb = np.zeros((h, w, 3), np.uint8)
        self.own = np.zeros((h, w), np.int32)
        self.parts = [None]
        self.late = []

    def add(self, m, colors, ink=None, mode="in", sep=True, sep_ink=None):
        if not isinstance(colors, np.ndarray):
            colors = np.broadcast_to(np.array(colors, np.uint8), (self.h, self.w, 3))
        m = m.astype(bool)
        self.parts.append((ink, mode, sep, sep_ink or ink))
        i = len(self.parts) - 1
        self.rgb[m] = colors[m]
        self.own[m] = i
        return i

    def dot(self, x, y, color):
        """A detail pixel, put on after the ink edges."""
        self.late.append((x, y, color))

    def line(self, pts, color):
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            n = max(abs(x1 - x0), abs(y1 - y0), 1)
            for k in range(n + 1):
                self.dot(round(x0 + (x1 - x0) * k / n), round(y0 + (y1 - y0) * k / n), color)

    def array(self):
        out = self.rgb.copy()
        own = self.own
        p = np.pad(own, 1)
        nbs = [p[1:-1, 2:], p[1:-1, :-2], p[2:, 1:-1], p[:-2, 1:-1]]
        outer = np.zeros_like(own, bool)
        for i, part in enumerate(self.parts):
            if part is None:
                continue
            ink, mode, sep, sep_ink = part
            if ink is None:
                continue
            m = own == i
            if mode == "in":
                edge = m & np.any([n == 0 for n in nbs], axis=0)
                if sep:
                    inner = m & ~edge & np.any([(n > 0) & (n < i) for n in nbs], axis=0)
                    out[inner] = sep_ink
                out[edge] = ink
            else:
                mp = np.pad(m, 1)
                grow = mp[1:-1, 2:] | mp[1:-1, :-2] | mp[2:, 1:-1] | mp[:-2, 1:-1]
                ring = grow & (own == 0) & ~outer
                out[ring] = ink
                outer |= ring
        for x, y, c in self.late:
            if 0 <= x < self.w and 0 <= y < self.h:
                out[y, x] = c
        return out

    def image(self):
        return Image.fromarray(self.array(), "RGB")


def box(pic, x0, y0, x1, y1, palette, top=1, ink=True, seed=0):
    """A stone slab seen from the front a little from above: lit top face,
    lit left edge, shaded right edge."""
    m = np.zeros((pic.h, pic.w), bool)
    m[y0:y1, x0:x1] = True
    r = palette["ramp"]
    col = np.zeros((pic.h, pic.w, 3), np.uint8)
    col[y0:y1, x0:x1] = r[2]
    col[y0:y0 + top + 1, x0:x1] = r[4]
    col[y0 + top + 1:y1, x0 + 1] = r[3]
    col[y0 + top + 1:y1, x1 - 2] = r[1]
    col[y1 - 2, x0 + 1:x1 - 1] = r[1]
    j = noise(pic.w, pic.h, seed, 1.5)
    darker = (j > 0.55) & m
    col[darker & (col == np.array(r[2], np.uint8)).all(axis=2)] = r[1]
    return pic.add(m, col, palette["ink"] if ink else None)


def crystal_ops(bx, by, length, width, angle, palette, tipx=0.12):
    """Facet polygons of a six-sided crystal whose foot is at (bx, by), leaning
    by angle degrees (positive to the right)."""
    a = math.radians(angle)
    ax, ay = math.sin(a), -math.cos(a)
    px_, py_ = math.cos(a), math.sin(a)

    def P(u, v):
        return (bx + u * px_ + v * ax, by + u * py_ + v * ay)

    w = width / 2
    vs = length - width * 0.85
    drop = 0.35 * w
    tip = P(tipx * w, length)
    r = palette["ramp"]
    L, C, R = -w, -0.28 * w, 0.38 * w
    ops = [
        ("poly", r[3], [P(L, 0), P(C, -0.6), P(C, vs), P(L, vs - drop)]),
        ("poly", r[2], [P(C, -0.6), P(R, -0.6), P(R, vs), P(C, vs)]),
        ("poly", r[1], [P(R, -0.6), P(w, 0), P(w, vs - drop), P(R, vs)]),
        ("poly", r[4], [P(L, vs - drop), P(C, vs), tip]),
        ("poly", r[3], [P(C, vs), P(R, vs), tip]),
        ("poly", r[2], [P(R, vs), P(w, vs - drop), tip]),
    ]
    glint = [P((L + C) / 2, 1.2), P((L + C) / 2, vs - drop * 0.5)]
    return ops, glint, P


def add_crystal(pic, bx, by, length, width, angle, palette=CRYSTAL, glint=True, tipx=0.12):
    ops, g, P = crystal_ops(bx, by, length, width, angle, palette, tipx)
    col = raster(pic.w, pic.h, ops)
    m = col.any(axis=2)
    pic.add(m, col, palette["ink"])
    if glint:
        (x0, y0), (x1, y1) = g
        n = int(max(abs(x1 - x0), abs(y1 - y0)))
        for k in range(0, n + 1):
            t = k / max(n, 1)
            if 0.15 < t < 0.75:
                x, y = int(x0 + (x1 - x0) * t), int(y0 + (y1 - y0) * t)
                if m[y, x]:
                    pic.dot(x, y, palette["ramp"][4])
    return P


# ---------------------------------------------------------------- the walls

def boulder():
    w = h = 20
    m = ellipse_mask(w, h, 10, 10.8, 8.7, 7.9, [(0.05, 3, 1.0), (0.035, 5, 2.0)], clip_bottom=18.6)
    ht = dome(w, h, 9.5, 11.5, 9.5, 9.0, 8.0) + 0.7 * noise(w, h, 11, 3.0)
    col = lit(ht * m, PURPLE_STONE, jitter=0.08 * noise(w, h, 12, 1.0))
    pic = Pic()
    pic.add(m, col, PURPLE_STONE["ink"])
    r = PURPLE_STONE["ramp"]
    pic.line([(13, 9), (14, 11), (13, 13), (14, 14)], r[0])
    pic.line([(8, 15), (10, 16)], r[1])
    pic.dot(6, 6, r[4])
    pic.dot(7, 5, r[4])
    pic.dot(5, 7, r[3])
    return pic.image()


def blue_crystal():
    pic = Pic()
    add_crystal(pic, 10.2, 19.0, 18.6, 11.0, 5)
    return pic.image()


def crystal_cluster():
    pic = Pic()
    add_crystal(pic, 7.5, 18.5, 12, 5.4, -30, glint=False)
    add_crystal(pic, 12.8, 18.5, 13.5, 5.6, 27, glint=False)
    add_crystal(pic, 10.0, 19.0, 17.5, 6.6, -2)
    add_crystal(pic, 5.0, 19.4, 7.5, 4.4, -55, glint=False)
    add_crystal(pic, 15.4, 19.4, 8.0, 4.4, 52, glint=False)
    return pic.image()


def tree_mask(w, h, trunk, branches, s=4):
    """trunk: polygon; branches: list of (points, width)."""
    ops = [("poly", (255, 255, 255), trunk)]
    for pts, wd in branches:
        ops.append(("line", (255, 255, 255), pts, wd))
    return mask(w, h, ops, s)


def shaded_wood(m, palette, radius=1.6, seed=0, bias=0.0):
    ht = pillow(m, radius)
    return lit(ht, palette, bias=bias, jitter=0.1 * noise(m.shape[1], m.shape[0], seed, 1.0))


def dead_tree_small():
    w = h = 20
    trunk = [(7.0, 19.4), (8.3, 17.5), (8.8, 14), (8.0, 11.5), (8.6, 8.5), (10.6, 7.6), (11.2, 10),
             (10.8, 13), (11.8, 16.5), (13.6, 19.4)]
    branches = [
        ([(9.0, 9.0), (6.5, 6.5), (4.2, 5.5), (2.6, 3.2)], 1.2),
        ([(6.5, 6.6), (6.2, 3.6), (7.2, 1.6)], 1.0),
        ([(10.2, 8.5), (12.0, 5.4), (14.6, 3.6), (16.2, 1.4)], 1.3),
        ([(12.2, 5.2), (11.4, 2.4)], 1.0),
        ([(11.0, 11.2), (14.0, 9.4), (16.6, 9.2), (17.8, 7.0)], 1.2),
        ([(8.6, 12.2), (6.0, 11.0), (3.4, 11.4)], 1.1),
        ([(4.6, 5.8), (2.0, 6.8)], 0.9),
        ([(15.2, 3.2), (17.4, 4.2)], 0.9),
        ([(8.0, 19.0), (6.0, 19.4), (4.6, 19.2)], 1.0),
        ([(12.8, 19.0), (15.0, 19.4)], 1.0),
    ]
    m = tree_mask(w, h, trunk, branches)
    col = shaded_wood(m, DEAD_WOOD, 2.0, seed=31)
    pic = Pic()
    pic.add(m, col, DEAD_WOOD["ink"], mode="out")
    r = DEAD_WOOD["ramp"]
    pic.dot(10, 12, r[0])
    pic.dot(9, 15, r[0])
    pic.dot(10, 16, r[0])
    return pic.image()


def spike_part(pic, base_l, base_r, tip, palette, ridge_x=None, seed=0):
    """A pointed stone: light left flank, dark right flank split at a ridge."""
    r = palette["ramp"]
    by = max(base_l[1], base_r[1])
    rx = ridge_x if ridge_x is not None else (base_l[0] + base_r[0]) / 2 + 0.8
    mid_l = ((base_l[0] + rx) / 2 - 0.3, by)
    mid_r = ((base_r[0] + rx) / 2 + 0.3, by)
    ops = [
        ("poly", r[2], [base_l, mid_l, tip]),
        ("poly", r[3], [mid_l, (rx, by), tip]),
        ("poly", r[1], [(rx, by), mid_r, tip]),
        ("poly", r[0], [mid_r, base_r, tip]),
    ]
    col = raster(pic.w, pic.h, ops)
    m = col.any(axis=2)
    pic.add(m, col, palette["ink"])
    return m


def pink_rock():
    pic = Pic()
    spike_part(pic, (1.0, 19.2), (8.6, 19.2), (3.4, 8.0), PINK_STONE)
    spike_part(pic, (11.4, 19.2), (19.2, 19.2), (16.8, 5.6), PINK_STONE)
    spike_part(pic, (4.2, 19.4), (16.0, 19.4), (10.4, 0.4), PINK_STONE, ridge_x=11.2)
    r = PINK_STONE["ramp"]
    # strata across the big spike
    pic.line([(7, 14), (9, 13)], r[2])
    pic.line([(12, 12), (13, 13)], r[0])
    pic.line([(8, 8), (9, 7)], r[2])
    pic.dot(10, 3, r[4])
    pic.dot(10, 4, r[4])
    return pic.image()


def statue():
    """A knight in a long coat resting both hands on a sword, on a pedestal."""
    w, h = 20, 40
    pic = Pic(w, h)
    r = GREY_STONE["ramp"]
    ink = GREY_STONE["ink"]
    box(pic, 3, 33, 17, 38, GREY_STONE, top=0, seed=1)
    box(pic, 1, 37, 19, 40, GREY_STONE, top=0, seed=2)
    box(pic, 2, 29, 18, 33, GREY_STONE, top=1, seed=3)
    body = mask(w, h, [("poly", 0, [(4.6, 10.4), (15.4, 10.4), (16.6, 12.6), (15.6, 20), (16.8, 29.6),
                                    (3.2, 29.6), (4.4, 20), (3.4, 12.6)])])
    pic.add(body, lit(pillow(body, 4.0), GREY_STONE, jitter=0.06 * noise(w, h, 5)), ink)
    # arms from the shoulders down to the hands on the hilt
    for side in (-1, 1):
        def X(x):
            return 10 + side * (x - 10)
        arm = mask(w, h, [("poly", 0, [(X(3.6), 11.4), (X(6.4), 11.0), (X(9.6), 15.2), (X(9.6), 18.0),
                                       (X(7.6), 18.0), (X(4.0), 15.6)])])
        pic.add(arm, lit(pillow(arm, 1.8), GREY_STONE, bias=0.04 if side < 0 else -0.04), r[0])
    # sword: blade down the front, guard under the hands
    blade = mask(w, h, [("rect", 0, (9.0, 18.0, 11.0, 28.6)), ("rect", 0, (6.4, 17.6, 13.6, 19.4))])
    bc = np.zeros((h, w, 3), np.uint8)
    bc[:] = r[3]
    bc[:, 10] = r[2]
    bc[18, :] = r[4]
    pic.add(blade, bc, ink)
    pic.dot(10, 28, r[2])
    hands = mask(w, h, [("ell", 0, (7.6, 14.4, 12.4, 18.0))])
    pic.add(hands, lit(dome(w, h, 9.6, 15.8, 2.8, 2.2, 2.0) * hands, GREY_STONE, bias=0.08), r[0])
    pic.line([(10, 13), (10, 14)], r[2])
    # head with a short helm crest
    head = ellipse_mask(w, h, 10, 6.2, 3.9, 4.3)
    ht = dome(w, h, 9.4, 5.6, 4.4, 4.8, 4.2) * head
    pic.add(head, lit(ht, GREY_STONE, bias=0.14), ink)
    neck = mask(w, h, [("rect", 0, (8.4, 9.6, 11.6, 11.4))])
    pic.add(neck, r[1], None)
    pic.dot(8, 7, r[1])
    pic.dot(11, 7, r[1])
    pic.line([(8, 3), (10, 2)], r[4])
    pic.dot(9, 9, r[2])
    # coat folds
    for x, y0 in ((6, 21), (13, 21), (15, 24)):
        pic.line([(x, y0), (x, 28)], r[1])
    pic.line([(5, 22), (5, 28)], r[3])
    pic.line([(12, 21), (12, 27)], r[3])
    return pic.image()


def gargoyle():
    w, h = 20, 40
    pic = Pic(w, h)
    r = GREY_STONE["ramp"]
    dark = pal(GREY_STONE["ink"], *GREY_STONE["ramp"][:4])
    # wings behind everything
    for side in (-1, 1):
        def X(x):
            return 10 + side * (x - 10)
        pts = [(X(8.5), 16.5), (X(4.5), 4.5), (X(1.0), 2.2), (X(0.4), 8.0), (X(0.8), 15.0),
               (X(2.4), 13.4), (X(3.2), 17.4), (X(5.0), 15.6), (X(6.2), 19.6)]
        wm = mask(w, h, [("poly", 0, pts)])
        col = lit(pillow(wm, 1.6), dark, bias=-0.05)
        pic.add(wm, col, GREY_STONE["ink"])
        pic.line([(round(X(4.5)), 5), (round(X(2)), 12)], r[0])
        pic.line([(round(X(4.5)), 5), (round(X(4)), 15)], r[0])
    box(pic, 3, 33, 17, 38, GREY_STONE, top=0, seed=11)
    box(pic, 1, 37, 19, 40, GREY_STONE, top=0, seed=12)
    box(pic, 2, 29, 18, 33, GREY_STONE, top=1, seed=13)
    # haunches and body
    body = mask(w, h, [("ell", 0, (3.4, 16.0, 16.6, 30.0)), ("poly", 0, [(6, 12), (14, 12), (15, 20), (5, 20)])])
    pic.add(body, lit(pillow(body, 4.0), GREY_STONE, jitter=0.06 * noise(w, h, 14)), GREY_STONE["ink"])
    # forelegs with claws
    for x0 in (6.4, 11.0):
        leg = mask(w, h, [("poly", 0, [(x0 + 0.4, 17.0), (x0 + 2.6, 17.0), (x0 + 2.8, 27.5), (x0 + 3.2, 29.6),
                                       (x0 - 0.4, 29.6), (x0 + 0.2, 27.5)])])
        pic.add(leg, lit(pillow(leg, 1.5), GREY_STONE), GREY_STONE["ink"])
    for x in (6, 8, 11, 13):
        pic.dot(x, 29, r[4])
    # horns
    for side in (-1, 1):
        def X(x):
            return 10 + side * (x - 10)
        hm = mask(w, h, [("poly", 0, [(X(7.0), 7.2), (X(5.2), 4.4), (X(4.4), 0.8), (X(6.8), 3.0), (X(9.0), 5.8)])])
        pic.add(hm, lit(pillow(hm, 1.2), BONE), BONE["ink"])
    # head
    head = mask(w, h, [("ell", 0, (5.6, 4.6, 14.4, 13.2)), ("rect", 0, (7.4, 10, 12.6, 14.2))])
    pic.add(head, lit(dome(w, h, 9.6, 8.4, 5.2, 5.6, 4.5) * head + pillow(head, 1.0) * 0.5, GREY_STONE),
            GREY_STONE["ink"])
    # brow, glowing eyes, fangs
    pic.line([(7, 8), (9, 9)], r[0])
    pic.line([(13, 8), (11, 9)], r[0])
    pic.dot(8, 9, (255, 60, 40))
    pic.dot(12, 9, (255, 60, 40))
    pic.line([(8, 12), (12, 12)], r[0])
    pic.dot(9, 13, r[4])
    pic.dot(11, 13, r[4])
    pic.dot(10, 10, r[1])
    return pic.image()


def big_block():
    """One 60 x 60 carved stone block, cut into nine tiles."""
    n = 60
    r = GREY_STONE["ramp"]
    ink = GREY_STONE["ink"]
    a = np.zeros((n, n, 3), np.uint8)
    lo, hi = 1, n - 2          # outer rim (ink), inclusive
    bev = 4
    jit = noise(n, n, 77, 2.0) + 0.5 * noise(n, n, 78, 1.0)
    for y in range(lo, hi + 1):
        for x in range(lo, hi + 1):
            if x in (lo, hi) or y in (lo, hi):
                a[y, x] = ink
                continue
            dl, dt, dr, db = x - lo, y - lo, hi - x, hi - y
            dmin = min(dl, dt, dr, db)
            if dmin <= bev:
                # which bevel: nearest edge; the diagonal splits corners
                k = min((dt, 0), (dl, 1), (dr, 2), (db, 3))[1]
                c = [r[4], r[3], r[1], r[0]][k]
                if dmin == bev:
                    c = [r[3], r[3], r[1], r[1]][k] if k in (0, 1) else c
            else:
                c = r[2]
                if jit[y, x] > 0.95:
                    c = r[1]
                elif jit[y, x] < -1.05:
                    c = r[3]
            a[y, x] = c
    # recessed panel: shadow on its top and left inner sides, light on bottom and right
    p0, p1 = 13, 46
    a[p0:p1 + 1, p0:p1 + 1] = r[1]
    for i in range(p0 + 2, p1 - 1):
        for j in range(p0 + 2, p1 - 1):
            a[i, j] = r[2] if jit[i, j] < 0.8 else r[1]
    a[p0:p1 + 1, p0] = ink
    a[p0, p0:p1 + 1] = ink
    a[p0 + 1:p1 + 1, p0 + 1] = r[0]
    a[p0 + 1, p0 + 1:p1 + 1] = r[0]
    a[p1, p0 + 1:p1 + 1] = r[4]
    a[p0 + 1:p1 + 1, p1] = r[3]
    a[p1 - 1, p0 + 2:p1] = r[3]
    # carved emblem: ring with a four-pointed star, cut into the panel
    cx = cy = 29.5
    yy, xx = np.mgrid[0:n, 0:n] + 0.5
    dist = np.hypot(xx - cx, yy - cy)
    ring = (dist > 10.0) & (dist < 12.0)
    star = (np.abs(xx - cx) ** 0.6 + np.abs(yy - cy) ** 0.6) < 8.0 ** 0.6
    starin = (np.abs(xx - cx) ** 0.6 + np.abs(yy - cy) ** 0.6) < 6.6 ** 0.6
    groove = ring | (star & ~starin)
    sp = np.pad(groove, 1)
    light_side = sp[:-2, 1:-1] & ~groove   # just below a groove pixel
    dark_side = sp[2:, 1:-1] & ~groove     # just above a groove pixel
    a[groove] = r[0]
    a[light_side & ~groove] = r[3]
    a[dark_side & ~groove & ~light_side] = r[1]
    a[starin] = r[3]
    facet = starin & (xx - cx > 0) & (yy - cy > 0)
    a[facet] = r[2]
    a[starin & (xx - cx > 0) & (yy - cy <= 0)] = r[2]
    a[starin & (xx - cx <= 0) & (yy - cy > 0)] = r[2]
    a[starin & (xx - cx > 0) & (yy - cy > 0)] = r[1]
    a[int(cy), int(cx)] = r[4]
    # corner studs on the face
    for sx, sy in ((8, 8), (51, 8), (8, 51), (51, 51)):
        a[sy - 1:sy + 2, sx - 1:sx + 2] = r[2]
        a[sy - 1, sx - 1:sx + 1] = r[4]
        a[sy - 1:sy + 1, sx - 1] = r[4]
        a[sy + 1, sx - 1:sx + 2] = r[0]
        a[sy - 1:sy + 2, sx + 1] = r[0]
    # a crack from the right edge and a chipped corner
    crack = [(57, 22), (56, 23), (55, 23), (54, 24), (54, 25), (53, 26), (52, 26), (51, 27), (51, 28), (50, 29),
             (49, 29)]
    for x, y in crack:
        a[y, x] = ink
        a[y + 1, x] = r[3]
    crack2 = [(20, 57), (20, 56), (21, 55), (22, 55), (23, 54), (23, 53), (24, 52)]
    for x, y in crack2:
        a[y, x] = ink
        a[y, x + 1] = r[3]
    return Image.fromarray(a, "RGB")


def cross_grave():
    w = h = 20
    pic = Pic()
    mound = ellipse_mask(w, h, 10, 19.0, 9.0, 3.4, clip_bottom=19.6)
    pic.add(mound, lit(dome(w, h, 10, 19, 9, 3.4, 2.5) * mound, EARTH), EARTH["ink"])
    box(pic, 5, 15, 15, 19, GREY_STONE, top=0, seed=21)
    cm = mask(w, h, [("rect", 0, (8.0, 0.6, 12.0, 15.4)), ("rect", 0, (3.6, 4.0, 16.4, 8.0))])
    col = lit(pillow(cm, 1.6), GREY_STONE, jitter=0.07 * noise(w, h, 22))
    pic.add(cm, col, GREY_STONE["ink"])
    r = GREY_STONE["ramp"]
    pic.dot(10, 11, r[1])
    pic.dot(9, 12, r[1])
    pic.dot(14, 6, r[1])
    for x, y in ((3, 17), (16, 17), (17, 16)):
        pic.dot(x, y, LEAF["ramp"][2])
        pic.dot(x, y - 1, LEAF["ramp"][3])
    return pic.image()


def tombstone():
    w = h = 20
    pic = Pic()
    stone = pal((34, 38, 48), (66, 72, 86), (98, 106, 120), (136, 144, 158), (176, 184, 196), (214, 220, 228))
    mound = ellipse_mask(w, h, 10, 19.2, 9.4, 3.6, clip_bottom=19.6)
    pic.add(mound, lit(dome(w, h, 10, 19, 9.4, 3.6, 2.5) * mound, EARTH), EARTH["ink"])
    sm = mask(w, h, [("ell", 0, (3.8, 1.0, 16.2, 12.0)), ("rect", 0, (3.8, 6.0, 16.2, 18.6))])
    pic.add(sm, lit(pillow(sm, 2.2), stone, jitter=0.07 * noise(w, h, 41)), stone["ink"])
    r = stone["ramp"]
    # carved cross and lines of writing: a dark groove with a lit lower lip
    pic.line([(10, 4), (10, 9)], r[0])
    pic.line([(8, 6), (12, 6)], r[0])
    pic.line([(11, 5), (11, 6)], r[3])
    pic.dot(11, 9, r[3])
    pic.line([(13, 7), (13, 7)], r[3])
    for y, x0, x1 in ((11, 6, 13), (13, 7, 12), (15, 6, 11)):
        pic.line([(x0, y), (x1, y)], r[0])
        pic.line([(x0 + 1, y + 1), (x1, y + 1)], r[3])
    for x, y in ((2, 17), (17, 17), (15, 19)):
        pic.dot(x, y, LEAF["ramp"][2])
        pic.dot(x, y - 1, LEAF["ramp"][3])
    return pic.image()


def well():
    w = h = 20
    pic = Pic()
    wr = WOOD["ramp"]
    # posts and the roof
    for x0 in (2.6, 15.4):
        pm = mask(w, h, [("rect", 0, (x0, 4.0, x0 + 2.0, 13.0))])
        col = np.zeros((h, w, 3), np.uint8)
        col[:, :] = wr[2]
        col[:, int(x0) + 1] = wr[1]
        pic.add(pm, col, WOOD["ink"])
    rope = mask(w, h, [("rect", 0, (3.6, 4.6, 16.4, 5.6))])
    pic.add(rope, wr[1], None)
    rm = mask(w, h, [("poly", 0, [(10, 0.2), (19.6, 4.8), (19.6, 6.0), (0.4, 6.0), (0.4, 4.8)])])
    col = np.zeros((h, w, 3), np.uint8)
    rr = ROOF["ramp"]
    yy, xx = np.mgrid[0:h, 0:w]
    col[:] = rr[2]
    col[(xx < 10) & ((xx + yy) % 3 == 0)] = rr[3]
    col[(xx >= 10) & ((yy - xx) % 3 == 0)] = rr[1]
    col[xx >= 10] = np.where(((yy - xx) % 3 == 0)[xx >= 10][:, None], rr[0], rr[1])
    col[5, :] = rr[0]
    pic.add(rm, col, ROOF["ink"])
    # the stone ring with bricks, shaded round
    sr = GREY_STONE["ramp"]
    wall = mask(w, h, [("ell", 0, (1.4, 8.6, 18.6, 14.4)), ("rect", 0, (1.4, 11.5, 18.6, 17.0)),
                       ("ell", 0, (1.4, 14.0, 18.6, 19.8))])
    wc = np.zeros((h, w, 3), np.uint8)
    for y in range(h):
        for x in range(w):
            t = (x + 0.5 - 1.4) / 17.2
            lvl = 4 if t < 0.18 else 3 if t < 0.45 else 2 if t < 0.75 else 1
            row = (y - 12) // 2
            mortar = (y - 12) % 2 == 1 or (x + (row % 2) * 2) % 4 == 0
            if y >= 12 and mortar:
                lvl = max(0, lvl - 2)
            wc[y, x] = sr[lvl]
    pic.add(wall, wc, GREY_STONE["ink"])
    # rim top: lit stones around the dark water
    top = mask(w, h, [("ell", 0, (2.4, 9.4, 17.6, 13.6))])
    water = mask(w, h, [("ell", 0, (4.4, 10.2, 15.6, 13.0))])
    tc = np.zeros((h, w, 3), np.uint8)
    tc[:] = sr[3]
    tc[water] = (16, 30, 60)
    tc[12, 6:14] = (30, 56, 104)
    pic.add(top, tc, None)
    pic.dot(7, 11, (90, 140, 200))
    pic.dot(8, 11, (60, 100, 160))
    # bucket hanging on its rope
    pic.line([(10, 6), (10, 7)], (120, 96, 60))
    bm = mask(w, h, [("poly", 0, [(8.4, 7.8), (11.6, 7.8), (11.2, 10.6), (8.8, 10.6)])])
    bc = np.zeros((h, w, 3), np.uint8)
    bc[:] = wr[3]
    bc[:, 10:] = wr[2]
    bc[9, :] = sr[1]
    pic.add(bm, bc, WOOD["ink"])
    return pic.image()


def bones():
    w = h = 20
    pic = Pic()
    for seed, (cx, cy, rx, ry) in enumerate(((3.8, 16.6, 3.4, 3.0), (16.4, 16.4, 3.4, 3.2))):
        m = ellipse_mask(w, h, cx, cy, rx, ry, [(0.06, 3, seed)], clip_bottom=19.6)
        ht = dome(w, h, cx - 0.4, cy - 0.4, rx + 0.6, ry + 0.6, 3.0) + 0.3 * noise(w, h, 50 + seed, 2.0)
        pic.add(m, lit(ht * m, GREY_STONE), GREY_STONE["ink"])
    br = BONE["ramp"]

    def bone(p0, p1, wd=1.6):
        dx, dy = p1[0] - p0[0], p1[1] - p0[1]
        ln = math.hypot(dx, dy)
        nx, ny = -dy / ln * 0.9, dx / ln * 0.9
        m = mask(w, h, [("line", 0, [p0, p1], wd),
                        ("dot", 0, (p0[0] + nx, p0[1] + ny), 1.1), ("dot", 0, (p0[0] - nx, p0[1] - ny), 1.1),
                        ("dot", 0, (p1[0] + nx, p1[1] + ny), 1.1), ("dot", 0, (p1[0] - nx, p1[1] - ny), 1.1)])
        col = np.zeros((h, w, 3), np.uint8)
        col[:] = br[3]
        mp = np.pad(m, 1)
        col[m & ~mp[2:, 1:-1]] = br[1]
        col[m & ~mp[:-2, 1:-1]] = br[4]
        pic.add(m, col, BONE["ink"], mode="out")

    bone((2.6, 9.6), (17.2, 18.2))
    bone((17.4, 9.4), (2.6, 18.4))
    # skull
    sk = mask(w, h, [("ell", 0, (5.0, 1.4, 15.0, 11.4)), ("rect", 0, (7.0, 8.0, 13.0, 14.6))])
    ht = dome(w, h, 9.4, 5.6, 6.0, 6.0, 5.0) * sk + pillow(sk, 1.0) * 0.6
    pic.add(sk, lit(ht, BONE, bias=0.05), BONE["ink"])
    hole = (52, 36, 28)
    for x, y in ((7, 7), (8, 7), (7, 8), (8, 8), (11, 7), (12, 7), (11, 8), (12, 8)):
        pic.dot(x, y, hole)
    pic.dot(10, 10, hole)
    pic.line([(8, 12), (12, 12)], br[1])
    for x in (8, 10, 12):
        pic.dot(x, 13, br[0])
    pic.dot(7, 3, br[4])
    pic.dot(8, 3, br[4])
    pic.dot(6, 4, br[4])
    return pic.image()

def mound(w, h, outline_pts, palette, seed, radius, bias=0.0):
    m = mask(w, h, [("poly", 0, outline_pts)])
    ht = pillow(m, radius) + 0.6 * noise(w, h, seed, 3.0) * m
    return m, lit(ht, palette, bias=bias, jitter=0.06 * noise(w, h, seed + 1, 1.0))


def hump(cx, top, half, base, n=24, power=1.6):
    pts = []
    for k in range(n + 1):
        t = -1 + 2 * k / n
        y = base - (base - top) * (1 - abs(t) ** power)
        pts.append((cx + t * half, y))
    return pts


def sand_pile():
    pic = Pic()
    pts = hump(10.0, 3.6, 9.6, 19.4, power=2.6)
    m, col = mound(20, 20, pts, SAND, 61, 7.0)
    pic.add(m, col, SAND["ink"])
    r = SAND["ramp"]
    pic.line([(5, 13), (7, 12), (9, 12)], r[1])
    pic.line([(11, 9), (13, 9)], r[1])
    pic.line([(11, 15), (14, 14), (16, 15)], r[1])
    pic.line([(6, 14), (8, 13)], r[3])
    for x, y in ((4, 17), (13, 12), (15, 17), (8, 16)):
        pic.dot(x, y, r[0])
    pic.dot(8, 6, r[4])
    return pic.image()


def snow_pile():
    w = h = 20
    pic = Pic()
    r = SNOW["ramp"]
    pts = hump(10.0, 3.0, 9.6, 19.4, n=40, power=2.4)
    # a lumpy crest: little bumps along the top of the heap
    pts = [(x, y - 0.9 * max(0.0, math.sin(x * 1.3 + 0.4)) * (1 if y < 15 else 0)) for x, y in pts]
    m, col = mound(w, h, pts, SNOW, 71, 6.0, bias=0.04)
    pic.add(m, col, SNOW["ink"])
    # drifted ledges with blue shadow under them
    for pts_ in ([(4, 12), (6, 11), (8, 11)], [(11, 8), (13, 9)], [(10, 14), (13, 13), (15, 14)]):
        pic.line(pts_, r[4])
        pic.line([(x, y + 1) for x, y in pts_], r[1])
    for x, y in ((8, 5), (6, 9), (15, 11), (5, 16)):
        pic.dot(x, y, r[4])
    pic.dot(9, 4, (255, 255, 255))
    return pic.image()


def red_rocks():
    w = h = 20
    pic = Pic()
    rocks = ((9.6, 8.2, 6.2, 6.0, 0), (4.8, 14.0, 4.6, 5.2, 1), (14.6, 13.6, 5.0, 5.6, 2))
    r = RED_STONE["ramp"]
    for cx, cy, rx, ry, s in rocks:
        m = ellipse_mask(w, h, cx, cy, rx, ry, [(0.08, 3, s * 2.0), (0.05, 4, s)], clip_bottom=19.6)
        ht = dome(w, h, cx - 0.6, cy - 0.6, rx + 0.6, ry + 0.6, 5.0) + 0.5 * noise(w, h, 90 + s, 2.0)
        pic.add(m, lit(ht * m, RED_STONE), RED_STONE["ink"])
    pic.line([(11, 5), (12, 7)], r[1])
    pic.line([(3, 16), (5, 17)], r[1])
    pic.line([(16, 12), (15, 14)], r[1])
    return pic.image()


def stone_lantern():
    w = h = 20
    pic = Pic()
    P = PALE_STONE
    r = P["ramp"]
    box(pic, 4, 17, 16, 20, P, top=0, seed=101)
    pillar = mask(w, h, [("rect", 0, (7.8, 14.0, 12.2, 17.6))])
    pic.add(pillar, lit(pillow(pillar, 1.6), P), P["ink"])
    box(pic, 4, 12, 16, 15, P, top=0, seed=102)
    fb = mask(w, h, [("rect", 0, (5.0, 7.0, 15.0, 12.6))])
    col = lit(pillow(fb, 1.6), P)
    pic.add(fb, col, P["ink"])
    # glowing window with a bar
    glow = [(255, 246, 190), (255, 214, 100), (236, 150, 44)]
    for y in range(8, 12):
        for x in range(7, 13):
            edge = x in (7, 12) or y in (8, 11)
            pic.dot(x, y, glow[1] if not edge else glow[2])
    pic.dot(8, 9, glow[0])
    pic.dot(9, 9, glow[0])
    pic.dot(8, 10, glow[0])
    pic.line([(10, 8), (10, 11)], (140, 90, 40))
    roof = mask(w, h, [("poly", 0, [(8.4, 2.8), (11.6, 2.8), (16.4, 5.8), (19.0, 5.4), (18.6, 7.8),
                                    (1.4, 7.8), (1.0, 5.4), (3.6, 5.8)])])
    rc = lit(pillow(roof, 1.6), P)
    pic.add(roof, rc, P["ink"])
    knob = mask(w, h, [("ell", 0, (8.0, 0.6, 12.0, 4.0))])
    pic.add(knob, lit(dome(w, h, 9.6, 1.8, 2.4, 2.4, 2.0) * knob, P), P["ink"])
    return pic.image()


def crystal_pedestal():
    pic = Pic()
    box(pic, 5, 14, 15, 18, GREY_STONE, top=0, seed=111)
    box(pic, 3, 17, 17, 20, GREY_STONE, top=0, seed=112)
    box(pic, 3, 13, 17, 16, GREY_STONE, top=0, seed=113)
    add_crystal(pic, 10.2, 14.0, 13.8, 8.4, 4)
    return pic.image()


def curve(p0, p1, p2, n=20):
    out = []
    for k in range(n + 1):
        t = k / n
        out.append(((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
                    (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]))
    return out


def frond_mask(w, h, p0, p1, p2, w0=1.9, w1=0.6):
    ops = []
    pts = curve(p0, p1, p2, 24)
    for k, p in enumerate(pts):
        t = k / (len(pts) - 1)
        ops.append(("dot", 0, p, (w0 * (1 - t) + w1 * t) / 2 + 0.25))
    return mask(w, h, ops)


def palm_tree():
    w = h = 20
    pic = Pic()
    wr = WOOD["ramp"]
    trunk_pts = curve((8.4, 19.4), (7.6, 12.0), (11.0, 6.0), 30)
    ops = []
    for k, p in enumerate(trunk_pts):
        t = k / 30
        ops.append(("dot", 0, p, 1.8 - 0.6 * t))
    tm = mask(w, h, ops)
    tc = lit(pillow(tm, 1.6), WOOD)
    yy = np.mgrid[0:h, 0:w][0]
    tc[(yy % 3 == 0) & tm] = np.array(wr[1], np.uint8)
    pic.add(tm, tc, WOOD["ink"])
    top = (11.0, 5.4)
    fronds = [((-9.8, 4.2), (-4.8, -4.2)), ((-6.8, 9.8), (-5.4, 0.0)), ((8.6, 3.6), (4.4, -4.4)),
              ((6.0, 10.0), (5.6, 0.2)), ((-3.6, -4.8), (-2.4, -5.0)), ((4.0, -4.6), (2.0, -5.4))]
    lr = LEAF["ramp"]
    for k, ((ex, ey), (cx, cy)) in enumerate(fronds):
        pts = curve(top, (top[0] + cx, top[1] + cy), (top[0] + ex, top[1] + ey), 24)
        ops = []
        for i, p in enumerate(pts):
            t = i / 24
            ops.append(("dot", 0, p, 0.95 - 0.45 * t))
            if 0.25 < t < 0.95 and i % 3 == 0:
                # leaflets hanging off the outer side of the frond
                ops.append(("line", 0, [p, (p[0] + (0.8 if ex > 0 else -0.8), p[1] + 1.6)], 0.8))
        m = mask(w, h, ops)
        col = np.zeros((h, w, 3), np.uint8)
        col[:] = lr[2] if k % 2 == 0 else lr[3]
        # a lit top edge on every frond
        mp = np.pad(m, 1)
        topedge = m & ~mp[:-2, 1:-1]
        col[topedge] = lr[4]
        bottom = m & ~mp[2:, 1:-1]
        col[bottom & ~topedge] = lr[1]
        pic.add(m, col, LEAF["ink"], mode="out")
    for cx, cy in ((10.2, 7.0), (12.4, 7.2)):
        cm = ellipse_mask(w, h, cx, cy, 1.2, 1.2)
        pic.add(cm, WOOD["ramp"][1], None)
    pic.dot(10, 6, WOOD["ramp"][3])
    pic.dot(12, 6, WOOD["ramp"][3])
    return pic.image()


def cypress():
    w = h = 20
    pic = Pic()
    tm = mask(w, h, [("rect", 0, (8.6, 15.0, 11.4, 19.8))])
    tc = lit(pillow(tm, 1.4), WOOD)
    pic.add(tm, tc, WOOD["ink"])
    ys = [0.0, 2.0, 5.0, 9.0, 13.0, 15.6, 17.6]
    hw = [0.5, 1.9, 3.4, 4.6, 4.9, 4.2, 2.4]
    right = [(10 + hw[i], ys[i]) for i in range(len(ys))]
    pts = right + [(20 - x, y) for x, y in reversed(right)]
    fm = mask(w, h, [("poly", 0, pts)])
    ht = pillow(fm, 3.6) + 0.9 * noise(w, h, 131, 1.4) * fm
    col = lit(ht, CYPRESS, jitter=0.1 * noise(w, h, 132, 1.0))
    pic.add(fm, col, CYPRESS["ink"])
    r = CYPRESS["ramp"]
    # sprays of foliage sweeping up and out
    for x, y in ((8, 4), (8, 8), (7, 11), (9, 12), (7, 15)):
        pic.dot(x, y, r[4])
        pic.dot(x + 1, y - 1, r[3])
    for x, y in ((12, 9), (12, 13), (11, 6)):
        pic.dot(x, y, r[0])
    return pic.image()

def big_boulder():
    w = h = 40
    pic = Pic(w, h)
    m = ellipse_mask(w, h, 20, 21.0, 18.6, 17.6, [(0.04, 3, 0.6), (0.03, 5, 2.2), (0.02, 7, 1.0)],
                     clip_bottom=38.8)
    ht = dome(w, h, 18.6, 22.0, 21.0, 20.0, 17.0) + 1.6 * noise(w, h, 141, 6.0) + 0.6 * noise(w, h, 142, 2.5)
    col = lit(ht * m, GREY_STONE, jitter=0.05 * noise(w, h, 143, 1.0))
    pic.add(m, col, GREY_STONE["ink"])
    r = GREY_STONE["ramp"]
    pic.line([(27, 6), (26, 9), (28, 12), (27, 15), (29, 18)], r[0])
    pic.line([(28, 9), (29, 12)], r[3])
    pic.line([(9, 27), (12, 29), (15, 29), (17, 32)], r[0])
    pic.line([(10, 26), (12, 28)], r[3])
    pic.line([(31, 28), (33, 30)], r[1])
    for x, y in ((11, 10), (12, 9), (13, 9), (10, 11), (14, 8)):
        pic.dot(x, y, r[4])
    # a smaller stone at its foot
    sm = ellipse_mask(w, h, 33.5, 35.4, 5.2, 3.8, [(0.05, 3, 0.2)], clip_bottom=38.8)
    sh = dome(w, h, 33, 35, 5.6, 4.2, 3.5) * sm
    pic.add(sm, lit(sh, GREY_STONE), GREY_STONE["ink"])
    return pic.image()


def clump_crown(pic, clumps, palette, seed):
    """Leaf crown from overlapping round clumps, back ones first."""
    w, h = pic.w, pic.h
    for k, (cx, cy, rad) in enumerate(clumps):
        m = ellipse_mask(w, h, cx, cy, rad, rad * 0.92, [(0.06, 6, k), (0.04, 9, k * 2)])
        ht = dome(w, h, cx - rad * 0.15, cy - rad * 0.15, rad * 1.15, rad * 1.1, rad) * m
        ht += 0.5 * noise(w, h, seed + k, 1.3) * m
        pic.add(m, lit(ht, palette, jitter=0.08 * noise(w, h, seed + 50 + k, 1.0)), palette["ink"],
                sep_ink=palette["ramp"][0])


def big_tree():
    w = h = 40
    pic = Pic(w, h)
    trunk = [(16.0, 39.4), (17.6, 36.0), (18.0, 24.0), (22.0, 24.0), (22.4, 36.0), (24.0, 39.4)]
    branches = [([(19.0, 28.0), (15.0, 22.0), (12.0, 20.0)], 1.6), ([(21.0, 27.0), (25.0, 21.0), (28.0, 19.0)], 1.6),
                ([(17.0, 38.6), (13.0, 39.4)], 1.4), ([(23.0, 38.6), (27.4, 39.4)], 1.4)]
    tm = tree_mask(w, h, trunk, branches)
    tc = shaded_wood(tm, WOOD, 2.6, seed=151)
    yy = np.mgrid[0:h, 0:w][0]
    shadow = (yy < 30) & tm
    tc[shadow] = np.array(WOOD["ramp"][0], np.uint8)
    pic.add(tm, tc, WOOD["ink"])
    clumps = [(9.5, 20.0, 6.8), (30.5, 20.0, 6.8), (20.0, 22.0, 6.0), (12.0, 11.0, 7.4), (28.0, 11.5, 7.4),
              (20.0, 6.8, 6.6), (20.0, 15.0, 7.6), (13.5, 19.0, 5.4), (26.5, 19.5, 5.4)]
    clump_crown(pic, clumps, LEAF, 160)
    r = WOOD["ramp"]
    pic.dot(19, 33, r[0])
    pic.dot(19, 34, r[0])
    return pic.image()


def big_sand():
    w = h = 40
    pic = Pic(w, h)
    pts = hump(19.6, 5.0, 19.4, 39.4, n=40, power=3.2)
    m, col = mound(w, h, pts, SAND, 171, 14.0)
    pic.add(m, col, SAND["ink"])
    r = SAND["ramp"]
    ripples = [[(8, 26), (12, 24), (16, 23), (20, 23)], [(22, 18), (26, 18), (29, 20)],
               [(11, 32), (15, 30), (20, 29), (24, 29), (28, 30)], [(14, 15), (17, 14), (19, 14)],
               [(27, 26), (31, 26), (34, 28)], [(4, 34), (7, 33)], [(31, 34), (35, 35)]]
    for pts_ in ripples:
        pic.line(pts_, r[1])
        pic.line([(x + 1, y + 1) for x, y in pts_[:-1]], r[3])
    for x, y in ((10, 20), (25, 12), (30, 31), (16, 35), (22, 25), (7, 29), (33, 22)):
        pic.dot(x, y, r[0])
    pic.dot(14, 10, r[4])
    pic.dot(15, 9, r[4])
    return pic.image()


def ice_tall():
    w, h = 20, 40
    pic = Pic(w, h)
    add_crystal(pic, 5.4, 37.0, 12.0, 5.6, -26, ICE, glint=False)
    add_crystal(pic, 14.8, 37.0, 14.0, 5.8, 24, ICE, glint=False)
    add_crystal(pic, 10.2, 38.0, 37.2, 10.6, 2, ICE)
    add_crystal(pic, 4.6, 39.2, 6.6, 4.2, -58, ICE, glint=False)
    r = ICE["ramp"]
    pic.line([(12, 14), (11, 17), (12, 19)], r[1])
    pic.line([(9, 26), (8, 28)], r[4])
    snow = mask(w, h, [("ell", 0, (0.6, 35.4, 12.0, 40.6)), ("ell", 0, (9.0, 36.0, 19.4, 40.6))])
    ht = pillow(snow, 2.0)
    pic.add(snow, lit(ht, SNOW), SNOW["ink"])
    return pic.image()


def dead_tree_tall():
    w, h = 20, 40
    trunk = [(5.6, 39.6), (7.6, 37.0), (8.4, 32.0), (7.6, 27.0), (8.4, 21.0), (8.0, 16.0), (9.0, 12.0),
             (11.0, 12.0), (11.2, 17.0), (12.0, 22.0), (11.4, 28.0), (12.2, 34.0), (12.8, 37.4), (15.0, 39.6)]
    branches = [
        ([(9.4, 13.0), (7.0, 9.0), (5.0, 7.0), (3.0, 3.0)], 1.5),
        ([(5.2, 7.2), (2.0, 6.6)], 1.0),
        ([(6.6, 8.6), (7.4, 4.6), (6.6, 1.6)], 1.2),
        ([(10.2, 12.6), (11.4, 8.0), (13.6, 4.8), (15.0, 1.0)], 1.5),
        ([(13.2, 5.6), (16.6, 4.8), (18.0, 2.6)], 1.1),
        ([(11.0, 9.0), (9.6, 5.0), (10.2, 2.0)], 1.0),
        ([(11.2, 18.0), (14.4, 15.2), (17.0, 14.4), (18.4, 11.6)], 1.4),
        ([(16.0, 14.8), (18.0, 16.2)], 1.0),
        ([(8.2, 22.0), (5.0, 19.0), (2.4, 18.6), (1.4, 16.0)], 1.4),
        ([(4.0, 18.8), (3.0, 21.8)], 1.0),
        ([(11.6, 27.0), (14.0, 25.4), (15.6, 23.0)], 1.2),
        ([(7.4, 38.6), (4.0, 39.6), (2.0, 39.4)], 1.2),
        ([(12.6, 38.6), (17.6, 39.6)], 1.2),
    ]
    m = tree_mask(w, h, trunk, branches)
    col = shaded_wood(m, DEAD_WOOD, 2.4, seed=181)
    pic = Pic(w, h)
    pic.add(m, col, DEAD_WOOD["ink"], mode="out")
    r = DEAD_WOOD["ramp"]
    # knot hole and bark grooves
    hole = ellipse_mask(w, h, 10.0, 25.0, 1.2, 1.7)
    pic.add(hole, (26, 18, 14), None)
    pic.dot(9, 24, r[0])
    pic.line([(10, 30), (10, 34)], r[0])
    pic.line([(9, 17), (9, 20)], r[0])
    pic.line([(11, 13), (10, 15)], r[0])
    return pic.image()


def green_tree_tall():
    w, h = 20, 40
    pic = Pic(w, h)
    trunk = [(6.6, 39.6), (8.4, 36.6), (8.6, 24.0), (11.4, 24.0), (11.6, 36.6), (13.4, 39.6)]
    tm = tree_mask(w, h, trunk, [([(10, 28), (7, 25)], 1.2), ([(10, 30), (13, 26)], 1.2)])
    tc = shaded_wood(tm, WOOD, 1.8, seed=191)
    yy = np.mgrid[0:h, 0:w][0]
    tc[(yy < 29) & tm] = np.array(WOOD["ramp"][0], np.uint8)
    pic.add(tm, tc, WOOD["ink"])
    clumps = [(6.0, 23.0, 4.6), (14.0, 23.0, 4.6), (10.0, 25.6, 4.2), (5.6, 15.0, 5.0), (14.4, 15.0, 5.0),
              (7.0, 7.6, 4.8), (13.0, 7.6, 4.8), (10.0, 3.6, 3.8), (10.0, 11.0, 5.0), (10.0, 19.4, 5.2)]
    clump_crown(pic, clumps, LEAF, 200)
    return pic.image()


# ---------------------------------------------------------------- cutting

def _cut(img, cols, rows):
    return artkit.split(img, cols, rows)


def tiles():
    t = {
        1: boulder(),
        2: blue_crystal(),
        3: dead_tree_small(),
        4: pink_rock(),
        5: crystal_cluster(),
        76: cross_grave(),
        77: tombstone(),
        78: well(),
        79: bones(),
        90: sand_pile(),
        91: snow_pile(),
        92: red_rocks(),
        100: stone_lantern(),
        101: crystal_pedestal(),
        102: palm_tree(),
        103: cypress(),
    }
    for top, img in ((61, statue()), (63, gargoyle()), (117, ice_tall()), (119, dead_tree_tall()),
                     (121, green_tree_tall())):
        a, b = _cut(img, 1, 2)
        t[top], t[top + 1] = a, b
    # the block: split gives rows top to bottom, columns left to right;
    # our codes run down each column: 66 + 3 * column + row
    pieces = _cut(big_block(), 3, 3)
    for row in range(3):
        for col in range(3):
            t[66 + 3 * col + row] = pieces[row * 3 + col]
    for first, img in ((105, big_boulder()), (109, big_tree()), (113, big_sand())):
        tl, tr, bl, br = _cut(img, 2, 2)
        t[first], t[first + 1], t[first + 2], t[first + 3] = tl, tr, bl, br
    return t


def _review(prefix="/tmp/walls"):
    """Review sheets: every tile, the big pieces put together, and a small maze."""
    t = tiles()
    artkit.preview(dict(sorted(t.items())), prefix + "_preview.png", zoom=5)
    groups = [[[66, 69, 72], [67, 70, 73], [68, 71, 74]], [[105, 106], [107, 108]], [[109, 110], [111, 112]],
              [[113, 114], [115, 116]], [[61], [62]], [[63], [64]], [[117], [118]], [[119], [120]], [[121], [122]]]
    z = 4
    width = sum(len(g[0]) * 20 * z + 16 for g in groups) + 16
    sheet = Image.new("RGB", (width, 60 * z + 32), (60, 60, 70))
    x = 16
    for g in groups:
        for r, row in enumerate(g):
            for c, code in enumerate(row):
                sheet.paste(t[code].resize((80, 80), Image.NEAREST), (x + c * 80, 16 + r * 80))
        x += len(g[0]) * 80 + 16
    sheet.save(prefix + "_assembled.png")
    maze = [
        "1111111111111111",
        "1....2...5....1.",
        "1.44.2.3.5.92.1.",
        "1......3......1.",
        "1.55.1111.76.41.",
        "1.2..........4..",
        "1.2.AB.100.CD.1.",
        "1...EF.....GH.1.",
        "1111111111111111",
    ]
    codes = {"1": 1, "2": 2, "3": 3, "4": 4, "5": 5, "9": 90, "7": 77, "6": 79, "0": 103}
    big = {"A": 105, "B": 106, "E": 107, "F": 108, "C": 109, "D": 110, "G": 111, "H": 112}
    img = Image.new("RGB", (16 * 20, len(maze) * 20))
    for y, row in enumerate(maze):
        for xx, ch in enumerate(row):
            code = codes.get(ch) or big.get(ch)
            if code:
                img.paste(t[code], (xx * 20, y * 20))
    img.resize((img.width * 2, img.height * 2), Image.NEAREST).save(prefix + "_maze.png")


if __name__ == "__main__":
    _review()
