#!/usr/bin/python3
"""Checks that a window rendered one way is the window rendered another,
pixel for pixel: in Windows' dark app mode as in the light mode (the
definitions give light backgrounds and dark text, which a dark palette would
make unreadable), or on arm64 as on amd64.

usage: same_picture.py EXPECTED.png ACTUAL.png
"""
import sys

from PIL import Image, ImageChops


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    expected, actual = (Image.open(p).convert("RGB") for p in sys.argv[1:3])
    if expected.size != actual.size:
        sys.exit(f"FAIL: {sys.argv[2]} is {actual.size}, {sys.argv[1]} {expected.size}")
    box = ImageChops.difference(expected, actual).getbbox()
    if box:
        sys.exit(f"FAIL: {sys.argv[2]} differs from {sys.argv[1]} in {box}")
    print(f"ok: {sys.argv[2]} is {sys.argv[1]}, pixel for pixel")


if __name__ == "__main__":
    main()
