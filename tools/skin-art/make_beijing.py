#!/usr/bin/env python3
"""Draws every image of the default skin "Beijing" and writes them, with
nothing but the standard library (zlib and struct for PNG and BMP), into the
skin folder. The one JPEG (the silk texture of the window background) is
written as a PNG first and turned into JPEG by ImageMagick's `convert`.

The look: imperial red lacquer and gold on warm ivory, with jade for
progress and focus. Key-colour (magenta) pixels make holes that are all or
nothing, so the corners of the window frame, the hint and the master-bitmap
pieces are cut in steps. The push and title buttons have soft edges: their
PNG images hold the picture over a grey mask band (the painter composes
through it) with key-colour pixels where nothing shows. Glows and shadows
carry real alpha.

Usage: make_beijing.py SKIN_FOLDER
Running it again gives the same bytes, so the committed images can be
checked against it.
"""
import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib

KEY = (255, 0, 255)

# The palette.
LACQUER = (176, 30, 34)
LACQUER_DARK = (112, 14, 18)
LACQUER_LIGHT = (214, 70, 58)
GOLD = (214, 170, 74)
GOLD_LIGHT = (246, 218, 140)
GOLD_DARK = (140, 98, 34)
IVORY = (250, 244, 228)
IVORY_DARK = (228, 214, 184)
JADE = (44, 140, 104)
JADE_LIGHT = (130, 204, 166)
JADE_DARK = (20, 88, 64)
INK = (44, 26, 20)
GREY = (160, 150, 136)


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


class Canvas:
    """An RGBA picture; colours are (r, g, b) or (r, g, b, a)."""

    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width, self.height = width, height
        fill = fill if len(fill) == 4 else fill + (255,)
        self.pixels = [list(fill) for _ in range(width * height)]

    def get(self, x, y):
        return tuple(self.pixels[y * self.width + x])

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = list(colour if len(colour) == 4 else colour + (255,))

    def blend(self, x, y, colour, alpha):
        """Paints `colour` over the pixel with coverage `alpha` (0..1)."""
        if not (0 <= x < self.width and 0 <= y < self.height) or alpha <= 0:
            return
        r, g, b, a = self.pixels[y * self.width + x]
        src_a = alpha * (colour[3] / 255 if len(colour) == 4 else 1)
        out_a = src_a + a / 255 * (1 - src_a)
        if out_a <= 0:
            return
        def channel(s, d):
            return int(round((s * src_a + d * a / 255 * (1 - src_a)) / out_a))
        self.pixels[y * self.width + x] = [channel(colour[0], r), channel(colour[1], g),
                                           channel(colour[2], b), int(round(out_a * 255))]

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.set(x, y, colour)

    def vgradient(self, x0, y0, x1, y1, top, bottom):
        for y in range(y0, y1):
            t = (y - y0) / max(1, y1 - y0 - 1)
            self.rect(x0, y, x1, y + 1, mix(top, bottom, t))

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0 + 1, colour)
        self.rect(x0, y1 - 1, x1, y1, colour)
        self.rect(x0, y0, x0 + 1, y1, colour)
        self.rect(x1 - 1, y0, x1, y1, colour)

    def blit(self, src, dx, dy):
        for y in range(src.height):
            for x in range(src.width):
                self.set(dx + x, dy + y, src.get(x, y))

    def line(self, x0, y0, x1, y1, colour, width=1.0):
        """An anti-aliased thick segment (coverage by distance)."""
        minx, maxx = int(min(x0, x1) - width - 1), int(max(x0, x1) + width + 2)
        miny, maxy = int(min(y0, y1) - width - 1), int(max(y0, y1) + width + 2)
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1
        for y in range(miny, maxy):
            for x in range(minx, maxx):
                px, py = x + 0.5, y + 0.5
                t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length2))
                d = math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))
                self.blend(x, y, colour, max(0.0, min(1.0, width / 2 + 0.5 - d)))


def cut_corners(canvas, x0, y0, x1, y1, steps, colour=KEY, top=True, bottom=True):
    """Stepped rounded corners: whole key-colour pixels, widest at the edge."""
    for i, depth in enumerate(steps):
        rows = []
        if top:
            rows.append(y0 + i)
        if bottom:
            rows.append(y1 - 1 - i)
        for y in rows:
            canvas.rect(x0, y, x0 + depth, y + 1, colour)
            canvas.rect(x1 - depth, y, x1, y + 1, colour)


def soft_rounded(canvas, x0, y0, x1, y1, radius, colour_at):
    """A rounded rectangle with anti-aliased edges; `colour_at(x, y)` fills it."""
    for y in range(y0, y1):
        for x in range(x0, x1):
            cx = min(max(x + 0.5, x0 + radius), x1 - radius)
            cy = min(max(y + 0.5, y0 + radius), y1 - radius)
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            coverage = max(0.0, min(1.0, radius - d + 0.5))
            canvas.blend(x, y, colour_at(x, y), coverage)


# Encoders --------------------------------------------------------------------

def png_bytes(canvas, alpha=True):
    """8-bit RGBA (colour type 6), or RGB (colour type 2) without alpha."""
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for x in range(canvas.width):
            raw.extend(canvas.get(x, y)[:4 if alpha else 3])

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def with_grey_mask_band(image):
    """An image with soft edges over its grey mask band, for the masked
    skin images: the mask is 255 minus the alpha (black opaque, white
    transparent), and fully transparent pixels become the key colour, so
    that a painter shows what lies behind them exactly."""
    out = Canvas(image.width, image.height * 2)
    for y in range(image.height):
        for x in range(image.width):
            r, g, b, a = image.get(x, y)
            out.set(x, y, KEY if a == 0 else (r, g, b))
            out.set(x, image.height + y, (255 - a,) * 3)
    return out


def bmp_bytes(canvas):
    """24-bit bottom-up BMP; transparent pixels become the key colour."""
    row_size = (canvas.width * 3 + 3) & ~3
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b, a = canvas.get(x, y)
            if a < 128:
                r, g, b = KEY
            row.extend((b, g, r))
        row.extend(b"\0" * (row_size - len(row)))
        data.extend(row)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    return header + info + bytes(data)


# Pieces of the skin ------------------------------------------------------------

def title_glyph(kind, state, width, height, small=False):
    """A caption button: lacquer tile with a gold rim; hot glows, pressed sinks."""
    c = Canvas(width, height, KEY)
    inset = 1 if small else 2
    base = {0: (LACQUER, LACQUER_DARK), 1: (LACQUER_LIGHT, LACQUER), 2: (LACQUER_DARK, LACQUER)}[state]
    if kind == "close" and state == 1:
        base = ((226, 60, 44), (150, 20, 20))
    c.vgradient(inset, inset, width - inset, height - inset, base[0], base[1])
    c.frame(inset, inset, width - inset, height - inset, GOLD_DARK if state == 2 else GOLD)
    cut_corners(c, inset, inset, width - inset, height - inset, [1])
    cut_corners(c, 0, 0, width, height, [inset + 1] * inset)
    ink = GOLD_LIGHT if state else (248, 232, 190)
    cx, cy = width / 2 + (0.5 if state == 2 else 0), height / 2 + (0.5 if state == 2 else 0)
    s = 3 if small else 4.5
    w = 1.4 if small else 1.8
    if kind == "close":
        c.line(cx - s, cy - s, cx + s, cy + s, ink, w)
        c.line(cx - s, cy + s, cx + s, cy - s, ink, w)
    elif kind == "min":
        c.line(cx - s, cy + s - 1, cx + s, cy + s - 1, ink, w + 0.4)
    elif kind == "max":
        c.line(cx - s, cy - s, cx + s, cy - s, ink, w + 0.6)
        for a, b in (((cx - s, cy - s), (cx - s, cy + s)), ((cx + s, cy - s), (cx + s, cy + s)),
                     ((cx - s, cy + s), (cx + s, cy + s))):
            c.line(a[0], a[1], b[0], b[1], ink, w * 0.7)
    elif kind == "norm":
        o = s * 0.45
        c.line(cx - s + o, cy - s, cx + s, cy - s, ink, w * 0.8)
        c.line(cx + s, cy - s, cx + s, cy + s - o, ink, w * 0.8)
        c.line(cx - s, cy - s + o, cx + s - o, cy - s + o, ink, w)
        c.line(cx - s, cy - s + o, cx - s, cy + s, ink, w * 0.7)
        c.line(cx + s - o, cy - s + o, cx + s - o, cy + s, ink, w * 0.7)
        c.line(cx - s, cy + s, cx + s - o, cy + s, ink, w * 0.7)
    elif kind == "help":
        for i in range(10):
            a0, a1 = math.pi * (1.1 - i * 0.13), math.pi * (1.1 - (i + 1) * 0.13)
            r = s * 0.75
            c.line(cx + r * math.cos(a0), cy - s * 0.35 + r * math.sin(a0) * -1,
                   cx + r * math.cos(a1), cy - s * 0.35 + r * math.sin(a1) * -1, ink, w * 0.8)
        c.line(cx, cy + s * 0.2, cx, cy + s * 0.45, ink, w * 0.8)
        c.line(cx, cy + s * 0.95, cx, cy + s, ink, w)
    # Hard edges only: this lives in the master bitmap, which has no alpha.
    for i, p in enumerate(c.pixels):
        if p[3] < 255 and p[:3] != list(KEY):
            c.pixels[i] = [*mix(tuple(base[0]), tuple(p[:3]), p[3] / 255), 255]
    return c


def hard_edged(c, ground):
    """Soft pixels mixed onto the ground they will lie on: the master bitmap has no alpha."""
    for i, p in enumerate(c.pixels):
        if p[3] < 255 and p[:3] != list(KEY):
            if p[3] == 0:
                c.pixels[i] = [*KEY, 255]
            else:
                c.pixels[i] = [*mix(tuple(ground), tuple(p[:3]), p[3] / 255), 255]
    return c


def menu_check(state, radio):
    """Menu check mark (a brush stroke) or radio mark (a lacquer bead), 16 x 16; hot items gold."""
    c = Canvas(16, 16, KEY)
    ground = GOLD_LIGHT if state else (254, 250, 238)
    ink = LACQUER_DARK if state else LACQUER
    if radio:
        soft_rounded(c, 4, 4, 12, 12, 4, lambda x, y: GOLD_DARK)
        soft_rounded(c, 5, 5, 11, 11, 3, lambda x, y: mix(ink, LACQUER_LIGHT, max(0, 1 - y / 9)))
        c.set(7, 6, GOLD_LIGHT + (200,))
    else:
        c.line(3.5, 8.5, 6.5, 11.5, ink, 2.2)
        c.line(6.5, 11.5, 12.5, 4.0, ink, 2.2)
    return hard_edged(c, ground)


def small_speed_button(state):
    """Small speed-button frame behind a checked menu glyph: normal, hot, pressed."""
    top, bottom, rim = [(IVORY, IVORY_DARK, GOLD), (GOLD_LIGHT, GOLD, GOLD_DARK),
                        (IVORY_DARK, (240, 230, 206), LACQUER)][state]
    c = bordered_box(16, 16, top, bottom, rim, [1])
    return c


def strip(frames):
    width = sum(f.width for f in frames)
    out = Canvas(width, frames[0].height, KEY)
    x = 0
    for f in frames:
        out.blit(f, x, 0)
        x += f.width
    return out


def form_border(active):
    """Window frame: lacquer with a gold inner line; stepped top corners."""
    c = Canvas(24, 24, IVORY)
    outer = LACQUER_DARK if active else (120, 96, 88)
    body = LACQUER if active else (168, 140, 128)
    c.rect(0, 0, 24, 24, body)
    c.frame(0, 0, 24, 24, outer)
    c.frame(5, 5, 19, 19, GOLD if active else GOLD_DARK)
    c.rect(6, 6, 18, 18, KEY)  # the client area is not part of the frame
    cut_corners(c, 0, 0, 24, 24, [3, 1, 1], bottom=False)
    return c


def title_band(active):
    """Caption band: lacquer gradient, gold rule at the foot; 30 rows."""
    c = Canvas(24, 30)
    top, bottom = (LACQUER_LIGHT, LACQUER_DARK) if active else ((190, 160, 148), (150, 122, 110))
    c.vgradient(0, 0, 24, 30, top, bottom)
    c.rect(0, 27, 24, 28, GOLD if active else GOLD_DARK)
    c.rect(0, 28, 24, 30, LACQUER_DARK if active else (120, 96, 88))
    c.rect(0, 0, 24, 1, GOLD_LIGHT if active else IVORY_DARK)
    cut_corners(c, 0, 0, 24, 30, [3, 1, 1], bottom=False)
    return c


def bordered_box(w, h, fill_top, fill_bottom, rim, steps=()):
    c = Canvas(w, h)
    c.vgradient(0, 0, w, h, fill_top, fill_bottom)
    c.frame(0, 0, w, h, rim)
    if steps:
        cut_corners(c, 0, 0, w, h, steps)
    return c


def lattice_texture(size, paper, line):
    """The pattern of a carved window lattice: interlocking squares."""
    c = Canvas(size, size, paper)
    q = size // 4
    for k in range(0, size, q):
        c.rect(k, 0, k + 1, size, mix(paper, line, 0.35))
        c.rect(0, k, size, k + 1, mix(paper, line, 0.35))
    for k in range(q // 2, size, q * 2):
        c.frame(k, k, k + q, k + q, mix(paper, line, 0.6))
        c.frame(size - k - q, k, size - k, k + q, mix(paper, line, 0.6))
    return c


def progress_bar(w, h, vertical):
    c = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            t = (x / (w - 1)) if vertical else (y / (h - 1))
            shine = 1 - abs(t - 0.3) * 1.6
            c.set(x, y, mix(JADE_DARK, JADE_LIGHT, max(0.0, min(1.0, shine))))
    c.frame(0, 0, w, h, JADE_DARK)
    return c


def with_mask_band(image):
    """An image over its mask band: black where the image shows, white where
    it is transparent (the key colour), as the bordered BMP form expects."""
    out = Canvas(image.width, image.height * 2)
    out.blit(image, 0, 0)
    for y in range(image.height):
        for x in range(image.width):
            p = image.get(x, y)
            hole = p[:3] == KEY or p[3] < 128
            out.set(x, image.height + y, (255, 255, 255) if hole else (0, 0, 0))
    return out


def huge_button(state):
    c = Canvas(40, 40, KEY)
    tops = [(LACQUER_LIGHT, LACQUER), ((232, 92, 70), LACQUER_LIGHT), (LACQUER_DARK, LACQUER)]
    c.vgradient(0, 0, 40, 40, *tops[state])
    c.frame(0, 0, 40, 40, GOLD_DARK)
    c.frame(2, 2, 38, 38, GOLD_LIGHT if state == 1 else GOLD)
    cut_corners(c, 0, 0, 40, 40, [3, 2, 1])
    return c


def gauge_face(state):
    c = Canvas(24, 24, KEY)
    c.vgradient(0, 0, 24, 24, IVORY, IVORY_DARK if state != 1 else GOLD_LIGHT)
    c.frame(0, 0, 24, 24, GOLD_DARK)
    c.frame(1, 1, 23, 23, GOLD)
    cut_corners(c, 0, 0, 24, 24, [2, 1])
    return c


def button_png():
    """Push button, three states (normal, hot, pressed) with soft corners."""
    fw, h = 36, 26
    out = Canvas(fw * 3, h)
    looks = [
        (IVORY, IVORY_DARK, GOLD_DARK, GOLD),
        ((255, 250, 236), GOLD_LIGHT, GOLD_DARK, LACQUER),
        (IVORY_DARK, (240, 230, 206), LACQUER_DARK, LACQUER),
    ]
    for i, (top, bottom, rim, inner) in enumerate(looks):
        x0 = i * fw
        soft_rounded(out, x0, 0, x0 + fw, h, 5, lambda x, y: rim)
        soft_rounded(out, x0 + 1, 1, x0 + fw - 1, h - 1, 4,
                     lambda x, y, t=top, b=bottom: mix(t, b, y / (h - 1)))
        out.rect(x0 + 5, h - 3, x0 + fw - 5, h - 2, inner)
    return out


def glow_png(strength=200):
    """The warm halo a hot button leaves around itself."""
    size = 48
    c = Canvas(size, size)
    for y in range(size):
        for x in range(size):
            dx = max(0, abs(x + 0.5 - size / 2) - 10)
            dy = max(0, abs(y + 0.5 - size / 2) - 10)
            d = math.hypot(dx, dy)
            a = max(0.0, 1 - d / 14) ** 2
            c.set(x, y, GOLD_LIGHT + (int(a * strength),))
    return c


def exborder_png():
    """Outer shadow frame, two frames (active, inactive), 12-pixel margins."""
    fw, h, m = 40, 40, 12
    out = Canvas(fw * 2, h)
    for i, strength in enumerate((150, 90)):
        for y in range(h):
            for x in range(fw):
                dx = max(m - x - 0.5, x + 0.5 - (fw - m), 0)
                dy = max(m - y - 0.5, y + 0.5 - (h - m), 0)
                d = math.hypot(dx, dy)
                if d <= 0:
                    continue
                a = max(0.0, 1 - d / m) ** 2
                out.set(i * fw + x, y, (40, 10, 8, int(strength * a)))
    return out


def titlebutton_png():
    """Skin image of user title buttons: gold disc, three states."""
    fw, h = 21, 21
    out = Canvas(fw * 3, h)
    for i, (rim, face) in enumerate(((GOLD_DARK, GOLD), (GOLD, GOLD_LIGHT), (GOLD_DARK, (190, 140, 60)))):
        soft_rounded(out, i * fw + 2, 2, i * fw + fw - 2, h - 2, 8, lambda x, y, r=rim: r)
        soft_rounded(out, i * fw + 3, 3, i * fw + fw - 3, h - 3, 7, lambda x, y, f=face: f)
    return out


def silk_texture():
    """Warm ivory silk: fine weave with a faint cloud pattern."""
    size = 128
    c = Canvas(size, size)
    for y in range(size):
        for x in range(size):
            weave = ((x % 2) ^ (y % 2)) * 3
            cloud = math.sin(x / 128 * 2 * math.pi * 2) * math.cos(y / 128 * 2 * math.pi) * 5
            cloud += math.sin((x + y) / 128 * 2 * math.pi * 3) * 3
            c.set(x, y, tuple(max(0, min(255, int(v + cloud - weave))) for v in IVORY))
    return c


# The master bitmap and where everything lies in it ----------------------------

TITLE_KINDS = ["close", "max", "norm", "min", "help"]


def build_master():
    """Returns the master bitmap and the rectangles of its pieces."""
    master = Canvas(384, 142, KEY)
    places = {}
    x = 0
    for kind in TITLE_KINDS:
        w = 27 if kind == "close" else 25
        piece = strip([title_glyph(kind, s, w, 21) for s in range(3)])
        master.blit(piece, x, 0)
        places["B" + kind] = (x, 0, x + piece.width, 21)
        x += piece.width
    x = 0
    for kind in TITLE_KINDS:
        piece = strip([title_glyph(kind, s, 17, 15, small=True) for s in range(3)])
        master.blit(piece, x, 24)
        places["S" + kind] = (x, 24, x + piece.width, 39)
        x += piece.width

    def put(name, picture, px, py):
        master.blit(picture, px, py)
        places[name] = (px, py, px + picture.width, py + picture.height)

    put("form", strip([form_border(True), form_border(False)]), 0, 42)
    put("title", strip([title_band(True), title_band(False)]), 50, 42)
    put("menuitem", strip([bordered_box(16, 16, IVORY, IVORY, IVORY_DARK),
                           bordered_box(16, 16, GOLD_LIGHT, GOLD, GOLD_DARK, [1])]), 100, 42)
    put("selection", strip([bordered_box(16, 16, LACQUER_LIGHT, LACQUER, LACQUER_DARK, [1]),
                            bordered_box(16, 16, LACQUER, LACQUER_DARK, GOLD, [1])]), 134, 42)
    put("edit", strip([bordered_box(16, 16, (255, 253, 246), (255, 253, 246), GOLD_DARK),
                       bordered_box(16, 16, (255, 255, 250), (255, 255, 250), JADE),
                       bordered_box(16, 16, IVORY_DARK, IVORY_DARK, GREY)]), 168, 42)
    put("statusbar", bordered_box(16, 16, IVORY_DARK, (214, 196, 160), GOLD_DARK), 218, 42)
    hint = bordered_box(24, 24, (255, 250, 232), (246, 232, 196), LACQUER)
    cut_corners(hint, 0, 0, 24, 24, [3, 1, 1])
    put("hint", hint, 236, 42)
    put("dialogtex", lattice_texture(64, IVORY, LACQUER), 0, 76)
    put("menutex", lattice_texture(32, (255, 250, 238), GOLD), 66, 76)
    put("progressh", progress_bar(24, 12, False), 100, 76)
    put("progressv", progress_bar(12, 24, True), 126, 76)
    caption = bordered_box(16, 16, LACQUER_DARK, LACQUER_DARK, GOLD_DARK, [1])
    put("caption", caption, 140, 76)
    menuline = Canvas(16, 16)
    menuline.vgradient(0, 0, 16, 16, (255, 250, 236), IVORY_DARK)
    menuline.rect(0, 15, 16, 16, GOLD)
    put("menuline", menuline, 158, 76)
    put("check", strip([menu_check(s, False) for s in range(2)]), 180, 76)
    put("radio", strip([menu_check(s, True) for s in range(2)]), 214, 76)
    put("speedsmall", strip([small_speed_button(s) for s in range(3)]), 250, 76)
    return master, places


def at(form, rect, *fields):
    """The fixed-column value forms of the master bitmap."""
    l, t, r, b = rect
    head = f"{form}{l:4d} {t:4d} {r:4d} {b:4d}"
    return head + "".join(f" {f}" for f in fields)


def bordered(rect, left, top, right, bottom, frames, bands=0, flags=0, border=0):
    return at("^", rect, f"{left:4d}", f"{top:4d}", f"{right:4d}", f"{bottom:4d}", frames, bands, flags, border)


def texture(rect, flags=0):
    return at("~", rect, f"{flags:2d}")


def tc(rgb):
    """A colour value as options hold it: red in the low byte."""
    r, g, b = rgb
    return str(r | g << 8 | b << 16)


def write_options(folder, places):
    p = places
    sections = [
        ("GLOBALINFO", [
            ("VERSION", "8.2"),
            ("AUTHOR", "Pindrel_Port"),
            ("DESCRIPTION", "Imperial red lacquer and gold on warm ivory, with jade"),
            ("MASTERBITMAP", "MASTER.BMP"),
            ("COLOR", tc(IVORY)),         # ivory
            ("FONTCOLOR", tc(INK)),      # ink
            ("TCTOP", tc((255, 255, 255))),
            ("TCBOTTOM", tc(INK)),
            ("BORDERCOLOR", tc(LACQUER_DARK)),    # dark lacquer
            ("BORDERWIDTH", "6"),
            ("TITLEHEIGHT", "30"),
            ("MAXHEIGHT", "26"),
            ("BISPACE", "1"),
            ("BIRIGHT", "4"),
            ("BITOP", "4"),
            ("BICONCLOSEGLOW", "6"),
            ("BICONCLOSEGLOWMARGIN", "3"),
            ("BICONMINGLOW", "6"),
            ("BICONMINGLOWMARGIN", "3"),
            ("BICONMAXGLOW", "6"),
            ("BICONMAXGLOWMARGIN", "3"),
            ("SHADOW1COLOR", tc((40, 16, 8))),
            ("SHADOW1OFFSET", "3"),
            ("SHADOW1BLUR", "6"),
            ("SHADOW1TRANSPARENCY", "50"),
            ("EDITTEXT_OK", tc(JADE)),
            ("BICONCLOSE", at("@", p["Bclose"], 3, 0)),
            ("BICLOSEALONE", at("@", p["Bclose"], 3, 0)),
            ("BICONMAX", at("@", p["Bmax"], 3, 0)),
            ("BICONNORM", at("@", p["Bnorm"], 3, 0)),
            ("BICONMIN", at("@", p["Bmin"], 3, 0)),
            ("BICONHELP", at("@", p["Bhelp"], 3, 0)),
            ("SICONCLOSE", at("@", p["Sclose"], 3, 0)),
            ("SICONMAX", at("@", p["Smax"], 3, 0)),
            ("SICONNORM", at("@", p["Snorm"], 3, 0)),
            ("SICONMIN", at("@", p["Smin"], 3, 0)),
            ("SICONHELP", at("@", p["Shelp"], 3, 0)),
            ("BICONCLOSEGLOW0", "!GLOW0.PNG!1!0!2"),
            ("BICONMINGLOW0", "!GLOWSOFT.PNG!1!0!2"),
            ("BICONMAXGLOW0", "!GLOWSOFT.PNG!1!0!2"),
            ("CHECK", at("@", p["check"], 2, 0)),
            ("RADIOCHECKED", at("@", p["radio"], 2, 0)),
            ("EXBORDER", "!EXBORDER.PNG!2!0!0!12!12!12!12!0"),
        ]),
        ("FORM", [
            ("STATES", "2"), ("COLOR", tc(IVORY)), ("FONTCOLOR", tc(INK)),
            ("IMAGEPERCENT", "100"), ("HOTCOLOR", tc(IVORY)), ("HOTFONTCOLOR", tc(INK)), ("HOTIMAGEPERCENT", "100"),
            ("PATTERN", "SILK.JPG"), ("HOTPATTERN", "SILK.JPG"),
            ("BORDERSMASK", bordered(p["form"], 6, 6, 6, 6, 2)),
        ]),
        ("FORMTITLE", [
            ("STATES", "2"), ("COLOR", tc(LACQUER)), ("FONTCOLOR", tc(GOLD_LIGHT)), ("HOTFONTCOLOR", tc((255, 255, 204))),
            ("GRADIENTPERCENT", "100"), ("HOTCOLOR", tc((190, 160, 148))), ("HOTGRADIENTPERCENT", "100"),
            ("GRADIENTDATA", f"{tc(LACQUER_LIGHT)};{tc(LACQUER_DARK)};100;0;0"),
            ("HOTGRADIENTDATA", f"{tc((190, 160, 148))};{tc((150, 122, 110))};100;0;0"),
            ("BORDERSMASK", bordered(p["title"], 6, 4, 6, 4, 2)),
        ]),
        ("CAPTION", [
            ("STATES", "2"), ("COLOR", tc(LACQUER_DARK)), ("FONTCOLOR", tc(GOLD_LIGHT)), ("HOTFONTCOLOR", tc((255, 255, 204))),
            ("HOTCOLOR", tc(LACQUER_DARK)), ("GSIZE", "3"), ("GCOL", tc(LACQUER_DARK)),
            ("BORDERSMASK", bordered(p["caption"], 3, 3, 3, 3, 1)),
        ]),
        ("MENULINE", [
            ("STATES", "2"), ("COLOR", tc(IVORY)), ("FONTCOLOR", tc(INK)), ("HOTFONTCOLOR", tc(LACQUER)),
            ("BORDERSMASK", bordered(p["menuline"], 2, 2, 2, 2, 1)),
        ]),
        ("MAINMENU", [
            ("STATES", "1"), ("COLOR", tc((254, 250, 238))), ("FONTCOLOR", tc(INK)), ("IMAGEPERCENT", "100"),
            ("PATTERN", texture(p["menutex"])),
            ("BORDERSMASK", bordered(p["menuitem"], 4, 4, 4, 4, 2)),
        ]),
        ("MENUITEM", [
            ("STATES", "2"), ("COLOR", tc((254, 250, 238))), ("HOTCOLOR", tc(GOLD_LIGHT)),
            ("FONTCOLOR", tc(INK)), ("HOTFONTCOLOR", tc(LACQUER_DARK)),
            ("BORDERSMASK", bordered(p["menuitem"], 4, 4, 4, 4, 2)),
        ]),
        ("MENUCAPTION", [
            ("PARENTCLASS", "FORMTITLE"), ("STATES", "1"), ("FONTCOLOR", tc(GOLD_LIGHT)),
        ]),
        ("SELECTION", [
            ("STATES", "2"), ("COLOR", tc(LACQUER)), ("HOTCOLOR", tc(LACQUER_DARK)),
            ("FONTCOLOR", tc((255, 255, 255))), ("HOTFONTCOLOR", tc(GOLD_LIGHT)),
            ("BORDERSMASK", bordered(p["selection"], 3, 3, 3, 3, 2)),
        ]),
        ("BUTTON", [
            ("STATES", "3"), ("COLOR", tc(IVORY)), ("HOTCOLOR", tc(GOLD_LIGHT)),
            ("FONTCOLOR", tc(INK)), ("HOTFONTCOLOR", tc(LACQUER_DARK)),
            ("FADINGENABLED", "1"), ("FADINGITERATIONS", "5"),
            ("GLOW", "1"), ("GLOWMARGIN", "6"), ("HGCOL", tc(GOLD_LIGHT)), ("HGSIZE", "4"),
            ("BORDERSMASK", "!BUTTON.PNG!3!1!0!6!6!6!6!5"),
            ("GLOW0", "!GLOW0.PNG!1!0!2"),
        ]),
        ("BUTTON_HUGE", [
            ("PARENTCLASS", "BUTTON"), ("STATES", "3"), ("FONTCOLOR", tc(GOLD_LIGHT)), ("HOTFONTCOLOR", tc((255, 255, 204))),
            ("BORDERSMASK", "BTNHUGE.BMP"),
        ]),
        ("GAUGE", [
            ("STATES", "1"), ("COLOR", tc(IVORY)), ("FONTCOLOR", tc(INK)),
            ("BORDERSMASK", "!GAUGE.BMP!3!1!0!8!8!8!8!5"),
        ]),
        ("PROGRESSH", [
            ("STATES", "1"), ("COLOR", tc(JADE)), ("FONTCOLOR", tc((255, 255, 255))),
            ("BORDERSMASK", "PROGRESS#({},{},{},{})(1,0,4,1)".format(*p["progressh"])),
        ]),
        ("PROGRESSV", [
            ("STATES", "1"), ("COLOR", tc(JADE)), ("FONTCOLOR", tc((255, 255, 255))),
            ("BORDERSMASK", "PROGRESS#({},{},{},{})(1,0,4,1)".format(*p["progressv"])),
        ]),
        ("HINT", [
            ("STATES", "1"), ("COLOR", tc((255, 250, 232))), ("FONTCOLOR", tc(INK)),
            ("SHADOW1OFFSET", "3"),
            ("BORDERSMASK", bordered(p["hint"], 6, 6, 6, 6, 1)),
        ]),
        ("DIALOG", [
            ("PARENTCLASS", "FORM"), ("STATES", "2"), ("COLOR", tc(IVORY)), ("FONTCOLOR", tc(INK)),
            ("IMAGEPERCENT", "100"), ("PATTERN", texture(p["dialogtex"])),
            ("HOTPATTERN", texture(p["dialogtex"])),
        ]),
        ("DIALOGTITLE", [
            ("PARENTCLASS", "FORMTITLE"), ("STATES", "2"),
        ]),
        ("EDIT", [
            ("STATES", "3"), ("COLOR", tc((255, 253, 246))), ("HOTCOLOR", tc((255, 255, 250))),
            ("FONTCOLOR", tc(INK)), ("HOTFONTCOLOR", tc(INK)),
            ("BORDERSMASK", bordered(p["edit"], 3, 3, 3, 3, 3)),
        ]),
        ("STATUSBAR", [
            ("STATES", "1"), ("COLOR", tc(IVORY_DARK)), ("FONTCOLOR", tc(INK)),
            ("BORDERSMASK", bordered(p["statusbar"], 3, 3, 3, 3, 1)),
        ]),
        ("SPEEDBUTTON_SMALL", [
            ("STATES", "3"), ("COLOR", tc(IVORY)), ("HOTCOLOR", tc(GOLD_LIGHT)),
            ("FONTCOLOR", tc(INK)), ("HOTFONTCOLOR", tc(LACQUER_DARK)),
            ("BORDERSMASK", bordered(p["speedsmall"], 3, 3, 3, 3, 3)),
        ]),
        ("TITLEBUTTON", [
            ("STATES", "3"), ("FONTCOLOR", tc(LACQUER_DARK)),
            ("BORDERSMASK", "!TITLEBUTTON.PNG!3!1!0!4!4!4!4!5"),
        ]),
    ]
    lines = []
    for name, keys in sections:
        lines.append(f"[{name}]")
        lines.extend(f"{k}={v}" for k, v in keys)
        lines.append("")
    with open(os.path.join(folder, "Options.dat"), "w", newline="\r\n") as f:
        f.write("\n".join(lines))


def write(folder, name, data):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def write_jpeg(folder, name, canvas):
    with tempfile.TemporaryDirectory() as temp:
        source = os.path.join(temp, "texture.png")
        write(temp, "texture.png", png_bytes(canvas))
        subprocess.run(["convert", source, "-strip", "-quality", "90", "-sampling-factor", "1x1",
                        os.path.join(folder, name)], check=True)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_beijing.py SKIN_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    master, places = build_master()
    write(folder, "MASTER.BMP", bmp_bytes(master))
    write(folder, "BUTTON.PNG", png_bytes(with_grey_mask_band(button_png()), alpha=False))
    write(folder, "GLOW0.PNG", png_bytes(glow_png()))
    # The minimize and maximize buttons glow softer than close.
    write(folder, "GLOWSOFT.PNG", png_bytes(glow_png(140)))
    write(folder, "EXBORDER.PNG", png_bytes(exborder_png()))
    write(folder, "TITLEBUTTON.PNG", png_bytes(with_grey_mask_band(titlebutton_png()), alpha=False))
    write(folder, "BTNHUGE.BMP", bmp_bytes(with_mask_band(strip([huge_button(s) for s in range(3)]))))
    write(folder, "GAUGE.BMP", bmp_bytes(with_mask_band(strip([gauge_face(s) for s in range(3)]))))
    write_jpeg(folder, "SILK.JPG", silk_texture())
    write_options(folder, places)


if __name__ == "__main__":
    main()
