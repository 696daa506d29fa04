#!/usr/bin/env python3
"""Makes the program's own sound cues and icon (run once; the results are committed).

The four cues are short synthesised tones, written as 16-bit mono WAV:
  pinpon.wav     a two-tone door chime (Init, Help)
  endpinpon.wav  the same two tones falling (Exit)
  Chimes.wav     a bright rising triad (an experiment judged a success)
  Chimes2.wav    a lower, falling pair (a failure)
Each cue fades to silence over its last 20 ms, so that it never ends on a click.
The icon is a target ring with a hit and a miss, as PNG at every size a desktop asks
for (16 to 256 pixels), drawn from the same geometry with 4 x 4 supersampling.
"""
import math, os, struct, sys, wave, zlib

RATE = 22050

def tone(freq, seconds, volume=0.5, decay=5.0):
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        t = i / RATE
        env = math.exp(-decay * t) * min(1.0, i / (RATE * 0.005))
        s = math.sin(2 * math.pi * freq * t) + 0.3 * math.sin(4 * math.pi * freq * t)
        out.append(volume * env * s / 1.3)
    return out

def mix(*parts):
    n = max(len(p) for p in parts)
    return [sum(p[i] for p in parts if i < len(p)) for i in range(n)]

def delay(samples, seconds):
    return [0.0] * int(RATE * seconds) + samples

def fade_out(samples, seconds=0.02):
    n = min(len(samples), int(RATE * seconds))
    return samples[:len(samples) - n] + [s * (n - 1 - i) / n for i, s in enumerate(samples[len(samples) - n:])]

def write_wav(path, samples):
    samples = fade_out(samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 32000)) for s in samples))

def png(path, size, pixel):
    raw = b""
    for y in range(size):
        raw += b"\0" + b"".join(bytes(pixel(x, y)) for x in range(size))
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xffffffff)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    open(path, "wb").write(data)

ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

def icon_colour(x, y):
    """The icon at a point of its 32 x 32 design grid."""
    cx = cy = 15.5
    d = math.hypot(x - cx, y - cy)
    if d > 15.5:
        return (0, 0, 0, 0)
    if math.hypot(x - 13.5, y - 14.5) < 2.6:
        return (0, 0, 255, 255)     # a hit, light blue as on the plot
    if math.hypot(x - 23.5, y - 22.5) < 2.3:
        return (255, 0, 0, 255)     # a miss
    if abs(d - 13) < 1.2 or abs(d - 7.5) < 1.2:
        return (40, 40, 40, 255)
    return (255, 192, 255, 255)    # the title's pink

def icon_pixel(size):
    """A pixel of the icon at size, averaged over 4 x 4 samples (32 at size 32, as before)."""
    def pixel(x, y):
        if size == 32:
            return icon_colour(x, y)
        samples = [icon_colour((x + (i + 0.5) / 4) * 32 / size - 0.5, (y + (j + 0.5) / 4) * 32 / size - 0.5)
                   for i in range(4) for j in range(4)]
        alpha = sum(c[3] for c in samples)
        if alpha == 0:
            return (0, 0, 0, 0)
        return tuple(round(sum(c[k] * c[3] for c in samples) / alpha) for k in range(3)) + (round(alpha / 16),)
    return pixel

def main(root):
    cues = os.path.join(root, "resources", "cues")
    icons = os.path.join(root, "resources", "icons")
    os.makedirs(cues, exist_ok=True)
    os.makedirs(icons, exist_ok=True)
    write_wav(os.path.join(cues, "pinpon.wav"), mix(tone(988, 0.45), delay(tone(784, 0.7), 0.3)))
    write_wav(os.path.join(cues, "endpinpon.wav"),
              mix(tone(784, 0.4), delay(tone(659, 0.4), 0.25), delay(tone(523, 0.8), 0.5)))
    write_wav(os.path.join(cues, "Chimes.wav"),
              mix(tone(1047, 0.5, 0.4), delay(tone(1319, 0.5, 0.4), 0.08), delay(tone(1568, 0.6, 0.4), 0.16)))
    write_wav(os.path.join(cues, "Chimes2.wav"),
              mix(tone(440, 0.4, 0.45, 7), delay(tone(349, 0.6, 0.45, 6), 0.15)))
    for size in ICON_SIZES:
        png(os.path.join(icons, "shootalot-%d.png" % size), size, icon_pixel(size))

if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
