#!/usr/bin/env python3
"""Generates the program's own sounds and drag cursor into a folder.

sonentree1.wav .. sonentree3.wav: short entry chimes; sireneincendie.wav: a wailing siren;
H_MOVE.CUR: a 32x32 monochrome four-way arrow cursor with its hot spot at the centre;
wardo.bmp: the start-up window's 64x64 picture, a blue disc with a white "W";
touche_alt.bmp, touche_ctrl.bmp, touche_gauche.bmp, touche_haut.bmp, touche_bas.bmp, touche_droite.bmp:
48x48 pictures of the keys that can take the microphone, a grey key cap with its label or arrow.
titre.bmp: the panel's title picture, a blue band with "WARDO"; fermer.bmp and reduire.bmp: its 16x16
close and minimise images.
Only the standard library is used, and the output is the same at every run.
"""
import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050


def write_wav(path, samples):
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767)))) for s in samples))


def chime(notes, note_seconds=0.16, decay=9.0, volume=0.55):
    """Notes one after another, each a sine with its octave, fading out; tails overlap a little."""
    total = int(RATE * (note_seconds * len(notes) + 0.35))
    out = [0.0] * total
    for i, freq in enumerate(notes):
        start = int(RATE * note_seconds * i)
        for n in range(total - start):
            t = n / RATE
            env = math.exp(-decay * t) * min(1.0, n / 80.0)
            out[start + n] += volume * env * (0.8 * math.sin(2 * math.pi * freq * t) +
                                              0.2 * math.sin(4 * math.pi * freq * t))
    peak = max(abs(s) for s in out) or 1.0
    return [s * min(1.0, 0.9 / peak) for s in out]


def siren(seconds=3.0, low=600.0, high=1250.0, cycle=1.0, volume=0.6):
    """A frequency rising and falling between two pitches, as a fire siren wails."""
    out = []
    phase = 0.0
    count = int(RATE * seconds)
    for n in range(count):
        t = n / RATE
        sweep = 0.5 - 0.5 * math.cos(2 * math.pi * t / cycle)
        freq = low + (high - low) * sweep
        phase += 2 * math.pi * freq / RATE
        edge = min(1.0, n / 400.0, (count - n) / 400.0)
        # a little square-ish timbre: fundamental with odd harmonics
        s = math.sin(phase) + math.sin(3 * phase) / 3 + math.sin(5 * phase) / 5
        out.append(volume * edge * s / 1.55)
    return out


def move_cursor_pixels():
    """32x32 grid: 'B' black, 'W' white, '.' transparent. A four-way arrow, black with a white rim."""
    size = 32
    black = set()
    c = 16
    # shaft of the cross
    for i in range(5, 28):
        for w in (-1, 0):
            black.add((c + w, i))
            black.add((i, c + w))
    # four arrow heads
    for k in range(5):
        for w in range(-k - 1, k + 1):
            black.add((c + w, 4 + k))      # up
            black.add((c + w, 27 - k))     # down
            black.add((4 + k, c + w))      # left
            black.add((27 - k, c + w))     # right
    grid = [["."] * size for _ in range(size)]
    for (x, y) in black:
        grid[y][x] = "B"
    for y in range(size):
        for x in range(size):
            if grid[y][x] == "." and any((x + dx, y + dy) in black
                                         for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                grid[y][x] = "W"
    return grid


def write_cursor(path, hotspot=(16, 16)):
    grid = move_cursor_pixels()
    size = len(grid)
    row_bytes = size // 8  # 32 pixels at one bit each: already a multiple of 4 bytes
    xor_rows, and_rows = [], []
    for y in reversed(range(size)):  # bottom-up rows
        xor_bits = and_bits = 0
        for x in range(size):
            cell = grid[y][x]
            bit = 1 << (size - 1 - x)
            if cell == "W":
                xor_bits |= bit
            elif cell == ".":
                and_bits |= bit
        xor_rows.append(xor_bits.to_bytes(row_bytes, "big"))
        and_rows.append(and_bits.to_bytes(row_bytes, "big"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<BBBB", 0, 0, 0, 0) + struct.pack("<BBBB", 255, 255, 255, 0)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    Path(path).write_bytes(directory + entry + image)


def logo_pixel(x, y, size=64):
    """(r, g, b) of the logo at (x, y), y from the top."""
    c = (size - 1) / 2
    d = math.hypot(x - c, y - c)
    if d > size / 2 - 1:
        return (240, 240, 240)
    # A "W": four strokes between five points across the middle of the disc.
    points = [(14, 18), (23, 46), (32, 26), (41, 46), (50, 18)]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        t = max(0.0, min(1.0, ((x - x0) * (x1 - x0) + (y - y0) * (y1 - y0)) / ((x1 - x0) ** 2 + (y1 - y0) ** 2)))
        if math.hypot(x - (x0 + t * (x1 - x0)), y - (y0 + t * (y1 - y0))) < 3.2:
            return (255, 255, 255)
    shade = int(60 * d / (size / 2))
    return (30 + shade, 80 + shade, 200)


def write_bmp(path, width, height, pixel):
    """A 24-bit BMP; pixel(x, y) gives (r, g, b) with y from the top."""
    pad = b"\0" * (-width * 3 % 4)
    rows = []
    for y in reversed(range(height)):  # bottom-up, as a BMP stores its rows
        row = (pixel(x, y) for x in range(width))
        rows.append(b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row) + pad)
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    Path(path).write_bytes(header + info + pixels)


def write_logo(path, size=64):
    write_bmp(path, size, size, lambda x, y: logo_pixel(x, y, size))


# Glyphs of the key labels and the title, 7 rows high, '#' ink.
GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "C": [".###", "#...", "#...", "#...", "#...", "#...", ".###"],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    "l": ["#.", "#.", "#.", "#.", "#.", "#.", ".#"],
    "r": ["....", "....", "#.##", "##..", "#...", "#...", "#..."],
    "t": [".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#"],
}


def text_ink(text, left, top, scale):
    """The set of inked pixels of a text whose first glyph's top-left corner is at (left, top)."""
    ink = set()
    for c in text:
        for row, line in enumerate(GLYPHS[c]):
            for col, cell in enumerate(line):
                if cell == "#":
                    for dx in range(scale):
                        for dy in range(scale):
                            ink.add((left + col * scale + dx, top + row * scale + dy))
        left += (len(GLYPHS[c][0]) + 1) * scale
    return ink


KEY_SIZE = 48
KEY_BACKGROUND = (240, 240, 240)
KEY_INK = (40, 40, 40)


def label_ink(text, scale=2):
    """The set of inked pixels of a label, centred on the key's top face."""
    width = sum(len(GLYPHS[c][0]) for c in text) + len(text) - 1
    left = (KEY_SIZE - width * scale) // 2
    top = (KEY_SIZE - 3 - 7 * scale) // 2
    return text_ink(text, left, top, scale)


def arrow_ink(direction):
    """A thick arrow pointing up, turned to the direction and centred on the key's top face."""
    up = set()
    c = KEY_SIZE // 2
    for y in range(10, 22):  # head: widens by one pixel on each side per row
        half = y - 10
        for x in range(c - half - 1, c + half + 1):
            up.add((x, y))
    for y in range(22, 34):
        for x in range(c - 3, c + 3):
            up.add((x, y))
    turn = {
        "haut": lambda x, y: (x, y),
        "bas": lambda x, y: (x, 43 - y),
        "gauche": lambda x, y: (y + 2, x - 2),
        "droite": lambda x, y: (45 - y, x - 2),
    }[direction]
    return {turn(x, y) for (x, y) in up}


def rounded(x, y, left, top, right, bottom, radius):
    """Whether (x, y) lies in the rectangle [left, right) x [top, bottom) with rounded corners."""
    if not (left <= x < right and top <= y < bottom):
        return False
    cx = min(max(x, left + radius), right - 1 - radius)
    cy = min(max(y, top + radius), bottom - 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def key_pixel(x, y, ink):
    if not rounded(x, y, 2, 2, KEY_SIZE - 2, KEY_SIZE - 2, 7):
        return KEY_BACKGROUND
    if not rounded(x, y, 3, 3, KEY_SIZE - 3, KEY_SIZE - 3, 6):
        return (90, 90, 90)  # rim
    if not rounded(x, y, 6, 5, KEY_SIZE - 6, KEY_SIZE - 9, 5):
        return (190, 190, 195)  # the cap's sides, darker at the bottom as seen from above
    if (x, y) in ink:
        return KEY_INK
    shade = int(12 * y / KEY_SIZE)
    return (236 - shade, 236 - shade, 240 - shade)


def write_key(path, ink):
    write_bmp(path, KEY_SIZE, KEY_SIZE, lambda x, y: key_pixel(x, y, ink))


def write_title(path, width=304, height=24, text="WARDO", scale=2):
    lit = text_ink(text, 8, (height - 7 * scale) // 2, scale)

    def pixel(x, y):
        if (x, y) in lit:
            return (255, 255, 255)
        t = x / (width - 1)
        return (int(20 + 60 * t), int(50 + 110 * t), int(140 + 100 * t))

    write_bmp(path, width, height, pixel)


def write_button(path, colour, mark, size=16):
    """A square button with a white mark: "x" for close, "_" for minimise."""
    def pixel(x, y):
        if x in (0, size - 1) or y in (0, size - 1):
            return (60, 60, 60)
        inside = 4 <= x <= 11 and 4 <= y <= 11
        if mark == "x" and inside and (abs(x - y) <= 1 or abs(x + y - 15) <= 1):
            return (255, 255, 255)
        if mark == "_" and 4 <= x <= 11 and 10 <= y <= 11:
            return (255, 255, 255)
        return colour

    write_bmp(path, size, size, pixel)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make-resources.py OUTPUT_FOLDER")
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write_wav(out / "sonentree1.wav", chime([880.0, 1318.5]))
    write_wav(out / "sonentree2.wav", chime([659.3, 830.6, 987.8]))
    write_wav(out / "sonentree3.wav", chime([1046.5, 784.0, 1046.5, 1568.0], note_seconds=0.12))
    write_wav(out / "sireneincendie.wav", siren())
    write_cursor(out / "H_MOVE.CUR")
    write_logo(out / "wardo.bmp")
    write_key(out / "touche_alt.bmp", label_ink("Alt"))
    write_key(out / "touche_ctrl.bmp", label_ink("Ctrl"))
    for direction in ("gauche", "haut", "bas", "droite"):
        write_key(out / f"touche_{direction}.bmp", arrow_ink(direction))
    write_title(out / "titre.bmp")
    write_button(out / "fermer.bmp", (200, 40, 40), "x")
    write_button(out / "reduire.bmp", (40, 80, 180), "_")


if __name__ == "__main__":
    main()
