#!/usr/bin/env python3
"""Draws the Velmora icons and writes them as Windows .ico files.

Standard library only.  Run from anywhere:  python3 res/icons/make_icons.py
Every image is 32-bit BGRA (with alpha) plus a 1-bit AND mask, so both
LoadImage and ImageList accept them.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SS = 4  # sub-samples per axis for anti-aliased shapes


def rgb(hexstr, a=255):
    v = int(hexstr.lstrip('#'), 16)
    return (v >> 16 & 255, v >> 8 & 255, v & 255, a)


class Canvas:
    """A tiny RGBA canvas; (0,0) is top-left, coordinates are in pixels."""

    def __init__(self, size):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def blend(self, x, y, c, cover=1.0):
        if not (0 <= x < self.size and 0 <= y < self.size) or cover <= 0:
            return
        r, g, b, a = c
        sa = a / 255.0 * min(cover, 1.0)
        dr, dg, db, da = self.px[y][x]
        da /= 255.0
        oa = sa + da * (1 - sa)
        if oa <= 0:
            return
        mix = lambda s, d: round((s * sa + d * da * (1 - sa)) / oa)
        self.px[y][x] = (mix(r, dr), mix(g, dg), mix(b, db), round(oa * 255))

    def pixel(self, x, y, c):
        self.blend(x, y, c)

    def rect(self, x0, y0, x1, y1, c):
        """Filled rectangle, inclusive pixel bounds."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.blend(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        self.rect(x0, y0, x1, y0, c)
        self.rect(x0, y1, x1, y1, c)
        self.rect(x0, y0, x0, y1, c)
        self.rect(x1, y0, x1, y1, c)

    def hline(self, x0, x1, y, c):
        self.rect(x0, y, x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        """Plain 1-pixel line between pixel centres."""
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.blend(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def shape(self, inside, c):
        """Anti-aliased fill of every point p (continuous coords) with inside(x, y)."""
        for y in range(self.size):
            for x in range(self.size):
                hits = sum(inside(x + (i + .5) / SS, y + (j + .5) / SS)
                           for i in range(SS) for j in range(SS))
                self.blend(x, y, c, hits / (SS * SS))

    def circle(self, cx, cy, r, c):
        self.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, c)

    def polygon(self, pts, c):
        self.shape(lambda x, y: inside_poly(pts, x, y), c)


def inside_poly(pts, x, y):
    res = False
    for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            res = not res
    return res


# ---------------------------------------------------------------- colours
WHITE = rgb('ffffff')
GREY, LGREY, DGREY = rgb('9a9a9a'), rgb('d8d8d8'), rgb('666666')
BLUE, DBLUE, LBLUE = rgb('2f6fd6'), rgb('1b3f8c'), rgb('7fb0f0')
GREEN, DGREEN = rgb('2fb33a'), rgb('1a7a22')
YELLOW, DYELLOW = rgb('f6cf4a'), rgb('c49a18')
RED = rgb('d8402f')


# ---------------------------------------------------------------- icons
def app_icon(s):
    """Start-up manager: a window with a list and a green play button."""
    cv = Canvas(s)
    k = s / 32.0
    q = lambda v: int(round(v * k))
    # window
    cv.rect(0, q(2), q(26) - 1, q(24) - 1, DBLUE)
    cv.rect(1, q(2) + 1, q(26) - 2, q(24) - 2, WHITE)
    cv.rect(1, q(2) + 1, q(26) - 2, q(6), BLUE)
    # list rows: bullet + line
    rows = [9, 13, 17] if s == 32 else [6, 9]
    cols = [GREEN, YELLOW, RED]
    for i, y in enumerate(rows):
        if s == 32:
            cv.rect(3, y, 5, y + 2, cols[i])
            cv.rect(7, y + 1, 20, y + 1, GREY)
        else:
            cv.pixel(2, y, cols[i])
            cv.rect(4, y, 9, y, GREY)
    # play button, bottom-right
    cx, cy, r = (22.5, 22.5, 8.0) if s == 32 else (10.5, 10.5, 4.8)
    cv.circle(cx, cy, r + max(1.0 * k, 0.8), WHITE)
    cv.circle(cx, cy, r, DGREEN)
    cv.circle(cx, cy, r - 1.2 * k, GREEN)
    if s == 32:
        t = r * 0.55
        cv.polygon([(cx - t * 0.7, cy - t), (cx + t, cy), (cx - t * 0.7, cy + t)], WHITE)
    else:  # hand-placed pixels stay crisp at 16x16
        for i in range(3):
            cv.rect(9 + i, 8 + i, 9 + i, 13 - i, WHITE)
    return cv


def tab_info():
    cv = Canvas(16)
    cv.circle(8, 8, 7.8, DBLUE)
    cv.circle(8, 8, 6.8, BLUE)
    cv.rect(7, 3, 8, 4, WHITE)
    cv.rect(7, 6, 8, 12, WHITE)
    cv.pixel(6, 6, WHITE)
    cv.hline(6, 9, 12, WHITE)
    return cv


def block(cv, x, y, c, dark):
    """A 7x7 block with a light top edge and a dark right/bottom edge."""
    cv.rect(x, y, x + 6, y + 6, dark)
    cv.rect(x, y, x + 5, y + 5, c)
    cv.hline(x, x + 5, y, WHITE[:3] + (110,))
    cv.rect(x, y, x, y + 5, WHITE[:3] + (70,))


def tab_registry():
    cv = Canvas(16)
    block(cv, 4, 1, RED, rgb('8c2418'))
    block(cv, 0, 8, BLUE, DBLUE)
    block(cv, 8, 8, GREEN, DGREEN)
    return cv


def tab_autostart():
    cv = Canvas(16)
    cv.rect(0, 2, 6, 4, DYELLOW)            # tab
    cv.rect(1, 3, 5, 4, YELLOW)
    cv.rect(0, 4, 15, 14, DYELLOW)          # body
    cv.rect(1, 5, 14, 13, YELLOW)
    cv.hline(1, 14, 5, rgb('fbe79a'))
    # green arrow pointing right, bottom-right
    cv.rect(5, 9, 10, 12, DGREEN)
    cv.polygon([(9, 5), (16, 11), (9, 17)], DGREEN)
    cv.rect(6, 10, 10, 11, GREEN)
    cv.polygon([(10, 7.4), (14.3, 11), (10, 14.6)], GREEN)
    return cv


def tab_ini():
    cv = Canvas(16)
    cv.rect(1, 1, 14, 14, DGREY)
    cv.rect(2, 2, 13, 13, WHITE)
    cv.rect(2, 2, 13, 4, BLUE)
    for y in (6, 8, 10, 12):
        cv.hline(4, 11 if y != 10 else 8, y, GREY)
    return cv


def tab_batch():
    cv = Canvas(16)
    cv.rect(0, 1, 15, 14, DGREY)
    cv.rect(1, 2, 14, 3, rgb('5b87d8'))
    cv.rect(1, 4, 14, 13, rgb('111111'))
    cv.line(3, 6, 5, 8, WHITE)             # ">"
    cv.line(5, 8, 3, 10, WHITE)
    cv.hline(7, 10, 11, WHITE)             # "_"
    return cv


def tab_sys():
    cv = Canvas(16)
    cv.rect(2, 0, 13, 15, DGREY)
    cv.rect(3, 1, 12, 14, rgb('c8c8c8'))
    for y in (3, 5):
        cv.hline(5, 10, y, GREY)
    gear = ['#..##..#',
            '.######.',
            '.##..##.',
            '###..###',
            '###..###',
            '.##..##.',
            '.######.',
            '#..##..#']
    for y, row in enumerate(gear):
        for x, ch in enumerate(row):
            if ch == '#':
                cv.pixel(4 + x, 7 + y, rgb('4a4a4a'))
    return cv


def tab_backup():
    cv = Canvas(16)
    cv.rect(1, 1, 14, 14, DBLUE)                 # body
    cv.rect(2, 2, 13, 13, rgb('3560b0'))
    cv.pixel(14, 1, (0, 0, 0, 0))                # cut corner
    cv.pixel(13, 1, DBLUE)
    cv.pixel(14, 2, DBLUE)
    cv.rect(4, 1, 11, 5, LGREY)                  # metal shutter
    cv.rect(8, 2, 9, 4, DGREY)
    cv.rect(3, 8, 12, 14, WHITE)                 # label
    cv.hline(4, 11, 10, LBLUE)
    cv.hline(4, 11, 12, LBLUE)
    return cv


def tab_restart():
    cv = Canvas(16)
    cx, cy = 8, 8.5

    def arc(r0, r1):
        def inside(x, y):
            d = math.hypot(x - cx, y - cy)
            ang = math.degrees(math.atan2(y - cy, x - cx))  # 0 = right, -90 = up
            return r0 <= d <= r1 and not (-90 < ang < -30)
        return inside
    cv.shape(arc(3.2, 6.8), DGREEN)
    cv.shape(arc(4.0, 6.0), GREEN)
    # arrowhead at the top end of the ring, pointing right (clockwise)
    cv.polygon([(7.0, -0.2), (12.2, 3.5), (7.0, 7.2)], DGREEN)
    cv.polygon([(7.6, 1.1), (10.8, 3.5), (7.6, 5.9)], GREEN)
    return cv


# ---------------------------------------------------------------- ICO writer
def dib(cv):
    s = cv.size
    xor = bytearray()
    for row in reversed(cv.px):              # bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    stride = ((s + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(cv.px):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:                      # 1 = transparent
                bits[x >> 3] |= 0x80 >> (x & 7)
        mask += bits
    hdr = struct.pack('<IiiHHIIiiII', 40, s, 2 * s, 1, 32, 0,
                      len(xor) + len(mask), 0, 0, 0, 0)
    return hdr + xor + mask


def write_ico(name, canvases):
    images = [dib(cv) for cv in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for cv, img in zip(canvases, images):
        s = cv.size
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    out += b''.join(images)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(out)


def check_ico(name):
    data = open(os.path.join(HERE, name), 'rb').read()
    reserved, typ, count = struct.unpack_from('<HHH', data, 0)
    assert (reserved, typ) == (0, 1) and count > 0, name
    for i in range(count):
        w, h, _, _, planes, bpp, size, off = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        w, h = w or 256, h or 256
        hs, bw, bh, bp, bb, comp = struct.unpack_from('<IiiHHI', data, off)
        stride = ((w + 31) // 32) * 4
        assert (planes, bpp) == (1, 32), name
        assert (hs, bw, bh, bp, bb, comp) == (40, w, 2 * h, 1, 32, 0), name
        assert size == 40 + w * h * 4 + stride * h, name
        assert off + size <= len(data), name
    return count


ICONS = {
    'velmora.ico': lambda: [app_icon(32), app_icon(16)],
    'tab0_info.ico': lambda: [tab_info()],
    'tab1_registry.ico': lambda: [tab_registry()],
    'tab2_autostart.ico': lambda: [tab_autostart()],
    'tab3_ini.ico': lambda: [tab_ini()],
    'tab4_batch.ico': lambda: [tab_batch()],
    'tab5_sys.ico': lambda: [tab_sys()],
    'tab6_backup.ico': lambda: [tab_backup()],
    'tab7_restart.ico': lambda: [tab_restart()],
}

if __name__ == '__main__':
    for name, make in ICONS.items():
        write_ico(name, make())
        print('%-20s %d image(s) ok' % (name, check_ico(name)))
