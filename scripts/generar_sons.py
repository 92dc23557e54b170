#!/usr/bin/env python3
"""Makes the two feedback sounds of the program folder.

ok.wav: two short rising tones, a cheerful "right".
no_ok.wav: a low falling buzz, a gentle "wrong".
Both 22050 Hz, mono, 16-bit. Run from anywhere:
    python3 scripts/generar_sons.py [output folder, default data/]
The output is the same on every run, so the files can be kept in the
repository and regenerated to check them.
"""

import math
import pathlib
import struct
import sys
import wave

RATE = 22050


def envelope(i, n, attack=0.01, release=0.06):
    """Soft start and end, so the tones do not click."""
    t = i / RATE
    total = n / RATE
    if t < attack:
        return t / attack
    if t > total - release:
        return max(0.0, (total - t) / release)
    return 1.0


def tone(freq, seconds, volume=0.5, harmonics=(1.0, 0.3, 0.1)):
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        t = i / RATE
        v = sum(a * math.sin(2 * math.pi * freq * (k + 1) * t) for k, a in enumerate(harmonics))
        out.append(volume * envelope(i, n) * v / sum(harmonics))
    return out


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def buzz(f_start, f_end, seconds, volume=0.45):
    """A square-ish wave gliding down in pitch."""
    n = int(RATE * seconds)
    out = []
    phase = 0.0
    for i in range(n):
        f = f_start + (f_end - f_start) * i / n
        phase += 2 * math.pi * f / RATE
        s = math.sin(phase)
        v = math.copysign(abs(s) ** 0.3, s)  # rounded square: buzzy but not harsh
        out.append(volume * envelope(i, n, 0.01, 0.12) * v)
    return out


def write(path, samples):
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(
            struct.pack("<h", max(-32767, min(32767, round(s * 32767)))) for s in samples))


def main():
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parent.parent / "data"
    folder.mkdir(parents=True, exist_ok=True)
    write(folder / "ok.wav", tone(659.25, 0.16) + silence(0.04) + tone(987.77, 0.22))
    write(folder / "no_ok.wav", buzz(220.0, 110.0, 0.5))


if __name__ == "__main__":
    main()
