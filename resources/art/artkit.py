"""Small drawing kit for our 20 x 20 tile and sprite pictures (Pillow).

Pictures are RGB. Sprites sit on pure black (0, 0, 0), which is what their
masks treat as see-through, so a sprite's own dark parts use DARK or another
colour that is not pure black.
"""
import random

from PIL import Image, ImageDraw

SIZE = 20
BLACK = (0, 0, 0)
DARK = (14, 12, 18)  # the darkest colour a sprite may use inside its shape


def new(color=BLACK, size=(SIZE, SIZE)):
    return Image.new("RGB", size, color)


def grid(rows, palette, size=(SIZE, SIZE)):
    """A picture from text rows, one character per pixel; '.' is black unless
    the palette says otherwise."""
    img = new(size=size)
    px = img.load()
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch in palette:
                px[x, y] = palette[ch]
            elif ch != ".":
                raise KeyError(f"no colour for {ch!r}")
    return img


def supersample(draw, scale=4, size=(SIZE, SIZE), bg=BLACK):
    """Calls draw(ImageDraw, scale) on a picture `scale` times larger and
    shrinks it: smooth edges for round shapes."""
    big = Image.new("RGB", (size[0] * scale, size[1] * scale), bg)
    draw(ImageDraw.Draw(big), scale)
    return big.resize(size, Image.LANCZOS)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def shade(color, f):
    """f > 1 lighter, f < 1 darker."""
    if f >= 1:
        return mix(color, (255, 255, 255), min(1.0, f - 1))
    return tuple(round(c * f) for c in color)


def speckle(img, seed, amount=12, box=None):
    """Deterministic texture: nudges every pixel's brightness a little."""
    rnd = random.Random(seed)
    px = img.load()
    x0, y0, x1, y1 = box or (0, 0, img.width, img.height)
    for y in range(y0, y1):
        for x in range(x0, x1):
            d = rnd.randint(-amount, amount)
            px[x, y] = tuple(max(0, min(255, c + d)) for c in px[x, y])
    return img


def outline(img, color, bg=BLACK):
    """A one-pixel outline around everything that is not bg."""
    src = img.copy()
    s, d = src.load(), img.load()
    for y in range(img.height):
        for x in range(img.width):
            if s[x, y] != bg:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < img.width and 0 <= ny < img.height and s[nx, ny] != bg:
                    d[x, y] = color
                    break
    return img


def no_pure_black(img, replacement=DARK):
    """Turns pure black pixels into DARK (for sprite parts that must not be see-through)."""
    px = img.load()
    for y in range(img.height):
        for x in range(img.width):
            if px[x, y] == BLACK:
                px[x, y] = replacement
    return img


def rotate(img, quarter_turns):
    """Rotates clockwise by 90 degrees per quarter turn (pixel-exact)."""
    out = img
    for _ in range(quarter_turns % 4):
        out = out.transpose(Image.ROTATE_270)
    return out


def mirror(img):
    return img.transpose(Image.FLIP_LEFT_RIGHT)


def split(img, cols, rows):
    """Cuts a (cols*20) x (rows*20) picture into tiles, row by row."""
    return [img.crop((c * SIZE, r * SIZE, (c + 1) * SIZE, (r + 1) * SIZE)) for r in range(rows) for c in range(cols)]


def preview(pictures, path, zoom=4, cols=10):
    """Writes a labelled sheet of {label: picture or [pictures]} at `zoom`."""
    from PIL import ImageFont
    items = []
    for label, v in pictures.items():
        for i, img in enumerate(v if isinstance(v, list) else [v]):
            items.append((f"{label}" if not isinstance(v, list) else f"{label}.{i}", img))
    cell = SIZE * zoom
    rows = (len(items) + cols - 1) // cols
    sheet = Image.new("RGB", (cols * (cell + 10) + 10, rows * (cell + 26) + 10), (60, 60, 70))
    d = ImageDraw.Draw(sheet)
    try:
        import pathlib
        font = ImageFont.truetype(str(pathlib.Path(__file__).parent.parent / "font" / "MibbetSans.otf"), 14)
    except OSError:
        font = ImageFont.load_default()
    for i, (label, img) in enumerate(items):
        x = 10 + (i % cols) * (cell + 10)
        y = 10 + (i // cols) * (cell + 26)
        d.text((x, y), label, fill=(255, 255, 200), font=font)
        sheet.paste(img.resize((img.width * zoom, img.height * zoom), Image.NEAREST), (x, y + 18))
    sheet.save(path)
