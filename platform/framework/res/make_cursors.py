#!/usr/bin/env python3
# Writes the framework's cursors (32 x 32, black with a white edge) as .cur files.
# Run from this folder when a shape changes; the .cur files are kept in the tree.
import struct

def arrow_v(x, y, cx, top, bottom):  # a vertical double arrow
    if abs(x - cx) <= 1 and top + 4 <= y <= bottom - 4:
        return True
    for tip, d in ((top, 1), (bottom, -1)):
        k = (y - tip) * d
        if 0 <= k <= 4 and abs(x - cx) <= k:
            return True
    return False

def arrow_h(x, y, cy, left, right):
    return arrow_v(y, x, cy, left, right)

def diag(x, y, flip):
    if flip:
        x = 31 - x
    on_line = abs(x - y) <= 1 and 8 <= x <= 23
    tip1 = 6 <= x <= 11 and 6 <= y <= 11 and (x == 6 or y == 6 or x + y <= 17)
    tip2 = 20 <= x <= 25 and 20 <= y <= 25 and (x == 25 or y == 25 or x + y >= 45)
    return on_line or (tip1 and (x <= 8 or y <= 8)) or (tip2 and (x >= 23 or y >= 23))

shapes = {
    'hsplit': (lambda x, y: (x in (14, 17) and 6 <= y <= 25) or arrow_h(x, y, 15, 4, 27) and not (12 <= x <= 19 and 13 <= y <= 17 and x not in (14, 17)), (15, 15)),
    'vsplit': (lambda x, y: (y in (14, 17) and 6 <= x <= 25) or arrow_v(x, y, 15, 4, 27) and not (12 <= y <= 19 and 13 <= x <= 17 and y not in (14, 17)), (15, 15)),
    'track4way': (lambda x, y: arrow_v(x, y, 15, 4, 27) or arrow_h(x, y, 15, 4, 27), (15, 15)),
    'move4way': (lambda x, y: arrow_v(x, y, 15, 2, 29) or arrow_h(x, y, 15, 2, 29), (15, 15)),
    'smallarrows': (lambda x, y: arrow_v(x, y, 15, 8, 23) or arrow_h(x, y, 15, 8, 23), (15, 15)),
    'trackns': (lambda x, y: arrow_v(x, y, 15, 4, 27), (15, 15)),
    'trackwe': (lambda x, y: arrow_h(x, y, 15, 4, 27), (15, 15)),
    'tracknwse': (lambda x, y: diag(x, y, False), (15, 15)),
    'tracknesw': (lambda x, y: diag(x, y, True), (15, 15)),
    'nodrop': (lambda x, y: 8 <= ((x - 15) ** 2 + (y - 15) ** 2) ** 0.5 <= 10.5 or (abs(x - y) <= 1 and 9 <= x <= 22), (15, 15)),
    'magnify': (lambda x, y: 5 <= ((x - 12) ** 2 + (y - 12) ** 2) ** 0.5 <= 7 or (abs(x - y) <= 1 and 17 <= x <= 27), (12, 12)),
    'contexthelp': (lambda x, y: (x <= 1 + y // 2 and y <= 16 and x >= 1 and y >= 1 and x <= y) or (18 <= x <= 26 and y in (3, 4) ) or (x in (25, 26) and 3 <= y <= 9) or (21 <= x <= 26 and y in (9, 10)) or (x in (21, 22) and 9 <= y <= 13) or (x in (21, 22) and 16 <= y <= 17), (1, 1)),
}

def write(name, fn, hot):
    shape = [[bool(fn(x, y)) for x in range(32)] for y in range(32)]
    edge = [[not shape[y][x] and any(0 <= y + dy < 32 and 0 <= x + dx < 32 and shape[y + dy][x + dx]
                                     for dy in (-1, 0, 1) for dx in (-1, 0, 1)) for x in range(32)] for y in range(32)]
    xor_rows, and_rows = [], []
    for y in range(31, -1, -1):  # bottom-up
        xor_bits = and_bits = 0
        for x in range(32):
            bit = 1 << (31 - x)
            if edge[y][x]:
                xor_bits |= bit  # white
            elif not shape[y][x]:
                and_bits |= bit  # transparent
        xor_rows.append(struct.pack('>I', xor_bits))
        and_rows.append(struct.pack('>I', and_bits))
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 1, 0, 0, 0, 0, 2, 0)
    image = header + bytes([0, 0, 0, 0, 255, 255, 255, 0]) + b''.join(xor_rows) + b''.join(and_rows)
    data = struct.pack('<HHH', 0, 2, 1) + struct.pack('<BBBBHHII', 32, 32, 2, 0, hot[0], hot[1], len(image), 22) + image
    open(name + '.cur', 'wb').write(data)

for name, (fn, hot) in shapes.items():
    write(name, fn, hot)
