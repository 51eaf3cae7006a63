#!/usr/bin/env python3
"""Packs the binary files of a position directory into one seed input of
the position loader's fuzz target: for each file a 16-bit little-endian
length and its bytes, 0xFFFF for a missing file.

Usage: pack_position.py POSITION_DIRECTORY EXTENSION OUTPUT
"""
import os
import struct
import sys

FILES = ["PARAMR", "ELEMENTS", "NODES", "LKNOTENR", "CROSS", "MATR", "EXTENSIOR", "GEOMETRY"]


def main():
    directory, extension, output = sys.argv[1:4]
    packed = b""
    for name in FILES:
        path = os.path.join(directory, name + extension)
        if not os.path.exists(path):
            packed += struct.pack("<H", 0xFFFF)
            continue
        with open(path, "rb") as f:
            data = f.read()
        packed += struct.pack("<H", len(data)) + data
    with open(output, "wb") as f:
        f.write(packed)


if __name__ == "__main__":
    main()
