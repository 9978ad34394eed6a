#!/usr/bin/env python3
"""Writes mainwindow/resources/PMR.ico, the program icon of quorvels.exe, from
mainwindow/resources/PMR.png (8-bit RGBA, not interlaced): the picture at its
own size and halved down to 16 pixels, each as a 32-bit bitmap with its alpha
channel, the form every version of Windows reads. The halved pictures are also
written as PMR-<size>.png, the smaller icons of the Linux package. Run it
again after changing the picture; the same picture always gives the same files."""
import struct
import sys
import zlib
from pathlib import Path

resources = Path(__file__).resolve().parent.parent / "mainwindow" / "resources"


def read_png(data):
    """The picture's width, height and rows of (r, g, b, a) bytes."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("PMR.png is not a PNG picture")
    pos, compressed = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 6, 0):
                sys.exit("PMR.png must be 8-bit RGBA without interlacing")
        elif kind == b"IDAT":
            compressed += body
        pos += 12 + length
    raw, stride, rows, previous = zlib.decompress(compressed), width * 4, [], bytearray(width * 4)
    for y in range(height):
        start = y * (stride + 1)
        kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for x in range(stride):
            left = row[x - 4] if x >= 4 else 0
            up, up_left = previous[x], previous[x - 4] if x >= 4 else 0
            if kind == 1:
                row[x] = (row[x] + left) & 0xFF
            elif kind == 2:
                row[x] = (row[x] + up) & 0xFF
            elif kind == 3:
                row[x] = (row[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                guess = left + up - up_left
                near = min((abs(guess - left), 0, left), (abs(guess - up), 1, up), (abs(guess - up_left), 2, up_left))
                row[x] = (row[x] + near[2]) & 0xFF
        rows.append(row)
        previous = row
    return width, height, rows


def halved(width, height, rows):
    """Each 2 by 2 block of pixels as one, colours weighted by their alpha."""
    result = []
    for y in range(0, height, 2):
        row = bytearray()
        for x in range(0, width * 4, 8):
            block = [(rows[y + dy][x + dx * 4:x + dx * 4 + 4]) for dy in (0, 1) for dx in (0, 1)]
            alpha = sum(p[3] for p in block)
            for channel in range(3):
                row.append(sum(p[channel] * p[3] for p in block) // alpha if alpha else 0)
            row.append(alpha // 4)
        result.append(row)
    return width // 2, height // 2, result


def png(width, height, rows):
    """The picture as an 8-bit RGBA PNG file, each row unfiltered."""
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def icon_image(width, height, rows):
    """A BITMAPINFOHEADER of twice the height, the pixels bottom-up as BGRA,
    then the mask (a bit per pixel, set where it is transparent)."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask = bytearray()
    mask_stride = ((width + 31) // 32) * 4
    for row in reversed(rows):
        for x in range(0, width * 4, 4):
            pixels += bytes((row[x + 2], row[x + 1], row[x], row[x + 3]))
        bits = bytearray(mask_stride)
        for x in range(width):
            if row[x * 4 + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


width, height, rows = read_png((resources / "PMR.png").read_bytes())
if width != height or width > 256 or width & (width - 1):
    sys.exit("the picture must be square, a power of two and at most 256 pixels")
images = []
while True:
    images.append((width, icon_image(width, height, rows)))
    if width <= 16:
        break
    width, height, rows = halved(width, height, rows)
    (resources / f"PMR-{width}.png").write_bytes(png(width, height, rows))

# ICONDIR (reserved, type 1 = icon, the count), an ICONDIRENTRY for each image
# (0 stands for 256 pixels), then the images.
out = struct.pack("<HHH", 0, 1, len(images))
offset = 6 + 16 * len(images)
for size, image in images:
    out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
out += b"".join(image for _, image in images)
(resources / "PMR.ico").write_bytes(out)
