"""Sprite pictures: the hero, the three ghosts, the drill, the indicator light
and the laser beam. Every picture is 20 x 20 RGB on pure black, which is the
see-through colour; a sprite's own dark pixels use artkit.DARK.

Shapes are rasterised from small geometric descriptions (each pixel is in when
at least half of its 4 x 4 sub-samples are), then shaded in flat bands with
the light coming from the top left, so the result stays crisp at 1x.
"""
import math

from artkit import DARK, SIZE, mirror, mix, new, outline, rotate, shade

# Facing codes as the game uses them.
HERO_FACINGS = ("left", "up", "right", "down")     # SprPic, ChiPic, Ls1Pic, Ls2Pic
GHOST_FACINGS = ("up", "right", "down", "left")    # the ghost sets
LOOK = {"left": (-1, 0), "up": (0, -1), "right": (1, 0), "down": (0, 1)}

LIGHT = (-0.52, -0.62, 0.59)  # towards the light: left, up, out of the screen


# --------------------------------------------------------------------------
# Little rasteriser
# --------------------------------------------------------------------------

def rasterise(inside, sub=4):
    """Set of (x, y) pixels whose area is at least half inside(fx, fy)."""
    pts = set()
    need = sub * sub / 2
    for y in range(SIZE):
        for x in range(SIZE):
            n = 0
            for j in range(sub):
                for i in range(sub):
                    if inside(x + (i + 0.5) / sub, y + (j + 0.5) / sub):
                        n += 1
            if n >= need:
                pts.add((x, y))
    return pts


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def union(*fns):
    return lambda x, y: any(f(x, y) for f in fns)


def sphere_tones(pts, cx, cy, r, tones, cuts=(0.30, 0.62, 0.88)):
    """Colours each pixel of pts by a ball lit from the top left.
    tones: (shadow, base, light, highlight)."""
    lx, ly, lz = LIGHT
    out = {}
    for (x, y) in pts:
        nx = (x + 0.5 - cx) / r
        ny = (y + 0.5 - cy) / r
        d = nx * nx + ny * ny
        nz = math.sqrt(max(0.0, 1.0 - d)) if d < 1 else 0.0
        if d > 1:
            k = 1 / math.sqrt(d)
            nx, ny = nx * k, ny * k
        v = nx * lx + ny * ly + nz * lz
        if v < cuts[0]:
            c = tones[0]
        elif v < cuts[1]:
            c = tones[1]
        elif v < cuts[2]:
            c = tones[2]
        else:
            c = tones[3]
        out[(x, y)] = c
    return out


def paint(colours, img=None):
    img = img or new()
    px = img.load()
    for (x, y), c in colours.items():
        if 0 <= x < SIZE and 0 <= y < SIZE:
            px[x, y] = c
    return img


def tones_of(base, dark=0.62, light=1.28, high=1.62):
    return (shade(base, dark), base, shade(base, light), shade(base, high))


# --------------------------------------------------------------------------
# Eyes
# --------------------------------------------------------------------------

def eye(colours, x, y, w, h, look, white, pupil, pupil_size=(1, 2), shine=None):
    """A w x h eye whose top-left is (x, y); the pupil sits against the side
    the creature looks to."""
    for j in range(h):
        for i in range(w):
            colours[(x + i, y + j)] = white
    pw, ph = pupil_size
    dx, dy = look
    px0 = x + (w - pw) // 2 if dx == 0 else (x if dx < 0 else x + w - pw)
    py0 = y + (h - ph) // 2 + (1 if (h - ph) % 2 and dy >= 0 else 0) if dy == 0 else (y if dy < 0 else y + h - ph)
    for j in range(ph):
        for i in range(pw):
            colours[(px0 + i, py0 + j)] = pupil
    if shine:
        colours[shine[0]] = shine[1]


# --------------------------------------------------------------------------
# The hero: a red blob with a flame tip
# --------------------------------------------------------------------------

HERO_RED = (214, 40, 38)
HERO_TONES = ((128, 16, 26), HERO_RED, (246, 92, 64), (255, 196, 160))
HERO_TIP = ((200, 60, 30), (255, 128, 40), (255, 196, 70))  # flame tip: deep, mid, hot
PALE_TONES = ((150, 160, 186), (200, 208, 226), (228, 233, 246), (255, 255, 255))
PALE_TIP = ((178, 186, 210), (214, 222, 240), (244, 248, 255))
PALE_LINE = (104, 112, 142)


def hero_shape(lean):
    """Body ball plus a flame tip whose point leans by `lean` pixels."""
    body = ellipse(10.0, 12.8, 7.0, 6.1)

    def flame(x, y):
        top, bottom = 0.6, 10.5
        if not (top <= y <= bottom):
            return False
        t = (y - top) / (bottom - top)          # 0 at the point, 1 at the body
        half = 0.5 + 4.8 * t ** 1.1
        cx = 10.0 + lean * (1 - t) ** 1.3
        return abs(x - cx) <= half

    def flat_bottom(x, y):
        return y <= 18.6

    return lambda x, y: (body(x, y) or flame(x, y)) and flat_bottom(x, y)


def draw_hero(facing, pale=False):
    lean = {"left": -4.6, "right": 4.6, "up": 0.0, "down": 0.0}[facing]
    pts = rasterise(hero_shape(lean))
    tones = PALE_TONES if pale else HERO_TONES
    tip = PALE_TIP if pale else HERO_TIP
    col = sphere_tones(pts, 10.0, 11.0, 9.0, tones)
    # The flame tip glows hotter towards its point.
    for (x, y) in pts:
        if y <= 3:
            col[(x, y)] = tip[2]
        elif y <= 5:
            col[(x, y)] = tip[1] if col[(x, y)] != tones[0] else tip[0]
    # A little flicker notch of hot colour up the middle of the tip
    cx = lambda y: 10.0 + lean * (1 - (y - 0.6) / 9.9) ** 1.3
    for y in (5, 6, 7):
        x = int(cx(y + 0.5))
        if (x, y) in pts:
            col[(x, y)] = tip[1]
    # Firm shadow along the bottom
    for (x, y) in pts:
        if (x, y + 1) not in pts:
            col[(x, y)] = tones[0]
    line = PALE_LINE if pale else DARK
    white = (255, 255, 255) if not pale else (246, 250, 255)
    pupil = DARK if not pale else (92, 100, 138)
    look = LOOK[facing]
    if facing == "left":
        eyes = ((5, 10), (9, 10))
    elif facing == "right":
        eyes = ((9, 10), (13, 10))
    elif facing == "up":
        eyes = ((7, 9), (11, 9))
    else:
        eyes = ((7, 11), (11, 11))
    for ex, ey in eyes:
        eye(col, ex, ey, 2, 3, look, white, pupil, pupil_size=(1, 2))
    # a small mouth when the face is toward the viewer or to a side
    if facing == "down":
        for x in (9, 10):
            col[(x, 15)] = line if not pale else PALE_TONES[0]
    elif facing in ("left", "right"):
        mx = 7 if facing == "left" else 12
        col[(mx, 14)] = line if not pale else PALE_TONES[0]
    img = paint(col)
    outline(img, line)
    return img


# --------------------------------------------------------------------------
# Ghosts: each stays upright; the eyes show the way it is going
# --------------------------------------------------------------------------

def wavy_hem(y_base, amp, period, phase=0.0):
    return lambda x, y: y <= y_base + amp * math.cos((x - phase) * 2 * math.pi / period)


BLUE = (118, 196, 248)
BLUE_TONES = ((52, 112, 196), BLUE, (184, 228, 255), (240, 252, 255))


def draw_blue(facing):
    """A round, bouncy ball of a ghost with a little curled wisp for a tail."""
    body = ellipse(10.0, 9.6, 7.6, 7.4)

    def wisp(x, y):
        # a short tail that curls off the bottom right
        if not (14.0 <= y <= 19.0):
            return False
        t = (y - 14.0) / 5.0
        cx = 12.6 + 3.4 * t ** 1.4
        return abs(x - cx) <= 2.2 * (1 - t) + 0.5

    pts = rasterise(union(body, wisp))
    col = sphere_tones(pts, 9.6, 9.0, 9.6, BLUE_TONES, cuts=(0.22, 0.6, 0.88))
    for (x, y) in pts:
        if (x, y + 1) not in pts:
            col[(x, y)] = BLUE_TONES[0]
    look = LOOK[facing]
    dx, dy = look
    white = (250, 252, 255)
    pupil = (20, 30, 92)
    for ex in (5, 11):
        eye(col, ex + dx, 5 + dy, 4, 5, look, white, pupil, pupil_size=(2, 2))
    # a round little "o" mouth under the eyes
    if facing != "up":
        mx, my = 9 + dx, 12 + dy
        for p in ((mx, my), (mx + 1, my), (mx, my + 1), (mx + 1, my + 1)):
            col[p] = (34, 60, 120)
    img = paint(col)
    outline(img, DARK)
    return img


PEACH = (252, 190, 146)
PEACH_TONES = ((204, 120, 86), PEACH, (255, 222, 190), (255, 246, 232))
HAT_A = ((150, 34, 110), (204, 58, 150), (240, 110, 190))    # magenta stripe: dark, base, light
HAT_B = ((196, 170, 40), (250, 222, 70), (255, 244, 160))    # yellow stripe


def draw_onion(facing):
    """An onion-bulb head (wide and low, drawn in to a neck at the top) under
    a striped cone hat."""
    cy = 13.8

    def bulb(x, y):
        dy = y - cy
        if dy >= 0:
            return (x - 10) ** 2 / (7.6 ** 2) + dy ** 2 / (5.0 ** 2) <= 1
        t = min(1.0, -dy / 7.0)               # 0 at the widest, 1 at the neck
        half = 7.6 * (1 - t ** 1.5) ** 0.7
        return abs(x - 10) <= max(half, 1.8) and t < 1.0

    def hat(x, y):
        top, base = 0.2, 7.6
        if not (top <= y <= base):
            return False
        t = (y - top) / (base - top)
        return abs(x - (10 + 1.8 * (1 - t) ** 2)) <= 0.5 + 3.6 * t

    def brim(x, y):
        return 6.6 <= y <= 8.2 and abs(x - 10) <= 5.0

    head_pts = rasterise(lambda x, y: bulb(x, y) and y <= 18.9)
    hat_pts = rasterise(union(hat, brim))
    brim_pts = rasterise(brim)
    head_pts -= hat_pts
    col = sphere_tones(head_pts, 9.6, 12.4, 9.0, PEACH_TONES, cuts=(0.22, 0.6, 0.88))
    # onion skin: two curved lines running from the neck to the bottom
    for (x, y) in head_pts:
        dy = y + 0.5 - cy
        if dy < 0:
            t = min(1.0, -dy / 7.0)
            half = 7.6 * (1 - t ** 1.5) ** 0.7
        else:
            half = 7.6 * max(0.0, 1 - (dy / 5.0) ** 2) ** 0.5
        if half > 2.5 and abs(abs(x + 0.5 - 10) - half * 0.62) < 0.5:
            col[(x, y)] = shade(col[(x, y)], 0.86)
    for (x, y) in head_pts:
        if (x, y + 1) not in head_pts:
            col[(x, y)] = PEACH_TONES[0]
    # stripes on the hat run on a slant; the brim is a solid yellow band
    for (x, y) in hat_pts:
        stripe = HAT_A if ((y + 1 + (x - 10) // 3) // 2) % 2 == 0 else HAT_B
        if (x, y) in brim_pts:
            stripe = HAT_B
        side = x - 10
        c = stripe[1]
        if side <= -2 or y <= 1:
            c = stripe[2]
        elif side >= 2:
            c = stripe[0]
        col[(x, y)] = c
    look = LOOK[facing]
    dx, dy = look
    white = (255, 255, 250)
    pupil = (70, 24, 40)
    for ex in (5, 11):
        eye(col, ex + dx, 10 + dy, 4, 4, look, white, pupil, pupil_size=(2, 2))
    # a bobble on the point of the hat
    col[(12, 0)] = HAT_B[2]
    # a wobbly grin
    if facing != "up":
        for p in ((8 + dx, 15 + dy), (9 + dx, 16 + dy), (10 + dx, 16 + dy), (11 + dx, 15 + dy)):
            if p in head_pts:
                col[p] = (150, 60, 56)
    img = paint(col)
    outline(img, DARK)
    return img


PINK = (218, 110, 208)
PINK_TONES = ((140, 54, 150), PINK, (244, 164, 236), (255, 222, 252))


def draw_cat(facing):
    """A cat-eared ghost with a wavy tail hem and whiskers."""
    head = ellipse(10.0, 10.6, 7.4, 6.6)
    lower = lambda x, y: y >= 10.6 and 2.6 <= x <= 17.4

    def ear(cx, lean):
        def f(x, y):
            top, base = 1.0, 7.0
            if not (top <= y <= base):
                return False
            t = (y - top) / (base - top)
            return abs(x - (cx + lean * (1 - t))) <= 0.4 + 2.6 * t
        return f

    hem = wavy_hem(17.6, 1.2, 3.6, 1.0)
    pts = rasterise(lambda x, y: (head(x, y) or lower(x, y) or ear(5.0, -1.4)(x, y) or ear(15.0, 1.4)(x, y))
                    and hem(x, y))
    col = sphere_tones(pts, 10.0, 9.6, 10.0, PINK_TONES, cuts=(0.22, 0.6, 0.88))
    for (x, y) in pts:
        if (x, y + 1) not in pts:
            col[(x, y)] = PINK_TONES[0]
    # inner ears
    for p in ((4, 4), (4, 5), (5, 5), (15, 4), (15, 5), (14, 5)):
        if p in pts:
            col[p] = (255, 170, 200)
    look = LOOK[facing]
    dx, dy = look
    white = (255, 250, 170)       # yellow cat eyes with slit pupils
    pupil = (40, 20, 60)
    for ex in (5, 12):
        eye(col, ex + dx, 8 + dy, 3, 4, look, white, pupil, pupil_size=(1, 3) if dy == 0 else (1, 2))
    if facing != "up":
        # nose and "w" mouth
        nx, ny = 10 + dx, 12 + dy
        col[(nx - 1, ny)] = (255, 150, 190)
        col[(nx, ny)] = (255, 150, 190)
        for p in ((nx - 2, ny + 1), (nx - 1, ny + 2), (nx, ny + 2), (nx + 1, ny + 1)):
            col[p] = (92, 30, 96)
        for wx, wy in ((3, ny + 1), (4, ny + 1), (15, ny + 1), (16, ny + 1)):
            col[(wx + dx, wy)] = (255, 226, 250)
    img = paint(col)
    outline(img, DARK)
    return img


# --------------------------------------------------------------------------
# Drill bit
# --------------------------------------------------------------------------

DRILL_TINTS = (
    # shadow, base, light, flute (groove)
    ((92, 98, 110), (150, 158, 172), (214, 220, 230), (60, 64, 76)),
    ((150, 112, 30), (226, 186, 64), (255, 240, 160), (112, 78, 22)),
    ((70, 110, 128), (120, 184, 204), (196, 238, 250), (40, 70, 88)),
)
CHUCK = ((60, 62, 72), (104, 108, 122), (160, 164, 180))


def draw_drill(facing, tint):
    """Drawn pointing left (tip at x = 1, shank at the right edge), then laid
    out along the facing; the lit side is always towards the top left."""
    shadow, base, light, flute = DRILL_TINTS[tint]
    phase = tint / 3.0
    col = {}
    for y in range(SIZE):
        for x in range(SIZE):
            u, v = x + 0.5, y + 0.5 - 10.0          # u along the bit, v across
            if u >= 15.0:                            # shank collar
                if abs(v) <= 3.6 if u < 17 else abs(v) <= 2.6:
                    side = v / 3.6
                    c = CHUCK[2] if side < -0.4 else CHUCK[0] if side > 0.4 else CHUCK[1]
                    if u >= 17:
                        c = mix(c, shadow, 0.3)
                    col[(x, y)] = c
                continue
            half = 4.6 * (u - 1.0) / 14.0            # the cone
            if u < 1.0 or abs(v) > half + 0.15:
                continue
            t = v / max(half, 0.6)                   # -1 lit edge .. 1 shadow edge
            # helical flutes: bands slanting across the cone
            s = ((u + t * half * 0.9) / 3.0 + phase) % 1.0
            if s < 0.34:
                c = flute if t > -0.5 else shadow
            elif t < -0.45:
                c = light
            elif t > 0.45:
                c = shadow
            else:
                c = base
            col[(x, y)] = c
    # keen point
    col[(1, 9)] = light
    img = paint(col)
    img = outline(img, DARK)
    return orient(img, facing)


def orient(img, facing):
    """Turns a left-pointing picture to `facing`, keeping its lit side (the
    top) towards the top left: right and up are mirrored, not just turned."""
    if facing == "left":
        return img
    if facing == "right":
        return mirror(img)
    if facing == "down":
        return rotate(img, 3)       # a quarter anticlockwise: the top goes left
    return mirror(rotate(img, 1))   # up: a quarter clockwise, then lit side back to the left


# --------------------------------------------------------------------------
# Indicator light
# --------------------------------------------------------------------------

def draw_light(level):
    cores = (
        ((120, 96, 16), (170, 140, 28), (200, 176, 60)),
        ((196, 156, 20), (246, 206, 40), (255, 236, 120)),
        ((236, 196, 40), (255, 240, 90), (255, 255, 214)),
    )
    dark, base, lit = cores[level]
    col = {}
    # shaft
    for y in range(2, 10):
        for x in range(8, 12):
            col[(x, y)] = lit if x == 8 else dark if x == 11 else base
    # head: a wide triangle pointing down
    for y in range(9, 18):
        half = (17 - y) * 0.85 + 0.5
        for x in range(SIZE):
            if abs(x + 0.5 - 10) <= half:
                d = x + 0.5 - 10
                col[(x, y)] = lit if d < -half + 1.6 else dark if d > half - 1.6 else base
    col[(9, 17)] = dark
    col[(10, 17)] = dark
    img = paint(col)
    outline(img, DARK)
    if level == 2:
        # a short sparkle around the bright light
        px = img.load()
        for p in ((3, 3), (16, 3), (2, 9), (17, 9)):
            px[p] = (255, 250, 190)
    return img


# --------------------------------------------------------------------------
# Laser beam
# --------------------------------------------------------------------------

LASER_STEPS = (
    # outer glow, glow, core, joint, joint light
    ((20, 24, 110), (48, 70, 230), (200, 214, 255), (150, 56, 214), (222, 160, 255)),
    ((70, 24, 120), (156, 74, 236), (236, 210, 255), (240, 132, 30), (255, 210, 120)),
    ((120, 30, 86), (250, 104, 186), (255, 226, 244), (96, 200, 255), (210, 244, 255)),
)


def beam_rows(step):
    outer, glow, core, _, _ = LASER_STEPS[step]
    return {7: outer, 8: glow, 9: core, 10: core, 11: glow, 12: outer}


def draw_shaft(step):
    """Drawn going right across the whole cell."""
    outer, glow, core, joint, jlight = LASER_STEPS[step]
    col = {}
    for y, c in beam_rows(step).items():
        for x in range(SIZE):
            col[(x, y)] = c
    # pulses in the core that point along the beam
    for x in (3, 15):
        col[(x, 9)] = (255, 255, 255)
        col[(x, 10)] = (255, 255, 255)
    # the joint node: a small faceted ring in the middle
    node = {(8, 6): 0, (9, 5): 0, (10, 5): 0, (11, 6): 0,
            (7, 7): 0, (12, 7): 0, (7, 8): 0, (12, 8): 0, (7, 11): 0, (12, 11): 0, (7, 12): 0, (12, 12): 0,
            (8, 13): 0, (9, 14): 0, (10, 14): 0, (11, 13): 0}
    for y in range(6, 14):
        for x in range(8, 12):
            node[(x, y)] = 1
    for (x, y), k in node.items():
        if k == 0:
            col[(x, y)] = DARK
        else:
            col[(x, y)] = jlight if (x <= 9 and y <= 9) else joint
    col[(9, 9)] = (255, 255, 255)
    col[(10, 10)] = core
    return paint(col)


def draw_head(step):
    """Drawn going right: the shaft comes in at the left edge and ends in an
    arrowhead pointing right."""
    outer, glow, core, joint, jlight = LASER_STEPS[step]
    col = {}
    for y, c in beam_rows(step).items():
        for x in range(0, 9):
            col[(x, y)] = c
    col[(4, 9)] = (255, 255, 255)
    col[(4, 10)] = (255, 255, 255)
    # arrowhead: glow edge, joint-coloured body, bright core line
    for x in range(7, 19):
        half = (18.5 - x) * 0.62 + 0.4
        for y in range(SIZE):
            d = abs(y + 0.5 - 10)
            if d <= half:
                if d > half - 1.0:
                    c = outer
                elif d > half - 2.0:
                    c = glow
                else:
                    c = joint if d > 1.0 else core
                col[(x, y)] = c
    for x in range(8, 15):
        col[(x, 9)] = core
        col[(x, 10)] = core
    col[(17, 9)] = jlight
    col[(17, 10)] = jlight
    return paint(col)


def laser_set(draw):
    pics = []
    for step in range(3):
        right = draw(step)
        for facing in HERO_FACINGS:
            turns = {"right": 0, "down": 1, "left": 2, "up": 3}[facing]
            pics.append(rotate(right, turns))
    return pics


# --------------------------------------------------------------------------

def sprites():
    spr = [draw_hero(f) for f in HERO_FACINGS] + [draw_hero(f, pale=True) for f in HERO_FACINGS]
    return {
        "SprPic": spr,
        "BGhoPic": [draw_blue(f) for f in GHOST_FACINGS],
        "UGhoPic": [draw_onion(f) for f in GHOST_FACINGS],
        "YGhoPic": [draw_cat(f) for f in GHOST_FACINGS],
        "ChiPic": [draw_drill(f, t) for t in range(3) for f in HERO_FACINGS],
        "LightPic": [draw_light(level) for level in range(3)],
        "Ls1Pic": laser_set(draw_shaft),
        "Ls2Pic": laser_set(draw_head),
    }


if __name__ == "__main__":
    import artkit
    artkit.preview(sprites(), "/tmp/sprites_preview.png", zoom=6)
