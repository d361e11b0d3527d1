#!/usr/bin/python3
"""Contrast of a text with its background on a screenshot.

Usage: contrast.py SCREENSHOT X Y WIDTH HEIGHT
Prints "RATIO TEXT BACKGROUND": the background is the commonest colour of the area, the text
the colour of the pixel that stands out from it most (a glyph's solid core), and RATIO their
contrast as WCAG computes it.
"""
import sys
from collections import Counter

from PIL import Image


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def main(argv):
    if len(argv) != 6:
        print(__doc__, file=sys.stderr)
        return 2
    x, y, w, h = (int(v) for v in argv[2:])
    area = Image.open(argv[1]).convert("RGB").crop((x, y, x + w, y + h))
    colours = Counter(area.getdata())
    background = colours.most_common(1)[0][0]
    text = max(colours, key=lambda c: ratio(c, background))
    hex_of = lambda c: "#%02x%02x%02x" % c
    print(f"{ratio(text, background):.2f} {hex_of(text)} {hex_of(background)}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
