"""Small numpy building blocks for Mibbet's chip-style sounds.

Oscillators (band-limited pulse via polyBLEP, stepped triangle, 1-bit noise),
envelopes, a state-variable filter for swept noise, and WAV output through the
standard `wave` module. Everything is deterministic: noise takes an explicit seed.
"""

import wave

import numpy as np

SR = 44100


def midi_hz(m):
    return 440.0 * 2.0 ** ((np.asarray(m, dtype=float) - 69.0) / 12.0)


def secs(n):
    return np.arange(n) / SR


# ---------------------------------------------------------------- oscillators

def _phase(freq, n):
    """Phase in [0, 1) and per-sample increment for a constant or varying freq."""
    f = np.broadcast_to(np.asarray(freq, dtype=float), (n,))
    inc = f / SR
    ph = np.cumsum(inc) - inc[0]
    return ph % 1.0, inc


def _blep(t, dt):
    """PolyBLEP correction (removes most of the aliasing of hard edges)."""
    out = np.zeros_like(t)
    m = t < dt
    x = t[m] / dt[m]
    out[m] = x + x - x * x - 1.0
    m = t > 1.0 - dt
    x = (t[m] - 1.0) / dt[m]
    out[m] = x * x + x + x + 1.0
    return out


def pulse(freq, n, duty=0.5):
    t, dt = _phase(freq, n)
    y = np.where(t < duty, 1.0, -1.0)
    y += _blep(t, dt)
    y -= _blep((t - duty) % 1.0, dt)
    return y - (2.0 * duty - 1.0)  # remove the DC of narrow pulses


def triangle(freq, n, steps=16):
    t, _ = _phase(freq, n)
    y = 4.0 * np.abs(t - 0.5) - 1.0
    if steps:
        # a stepped triangle gives the slightly buzzy "chip" bass colour
        y = np.round((y + 1.0) * (steps - 1) / 2.0) / ((steps - 1) / 2.0) - 1.0
    return y


def sine(freq, n, phase0=0.0):
    f = np.broadcast_to(np.asarray(freq, dtype=float), (n,))
    ph = np.cumsum(f) / SR - f[0] / SR + phase0
    return np.sin(2.0 * np.pi * ph)


def bit_noise(n, rate, seed):
    """1-bit sample-and-hold noise clocked at `rate` Hz (chip-style noise channel)."""
    rng = np.random.default_rng(seed)
    k = int(n * rate / SR) + 2
    vals = rng.choice([-1.0, 1.0], size=k)
    idx = (np.arange(n) * rate / SR).astype(int)
    return vals[idx]


def white(n, seed):
    return np.random.default_rng(seed).uniform(-1.0, 1.0, n)


def highpass_diff(x, times=1):
    for _ in range(times):
        x = np.diff(x, prepend=x[:1]) * 0.5
    return x


def smooth(x, taps=(0.25, 0.5, 0.25)):
    return np.convolve(x, np.asarray(taps), mode="same")


def svf_bandpass(x, fc, q=2.0):
    """Chamberlin state-variable band-pass with a per-sample cutoff array."""
    fc = np.broadcast_to(np.asarray(fc, dtype=float), x.shape)
    f = 2.0 * np.sin(np.pi * np.minimum(fc, SR / 6.0) / SR)
    damp = 1.0 / q
    low = band = 0.0
    out = np.empty_like(x)
    for i in range(len(x)):
        low += f[i] * band
        high = x[i] - low - damp * band
        band += f[i] * high
        out[i] = band
    return out


# ---------------------------------------------------------------- envelopes

def adsr(n, gate, a=0.005, d=0.1, s=0.7, r=0.05):
    """Linear attack, exponential decay to sustain, exponential release after `gate` seconds."""
    t = secs(n)
    env = np.where(t < a, t / max(a, 1e-6), 1.0)
    dec = s + (1.0 - s) * np.exp(-(t - a) / max(d, 1e-6))
    env = np.where(t < a, env, dec)
    g = int(gate * SR)
    if g < n:
        level = env[g - 1] if g > 0 else 0.0
        tt = t[g:] - gate
        env[g:] = level * np.exp(-tt / max(r / 4.0, 1e-6))
    return env


def fade_edges(x, fin=0.002, fout=0.01):
    """Short raised-cosine fades so a sound never starts or stops on a click."""
    x = x.copy()
    a = int(fin * SR)
    b = int(fout * SR)
    if a > 0:
        x[:a] *= 0.5 - 0.5 * np.cos(np.linspace(0, np.pi, a))
    if b > 0:
        x[-b:] *= 0.5 + 0.5 * np.cos(np.linspace(0, np.pi, b))
    return x


def add_at(buf, start, sig):
    """Mix `sig` into `buf` starting at sample `start` (clipped to the buffer)."""
    if start >= len(buf):
        return
    end = min(len(buf), start + len(sig))
    buf[start:end] += sig[: end - start]


# ---------------------------------------------------------------- output

def db_to_lin(db):
    return 10.0 ** (db / 20.0)


def normalize(x, peak_db):
    p = np.max(np.abs(x))
    return x if p == 0 else x * (db_to_lin(peak_db) / p)


def write_wav(path, data, sr=SR):
    """Write mono (1-D) or stereo (N x 2) float data in [-1, 1] as 16-bit PCM."""
    data = np.asarray(data, dtype=float)
    channels = 1 if data.ndim == 1 else data.shape[1]
    pcm = np.clip(np.round(data * 32767.0), -32768, 32767).astype("<i2")
    with wave.open(str(path), "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(sr)
        w.writeframes(pcm.tobytes())
