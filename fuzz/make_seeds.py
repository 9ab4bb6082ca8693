#!/usr/bin/env python3
"""Writes small hand-made seed inputs for the archive and image-record fuzzers."""
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
