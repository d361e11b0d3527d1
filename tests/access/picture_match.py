#!/usr/bin/python3
"""Whether the pictures on a screenshot were drawn from their SVG at the screen's scale.

Usage: picture_match.py SCREENSHOT SCALE SVG_DIR NAME:X:Y:SIZE...
For each picture NAME (SVG_DIR/NAME.svg), SIZE pixels across at 1x, whose top-left corner
should be near X, Y on the screenshot (device pixels): the mean difference of its opaque
pixels from the SVG drawn at SIZE*SCALE ("crisp") and from the SVG drawn at SIZE and
stretched ("stretched"), each at the best offset within 3 pixels. Fails unless crisp is at
most half of stretched for every picture. One line a picture.
"""
import subprocess
import sys
import tempfile

from PIL import Image


def render(svg, pixels, folder):
    out = f"{folder}/{pixels}.png"
    subprocess.run(["rsvg-convert", "-w", str(pixels), "-h", str(pixels), svg, "-o", out],
                   check=True)
    return Image.open(out).convert("RGBA")


def difference(shot, picture, x, y):
    width, height = picture.size
    region = shot.crop((x, y, x + width, y + height)).load()
    pixels = picture.load()
    total = 0
    counted = 0
    for j in range(height):
        for i in range(width):
            r, g, b, a = pixels[i, j]
            if a < 255:
                continue
            sr, sg, sb = region[i, j][:3]
            total += abs(sr - r) + abs(sg - g) + abs(sb - b)
            counted += 1
    return total / (3 * counted) if counted else float("inf")


def best(shot, picture, x, y):
    return min(difference(shot, picture, x + dx, y + dy)
               for dx in range(-3, 4) for dy in range(-3, 4))


def main(argv):
    if len(argv) < 5:
        print(__doc__, file=sys.stderr)
        return 2
    shot = Image.open(argv[1]).convert("RGB")
    scale = int(argv[2])
    failed = 0
    with tempfile.TemporaryDirectory() as folder:
        for entry in argv[4:]:
            name, x, y, size = entry.split(":")
            x, y, size = int(x), int(y), int(size)
            svg = f"{argv[3]}/{name}.svg"
            crisp = render(svg, size * scale, folder)
            small = render(svg, size, folder)
            stretched = small.resize(crisp.size, Image.BILINEAR)
            # Judge both on the same pixels: those the crisp drawing covers fully.
            stretched.putalpha(crisp.getchannel("A"))
            c = best(shot, crisp, x, y)
            s = best(shot, stretched, x, y)
            good = c * 2 <= s
            failed += 0 if good else 1
            print(f"{name}: crisp {c:.1f}, stretched {s:.1f} {'' if good else '(blurry)'}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
