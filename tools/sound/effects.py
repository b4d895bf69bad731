"""Mibbet's four sound effects, each a pure function returning mono float samples."""

import numpy as np

from chipsynth import (SR, adsr, fade_edges, midi_hz, normalize,
                       pulse, secs, sine, svf_bandpass, triangle, white)


def _bell(freq, n, tau, bright=0.35):
    """Soft bell: sine plus a quieter inharmonic partial that dies faster."""
    t = secs(n)
    body = sine(freq, n) * np.exp(-t / tau)
    shine = sine(freq * 2.76, n, 0.25) * np.exp(-t / (tau * 0.35)) * bright
    att = np.minimum(1.0, t / 0.002)
    return (body + shine) * att


def invisibility_on():
    """A shimmering fade-out: sparkles drifting downward over an airy, rising whoosh,
    with a trembling chord that bends down and evaporates."""
    dur = 0.8
    n = int(dur * SR)
    t = secs(n)
    out = np.zeros(n)

    # trembling chord (Cmaj7-ish, detuned pairs) bending a whole tone down as it fades
    bend = 2.0 ** (-2.0 * (t / dur) ** 1.5 / 12.0)
    trem = 0.6 + 0.4 * np.sin(2 * np.pi * 14.0 * t)
    swell = np.minimum(1.0, t / 0.06) * np.exp(-t / 0.28)
    for m in (72, 76, 79, 83):
        f = midi_hz(m) * bend
        out += 0.18 * (sine(f * 1.003, n) + sine(f * 0.997, n, 0.3)) * trem * swell

    # sparkles: a falling arpeggio of little bells, getting softer
    notes = [100, 98, 95, 91, 88, 86, 83, 79, 76, 74, 71]
    for i, m in enumerate(notes):
        start = int((0.02 + i * 0.055) * SR)
        ln = min(int(0.22 * SR), n - start)
        if ln <= 0:
            break
        gain = 0.32 * (1.0 - i / (len(notes) + 1.0))
        out[start:start + ln] += gain * _bell(midi_hz(m), ln, 0.07)

    # whoosh: band-passed noise whose centre sweeps up, as if blown away
    noise = white(n, seed=31)
    fc = 500.0 * (9000.0 / 500.0) ** (t / dur)
    whoosh = svf_bandpass(noise, fc, q=3.0)
    wenv = np.sin(np.pi * np.minimum(1.0, t / dur)) ** 2 * np.exp(-t / 0.45)
    out += 0.5 * whoosh * wenv / (np.max(np.abs(whoosh)) + 1e-9)

    return normalize(fade_edges(out, 0.003, 0.08), -3.0)


def small_ball():
    """A short, round blip: a sine with a tiny upward chirp and a soft octave."""
    dur = 0.075
    n = int(dur * SR)
    t = secs(n)
    f = 1046.5 * (1.0 + 0.12 * (1.0 - np.exp(-t / 0.008)))  # C6 nudging up a whole tone
    tone = sine(f, n) + 0.18 * sine(2.0 * f, n, 0.25) + 0.06 * triangle(f, n, steps=0)
    env = np.minimum(1.0, t / 0.002) * np.exp(-t / 0.022)
    out = fade_edges(tone * env, 0.001, 0.02)
    return normalize(out, -4.0)


def big_ball():
    """A bright rising three-note chime (G5, C6, E6) with a glint on top."""
    dur = 0.42
    n = int(dur * SR)
    out = np.zeros(n)
    hits = [(79, 0.000, 0.55), (84, 0.065, 0.7), (88, 0.130, 1.0)]
    for m, start_s, gain in hits:
        start = int(start_s * SR)
        ln = n - start
        t = secs(ln)
        f = midi_hz(m)
        chip = pulse(f, ln, 0.25) * 0.22
        chip = np.convolve(chip, [0.25, 0.5, 0.25], mode="same")
        tau = 0.05 if m != 88 else 0.13
        body = _bell(f, ln, tau * 1.6, bright=0.3) + chip * np.exp(-t / tau)
        out[start:] += gain * body
    # a faint octave glint on the last note
    start = int(0.13 * SR)
    ln = n - start
    out[start:] += 0.18 * _bell(midi_hz(100), ln, 0.06, bright=0.1)
    return normalize(fade_edges(out, 0.001, 0.06), -3.0)


def game_over():
    """A sad little phrase in A minor falling to a held, drooping A, over a slow bass."""
    bpm_step = 0.2
    dur = 2.2
    n = int(dur * SR)
    out = np.zeros(n)
    # (midi, start in steps, length in steps)
    melody = [(76, 0, 1), (74, 1, 1), (72, 2, 1.5), (71, 3.5, 1.5), (69, 5, 5)]
    for i, (m, st, ln_steps) in enumerate(melody):
        start = int(st * bpm_step * SR)
        gate = ln_steps * bpm_step * 0.9
        ln = min(n - start, int((gate + 0.25) * SR))
        t = secs(ln)
        f = np.full(ln, midi_hz(m))
        if i == len(melody) - 1:
            vib = 0.22 * np.sin(2 * np.pi * 5.0 * t) * np.minimum(1.0, t / 0.4)
            droop = -0.7 * np.clip((t - 0.5) / 0.5, 0.0, 1.0) ** 2
            f = f * 2.0 ** ((vib + droop) / 12.0)
            env = adsr(ln, gate, a=0.01, d=0.3, s=0.75, r=0.25)
            env *= np.clip(1.0 - (t - 0.3) / 0.75, 0.0, 1.0) ** 0.7
        else:
            env = adsr(ln, gate, a=0.008, d=0.12, s=0.7, r=0.08)
        tone = pulse(f, ln, 0.5) * 0.6 + sine(f, ln) * 0.5
        tone = np.convolve(tone, np.ones(5) / 5.0, mode="same")  # mellow it
        out[start:start + ln] += 0.5 * tone * env

    bass = [(57, 0, 2), (53, 2, 1.5), (52, 3.5, 1.5), (45, 5, 5)]
    for m, st, ln_steps in bass:
        start = int(st * bpm_step * SR)
        gate = ln_steps * bpm_step * 0.95
        ln = min(n - start, int((gate + 0.2) * SR))
        env = adsr(ln, gate, a=0.006, d=0.4, s=0.6, r=0.2)
        if m == 45:
            env *= np.clip(1.0 - secs(ln) / 1.1, 0.0, 1.0)
        out[start:start + ln] += 0.45 * triangle(midi_hz(m), ln) * env
    return normalize(fade_edges(out, 0.003, 0.1), -3.0)
