#!/usr/bin/env python3
"""Contact sheet of a skin: a small window put together from sections painted
by `vespira render`, the main sections in the normal and the hot state, then
the GLOBALINFO glyphs, every state frame blended through its mask over the
window colour.

    contact_sheet.py VESPIRA SKIN_FOLDER OUT.png
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

# Section, width, height: sizes the controls typically have.
SECTIONS = [
    ("FORMTITLE", 260, 30), ("FORM", 260, 90), ("MENULINE", 260, 22), ("TOOLBAR", 260, 30),
    ("STATUSBAR", 260, 22), ("BUTTON", 100, 28), ("BUTTON_BIG", 120, 36), ("BUTTON_HUGE", 140, 56),
    ("SPEEDBUTTON", 90, 28), ("SPEEDBUTTON_SMALL", 22, 22), ("TOOLBUTTON", 28, 28), ("ROUNDTBN", 28, 28),
    ("EDIT", 140, 24), ("COMBOBOX", 140, 24), ("COMBOBTN", 18, 20), ("PANEL_LOW", 140, 60),
    ("GROUPBOX", 140, 60), ("PAGECONTROL", 140, 60), ("TABTOP", 70, 24), ("TABBOTTOM", 70, 24),
    ("TABLEFT", 60, 26), ("TABRIGHT", 60, 26), ("SCROLLBAR1H", 120, 17), ("SCROLLBTNLEFT", 17, 17),
    ("SCROLLBTNTOP", 17, 17), ("SCROLLSLIDERH", 60, 17), ("SCROLLSLIDERV", 17, 60), ("MAINMENU", 140, 60),
    ("MENUITEM", 140, 22), ("DIVIDERV", 140, 9), ("ICOLINE", 24, 60), ("EXTRALINE", 18, 60),
    ("HINT", 140, 24), ("COLHEADER", 100, 22), ("GAUGE", 140, 16), ("PROGRESSH", 140, 16),
    ("PROGRESSV", 16, 60), ("BAR", 100, 60), ("BARTITLE", 140, 24), ("DRAGBAR", 140, 22),
    ("GRIPH", 60, 12), ("SPLITTER", 6, 60), ("DIVIDER", 9, 30),
]

FONT = {
    "A": "0E11111F111111", "B": "1E11111E11111E", "C": "0E11101010110E", "D": "1E11111111111E",
    "E": "1F10101E10101F", "F": "1F10101E101010", "G": "0E11101711110F", "H": "1111111F111111",
    "I": "0E04040404040E", "J": "0702020202120C", "K": "11121418141211", "L": "1010101010101F",
    "M": "111B1515111111", "N": "11111915131111", "O": "0E11111111110E", "P": "1E11111E101010",
    "Q": "0E11111115120D", "R": "1E11111E141211", "S": "0F10100E01011E", "T": "1F040404040404",
    "U": "1111111111110E", "V": "11111111110A04", "W": "1111111515150A",
    "X": "11110A040A1111", "Y": "1111110A040404", "Z": "1F01020408101F", "0": "0E11131519110E",
    "1": "040C040404040E", "2": "0E11010204081F", "3": "1F02040201110E", "4": "02060A121F0202",
    "5": "1F101E0101110E", "6": "0608101E11110E", "7": "1F010204080808", "8": "0E11110E11110E",
    "9": "0E11110F01020C", "_": "0000000000001F", " ": "00000000000000", "-": "0000001F000000",
}

CELL_GAP, MARGIN, LABEL = 10, 12, 12


class Canvas:
    def __init__(self, width, height, rgb):
        self.w, self.h = width, height
        self.px = bytearray(bytes(rgb) * (width * height))

    def put(self, x, y, rgb):
        if 0 <= x < self.w and 0 <= y < self.h:
            i = (y * self.w + x) * 3
            self.px[i:i + 3] = bytes(rgb)

    def get(self, x, y):
        i = (y * self.w + x) * 3
        return tuple(self.px[i:i + 3])

    def paste(self, other, x0, y0):
        for y in range(other.h):
            i = (y * other.w) * 3
            j = ((y0 + y) * self.w + x0) * 3
            self.px[j:j + other.w * 3] = other.px[i:i + other.w * 3]

    def text(self, x, y, s, rgb):
        for ch in s.upper():
            rows = FONT.get(ch, FONT[" "])
            for r in range(7):
                bits = int(rows[2 * r:2 * r + 2], 16)
                for c in range(5):
                    if bits & (0x10 >> c):
                        self.put(x + c, y + r, rgb)
            x += 6

    def png(self):
        raw = b"".join(b"\0" + bytes(self.px[y * self.w * 3:(y + 1) * self.w * 3]) for y in range(self.h))

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def read_png(path):
    """An 8-bit RGB or RGBA PNG as a canvas and, for RGBA, its alpha bytes row by row."""
    data = open(path, "rb").read()
    pos, idat, width, height, kind = 8, b"", 0, 0, 2
    while pos < len(data):
        length, chunk = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if chunk == b"IHDR":
            width, height, _, kind = struct.unpack(">IIBB", body[:10])
        elif chunk == b"IDAT":
            idat += body
        pos += 12 + length
    bpp = 4 if kind == 6 else 3
    raw, stride = zlib.decompress(idat), width * bpp
    out, alpha, prev = Canvas(width, height, (0, 0, 0)), [], bytearray(stride)
    for y in range(height):
        f, row = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = row[i - bpp] if i >= bpp else 0
            b, c = prev[i], (prev[i - bpp] if i >= bpp else 0)
            if f == 1: row[i] = (row[i] + a) & 255
            elif f == 2: row[i] = (row[i] + b) & 255
            elif f == 3: row[i] = (row[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        for x in range(width):
            out.put(x, y, tuple(row[x * bpp:x * bpp + 3]))
        alpha.append(row[3::4] if bpp == 4 else bytes([255]) * width)
        prev = row
    return out, alpha


def read_bmp(path):
    data = open(path, "rb").read()
    offset, = struct.unpack("<I", data[10:14])
    width, height = struct.unpack("<ii", data[18:26])
    stride = (width * 3 + 3) & ~3
    out = Canvas(width, abs(height), (0, 0, 0))
    for y in range(abs(height)):
        src = offset + (abs(height) - 1 - y if height > 0 else y) * stride
        for x in range(width):
            b, g, r = data[src + 3 * x:src + 3 * x + 3]
            out.put(x, y, (r, g, b))
    return out


def read_options(path):
    sections, current = {}, None
    for line in open(path, encoding="latin-1").read().splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            current[key.strip()] = value.strip()
    return sections


def rgb_of(colour):
    colour = int(colour)
    return colour & 255, (colour >> 8) & 255, (colour >> 16) & 255


def glyph_frames(master, value, background, at=(0, 0)):
    """The frames of a glyph value, each blended over background (a colour,
    or a canvas whose pixels from at on lie beneath the glyph)."""
    left, top, right, bottom = (int(value[i:i + 4]) for i in (1, 6, 11, 16))
    count, masked = int(value[21]), int(value[23])
    fw, fh = (right - left) // count, (bottom - top) // (masked + 1)
    frames = []
    for i in range(count):
        cell = Canvas(fw, fh, (0, 0, 0))
        for y in range(fh):
            for x in range(fw):
                d = background.get(at[0] + x, at[1] + y) if isinstance(background, Canvas) else background
                cell.put(x, y, d)
                s = master.get(left + i * fw + x, top + y)
                if s == (255, 0, 255):
                    continue
                m = master.get(left + i * fw + x, top + fh + y) if masked else (0, 0, 0)
                cell.put(x, y, tuple((c1 * mk + c * (256 - mk)) >> 8 for c1, c, mk in zip(d, s, m)))
        frames.append(cell)
    return frames


# The mock window: section, state, left, top, width, height (drawn in order).
WINDOW = [
    ("FORM", 1, 0, 0, 420, 250), ("FORMTITLE", 1, 0, 0, 420, 30), ("MENULINE", 1, 1, 30, 418, 22),
    ("TOOLBAR", 0, 1, 52, 418, 32), ("TOOLBUTTON", 1, 8, 54, 28, 28), ("PAGECONTROL", 0, 12, 116, 250, 104),
    ("TABTOP", 0, 92, 94, 76, 24), ("TABTOP", 2, 12, 92, 80, 26), ("EDIT", 1, 24, 132, 130, 24),
    ("COMBOBOX", 0, 24, 166, 130, 24), ("BUTTON", 0, 282, 100, 120, 28), ("BUTTON", 1, 282, 136, 120, 28),
    ("GAUGE", 0, 282, 176, 120, 14), ("PROGRESSH", 0, 282, 176, 78, 14), ("SCROLLBAR1V", 0, 244, 117, 17, 102),
    ("SCROLLSLIDERV", 1, 244, 128, 17, 40), ("STATUSBAR", 0, 1, 226, 418, 23),
]
# Glyphs on the window: section, key, frame, left, top.
WINDOW_GLYPHS = [("GLOBALINFO", "BICONCLOSE", 1, 382, 3), ("GLOBALINFO", "BICONMAX", 0, 348, 3),
                 ("GLOBALINFO", "BICONMIN", 0, 314, 3), ("GLOBALINFO", "BOXCHECKED", 0, 166, 136),
                 ("GLOBALINFO", "RADIOCHECKED", 1, 166, 170), ("COMBOBOX", "GLYPHMASK", 0, 138, 173)]
# Glows around hot parts of the window: section, glow key, left, top, width, height.
WINDOW_GLOWS = [("BUTTON", "GLOW0", 282, 136, 120, 28), ("GLOBALINFO", "BICONCLOSEGLOW0", 382, 3, 34, 24)]
# Texts on the window: section of its colour, hot, text, left, top.
WINDOW_TEXTS = [("FORMTITLE", True, "VESPIRA", 12, 12), ("MENULINE", False, "FILE  EDIT  VIEW", 10, 38),
                ("TABTOP", True, "PAGE", 40, 102), ("TABTOP", False, "MORE", 118, 102),
                ("BUTTON", False, "CANCEL", 324, 111), ("BUTTON", True, "OK", 336, 147),
                ("CHECKBOX", False, "CHECK", 188, 141), ("CHECKBOX", False, "RADIO", 188, 175),
                ("EDIT", False, "TEXT", 32, 141), ("STATUSBAR", False, "READY", 10, 234)]


def draw_glow(window, folder, options, section, key, rect):
    """A glow picture laid around rect as the glow layer shows it: its bands
    around the control, overlapping it by the margin, the centre left clear."""
    words = options[section][key].split("!")
    picture, alpha = read_png(os.path.join(folder, words[1]))
    left, top, right, bottom = (int(w) for w in words[5:9])
    margin_key = "GLOWMARGIN" if key == "GLOW0" else key[:-1] + "MARGIN"
    margin = int(options[section][margin_key])
    x0, y0, w, h = rect[0] - (left - margin), rect[1] - (top - margin), rect[2] + left + right - 2 * margin, rect[3] + top + bottom - 2 * margin

    def source(x, size, band_low, band_high, picture_size):
        """The picture column (or row) drawn at x of a layer size long."""
        if x < band_low:
            return x
        if x >= size - band_high:
            return picture_size - (size - x)
        middle = picture_size - band_low - band_high
        return band_low + (x - band_low) % middle
    for y in range(h):
        sy = source(y, h, top, bottom, picture.h)
        for x in range(w):
            if top <= y < h - bottom and left <= x < w - right:
                continue
            sx = source(x, w, left, right, picture.w)
            a, s = alpha[sy][sx], picture.get(sx, sy)
            if a and 0 <= x0 + x < window.w and 0 <= y0 + y < window.h:
                d = window.get(x0 + x, y0 + y)
                window.put(x0 + x, y0 + y, tuple(dc + (sc - dc) * a // 255 for dc, sc in zip(d, s)))


def mock_window(render, master, options, folder):
    window = Canvas(420, 250, (0, 0, 0))
    for section, state, x, y, w, h in WINDOW:
        behind = window.get(x + w // 2, y + h // 2) if section != "FORM" else rgb_of(options["GLOBALINFO"]["COLOR"])
        window.paste(render(section, state, w, h, behind), x, y)
    for section, key, x, y, w, h in WINDOW_GLOWS:
        draw_glow(window, folder, options, section, key, (x, y, w, h))
    for section, key, frame, x, y in WINDOW_GLYPHS:
        window.paste(glyph_frames(master, options[section][key], window, (x, y))[frame], x, y)
    for section, hot, text, x, y in WINDOW_TEXTS:
        window.text(x, y, text, rgb_of(options[section]["HOTFONTCOLOR" if hot else "FONTCOLOR"]))
    return window


def layout(items, width):
    """items: (label, [canvases]); returns placements and the height used."""
    x, y, row_h, placed = MARGIN, MARGIN, 0, []
    for label, pictures in items:
        w = max(len(label) * 6, sum(p.w for p in pictures) + 6 * (len(pictures) - 1))
        h = LABEL + max(p.h for p in pictures)
        if x + w > width - MARGIN and x > MARGIN:
            x, y, row_h = MARGIN, y + row_h + CELL_GAP, 0
        placed.append((x, y, label, pictures))
        x, row_h = x + w + CELL_GAP * 2, max(row_h, h)
    return placed, y + row_h + MARGIN


def main(vespira, folder, out):
    options = read_options(os.path.join(folder, "Options.dat"))
    info = options["GLOBALINFO"]
    background, ink = rgb_of(info["COLOR"]), rgb_of(info["FONTCOLOR"])
    master = read_bmp(os.path.join(folder, info["MASTERBITMAP"]))
    with tempfile.TemporaryDirectory() as scratch:
        def render(section, state, w, h, behind):
            png = os.path.join(scratch, "picture.png")
            subprocess.run([vespira, "render", folder, "--section", section, "--size", "%dx%d" % (w, h),
                            "--state", str(state), "--background", "%02X%02X%02X" % behind, "--out", png],
                           check=True)
            return read_png(png)[0]
        items = [("", [mock_window(render, master, options, folder)])]
        items += [(section, [render(section, state, w, h, background) for state in (0, 1)]) for section, w, h in SECTIONS]
    for key, value in info.items():
        if value.startswith("@"):
            items.append((key, glyph_frames(master, value, background)))
    placed, height = layout(items, 960)
    sheet = Canvas(960, height, background)
    for x, y, label, pictures in placed:
        sheet.text(x, y, label, ink)
        px = x
        for p in pictures:
            sheet.paste(p, px, y + LABEL)
            px += p.w + 6
    with open(out, "wb") as f:
        f.write(sheet.png())


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
