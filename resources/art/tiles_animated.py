"""Animated tiles: the board steps such a cell's code every 200 ms through its
family, so consecutive codes are consecutive frames.

  20..39  water, 20 frames (4 s loop); every water cell shows the same frame,
          so each frame wraps seamlessly and frame 19 leads back into frame 0
  50..53  campfire, 4 frames
  55..58  green bush rustling in the wind, 4 frames
  84..87  snowman waving his stick arm (and blinking), 4 frames

Everything is drawn pixel by pixel (no smoothing) with the light from the
top left; obstacles keep a black margin because they stand in corridors.
"""
import math
import random

import numpy as np

from artkit import BLACK, SIZE, new

# --------------------------------------------------------------------------
# Water
# --------------------------------------------------------------------------

WATER_FRAMES = 20

WATER_PALETTE = [
    (20, 54, 124),    # 0 deep
    (26, 68, 150),    # 1 body
    (36, 86, 172),    # 2 body, lit
    (70, 130, 208),   # 3 ripple flank
    (132, 186, 238),  # 4 ripple crest
    (204, 232, 252),  # 5 foam
]
GLINT = (255, 255, 255)

# Slow swells that shade the body of the water, on the 20 x 20 torus:
# (kx, ky, amplitude, phase, speed). kx and ky are whole cycles per tile, so
# every frame wraps; speed is whole cycles per loop, so the last frame runs
# back into the first. speed == kx + ky moves a swell one pixel down-right a
# frame, with the current.
SWELLS = [
    (1, 1, 1.00, 0.0, 2),
    (1, -1, 0.45, 0.9, 1),
    (2, 1, 0.35, 2.4, 3),
    (1, 2, 0.30, 4.6, 3),
]

# Ripples riding the current: (x, y at frame 0, phase). Each one is a short
# bright line that swells and shrinks once per loop while drifting.
RIPPLES = [
    (2, 2, 0), (11, 4, 7), (6, 9, 13), (16, 11, 4), (1, 14, 10), (10, 16, 16), (15, 0, 2),
]
RIPPLE_LENGTH = [1, 2, 3, 4, 5, 5, 4, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]

# Glints: (x, y at frame 0, frame it flashes).
GLINTS = [(4, 6, 3), (13, 15, 11), (18, 7, 16)]


def _swell(t):
    y, x = np.mgrid[0:SIZE, 0:SIZE].astype(float)
    f = np.zeros((SIZE, SIZE))
    for kx, ky, a, ph, sp in SWELLS:
        f += a * np.cos(2 * math.pi * (kx * x + ky * y - sp * t) / SIZE + ph)
    return f


def water_frames():
    fields = [_swell(t) for t in range(WATER_FRAMES)]
    lo = min(f.min() for f in fields)
    hi = max(f.max() for f in fields)
    frames = []
    for t, f in enumerate(fields):
        n = (f - lo) / (hi - lo)
        level = (n > 0.30).astype(int) + (n > 0.62).astype(int)
        img = new()
        px = img.load()
        for y in range(SIZE):
            for x in range(SIZE):
                px[x, y] = WATER_PALETTE[level[y, x]]

        def put(x, y, c):
            px[x % SIZE, y % SIZE] = c

        for rx, ry, ph in RIPPLES:
            length = RIPPLE_LENGTH[(t + ph) % WATER_FRAMES]
            if not length:
                continue
            cx, cy = rx + t, ry + t
            x0 = cx - length // 2
            for i in range(length):
                end = i in (0, length - 1) and length > 2
                # a wave crest: the middle rides high, the ends dip a row lower
                put(x0 + i, cy + (1 if end and length > 3 else 0), WATER_PALETTE[3] if end else WATER_PALETTE[4])
            # the trough in front of the crest gives the ripple some depth
            for i in range(1, length - 1):
                put(x0 + i, cy + 1, WATER_PALETTE[0])
        for gx, gy, at in GLINTS:
            age = (t - at) % WATER_FRAMES
            cx, cy = gx + t, gy + t
            if age == 0 or age == 2:
                put(cx, cy, WATER_PALETTE[5])
            elif age == 1:
                put(cx, cy, GLINT)
                put(cx - 1, cy, WATER_PALETTE[4])
                put(cx + 1, cy, WATER_PALETTE[4])
        frames.append(img)
    return frames


# --------------------------------------------------------------------------
# Campfire
# --------------------------------------------------------------------------

LOG_OUTLINE = (52, 28, 16)
BARK_LIT = (156, 98, 52)
BARK = (112, 66, 34)
BARK_DARK = (78, 44, 22)
END_GRAIN = (214, 172, 112)
END_RING = (166, 116, 64)

# Two logs crossed under the fire, back one first: (low end, high end).
LOGS = [((16.0, 17.5), (6.0, 12.5)), ((4.0, 17.5), (14.0, 12.5))]


def _draw_logs(img):
    """Crossed logs with their cut ends facing us, each with its own outline
    so the front one stands out from the one behind."""
    px = img.load()
    for (x0, y0), (x1, y1) in LOGS:
        log = new()
        lp = log.load()
        vx, vy = x1 - x0, y1 - y0
        length = math.hypot(vx, vy)
        ux, uy = vx / length, vy / length
        for y in range(SIZE):
            for x in range(SIZE):
                px_, py_ = x + 0.5 - x0, y + 0.5 - y0
                along = px_ * ux + py_ * uy
                across = -px_ * uy + py_ * ux  # > 0 below the log's middle
                if abs(across) > 1.0 or along < -0.6 or along > length:
                    continue
                if along < 0.9:
                    lp[x, y] = END_GRAIN if abs(across) < 0.6 else END_RING
                elif across < -0.2:
                    lp[x, y] = BARK_LIT
                elif across < 0.5:
                    lp[x, y] = BARK
                else:
                    lp[x, y] = BARK_DARK
        _outline(log, LOG_OUTLINE)
        for y in range(SIZE):
            for x in range(SIZE):
                if lp[x, y] != BLACK:
                    px[x, y] = lp[x, y]


FLAME = [
    (120, 20, 14),    # edge
    (214, 52, 22),    # red
    (250, 132, 28),   # orange
    (255, 214, 64),   # yellow
    (255, 250, 196),  # core
]

# Tongues of the fire per frame: (base x, height, half width, lean).
FIRE_FRAMES = [
    [(9.5, 12.0, 4.2, 0.0), (7.0, 8.0, 2.2, -1.5), (12.5, 9.0, 2.2, 1.2)],
    [(9.8, 10.5, 4.3, 1.2), (6.8, 9.0, 2.0, -0.6), (12.8, 7.0, 2.0, 1.8)],
    [(9.3, 12.5, 4.0, -1.0), (7.2, 7.0, 2.1, -1.8), (12.2, 9.5, 2.3, 0.6)],
    [(9.6, 11.0, 4.4, 0.6), (6.9, 8.5, 2.2, -1.0), (12.6, 8.0, 2.1, 1.4)],
]
EMBERS = [[(13, 3)], [(14, 1), (5, 4)], [(4, 2)], [(12, 4)]]
FIRE_BASE = 15.0


def _flame_heat(x, y, tongues):
    """0 outside the fire, rising towards 1 in the middle of a tongue."""
    best = 0.0
    for bx, h, w, lean in tongues:
        s = (FIRE_BASE - y) / h  # 0 at the base, 1 at the tip
        if s < 0 or s > 1:
            continue
        half = w * (1 - s) ** 0.8 * (0.75 + 0.25 * min(1.0, s * 4))
        if half <= 0:
            continue
        cx = bx + lean * s * s
        d = abs(x - cx) / half
        if d < 1:
            best = max(best, (1 - d) * (1 - 0.45 * s) + 0.1)
    return best


def campfire_frames():
    frames = []
    for f, tongues in enumerate(FIRE_FRAMES):
        img = new()
        px = img.load()
        for y in range(SIZE):
            for x in range(SIZE):
                heat = _flame_heat(x + 0.5, y + 0.5, tongues)
                if heat <= 0:
                    continue
                level = 1 + (heat > 0.38) + (heat > 0.62) + (heat > 0.85)
                px[x, y] = FLAME[level]
        # a dark red rim, then the logs in front
        rim = img.copy()
        r = rim.load()
        for y in range(SIZE):
            for x in range(SIZE):
                if px[x, y] != BLACK:
                    continue
                if any(0 <= x + dx < SIZE and 0 <= y + dy < SIZE and r[x + dx, y + dy] != BLACK
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                    px[x, y] = FLAME[0]
        _draw_logs(img)
        # glowing embers between the logs
        for x, y in ((9, 17), (10, 17), (9, 18), (10, 18)):
            if px[x, y] == BLACK:
                px[x, y] = FLAME[1 + (x + y + f) % 3]
        for x, y in EMBERS[f]:
            px[x, y] = FLAME[3] if y > 2 else FLAME[2]
        frames.append(img)
    return frames


# --------------------------------------------------------------------------
# Bush
# --------------------------------------------------------------------------

LEAF = [
    (16, 54, 22),     # outline
    (28, 84, 32),     # deep shadow
    (42, 116, 42),    # shadow
    (62, 150, 54),    # leaf
    (100, 186, 74),   # lit leaf
    (156, 220, 112),  # highlight
]

# Leaf clumps, back to front: (x, y, radius).
CLUMPS = [
    (6.3, 12.8, 3.8), (13.7, 12.8, 3.8), (10.0, 13.6, 4.0),
    (5.6, 9.0, 3.2), (14.4, 9.0, 3.2), (10.0, 10.0, 4.0),
    (7.6, 5.8, 3.3), (12.4, 5.8, 3.3), (10.0, 4.6, 2.8),
    (7.2, 11.2, 2.4), (12.8, 11.6, 2.4), (10.2, 7.6, 2.2),
]
SWAY = [0.0, 0.7, 0.0, -0.7]


def bush_frames():
    frames = []
    for f in range(4):
        img = new()
        px = img.load()
        for y in range(SIZE):
            for x in range(SIZE):
                if y > 16:
                    continue
                colour = None
                for i, (cx, cy, r) in enumerate(CLUMPS):
                    lift = (16 - cy) / 12  # the top moves more than the bottom
                    # neighbouring clumps rustle a touch out of step
                    ox = SWAY[(f + i % 2) % 4] * lift
                    oy = 0.35 * abs(SWAY[(f + i % 3) % 4]) * lift
                    dx, dy = x + 0.5 - (cx + ox), y + 0.5 - (cy + oy)
                    d2 = dx * dx + dy * dy
                    if d2 > r * r:
                        continue
                    # light from the top left
                    lit = -(dx * 0.7 + dy * 0.8) / r
                    depth = 1 - math.sqrt(d2) / r
                    v = 0.55 + 0.55 * lit + 0.2 * depth - 0.15 * (cy > 12)
                    colour = LEAF[1 + min(3, max(0, int(v * 4)))]
                    if math.sqrt(d2) > r - 1 and dy > 0.3 and i > 2:
                        # the shaded rim of a clump lying over the ones behind
                        colour = LEAF[1]
                if colour:
                    px[x, y] = colour
        # pale flecks: small leaves that catch the light and shift
        rnd = random.Random(55)
        for _ in range(16):
            x, y = rnd.randrange(3, 17), rnd.randrange(3, 15)
            lift = (16 - y) / 12
            xs = int(round(x + SWAY[(f + (x + y) % 2) % 4] * lift))
            if 0 <= xs < SIZE and px[xs, y] in (LEAF[3], LEAF[4]):
                px[xs, y] = LEAF[5] if y < 10 else LEAF[4]
            elif 0 <= xs < SIZE and px[xs, y] in (LEAF[1], LEAF[2]):
                px[xs, y] = LEAF[1]
        # a stub of trunk under the leaves
        for y in (16, 17):
            for x in (9, 10):
                if px[x, y] == BLACK:
                    px[x, y] = (92, 58, 30) if x == 9 else (66, 40, 22)
        _outline(img, LEAF[0])
        frames.append(img)
    return frames


def _outline(img, colour):
    px = img.load()
    src = img.copy().load()
    for y in range(SIZE):
        for x in range(SIZE):
            if src[x, y] != BLACK:
                continue
            if any(0 <= x + dx < SIZE and 0 <= y + dy < SIZE and src[x + dx, y + dy] != BLACK
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                px[x, y] = colour


# --------------------------------------------------------------------------
# Snowman
# --------------------------------------------------------------------------

SNOW = [
    (92, 104, 140),   # outline
    (170, 184, 214),  # shadow
    (212, 222, 240),  # snow
    (244, 248, 255),  # lit snow
]
COAL = (28, 26, 34)
CARROT = (240, 130, 36)
CARROT_DARK = (190, 86, 22)
STICK = (110, 70, 38)
SCARF = (200, 40, 44)
SCARF_DARK = (140, 24, 32)
HAT = (40, 38, 52)
HAT_LIT = (78, 76, 96)
HAT_BAND = (150, 30, 40)

# The right arm waves: where its hand is in each frame (from the shoulder at 14, 11).
HAND = [(18, 7), (18, 5), (17, 4), (18, 5)]
# The scarf end flutters out to the left.
SCARF_TAIL = [
    [(6, 10), (5, 10), (5, 11)],
    [(6, 10), (5, 10), (4, 11)],
    [(6, 10), (5, 11), (5, 12)],
    [(6, 10), (5, 10), (4, 10)],
]


def _ball(px, cx, cy, r):
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d2 = dx * dx + dy * dy
            if d2 > r * r:
                continue
            lit = -(dx * 0.7 + dy * 0.75) / r
            px[x, y] = SNOW[3] if lit > 0.35 else SNOW[2] if lit > -0.45 else SNOW[1]


def _line(px, a, b, colour):
    (x0, y0), (x1, y1) = a, b
    n = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(n + 1):
        px[round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n)] = colour


def snowman_frames():
    frames = []
    for f in range(4):
        img = new()
        px = img.load()
        _ball(px, 10.0, 13.6, 4.4)  # body
        _ball(px, 10.0, 7.0, 3.2)   # head
        _outline(img, SNOW[0])
        # hat
        for x in range(6, 15):
            px[x, 4] = HAT_LIT if x < 9 else HAT
        for y in (1, 2, 3):
            for x in range(8, 13):
                px[x, y] = HAT_LIT if x == 8 else HAT
        for x in range(8, 13):
            px[x, 3] = HAT_BAND
        px[12, 1] = SNOW[0]  # a dent in the crown
        # face
        blink = f == 2
        for x in (9, 11):
            px[x, 6] = SNOW[1] if blink else COAL
        px[10, 7] = CARROT
        px[11, 7] = CARROT
        px[12, 7] = CARROT_DARK
        px[9, 9] = SNOW[1]
        px[10, 9] = SNOW[1]
        # scarf
        for x in range(7, 14):
            px[x, 10] = SCARF if x < 12 else SCARF_DARK
        for i, (x, y) in enumerate(SCARF_TAIL[f]):
            px[x, y] = SCARF if i % 2 == 0 else SCARF_DARK
        # buttons
        for y in (13, 15):
            px[10, y] = COAL
        # arms: the left one rests, the right one waves
        _line(px, (6, 12), (2, 10), STICK)
        px[2, 9] = STICK
        hx, hy = HAND[f]
        _line(px, (14, 11), (hx, hy), STICK)
        px[hx - 1, hy - 1 if hy > 4 else hy] = STICK
        frames.append(img)
    return frames


def tiles():
    out = {}
    for i, img in enumerate(water_frames()):
        out[20 + i] = img
    for base, frames in ((50, campfire_frames()), (55, bush_frames()), (84, snowman_frames())):
        for i, img in enumerate(frames):
            out[base + i] = img
    return out
