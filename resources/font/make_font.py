#!/usr/bin/python3
"""Makes the bundled CJK font: a subset of Noto Sans CJK TC Regular (SIL Open
Font Licence, Debian package fonts-noto-cjk) holding ASCII, Latin-1, the CJK
and full-width punctuation and every character our sources and texts use.

Only those: a small font loads in a few milliseconds, which keeps start-up
quick. Names a player types in Chinese are drawn by the desktop's own CJK font
(whoever has a Chinese input method has one).

Run it again after adding texts: tests check that every shown text has glyphs.
"""
import pathlib
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
SOURCE = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"
FACE_TC = 3  # index of "Noto Sans CJK TC" in the collection
OUT = HERE / "MibbetSans.otf"


def source_chars():
    chars = set()
    for folder in ("common", "game", "editor", "resources", "data"):
        for path in (ROOT / folder).rglob("*"):
            if path.suffix in {".cpp", ".h", ".txt", ".md", ".tm"} and path.is_file():
                chars.update(path.read_text(encoding="utf-8", errors="ignore"))
    return {c for c in chars if ord(c) >= 0x80}


def main():
    chars = set(map(chr, range(0x20, 0x7F))) | set(map(chr, range(0xA0, 0x100)))
    chars |= set(map(chr, range(0x2000, 0x2070)))  # general punctuation
    chars |= set(map(chr, range(0x3000, 0x3040)))  # CJK symbols and punctuation
    chars |= set(map(chr, range(0xFF00, 0xFFF0)))  # full-width forms
    chars |= source_chars()
    text = "".join(sorted(chars))
    subprocess.run(
        [sys.executable, "-m", "fontTools.subset", SOURCE, f"--font-number={FACE_TC}", f"--text={text}", f"--output-file={OUT}",
         "--layout-features=*", "--no-hinting"],
        check=True)
    print(f"{OUT.name}: {len(chars)} characters, {OUT.stat().st_size} bytes", file=sys.stderr)


if __name__ == "__main__":
    main()
