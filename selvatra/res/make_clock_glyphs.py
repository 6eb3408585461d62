#!/usr/bin/env python3
"""Writes the clock glyph bitmaps (clock_00.bmp ... clock_17.bmp): 16x24 pixels, 4 bits per
pixel, a 5x7 dot font scaled by three. Glyph pixels use colour-table entry 11 and the
background entry 0, which the clocks recolour when drawn. 0-9 digits, 10 colon, 11 blank,
12-17 the letters A, M, L, T, H, Y (14-15 label a light break, 16-17 a heavy break)."""
import struct

FONT = {
    '0': ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    '1': ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    '2': ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    '3': ["11111", "00010", "00100", "00010", "00001", "10001", "01110"],
    '4': ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    '5': ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    '6': ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    '7': ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    '8': ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    '9': ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
    ':': ["00000", "01100", "01100", "00000", "01100", "01100", "00000"],
    ' ': ["00000"] * 7,
    'A': ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    'M': ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    'L': ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    'T': ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    'H': ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    'Y': ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
}
ORDER = "0123456789: AMLTHY"
W, H, SCALE, X0, Y0 = 16, 24, 3, 0, 1
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]

def glyph(ch):
    rows = FONT[ch]
    pix = [[0] * W for _ in range(H)]
    for r, line in enumerate(rows):
        for c, bit in enumerate(line):
            if bit == '1':
                for dy in range(SCALE):
                    for dx in range(SCALE):
                        pix[Y0 + r * SCALE + dy][X0 + c * SCALE + dx] = 11
    return pix

def bmp(pix):
    stride = ((W * 4 + 31) // 32) * 4
    data = b""
    for row in reversed(pix):   # bottom-up
        line = bytearray(stride)
        for x in range(W):
            if x % 2 == 0:
                line[x // 2] |= row[x] << 4
            else:
                line[x // 2] |= row[x]
        data += bytes(line)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(pal)
    head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return head + info + pal + data

for i, ch in enumerate(ORDER):
    with open("clock_%02d.bmp" % i, "wb") as f:
        f.write(bmp(glyph(ch)))
