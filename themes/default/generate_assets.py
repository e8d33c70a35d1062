#!/usr/bin/env python3
"""Draws the default theme's icon and images and synthesises its sounds.

Run from anywhere; writes into resources/ beside this script. Pure Python (zlib, struct,
wave) so that it needs nothing beyond the interpreter.
"""
import math
import struct
import wave
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent / "resources"
# The program's icon for the desktop's menus, in the freedesktop icon theme's layout.
DESKTOP_ICONS = Path(__file__).resolve().parent / "icons" / "hicolor"
DESKTOP_ICON_NAME = "com.marlowane.Telvarion"
DESKTOP_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)

# The brand's colours, as the style table names them: "defaultButton" and "hoverButton".
BRAND = (0xf7, 0x8f, 0x1e)
BRAND_LIGHT = (0xf7, 0xbd, 0x2f)
LIGHT = (0xff, 0xff, 0xff)


def png(width, height, pixel):
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def icon_pixel(size):
    """A rounded square in the brand's orange holding a white speech bubble with three dots,
    as the login window's banner shows it."""
    radius = size * 0.22
    centre = (size - 1) / 2

    def inside_rounded(x, y):
        dx = max(abs(x - centre) - (centre - radius), 0)
        dy = max(abs(y - centre) - (centre - radius), 0)
        return dx * dx + dy * dy <= radius * radius

    def inside_bubble(x, y):
        bx, by = size * 0.5, size * 0.45
        rx, ry = size * 0.30, size * 0.22
        ellipse = ((x - bx) / rx) ** 2 + ((y - by) / ry) ** 2 <= 1
        tail = (size * 0.30 <= x <= size * 0.45 and by <= y <= size * 0.80
                and (x - size * 0.30) >= (y - by) * 0.35)
        return ellipse or tail

    def inside_dot(x, y):
        radius_dot = max(size * 0.055, 0.8)
        cy = size * 0.45
        return any((x - size * cx) ** 2 + (y - cy) ** 2 <= radius_dot * radius_dot for cx in (0.36, 0.5, 0.64))

    def brand(x, y):
        # From the brand's orange at the top left to its lighter tone at the bottom right.
        t = min(max((x + y) / (2 * (size - 1)), 0.0), 1.0)
        return tuple(round(a + (b - a) * t) for a, b in zip(BRAND, BRAND_LIGHT))

    def pixel(x, y):
        if not inside_rounded(x, y):
            return (0, 0, 0, 0)
        if inside_bubble(x, y) and not inside_dot(x, y):
            return LIGHT + (255,)
        return brand(x, y) + (255,)

    return pixel


def smoothed(pixel_at, size, factor=4):
    """The picture drawn factor times larger and averaged down: smooth edges at large sizes."""
    big = pixel_at(size * factor)

    def pixel(x, y):
        total = [0, 0, 0, 0]
        for sy in range(factor):
            for sx in range(factor):
                r, g, b, a = big(x * factor + sx, y * factor + sy)
                total[0] += r * a
                total[1] += g * a
                total[2] += b * a
                total[3] += a
        if total[3] == 0:
            return (0, 0, 0, 0)
        return (round(total[0] / total[3]), round(total[1] / total[3]), round(total[2] / total[3]),
                round(total[3] / (factor * factor)))

    return pixel


def ico(sizes):
    images = [png(s, s, icon_pixel(s)) for s in sizes]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return header + entries + b"".join(images)


def tone(path, parts, rate=16000):
    """parts: (frequency Hz or 0 for silence, seconds) pairs."""
    frames = bytearray()
    for frequency, seconds in parts:
        count = int(rate * seconds)
        for i in range(count):
            fade = min(1.0, i / (rate * 0.01), (count - i) / (rate * 0.01))
            value = 0 if frequency == 0 else int(9000 * fade * math.sin(2 * math.pi * frequency * i / rate))
            frames.extend(struct.pack("<h", value))
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(bytes(frames))


def avatar_pixel(size, people):
    """A grey silhouette (or a few side by side) on a light square: the picture of a caller,
    a guest or a group that has none of its own."""
    grey = (0x9a, 0xa4, 0xae)
    back = (0xe8, 0xec, 0xf0)
    centres = [size * (i + 1) / (people + 1) for i in range(people)]
    scale = 1.0 if people == 1 else 0.7

    def pixel(x, y):
        for cx in centres:
            head = math.hypot(x - cx, y - size * 0.38) <= size * 0.17 * scale
            body = (y >= size * (0.6 if people == 1 else 0.58)
                    and math.hypot((x - cx) / 1.2, y - size * 0.95) <= size * 0.33 * scale)
            if head or body:
                return grey + (255,)
        return back + (255,)
    return pixel


def main():
    (HERE / "images").mkdir(parents=True, exist_ok=True)
    (HERE / "sounds").mkdir(parents=True, exist_ok=True)
    (HERE / "presence").mkdir(parents=True, exist_ok=True)
    for name, people in (("avatar", 1), ("avatar_group", 3), ("avatar_myroom", 2)):
        (HERE / "presence" / (name + ".png")).write_bytes(png(80, 80, avatar_pixel(80, people)))
    (HERE / "app_icon.ico").write_bytes(ico([16, 32, 48]))
    (HERE / "images" / "app_icon.png").write_bytes(png(64, 64, icon_pixel(64)))
    for size in DESKTOP_ICON_SIZES:
        folder = DESKTOP_ICONS / f"{size}x{size}" / "apps"
        folder.mkdir(parents=True, exist_ok=True)
        (folder / (DESKTOP_ICON_NAME + ".png")).write_bytes(png(size, size, smoothed(icon_pixel, size)))
    tone(HERE / "sounds" / "ring.wav", [(440, 0.4), (0, 0.2), (480, 0.4), (0, 1.0)])
    tone(HERE / "sounds" / "ring_chime.wav", [(784, 0.25), (659, 0.25), (523, 0.45), (0, 1.0)])
    tone(HERE / "sounds" / "ring_pulse.wav", [(620, 0.12), (0, 0.08)] * 4 + [(0, 1.0)])
    tone(HERE / "sounds" / "team_alert.wav", [(988, 0.15), (0, 0.1), (988, 0.15), (0, 1.2)])
    tone(HERE / "sounds" / "ringback.wav", [(425, 1.0), (0, 3.0)])
    tone(HERE / "sounds" / "calling.wav", [(425, 1.0), (0, 3.0)])
    tone(HERE / "sounds" / "call_waiting.wav", [(440, 0.2), (0, 0.1), (440, 0.2), (0, 3.0)])
    tone(HERE / "sounds" / "incoming_message.wav", [(880, 0.08), (0, 0.04), (1320, 0.1)])
    tone(HERE / "sounds" / "contact_online.wav", [(660, 0.08), (990, 0.1)])
    tone(HERE / "sounds" / "contact_offline.wav", [(990, 0.08), (660, 0.1)])


if __name__ == "__main__":
    main()
