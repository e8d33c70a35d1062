#!/usr/bin/env python3
"""Draws the images that scenes of the program carry in its own resources, in the brand's
orange, at 1x and 2x: the call-settings window's edit pen.

Pure Python, with the theme's PNG writer; writes beside the scenes under resources/windows/.
"""
import math
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WINDOWS = ROOT / "resources" / "windows"
# The theme's PNG writer and brand colour.
sys.path.insert(0, str(ROOT / "themes" / "default"))
from generate_assets import BRAND, png  # noqa: E402


def pen_pixel(size):
    """A pen lying from the bottom left to the top right: a body, a tip and a cap."""
    samples = 4

    def coverage(x, y):
        hit = 0
        for sy in range(samples):
            for sx in range(samples):
                # Unit square coordinates, rotated so that the pen runs along u.
                px = (x + (sx + 0.5) / samples) / size
                py = (y + (sy + 0.5) / samples) / size
                u = (px - 0.12 + (0.88 - py)) / math.sqrt(2)
                v = (px - 0.12 - (0.88 - py)) / math.sqrt(2)
                length = 0.95
                half = 0.11
                if 0.16 <= u <= length and abs(v) <= half:
                    hit += 1
                elif 0.0 <= u < 0.16 and abs(v) <= half * u / 0.16:
                    hit += 1
        return hit / (samples * samples)

    def pixel(x, y):
        alpha = coverage(x, y)
        return BRAND + (int(round(alpha * 255)),)

    return pixel


def main():
    target = WINDOWS / "CallSettings"
    for scale, suffix in ((1, ""), (2, "@2x")):
        size = 16 * scale
        (target / ("callsettings_pen" + suffix)).write_bytes(png(size, size, pen_pixel(size)))


if __name__ == "__main__":
    main()
