"""Reads the game's window screenshots (800x600, taken with `import -window`) the way a player would.

  screen.py text SHOT FONT TEXT X Y SCALE R G B
      Checks that TEXT is drawn with the game's bitmap font picture FONT, its top-left corner at the
      play-field point (X, Y) (y up), at SCALE, in the colour R G B (0..255): every character's solid
      strokes must show that colour, and the gaps between strokes must mostly not.
  screen.py pixel SHOT X Y
      Prints the colour at a play-field point as "R G B".
  screen.py count SHOT X0 Y0 X1 Y1 R G B [TOLERANCE]
      Prints how many pixels of the play-field rectangle are close to the colour.
  screen.py same SHOT_A SHOT_B X0 Y0 X1 Y1
      Exits 0 when the two screenshots agree (within a little noise) over the rectangle.
  screen.py shrink SHOT SCALE OUT
      Writes the 800x600 picture of a window enlarged SCALE times; exits 1 unless every block of
      SCALE by SCALE pixels is of one colour.
"""
import sys

import numpy as np
from PIL import Image

ALPHABET = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!:?,./"
GLYPH_WIDTH, GLYPH_HEIGHT = 18, 40
FIELD_HEIGHT = 600


def load(path):
    return Image.open(path).convert("RGB")


def at(picture, x, y):
    """The colour of the pixel that covers play-field column x and row y (y up)."""
    return picture.getpixel((x, FIELD_HEIGHT - 1 - y))


def close(colour, wanted, tolerance):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, wanted))


def glyph_cell(font, index):
    """The alpha channel of a character's cell in the font picture, 0..1, rows from the top."""
    offset = GLYPH_WIDTH * index
    left, top = offset % font.shape[1], GLYPH_HEIGHT * (offset // font.shape[1])
    return font[top : top + GLYPH_HEIGHT, left : left + GLYPH_WIDTH, 3] / 255


def sample(cell, u, v):
    """The cell's alpha at cell coordinates (arrays of u across, v down), clamped to the cell."""
    columns = np.clip(u.astype(int), 0, GLYPH_WIDTH - 1)
    rows = np.clip(v.astype(int), 0, GLYPH_HEIGHT - 1)
    return cell[rows, columns]


def check_text(shot, font_path, text, x, y, scale, wanted):
    picture = np.asarray(load(shot), dtype=int)
    font = np.asarray(Image.open(font_path).convert("RGBA"))
    width, height = GLYPH_WIDTH * scale, GLYPH_HEIGHT * scale
    # Sampling smooths a stroke's edge over about a screen pixel: a pixel is judged only when the cell
    # agrees all around it, that far out.
    reach = 0.5 / scale
    around = [(du, dv) for du in (-reach, 0, reach) for dv in (-reach, 0, reach)]
    failures = []
    for i, character in enumerate(text):
        if character not in ALPHABET:
            continue
        cell = glyph_cell(font, ALPHABET.index(character))
        # In single precision, as the game computes it: at a scale such as 0.7 the last bit decides the
        # whole pixel a glyph starts on.
        left = int(np.float32(GLYPH_WIDTH) * np.float32(scale) * np.float32(i) + np.float32(x))
        columns = np.arange(left, int(left + width))
        field_rows = np.arange(int(y - height), y)
        column_grid, row_grid = np.meshgrid(columns, field_rows)
        u = (column_grid + 0.5 - left) / scale
        v = (y - (row_grid + 0.5)) / scale
        samples = np.stack([sample(cell, u + du, v + dv) for du, dv in around])
        solid, clear = samples.min(axis=0) > 0.8, samples.max(axis=0) < 0.05
        shown = picture[FIELD_HEIGHT - 1 - row_grid, column_grid]
        in_colour = (np.abs(shown - np.array(wanted)) <= 60).all(axis=2)
        strokes, strokes_hit = solid.sum(), (solid & in_colour).sum()
        gaps, gaps_hit = clear.sum(), (clear & in_colour).sum()
        if strokes and strokes_hit < 0.75 * strokes:
            failures.append(f"'{character}' at x {left}: {strokes_hit} of {strokes} stroke pixels in colour")
        if gaps and gaps_hit > 0.15 * gaps:
            failures.append(f"'{character}' at x {left}: {gaps_hit} of {gaps} gap pixels in colour")
    if failures:
        print(f"'{text}' is not on screen as expected:", *failures, sep="\n  ")
        return 1
    return 0


def count(shot, x0, y0, x1, y1, wanted, tolerance):
    picture = load(shot)
    return sum(close(at(picture, x, y), wanted, tolerance) for x in range(x0, x1) for y in range(y0, y1))


def same(shot_a, shot_b, x0, y0, x1, y1):
    a, b = load(shot_a), load(shot_b)
    differing = sum(not close(at(a, x, y), at(b, x, y), 40) for x in range(x0, x1) for y in range(y0, y1))
    return differing <= 0.02 * (x1 - x0) * (y1 - y0)


def shrink(shot, scale, out):
    picture = np.asarray(load(shot))
    blocks = picture.reshape(600, scale, 800, scale, 3)
    corner = blocks[:, :1, :, :1, :]
    if not (blocks == corner).all():
        print(f"{(blocks != corner).any(axis=(1, 3, 4)).sum()} blocks of {scale}x{scale} are not of one colour")
        return False
    Image.fromarray(corner.reshape(600, 800, 3)).save(out)
    return True


def main(args):
    command = args[0] if args else ""
    if command == "text" and len(args) == 10:
        shot, font, text = args[1], args[2], args[3]
        x, y = int(args[4]), int(args[5])
        return check_text(shot, font, text, x, y, float(args[6]), tuple(int(v) for v in args[7:10]))
    if command == "pixel" and len(args) == 4:
        print(*at(load(args[1]), int(args[2]), int(args[3])))
        return 0
    if command == "count" and len(args) in (9, 10):
        box = [int(v) for v in args[2:6]]
        tolerance = int(args[9]) if len(args) == 10 else 40
        print(count(args[1], *box, tuple(int(v) for v in args[6:9]), tolerance))
        return 0
    if command == "shrink" and len(args) == 4:
        return 0 if shrink(args[1], int(args[2]), args[3]) else 1
    if command == "same" and len(args) == 7:
        return 0 if same(args[1], args[2], *(int(v) for v in args[3:7])) else 1
    sys.exit(__doc__)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
