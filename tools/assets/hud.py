"""The play screen's bottom strip and the progress meter.

interface.png is drawn at its own size centred on (400, 37) at alpha 0.7. At 1024x128 it spans screen
x -112..912 and y -27..101, so screen point (x, y) lands on picture column x + 112 and row 101 - y: the
strip fills rows 27..101 (screen y 74..0), rows above are a faint glow over the field, and the game
draws the heart icons, the counts, the meter and RESTART LEVEL over the slots painted here.

meterempty.png and meterfull.png are 256x32: the meter hangs from (300, 70), covering x 300..556 and
y 38..70. The full picture is cut at any fraction from the left, so its fill is uniform along x.
"""

import os

import numpy as np

import common
from common import Canvas, colour, mix, smoothstep

STRIP_SIZE = (1024, 128)
STRIP_LEFT = 112  # picture column of screen x = 0
STRIP_BASE = 101  # picture row of screen y = 0
STRIP_TOP_Y = 74  # screen y of the strip's top edge
METER_SIZE = (256, 32)
METER_POSITION = (300, 70)  # top-left corner on screen
METER_RADIUS = 11.0
METER_INSET = 3.0


def col(x):
    return x + STRIP_LEFT


def row(y):
    return STRIP_BASE - y


def slot(canvas, left, bottom, right, top, radius, depth=1.0):
    """A recessed rounded slot given in screen coordinates: darker inside, a dark upper lip and a lit
    lower edge, the way a groove catches light from above."""
    w, h = canvas.width, canvas.height
    d = common.rounded_rect_distance(w, h, col(left), row(top), col(right), row(bottom), radius)
    inside = common.coverage(d)
    _, ys = common.grid(w, h)
    vertical = np.clip((ys - row(top)) / max(1.0, row(bottom) - row(top)), 0.0, 1.0)
    fill = mix(colour("05030c"), colour("120c26"), vertical)
    canvas.layer(fill, inside * 0.75 * depth)
    rim = np.exp(-((d + 0.8) / 0.9) ** 2)
    lower = smoothstep(0.3, 1.0, vertical)
    canvas.layer(mix(colour("000000"), colour("8c6cd0"), lower), rim * (0.35 + 0.45 * lower) * depth)


def separator(canvas, x, bottom, top):
    w, h = canvas.width, canvas.height
    xs, ys = common.grid(w, h)
    line = np.exp(-((xs - col(x)) / 0.7) ** 2)
    middle = (row(top) + row(bottom)) / 2.0
    half = (row(bottom) - row(top)) / 2.0
    fade = np.clip(1.0 - np.abs(ys - middle) / half, 0.0, 1.0) ** 1.5
    canvas.layer(colour("b08cff"), line * fade * 0.55)


def interface():
    w, h = STRIP_SIZE
    canvas = Canvas(w, h)
    xs, ys = common.grid(w, h)
    screen_x = xs - STRIP_LEFT
    # Glass body: the visible band only, darker toward the bottom edge of the screen.
    body = smoothstep(row(STRIP_TOP_Y) - 0.5, row(STRIP_TOP_Y) + 0.5, ys)
    depth = np.clip((ys - row(STRIP_TOP_Y)) / STRIP_TOP_Y, 0.0, 1.0)
    canvas.layer(mix(colour("1d1240"), colour("07051a"), depth), body * 0.92)
    # A faint sheen across the upper half of the glass.
    sheen = smoothstep(row(STRIP_TOP_Y) + 22, row(STRIP_TOP_Y) + 2, ys) * body
    canvas.layer(colour("8f7ad8"), sheen * 0.10)
    # The top edge: a bright hairline that shifts from pink to violet to blue across the screen, with
    # a soft glow spilling up onto the field.
    across = np.clip(screen_x / 800.0, 0.0, 1.0)
    edge_rgb = mix(mix(colour("ff6fd0"), colour("b07cff"), smoothstep(0.0, 0.55, across)), colour("6cc8ff"), smoothstep(0.5, 1.0, across))
    edge = np.exp(-((ys - (row(STRIP_TOP_Y) + 0.5)) / 0.9) ** 2)
    spill = np.exp(-np.maximum(row(STRIP_TOP_Y) - ys, 0.0) / 5.0) * (ys < row(STRIP_TOP_Y))
    canvas.layer(edge_rgb, spill * 0.45)
    canvas.layer(np.clip(edge_rgb * 1.15, 0, 1), edge)
    # Slots: the two heart counters, the meter's well and the RESTART LEVEL plate.
    slot(canvas, 30, 8, 131, 66, 14)
    slot(canvas, 137, 8, 240, 66, 14)
    slot(canvas, 290, 28, 566, 72, 13, depth=0.7)
    slot(canvas, 590, 14, 774, 58, 12, depth=0.8)
    separator(canvas, 265, 10, 64)
    separator(canvas, 580, 10, 64)
    # Tick marks under the meter at every tenth of the goal.
    for k in range(11):
        x = METER_POSITION[0] + (METER_SIZE[0] - 2 * METER_INSET) * k / 10.0 + METER_INSET
        tall = 6 if k % 5 == 0 else 3
        mark = np.exp(-((xs - col(x)) / 0.6) ** 2) * ((ys >= row(34)) & (ys <= row(34 - tall)))
        canvas.layer(colour("c9a8ff"), mark * 0.6)
    # Everything beyond the screen's sides is never seen; fade it out to keep the picture tidy.
    canvas.data[..., 3] *= smoothstep(-24, 0, screen_x) * smoothstep(824, 800, screen_x)
    return canvas.image()


def meter_shape(inset):
    w, h = METER_SIZE
    d = common.rounded_rect_distance(w, h, inset, inset, w - inset, h - inset, METER_RADIUS - inset)
    return d


def meter_empty():
    w, h = METER_SIZE
    canvas = Canvas(w, h)
    _, ys = common.grid(w, h)
    outer = meter_shape(0.5)
    vertical = ys / h
    # Rim: a lit bevel, brighter along the lower edge as if the groove were cut into the glass.
    canvas.layer(mix(colour("3a2a66"), colour("b39ae8"), smoothstep(0.2, 1.0, vertical)), common.coverage(outer))
    groove = meter_shape(2.0)
    fill = mix(colour("020106"), colour("1a0f33"), smoothstep(0.1, 1.0, vertical))
    canvas.layer(fill, common.coverage(groove))
    # Inner shadow under the top lip.
    shadow = common.coverage(groove) * np.exp(-np.maximum(-groove, 0.0) / 3.0) * smoothstep(0.6, 0.0, vertical)
    canvas.layer(colour("000000"), shadow * 0.6)
    return canvas.image()


def meter_full():
    w, h = METER_SIZE
    canvas = Canvas(w, h)
    xs, ys = common.grid(w, h)
    shape = meter_shape(METER_INSET)
    inside = common.coverage(shape)
    vertical = (ys - METER_INSET) / (h - 2 * METER_INSET)
    # A warm glowing tube: deep magenta at the edges, hot pink in the middle, with a glossy upper band.
    across = np.abs(vertical - 0.55) * 2.0
    rgb = mix(colour("ffb3e6"), colour("c2187a"), smoothstep(0.0, 1.0, across) ** 0.8)
    rgb = mix(rgb, colour("ffe8f6"), smoothstep(0.35, 0.0, across) * 0.6)
    gloss = smoothstep(0.45, 0.2, vertical) * smoothstep(0.0, 0.12, vertical)
    rgb = mix(rgb, colour("ffffff"), gloss * 0.35)
    # Faint diagonal streaks keep the fill from looking flat; they repeat along x and so survive any cut.
    streak = 0.5 + 0.5 * np.sin((xs + ys * 1.2) * 2 * np.pi / 24.0)
    rgb = rgb * (0.95 + 0.05 * streak)[..., None]
    canvas.layer(rgb, inside)
    return canvas.image()


def make(out_dir):
    written = []
    for name, image in (("interface.png", interface()), ("meterempty.png", meter_empty()), ("meterfull.png", meter_full())):
        path = os.path.join(out_dir, "graphics", name)
        common.save_png(image, path)
        written.append(path)
    return written
