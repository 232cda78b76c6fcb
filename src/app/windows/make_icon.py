#!/usr/bin/env python3
"""Writes miravel.ico (the icon in Miravel.exe) from the program's PNG icons.

Each size is stored as the PNG itself, which Windows reads since Vista.
Run from anywhere: python3 src/app/windows/make_icon.py
"""
import pathlib
import struct

here = pathlib.Path(__file__).resolve().parent
icons = here.parents[2] / "share" / "icons" / "hicolor"
sizes = [16, 24, 32, 48, 64, 128, 256]
images = [(icons / f"{s}x{s}" / "apps" / "miravel.png").read_bytes() for s in sizes]

header = struct.pack("<HHH", 0, 1, len(images))
offset = len(header) + 16 * len(images)
entries = b""
for size, data in zip(sizes, images):
    side = 0 if size == 256 else size  # 0 stands for 256
    entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
(here / "miravel.ico").write_bytes(header + entries + b"".join(images))
