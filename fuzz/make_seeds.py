#!/usr/bin/env python3
"""Writes small hand-made seed inputs for the archive, image-record, document, symbol-file,
clipboard and picture-loader fuzzers."""
import pathlib
import struct

here = pathlib.Path(__file__).resolve().parent


def header(width, height, bits):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, 0, 0, 0, 0, 0)


def record(fmt, width, height, bits, mode, data, table=b''):
    info = header(width, height, bits) + table
    return struct.pack('<ii', fmt, len(info)) + info + struct.pack('<iii', width, height, mode) + data


grey = record(2, 3, 2, 24, 3, bytes([0xFE, 40, 0x02, 10, 20, 30]))
colour = record(1, 5, 1, 24, 3, bytes([0xFD, 1, 0, 9, 0xFD, 2, 0, 8, 0xFD, 3, 0, 7]))
paletted = record(1, 3, 2, 8, 1, bytes([0xFF, 0, 0x02, 2, 0, 1, 0xFE, 0]), bytes(1024))
mono = record(1, 9, 2, 1, 1, bytes([0xF9, 0xAA]), bytes([0, 0, 0, 0, 255, 255, 255, 0]))
raw = struct.pack('<ii', 0, 40) + header(1, 2, 24) + struct.pack('<I', 8) + bytes([1, 2, 3, 0, 4, 5, 6, 0])
for name, data in [('grey', grey), ('colour', colour), ('paletted', paletted), ('mono', mono), ('raw', raw)]:
    (here / 'corpus' / 'dib_record' / name).write_bytes(data)

path = struct.pack('<I', 2) + struct.pack('<iiii', 1, 2, 3, 4)
child = struct.pack('<H', 0x8001) + bytes([0, 0])
body = bytes([1]) + b'n' + bytes([7]) + path + grey + child
stream = struct.pack('<H', 1) + bytes([2]) + b'ab' + struct.pack('<H', 2) \
    + struct.pack('<HHH', 0xFFFF, 3, 7) + b'CDibObj' + body \
    + struct.pack('<H', 0x8001) + bytes([0, 0])
(here / 'corpus' / 'archive' / 'objects').write_bytes(stream)
long_string = struct.pack('<H', 0xFFFF) + struct.pack('<I', 70000) + bytes([0xFF]) + struct.pack('<H', 0xFFFE) \
    + bytes([3]) + 'abc'.encode('utf-16-le') + struct.pack('<H', 0)
(here / 'corpus' / 'archive' / 'strings').write_bytes(long_string)


# Documents and symbol files, from their layouts.
def astring(text):
    data = text.encode('cp1252')
    assert len(data) < 0xFF
    return bytes([len(data)]) + data


def class_record(name, schema=3):
    return struct.pack('<HHH', 0xFFFF, schema, len(name)) + name.encode('ascii')


def common(name, flags, x, y, cx, cy, visible=1):
    return astring(name) + struct.pack('<Iiiiii', flags, visible, x, y, cx, cy)


def logfont(height, weight, face, charset=0, quality=0):
    face_bytes = face.encode('cp1252')
    return struct.pack('<iiiiiBBBBBBBB', height, 0, 0, 0, weight, 0, 0, 0, charset, 0, 0, quality, 0) \
        + face_bytes + bytes(32 - len(face_bytes))


def text_block(name, cx=2000, cy=600, antialias=0):
    return common(name, 0x0804, 0, 0, cx, cy) + logfont(-40, 400, 'Arial') \
        + struct.pack('<iiiiIIIii', 50, 50, 1, 1, 0xFFFFFF, 0x808080, 0x000000, 1, antialias)


def line_text(name, text, mode, centre_y, angle, radius, spread, cx=3000, cy=800):
    return common(name, 0x0800, 0, int(centre_y), cx, cy) + astring(text) + logfont(-60, 700, 'Times New Roman') \
        + struct.pack('<iiiii', mode, 0, 0, 0, 1) \
        + struct.pack('<fffffff', 0.0, centre_y, angle, radius, spread, 8.0, 0.0) \
        + struct.pack('<iII', 0, 0xFFFFFF, 0x000000)


def document(version, objects, width=9000, height=9000):
    magic = b'Corvex KZ Corporation Veldra Document'
    head = magic + bytes(48 - len(magic)) + struct.pack('<Iiii', version, width, height, 0x303030) \
        + struct.pack('<ii', 10, -20)
    if version >= 1:
        head += struct.pack('<i', -500)
    if version >= 2:
        head += struct.pack('<i', 1)
    return head + struct.pack('<H', len(objects)) + b''.join(objects)


small_picture = common('photo.bmp', 0x0104, -1000, 500, 300, 200) + colour
pen_layer = common('', 0x100F, 0, 0, 9000, 9000) + record(2, 4, 4, 24, 3, bytes([0xF1, 1, 0xF1, 0, 0xF1, 0]))
material = common('round', 0x203F, 0, 0, 9000, 9000) + mono

seeds = {
    'empty': document(2, []),
    'empty_v0': document(0, []),
    'empty_v1': document(1, [], 5000, 3000),
    # Class indexes: each new class record and each new object takes the next one.
    'picture': document(2, [class_record('CDibObj') + small_picture]),
    'picture_v1': document(1, [class_record('CDibObj') + small_picture]),
    'layers': document(2, [class_record('CDibObj', 2) + material,            # class 1, object 2
                           struct.pack('<H', 0x8001) + small_picture,      # object 3
                           struct.pack('<H', 0x8001) + pen_layer]),        # object 4
    'texts': document(2, [class_record('CTextObj') + text_block('Line one\r\nLine two'),    # 1, 2
                          class_record('CFreeTextObj') + line_text('', 'Straight', 0, -2000.0, 15.0, 0.0, 0.0),  # 3, 4
                          class_record('CArcTextObj') + line_text('', 'Around the rim', 1, 0.0, 90.0, 3500.0, 120.0),  # 5, 6
                          struct.pack('<H', 0x8003) + line_text('', 'Second line', 0, 2000.0, 0.0, 0.0, 0.0)]),
    'mixed_v0': document(0, [class_record('CTextObj') + text_block('Plate'),
                             class_record('CDibObj') + small_picture]),
    # Hostile: text claiming bands and blocks of 9000 pixels and more at
    # 529 dpi, and a centre one bit away from a real one, next to the limit.
    'huge_band': document(2, [class_record('CFreeTextObj')
                              + line_text('', 'WIDE', 1, 0.0, 180.0, 40.0, 100.0, 43000, 43000)]),
    'huge_fan': document(2, [class_record('CArcTextObj')
                             + line_text('', 'WIDE', 0, 43000.0, 180.0, 4300.0, 50.0, 3000, 8000)]),
    'huge_block': document(2, [class_record('CTextObj') + text_block('WIDE', 43000, 20000, 1)]),
    'far_centre': document(2, [class_record('CDibObj')
                               + common('far', 0x0104, 2147483348, 500, 300, 200) + colour]),
}
(here / 'corpus' / 'document').mkdir(exist_ok=True)
for name, data in seeds.items():
    (here / 'corpus' / 'document' / name).write_bytes(data)


def symbol_file(version, body):
    magic = b'Corvex KZ Corporation Veldra Symbol'
    return magic + bytes(48 - len(magic)) + struct.pack('<I', version) + body


symbols = {
    'frame': symbol_file(1, common('frame', 0x0250, 0, 0, 900, 600) + mono),
    'symbol': symbol_file(1, common('star', 0x0404, 0, 0, 300, 200) + colour),
    'older': symbol_file(0, common('older', 0x0404, 0, 0, 300, 200) + paletted),
    'raw': symbol_file(1, common('raw', 0x0404, 0, 0, 100, 200) + raw),
}
(here / 'corpus' / 'symbol').mkdir(exist_ok=True)
for name, data in symbols.items():
    (here / 'corpus' / 'symbol' / name).write_bytes(data)


def bitmap_file(width, height, rows):
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 0, 0, 0, 0)
    return b'BM' + struct.pack('<IHHI', 14 + len(info) + len(rows), 0, 0, 14 + len(info)) + info + rows


# One object as another copy of the program leaves it on the clipboard, and
# a bitmap file as other programs offer pictures.
clipboard = {
    'picture': class_record('CDibObj') + small_picture,
    'text_block': class_record('CTextObj') + text_block('On the\r\nclipboard'),
    'fan': class_record('CArcTextObj') + line_text('', 'Pasted around', 1, 0.0, 180.0, 2500.0, 60.0),
    'bitmap': bitmap_file(2, 2, bytes([0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0])),
}
(here / 'corpus' / 'clipboard').mkdir(exist_ok=True)
for name, data in clipboard.items():
    (here / 'corpus' / 'clipboard' / name).write_bytes(data)


# Pictures: a bitmap, and the loader tests' JPEG files whose headers claim
# huge pictures (their scans are a real 16 x 16 picture's).
pictures = {
    'bitmap': bitmap_file(2, 2, bytes([0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0])),
}
jpegs = here.parent / 'tests' / 'acquire' / 'data'
for name in ['declares-32767-square.jpg', 'progressive-16000-square.jpg']:
    pictures[name] = (jpegs / name).read_bytes()
(here / 'corpus' / 'picture_loader').mkdir(exist_ok=True)
for name, data in pictures.items():
    (here / 'corpus' / 'picture_loader' / name).write_bytes(data)

# Data files: the first byte picks the separator (odd: tab), the rest is the file.
(here / 'corpus' / 'data_source').mkdir(exist_ok=True)
(here / 'corpus' / 'data_source' / 'csv').write_bytes(b',Name,Dept\n"Smith, J.",Lab\n')
(here / 'corpus' / 'data_source' / 'tsv').write_bytes(b'\x01Name\tNo\n{Name} {serial:0001+5}\t2\n')

# Back-to-back PackBits blocks: block size less one (two bytes), count less
# one, where the guessed walk starts (of 256), then the code.
def packbits(data):
    out, i = bytearray(), 0
    while i < len(data):
        run = 1
        while i + run < len(data) and run < 128 and data[i + run] == data[i]:
            run += 1
        if run >= 2:
            out += bytes([(1 - run) & 0xFF, data[i]])
            i += run
            continue
        start = i
        while i < len(data) and i - start < 128 and (i + 1 >= len(data) or data[i + 1] != data[i]):
            i += 1
        if i == start:
            i += 1
        out += bytes([i - start - 1]) + data[start:i]
    return bytes(out)


(here / 'corpus' / 'packbits_blocks').mkdir(exist_ok=True)
noise, planes = 7, []
for plane in range(3):
    block = bytearray()
    for i in range(600):
        noise = (noise * 1664525 + 1013904223) & 0xFFFFFFFF
        block.append((i // 20 + (noise >> 29) + 60 * plane) & 0xFF)
    planes.append(packbits(bytes(block)))
(here / 'corpus' / 'packbits_blocks' / 'planes').write_bytes(struct.pack('<HBB', 599, 2, 128) + b''.join(planes))
(here / 'corpus' / 'packbits_blocks' / 'flat').write_bytes(struct.pack('<HBB', 255, 0, 90) + bytes([0x81, 0x81, 0x81, 0x81]))
