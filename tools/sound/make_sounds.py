#!/usr/bin/python3
"""Regenerate all of Mibbet's sounds from code.

    /usr/bin/python3 tools/sound/make_sounds.py [--out DIR]

Writes, under data/ in the repository (or DIR):

    wav/in.wav    invisibility switched on: sparkling, shimmering fade-out (~0.8 s)
    wav/sm.wav    small ball eaten: a 75 ms soft blip (made to be retriggered quickly)
    wav/bi.wav    big ball / item picked up: bright rising three-note chime (~0.42 s)
    wav/over.wav  game over: sad falling phrase in A minor (~2.2 s)
    bgm/bgm5.mp3  background tune, chip-style, ~191 s, sectioned, with a key change

Effects are 16-bit mono 44100 Hz WAV peaking near -3 dBFS (the blip at -4 dBFS);
the tune is mixed to peak near -8 dBFS so the effects sit on top of it.

Everything is synthesized here (numpy + the standard library, see chipsynth.py,
effects.py and tune.py) and is deterministic: noise uses fixed seeds, so a rerun
gives the same audio. The MP3 needs the `lame` encoder on PATH (Debian/Ubuntu
package `lame`: apt-get install lame); the WAVs need nothing beyond numpy.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import effects  # noqa: E402
import tune  # noqa: E402
from chipsynth import SR, normalize, write_wav  # noqa: E402

MUSIC_PEAK_DB = -8.0


def make_music(path):
    lame = shutil.which("lame")
    if not lame:
        sys.exit("lame not found: install it (apt-get install lame) to build %s" % path)
    audio = normalize(tune.render(), MUSIC_PEAK_DB)
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "bgm5.wav")
        write_wav(wav, audio)
        subprocess.run([lame, "--quiet", "-b", "128", "-q", "2", "--resample", "44.1",
                        "--tt", "Mibbet theme", wav, str(path)], check=True)
    return len(audio) / SR


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=str(HERE.parent.parent / "data"),
                    help="data folder to write wav/ and bgm/ into")
    ap.add_argument("--no-music", action="store_true", help="only write the effects")
    args = ap.parse_args()

    out = Path(args.out)
    (out / "wav").mkdir(parents=True, exist_ok=True)
    (out / "bgm").mkdir(parents=True, exist_ok=True)

    for name, fn in (("in", effects.invisibility_on), ("sm", effects.small_ball),
                     ("bi", effects.big_ball), ("over", effects.game_over)):
        data = fn()
        write_wav(out / "wav" / (name + ".wav"), data)
        print("wav/%s.wav  %.3f s" % (name, len(data) / SR))

    if not args.no_music:
        secs = make_music(out / "bgm" / "bgm5.mp3")
        print("bgm/bgm5.mp3  %.1f s" % secs)


if __name__ == "__main__":
    main()
