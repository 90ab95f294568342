#!/usr/bin/env python3
"""Writes the Windows icon file from the program's own XPM artwork.

make_ico.py ICON_ART_CPP OUT.ico NAME[*FACTOR]...  reads the named XPM arrays from the C++
source (shell/icons/icon_art.cpp), so the .exe shows the very pixels the windows and the
Linux icon theme show, and writes them as one .ico with a 32-bit image (alpha) per size.
NAME*2 is that picture with each pixel doubled, for screens scaled to 200%.
"""
import re
import struct
import sys

STRING = r'"((?:[^"\\]|\\.)*)"'


def read_arrays(source):
    macros = {}
    for name, body in re.findall(r'#define\s+(\w+)((?:[^\n]*\\\n)*[^\n]*)', source):
        macros[name] = re.findall(STRING, body)
    arrays = {}
    for name, body in re.findall(r'const char\* const (\w+)\[\]\s*=\s*\{(.*?)\};', source, re.S):
        rows = []
        for token in re.finditer(STRING + r'|(\w+)', body):
            if token.group(1) is not None:
                rows.append(token.group(1))
            elif token.group(2) in macros:
                rows.extend(macros[token.group(2)])
        arrays[name] = rows
    return arrays


def pixels(xpm):
    width, height, colours, per_pixel = map(int, xpm[0].split()[:4])
    palette = {}
    for line in xpm[1:1 + colours]:
        key, rest = line[:per_pixel], line[per_pixel:].split()
        value = rest[rest.index('c') + 1]
        palette[key] = None if value.lower() == 'none' else int(value.lstrip('#'), 16)
    rows = xpm[1 + colours:1 + colours + height]
    if len(rows) != height or any(len(r) != width * per_pixel for r in rows):
        raise ValueError('XPM rows do not match its %dx%d header' % (width, height))
    return width, height, [[palette[r[x * per_pixel:(x + 1) * per_pixel]] for x in range(width)] for r in rows]


def icon_image(width, height, grid):
    # BITMAPINFOHEADER with twice the height (colour and mask), rows bottom-up.
    data = struct.pack('<IiiHHIIiiII', 40, width, 2 * height, 1, 32, 0, 0, 0, 0, 0, 0)
    for row in reversed(grid):
        for rgb in row:
            data += struct.pack('<I', 0 if rgb is None else 0xFF000000 | rgb)
    stride = (width + 31) // 32 * 4
    for row in reversed(grid):
        bits = bytearray(stride)
        for x, rgb in enumerate(row):
            if rgb is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bytes(bits)
    return data


def main():
    source_path, out_path, names = sys.argv[1], sys.argv[2], sys.argv[3:]
    with open(source_path, encoding='utf-8') as f:
        arrays = read_arrays(f.read())
    images = []
    for spec in names:
        name, _, factor = spec.partition('*')
        factor = int(factor or 1)
        if name not in arrays:
            sys.exit('make_ico.py: no array %s in %s' % (name, source_path))
        width, height, grid = pixels(arrays[name])
        grid = [[rgb for rgb in row for _ in range(factor)] for row in grid for _ in range(factor)]
        width, height = width * factor, height * factor
        images.append((width, height, icon_image(width, height, grid)))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, data in images:
        out += struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, _, data in images)
    with open(out_path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
