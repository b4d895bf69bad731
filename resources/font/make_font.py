#!/usr/bin/python3
"""Makes the bundled CJK font, "Mibbet Sans": subsets of Noto Sans CJK TC
Regular and Bold (SIL Open Font Licence, Debian package fonts-noto-cjk)
holding ASCII, Latin-1, the CJK and full-width punctuation and every
character our sources and texts use.

The faces get a family name of their own. Under the original name, a machine
with fonts-noto-cjk installed would hand Qt its own faces of that family
instead of ours (its bold above all), and the game would look different there.

Only the characters we need: a small font loads in a few milliseconds, which
keeps start-up quick. Names a player types in Chinese are drawn by the
desktop's own CJK font where ours lacks a character.

Run it again after adding texts (needs fonts-noto-cjk and python3-fonttools):
tests check that every shown text has glyphs in both faces.
"""
import pathlib
import subprocess
import sys

from fontTools.ttLib import TTFont

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
FAMILY = "Mibbet Sans"
FACE_TC = 3  # index of "Noto Sans CJK TC" in each collection
FACES = {  # style: (collection, usWeightClass)
    "Regular": ("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", 400),
    "Bold": ("/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", 700),
}


def source_chars():
    chars = set()
    for folder in ("common", "game", "editor", "resources", "data"):
        for path in (ROOT / folder).rglob("*"):
            if path.suffix in {".cpp", ".h", ".txt", ".md", ".tm"} and path.is_file():
                chars.update(path.read_text(encoding="utf-8", errors="ignore"))
    return {c for c in chars if ord(c) >= 0x80}


def rename(path, style):
    """Our family and style names in every name record that carries one."""
    font = TTFont(path)
    names = font["name"]
    names.names = [r for r in names.names if r.nameID not in (1, 2, 3, 4, 6, 16, 17)]
    postscript = FAMILY.replace(" ", "") + "-" + style
    for name_id, text in ((1, FAMILY), (2, style), (3, f"{postscript};subset of Noto Sans CJK TC"),
                          (4, f"{FAMILY} {style}"), (6, postscript)):
        names.setName(text, name_id, 3, 1, 0x409)
    font["CFF "].cff.fontNames = [postscript]
    font.save(path)


def main():
    chars = set(map(chr, range(0x20, 0x7F))) | set(map(chr, range(0xA0, 0x100)))
    chars |= set(map(chr, range(0x2000, 0x2070)))  # general punctuation
    chars |= set(map(chr, range(0x3000, 0x3040)))  # CJK symbols and punctuation
    chars |= set(map(chr, range(0xFF00, 0xFFF0)))  # full-width forms
    chars |= source_chars()
    text = "".join(sorted(chars))
    for style, (source, weight) in FACES.items():
        out = HERE / f"MibbetSans-{style}.otf"
        subprocess.run(
            [sys.executable, "-m", "fontTools.subset", source, f"--font-number={FACE_TC}", f"--text={text}",
             f"--output-file={out}", "--layout-features=*", "--no-hinting"],
            check=True)
        rename(out, style)
        assert TTFont(out)["OS/2"].usWeightClass == weight, out
        print(f"{out.name}: {len(chars)} characters, {out.stat().st_size} bytes", file=sys.stderr)


if __name__ == "__main__":
    main()
