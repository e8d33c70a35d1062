#!/usr/bin/env python3
"""Draws the images that scenes of the program carry in its own resources, in the brand's
orange, at 1x and 2x: the call-settings window's edit pen, the communications window's
footer icons (the conversation's actions, the participants pane, mute and loudspeaker), the
Team Telephony window's line states and answer button, the main window's add and "more"
buttons, the history's call directions and voice-mail kinds, the contact card's buttons and
the add-ins list's expander.

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


# The red of a call's end, as the style table names it: "declineButton".
DECLINE = (0xc0, 0x00, 0x00)


def _segment_distance(px, py, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    length = vx * vx + vy * vy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / length))
    dx, dy = px - (ax + t * vx), py - (ay + t * vy)
    return math.hypot(dx, dy)


def _inside_polygon(px, py, points):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


# Shapes on a 16 by 16 grid; each answers whether a point of the grid is covered. "cut"
# shapes take away what the shapes before them drew.
def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) <= width / 2


def arc(cx, cy, r, width, start, end):
    """A ring between two angles in degrees, 0 pointing right, counted clockwise on screen."""
    def covered(x, y):
        if abs(math.hypot(x - cx, y - cy) - r) > width / 2:
            return False
        angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return start <= angle <= end if start <= end else angle >= start or angle <= end
    return covered


def line(ax, ay, bx, by, width):
    return lambda x, y: _segment_distance(x, y, ax, ay, bx, by) <= width / 2


def rect(x0, y0, x1, y1, radius=0.0):
    def covered(x, y):
        dx = max(x0 + radius - x, 0, x - (x1 - radius))
        dy = max(y0 + radius - y, 0, y - (y1 - radius))
        return dx * dx + dy * dy <= radius * radius if radius else x0 <= x <= x1 and y0 <= y <= y1
    return covered


def polygon(*points):
    return lambda x, y: _inside_polygon(x, y, points)


def cut(shape):
    shape.cut = True
    return shape


def icon_pixel(size, colour, shapes):
    samples = 4
    scale = 16.0 / size

    def pixel(x, y):
        hit = 0
        for sy in range(samples):
            for sx in range(samples):
                px = (x + (sx + 0.5) / samples) * scale
                py = (y + (sy + 0.5) / samples) * scale
                covered = False
                for shape in shapes:
                    if getattr(shape, "cut", False):
                        if shape(px, py):
                            covered = False
                    elif shape(px, py):
                        covered = True
                hit += covered
        return colour + (int(round(hit * 255 / (samples * samples))),)

    return pixel


def handset(angle=0.0):
    """A telephone handset: two ear pieces joined by a curved grip, turned by `angle`."""
    turn = math.radians(angle)

    def turned(shape):
        def covered(x, y):
            # Rotate the point back around the centre.
            dx, dy = x - 8, y - 8
            rx = dx * math.cos(-turn) - dy * math.sin(-turn) + 8
            ry = dx * math.sin(-turn) + dy * math.cos(-turn) + 8
            return shape(rx, ry)
        return covered

    return [turned(arc(13, 13, 9, 2.8, 180, 270)),
            turned(line(2.6, 10.4, 4.6, 14.2, 4.0)),
            turned(line(10.4, 2.6, 14.2, 4.6, 4.0))]


def icons():
    """The footer's icons by name: the shapes and their colour."""
    person = [circle(8, 5, 3.0), rect(2.5, 9.5, 13.5, 15, 3.5)]
    microphone = [rect(5.5, 1.5, 10.5, 10, 2.5), arc(8, 7.5, 4.8, 1.4, 0, 180), line(8, 12.3, 8, 14.5, 1.4),
                  line(5, 14.5, 11, 14.5, 1.4)]
    speaker = [rect(1.5, 5.5, 5, 10.5), polygon((4, 5.5), (8.5, 2), (8.5, 14), (4, 10.5))]
    return {
        # The conversation's actions.
        "footer_chat": (BRAND, [rect(1, 2, 15, 11, 2.5), polygon((4, 10), (4, 14.5), (8.5, 10)),
                                cut(circle(5, 6.5, 1.1)), cut(circle(8, 6.5, 1.1)), cut(circle(11, 6.5, 1.1))]),
        "footer_call": (BRAND, handset(0)),
        "footer_hangup": (DECLINE, handset(45)),
        "footer_phone": (BRAND, [rect(1, 6, 15, 14.5, 2), cut(rect(3, 8, 7, 12.5, 0.5)),
                                 rect(2, 2, 14, 5, 1.5), line(4, 5, 4, 6.5, 1.5), line(12, 5, 12, 6.5, 1.5),
                                 cut(circle(9.5, 9, 0.7)), cut(circle(12, 9, 0.7)), cut(circle(9.5, 11.5, 0.7)),
                                 cut(circle(12, 11.5, 0.7))]),
        "footer_video": (BRAND, [rect(1, 4, 11, 12.5, 2), polygon((10, 8.2), (15, 4.5), (15, 12), (10, 8.2))]),
        "footer_share": (BRAND, [rect(1, 1.5, 15, 11.5, 1.5), cut(rect(2.5, 3, 13.5, 10)),
                                 polygon((6.5, 8.5), (9.5, 8.5), (9.5, 6.5), (11.5, 6.5), (8, 3.5), (4.5, 6.5),
                                         (6.5, 6.5)),
                                 rect(6.5, 11.5, 9.5, 13.5), rect(4, 13.5, 12, 15, 0.7)]),
        "footer_sendfile": (BRAND, [polygon((3, 1), (10, 1), (13.5, 4.5), (13.5, 15), (3, 15)),
                                    cut(polygon((4.5, 2.5), (9.2, 2.5), (9.2, 5.3), (12, 5.3), (12, 13.5),
                                                (4.5, 13.5))),
                                    polygon((8.25, 5.8), (11, 8.8), (9.1, 8.8), (9.1, 12), (7.4, 12), (7.4, 8.8),
                                            (5.5, 8.8))]),
        "footer_park": (BRAND, [rect(1, 1, 15, 15, 3), cut(line(6, 4, 6, 12.5, 2.2)),
                                cut(arc(8.2, 6.8, 2.6, 2.2, 270, 90)), cut(line(6, 4.2, 8.2, 4.2, 2.2)),
                                cut(line(6, 9.4, 8.2, 9.4, 2.2))]),
        # The window's own controls.
        "footer_participants": (BRAND, [circle(5.5, 5, 2.4), rect(1, 8.5, 10, 14, 3), circle(11, 4.5, 2.2),
                                        rect(9.5, 8, 15, 13, 2.5)]),
        "footer_mute": (BRAND, microphone),
        "footer_muted": (DECLINE, microphone + [cut(line(2, 2, 14, 14, 3.0)), line(2.5, 2.5, 13.5, 13.5, 1.4)]),
        "footer_speaker": (BRAND, speaker + [arc(9, 8, 3, 1.3, 300, 60), arc(9, 8, 5.5, 1.3, 305, 55)]),
        "footer_speaker_off": (DECLINE, speaker + [line(10.5, 5.5, 15, 10.5, 1.5), line(15, 5.5, 10.5, 10.5, 1.5)]),
        "footer_options": (BRAND, [circle(3, 8, 1.7), circle(8, 8, 1.7), circle(13, 8, 1.7)]),
        # The chat's emoticons.
        "footer_smiley": (BRAND, [ring(8, 8, 6.6, 1.5), circle(5.8, 6.2, 1.2), circle(10.2, 6.2, 1.2),
                                  arc(8, 8, 3.8, 1.5, 25, 155)]),
    }


def light_icons():
    """White marks for the orange and grey round buttons and badges of the main window: a
    conversation's kind and its call buttons, and the dial pad's call buttons."""
    microphone = [rect(5.5, 1.5, 10.5, 10, 2.5), arc(8, 7.5, 4.8, 1.6, 0, 180), line(8, 12.3, 8, 14.5, 1.6),
                  line(5, 14.5, 11, 14.5, 1.6)]
    return {
        "light_call": handset(0),
        "light_chat": [rect(1, 2, 15, 11, 2.5), polygon((4, 10), (4, 14.5), (8.5, 10)),
                       cut(circle(5, 6.5, 1.1)), cut(circle(8, 6.5, 1.1)), cut(circle(11, 6.5, 1.1))],
        "light_phone": [rect(1, 6, 15, 14.5, 2), cut(rect(3, 8, 7, 12.5, 0.5)), rect(2, 2, 14, 5, 1.5),
                        line(4, 5, 4, 6.5, 1.5), line(12, 5, 12, 6.5, 1.5), cut(circle(9.5, 9, 0.7)),
                        cut(circle(12, 9, 0.7)), cut(circle(9.5, 11.5, 0.7)), cut(circle(12, 11.5, 0.7))],
        "light_video": [rect(1, 4, 11, 12.5, 2), polygon((10, 8.2), (15, 4.5), (15, 12), (10, 8.2))],
        "light_mute": microphone,
        "light_muted": microphone + [cut(line(2, 2, 14, 14, 3.0)), line(2.5, 2.5, 13.5, 13.5, 1.6)],
        "light_hold": [rect(3.5, 2.5, 6.5, 13.5, 0.8), rect(9.5, 2.5, 12.5, 13.5, 0.8)],
        "light_resume": [polygon((4, 2), (13.5, 8), (4, 14))],
        "light_transfer": [arc(8, 10, 5, 2.2, 180, 330), polygon((10.5, 2.5), (15.5, 6.5), (10, 9.5))],
        "light_add": [line(8, 2.5, 8, 13.5, 2.6), line(2.5, 8, 13.5, 8, 2.6)],
        "light_park": [line(5.5, 2.5, 5.5, 13.5, 2.4), arc(8.2, 6, 3.2, 2.4, 270, 90), line(5.5, 2.8, 8.2, 2.8, 2.4),
                       line(5.5, 9.2, 8.2, 9.2, 2.4)],
        "light_hangup": handset(45),
        # The contact card's buttons.
        "light_import": [line(8, 1.5, 8, 9.5, 2.2), polygon((3.5, 7), (12.5, 7), (8, 11.8)),
                         rect(2, 13, 14, 15, 0.8)],
        "light_save": [line(2.5, 8.5, 6.3, 12.3, 2.4), line(6.3, 12.3, 13.8, 4, 2.4)],
        "light_cancel": [line(3.5, 3.5, 12.5, 12.5, 2.4), line(12.5, 3.5, 3.5, 12.5, 2.4)],
        "light_edit": [line(3.8, 12.2, 12, 4, 3.0), polygon((1.8, 14.2), (2.3, 10.6), (5.4, 13.7)),
                       cut(line(10.2, 5.8, 11.6, 7.2, 0.8))],
        "light_remove": [line(2.5, 8, 13.5, 8, 2.6)],
    }


# The style table's greys and red, so that the marks read as the texts beside them do.
LIST_TEXT = (0x6b, 0x6b, 0x6b)
DARK_TEXT = (0x4e, 0x4e, 0x4e)
MEDIUM_TEXT = (0x86, 0x86, 0x86)
ERROR_TEXT = (0xc0, 0x00, 0x00)


def arrow(ax, ay, bx, by):
    """An arrow from a to b with its head at b."""
    length = math.hypot(bx - ax, by - ay)
    ux, uy = (bx - ax) / length, (by - ay) / length
    # The head's base, and a shaft that stops inside it so that the tip stays sharp.
    hx, hy = bx - ux * 5.2, by - uy * 5.2
    px, py = -uy * 3.6, ux * 3.6
    return [line(ax, ay, bx - ux * 3, by - uy * 3, 2.0), polygon((bx, by), (hx + px, hy + py), (hx - px, hy - py))]


def list_icons():
    """Marks on the main window's white lists, by their folder under resources/windows/ and
    name: the colour and the shapes."""
    dots = [circle(3, 8, 1.6), circle(8, 8, 1.6), circle(13, 8, 1.6)]
    cassette = [ring(4.5, 8.5, 2.6, 1.6), ring(11.5, 8.5, 2.6, 1.6), line(4.5, 11.1, 11.5, 11.1, 1.6)]
    return {
        ("MainWindow/BottomBar", "bar_add"): (BRAND, [line(8, 2, 8, 14, 2.4), line(2, 8, 14, 8, 2.4)]),
        # The row's menu, and the same marked while the entry is new.
        ("", "options_dotted"): (MEDIUM_TEXT, dots),
        ("", "options_dotted_new"): (BRAND, dots),
        # A call's direction: into the handset, out of it, and in but not taken.
        ("MainWindow/History", "history_incoming"): (LIST_TEXT, arrow(13.5, 2.5, 3, 13)),
        ("MainWindow/History", "history_outgoing"): (LIST_TEXT, arrow(3, 13, 13.5, 2.5)),
        ("MainWindow/History", "history_missed"): (ERROR_TEXT, arrow(13.5, 2.5, 3, 13)
                                                   + [line(9, 13.5, 14.5, 13.5, 2.0)]),
        # A voice mail's kind.
        ("MainWindow/History", "vm_audio"): (LIST_TEXT, cassette),
        ("MainWindow/History", "vm_video"): (LIST_TEXT, [rect(1, 4.5, 10.5, 12, 1.8),
                                                         polygon((9.5, 8.2), (15, 4.5), (15, 12), (9.5, 8.2))]),
        ("MainWindow/History", "vm_fax"): (LIST_TEXT, [polygon((3, 1), (10, 1), (13.5, 4.5), (13.5, 15), (3, 15)),
                                                       cut(polygon((4.5, 2.5), (9.2, 2.5), (9.2, 5.3), (12, 5.3),
                                                                   (12, 13.5), (4.5, 13.5))),
                                                       line(6, 8, 10.5, 8, 1.2), line(6, 10.5, 10.5, 10.5, 1.2)]),
        # The add-ins list's expander: a box with a plus to open a row, a minus to close it.
        ("../components", "tree_expand"): (DARK_TEXT, [rect(1.5, 1.5, 14.5, 14.5, 2), cut(rect(3, 3, 13, 13, 1)),
                                                       line(5, 8, 11, 8, 1.6), line(8, 5, 8, 11, 1.6)]),
        ("../components", "tree_collapse"): (DARK_TEXT, [rect(1.5, 1.5, 14.5, 14.5, 2), cut(rect(3, 3, 13, 13, 1)),
                                                         line(5, 8, 11, 8, 1.6)]),
        # Clearing the search field and putting a pop-up aside.
        ("", "close_mark"): (MEDIUM_TEXT, [line(3.5, 3.5, 12.5, 12.5, 1.8), line(12.5, 3.5, 3.5, 12.5, 1.8)]),
        # A foldable section's header: open, and folded.
        ("", "section_open"): (MEDIUM_TEXT, [polygon((3, 5.5), (13, 5.5), (8, 11.5))]),
        ("", "section_folded"): (MEDIUM_TEXT, [polygon((5.5, 3), (11.5, 8), (5.5, 13))]),
        # A favourite contact, and one that is not.
        ("ContactCard", "favorite_on"): (BRAND, [star()]),
        ("ContactCard", "favorite_off"): (BRAND, [star(), cut(star(0.62))]),
    }


def star(scale=1.0):
    """A five-pointed star around the grid's centre, `scale` times the full size."""
    points = []
    for i in range(10):
        radius = (7.4 if i % 2 == 0 else 3.0) * scale
        angle = math.radians(-90 + i * 36)
        points.append((8 + radius * math.cos(angle), 8.6 + radius * math.sin(angle)))
    return polygon(*points)


# The presence icons' colours, so that a line's state reads as a contact's presence does.
LINE_FREE = (0x3b, 0xaa, 0x35)
LINE_BUSY = (0xd9, 0x34, 0x2b)
LINE_OFFLINE = (0x9a, 0xa0, 0xa6)
WHITE = (0xff, 0xff, 0xff)


def scaled(shapes, factor, dx=0.0, dy=0.0):
    """The shapes drawn `factor` times as large around the grid's centre, then moved."""
    def scale(shape):
        return lambda x, y: shape((x - 8 - dx) / factor + 8, (y - 8 - dy) / factor + 8)
    return [scale(shape) for shape in shapes]


def badge_pixel(size, fill, mark):
    """A disc of `fill` with a rim a shade darker, holding `mark` in white."""
    samples = 4
    scale = 16.0 / size
    rim = tuple(int(c * 0.78) for c in fill)
    radius = 7.4

    def pixel(x, y):
        total = [0.0, 0.0, 0.0]
        hit = 0
        for sy in range(samples):
            for sx in range(samples):
                px = (x + (sx + 0.5) / samples) * scale
                py = (y + (sy + 0.5) / samples) * scale
                distance = math.hypot(px - 8, py - 8)
                if distance > radius:
                    continue
                if distance > radius - 0.9:
                    colour = rim
                elif any(shape(px, py) for shape in mark):
                    colour = WHITE
                else:
                    colour = fill
                hit += 1
                for i in range(3):
                    total[i] += colour[i]
        if not hit:
            return (0, 0, 0, 0)
        return tuple(int(round(c / hit)) for c in total) + (int(round(hit * 255 / (samples * samples))),)

    return pixel


def line_icons():
    """The Team Telephony window's line states by name: the disc's colour and its mark."""
    resting = scaled(handset(0), 0.62)
    # A smaller handset at the upper left with the ring's waves coming out of it below.
    waves = [arc(6.6, 6.6, 3.8, 1.2, 15, 75), arc(6.6, 6.6, 6.0, 1.2, 20, 70)]
    return {
        "blf_available": (LINE_FREE, resting),
        "blf_ringing": (BRAND, scaled(handset(0), 0.5, -1.8, -1.8) + waves),
        "blf_incall": (LINE_BUSY, resting),
        "blf_offline": (LINE_OFFLINE, resting),
    }


def main():
    target = WINDOWS / "CallSettings"
    for scale, suffix in ((1, ""), (2, "@2x")):
        size = 16 * scale
        (target / ("callsettings_pen" + suffix)).write_bytes(png(size, size, pen_pixel(size)))
    footer = WINDOWS / "CommunicationsWindow"
    for name, (colour, shapes) in icons().items():
        for scale, suffix in ((1, ""), (2, "@2x")):
            size = 16 * scale
            (footer / (name + suffix)).write_bytes(png(size, size, icon_pixel(size, colour, shapes)))
    light = WINDOWS / "MainWindow" / "Icons"
    light.mkdir(exist_ok=True)
    for name, shapes in light_icons().items():
        for scale, suffix in ((1, ""), (2, "@2x")):
            size = 16 * scale
            (light / (name + suffix + ".png")).write_bytes(png(size, size, icon_pixel(size, WHITE, shapes)))
    for (folder, name), (colour, shapes) in list_icons().items():
        target = (WINDOWS / folder).resolve()
        for scale, suffix in ((1, ""), (2, "@2x")):
            size = 16 * scale
            (target / (name + suffix + ".png")).write_bytes(png(size, size, icon_pixel(size, colour, shapes)))
    team = WINDOWS / "TeamTelephony"
    for name, (colour, mark) in line_icons().items():
        for scale, suffix in ((1, ""), (2, "@2x")):
            size = 16 * scale
            (team / (name + suffix + ".png")).write_bytes(png(size, size, badge_pixel(size, colour, mark)))
    # White on the answer button's green.
    for scale, suffix in ((1, ""), (2, "@2x")):
        size = 16 * scale
        (team / ("blf_answer" + suffix + ".png")).write_bytes(png(size, size, icon_pixel(size, WHITE, handset(0))))


if __name__ == "__main__":
    main()
