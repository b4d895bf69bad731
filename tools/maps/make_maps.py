#!/usr/bin/env python3
"""Build and check the stage map files data/map/map0 .. data/map/map10.

The layouts are kept as character grids in tools/maps/layouts/mapN.txt and
translated through tools/maps/legend.txt.  A stage map file holds the 520
tile codes of the 26 x 20 board, column by column (column 0 rows 0..19,
then column 1, ...), one decimal number per record, each record ended by
CR LF, nothing else.

    python3 tools/maps/make_maps.py            validate layouts, write all files
    python3 tools/maps/make_maps.py --check    validate data/map/* as they are,
                                               nothing is written
    python3 tools/maps/make_maps.py --show N   print layout N with statistics
                                               and any cell nobody can reach

Exit status is 0 when everything is fine and 1 on any error.
"""

import argparse
import os
import re
import sys
from collections import deque

COLS = 26
ROWS = 20
CELLS = COLS * ROWS
STAGES = range(0, 11)

PLAYER_START = (1, 18)
GHOST_START = (13, 3)
FLOOR = 15

STAGE_NAMES = {
    0: "方塊花園",
    1: "岩石地",
    2: "河流森林",
    3: "海洋森林",
    4: "冰雪新世界",
    5: "雪山群",
    6: "古代人墳場",
    7: "森林墳場",
    8: "河流森林二",
    9: "小山脈",
    10: "雪人禁地",
}

# Codes the level editor palette offers.  Animated families appear only
# with their first frame (water 20, campfire 50, bush 55, snowman 84).
PALETTE = (
    set(range(0, 16)) | {17, 18, 20, 50, 55}
    | set(range(61, 65)) | set(range(66, 75)) | set(range(76, 82))
    | {84} | {90, 91, 92} | set(range(100, 104)) | set(range(105, 123))
)
assert len(PALETTE) == 66

# Cells the player cannot step onto.
WALK_BLOCKED = (
    set(range(1, 6)) | set(range(20, 40)) | set(range(50, 54))
    | set(range(55, 59)) | set(range(61, 65)) | set(range(66, 75))
    | set(range(76, 80)) | set(range(84, 88)) | set(range(90, 93))
    | set(range(100, 104)) | set(range(105, 123))
)

# Cells a ghost may move into (keeping its direction).
GHOST_ENTER = set([0]) | set(range(6, 16)) | {17, 18} | set(range(42, 48)) \
    | {80, 81, 93, 94, 95}

SMALL_BALL = 0
BIG_BALL = 6
EATEN = {0} | set(range(6, 15))
TUNNEL_A = 80
TUNNEL_B = 81

SMALL_RANGE = (120, 260)
BIG_RANGE = (4, 12)

# Multi-cell tiles: width, height and the codes row by row.
PIECES = {
    "statue": (1, 2, [61, 62]),
    "gargoyle": (1, 2, [63, 64]),
    "ice crystal": (1, 2, [117, 118]),
    "tall dead tree": (1, 2, [119, 120]),
    "tall green tree": (1, 2, [121, 122]),
    "big boulder": (2, 2, [105, 106, 107, 108]),
    "big tree": (2, 2, [109, 110, 111, 112]),
    "sand mound": (2, 2, [113, 114, 115, 116]),
    "stone block": (3, 3, [66, 69, 72, 67, 70, 73, 68, 71, 74]),
}

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
LAYOUT_DIR = os.path.join(HERE, "layouts")
LEGEND_FILE = os.path.join(HERE, "legend.txt")
MAP_DIR = os.path.join(ROOT, "data", "map")


class MapError(Exception):
    pass


# ---------------------------------------------------------------- legend

def load_legend(path=LEGEND_FILE):
    """Return {char: (w, h, [codes])}."""
    legend = {}
    with open(path, encoding="utf-8") as fh:
        for lineno, raw in enumerate(fh, 1):
            line = raw.rstrip("\r\n")
            if not line.strip() or line.lstrip().startswith(";"):
                continue
            body = line.split(";", 1)[0].split()
            where = "%s:%d" % (os.path.relpath(path, ROOT), lineno)
            ch = body[0]
            if len(ch) != 1:
                raise MapError("%s: tile character must be one character, got %r"
                               % (where, ch))
            if ch in legend:
                raise MapError("%s: character %r defined twice" % (where, ch))
            rest = body[1:]
            if len(rest) == 1:
                w, h, codes = 1, 1, [int(rest[0])]
            else:
                m = re.fullmatch(r"(\d)x(\d)", rest[0] if rest else "")
                if not m:
                    raise MapError("%s: expected '<char> <code>' or "
                                   "'<char> WxH <codes>'" % where)
                w, h = int(m.group(1)), int(m.group(2))
                codes = [int(v) for v in rest[1:]]
                if len(codes) != w * h:
                    raise MapError("%s: %dx%d tile needs %d codes, got %d"
                                   % (where, w, h, w * h, len(codes)))
                if (w, h, codes) not in PIECES.values():
                    raise MapError("%s: %r does not describe a known "
                                   "multi-cell tile" % (where, ch))
            for code in codes:
                if code not in PALETTE:
                    raise MapError("%s: code %d is not an editor palette code"
                                   % (where, code))
            legend[ch] = (w, h, codes)
    return legend


# ---------------------------------------------------------------- layouts

def layout_path(stage):
    return os.path.join(LAYOUT_DIR, "map%d.txt" % stage)


def read_layout(stage):
    path = layout_path(stage)
    with open(path, encoding="utf-8") as fh:
        lines = fh.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    lines = [l.rstrip("\r") for l in lines]
    name = os.path.relpath(path, ROOT)
    if len(lines) != ROWS:
        raise MapError("%s: %d lines, a layout has exactly %d"
                       % (name, len(lines), ROWS))
    for y, l in enumerate(lines):
        if len(l) != COLS:
            raise MapError("%s: row %d is %d characters wide, must be %d: %r"
                           % (name, y, len(l), COLS, l))
    return lines


def layout_to_grid(stage, lines, legend):
    """Translate a layout into grid[x][y] tile codes."""
    name = os.path.relpath(layout_path(stage), ROOT)
    grid = [[None] * ROWS for _ in range(COLS)]
    for y in range(ROWS):
        for x in range(COLS):
            if grid[x][y] is not None:
                continue
            ch = lines[y][x]
            if ch not in legend:
                raise MapError("%s: character %r at column %d, row %d is not "
                               "in the legend" % (name, ch, x, y))
            w, h, codes = legend[ch]
            # (x, y) is the top-left corner of a new piece
            for dy in range(h):
                for dx in range(w):
                    cx, cy = x + dx, y + dy
                    if (cx >= COLS or cy >= ROWS or lines[cy][cx] != ch
                            or grid[cx][cy] is not None):
                        raise MapError(
                            "%s: %r at column %d, row %d starts a %dx%d tile "
                            "that does not fit (column %d, row %d)"
                            % (name, ch, x, y, w, h, cx, cy))
                    grid[cx][cy] = codes[dy * w + dx]
    return grid


# ---------------------------------------------------------------- files

def encode(grid):
    out = []
    for x in range(COLS):
        for y in range(ROWS):
            out.append(b"%d\r\n" % grid[x][y])
    return b"".join(out)


def decode(data, name):
    if data.startswith(b"\xef\xbb\xbf"):
        raise MapError("%s: starts with a byte-order mark" % name)
    if not data.endswith(b"\r\n"):
        raise MapError("%s: last record is not ended by CR LF" % name)
    records = data[:-2].split(b"\r\n")
    if len(records) != CELLS:
        raise MapError("%s: %d records, must be exactly %d"
                       % (name, len(records), CELLS))
    grid = [[None] * ROWS for _ in range(COLS)]
    for k, rec in enumerate(records):
        if not re.fullmatch(rb"-?[0-9]+", rec):
            raise MapError("%s: record %d (line %d) is not a plain decimal "
                           "number: %r" % (name, k, k + 1, rec))
        grid[k // ROWS][k % ROWS] = int(rec)
    return grid


# ---------------------------------------------------------------- rules

def neighbours(x, y):
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        nx, ny = x + dx, y + dy
        if 0 <= nx < COLS and 0 <= ny < ROWS:
            yield nx, ny


def find(grid, code):
    return [(x, y) for x in range(COLS) for y in range(ROWS)
            if grid[x][y] == code]


def reachable_from(grid, start):
    """Cells the player can reach from start, tunnels included."""
    tunnel = {}
    a, b = find(grid, TUNNEL_A), find(grid, TUNNEL_B)
    if len(a) == 1 and len(b) == 1:
        tunnel = {a[0]: b[0], b[0]: a[0]}
    seen = {start}
    todo = deque([start])
    while todo:
        cell = todo.popleft()
        nxt = list(neighbours(*cell))
        if cell in tunnel:
            nxt.append(tunnel[cell])
        for nx, ny in nxt:
            if (nx, ny) not in seen and grid[nx][ny] not in WALK_BLOCKED:
                seen.add((nx, ny))
                todo.append((nx, ny))
    return seen


def check_pieces(grid, errors):
    where = {}
    for pname, (w, h, codes) in PIECES.items():
        for i, code in enumerate(codes):
            where[code] = (pname, w, h, codes, i % w, i // w)
    for x in range(COLS):
        for y in range(ROWS):
            code = grid[x][y]
            if code not in where:
                continue
            pname, w, h, codes, px, py = where[code]
            ox, oy = x - px, y - py
            ok = 0 <= ox and 0 <= oy and ox + w <= COLS and oy + h <= ROWS
            if ok:
                ok = all(grid[ox + i % w][oy + i // w] == codes[i]
                         for i in range(w * h))
            if not ok:
                errors.append("%s piece %d at column %d, row %d is not part "
                              "of a complete %s" % (pname, code, x, y, pname))


def validate(grid):
    """Return (errors, stats) for one board."""
    errors = []
    for x in range(COLS):
        for y in range(ROWS):
            if grid[x][y] not in PALETTE:
                errors.append("code %d at column %d, row %d is not an editor "
                              "palette code" % (grid[x][y], x, y))
    for label, (x, y) in (("player", PLAYER_START), ("ghost", GHOST_START)):
        if grid[x][y] != FLOOR:
            errors.append("%s start (%d,%d) holds %d, must be %d"
                          % (label, x, y, grid[x][y], FLOOR))
    na, nb = len(find(grid, TUNNEL_A)), len(find(grid, TUNNEL_B))
    if not ((na == 1 and nb == 1) or (na == 0 and nb == 0)):
        errors.append("tunnel ends: %d x code 80 and %d x code 81, need "
                      "exactly one of each or none" % (na, nb))
    check_pieces(grid, errors)

    reach = reachable_from(grid, PLAYER_START)
    lost = [(x, y) for x in range(COLS) for y in range(ROWS)
            if grid[x][y] in EATEN and (x, y) not in reach]
    for x, y in lost:
        errors.append("code %d at column %d, row %d cannot be reached from "
                      "the player start" % (grid[x][y], x, y))
    gx, gy = GHOST_START
    if not any(grid[nx][ny] in GHOST_ENTER for nx, ny in neighbours(gx, gy)):
        errors.append("ghost start (%d,%d) is walled in: no neighbour a ghost "
                      "may enter" % GHOST_START)
    if GHOST_START not in reach:
        errors.append("ghost start (%d,%d) is cut off from the player's maze"
                      % GHOST_START)

    small = len(find(grid, SMALL_BALL))
    big = len(find(grid, BIG_BALL))
    if not SMALL_RANGE[0] <= small <= SMALL_RANGE[1]:
        errors.append("%d small balls, want %d..%d" % ((small,) + SMALL_RANGE))
    if not BIG_RANGE[0] <= big <= BIG_RANGE[1]:
        errors.append("%d big balls, want %d..%d" % ((big,) + BIG_RANGE))
    items = sum(1 for x in range(COLS) for y in range(ROWS)
                if 7 <= grid[x][y] <= 14)
    stats = {"small": small, "big": big, "items": items,
             "walkable": len(reach), "tunnel": na == 1}
    return errors, stats, reach


# ---------------------------------------------------------------- commands

def build_all(legend):
    grids = {}
    for stage in STAGES:
        grids[stage] = layout_to_grid(stage, read_layout(stage), legend)
    return grids


def report(stage, errors, stats):
    label = "map%-2d %-6s" % (stage, STAGE_NAMES[stage])
    if errors:
        print("%s FAILED" % label)
        for e in errors:
            print("    map%d: %s" % (stage, e))
    else:
        print("%s ok   small %3d  big %2d  items %2d  walkable %3d%s"
              % (label, stats["small"], stats["big"], stats["items"],
                 stats["walkable"], "  tunnel" if stats["tunnel"] else ""))


def cmd_build():
    legend = load_legend()
    grids = build_all(legend)
    failed = False
    for stage, grid in grids.items():
        errors, stats, _ = validate(grid)
        report(stage, errors, stats)
        failed |= bool(errors)
    if failed:
        print("error: some layouts break the rules, nothing written",
              file=sys.stderr)
        return 1
    os.makedirs(MAP_DIR, exist_ok=True)
    for stage, grid in grids.items():
        with open(os.path.join(MAP_DIR, "map%d" % stage), "wb") as fh:
            fh.write(encode(grid))
    print("wrote %d files to %s" % (len(grids), os.path.relpath(MAP_DIR, ROOT)))
    return 0


def cmd_check():
    try:
        expected = build_all(load_legend())
    except MapError as e:
        print("warning: layouts not usable for comparison: %s" % e,
              file=sys.stderr)
        expected = {}
    failed = False
    for stage in STAGES:
        path = os.path.join(MAP_DIR, "map%d" % stage)
        name = os.path.relpath(path, ROOT)
        try:
            with open(path, "rb") as fh:
                grid = decode(fh.read(), name)
        except (OSError, MapError) as e:
            print("map%-2d FAILED\n    %s" % (stage, e))
            failed = True
            continue
        errors, stats, _ = validate(grid)
        if stage in expected and encode(expected[stage]) != encode(grid):
            errors.append("%s differs from layouts/map%d.txt; run make_maps.py "
                          "to regenerate" % (name, stage))
        report(stage, errors, stats)
        failed |= bool(errors)
    if failed:
        print("error: stage map check failed", file=sys.stderr)
        return 1
    return 0


def cmd_show(stage):
    legend = load_legend()
    lines = read_layout(stage)
    grid = layout_to_grid(stage, lines, legend)
    errors, stats, reach = validate(grid)
    print("map%d %s" % (stage, STAGE_NAMES[stage]))
    print("    " + "".join(str(x // 10) if x >= 10 else " "
                           for x in range(COLS)))
    print("    " + "".join(str(x % 10) for x in range(COLS)))
    for y in range(ROWS):
        row = ""
        for x in range(COLS):
            walk = grid[x][y] not in WALK_BLOCKED
            row += lines[y][x] if (not walk or (x, y) in reach) else "?"
        print("%3d %s" % (y, row))
    report(stage, errors, stats)
    return 1 if errors else 0


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    group = ap.add_mutually_exclusive_group()
    group.add_argument("--check", action="store_true",
                       help="validate the existing data/map files, write nothing")
    group.add_argument("--show", type=int, metavar="N",
                       help="print layout N with statistics")
    args = ap.parse_args(argv)
    try:
        if args.check:
            return cmd_check()
        if args.show is not None:
            if args.show not in STAGES:
                ap.error("no stage %d" % args.show)
            return cmd_show(args.show)
        return cmd_build()
    except MapError as e:
        print("error: %s" % e, file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
