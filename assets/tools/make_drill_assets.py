#!/usr/bin/env python3
"""Draws the drill programs' pictures and icon and synthesises their two
feedback sounds. Run from anywhere; writes into assets/."""
import math
import os
import struct
import wave
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


class Canvas:
    def __init__(self, w, h, bg=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.px = [list(bg) for _ in range(w * h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            a = c[3] / 255.0 if len(c) > 3 else 1.0
            p = self.px[y * self.w + x]
            for i in range(3):
                p[i] = int(p[i] * (1 - a) + c[i] * a)
            p[3] = max(p[3], int(255 * a))

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.put(x, y, c)

    def ellipse(self, cx, cy, rx, ry, c):
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1.0:
                    self.put(x, y, c)

    def ring(self, cx, cy, r_out, r_in, c):
        for y in range(int(cy - r_out) - 1, int(cy + r_out) + 2):
            for x in range(int(cx - r_out) - 1, int(cx + r_out) + 2):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r_in <= d <= r_out:
                    self.put(x, y, c)

    def polygon(self, pts, c):
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            for x in range(int(min(xs)), int(max(xs)) + 1):
                px, py = x + 0.5, y + 0.5
                inside = False
                j = len(pts) - 1
                for i in range(len(pts)):
                    xi, yi = pts[i]
                    xj, yj = pts[j]
                    if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                        inside = not inside
                    j = i
                if inside:
                    self.put(x, y, c)

    def line(self, x0, y0, x1, y1, width, c):
        dx, dy = x1 - x0, y1 - y0
        n = math.hypot(dx, dy) or 1.0
        ox, oy = -dy / n * width / 2, dx / n * width / 2
        self.polygon([(x0 + ox, y0 + oy), (x1 + ox, y1 + oy), (x1 - ox, y1 - oy), (x0 - ox, y0 - oy)], c)

    def save(self, path):
        raw = b"".join(
            b"\x00" + bytes(v for p in self.px[y * self.w:(y + 1) * self.w] for v in p) for y in range(self.h)
        )

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
        with open(path, "wb") as f:
            f.write(png)


def chalkboard():
    c = Canvas(400, 300, (0, 0, 0, 255))
    c.rect(0, 0, 400, 300, (20, 20, 20, 255))          # black frame
    c.rect(10, 10, 390, 292, (40, 118, 66, 255))       # green board
    for i in range(60):                                # chalk dust
        x, y = (i * 97) % 360 + 20, (i * 53) % 250 + 20
        c.ellipse(x, y, 6 + i % 5, 2, (255, 255, 255, 18))
    c.rect(10, 286, 390, 292, (170, 120, 60, 255))     # chalk ledge, light enough for black and white captions
    # The texts of the windows lie over the middle of the board: the bell and
    # the apple keep to its left edge, the ruler, pencil and scissors to the ledge.
    def bell(ox, oy, k):
        t = lambda x, y: (ox + (x - 36) * k, oy + (y - 20) * k)
        c.polygon([t(40, 60), t(48, 32), t(62, 26), t(76, 32), t(84, 60)], (235, 190, 40, 255))
        c.polygon([t(36, 58), t(88, 58), t(88, 64), t(36, 64)], (210, 160, 30, 255))
        c.ellipse(*t(62, 68), 5 * k, 5 * k, (180, 130, 20, 255))
        c.ellipse(*t(62, 24), 4 * k, 4 * k, (210, 160, 30, 255))

    def apple(ox, oy, k):
        t = lambda x, y: (ox + (x - 324) * k, oy + (y - 22) * k)
        c.ellipse(*t(344, 52), 20 * k, 18 * k, (200, 30, 30, 255))
        c.ellipse(*t(336, 46), 6 * k, 5 * k, (240, 120, 120, 160))
        c.line(*t(344, 36), *t(347, 26), 3 * k, (100, 60, 20, 255))
        c.polygon([t(348, 30), t(362, 22), t(358, 34)], (60, 160, 50, 255))

    bell(16, 200, 0.6)
    apple(20, 236, 0.62)
    # ruler, lying on the ledge
    c.rect(100, 264, 212, 281, (240, 210, 120, 255))
    for i in range(14):
        x = 104 + i * 8
        length = 8 if i % 2 == 0 else 4
        c.line(x, 280, x, 280 - length, 1.5, (90, 60, 20, 255))
    # pencil, lying on the ledge
    c.rect(226, 270, 330, 282, (250, 200, 40, 255))
    c.rect(220, 270, 226, 282, (240, 140, 160, 255))
    c.polygon([(330, 270), (346, 276), (330, 282)], (230, 190, 140, 255))
    c.polygon([(341, 274), (346, 276), (341, 278)], (40, 40, 40, 255))
    # scissors, lying on the ledge, blades to the right
    c.line(358, 258, 386, 280, 2.5, (190, 190, 200, 255))
    c.line(358, 280, 386, 258, 2.5, (170, 170, 185, 255))
    c.ring(356, 259, 5, 3, (200, 40, 40, 255))
    c.ring(356, 280, 5, 3, (200, 40, 40, 255))
    c.ellipse(372, 269, 1.5, 1.5, (80, 80, 90, 255))
    return c


def button_strip():
    c = Canvas(800, 92, (0, 0, 0, 255))  # opaque: no window colour shows between the plaques
    # One plaque under each score caption (the grade, the questions, the wrong
    # and the right answers), each wide enough for its longest caption with a
    # three-digit count; the questions caption ends a little short of the
    # wrong answers' Left, at 340. Each plaque's shadow edge parts it from the next.
    for x0, x1 in ((40, 178), (178, 348), (348, 574), (574, 800)):
        c.rect(x0, 8, x1, 84, (120, 90, 50, 255))          # shadow edge
        c.rect(x0, 8, x1 - 3, 80, (255, 240, 200, 255))    # light edge
        c.rect(x0 + 4, 12, x1 - 3, 80, (235, 205, 150, 255))
    return c


def icon():
    c = Canvas(32, 32, (0, 0, 0, 0))
    c.ellipse(16, 16, 15, 15, (150, 10, 40, 255))
    c.ellipse(16, 16, 13, 13, (200, 20, 60, 255))
    c.rect(7, 15, 25, 18, (255, 255, 255, 255))
    c.ellipse(16, 9.5, 2.6, 2.6, (255, 255, 255, 255))
    c.ellipse(16, 23.5, 2.6, 2.6, (255, 255, 255, 255))
    return c


def tone(notes, rate=22050):
    """notes: (frequency, seconds, harmonic weight); each note fades in and out."""
    out = []
    for freq, secs, buzz in notes:
        n = int(rate * secs)
        for i in range(n):
            t = i / rate
            env = min(1.0, i / (0.01 * rate)) * (1.0 - i / n) ** 1.5
            v = math.sin(2 * math.pi * freq * t) + buzz * math.sin(2 * math.pi * 2 * freq * t)
            v += buzz * 0.5 * math.sin(2 * math.pi * 3 * freq * t)
            out.append(int(max(-1.0, min(1.0, 0.35 * env * v / (1 + buzz))) * 32767))
    return out


def save_wave(path, samples, rate=22050):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(b"".join(struct.pack("<h", s) for s in samples))


def main():
    chalkboard().save(os.path.join(ROOT, "pictures", "chalkboard.png"))
    button_strip().save(os.path.join(ROOT, "pictures", "buttonstrip.png"))
    icon().save(os.path.join(ROOT, "icons", "halvery.png"))
    save_wave(os.path.join(ROOT, "sound", "yes.wav"), tone([(784, 0.16, 0.1), (1047, 0.32, 0.1)]))
    save_wave(os.path.join(ROOT, "sound", "no.wav"), tone([(220, 0.22, 0.8), (165, 0.36, 0.8)]))


if __name__ == "__main__":
    main()
