"""Looks at the game's window as a player would, at play-field coordinates (x right, y up from the bottom).
see WINDOW SCALE SHOT SECONDS CHECK...: screenshots of the window until every CHECK holds on one (one try
    if SECONDS is 0), the last kept in SHOT; exits 1, saying why, if none did. A CHECK is TEXT|X,Y,SCALE[,COLOUR]
    in the game's font, its top-left at (X, Y) (the game's fixed words know their place; Y * for any row the
    countdown's line may take), centred=PICTURE,
    changed=SHOT,X0,Y0,X1,Y1 or pixels=X0,Y0,X1,Y1,R,G,B,LEAST; "!" before a CHECK asks for its absence.
close WINDOW: asks the window to close, as a window manager does."""
import ctypes
import io
import re
import subprocess
import sys
import time

import numpy as np
from PIL import Image

FONT = np.asarray(Image.open(sys.path[0] + "/../../data/graphics/font.png").convert("RGBA"))[:, :, 3] / 255
ALPHABET, GLYPH_WIDTH, GLYPH_HEIGHT = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!:?,./", 18, 40
# Each colour of the game's text with how far a pixel may stray from it; a dim colour strays less, or the
# soft edges of its strokes would count as the colour itself.
COLOURS = {"white": ((255, 255, 255), 60), "magenta": ((255, 0, 255), 60), "pink": ((255, 153, 199), 60),
           "grey": ((158, 158, 173), 30)}
PLACES = {"LUMORA": "319,500,1.5,magenta", "NEW GAME": "328,400,1", "CONTINUE": "328,360,1", "QUIT": "364,280,1", "LEVELS": "346,240,1", "OPTIONS": "346,200,1",
          "BACK": "700,50,1", "RESTART LEVEL": "600,50,0.7", "LEVEL [0-9]+ STARTING IN": "200,*,1.2,magenta",
          "LEVEL COMPLETE!!": "270,300,1.2,magenta", "OUT OF PARTICLES: RESTART LEVEL": "65,300,1.2,magenta",
          "CONGRATULATIONS! YOU WON THE GAME!!": "20,300,1.2,magenta"}


load = lambda path: np.asarray(Image.open(path).convert("RGB"), dtype=int)  # noqa: E731
box = lambda picture, x0, y0, x1, y1: picture[600 - int(y1) : 600 - int(y0), int(x0) : int(x1)]  # noqa: E731
near = lambda pixels, wanted, tolerance=40: (np.abs(pixels - np.array(wanted)) <= tolerance).all(axis=-1)  # noqa: E731


def text_problems(picture, characters, x, y, scale, colour="white"):
    x, y, scale, (wanted, tolerance), problems = int(x), int(y), float(scale), COLOURS[colour], []
    # Sampling smooths a stroke's edge over about a screen pixel: a pixel is judged only when the glyph
    # agrees all around it, that far (reach) out.
    width, height, reach = GLYPH_WIDTH * scale, GLYPH_HEIGHT * scale, 0.5 / scale
    for i, character in ((i, character) for i, character in enumerate(characters) if character in ALPHABET):
        offset = GLYPH_WIDTH * ALPHABET.index(character)
        top, first = GLYPH_HEIGHT * (offset // FONT.shape[1]), offset % FONT.shape[1]
        cell = FONT[top : top + GLYPH_HEIGHT, first : first + GLYPH_WIDTH]
        # In single precision, as the game computes it: at a scale such as 0.7 the last bit decides the
        # whole pixel a glyph starts on.
        left = int(np.float32(GLYPH_WIDTH) * np.float32(scale) * np.float32(i) + np.float32(x))
        columns, rows = np.meshgrid(np.arange(left, int(left + width)), np.arange(int(y - height), y))
        u, v = (columns + 0.5 - left) / scale, (y - rows - 0.5) / scale
        samples = np.stack([cell[np.clip((v + dv).astype(int), 0, GLYPH_HEIGHT - 1), np.clip((u + du).astype(int), 0, GLYPH_WIDTH - 1)]
                            for du in (-reach, 0, reach) for dv in (-reach, 0, reach)])
        solid, clear = samples.min(axis=0) > 0.8, samples.max(axis=0) < 0.05
        in_colour = near(picture[599 - rows, columns], wanted, tolerance)
        strokes, gaps = (solid & in_colour).sum(), (clear & in_colour).sum()
        if strokes < 0.75 * solid.sum() or gaps > 0.15 * clear.sum():
            problems.append(f"'{character}' at x {left}: {strokes} of {solid.sum()} strokes, {gaps} of {clear.sum()} gaps in {colour}")
    return problems


def problems(picture, check):
    """What keeps the check from holding on the picture: nothing when it holds."""
    if check.startswith("!"):
        return [] if problems(picture, check[1:]) else [f"{check[1:]} is there"]
    kind, _, values = check.partition("=")
    if kind == "centred":
        shown = load(values)
        top, left = 300 - shown.shape[0] // 2, 400 - shown.shape[1] // 2
        alike = near(picture[top : top + shown.shape[0], left : left + shown.shape[1]], shown).mean()
        return [] if alike >= 0.95 else [f"{values} is not shown centred: {alike:.0%} alike"]
    if kind == "changed":
        other, *corners = values.split(",")
        unlike = (~near(box(picture, *corners), box(load(other), *corners))).mean()
        return [] if unlike > 0.02 else [f"the box {corners} is as on {other}"]
    if kind == "pixels":
        *corners, r, g, b, least = (int(value) for value in values.split(","))
        count = near(box(picture, *corners), (r, g, b), 50).sum()
        return [] if count >= least else [f"{count} pixels of {r} {g} {b} in {corners}, not {least}"]
    text, _, place = check.partition("|")
    place = place or next((where for words, where in PLACES.items() if re.fullmatch(words, text)), None)
    x, y, *rest = place.split(",")
    rows = sorted(range(130, 600, 10), key=lambda row: abs(row - 300)) if y == "*" else [int(y)]
    found = None
    for row in rows:
        problems_here = text_problems(picture, text, x, row, *rest)
        if not problems_here:
            return []
        found = found or problems_here
    return [f"'{text}' is not on screen as expected:", *found]


def screenshot(window, scale):
    """The window's picture at 800x600: an enlarged window must show each pixel as a square of one colour."""
    shot = subprocess.run(["import", "-window", window, "png:-"], capture_output=True)
    if shot.returncode != 0:
        return None  # not viewable yet: still being mapped
    whole = np.asarray(Image.open(io.BytesIO(shot.stdout)).convert("RGB"))
    if whole.shape != (600 * scale, 800 * scale, 3):
        return None  # caught while the window manager maps or resizes it
    blocks = whole.reshape(600, scale, 800, scale, 3)
    corner = blocks[:, :1, :, :1, :]
    if not (blocks == corner).all():
        sys.exit(f"{(blocks != corner).any(axis=(1, 3, 4)).sum()} blocks of {scale}x{scale} are not of one colour")
    return corner.reshape(600, 800, 3).astype(int)


def see(window, scale, path, seconds, *checks):
    deadline = time.monotonic() + float(seconds)
    while True:
        picture = screenshot(window, int(scale))
        if picture is None:
            if time.monotonic() > deadline:
                sys.exit(f"the window is not {800 * int(scale)}x{600 * int(scale)}")
            time.sleep(0.1)
            continue
        found = [problem for check in checks for problem in problems(picture, check)]
        if not found or time.monotonic() > deadline:
            Image.fromarray(picture.astype(np.uint8)).save(path)
            print(*found, sep="\n", end="\n" if found else "")
            return not found
        time.sleep(0.1)


def close(window):
    xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
    xlib.XOpenDisplay.restype = xlib.XInternAtom.restype = ctypes.c_void_p
    display = ctypes.c_void_p(xlib.XOpenDisplay(None))
    atom = lambda name: ctypes.c_ulong(xlib.XInternAtom(display, name, 0))  # noqa: E731
    # An XClientMessageEvent (type 33, format 32) inside the 24 longs of an XEvent.
    event = (ctypes.c_long * 24)(33, 0, 0, 0, int(window, 0), atom(b"WM_PROTOCOLS").value, 32, atom(b"WM_DELETE_WINDOW").value)
    xlib.XSendEvent(display, ctypes.c_ulong(int(window, 0)), 0, ctypes.c_long(0), event)
    xlib.XCloseDisplay(display)
    return True


if __name__ == "__main__":
    command = {"see": see, "close": close}.get(sys.argv[1] if len(sys.argv) > 1 else "")
    sys.exit(__doc__ if command is None else 0 if command(*sys.argv[2:]) else 1)
