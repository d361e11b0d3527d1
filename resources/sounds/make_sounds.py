#!/usr/bin/env python3
"""Generate Conteggo's two default sounds as 16-bit PCM mono WAV files.

    suono2.wav  periodic alarm: bright bell-like tone struck three times
                (about 1.2 s, peak -3 dBFS)
    suono1.wav  advance warning: soft two-note chime, lower and quieter
                (about 0.6 s, peak -10 dBFS)

Usage: python3 make_sounds.py [OUTPUT_DIR]   (default: this script's directory)

Only the standard library is used and no randomness is involved, so running
the script again produces byte-identical files.
"""

import math
import os
import struct
import sys
import wave

RATE = 22050  # samples per second


def db_to_gain(db):
    return 10.0 ** (db / 20.0)


def strike(buf, start_s, freq, partials, attack_s=0.004):
    """Add one struck tone to buf (a list of floats) starting at start_s.

    partials: (frequency ratio, relative amplitude, decay time constant in s).
    A short raised-cosine attack avoids a click at the onset.
    """
    start = int(round(start_s * RATE))
    attack = max(1, int(round(attack_s * RATE)))
    two_pi = 2.0 * math.pi
    for n in range(start, len(buf)):
        t = (n - start) / RATE
        v = 0.0
        for ratio, amp, tau in partials:
            v += amp * math.exp(-t / tau) * math.sin(two_pi * freq * ratio * t)
        k = n - start
        if k < attack:
            v *= 0.5 - 0.5 * math.cos(math.pi * k / attack)
        buf[n] += v


def finish(buf, peak_db, fade_out_s):
    """Fade out the tail, then scale so that the loudest sample hits peak_db."""
    fade = int(round(fade_out_s * RATE))
    total = len(buf)
    for i in range(fade):
        n = total - fade + i
        buf[n] *= 0.5 + 0.5 * math.cos(math.pi * (i + 1) / fade)
    peak = max(abs(v) for v in buf)
    gain = db_to_gain(peak_db) / peak
    return [v * gain for v in buf]


def write_wav(path, samples):
    frames = b"".join(
        struct.pack("<h", max(-32768, min(32767, int(round(v * 32767.0)))))
        for v in samples
    )
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def make_alarm():
    """Bright bell: 1318.5 Hz (E6) plus a few decaying overtones, struck 3x."""
    duration = 1.2
    buf = [0.0] * int(round(duration * RATE))
    bell = [
        (1.0, 1.00, 0.28),
        (2.0, 0.55, 0.16),
        (3.0, 0.30, 0.10),
        (4.2, 0.15, 0.06),  # slightly inharmonic partial gives a metallic edge
    ]
    for start in (0.0, 0.38, 0.76):
        strike(buf, start, 1318.5, bell)
    return finish(buf, peak_db=-3.0, fade_out_s=0.06)


def make_warning():
    """Gentle chime: G5 (784 Hz) then E5 (659.3 Hz), soft overtones."""
    duration = 0.6
    buf = [0.0] * int(round(duration * RATE))
    chime = [
        (1.0, 1.00, 0.20),
        (2.0, 0.18, 0.10),
        (3.0, 0.05, 0.06),
    ]
    strike(buf, 0.0, 784.0, chime, attack_s=0.008)
    strike(buf, 0.22, 659.3, chime, attack_s=0.008)
    return finish(buf, peak_db=-10.0, fade_out_s=0.08)


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(out_dir, exist_ok=True)
    write_wav(os.path.join(out_dir, "suono2.wav"), make_alarm())
    write_wav(os.path.join(out_dir, "suono1.wav"), make_warning())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
