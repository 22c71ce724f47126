"""The game's bitmap font: white glyphs on transparent, one 18x40 cell per character along the top band.

The game tints the glyphs with glColor (white buttons, magenta titles and hover), so the colour channels
stay white everywhere, including the transparent texels, and only alpha carries the shapes. Each glyph is
kept within columns 1..16 of its cell (W and Y reach column 17 with a faint edge only), so that linear filtering at the game's
scales (0.7, 1.2, 1.5) does not pull a neighbour's edge into the cell.
"""

import os

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import common

FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"
ALPHABET = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!:?,./"
CELL_WIDTH = 18
CELL_HEIGHT = 40
PICTURE_SIZE = (1024, 64)
FONT_SIZE_PX = 27
# Capital letters span 20 rows; this puts them in rows 10..29 of the 40-row cell, centred.
DRAW_OFFSET_Y = 4


def load_face(size_px=FONT_SIZE_PX):
    return ImageFont.truetype(FONT_FILE, size_px)


def glyph_coverage(character, face, offset_y=DRAW_OFFSET_Y, cell=(CELL_WIDTH, CELL_HEIGHT)):
    """Alpha (0..255 uint8) of one character, centred horizontally in a cell on the shared baseline."""
    width, height = cell
    scratch = Image.new("L", (width * 3, height), 0)
    ImageDraw.Draw(scratch).text((width, offset_y), character, font=face, fill=255)
    alpha = np.asarray(scratch)
    columns = np.nonzero(alpha.max(axis=0))[0]
    ink_left, ink_right = int(columns[0]), int(columns[-1])
    ink_width = ink_right - ink_left + 1
    usable = width - 2
    left = 1 + max(0, (usable - ink_width) // 2)
    if ink_width > usable:
        # The widest letters (W, Y) end in a faint anti-aliased column; let that one touch the edge.
        left = 1 if ink_width < width else 0
    cell_alpha = np.zeros((height, width), dtype=np.uint8)
    span = min(ink_width, width - left)
    cell_alpha[:, left : left + span] = alpha[:, ink_left : ink_left + span]
    return cell_alpha


def build_font_picture():
    face = load_face()
    width, height = PICTURE_SIZE
    alpha = np.zeros((height, width), dtype=np.uint8)
    for k, character in enumerate(ALPHABET):
        x = CELL_WIDTH * k
        alpha[0:CELL_HEIGHT, x : x + CELL_WIDTH] = glyph_coverage(character, face)
    rgba = np.zeros((height, width, 4), dtype=np.uint8)
    rgba[..., 0:3] = 255
    rgba[..., 3] = alpha
    return Image.fromarray(rgba, "RGBA")


def make(out_dir):
    path = os.path.join(out_dir, "graphics", "font.png")
    common.save_png(build_font_picture(), path)
    return [path]
