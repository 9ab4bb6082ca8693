#!/usr/bin/env python3
"""Writes the small hostile JPEG files of the picture loader tests: a real
16 x 16 progressive JPEG (cjpeg from libjpeg-turbo-progs) whose frame header
then claims a far larger picture than its few hundred bytes hold."""
import pathlib
import struct
import subprocess

here = pathlib.Path(__file__).resolve().parent


def small_progressive(sampling):
    # A 16 x 16 colour ramp as a binary PPM.
    pixels = bytes(v for y in range(16) for x in range(16) for v in (x * 16, y * 16, 128))
    ppm = b'P6\n16 16\n255\n' + pixels
    return subprocess.run(['cjpeg', '-progressive', '-sample', sampling, '-quality', '90'],
                          input=ppm, capture_output=True, check=True).stdout


def with_size(jpeg, width, height):
    # The progressive frame header SOF2 (FF C2): length, precision, then height and width.
    at = jpeg.index(b'\xff\xc2')
    return jpeg[:at + 5] + struct.pack('>HH', height, width) + jpeg[at + 9:]


# Past every side limit, with the usual halved chroma: the decoder would take
# 3.2 GB of coefficients for its scans. Refused from the header alone.
(here / 'declares-32767-square.jpg').write_bytes(with_size(small_progressive('2x2'), 32767, 32767))
# Within the side and pixel limits, but at full colour resolution the
# decoder would need 1.5 GB of coefficients.
(here / 'progressive-16000-square.jpg').write_bytes(with_size(small_progressive('1x1'), 16000, 16000))
