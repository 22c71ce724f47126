"""The application icon for desktops: the game's light heart on a night-violet tile with the logo's
magenta glow and a stream of particle hearts, as the hicolor theme's 48x48 and 256x256 PNGs, and the
window's own icon.

The desktop icons belong to packaging/icons/<size>x<size>/lumora.png, not to the game's data folder. A
run that fills the repository's data/ rewrites them there; a run into any other folder (a scratch copy,
as tests/tools/test_assets_reproducible.sh makes) renders them and checks that the committed icons are
exactly those bytes, so they cannot drift from the pictures they are made of.

The window's icon is the 48-pixel one as graphics/icon.bmp in the data folder, since the game sets it
from its working folder before its window opens, and SDL reads BMP by itself: 32 bits, the fourth byte
alpha.

Each size is painted at four times its size and reduced, and has its own layout: at 48 pixels the heart
fills more of the tile and the particle stream is left out, since it would only blur.
"""

import io
import os

import numpy as np
from PIL import Image

import bodies
import common
from common import Canvas, colour, mix, smoothstep

HERE = os.path.dirname(os.path.abspath(__file__))
REPOSITORY = os.path.normpath(os.path.join(HERE, "..", ".."))
PACKAGING_ICONS = os.path.join(REPOSITORY, "packaging", "icons")
ICON_NAME = "lumora.png"
ICON_SIZES = (48, 256)
WINDOW_ICON_SIZE = 48
WINDOW_ICON = os.path.join("graphics", "icon.bmp")
OVERSAMPLING = 4
STAR_SEED = 4808


def icon_path(size, icons_dir=PACKAGING_ICONS):
    return os.path.join(icons_dir, f"{size}x{size}", ICON_NAME)


def tile(canvas, margin, radius, frame_px):
    """The rounded tile: the menu panel's violet gradient, the logo's bloom and a glowing frame line.
    Returns the tile's coverage."""
    w, h = canvas.width, canvas.height
    xs, ys = common.grid(w, h)
    edge = common.rounded_rect_distance(w, h, margin, margin, w - margin, h - margin, radius)
    inside = common.coverage(edge, feather_px=OVERSAMPLING)
    vertical = np.clip((ys - margin) / (h - 2 * margin), 0.0, 1.0)
    rgb = mix(colour("1c0f3a")[None, None, :] * np.ones((h, w, 1)), colour("0b0720"), vertical)
    bloom = np.exp(-(((xs - w * 0.5) / (w * 0.32)) ** 2 + ((ys - h * 0.46) / (h * 0.3)) ** 2))
    rgb = mix(rgb, colour("2a1050"), bloom * 0.8)
    canvas.layer(rgb, inside)
    tone = mix(colour("ff5fd8"), colour("7c6cff"), smoothstep(0.2 * w, 1.8 * w, xs + ys))
    line = np.exp(-((edge + frame_px) / (frame_px * 0.6)) ** 2)
    canvas.layer(tone, line * inside * 0.85)
    return inside


def stars(canvas, margin, count, radius_px):
    """A few faint grey stars, as the game scatters over its field, kept off the middle."""
    w, h = canvas.width, canvas.height
    rng = np.random.default_rng(STAR_SEED)
    for _ in range(count):
        x = rng.uniform(margin * 2.2, w - margin * 2.2)
        y = rng.uniform(margin * 2.2, h - margin * 2.2)
        if np.hypot(x - w / 2, y - h / 2) < w * 0.3:
            continue
        dot = common.disc_mask(w, h, x, y, radius_px * rng.uniform(0.7, 1.2), feather_px=OVERSAMPLING)
        canvas.layer(colour("c9c4dc"), dot * rng.uniform(0.35, 0.7))


def picture(image, size):
    return np.clip(common.from_image(image.resize((size, size), Image.LANCZOS)), 0.0, 1.0)


def paste_centred(canvas, rgba, x, y):
    size = rgba.shape[0]
    canvas.paste(rgba, int(round(x - size / 2)), int(round(y - size / 2)))


def particle_stream(canvas, end_x, end_y, count):
    """Particle hearts sweeping in from the lower left and rising into the big heart, as in the logo."""
    w = canvas.width
    particle = bodies.particle()
    start_x, start_y = w * 0.15, w * 0.8
    for i in range(count):
        t = i / (count - 1)
        x = start_x + t * (end_x - start_x)
        rise = smoothstep(0.3, 1.0, t)
        y = (start_y + w * 0.02 * np.sin(t * 7.0)) * (1 - rise) + end_y * rise
        piece = picture(particle, int(round(w * (0.045 + 0.035 * t))))
        piece[..., 3] *= 0.35 + 0.65 * t
        paste_centred(canvas, piece, x, y)


def glow(canvas, x, y, radius, rgb, strength):
    xs, ys = common.grid(canvas.width, canvas.height)
    canvas.layer(colour(rgb), np.exp(-(((xs - x) ** 2 + (ys - y) ** 2) / radius**2)) * strength)


def icon(size):
    """The icon at `size` pixels square, as an RGBA picture."""
    big = size * OVERSAMPLING
    canvas = Canvas(big, big)
    small = size < 128
    margin = big * (0.04 if small else 0.06)
    inside = tile(canvas, margin, big * 0.2, frame_px=big * (0.022 if small else 0.012))
    if not small:
        stars(canvas, margin, 14, big * 0.006)
    # The heart picture's halo reaches its edges, so it is drawn larger than the heart it holds.
    heart_px = int(round(big * (1.0 if small else 0.8)))
    centre_x, centre_y = big * 0.5, big * (0.5 if small else 0.44)
    glow(canvas, centre_x, centre_y, big * 0.3, "ff2fd0", 0.35)
    if not small:
        particle_stream(canvas, centre_x - big * 0.1, centre_y + big * 0.2, 8)
    paste_centred(canvas, picture(bodies.player_heart(light=True), heart_px), centre_x, centre_y)
    # Halos stop at the tile's edge, so the icon sits cleanly on any background.
    canvas.data[..., 3] = np.minimum(canvas.data[..., 3], inside)
    return canvas.image().resize((size, size), Image.LANCZOS)


def png_bytes(image):
    """The PNG file of `image`, written exactly as common.save_png writes it."""
    buffer = io.BytesIO()
    image.save(buffer, format="PNG", optimize=False, compress_level=9)
    return buffer.getvalue()


def check_committed(images):
    stale = []
    for size, image in images.items():
        path = icon_path(size)
        committed = open(path, "rb").read() if os.path.exists(path) else b""
        if committed != png_bytes(image):
            stale.append(os.path.relpath(path, REPOSITORY))
    if stale:
        raise SystemExit(
            f"{', '.join(stale)}: not what icons.py makes; run tools/assets/make_assets.py to refresh them"
        )


def make(out_dir):
    images = {size: icon(size) for size in ICON_SIZES}
    window_icon = os.path.join(out_dir, WINDOW_ICON)
    common.ensure_folder(os.path.dirname(window_icon))
    images[WINDOW_ICON_SIZE].save(window_icon, format="BMP")
    if os.path.normpath(out_dir) != os.path.join(REPOSITORY, "data"):
        check_committed(images)
        return [window_icon]
    written = [window_icon]
    for size, image in images.items():
        common.save_png(image, icon_path(size))
        written.append(icon_path(size))
    return written
