#!/usr/bin/python3
"""Regenerates the editor's bitmaps and image strips in resources/ and the
contact sheet docs/strips.png.

The build uses the committed files; run this only after changing a picture:

    python3 tools/make-resources.py

Needs pycairo (Debian: python3-cairo, installed for /usr/bin/python3). The
output is byte-for-byte reproducible: cairo only rasterises, and the PNG and
BMP files are written here with fixed settings, so they depend on nothing but
the pixels.
"""

import math
import os
import struct
import sys
import zlib

try:
    import cairo
except ImportError:
    # Debian's python3-cairo lives beside the system interpreter; a python3 from
    # another installation earlier on PATH does not see it.
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
    sys.exit("make-resources: pycairo is missing (apt-get install python3-cairo)")

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RESOURCES = os.path.join(ROOT, "resources")
DOCS = os.path.join(ROOT, "docs")

# ---------------------------------------------------------------------------
# File writers

def write_bmp24(path, width, height, pixel):
    """24-bit BI_RGB bitmap, bottom-up; pixel(x, y) gives (r, g, b) with y = 0 at the top."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits), 3780, 3780, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    _write(path, header + info + bits)


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _filtered_rows(raw, stride, height, bpp=4):
    # Per row the filter with the smallest sum of absolute differences, the
    # usual heuristic; deterministic, so the bytes only depend on the pixels.
    prev = bytes(stride)
    out = bytearray()
    for y in range(height):
        cur = raw[y * stride:(y + 1) * stride]
        candidates = [(0, cur)]
        sub = bytes((cur[i] - (cur[i - bpp] if i >= bpp else 0)) & 0xFF for i in range(stride))
        up = bytes((cur[i] - prev[i]) & 0xFF for i in range(stride))
        avg = bytes((cur[i] - (((cur[i - bpp] if i >= bpp else 0) + prev[i]) >> 1)) & 0xFF for i in range(stride))
        paeth = bytes((cur[i] - _paeth(cur[i - bpp] if i >= bpp else 0, prev[i],
                                       prev[i - bpp] if i >= bpp else 0)) & 0xFF for i in range(stride))
        candidates += [(1, sub), (2, up), (3, avg), (4, paeth)]

        def cost(item):
            return sum(v if v < 128 else 256 - v for v in item[1])

        kind, data = min(candidates, key=cost)
        out.append(kind)
        out += data
        prev = cur
    return bytes(out)


def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def surface_rgba(surface):
    """Straight (not premultiplied) RGBA bytes of a cairo ARGB32 surface."""
    surface.flush()
    w, h, stride = surface.get_width(), surface.get_height(), surface.get_stride()
    data = bytes(surface.get_data())
    out = bytearray(w * h * 4)
    o = 0
    for y in range(h):
        row = data[y * stride:y * stride + w * 4]
        for x in range(0, w * 4, 4):
            # ARGB32 is native-endian 32-bit: B, G, R, A in memory on x86.
            b, g, r, a = row[x], row[x + 1], row[x + 2], row[x + 3]
            if a == 0:
                r = g = b = 0
            elif a < 255:
                r = min(255, (r * 255 + a // 2) // a)
                g = min(255, (g * 255 + a // 2) // a)
                b = min(255, (b * 255 + a // 2) // a)
            out[o:o + 4] = bytes((r, g, b, a))
            o += 4
    return bytes(out)


def write_png_rgba(path, surface):
    w, h = surface.get_width(), surface.get_height()
    raw = surface_rgba(surface)
    ihdr = struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)
    idat = zlib.compress(_filtered_rows(raw, w * 4, h), 9)
    _write(path, b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", ihdr) + _chunk(b"IDAT", idat) + _chunk(b"IEND", b""))


def _write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print(f"make-resources: {os.path.relpath(path, ROOT)} ({len(data)} bytes)")

# ---------------------------------------------------------------------------
# Bitmaps

# The editor's background tile: grey levels, top row first.
BACKGROUND_TILE = [
    "20 05 00 05 20 20 20 20 20 05 00 05 20 20 20 20",
    "20 1e 06 1e 20 20 20 20 20 1e 06 1e 20 20 20 20",
    "20 2a 34 2a 20 20 20 20 20 2a 34 2a 20 20 20 20",
    "1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f",
    "21 21 21 21 21 13 04 13 21 21 21 21 21 13 04 13",
    "21 21 21 21 21 05 00 05 21 21 21 21 21 05 00 05",
    "21 21 21 21 21 1e 06 1e 21 21 21 21 21 1e 06 1e",
    "20 20 20 20 20 2a 34 2a 20 20 20 20 20 2a 34 2a",
    "21 21 21 21 21 21 21 21 21 21 21 21 21 21 21 21",
    "20 12 04 12 20 20 20 20 20 12 04 12 20 20 20 20",
    "20 05 00 05 20 20 20 20 20 05 00 05 20 20 20 20",
    "20 1e 06 1e 20 20 20 20 20 1e 06 1e 20 20 20 20",
    "20 2a 34 2a 20 20 20 20 20 2a 34 2a 20 20 20 20",
    "1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f 1f",
    "21 21 21 21 21 13 04 13 21 21 21 21 21 13 04 13",
    "21 21 21 21 21 05 00 05 21 21 21 21 21 05 00 05",
]
TILE = [[int(v, 16) for v in row.split()] for row in BACKGROUND_TILE]


def make_background():
    write_bmp24(os.path.join(RESOURCES, "EditorBackground.bmp"), 16, 16,
                lambda x, y: (TILE[y][x],) * 3)


def make_menu_glyph():
    # Black marks the pixels the menu button recolours with the skin's text
    # colour; magenta is its transparent colour.
    def pixel(x, y):
        bar = 2 <= x <= 13 and y in (3, 4, 7, 8, 11, 12)
        return (0, 0, 0) if bar else (255, 0, 255)
    write_bmp24(os.path.join(RESOURCES, "menu16.bmp"), 16, 16, pixel)

# ---------------------------------------------------------------------------
# Image strips

ACCENT = (1.0, 0.56, 0.16)          # amber: reads on the dark and the light skins
ACCENT_LIGHT = (1.0, 0.78, 0.48)
DIAL_FRAMES = 101
DIAL_SIZE = 48
SWEEP = math.radians(150)           # frame 0 at seven o'clock, frame 100 at five


def frame_angle(frame):
    """Clockwise angle from twelve o'clock, in radians."""
    return -SWEEP + 2 * SWEEP * frame / (DIAL_FRAMES - 1)


def cairo_angle(theta):
    # Cairo's angles run clockwise from three o'clock on a y-down surface.
    return theta - math.pi / 2


def draw_knob(cr, theta, arc_from, arc_to):
    cx = cy = DIAL_SIZE / 2
    ring_r = 20.6

    # Groove of the full travel, so the range is visible even at zero.
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.set_line_width(3.6)
    cr.set_source_rgba(0.05, 0.055, 0.065, 0.55)
    cr.arc(cx, cy, ring_r, cairo_angle(-SWEEP), cairo_angle(SWEEP))
    cr.stroke()
    cr.set_line_width(1.0)
    cr.set_source_rgba(1, 1, 1, 0.10)
    cr.arc(cx, cy, ring_r + 2.2, cairo_angle(-SWEEP) + 0.03, cairo_angle(SWEEP) - 0.03)
    cr.stroke()

    # The value arc: a soft glow under a bright core.
    if arc_to - arc_from > 1e-6:
        a0, a1 = cairo_angle(arc_from), cairo_angle(arc_to)
        cr.set_line_width(5.0)
        cr.set_source_rgba(*ACCENT, 0.22)
        cr.arc(cx, cy, ring_r, a0, a1)
        cr.stroke()
        cr.set_line_width(2.8)
        cr.set_source_rgb(*ACCENT)
        cr.arc(cx, cy, ring_r, a0, a1)
        cr.stroke()
        cr.set_line_width(0.9)
        cr.set_source_rgba(*ACCENT_LIGHT, 0.9)
        cr.arc(cx, cy, ring_r - 0.4, a0, a1)
        cr.stroke()

    # Drop shadow below the body.
    shadow = cairo.RadialGradient(cx, cy + 1.6, 12.0, cx, cy + 1.6, 17.6)
    shadow.add_color_stop_rgba(0, 0, 0, 0, 0.55)
    shadow.add_color_stop_rgba(1, 0, 0, 0, 0)
    cr.set_source(shadow)
    cr.arc(cx, cy + 1.6, 17.6, 0, 2 * math.pi)
    cr.fill()

    # Body: lit from above.
    body_r = 15.6
    body = cairo.LinearGradient(0, cy - body_r, 0, cy + body_r)
    body.add_color_stop_rgb(0, 0.36, 0.375, 0.40)
    body.add_color_stop_rgb(1, 0.10, 0.105, 0.115)
    cr.set_source(body)
    cr.arc(cx, cy, body_r, 0, 2 * math.pi)
    cr.fill()
    cr.set_line_width(1.0)
    cr.set_source_rgba(0, 0, 0, 0.75)
    cr.arc(cx, cy, body_r - 0.5, 0, 2 * math.pi)
    cr.stroke()
    rim = cairo.LinearGradient(0, cy - body_r, 0, cy + body_r)
    rim.add_color_stop_rgba(0, 1, 1, 1, 0.30)
    rim.add_color_stop_rgba(0.5, 1, 1, 1, 0.0)
    cr.set_source(rim)
    cr.arc(cx, cy, body_r - 1.5, 0, 2 * math.pi)
    cr.stroke()

    # Slightly dished cap: the gradient runs the other way.
    cap_r = 12.2
    cap = cairo.LinearGradient(0, cy - cap_r, 0, cy + cap_r)
    cap.add_color_stop_rgb(0, 0.16, 0.17, 0.185)
    cap.add_color_stop_rgb(1, 0.27, 0.285, 0.31)
    cr.set_source(cap)
    cr.arc(cx, cy, cap_r, 0, 2 * math.pi)
    cr.fill()
    sheen = cairo.RadialGradient(cx - 3, cy - 5, 0.5, cx, cy, cap_r)
    sheen.add_color_stop_rgba(0, 1, 1, 1, 0.10)
    sheen.add_color_stop_rgba(1, 1, 1, 1, 0.0)
    cr.set_source(sheen)
    cr.arc(cx, cy, cap_r, 0, 2 * math.pi)
    cr.fill()
    cr.set_line_width(0.8)
    cr.set_source_rgba(0, 0, 0, 0.45)
    cr.arc(cx, cy, cap_r, 0, 2 * math.pi)
    cr.stroke()

    # Pointer, with a faint shadow so it stays crisp on the light cap edge.
    dx, dy = math.sin(theta), -math.cos(theta)
    r0, r1 = 4.0, 13.2
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.set_line_width(3.2)
    cr.set_source_rgba(0, 0, 0, 0.45)
    cr.move_to(cx + dx * r0, cy + dy * r0 + 0.7)
    cr.line_to(cx + dx * r1, cy + dy * r1 + 0.7)
    cr.stroke()
    cr.set_line_width(2.4)
    cr.set_source_rgb(0.96, 0.96, 0.95)
    cr.move_to(cx + dx * r0, cy + dy * r0)
    cr.line_to(cx + dx * r1, cy + dy * r1)
    cr.stroke()


def dial_strip(centred):
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, DIAL_SIZE, DIAL_SIZE * DIAL_FRAMES)
    cr = cairo.Context(surface)
    for frame in range(DIAL_FRAMES):
        theta = frame_angle(frame)
        if centred:
            arc = (min(theta, 0.0), max(theta, 0.0))
        else:
            arc = (-SWEEP, theta)
        cr.save()
        cr.translate(0, frame * DIAL_SIZE)
        cr.rectangle(0, 0, DIAL_SIZE, DIAL_SIZE)
        cr.clip()
        draw_knob(cr, theta, *arc)
        cr.restore()
    return surface


def rounded_rect(cr, x, y, w, h, r):
    cr.new_sub_path()
    cr.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    cr.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    cr.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    cr.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    cr.close_path()


def draw_power(cr, cx, cy, r, width):
    gap = math.radians(42)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.set_line_width(width)
    cr.new_path()
    cr.arc(cx, cy, r, cairo_angle(gap), cairo_angle(2 * math.pi - gap))
    cr.stroke()
    cr.move_to(cx, cy - r - 1.2)
    cr.line_to(cx, cy - 0.6)
    cr.stroke()


def draw_switch(cr, on):
    x, y, w, h, r = 1.5, 1.0, 21.0, 21.0, 4.0
    cr.set_source_rgba(0, 0, 0, 0.35)                     # shadow
    rounded_rect(cr, x - 0.5, y + 1.0, w + 1.0, h + 1.0, r + 0.5)
    cr.fill()
    face = cairo.LinearGradient(0, y, 0, y + h)
    if on:
        face.add_color_stop_rgb(0, 1.0, 0.72, 0.36)
        face.add_color_stop_rgb(1, 0.93, 0.45, 0.06)
    else:
        face.add_color_stop_rgb(0, 0.62, 0.635, 0.66)
        face.add_color_stop_rgb(1, 0.40, 0.41, 0.43)
    cr.set_source(face)
    rounded_rect(cr, x, y, w, h, r)
    cr.fill()
    hl = cairo.LinearGradient(0, y, 0, y + h * 0.55)      # top bevel
    hl.add_color_stop_rgba(0, 1, 1, 1, 0.45 if on else 0.35)
    hl.add_color_stop_rgba(1, 1, 1, 1, 0.0)
    cr.set_source(hl)
    cr.set_line_width(1.0)
    rounded_rect(cr, x + 1, y + 1, w - 2, h - 2, r - 1)
    cr.stroke()
    cr.set_source_rgba(0.35, 0.14, 0.0, 0.85) if on else cr.set_source_rgba(0.08, 0.085, 0.09, 0.85)
    rounded_rect(cr, x + 0.5, y + 0.5, w - 1, h - 1, r - 0.5)
    cr.stroke()

    cx, cy = x + w / 2, y + h / 2 + 0.6
    if on:
        cr.set_source_rgba(0.55, 0.22, 0.0, 0.45)         # engraved shadow
        draw_power(cr, cx, cy + 0.8, 5.4, 2.2)
        cr.set_source_rgb(1.0, 1.0, 0.98)
    else:
        cr.set_source_rgba(1, 1, 1, 0.35)                 # emboss highlight
        draw_power(cr, cx, cy + 0.8, 5.4, 2.2)
        cr.set_source_rgb(0.19, 0.20, 0.215)
    draw_power(cr, cx, cy, 5.4, 2.2)


def switch_strip():
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, 24, 48)
    cr = cairo.Context(surface)
    for frame in (0, 1):
        cr.save()
        cr.translate(0, frame * 24)
        cr.rectangle(0, 0, 24, 24)
        cr.clip()
        draw_switch(cr, on=frame == 1)
        cr.restore()
    return surface

# ---------------------------------------------------------------------------
# Contact sheet for the README: some frames of each strip over the tiled
# background under a dark and a light main panel, as the editor shows them.

SHEET_PANELS = [(0x2B, 0x2E, 0x33), (0xF4, 0xF5, 0xF7)]   # dark graphite, light grey
PANEL_ALPHA = 220 / 255
SHEET_FRAMES = (0, 25, 50, 75, 100)


def contact_sheet(dial, centre, switch):
    cell, gap, margin = 56, 20, 12
    width = margin * 2 + 10 * cell + 2 * gap + 2 * 36
    band = cell + 2 * margin
    height = band * len(SHEET_PANELS)
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, width, height)
    cr = cairo.Context(surface)

    tile = cairo.ImageSurface(cairo.FORMAT_ARGB32, 16, 16)
    tcr = cairo.Context(tile)
    for ty in range(16):
        for tx in range(16):
            level = TILE[ty][tx] / 255
            tcr.set_source_rgb(level, level, level)
            tcr.rectangle(tx, ty, 1, 1)
            tcr.fill()
    pattern = cairo.SurfacePattern(tile)
    pattern.set_extend(cairo.EXTEND_REPEAT)
    pattern.set_filter(cairo.FILTER_NEAREST)
    cr.set_source(pattern)
    cr.paint()

    def put(strip, size, frame, x, y):
        cr.save()
        cr.rectangle(x, y, size, size)
        cr.clip()
        cr.set_source_surface(strip, x, y - frame * size)
        cr.paint()
        cr.restore()

    for i, (r, g, b) in enumerate(SHEET_PANELS):
        top = i * band
        cr.set_source_rgba(r / 255, g / 255, b / 255, PANEL_ALPHA)
        rounded_rect(cr, 3, top + 3, width - 6, band - 6, 5)
        cr.fill()
        x = margin
        for strip in (dial, centre):
            for frame in SHEET_FRAMES:
                put(strip, DIAL_SIZE, frame, x + (cell - DIAL_SIZE) // 2, top + margin + (cell - DIAL_SIZE) // 2)
                x += cell
            x += gap
        for frame in (0, 1):
            put(switch, 24, frame, x + 6, top + margin + (cell - 24) // 2)
            x += 36
    return surface


def main():
    make_background()
    make_menu_glyph()
    dial, centre, switch = dial_strip(False), dial_strip(True), switch_strip()
    write_png_rgba(os.path.join(RESOURCES, "Dial100.png"), dial)
    write_png_rgba(os.path.join(RESOURCES, "Dial100_Center.png"), centre)
    write_png_rgba(os.path.join(RESOURCES, "Switch.png"), switch)
    write_png_rgba(os.path.join(DOCS, "strips.png"), contact_sheet(dial, centre, switch))


if __name__ == "__main__":
    main()
