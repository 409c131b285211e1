#!/usr/bin/python3
"""Checks that a window rendered in Windows' dark app mode is the window
rendered in the light mode, pixel for pixel: the definitions give light
backgrounds and dark text, which a dark palette would make unreadable.

usage: compare_dark.py LIGHT.png DARK.png
"""
import sys

from PIL import Image, ImageChops


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    light, dark = (Image.open(p).convert("RGB") for p in sys.argv[1:3])
    if light.size != dark.size:
        sys.exit(f"FAIL: {sys.argv[2]} is {dark.size}, the light mode's {light.size}")
    box = ImageChops.difference(light, dark).getbbox()
    if box:
        sys.exit(f"FAIL: {sys.argv[2]} differs from the light mode in {box}")
    print(f"ok: {sys.argv[2]} keeps the light mode's colours, pixel for pixel")


if __name__ == "__main__":
    main()
