#!/usr/bin/python3
"""Makes every picture the programs show from the drawing modules beside it:

  ../pictures/tiles.png    tile code c at column c % 16, row c // 16 (20 x 20 cells)
  ../pictures/sprites.png  one row per sprite set, masks included, in the
                           order the game indexes them
  ../pictures/contact-sheet.png   everything at 4x with labels, for review

Run: /usr/bin/python3 resources/art/make_art.py   (needs python3-pil)
"""
import pathlib
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
OUT = HERE.parent / "pictures"

import artkit  # noqa: E402
import sprites as sprite_module  # noqa: E402
import tiles_animated  # noqa: E402
import tiles_items  # noqa: E402
import tiles_walls  # noqa: E402

PICTURE_CODES = (
    list(range(0, 40)) + [42, 43, 45, 46] + list(range(50, 54)) + list(range(55, 59)) + list(range(61, 65))
    + list(range(66, 75)) + list(range(76, 82)) + list(range(84, 88)) + list(range(90, 96))
    + list(range(100, 104)) + list(range(105, 123)))
assert len(PICTURE_CODES) == 103

# Sprite sets: (name, row, visible frames, mask of frame i, masks at)
SPRITE_ROWS = ["SprPic", "BGhoPic", "UGhoPic", "YGhoPic", "ChiPic", "LightPic", "Ls1Pic", "Ls2Pic"]


def mask_of(img):
    """Black silhouette on white: white where the sprite is pure black."""
    m = Image.new("RGB", img.size, (255, 255, 255))
    src, dst = img.load(), m.load()
    for y in range(img.height):
        for x in range(img.width):
            if src[x, y] != artkit.BLACK:
                dst[x, y] = (0, 0, 0)
    return m


def union_mask(imgs):
    m = Image.new("RGB", imgs[0].size, (255, 255, 255))
    dst = m.load()
    for img in imgs:
        src = img.load()
        for y in range(img.height):
            for x in range(img.width):
                if src[x, y] != artkit.BLACK:
                    dst[x, y] = (0, 0, 0)
    return m


def build_sprite_sets(s):
    """Lays out each set by the indexes the game uses."""
    sets = {}
    spr = s["SprPic"]  # 8: red left, up, right, down; white the same
    assert len(spr) == 8
    sets["SprPic"] = spr + [union_mask([spr[i], spr[i + 4]]) for i in range(4)]
    for name in ("BGhoPic", "UGhoPic", "YGhoPic"):
        g = s[name]  # 4: up, right, down, left
        assert len(g) == 4, name
        sets[name] = g + [mask_of(x) for x in g]
    chi = s["ChiPic"]  # 12: facing + 0, 4, 8
    assert len(chi) == 12
    sets["ChiPic"] = chi + [union_mask([chi[f], chi[f + 4], chi[f + 8]]) for f in range(4)]
    light = s["LightPic"]  # 3 tints
    assert len(light) == 3
    blank = artkit.new()
    sets["LightPic"] = [light[0], blank, blank, blank, light[1], blank, blank, blank, light[2], blank, blank, blank,
                        union_mask(light)]
    for name in ("Ls1Pic", "Ls2Pic"):
        ls = s[name]  # 12: colour step * 4 + facing
        assert len(ls) == 12, name
        sets[name] = ls + [union_mask([ls[f], ls[f + 4], ls[f + 8]]) for f in range(4)]
    return sets


def check_tile(code, img):
    want = (13, 20) if code == 11 else (20, 20)
    if img.size != want:
        raise SystemExit(f"tile {code}: size {img.size}, want {want}")
    if img.mode != "RGB":
        raise SystemExit(f"tile {code}: mode {img.mode}, want RGB")


def main():
    tiles = {}
    for module in (tiles_items, tiles_walls, tiles_animated):
        for code, img in module.tiles().items():
            if code in tiles:
                raise SystemExit(f"tile {code} drawn twice")
            tiles[code] = img
    missing = sorted(set(PICTURE_CODES) - set(tiles))
    extra = sorted(set(tiles) - set(PICTURE_CODES))
    if missing or extra:
        raise SystemExit(f"tiles missing {missing}, not wanted {extra}")
    for code, img in tiles.items():
        check_tile(code, img)

    OUT.mkdir(exist_ok=True)
    atlas = Image.new("RGB", (16 * 20, 8 * 20), artkit.BLACK)
    for code, img in tiles.items():
        atlas.paste(img, ((code % 16) * 20, (code // 16) * 20))
    atlas.save(OUT / "tiles.png", optimize=True)

    sets = build_sprite_sets(sprite_module.sprites())
    sheet = Image.new("RGB", (16 * 20, len(SPRITE_ROWS) * 20), artkit.BLACK)
    for row, name in enumerate(SPRITE_ROWS):
        for i, img in enumerate(sets[name]):
            if img.size != (20, 20):
                raise SystemExit(f"{name}[{i}]: size {img.size}")
            sheet.paste(img, (i * 20, row * 20))
    sheet.save(OUT / "sprites.png", optimize=True)

    contact_sheet(tiles, sets)
    print(f"{len(tiles)} tiles and {sum(len(v) for v in sets.values())} sprite pictures written to {OUT}")


def contact_sheet(tiles, sets):
    z = 4
    cell = 20 * z
    font_path = HERE.parent / "font" / "MibbetSans.otf"
    font = ImageFont.truetype(str(font_path), 14) if font_path.exists() else ImageFont.load_default()
    cols = 12
    tile_rows = (len(PICTURE_CODES) + cols - 1) // cols
    sprite_rows = len(SPRITE_ROWS)
    pad = 22
    assembled_h = 3 * 40 + 40
    width = max(cols * (cell + 8) + 16, 90 + 16 * (cell // 2 + 26) + 16)
    height = tile_rows * (cell + pad) + sprite_rows * (cell // 2 + pad + 10) + assembled_h + 60 + 110
    sheet = Image.new("RGB", (width, height), (60, 60, 70))
    d = ImageDraw.Draw(sheet)
    y = 8
    for i, code in enumerate(PICTURE_CODES):
        x = 8 + (i % cols) * (cell + 8)
        yy = y + (i // cols) * (cell + pad)
        img = tiles[code]
        sheet.paste(img.resize((img.width * z, img.height * z), Image.NEAREST), (x, yy + 18))
        d.text((x, yy), str(code), fill=(255, 255, 200), font=font)
    y += tile_rows * (cell + pad) + 10
    for name in SPRITE_ROWS:
        d.text((8, y), name, fill=(200, 255, 200), font=font)
        for i, img in enumerate(sets[name]):
            x = 8 + i * (cell // 2 + 26)
            sheet.paste(img.resize((40, 40), Image.NEAREST), (x + 90, y))
            d.text((x + 90, y + 40), str(i), fill=(220, 220, 220), font=font)
        y += cell // 2 + pad + 10
    # Multi-piece tiles assembled, to check that they join.
    y += 10
    d.text((8, y), "assembled", fill=(200, 255, 200), font=font)
    y += 20
    groups = [((66, 69, 72), (67, 70, 73), (68, 71, 74)), ((105, 106), (107, 108)), ((109, 110), (111, 112)),
              ((113, 114), (115, 116)), ((61,), (62,)), ((63,), (64,)), ((117,), (118,)), ((119,), (120,)),
              ((121,), (122,)), ((80, 20, 81),)]
    x = 8
    for g in groups:
        for r, row in enumerate(g):
            for c, code in enumerate(row):
                img = tiles[code]
                sheet.paste(img.resize((img.width * 2, img.height * 2), Image.NEAREST), (x + c * 40, y + r * 40))
        x += len(g[0]) * 40 + 16
    # The board's mouse pointers (make_pointers.py), at 2x on a board-black
    # and a light ground, with their names.
    y += 3 * 40 + 16
    pointers = OUT / "pointers@2x.png"
    if pointers.exists():
        d.text((8, y), "pointers", fill=(200, 255, 200), font=font)
        strip = Image.open(pointers).convert("RGBA")
        names = ["MoiUp", "MoiRight", "MoiDown", "MoiLeft", "MoiC"]
        for i, name in enumerate(names):
            for j, ground in enumerate(((0, 0, 0, 255), (200, 200, 190, 255))):
                tile = Image.new("RGBA", (64, 64), ground)
                tile.alpha_composite(strip.crop((i * 64, 0, i * 64 + 64, 64)))
                sheet.paste(tile.convert("RGB"), (90 + i * 150 + j * 68, y))
            d.text((90 + i * 150, y + 68), name, fill=(220, 220, 220), font=font)
    sheet.save(OUT / "contact-sheet.png", optimize=True)


if __name__ == "__main__":
    main()
