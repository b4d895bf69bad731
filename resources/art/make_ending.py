#!/usr/bin/env python3
"""The ending picture: ../pictures/ending.png (673 x 449, RGB).

It slides up over the game window when a game ends, with the closing text
drawn on top of it: a title near the top, one big line across the middle and
a few small credit lines under it. So the top of the sky and the band around
the middle stay calm and fairly dark, and the busy scene lives in the lower
third: the whole world of the game seen from a hill at sunrise, with Mibbet
standing on the hilltop among the rings it ate and the three ghosts sitting
beside it as friends.

Everything is drawn at 1x as pixel art: shapes are rasterised from small
geometric descriptions (a pixel is in when at least half of it is covered),
shaded in flat bands lit from the top left, and gradients are dithered only
right at their band edges. Random choices use fixed seeds, so the picture
comes out the same every time.

Run with: python3 make_ending.py
"""
import math
import pathlib
import random

import numpy as np
from PIL import Image

W, H = 673, 449
OUT = pathlib.Path(__file__).resolve().parent.parent / "pictures" / "ending.png"

DARK = (14, 12, 18)
HORIZON = 306                     # where the far hills meet the sky
SUN = (336.0, 300.0, 50.0)        # centre x, centre y, radius

BAYER = np.array([[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]], float) / 16 + 1 / 32
YY, XX = np.mgrid[0:H, 0:W].astype(float)
THRESH = BAYER[YY.astype(int) % 4, XX.astype(int) % 4]

canvas = np.zeros((H, W, 3), float)


# --------------------------------------------------------------------------
# Drawing helpers
# --------------------------------------------------------------------------

def C(c):
    return np.array(c, float)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def shade(c, f):
    if f >= 1:
        return mix(c, (255, 255, 255), min(1.0, f - 1))
    return tuple(x * f for x in c)


def cover(fn, box=(0, 0, W, H), ss=4):
    """Boolean mask of the pixels at least half covered by fn(x, y)."""
    x0, y0, x1, y1 = [int(v) for v in box]
    x0, y0 = max(0, x0), max(0, y0)
    x1, y1 = min(W, x1), min(H, y1)
    m = np.zeros((H, W), bool)
    if x1 <= x0 or y1 <= y0:
        return m
    xs = x0 + (np.arange((x1 - x0) * ss) + 0.5) / ss
    ys = y0 + (np.arange((y1 - y0) * ss) + 0.5) / ss
    X, Y = np.meshgrid(xs, ys)
    inside = fn(X, Y).astype(float)
    inside = inside.reshape(y1 - y0, ss, x1 - x0, ss).mean(axis=(1, 3))
    m[y0:y1, x0:x1] = inside >= 0.5
    return m


def put(mask, colour):
    canvas[mask] = colour if np.ndim(colour) == 1 or isinstance(colour, tuple) else colour[mask]


def grow(mask, n=1, diag=False):
    m = mask.copy()
    for _ in range(n):
        g = m.copy()
        g[1:, :] |= m[:-1, :]
        g[:-1, :] |= m[1:, :]
        g[:, 1:] |= m[:, :-1]
        g[:, :-1] |= m[:, 1:]
        if diag:
            g[1:, 1:] |= m[:-1, :-1]
            g[1:, :-1] |= m[:-1, 1:]
            g[:-1, 1:] |= m[1:, :-1]
            g[:-1, :-1] |= m[1:, 1:]
        m = g
    return m


def outline(mask, colour=DARK):
    put(grow(mask) & ~mask, colour)


def edge_in(mask):
    """Pixels of mask that touch the outside."""
    return mask & ~(~grow(~mask))


def band(v, palette, soft=0.35):
    """Picks palette colours for a continuous index v (0 .. len-1): flat
    bands, with an ordered dither only near each band edge."""
    n = len(palette)
    v = np.clip(v, 0, n - 1)
    i = np.floor(v)
    f = v - i
    f = np.clip((f - 0.5) / max(soft, 1e-3) + 0.5, 0, 1)
    i = np.where(f > THRESH, i + 1, i)
    i = np.clip(i, 0, n - 1).astype(int)
    return np.array(palette, float)[i]


def glow(cx, cy, r, colour, strength, levels=4, sy=1.0, mask=None):
    """Soft light, quantised into rings (with dithered edges)."""
    d = np.sqrt((XX + 0.5 - cx) ** 2 + ((YY + 0.5 - cy) * sy) ** 2) / r
    f = np.clip(1 - d, 0, 1) ** 2 * levels
    fi = np.floor(f)
    fr = f - fi
    fi = np.where(np.clip((fr - 0.5) / 0.3 + 0.5, 0, 1) > THRESH, fi + 1, fi)
    t = (fi / levels * strength)[..., None]
    if mask is not None:
        t = t * mask[..., None]
    canvas[:] = canvas * (1 - t) + C(colour) * t


def sphere(mask, cx, cy, r, tones, cuts=(0.25, 0.58, 0.86), soft=0.0):
    """Colours a mask as a ball lit from the top left. tones go dark..light."""
    lx, ly, lz = -0.52, -0.62, 0.59
    nx = (XX + 0.5 - cx) / r
    ny = (YY + 0.5 - cy) / r
    d = nx * nx + ny * ny
    nz = np.sqrt(np.clip(1 - d, 0, 1))
    k = np.where(d > 1, 1 / np.sqrt(np.maximum(d, 1e-9)), 1)
    v = nx * k * lx + ny * k * ly + nz * lz
    idx = np.zeros_like(v)
    for c in cuts:
        idx += v >= c
    if soft:
        # let the edges between tones dither a little
        lo = np.interp(v, [-1] + list(cuts) + [2], np.arange(len(cuts) + 2) - 0.5)
        idx = np.floor(lo + 0.5 + (THRESH - 0.5) * soft)
    idx = np.clip(idx, 0, len(tones) - 1).astype(int)
    col = np.array(tones, float)[idx]
    canvas[mask] = col[mask]


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def polygon(pts):
    """Inside test for a simple polygon (even-odd)."""
    pts = [(float(a), float(b)) for a, b in pts]

    def f(x, y):
        inside = np.zeros(np.shape(x), bool)
        n = len(pts)
        for i in range(n):
            x1, y1 = pts[i]
            x2, y2 = pts[(i + 1) % n]
            if y1 == y2:
                continue
            cond = (y1 > y) != (y2 > y)
            xi = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            inside ^= cond & (x < xi)
        return inside
    return f


def smooth_noise(n, seed, scale, octaves=3):
    """1-D value noise of length n, roughly in -1 .. 1."""
    rnd = np.random.default_rng(seed)
    out = np.zeros(n)
    amp, total = 1.0, 0.0
    for o in range(octaves):
        step = max(1, int(scale / 2 ** o))
        pts = rnd.uniform(-1, 1, n // step + 3)
        xs = np.arange(n) / step
        i = xs.astype(int)
        f = xs - i
        f = f * f * (3 - 2 * f)
        out += amp * (pts[i] * (1 - f) + pts[i + 1] * f)
        total += amp
        amp *= 0.5
    return out / total


def ridge_mask(top):
    """Everything below the per-column height `top`."""
    return YY >= np.round(top)[None, :]


# --------------------------------------------------------------------------
# Sky
# --------------------------------------------------------------------------

SKY = [(10, 9, 30), (16, 14, 44), (24, 19, 60), (34, 24, 76), (47, 29, 90), (63, 34, 102),
       (83, 40, 110), (106, 46, 116), (132, 54, 118), (160, 66, 116), (190, 84, 110),
       (218, 108, 102), (238, 140, 98), (250, 176, 104), (255, 208, 122)]


def draw_sky():
    sx, sy, sr = SUN
    t = np.clip(YY / HORIZON, 0, 1.2) ** 1.55
    dx = XX + 0.5 - sx
    dy = (YY + 0.5 - sy) * 1.9
    d = np.sqrt(dx * dx + dy * dy)
    g = 2.6 * np.exp(-(d / 150) ** 2) + 1.2 * np.exp(-(d / 70) ** 2)
    v = t * 11.2 + g * np.clip(t * 1.4, 0, 1)
    canvas[:] = band(v, SKY, soft=0.3)


def draw_stars():
    rnd = random.Random(1729)
    sky_top = 250
    for _ in range(420):
        x = rnd.uniform(0, W)
        y = sky_top * rnd.random() ** 1.7
        fade = 1 - y / sky_top
        if rnd.random() > fade:
            continue
        # keep the title area a little quieter
        if 210 < x < 463 and 14 < y < 78 and rnd.random() < 0.6:
            continue
        col = rnd.choice([(255, 255, 255), (220, 230, 255), (255, 240, 210), (255, 214, 236)])
        b = fade * rnd.uniform(0.35, 1.0)
        xi, yi = int(x), int(y)
        canvas[yi, xi] = canvas[yi, xi] + (C(col) - canvas[yi, xi]) * b
    # a few brighter stars with little crosses
    bright = [(38, 22), (152, 96), (566, 38), (640, 118), (488, 132), (96, 150), (258, 118),
              (412, 100), (611, 76), (18, 94), (186, 34), (520, 18)]
    for i, (x, y) in enumerate(bright):
        fade = 1 - y / 220
        core = C((255, 252, 236))
        arm = 2 if i % 3 == 0 else 1
        canvas[y, x] = canvas[y, x] + (core - canvas[y, x]) * fade
        for a in range(1, arm + 1):
            s = fade * (0.6 if a == 1 else 0.3)
            for ddx, ddy in ((a, 0), (-a, 0), (0, a), (0, -a)):
                canvas[y + ddy, x + ddx] = canvas[y + ddy, x + ddx] + (C((230, 220, 255)) - canvas[y + ddy, x + ddx]) * s


def draw_moon():
    """A thin crescent moon, fading as the sun comes up."""
    cx, cy, r = 104.0, 62.0, 13.0
    disc = cover(ellipse(cx, cy, r, r), (cx - r - 2, cy - r - 2, cx + r + 2, cy + r + 2))
    bite = cover(ellipse(cx + 6.0, cy - 3.5, r, r), (cx - r - 2, cy - r - 2, cx + r + 8, cy + r + 2))
    moon = disc & ~bite
    glow(cx - 3, cy, 34, (120, 110, 170), 0.35, levels=3)
    put(moon, (236, 230, 210))
    put(moon & ~grow(~moon | grow(bite) & ~moon, 1) & (XX < cx - 6), (255, 250, 236))
    inner = moon & grow(bite)
    put(inner, (196, 186, 196))


BACK_CLOUDS = [(120, 236, 150, 5), (470, 228, 170, 5), (250, 262, 120, 4), (560, 258, 110, 4),
               (64, 270, 90, 4), (400, 276, 150, 3), (300, 286, 90, 3), (190, 250, 70, 3),
               (610, 206, 80, 3), (40, 212, 70, 3)]
# streaks that drift across the face of the sun
FRONT_CLOUDS = [(318, 271, 130, 4), (372, 284, 90, 3)]


def draw_clouds(streaks, seed):
    """Long thin cloud streaks, lit from below by the rising sun."""
    rnd = random.Random(seed)
    sx, sy, sr = SUN
    for (cx, cy, length, thick) in streaks:
        parts = []
        for k in range(5):
            px = cx + (k - 2) * length / 5 + rnd.uniform(-8, 8)
            parts.append(ellipse(px, cy + rnd.uniform(-1.5, 1.0), length / 4.2 + rnd.uniform(-6, 6),
                                 thick * rnd.uniform(0.6, 1.0)))
        fn = lambda x, y, parts=parts: np.any([p(x, y) for p in parts], axis=0)
        m = cover(fn, (cx - length, cy - 10, cx + length, cy + 10))
        near = np.exp(-(((XX - sx) / 230) ** 2 + ((YY - sy) / 120) ** 2))
        body = band(5.2 + 3.5 * near + (YY - cy) * 0.0, SKY, soft=0.3)
        canvas[m] = body[m]
        under = m & ~np.roll(m, -1, axis=0)         # lowest pixel of each column
        lit = band(9.0 + 5.0 * near, SKY, soft=0.3)
        canvas[under] = lit[under]
        top = m & ~np.roll(m, 1, axis=0)
        canvas[top] = band(4.6 + 3.0 * near, SKY, soft=0.3)[top]


def draw_sun():
    sx, sy, r = SUN
    glow(sx, sy, 110, (255, 190, 110), 0.35, levels=4, sy=1.35)
    disc = cover(ellipse(sx, sy, r, r), (sx - r - 2, sy - r - 2, sx + r + 2, sy + r + 2))
    d = np.sqrt((XX + 0.5 - sx) ** 2 + (YY + 0.5 - sy) ** 2) / r
    # brightest low in the middle, a deeper orange towards the rim and the top
    rings = [(255, 236, 170), (255, 208, 120), (252, 172, 90), (240, 136, 74)]
    col = band(np.clip(d * 1.5 + np.clip((sy + r * 0.15 - YY) / r, 0, 1) * 1.6, 0, 3), rings, soft=0.4)
    canvas[disc] = col[disc]
    # the sun sinks through thin bars of haze near the horizon
    for i, (y, h) in enumerate(((sy - 14, 1), (sy - 6, 2), (sy + 1, 2), (sy + 7, 3))):
        bar = disc & (YY >= y) & (YY < y + h)
        canvas[bar] = canvas[bar] * 0.82 + C((238, 120, 92)) * 0.18


# --------------------------------------------------------------------------
# Far hills and mountains
# --------------------------------------------------------------------------

def draw_far_hills():
    xs = np.arange(W)
    n = smooth_noise(W, 5, 90, 4)
    top = HORIZON - 8 - 9 * n - 6 * np.exp(-((xs - 130) / 90) ** 2) + 6 * np.exp(-((xs - 336) / 80) ** 2)
    m = ridge_mask(top) & (YY < 360)
    haze = [(86, 46, 108), (104, 54, 116), (126, 64, 122), (150, 76, 124)]
    dist = np.abs(XX - SUN[0])
    v = 1.6 - (YY - top[None, :]) * 0.05 + 1.6 * np.exp(-(dist / 160) ** 2)
    canvas[m] = band(v, haze, soft=0.4)[m]
    rim = m & ~np.roll(m, 1, axis=0)
    canvas[rim] = band(2.2 + 1.5 * np.exp(-(dist / 160) ** 2), [(150, 76, 124), (196, 104, 118), (236, 150, 116), (255, 190, 130)], soft=0.4)[rim]

    # a second, nearer row of hills in a deeper tone
    n2 = smooth_noise(W, 8, 60, 4)
    top2 = HORIZON + 6 + 7 * n2 - 10 * np.exp(-((xs - 250) / 60) ** 2)
    m2 = ridge_mask(top2) & (YY < 380)
    hz = [(58, 34, 86), (72, 40, 96), (92, 48, 106), (116, 58, 114)]
    v2 = 1.4 - (YY - top2[None, :]) * 0.06 + 1.2 * np.exp(-(dist / 140) ** 2)
    canvas[m2] = band(v2, hz, soft=0.4)[m2]
    rim2 = m2 & ~np.roll(m2, 1, axis=0)
    canvas[rim2] = band(1.6 + 1.6 * np.exp(-(dist / 140) ** 2), [(116, 58, 114), (170, 86, 116), (214, 124, 112), (246, 168, 120)], soft=0.4)[rim2]


def draw_mountains():
    """The snowy range on the right, lit on its left faces by the morning."""
    xs = np.arange(W).astype(float)
    peaks = [(598, 196, 1.05, 0.95), (668, 226, 0.9, 0.8), (520, 250, 1.0, 1.1), (456, 286, 0.8, 1.0)]
    jag = smooth_noise(W, 12, 14, 3) * 4 + smooth_noise(W, 13, 4, 2) * 1.5
    tops = []
    for px, py, sl, sr in peaks:
        s = np.where(xs < px, sl, sr)
        tops.append(py + np.abs(xs - px) * s)
    tops = np.array(tops)
    owner = np.argmin(tops, axis=0)
    top = tops.min(axis=0) + jag * np.clip((tops.min(axis=0) - 190) / 30, 0.3, 1)
    m = ridge_mask(top) & (YY < 372) & (XX > 400)

    rock_lit = [(92, 70, 120), (118, 90, 140), (146, 112, 158)]
    rock_dark = [(50, 38, 80), (62, 48, 92), (78, 58, 104)]
    snow_lit = [(206, 178, 214), (240, 214, 230), (255, 240, 242)]
    snow_dark = [(120, 110, 170), (146, 136, 192), (172, 160, 208)]

    pk = np.array([p[0] for p in peaks], float)[owner]
    py = np.array([p[1] for p in peaks], float)[owner]
    ridge_wobble = smooth_noise(H, 21, 10, 2) * 3
    # the ridge running down from each peak leans a little to the right
    ridge_x = pk[None, :] + (YY - py[None, :]) * 0.22 + ridge_wobble[:, None]
    lit = XX < ridge_x
    depth = YY - top[None, :]
    # gullies: thin diagonal streaks that break up the faces
    gully = (np.sin((XX * 0.9 + YY * 1.6) * 0.16 + smooth_noise(W, 3, 30)[None, :] * 2) > 0.86) & (depth > 6)
    snowline = 38 + 14 * smooth_noise(W, 41, 10, 3)[None, :] + 10 * np.sin(XX * 0.21)[...]
    snow = (YY - py[None, :]) < snowline
    snow &= ~(gully & (depth > 14))
    shade_v = 1.6 - depth / 50 + (THRESH - 0.5) * 0.4
    col_rl = band(shade_v + 0.4, rock_lit, soft=0.5)
    col_rd = band(shade_v, rock_dark, soft=0.5)
    col_sl = band(shade_v + 0.9, snow_lit, soft=0.5)
    col_sd = band(shade_v + 0.5, snow_dark, soft=0.5)
    col = np.where(lit[..., None], np.where(snow[..., None], col_sl, col_rl),
                   np.where(snow[..., None], col_sd, col_rd))
    col = np.where((gully & ~snow)[..., None], col * 0.8, col)
    canvas[m] = col[m]
    # sunlit crest
    crest = m & ~np.roll(m, 1, axis=0) & lit
    canvas[crest] = C((255, 226, 220))
    # morning mist at the foot of the range
    mist = m & (YY > 330)
    t = np.clip((YY - 330) / 40, 0, 1)[..., None] * 0.7
    mc = C((150, 92, 140))
    canvas[mist] = (canvas * (1 - t) + mc * t)[mist]


# --------------------------------------------------------------------------
# Middle ground: forest, river, graveyard, rocky land, snowfield
# --------------------------------------------------------------------------

def river_centre(y):
    s = np.clip((y - (HORIZON + 1)) / (H - HORIZON), 0, 1)
    return SUN[0] + 8 * np.sin(s * 9) * s ** 0.5 + 78 * s ** 1.3 * np.sin(s * 6.2 + 0.9) - 20 * s


def river_half(y):
    s = np.clip((y - (HORIZON + 1)) / (H - HORIZON), 0, 1)
    return 1.5 + 44 * s ** 1.3


def draw_valley_floor():
    """Dark forest floor and meadow the trees stand on."""
    top = HORIZON + 16 + 3 * smooth_noise(W, 77, 40)
    m = ridge_mask(top)
    floor = [(22, 40, 52), (28, 52, 58), (36, 64, 62), (48, 78, 66)]
    v = 2.6 - (YY - top[None, :]) / 40 + np.exp(-((XX - SUN[0]) / 150) ** 2)
    canvas[m] = band(v, floor, soft=0.4)[m]


def draw_river():
    ys = np.arange(H) + 0.5
    cx = river_centre(ys)
    hw = river_half(ys)
    m = (np.abs(XX + 0.5 - cx[:, None]) <= hw[:, None]) & (YY >= HORIZON + 10)
    water = [(44, 38, 92), (62, 50, 116), (92, 66, 140), (140, 90, 150), (210, 132, 130), (250, 186, 120), (255, 232, 170)]
    # the sun's glitter runs straight down from the sun
    dist = np.abs(XX + 0.5 - SUN[0])
    glit = np.exp(-(dist / (18 + np.abs(YY - HORIZON) * 0.45)) ** 2)
    v = 2.4 + 3.4 * glit - (YY - HORIZON) / 110
    ripple = np.sin(YY * 1.7 + np.sin(XX * 0.11) * 3) > 0.55
    v = v + ripple * 1.1
    canvas[m] = band(v, water, soft=0.3)[m]
    rnd = random.Random(9)
    for _ in range(90):
        y = int(HORIZON + 12 + (H - HORIZON - 12) * rnd.random() ** 1.3)
        x = int(river_centre(y + 0.5) + rnd.uniform(-1, 1) * river_half(y + 0.5) * 0.8)
        ln = 1 + int((y - HORIZON) / 25)
        if 0 <= y < H:
            seg = m[y, x:x + ln]
            canvas[y, x:x + ln][seg] = C((255, 236, 190)) if abs(x - SUN[0]) < 40 + (y - HORIZON) * 0.4 else C((170, 140, 200))
    # lighter banks
    bank = grow(m) & ~m & (YY >= HORIZON + 10)
    canvas[bank] = C((70, 96, 80))


TREE_DARK = [(14, 30, 38), (20, 46, 46), (30, 66, 54), (46, 92, 62), (78, 122, 70), (150, 150, 86)]


def tree_round(cx, cy, r, seed):
    rnd = random.Random(seed)
    parts = [ellipse(cx, cy, r, r * 0.9)]
    for _ in range(3):
        a = rnd.uniform(0, 2 * math.pi)
        parts.append(ellipse(cx + math.cos(a) * r * 0.5, cy + math.sin(a) * r * 0.35 - r * 0.15,
                             r * rnd.uniform(0.55, 0.75), r * rnd.uniform(0.5, 0.7)))
    fn = lambda x, y: np.any([p(x, y) for p in parts], axis=0)
    m = cover(fn, (cx - r * 1.5, cy - r * 1.4, cx + r * 1.5, cy + r * 1.3))
    return m


def tree_pine(cx, base, h):
    w = h * 0.36
    pts = []
    tiers = 3
    for i in range(tiers + 1):
        y = base - h + h * i / tiers
        ww = w * (0.35 + 0.65 * i / tiers)
        pts.append((cx + ww, y + h / tiers * 0.9 if i < tiers else y))
    left = [(2 * cx - x, y) for x, y in reversed(pts)]
    poly = [(cx, base - h - 1)] + pts + left
    return cover(polygon(poly), (cx - w - 2, base - h - 3, cx + w + 2, base + 1))


def shade_tree(m, cx, cy, r, far):
    tones = TREE_DARK[:5] if far < 0.5 else TREE_DARK[:4]
    sphere(m, cx, cy, r * 1.1, tones, cuts=(-0.1, 0.3, 0.62, 0.86)[:len(tones) - 1], soft=0.6)
    # haze on distant trees
    if far > 0:
        t = far * 0.55
        canvas[m] = canvas[m] * (1 - t) + C((96, 58, 110)) * t
    # warm rim where the sun catches the crowns' tops
    top = m & ~np.roll(m, 1, axis=0) & (XX < cx + r * 0.5)
    canvas[top] = canvas[top] * 0.5 + C((200, 170, 100)) * 0.5


def draw_forest(rows):
    rnd = random.Random(404)
    trees = []
    for row in range(9):
        y = HORIZON + 14 + row * row * 0.95 + row * 3
        r = 3 + row * 1.15
        x = 150 + rnd.uniform(-10, 10) - row * 9
        while x < 468 - row * 2:
            riv = river_centre(y + r) if y + r < H else 0
            if abs(x - riv) > river_half(y + r) + r * 1.15 + 2:
                trees.append((y, x + rnd.uniform(-2, 2), r * rnd.uniform(0.85, 1.15), rnd.random() < 0.28, row))
            x += r * rnd.uniform(1.2, 1.7)
    trees.sort()
    for y, x, r, pine, row in trees:
        if row not in rows:
            continue
        far = max(0.0, 1 - row / 6)
        if pine:
            m = tree_pine(x, y + r * 0.9, r * 2.6)
            sphere(m, x - r * 0.2, y - r * 0.8, r * 1.6, TREE_DARK[:4], cuts=(-0.05, 0.4, 0.75), soft=0.6)
            if far > 0:
                t = far * 0.55
                canvas[m] = canvas[m] * (1 - t) + C((96, 58, 110)) * t
        else:
            m = tree_round(x, y, r, int(x * 7 + y))
            shade_tree(m, x, y, r, far)
        if row >= 4:
            outline(m, (12, 22, 30))


def rock_facets(m, top, seed, cell, palette, base, fall):
    """Fills mask m with broken stone: irregular slabs, each a little lighter
    or darker, with dark cracks between them and a lit top-left lip."""
    ys, xs = np.nonzero(m)
    if len(xs) == 0:
        return
    rnd = np.random.default_rng(seed)
    x0, x1, y0, y1 = xs.min(), xs.max() + 1, ys.min(), ys.max() + 1
    n = int((x1 - x0) * (y1 - y0) / cell ** 2) + 4
    # slabs are wider than tall, like layered stone
    px = rnd.uniform(x0 - cell, x1 + cell, n)
    py = rnd.uniform(y0 - cell, y1 + cell, n)
    off = rnd.uniform(-0.7, 0.7, n)
    X = XX[y0:y1, x0:x1] + 0.5
    Y = YY[y0:y1, x0:x1] + 0.5
    d = (X[..., None] - px) ** 2 + ((Y[..., None] - py) * 1.8) ** 2
    idx = np.argmin(d, axis=-1)
    cellmap = np.full((H, W), -1)
    cellmap[y0:y1, x0:x1] = idx
    v = base - (YY - top[None, :]) / fall + np.where(cellmap >= 0, off[np.maximum(cellmap, 0)], 0)
    col = band(v, palette, soft=0.4)
    canvas[m] = col[m]
    crack = m & ((np.roll(cellmap, 1, axis=0) != cellmap) | (np.roll(cellmap, 1, axis=1) != cellmap))
    lip = m & ~crack & (np.roll(crack, 1, axis=0) | np.roll(crack, 1, axis=1))
    canvas[lip] = np.minimum(canvas[lip] * 1.22 + 10, 255)
    canvas[crack] = canvas[crack] * 0.55


def draw_rocky_land():
    """The rocky country on the left: grey-purple stone, boulders and pink crystals."""
    xs = np.arange(W).astype(float)
    n = smooth_noise(W, 55, 30, 3)
    top = 292 + 8 * n + np.clip((xs - 150) * 0.9, 0, None) ** 1.15 + 10 * np.exp(-((xs - 40) / 30) ** 2) * -1
    m = ridge_mask(top) & (XX < 260) & (YY < 400)
    rock = [(44, 36, 62), (62, 52, 82), (86, 74, 106), (112, 98, 130), (140, 126, 156)]
    rock_facets(m, top, 58, 16, rock, 3.2, 28)
    rim = m & ~np.roll(m, 1, axis=0)
    canvas[rim] = C((176, 160, 184))
    return top


ROCK_TONES = [(50, 42, 70), (82, 72, 104), (120, 108, 140), (160, 148, 176), (206, 196, 214)]


def boulder(cx, cy, rx, ry, seed, tones=ROCK_TONES, line=DARK):
    rnd = random.Random(seed)
    parts = [ellipse(cx, cy, rx, ry)]
    for _ in range(2):
        parts.append(ellipse(cx + rnd.uniform(-0.4, 0.4) * rx, cy - ry * rnd.uniform(0.1, 0.35),
                             rx * rnd.uniform(0.55, 0.8), ry * rnd.uniform(0.6, 0.85)))
    flat = cy + ry * 0.55
    fn = lambda x, y: np.any([p(x, y) for p in parts], axis=0) & (y <= flat)
    m = cover(fn, (cx - rx - 2, cy - ry * 1.6, cx + rx + 2, cy + ry + 2))
    sphere(m, cx - rx * 0.1, cy - ry * 0.2, max(rx, ry) * 1.05, tones, cuts=(-0.05, 0.3, 0.62, 0.88))
    # a crack or two
    for _ in range(rnd.randint(1, 2)):
        x = cx + rnd.uniform(-0.4, 0.3) * rx
        y = cy - rnd.uniform(0, 0.5) * ry
        for k in range(int(ry * 0.7)):
            xi, yi = int(x), int(y + k)
            if 0 <= xi < W and 0 <= yi < H and m[yi, xi] and grow(m)[yi, xi - 1] and m[yi, xi + 1]:
                canvas[yi, xi] = C(tones[0])
            x += rnd.choice((-1, 0, 0, 1)) * 0.7
    outline(m, line)
    return m


CRYSTAL = [(110, 34, 104), (196, 84, 168), (240, 136, 208), (255, 196, 236), (255, 246, 252)]


def crystal(bx, by, h, w, lean, seed=0):
    """One pointed crystal spike; lit face on the left, shadow face on the right."""
    tip = (bx + lean, by - h)
    shoulder = h * 0.22
    left = [(bx - w, by), (bx - w, by - h + shoulder), tip]
    right = [tip, (bx + w, by - h + shoulder), (bx + w, by)]
    m = cover(polygon(left + right[1:]), (bx - w - 2, by - h - 2, bx + w + abs(lean) + 2, by + 1))
    # split line runs from the tip down the middle, a little right of centre
    split = bx + lean * 0.4 + w * 0.15 + (XX * 0) + (tip[0] - bx - lean * 0.4) * np.clip((by - YY) / h, 0, 1) ** 2
    litf = m & (XX + 0.5 < split)
    darkf = m & ~litf
    put(darkf, CRYSTAL[1])
    put(litf, CRYSTAL[2])
    # a bright sliver along the lit edge and near the tip
    edge = litf & ~np.roll(litf, 1, axis=1)
    put(edge & (YY < by - h * 0.3), CRYSTAL[3])
    near_tip = m & (YY < by - h + shoulder * 1.1)
    put(near_tip & litf, CRYSTAL[3])
    put(near_tip & darkf, CRYSTAL[2])
    put(darkf & ~np.roll(darkf, -1, axis=1), CRYSTAL[0])
    put(m & (YY >= by - max(2, h * 0.06)), CRYSTAL[0])
    return m


def crystal_cluster(bx, by, spikes, glow_r=0):
    if glow_r:
        glow(bx, by - glow_r * 0.35, glow_r, (255, 120, 210), 0.32, levels=3, sy=1.3)
    ms = np.zeros((H, W), bool)
    for dx, h, w, lean in spikes:
        ms |= crystal(bx + dx, by, h, w, lean)
    outline(ms, (58, 14, 60))
    # little sparkles
    return ms


def draw_rocks_and_crystals(top):
    # boulders up on the rocky plateau, small and hazy with distance
    for i, (x, sz) in enumerate(((20, 9), (88, 7), (126, 10), (176, 6), (210, 7))):
        boulder(x, top[x] + sz * 0.35, sz * 1.3, sz, 60 + i, line=(34, 28, 50))
    crystal_cluster(56, int(top[56]) + 4, [(-10, 22, 4, -3), (0, 38, 6, 1), (9, 26, 4.5, 4), (17, 14, 3, 5)], glow_r=50)
    crystal_cluster(156, int(top[156]) + 3, [(-5, 16, 3.5, -2), (3, 24, 4.5, 2), (10, 11, 3, 4)], glow_r=34)


def draw_graveyard():
    """An old graveyard on a knoll in the middle distance, with a lantern lit."""
    kx, ky = 246.0, 336.0
    knoll = cover(ellipse(kx, ky + 18, 62, 24), (kx - 66, ky - 10, kx + 66, ky + 44))
    canvas[knoll] = band(2.4 - (YY - (ky - 6)) / 9 + (THRESH - .5) * 0, [(34, 44, 62), (46, 62, 70), (64, 84, 76), (92, 112, 82)], soft=0.4)[knoll]
    rim = knoll & ~np.roll(knoll, 1, axis=0)
    put(rim, (140, 140, 96))
    stone = [(60, 56, 82), (112, 106, 136), (160, 154, 180), (204, 198, 214)]
    # headstones
    for (x, y, w, h) in ((216, 333, 5, 7), (230, 330, 6, 8), (260, 331, 5, 6), (272, 334, 5, 7), (222, 342, 5, 6)):
        m = cover(lambda X, Y, x=x, y=y, w=w, h=h: ((X >= x) & (X <= x + w) & (Y >= y - h + w / 2) & (Y <= y)) |
                  ellipse(x + w / 2, y - h + w / 2, w / 2, w / 2)(X, Y), (x - 2, y - h - 2, x + w + 2, y + 1))
        put(m, stone[1])
        put(m & (XX < x + w * 0.45), stone[2])
        put(m & ~np.roll(m, 1, axis=0) & (XX < x + w * 0.6), stone[3])
        outline(m, (22, 20, 34))
    # the stone cross
    cx, cb = 246, 332
    cross = cover(lambda X, Y: ((np.abs(X - cx) <= 2.2) & (Y >= cb - 24) & (Y <= cb)) |
                  ((np.abs(X - cx) <= 7.5) & (np.abs(Y - (cb - 17)) <= 2.1)) |
                  ((np.abs(X - cx) <= 4.5) & (Y >= cb - 2) & (Y <= cb + 1)), (cx - 10, cb - 27, cx + 10, cb + 3))
    put(cross, stone[1])
    put(cross & (XX < cx), stone[2])
    put(cross & ~np.roll(cross, 1, axis=0), stone[3])
    outline(cross, (22, 20, 34))
    # a bare old tree behind the graves
    rnd = random.Random(66)

    def branch(x, y, ang, ln, wdt, depth):
        for k in range(int(ln)):
            xi, yi = int(round(x)), int(round(y))
            for j in range(int(math.ceil(wdt))):
                if 0 <= yi < H and 0 <= xi + j < W:
                    canvas[yi, xi + j] = C((30, 24, 40))
            x += math.cos(ang)
            y -= math.sin(ang)
            ang += rnd.uniform(-0.12, 0.12)
        if depth > 0:
            branch(x, y, ang + rnd.uniform(0.35, 0.7), ln * 0.65, max(1, wdt - 1), depth - 1)
            branch(x, y, ang - rnd.uniform(0.35, 0.7), ln * 0.6, max(1, wdt - 1), depth - 1)
    branch(284, 334, math.pi / 2 + 0.1, 13, 2, 3)
    # the lantern on its post, glowing
    lx, lb = 204, 338
    glow(lx, lb - 15, 46, (255, 196, 96), 0.45, levels=4)
    post = cover(lambda X, Y: (np.abs(X - lx) <= 1.2) & (Y >= lb - 10) & (Y <= lb), (lx - 3, lb - 12, lx + 3, lb + 1))
    put(post, (40, 34, 48))
    box = cover(lambda X, Y: (np.abs(X - lx) <= 3.4) & (Y >= lb - 19) & (Y <= lb - 10), (lx - 5, lb - 21, lx + 5, lb - 8))
    put(box, (255, 226, 130))
    put(box & (np.abs(XX + 0.5 - lx) <= 1.3) & (YY >= lb - 17) & (YY <= lb - 13), (255, 252, 220))
    roof = cover(polygon([(lx - 6, lb - 19), (lx, lb - 24), (lx + 6, lb - 19)]), (lx - 7, lb - 26, lx + 7, lb - 17))
    put(roof, (52, 44, 58))
    outline(box | roof | post, (20, 16, 26))
    put(roof & ~np.roll(roof, 1, axis=0), (120, 96, 90))


def snowman(cx, base, s):
    """A snowman with a top hat, red scarf and stick arms; s is its scale."""
    SNOW = [(110, 110, 168), (168, 166, 212), (218, 214, 240), (250, 246, 252)]
    balls = [(cx, base - 11 * s, 12 * s), (cx + 0.4 * s, base - 28 * s, 8.6 * s), (cx + 0.6 * s, base - 40.5 * s, 6.4 * s)]
    # stick arms behind the body
    for sgn in (-1, 1):
        x0, y0 = cx + sgn * 6 * s, base - 30 * s
        for k in range(int(15 * s)):
            x = x0 + sgn * k
            y = y0 - k * (0.55 if sgn > 0 else 0.35)
            canvas[int(y), int(x)] = C((70, 44, 34))
            canvas[int(y) + 1, int(x)] = C((46, 28, 26))
            if k == int(10 * s):
                for j in range(1, 4):
                    canvas[int(y) - j, int(x) + sgn * (j // 2)] = C((70, 44, 34))
    all_m = np.zeros((H, W), bool)
    for (bx, by, r) in balls:
        m = cover(ellipse(bx, by, r * 1.04, r), (bx - r - 2, by - r - 2, bx + r + 2, by + r + 2))
        sphere(m, bx, by, r, SNOW, cuts=(0.05, 0.45, 0.8))
        outline(m & ~all_m, (40, 36, 70))
        all_m |= m
    # coal buttons
    for k in range(3):
        put(cover(ellipse(cx + 0.5 * s, base - (23 + 4.5 * k) * s - 0 + 0, 1.3 * s, 1.3 * s), (cx - 5 * s, base - 45 * s, cx + 5 * s, base)), (30, 26, 40))
    hx, hy, hr = balls[2]
    # scarf
    sc = cover(lambda X, Y: (ellipse(hx, hy + hr * 0.95, hr * 1.1, 2.4 * s)(X, Y)) |
               ((X >= hx + 2 * s) & (X <= hx + 5.2 * s) & (Y >= hy + hr) & (Y <= hy + hr + 8 * s)),
               (hx - hr - 3, hy, hx + hr + 3, hy + hr + 10 * s))
    put(sc, (206, 40, 48))
    put(sc & (XX < hx - 1), (240, 84, 76))
    put(sc & ~np.roll(sc, -1, axis=0), (130, 20, 40))
    for k in range(3):
        put(sc & (YY == int(hy + hr + 3 * s + k * 2 * s)) & (XX > hx + 2 * s), (250, 226, 120))
    outline(sc, DARK)
    # eyes, carrot nose, smile
    for ex in (hx - 2.2 * s, hx + 2.6 * s):
        put(cover(ellipse(ex, hy - 1.4 * s, 1.1 * s, 1.3 * s), (ex - 3, hy - 5 * s, ex + 3, hy + 2)), (24, 20, 34))
    nose = cover(polygon([(hx + 0.3 * s, hy - 0.5 * s), (hx + 8 * s, hy + 0.6 * s), (hx + 0.3 * s, hy + 1.6 * s)]),
                 (hx - 2, hy - 4 * s, hx + 10 * s, hy + 4 * s))
    put(nose, (250, 140, 40))
    put(nose & (YY >= hy + 0.8 * s), (200, 90, 30))
    for k in range(-2, 3):
        put((XX == int(hx + k * 1.3 * s)) & (YY == int(hy + 3.6 * s - (abs(k) == 2) * s)), (40, 34, 50))
    # top hat
    hat = cover(lambda X, Y: ((np.abs(X - hx) <= 7.4 * s) & (Y >= hy - hr - 1.2 * s) & (Y <= hy - hr + 1.4 * s)) |
                ((np.abs(X - hx) <= 4.6 * s) & (Y >= hy - hr - 10 * s) & (Y <= hy - hr)),
                (hx - 9 * s, hy - hr - 12 * s, hx + 9 * s, hy - hr + 3 * s))
    put(hat, (40, 36, 54))
    put(hat & (XX < hx - 2 * s), (70, 64, 90))
    put(hat & (YY >= hy - hr - 3.4 * s) & (YY <= hy - hr - 1.6 * s) & (np.abs(XX - hx) <= 4.6 * s), (176, 40, 60))
    outline(hat, DARK)


def draw_snowfield():
    xs = np.arange(W).astype(float)
    u = np.clip((xs - 410) / 170, 0, 1)
    top = 346 + 60 * (1 - u * u * (3 - 2 * u)) - (xs - 560).clip(0) * 0.08 + 3 * smooth_noise(W, 91, 30)
    m = ridge_mask(top) & (XX > 404)
    snow = [(96, 92, 150), (130, 124, 180), (170, 162, 210), (212, 204, 234), (246, 236, 246)]
    v = 4.2 - (YY - top[None, :]) / 18 - np.clip((500 - XX) / 40, 0, 1.5)
    canvas[m] = band(v, snow, soft=0.4)[m]
    # a few pines dusted with snow along its edge
    for (x, b, h) in ((470, 362, 26), (488, 366, 32), (650, 344, 28), (664, 352, 36), (506, 372, 22)):
        t = tree_pine(x, b, h)
        sphere(t, x - 4, b - h * 0.8, h * 0.8, [(14, 34, 44), (24, 56, 58), (40, 84, 72), (66, 110, 84)], cuts=(-0.05, 0.4, 0.75), soft=0.6)
        put(t & ~np.roll(t, 1, axis=0) & (XX < x + 3), (236, 230, 246))
        outline(t, (12, 22, 30))
    snowman(598, 384, 1.25)


# --------------------------------------------------------------------------
# Foreground: the hill, the rings, and the cast
# --------------------------------------------------------------------------

GRASS = [(14, 26, 30), (20, 40, 40), (30, 58, 48), (44, 80, 56), (70, 112, 64), (120, 146, 78), (186, 184, 102)]


def hill_top(x):
    return 424 + 0.0005 * (x - 336) ** 2 - 8 * np.exp(-((x - 490) / 70) ** 2)


def draw_near_rocks():
    """Bottom-left corner: a shelf of stone and a big crystal cluster."""
    xs = np.arange(W).astype(float)
    top = 388 + 12 * smooth_noise(W, 303, 20) + np.clip(xs - 120, 0, None) ** 1.2 * 0.35
    m = ridge_mask(top) & (XX < 240)
    rock = [(34, 28, 48), (50, 42, 66), (72, 62, 92), (98, 86, 120), (128, 116, 150)]
    rock_facets(m, top, 59, 22, rock, 3.4, 16)
    put(m & ~np.roll(m, 1, axis=0), (170, 156, 184))
    boulder(150, 396, 18, 13, 501)
    boulder(92, 404, 24, 16, 502)
    boulder(186, 414, 11, 8, 503)
    crystal_cluster(40, 430, [(-16, 40, 7, -6), (-2, 66, 9, 1), (13, 48, 7, 6), (26, 26, 5, 8), (-27, 20, 5, -6)], glow_r=80)
    boulder(14, 440, 18, 12, 504)
    crystal_cluster(120, 440, [(-4, 20, 4, -2), (5, 28, 5, 3)], glow_r=30)


def draw_hill():
    xs = np.arange(W).astype(float)
    top = hill_top(xs) + 2 * smooth_noise(W, 121, 12)
    m = ridge_mask(top) & (XX >= 196)
    # the left foot of the hill tucks under the rocks
    m &= ~((XX < 240) & (YY < 400))
    depth = YY - top[None, :]
    slope = np.gradient(top)[None, :]
    v = 4.6 - depth / 10 - slope * 3 + np.sin(XX * 0.7 + YY * 0.4) * 0.15
    canvas[m] = band(v, GRASS, soft=0.35)[m]
    rim = m & ~np.roll(m, 1, axis=0)
    put(rim, GRASS[6])
    # grass tufts along the ridge and scattered blades
    rnd = random.Random(808)
    for _ in range(260):
        x = rnd.randint(200, W - 2)
        yt = int(top[x])
        y = yt + int(rnd.random() ** 2 * (H - yt))
        if y >= H - 1 or not m[y, x]:
            continue
        near_top = y - yt < 4
        h = rnd.randint(2, 4) if near_top else rnd.randint(1, 3)
        lean = rnd.choice((-1, 0, 1))
        c = C(GRASS[5] if near_top else GRASS[4]) * (1 if near_top else 0.85)
        for k in range(h):
            yy, xx = y - 1 - k, x + (lean if k == h - 1 else 0)
            if 0 <= yy < H and 0 <= xx < W:
                canvas[yy, xx] = c
    # tiny flowers
    for _ in range(40):
        x = rnd.randint(210, W - 3)
        y = int(top[x]) + rnd.randint(4, 40)
        if y < H - 2 and m[y, x]:
            c = rnd.choice([(236, 140, 220), (255, 220, 120), (190, 170, 255), (255, 250, 250)])
            canvas[y, x] = C(c)
            canvas[y + 1, x] = C(GRASS[1])
    return top


def ring(cx, cy, r, tilt, glow_on=True):
    """A gold ring. tilt 1 = standing up facing us, smaller = lying back."""
    if glow_on:
        glow(cx, cy, r * 2.6, (255, 214, 110), 0.3, levels=3, sy=1.0)
    ry = r * tilt
    outer = cover(ellipse(cx, cy, r, ry), (cx - r - 2, cy - ry - 2, cx + r + 2, cy + ry + 2))
    inner = cover(ellipse(cx, cy, r * 0.55, ry * 0.55), (cx - r, cy - ry, cx + r, cy + ry))
    m = outer & ~inner
    gold = [(150, 90, 20), (214, 150, 34), (250, 204, 64), (255, 240, 150), (255, 255, 230)]
    sphere(m, cx - r * 0.1, cy - ry * 0.15, r * 1.05, gold, cuts=(-0.2, 0.35, 0.72, 0.93))
    # inner edge catches the light on the lower right
    put(edge_in(m) & grow(inner) & (XX > cx) & (YY > cy), gold[3])
    outline(m, (70, 40, 10))
    return m


def sparkle(x, y, size, colour=(255, 250, 220)):
    x, y = int(x), int(y)
    canvas[y, x] = C((255, 255, 255))
    for a in range(1, size + 1):
        for dx, dy in ((a, 0), (-a, 0), (0, a), (0, -a)):
            if 0 <= y + dy < H and 0 <= x + dx < W:
                t = 1 - (a - 1) / size
                canvas[y + dy, x + dx] = canvas[y + dy, x + dx] * (1 - t) + C(colour) * t


# ---- the cast, drawn from the same shapes as the game's sprites, at scale

def sprite_space(ox, oy, k):
    """Converts a sprite shape f(sx, sy) (0..20 units) into image space."""
    return lambda f: (lambda X, Y: f((X - ox) / k, (Y - oy) / k))


def eye_big(ex, ey, rx, ry, look, white, pupil, prx, pry, shine=True, ring_col=None):
    m = cover(ellipse(ex, ey, rx, ry), (ex - rx - 2, ey - ry - 2, ex + rx + 2, ey + ry + 2))
    if ring_col is not None:
        put(grow(m) & ~m, ring_col)
    put(m, white)
    px, py = ex + look[0] * (rx - prx) * 0.7, ey + look[1] * (ry - pry) * 0.7
    p = cover(ellipse(px, py, prx, pry), (px - prx - 2, py - pry - 2, px + prx + 2, py + pry + 2)) & m
    put(p, pupil)
    if shine:
        s = cover(ellipse(px - prx * 0.35, py - pry * 0.42, max(0.9, prx * 0.38), max(0.9, pry * 0.3)),
                  (px - prx, py - pry, px + prx, py + pry))
        put(s & m, (255, 255, 255))
    return m


def shadow(cx, cy, rx, ry):
    m = cover(ellipse(cx, cy, rx, ry), (cx - rx - 2, cy - ry - 2, cx + rx + 2, cy + ry + 2))
    canvas[m] = canvas[m] * 0.55 + C((10, 16, 30)) * 0.45


HERO_TONES = [(110, 12, 26), (170, 24, 32), (214, 40, 38), (246, 92, 64), (255, 170, 130)]
HERO_TIP = [(214, 62, 30), (255, 128, 40), (255, 196, 70), (255, 240, 170)]


def draw_hero(ox, oy, k):
    """Mibbet standing tall on the hilltop. (ox, oy) is where the sprite's
    top-left corner lands and k its scale."""
    S = sprite_space(ox, oy, k)
    lean = 1.4

    def body(x, y):
        return ((x - 10) / 7.0) ** 2 + ((y - 12.8) / 6.1) ** 2 <= 1

    def flame(x, y):
        t = np.clip((y - 0.2) / 10.3, 0, 1)
        half = 0.4 + 4.9 * t ** 1.15
        cx = 10.0 + lean * (1 - t) ** 1.3 + 0.5 * np.sin(t * 7) * (1 - t)
        return (y >= 0.2) & (y <= 10.5) & (np.abs(x - cx) <= half)

    shape = lambda x, y: (body(x, y) | flame(x, y)) & (y <= 18.6)
    box = (ox - 2, oy - 2, ox + 20 * k + 2, oy + 20 * k + 2)
    shadow(ox + 10 * k, oy + 18.4 * k, 8.4 * k, 1.8 * k)
    glow(ox + 10 * k, oy + 4 * k, 12 * k, (255, 170, 80), 0.28, levels=3)
    m = cover(S(shape), box)
    cx, cy, r = ox + 10 * k, oy + 11.5 * k, 8.6 * k
    sphere(m, cx, cy, r, HERO_TONES, cuts=(-0.2, 0.22, 0.62, 0.9), soft=0.5)
    # the flame: hot colours climbing to the point, an inner tongue of yellow
    sy = (YY + 0.5 - oy) / k
    sx = (XX + 0.5 - ox) / k
    put(m & (sy < 7.2), HERO_TIP[0])
    put(m & (sy < 5.6), HERO_TIP[1])
    tongue = cover(S(lambda x, y: (y >= 1.6) & (y <= 6.6) &
                     (np.abs(x - (10.3 + 0.9 * np.clip(1 - (y - 1.6) / 5, 0, 1) ** 1.3)) <= 0.3 + 1.7 * np.sin(np.clip((y - 1.6) / 5, 0, 1) * 2.6))), box) & m
    put(tongue, HERO_TIP[2])
    core = cover(S(lambda x, y: (y >= 3.4) & (y <= 6.0) & (np.abs(x - 10.3) <= 0.2 + 0.7 * np.sin(np.clip((y - 3.4) / 2.6, 0, 1) * 2.8))), box) & m
    put(core, HERO_TIP[3])
    # the lit side of the flame
    put(m & (sy < 5.6) & (sx < 9.2) & ~tongue & edge_in(m | ~grow(m)) | (m & (sy < 1.8)), HERO_TIP[2])
    # firm shadow along the bottom
    put(m & ~np.roll(m, -1, axis=0), HERO_TONES[0])
    put(m & ~np.roll(m, -2, axis=0) & (sy > 17), HERO_TONES[0])
    # eyes looking up and out, proudly
    look = (0.25, -0.45)
    for ex in (7.9, 12.1):
        eye_big(ox + ex * k, oy + 11.8 * k, 1.25 * k, 1.75 * k, look, (255, 255, 255), DARK, 0.62 * k, 0.95 * k,
                ring_col=HERO_TONES[0])
    # rosy cheeks and a happy open smile
    for ex in (5.6, 14.4):
        put(cover(ellipse(ox + ex * k, oy + 14.2 * k, 1.1 * k, 0.55 * k), box) & m, (255, 120, 110))
    mouth = cover(lambda X, Y: ellipse(ox + 10 * k, oy + 14.6 * k, 1.35 * k, 1.2 * k)(X, Y) & (Y >= oy + 14.6 * k), box)
    put(mouth, (90, 10, 22))
    put(mouth & cover(ellipse(ox + 10 * k, oy + 15.9 * k, 0.9 * k, 0.6 * k), box), (250, 110, 110))
    outline(m, DARK)
    return m


BLUE_TONES = [(40, 86, 170), (60, 124, 206), (118, 196, 248), (184, 228, 255), (240, 252, 255)]


def draw_blue(ox, oy, k, look=(-0.6, 0.1)):
    S = sprite_space(ox, oy, k)
    body = ellipse(10.0, 9.6, 7.6, 7.4)

    def wisp(x, y):
        t = (y - 13.5) / 5.0
        cx = 12.6 + 3.8 * np.clip(t, 0, 1) ** 1.4
        return (y >= 13.5) & (y <= 18.5) & (np.abs(x - cx) <= 2.3 * (1 - t) + 0.5)

    box = (ox - 2, oy - 2, ox + 20 * k + 2, oy + 20 * k + 2)
    shadow(ox + 10 * k, oy + 17.4 * k, 7.6 * k, 1.5 * k)
    m = cover(S(lambda x, y: body(x, y) | wisp(x, y)), box)
    sphere(m, ox + 9.6 * k, oy + 9 * k, 9.6 * k, BLUE_TONES, cuts=(-0.1, 0.22, 0.6, 0.88), soft=0.5)
    put(m & ~np.roll(m, -1, axis=0), BLUE_TONES[0])
    for ex in (7.0, 13.0):
        eye_big(ox + ex * k, oy + 7.6 * k, 1.95 * k, 2.4 * k, look, (250, 252, 255), (20, 30, 92), 1.0 * k, 1.1 * k,
                ring_col=BLUE_TONES[0])
    # a small contented smile and blushing cheeks
    mouth = cover(lambda X, Y: ellipse(ox + 9.6 * k, oy + 11.6 * k, 1.3 * k, 0.9 * k)(X, Y) & (Y >= oy + 11.6 * k) &
                  ~ellipse(ox + 9.6 * k, oy + 11.2 * k, 1.0 * k, 0.75 * k)(X, Y), box)
    put(mouth, (34, 60, 120))
    for ex in (4.6, 15.2):
        put(cover(ellipse(ox + ex * k, oy + 11.2 * k, 1.0 * k, 0.5 * k), box) & m, (240, 170, 220))
    outline(m, DARK)
    return m


PEACH_TONES = [(170, 96, 72), (214, 134, 98), (252, 190, 146), (255, 222, 190), (255, 246, 232)]
HAT_A = ((150, 34, 110), (204, 58, 150), (240, 110, 190))
HAT_B = ((196, 170, 40), (250, 222, 70), (255, 244, 160))


def draw_onion(ox, oy, k, look=(-0.5, 0.2)):
    S = sprite_space(ox, oy, k)
    cy = 13.8

    def bulb(x, y):
        dy = y - cy
        low = (x - 10) ** 2 / 7.6 ** 2 + dy ** 2 / 5.0 ** 2 <= 1
        t = np.clip(-dy / 7.0, 0, 1)
        half = 7.6 * np.clip(1 - t ** 1.5, 0, 1) ** 0.7
        up = (np.abs(x - 10) <= np.maximum(half, 1.8)) & (t < 1.0)
        return np.where(dy >= 0, low, up) & (y <= 18.9)

    def hat(x, y):
        t = (y - 0.2) / 7.4
        return (y >= 0.2) & (y <= 7.6) & (np.abs(x - (10 + 1.8 * np.clip(1 - t, 0, 1) ** 2)) <= 0.5 + 3.6 * t)

    def brim(x, y):
        return (y >= 6.6) & (y <= 8.2) & (np.abs(x - 10) <= 5.2)

    box = (ox - 2, oy - 2, ox + 20 * k + 2, oy + 20 * k + 2)
    shadow(ox + 10 * k, oy + 18.6 * k, 8.2 * k, 1.5 * k)
    hat_m = cover(S(lambda x, y: hat(x, y) | brim(x, y)), box)
    brim_m = cover(S(brim), box)
    head = cover(S(bulb), box) & ~hat_m
    sphere(head, ox + 9.6 * k, oy + 12.4 * k, 9.0 * k, PEACH_TONES, cuts=(-0.1, 0.22, 0.6, 0.88), soft=0.5)
    # onion skin lines
    sx = (XX + 0.5 - ox) / k
    sy = (YY + 0.5 - oy) / k
    dy = sy - cy
    t = np.clip(-dy / 7.0, 0, 1)
    half = np.where(dy < 0, 7.6 * np.clip(1 - t ** 1.5, 0, 1) ** 0.7, 7.6 * np.sqrt(np.clip(1 - (dy / 5.0) ** 2, 0, 1)))
    for frac in (0.36, 0.7):
        line = head & (half > 2.5) & (np.abs(np.abs(sx - 10) - half * frac) < 0.5 / k * 1.6) & (sy > 9)
        canvas[line] = canvas[line] * 0.84
    put(head & ~np.roll(head, -1, axis=0), PEACH_TONES[0])
    # striped hat
    stripe_a = (np.floor((sy + 1 + np.floor((sx - 10) / 3) * 0.8) / 1.6) % 2 == 0)
    side = sx - 10 - 1.8 * np.clip(1 - (sy - 0.2) / 7.4, 0, 1) ** 2
    for tones, sel in ((HAT_A, stripe_a & ~brim_m), (HAT_B, ~stripe_a | brim_m)):
        mm = hat_m & sel
        put(mm, tones[1])
        put(mm & ((side <= -1.6) | (sy <= 1.2)), tones[2])
        put(mm & (side >= 1.8), tones[0])
    put(brim_m & ~np.roll(brim_m, -1, axis=0), HAT_B[0])
    bob = cover(ellipse(ox + 12.2 * k, oy + 0.4 * k, 1.0 * k, 1.0 * k), box)
    put(bob, HAT_B[2])
    put(bob & (XX > ox + 12.4 * k) & (YY > oy + 0.5 * k), HAT_B[1])
    for ex in (7.0, 13.0):
        eye_big(ox + ex * k, oy + 11.9 * k, 1.8 * k, 1.9 * k, look, (255, 255, 250), (70, 24, 40), 0.95 * k, 1.0 * k,
                ring_col=PEACH_TONES[0])
    grin = cover(lambda X, Y: ellipse(ox + 9.7 * k, oy + 15.2 * k, 1.6 * k, 1.0 * k)(X, Y) & (Y >= oy + 15.2 * k) &
                 ~ellipse(ox + 9.7 * k, oy + 14.9 * k, 1.3 * k, 0.8 * k)(X, Y), box)
    put(grin & head, (150, 60, 56))
    for ex in (4.6, 15.0):
        put(cover(ellipse(ox + ex * k, oy + 14.6 * k, 1.0 * k, 0.5 * k), box) & head, (255, 150, 140))
    outline(head | hat_m | bob, DARK)
    return head | hat_m


PINK_TONES = [(110, 40, 124), (150, 64, 162), (218, 110, 208), (244, 164, 236), (255, 222, 252)]


def draw_cat(ox, oy, k, happy=True):
    S = sprite_space(ox, oy, k)
    head = ellipse(10.0, 10.6, 7.4, 6.6)

    def lower(x, y):
        return (y >= 10.6) & (x >= 2.6) & (x <= 17.4)

    def ear(cx, lean):
        def f(x, y):
            t = (y - 1.0) / 6.0
            return (y >= 1.0) & (y <= 7.0) & (np.abs(x - (cx + lean * (1 - t))) <= 0.4 + 2.6 * t)
        return f

    def hem(x, y):
        return y <= 17.6 + 1.2 * np.cos((x - 1.0) * 2 * math.pi / 3.6)

    box = (ox - 2, oy - 2, ox + 20 * k + 2, oy + 20 * k + 2)
    shadow(ox + 10 * k, oy + 18.4 * k, 8.6 * k, 1.5 * k)
    m = cover(S(lambda x, y: (head(x, y) | lower(x, y) | ear(5.0, -1.4)(x, y) | ear(15.0, 1.4)(x, y)) & hem(x, y)), box)
    sphere(m, ox + 10 * k, oy + 9.6 * k, 10 * k, PINK_TONES, cuts=(-0.1, 0.22, 0.6, 0.88), soft=0.5)
    put(m & ~np.roll(m, -1, axis=0), PINK_TONES[0])
    # inner ears
    for cx, lean in ((5.0, -1.4), (15.0, 1.4)):
        inner = cover(S(lambda x, y, cx=cx, lean=lean: (y >= 3.0) & (y <= 6.6) &
                        (np.abs(x - (cx + lean * 0.6 * (1 - (y - 3) / 3.6))) <= 0.2 + 1.2 * (y - 3) / 3.6)), box) & m
        put(inner, (255, 170, 200))
    if happy:
        # eyes closed in a contented smile: two little arches
        for ex in (6.4, 13.6):
            arch = cover(lambda X, Y, ex=ex: ellipse(ox + ex * k, oy + 10.4 * k, 1.5 * k, 1.1 * k)(X, Y) &
                         ~ellipse(ox + ex * k, oy + 10.9 * k, 1.5 * k, 1.0 * k)(X, Y), box)
            put(arch, (60, 20, 70))
    else:
        for ex in (6.4, 13.6):
            eye_big(ox + ex * k, oy + 10 * k, 1.5 * k, 2.0 * k, (-0.5, 0), (255, 250, 170), (40, 20, 60), 0.4 * k, 1.5 * k)
    nx, ny = ox + 10 * k, oy + 12.5 * k
    nose = cover(polygon([(nx - 0.9 * k, ny - 0.3 * k), (nx + 0.9 * k, ny - 0.3 * k), (nx, ny + 0.5 * k)]), box)
    put(nose, (255, 150, 190))
    wm = cover(lambda X, Y: (ellipse(nx - 0.85 * k, ny + 0.7 * k, 0.95 * k, 0.8 * k)(X, Y) & ~ellipse(nx - 0.85 * k, ny + 0.45 * k, 0.75 * k, 0.65 * k)(X, Y) |
                             ellipse(nx + 0.85 * k, ny + 0.7 * k, 0.95 * k, 0.8 * k)(X, Y) & ~ellipse(nx + 0.85 * k, ny + 0.45 * k, 0.75 * k, 0.65 * k)(X, Y)) &
               (Y >= ny + 0.6 * k), box)
    put(wm, (92, 30, 96))
    for ex in (4.2, 15.8):
        put(cover(ellipse(ox + ex * k, oy + 12.6 * k, 1.0 * k, 0.5 * k), box) & m, (255, 150, 200))
    # whiskers
    for sgn in (-1, 1):
        for j, dy in enumerate((-0.5, 0.6)):
            x0 = nx + sgn * 4.3 * k
            for i in range(int(2.6 * k)):
                xi = int(x0 + sgn * i)
                yi = int(ny + dy * k + i * dy * 0.25)
                if m[yi, xi] or True:
                    canvas[yi, xi] = C((255, 226, 250))
    outline(m, DARK)
    return m


# --------------------------------------------------------------------------

def main():
    draw_sky()
    draw_stars()
    draw_moon()
    draw_clouds(BACK_CLOUDS, 31)
    draw_sun()
    draw_clouds(FRONT_CLOUDS, 32)
    draw_far_hills()
    draw_mountains()
    draw_valley_floor()
    draw_river()
    top = draw_rocky_land()
    draw_rocks_and_crystals(top)
    draw_snowfield()
    draw_forest(range(0, 5))
    draw_graveyard()
    draw_forest(range(5, 9))
    draw_near_rocks()
    draw_hill()

    # rings scattered on the hill: glowing, some standing, some lying in the grass
    rings = [(290, 398, 6, 1.0), (384, 396, 5, 1.0), (258, 430, 7, 1.0), (226, 442, 8, 0.5), (300, 440, 8, 0.5),
             (376, 442, 7, 0.5), (566, 430, 7, 1.0), (604, 440, 8, 0.5), (640, 420, 6, 1.0), (586, 410, 5, 0.5)]
    for (x, y, r, tilt) in rings:
        ring(x, y, r, tilt)

    hk = 3.6
    draw_hero(336 - 10 * hk, hill_top(336) + 3 - 18.5 * hk, hk)
    gk = 2.5
    for fn, cx, foot in ((draw_blue, 424, 17.6), (draw_cat, 528, 18.6), (draw_onion, 476, 18.9)):
        fn(cx - 10 * gk, hill_top(cx) + 7 - foot * gk, gk)

    for (x, y, s) in ((280, 388, 3), (396, 386, 2), (300, 412, 1), (246, 420, 2), (574, 418, 2), (652, 410, 1),
                      (390, 430, 1), (616, 432, 1)):
        sparkle(x, y, s)

    img = Image.fromarray(np.clip(np.round(canvas), 0, 255).astype(np.uint8), "RGB")
    assert img.size == (W, H)
    img.save(OUT, optimize=True)
    print("wrote", OUT)


if __name__ == "__main__":
    main()
