#!/usr/bin/python3
"""Checks that every text box in a screenshot shows all four border lines.

usage: check-text-box-frames IMAGE.png SCALE X,Y,W,H [X,Y,W,H ...]

Each X,Y,W,H is a text box in logical pixels; SCALE is the image's device
pixels per logical pixel (1.5 at 144 DPI). A side has its line when, within
two device pixels of where the box's edge falls, one row or column runs
darker than both the box's inside and the window around it along almost the
whole side. Prints one line per box, "ok: ..." or "FAIL: ..."; the exit
status is the number of boxes missing a line.
"""
import sys

from PIL import Image


def luminance(pixel):
    r, g, b = pixel[:3]
    return 0.299 * r + 0.587 * g + 0.114 * b


def has_line(image, lines, span, vertical, threshold):
    """Whether one of the rows (or columns) in lines is darker than threshold
    along 90 % of span."""
    for line in lines:
        dark = 0
        for along in span:
            x, y = (line, along) if vertical else (along, line)
            if 0 <= x < image.width and 0 <= y < image.height and \
                    luminance(image.getpixel((x, y))) < threshold:
                dark += 1
        if dark >= 0.9 * len(span):
            return True
    return False


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    image = Image.open(sys.argv[1]).convert("RGB")
    scale = float(sys.argv[2])
    failed = 0
    for box in sys.argv[3:]:
        x, y, w, h = (float(v) for v in box.split(","))
        left, top = round(x * scale), round(y * scale)
        right, bottom = round((x + w) * scale) - 1, round((y + h) * scale) - 1
        inside = luminance(image.getpixel(((left + right) // 2, (top + bottom) // 2)))
        outside = luminance(image.getpixel((left - 4, (top + bottom) // 2)))
        threshold = min(inside, outside) - 15
        rows = range(top + 3, bottom - 2)
        columns = range(left + 3, right - 2)
        sides = {
            "left": has_line(image, range(left - 1, left + 2), rows, True, threshold),
            "right": has_line(image, range(right - 2, right + 2), rows, True, threshold),
            "top": has_line(image, range(top - 1, top + 2), columns, False, threshold),
            "bottom": has_line(image, range(bottom - 2, bottom + 2), columns, False, threshold),
        }
        missing = [side for side, ok in sides.items() if not ok]
        if missing:
            failed += 1
            print(f"FAIL: {sys.argv[1]} at {scale}x: the text box at {box} lacks its "
                  f"{' and '.join(missing)} border line")
        else:
            print(f"ok: {sys.argv[1]} at {scale}x: the text box at {box} shows all four border lines")
    sys.exit(failed)


if __name__ == "__main__":
    main()
