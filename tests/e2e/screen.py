"""Looks at the game's window as a player would, at play-field coordinates (x right, y up), and closes it
as a window manager does. Usage: screen.py text SHOT FONT TEXT X Y SCALE R G B | count SHOT X0 Y0 X1 Y1
R G B | same SHOT_A SHOT_B X0 Y0 X1 Y1 | centred PICTURE SHOT... | shrink SHOT SCALE OUT |
close WINDOW (see main)."""
import ctypes
import ctypes.util
import sys

import numpy as np
from PIL import Image

ALPHABET = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!:?,./"
GLYPH_WIDTH, GLYPH_HEIGHT = 18, 40
FIELD_HEIGHT = 600


def load(path):
    return np.asarray(Image.open(path).convert("RGB"), dtype=int)


def box(picture, x0, y0, x1, y1):
    """The play-field rectangle [x0, x1) x [y0, y1) (y up) of a window picture."""
    return picture[FIELD_HEIGHT - y1 : FIELD_HEIGHT - y0, x0:x1]


def near(pixels, wanted, tolerance=40):
    return (np.abs(pixels - np.array(wanted)) <= tolerance).all(axis=-1)


def text(shot, font_path, characters, x, y, scale, wanted):
    picture = load(shot)
    font = np.asarray(Image.open(font_path).convert("RGBA"))[:, :, 3] / 255
    width, height = GLYPH_WIDTH * scale, GLYPH_HEIGHT * scale
    # Sampling smooths a stroke's edge over about a screen pixel: a pixel is judged only when the glyph
    # agrees all around it, that far out.
    reach = 0.5 / scale
    failures = []
    for i, character in enumerate(characters):
        if character not in ALPHABET:
            continue
        offset = GLYPH_WIDTH * ALPHABET.index(character)
        top, first = GLYPH_HEIGHT * (offset // font.shape[1]), offset % font.shape[1]
        cell = font[top : top + GLYPH_HEIGHT, first : first + GLYPH_WIDTH]
        # In single precision, as the game computes it: at a scale such as 0.7 the last bit decides the
        # whole pixel a glyph starts on.
        left = int(np.float32(GLYPH_WIDTH) * np.float32(scale) * np.float32(i) + np.float32(x))
        columns, rows = np.meshgrid(np.arange(left, int(left + width)), np.arange(int(y - height), y))
        u, v = (columns + 0.5 - left) / scale, (y - rows - 0.5) / scale
        samples = np.stack([cell[np.clip((v + dv).astype(int), 0, GLYPH_HEIGHT - 1), np.clip((u + du).astype(int), 0, GLYPH_WIDTH - 1)]
                            for du in (-reach, 0, reach) for dv in (-reach, 0, reach)])
        solid, clear = samples.min(axis=0) > 0.8, samples.max(axis=0) < 0.05
        in_colour = near(picture[FIELD_HEIGHT - 1 - rows, columns], wanted, 60)
        if solid.sum() and (solid & in_colour).sum() < 0.75 * solid.sum():
            failures.append(f"'{character}' at x {left}: {(solid & in_colour).sum()} of {solid.sum()} strokes in colour")
        if clear.sum() and (clear & in_colour).sum() > 0.15 * clear.sum():
            failures.append(f"'{character}' at x {left}: {(clear & in_colour).sum()} of {clear.sum()} gaps in colour")
    if failures:
        print(f"'{characters}' is not on screen as expected:", *failures, sep="\n  ")
    return not failures


def shrink(shot, scale, out):
    blocks = load(shot).reshape(600, scale, 800, scale, 3)
    corner = blocks[:, :1, :, :1, :]
    if not (blocks == corner).all():
        print(f"{(blocks != corner).any(axis=(1, 3, 4)).sum()} blocks of {scale}x{scale} are not of one colour")
        return False
    Image.fromarray(corner.reshape(600, 800, 3).astype(np.uint8)).save(out)
    return True


def close(window):
    xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = xlib.XInternAtom.restype = ctypes.c_void_p
    display = ctypes.c_void_p(xlib.XOpenDisplay(None))
    atom = lambda name: ctypes.c_ulong(xlib.XInternAtom(display, name, 0))  # noqa: E731
    # An XClientMessageEvent (type 33, format 32) inside the 24 longs of an XEvent.
    event = (ctypes.c_long * 24)(33, 0, 0, 0, window, atom(b"WM_PROTOCOLS").value, 32, atom(b"WM_DELETE_WINDOW").value)
    xlib.XSendEvent(display, ctypes.c_ulong(window), 0, ctypes.c_long(0), event)
    xlib.XFlush(display)
    xlib.XCloseDisplay(display)
    return True


def main(command="", *args):
    """Exits 0 when what is asked holds; count prints its count."""
    numbers = lambda values: [int(v) for v in values]  # noqa: E731
    # TEXT in the font picture FONT, its top-left corner at (X, Y), at SCALE, in the colour R G B.
    if command == "text" and len(args) == 9:
        return text(*args[:3], int(args[3]), int(args[4]), float(args[5]), numbers(args[6:]))
    if command == "count" and len(args) == 8:
        print(near(box(load(args[0]), *numbers(args[1:5])), numbers(args[5:]), 50).sum())
        return True
    if command == "same" and len(args) == 6:
        a, b = (box(load(shot), *numbers(args[2:])) for shot in args[:2])
        return (~near(a, b)).sum() <= 0.02 * a.shape[0] * a.shape[1]
    # PICTURE shown centred, pixel for pixel, on any of the SHOTs.
    if command == "centred" and len(args) >= 2:
        picture = load(args[0])
        top, left = 300 - picture.shape[0] // 2, 400 - picture.shape[1] // 2
        shown = [load(shot)[top : top + picture.shape[0], left : left + picture.shape[1]] for shot in args[1:]]
        return max(near(pixels, picture).mean() for pixels in shown) >= 0.95
    if command == "shrink" and len(args) == 3:
        return shrink(args[0], int(args[1]), args[2])
    if command == "close" and len(args) == 1:
        return close(int(args[0], 0))
    sys.exit(__doc__)


if __name__ == "__main__":
    sys.exit(0 if main(*sys.argv[1:]) else 1)
