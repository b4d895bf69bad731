"""Mibbet's background tune: a cheerful chip-style adventure piece, about 191 s long.

Form (8-bar sections at 128 BPM, C major, then up a whole tone to D major):

    intro(4) A A' B A C B' A' bridge | A C B' A'' (in D) final chord(1)

Each section names its chords, its melody (written as note/length tokens on a
16th-note grid, one bar per '|'), the lead's pulse width, and the bass, arpeggio
and drum styles, so variety comes from recombining a steady groove.
"""

import numpy as np

from chipsynth import (SR, adsr, bit_noise, highpass_diff, midi_hz, pulse, secs,
                       sine, smooth, triangle, white)

BPM = 128
STEP = 60.0 / BPM / 4.0  # one 16th note in seconds

NOTE_PC = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
MAJOR = [0, 2, 4, 5, 7, 9, 11]

# ---------------------------------------------------------------- melodies

MEL_A1 = ("G4/2 C5/2 E5/2 G5/4 E5/2 C5/2 D5/2 | E5/4 C5/2 A4/2 -/2 A4/2 C5/2 E5/2 |"
          "F5/3 E5/1 F5/2 A5/4 G5/2 F5/2 E5/2 | D5/6 B4/2 G4/4 -/2 G4/2 |"
          "C5/2 E5/2 G5/2 C6/4 B5/2 A5/2 G5/2 | A5/4 E5/2 C5/2 -/2 E5/2 A5/2 G5/2 |"
          "F5/2 A5/2 C6/2 A5/2 G5/2 B5/2 D6/2 B5/2 | C6/6 G5/2 E5/2 C5/2 -/4")

MEL_A2 = ("G4/2 C5/2 E5/2 G5/4 E5/2 C5/2 D5/2 | E5/4 C5/2 A4/2 -/2 A4/2 C5/2 E5/2 |"
          "F5/3 E5/1 F5/2 A5/4 G5/2 F5/2 E5/2 | D5/6 B4/2 G4/4 -/2 G4/2 |"
          "C5/2 E5/2 G5/2 C6/4 B5/2 A5/2 G5/2 | A5/4 E5/2 C5/2 -/2 E5/2 A5/2 G5/2 |"
          "F5/2 E5/2 F5/2 A5/2 G5/3 F5/1 E5/2 D5/2 | C5/8 -/4 G4/2 B4/2")

MEL_B1 = ("A5/6 G5/2 F5/4 C5/4 | D5/2 G5/2 B5/6 A5/2 G5/4 | G5/6 E5/2 B4/4 E5/4 |"
          "C6/6 B5/2 A5/8 | F5/2 A5/2 D6/6 C6/2 A5/4 | B5/4 D6/4 G5/8 |"
          "G5/2 B5/2 E6/4 C6/2 A5/2 E5/4 | D6/4 C6/2 B5/2 A5/2 G5/2 F5/2 D5/2")

MEL_B2 = ("A5/6 G5/2 F5/4 C5/4 | D5/2 G5/2 B5/6 A5/2 G5/4 | G5/6 E5/2 B4/4 E5/4 |"
          "C6/2 B5/2 A5/2 E5/2 A5/4 C6/4 | F5/2 A5/2 D6/6 C6/2 A5/4 | B5/4 D6/4 G5/8 |"
          "G5/2 B5/2 E6/4 C6/2 A5/2 E5/4 | D6/2 -/2 D6/2 C6/2 B5/2 G5/2 A5/2 B5/2")

MEL_C = ("A4/3 C5/3 E5/2 A5/3 G5/3 E5/2 | F5/3 E5/3 C5/2 A4/4 C5/4 |"
         "B4/3 D5/3 G5/2 B5/3 A5/3 G5/2 | E5/8 -/4 B4/2 D5/2 |"
         "A4/3 C5/3 E5/2 A5/3 B5/3 C6/2 | A5/3 F5/3 C5/2 F5/4 A5/4 |"
         "D6/4 C6/2 A5/2 F5/4 D5/4 | E5/2 G#5/2 B5/2 E6/2 D6/2 B5/2 G#5/2 E5/2")

MEL_BRIDGE = ("C6/8 A5/8 | B5/8 D6/8 | E6/12 D6/4 | C6/16 |"
              "A5/8 F5/8 | G5/8 B5/8 | C6/8 D6/8 | C#6/4 E6/4 A5/4 E5/4")

MEL_OUTRO = "C5/2 E5/2 G5/2 C6/10"

# ---------------------------------------------------------------- chords

CH_A = [["C"], ["Am"], ["F"], ["G"], ["C"], ["Am"], ["F", "G"], ["C"]]
CH_B = [["F"], ["G"], ["Em"], ["Am"], ["Dm"], ["G"], ["Em", "Am"], ["Dm", "G"]]
CH_C = [["Am"], ["F"], ["G"], ["Em"], ["Am"], ["F"], ["Dm"], ["E"]]
CH_BRIDGE = [["F"], ["G"], ["Em"], ["Am"], ["Dm"], ["Em"], ["F", "G"], ["A7"]]
CH_INTRO = [["C"], ["Am"], ["F"], ["G"]]
CH_OUTRO = [["C"]]

# ---------------------------------------------------------------- patterns

# bass events per bar: (16th offset, length, chord tone) with r=root 3=third 5=fifth o=octave
BASS = {
    "octave": [(i * 2, 2, "r" if i % 2 == 0 else "o") for i in range(8)],
    "walk": [(0, 4, "r"), (4, 2, "5"), (6, 2, "o"), (8, 4, "r"), (12, 2, "5"), (14, 2, "3")],
    "synco": [(0, 3, "r"), (3, 3, "r"), (6, 2, "5"), (8, 3, "r"), (11, 3, "o"), (14, 2, "5")],
    "long": [(0, 6, "r"), (6, 2, "r"), (8, 8, "5")],
    "intro": [(0, 4, "r"), (6, 2, "r"), (8, 4, "r"), (14, 2, "5")],
    "end": [(0, 16, "r")],
    None: [],
}

# drums per bar: one 16-character row per voice; X loud, x normal, g ghost, o open hat
DRUMS = {
    "main": {"k": "X.......X.x.....", "s": "....X.......X...", "h": "x.g.x.g.x.g.x.o."},
    "main16": {"k": "X.......X.x.....", "s": "....X.......X..g", "h": "xgxgxgxgxgxgxgo."},
    "synco": {"k": "X.....X...X.....", "s": "....X.......X..g", "h": "xgxgxgxgxgxgxgxg"},
    "half": {"k": "X.........x.....", "s": "........X.......", "h": "x...x...x...x..."},
    "bridge": {"k": "X.......x.......", "h": "..g...g...g...g."},
    "hats": {"h": "x.g.x.g.x.g.x.g."},
    "fill": {"k": "X.......X.......", "s": "....X.......XxXX", "h": "x.g.x.g.x.g....."},
    "fill2": {"k": "X.......X.......", "s": "....X...x.x.XgXX", "h": "x.g.x.g........."},
    "roll": {"k": "X...X...X...X...", "s": "ggggxxxxxxxxXXXX"},
    "end": {"k": "X...............", "c": "X..............."},
    None: {},
}


def parse_chord(name, transpose):
    root = NOTE_PC[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        root += 1
        rest = rest[1:]
    minor = rest.startswith("m")
    tones = [0, 3, 7] if minor else [0, 4, 7]
    if rest.endswith("7"):
        tones = tones + [10]
    return (root + transpose) % 12, tones


def parse_melody(text, transpose):
    """Return [(step, length, midi or None)] and check every bar holds 16 steps."""
    out = []
    step = 0
    for b, bar in enumerate(text.split("|")):
        bar_len = 0
        for tok in bar.split():
            name, ln = tok.split("/")
            ln = int(ln)
            if name != "-":
                pc = NOTE_PC[name[0]]
                acc = name[1:-1]
                pc += acc.count("#") - acc.count("b")
                midi = 12 * (int(name[-1]) + 1) + pc + transpose
                out.append((step + bar_len, ln, midi))
            bar_len += ln
        assert bar_len == 16, "bar %d of melody holds %d steps" % (b + 1, bar_len)
        step += 16
    return out


def third_below(midi, key_pc):
    """Diatonic third under a melody note (chromatic notes get a minor third)."""
    rel = (midi - key_pc) % 12
    if rel not in MAJOR:
        return midi - 3
    i = MAJOR.index(rel)
    j = i - 2
    below = MAJOR[j % 7] - (12 if j < 0 else 0)
    return midi - (rel - below)


# ---------------------------------------------------------------- instruments

def lead_note(midi, gate, duty, vib_depth=0.22, release=0.07):
    n = int((gate + release) * SR)
    t = secs(n)
    ramp = np.clip((t - 0.16) / 0.2, 0.0, 1.0)
    f = midi_hz(midi) * 2.0 ** (vib_depth * ramp * np.sin(2 * np.pi * 5.6 * t) / 12.0)
    env = adsr(n, gate, a=0.004, d=0.14, s=0.62, r=release)
    return pulse(f, n, duty) * env


def bass_note(midi, gate, release=0.03):
    n = int((gate + release) * SR)
    f = midi_hz(midi)
    tone = triangle(f, n) + 0.22 * pulse(f, n, 0.5)
    env = adsr(n, gate, a=0.003, d=0.25, s=0.8, r=release)
    return tone * env


def arp_note(midi, length, duty=0.125, tau=0.07):
    n = int(length * SR)
    t = secs(n)
    env = np.minimum(1.0, t / 0.002) * np.exp(-t / tau)
    env[-int(0.004 * SR):] *= np.linspace(1, 0, int(0.004 * SR))
    return pulse(midi_hz(midi), n, duty) * env


def chip_chord(midis, length, rate=42.0, release=0.05):
    """The classic fast-cycling chord on one voice, for soft pads."""
    n = int(length * SR)
    n_all = n + int(release * SR)
    t = secs(n_all)
    idx = (t * rate).astype(int) % len(midis)
    f = midi_hz(np.asarray(midis))[idx]
    env = np.minimum(1.0, t / 0.03) * (0.75 + 0.25 * np.exp(-t / 0.3))
    tail = np.linspace(1.0, 0.0, n_all - n) ** 3  # smooth release after the chord ends
    env[n:] *= tail
    return pulse(f, n_all, 0.5) * env


def kick(vel):
    n = int(0.2 * SR)
    t = secs(n)
    f = 48.0 + 120.0 * np.exp(-t / 0.025)
    body = sine(f, n) * np.exp(-t / 0.09)
    click = bit_noise(n, 8000, 7) * np.exp(-t / 0.003) * 0.3
    return (body + click) * vel


_SNARE_NOISE = highpass_diff(bit_noise(int(0.2 * SR), 11000, 11))
_HAT_NOISE = highpass_diff(bit_noise(int(0.25 * SR), 22050, 13), 2)
_CRASH_NOISE = highpass_diff(white(int(1.4 * SR), 17), 1)


def snare(vel):
    n = len(_SNARE_NOISE)
    t = secs(n)
    noise = _SNARE_NOISE / np.max(np.abs(_SNARE_NOISE)) * np.exp(-t / 0.055)
    tone = sine(185.0 * (1 + 0.4 * np.exp(-t / 0.01)), n) * np.exp(-t / 0.04)
    return (0.8 * noise + 0.5 * tone) * vel


def hat(vel, open_=False):
    n = len(_HAT_NOISE) if open_ else int(0.06 * SR)
    t = secs(n)
    tau = 0.09 if open_ else 0.014
    x = _HAT_NOISE[:n] / np.max(np.abs(_HAT_NOISE))
    env = np.exp(-t / tau)
    env[-64:] *= np.linspace(1, 0, 64)
    return x * env * vel


def crash(vel):
    n = len(_CRASH_NOISE)
    t = secs(n)
    x = _CRASH_NOISE / np.max(np.abs(_CRASH_NOISE))
    env = np.exp(-t / 0.45) * np.minimum(1.0, t / 0.002)
    env[-256:] *= np.linspace(1, 0, 256)
    return x * env * vel


VEL = {"X": 1.0, "x": 0.75, "g": 0.35, "o": 0.7}

# ---------------------------------------------------------------- arrangement


def section(name, bars, chords, melody=None, key=0, duty=0.25, harm=False, octave=False,
            staccato=False, bass="octave", arp="up", drums="main", last="fill", crash=False,
            echo=0.28, first=None):
    return dict(name=name, bars=bars, chords=chords, melody=melody, key=key, duty=duty,
                harm=harm, octave=octave, staccato=staccato, bass=bass, arp=arp,
                drums=drums, last=last, crash=crash, echo=echo, first=first)


SECTIONS = [
    section("intro", 4, CH_INTRO, bass=None, arp="up", drums="hats", last="fill2", first="intro"),
    section("A", 8, CH_A, MEL_A1, crash=True),
    section("A'", 8, CH_A, MEL_A2, harm=True, arp="updown", drums="main16"),
    section("B", 8, CH_B, MEL_B1, duty=0.5, bass="walk", drums="half", arp="updown", last="fill2"),
    section("A", 8, CH_A, MEL_A1, octave=True, drums="main16", crash=True),
    section("C", 8, CH_C, MEL_C, duty=0.125, staccato=True, bass="synco", arp="stab",
            drums="synco", last="fill2"),
    section("B'", 8, CH_B, MEL_B2, duty=0.5, harm=True, bass="walk", arp="updown", crash=True),
    section("A'", 8, CH_A, MEL_A2, harm=True, drums="main16"),
    section("bridge", 8, CH_BRIDGE, MEL_BRIDGE, duty=0.5, bass="long", arp="pad",
            drums="bridge", last="roll", echo=0.42),
    section("A (D)", 8, CH_A, MEL_A1, key=2, harm=True, drums="main16", crash=True),
    section("C (D)", 8, CH_C, MEL_C, key=2, duty=0.125, staccato=True, bass="synco",
            arp="stab", drums="synco", last="fill2", octave=True),
    section("B' (D)", 8, CH_B, MEL_B2, key=2, duty=0.5, harm=True, bass="walk", arp="up",
            crash=True),
    section("A'' (D)", 8, CH_A, MEL_A2, key=2, harm=True, octave=True, arp="updown",
            drums="main16", crash=True, last="fill"),
    section("outro", 1, CH_OUTRO, MEL_OUTRO, key=2, duty=0.25, bass="end", arp="pad",
            drums="end", last=None, echo=0.35),
]


def total_steps():
    return sum(s["bars"] for s in SECTIONS) * 16


def render(stems=None):
    """Render the whole tune; returns an (N, 2) float array, peak not yet normalized.

    If `stems` is a dict, each mixed part is also stored in it (mono, after gain),
    which helps when balancing the mix.
    """
    n = int((total_steps() * STEP + 1.6) * SR)
    bus = {k: np.zeros(n) for k in ("lead", "harm", "oct", "bass", "arp", "pad",
                                   "kick", "snare", "hat", "crash")}
    echo_amt = np.zeros(n)  # echo send level, per section

    def at(step):
        return int(round(step * STEP * SR))

    def put(name, step, sig):
        s = at(step)
        e = min(n, s + len(sig))
        bus[name][s:e] += sig[: e - s]

    step0 = 0
    for sec in SECTIONS:
        key = sec["key"]
        sec_len = sec["bars"] * 16
        echo_amt[at(step0):at(step0 + sec_len)] = sec["echo"]

        # ---- chords: bass, arpeggio, pads
        for b, bar_chords in enumerate(sec["chords"]):
            per = 16 // len(bar_chords)
            for c, cname in enumerate(bar_chords):
                root, tones = parse_chord(cname, key)
                cstart = step0 + b * 16 + c * per
                bass_root = 36 + (root - 4) % 12 + 4  # E2..D#3
                tone_of = {"r": 0, "3": tones[1], "5": tones[2], "o": 12}
                style = sec["bass"]
                if sec["first"] == "intro" and b >= 1:
                    style = "intro"  # the bass joins in the intro's second bar
                for off, ln, which in BASS[style]:
                    if off < c * per or off >= (c + 1) * per:
                        continue
                    ln = min(ln, (c + 1) * per - off)
                    midi = bass_root + tone_of[which]
                    rel = 1.2 if sec["name"] == "outro" else 0.03
                    put("bass", step0 + b * 16 + off, bass_note(midi, ln * STEP * 0.85, rel))

                # chord tones around C4..C5 for the accompaniment
                arp_root = 55 + (root - 7) % 12  # G3..F#4
                chord = [arp_root + t for t in tones[:3]] + [arp_root + 12]
                if len(tones) > 3:
                    chord[3] = arp_root + tones[3]
                style = sec["arp"]
                if style in ("up", "updown"):
                    seq = chord if style == "up" else chord + chord[2:0:-1]
                    for k in range(per):
                        m = seq[k % len(seq)] + (12 if style == "up" and (k // 4) % 2 else 0)
                        vel = 1.0 if k % 4 == 0 else 0.7
                        put("arp", cstart + k, vel * arp_note(m, STEP * 0.98))
                elif style == "stab":
                    for k in range(2, per, 4):
                        for m in chord[:3]:
                            put("arp", cstart + k, 0.55 * arp_note(m + 12, STEP * 1.5, 0.25, 0.05))
                elif style == "pad":
                    rel = 1.2 if sec["name"] == "outro" else 0.05
                    put("pad", cstart, chip_chord([m + 12 for m in chord[:3]], per * STEP,
                                                  release=rel))

        # ---- melody
        if sec["melody"]:
            gate_k = 0.5 if sec["staccato"] else 0.9
            for st, ln, midi in parse_melody(sec["melody"], key):
                gate = ln * STEP * gate_k
                put("lead", step0 + st, lead_note(midi, gate, sec["duty"]))
                if sec["harm"]:
                    put("harm", step0 + st, lead_note(third_below(midi, key), gate, 0.5, 0.12))
                if sec["octave"]:
                    put("oct", step0 + st, lead_note(midi + 12, gate, 0.5, 0.1, 0.05))

        # ---- drums
        for b in range(sec["bars"]):
            if sec["name"] == "outro" and b > 0:
                break
            pat = DRUMS[sec["drums"]]
            if b == sec["bars"] - 1 and sec["last"]:
                pat = DRUMS[sec["last"]]
            if sec["drums"] == "bridge" and b == sec["bars"] - 2:
                pat = DRUMS["main"]
            if sec["name"] == "intro" and b == 2:
                pat = DRUMS["main"]
            for voice, row in pat.items():
                for k, ch in enumerate(row):
                    if ch == ".":
                        continue
                    st = step0 + b * 16 + k
                    v = VEL[ch]
                    if voice == "k":
                        put("kick", st, kick(v))
                    elif voice == "s":
                        put("snare", st, snare(v))
                    elif voice == "h":
                        put("hat", st, hat(v, ch == "o"))
                    elif voice == "c":
                        put("crash", st, crash(v))
        if sec["crash"]:
            put("crash", step0, crash(1.0))
        step0 += sec_len

    # ---- mix
    lead = smooth(bus["lead"])
    d = at(3)  # dotted-eighth echo
    echo_l = np.zeros(n)
    echo_r = np.zeros(n)
    src = lead * echo_amt
    for tap in range(1, 4):
        g = 0.55 ** (tap - 1)
        sh = np.zeros(n)
        sh[d * tap:] = src[: n - d * tap]
        if tap % 2:
            echo_r += g * sh
        else:
            echo_l += g * sh
    echo_l = smooth(smooth(echo_l))
    echo_r = smooth(smooth(echo_r))

    def pan(x, p):  # p in [-1, 1], constant power
        a = (p + 1.0) * np.pi / 4.0
        return x * np.cos(a), x * np.sin(a)

    parts = [
        (lead, 0.30, 0.0),
        (smooth(bus["harm"]), 0.13, 0.35),
        (smooth(bus["oct"]), 0.06, -0.3),
        (bus["bass"], 0.34, 0.0),
        (smooth(bus["arp"]), 0.16, -0.4),
        (smooth(bus["pad"]), 0.075, 0.3),
        (bus["kick"], 0.42, 0.0),
        (bus["snare"], 0.30, 0.05),
        (bus["hat"], 0.14, 0.25),
        (bus["crash"], 0.07, -0.15),
    ]
    left = np.zeros(n)
    right = np.zeros(n)
    for i, (x, g, p) in enumerate(parts):
        if stems is not None:
            stems[("lead", "harm", "oct", "bass", "arp", "pad", "kick", "snare", "hat",
                   "crash")[i]] = x * g
        l, r = pan(x * g, p)
        left += l
        right += r
    left += 0.30 * echo_l
    right += 0.30 * echo_r

    # let the final chord ring, then fade its tail to silence
    t = secs(n)
    t_fade = total_steps() * STEP - 0.3
    fade = np.clip((t[-1] - t) / (t[-1] - t_fade), 0.0, 1.0)
    return np.stack([left * fade, right * fade], axis=1)
