"""The application icon for desktops: the game's light heart on a night-violet tile with the logo's
magenta glow and a stream of particle hearts, as the hicolor theme's PNGs from 16 to 256 pixels and a
scalable SVG, and the window's own icon.

The desktop icons belong to packaging/icons/<size>x<size>/lumora.png and packaging/icons/scalable/lumora.svg,
not to the game's data folder. A run that fills the repository's data/ rewrites them there; a run into any
other folder (a scratch copy, as tests/tools/test_assets_reproducible.sh makes) renders them and checks
that the committed icons are exactly those bytes, so they cannot drift from the pictures they are made of.

The window's icon is the 48-pixel one as graphics/icon.bmp in the data folder, since the game sets it
from its working folder before its window opens, and SDL reads BMP by itself: 32 bits, the fourth byte
alpha.

Each size is painted at four times its size and reduced, and has its own layout: at 48 pixels the heart
fills more of the tile and the particle stream is left out, since it would only blur.

The SVG draws the large layout with the same shapes, places and colours: gradients stand in for the painted
shading and blurred copies of the heart for its halo, so it matches the 256-pixel PNG closely, not exactly.
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
ICON_SIZES = (16, 32, 48, 64, 128, 256)
SVG_PATH = os.path.join("scalable", "lumora.svg")
SVG_SIZE = 256
WINDOW_ICON_SIZE = 48
WINDOW_ICON = os.path.join("graphics", "icon.bmp")
OVERSAMPLING = 4
STAR_SEED = 4808


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


def star_points(w, margin, count, radius_px):
    """A few faint grey stars, as the game scatters over its field, kept off the middle: (x, y, radius,
    opacity) each."""
    rng = np.random.default_rng(STAR_SEED)
    points = []
    for _ in range(count):
        x = rng.uniform(margin * 2.2, w - margin * 2.2)
        y = rng.uniform(margin * 2.2, w - margin * 2.2)
        if np.hypot(x - w / 2, y - w / 2) < w * 0.3:
            continue
        radius = radius_px * rng.uniform(0.7, 1.2)
        points.append((x, y, radius, rng.uniform(0.35, 0.7)))
    return points


def stars(canvas, margin, count, radius_px):
    for x, y, radius, opacity in star_points(canvas.width, margin, count, radius_px):
        dot = common.disc_mask(canvas.width, canvas.height, x, y, radius, feather_px=OVERSAMPLING)
        canvas.layer(colour("c9c4dc"), dot * opacity)


def picture(image, size):
    return np.clip(common.from_image(image.resize((size, size), Image.LANCZOS)), 0.0, 1.0)


def paste_centred(canvas, rgba, x, y):
    size = rgba.shape[0]
    canvas.paste(rgba, int(round(x - size / 2)), int(round(y - size / 2)))


def stream_points(w, end_x, end_y, count):
    """Particle hearts sweeping in from the lower left and rising into the big heart, as in the logo:
    (x, y, picture size, opacity) each."""
    start_x, start_y = w * 0.15, w * 0.8
    points = []
    for i in range(count):
        t = i / (count - 1)
        rise = smoothstep(0.3, 1.0, t)
        y = (start_y + w * 0.02 * np.sin(t * 7.0)) * (1 - rise) + end_y * rise
        points.append((start_x + t * (end_x - start_x), y, int(round(w * (0.045 + 0.035 * t))), 0.35 + 0.65 * t))
    return points


def particle_stream(canvas, end_x, end_y, count):
    particle = bodies.particle()
    for x, y, size, opacity in stream_points(canvas.width, end_x, end_y, count):
        piece = picture(particle, size)
        piece[..., 3] *= opacity
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


def heart_outline(cx, cy, size, points=120):
    """The outline of common.heart_distance's heart as an SVG path: the curve is met along rays from the
    middle, which it encloses, by bisection."""
    corners = []
    for i in range(points):
        theta = 2 * np.pi * i / points
        u, v = np.cos(theta), np.sin(theta)
        inside, outside = 0.0, 2.0
        for _ in range(40):
            r = (inside + outside) / 2
            if ((r * r - 1) ** 3 - (r * u) ** 2 * (r * v) ** 3) <= 0:
                inside = r
            else:
                outside = r
        corners.append(f"{cx + inside * u * size:.2f},{cy - (inside * v / 1.1 - 0.15) * size:.2f}")
    return "M" + " L".join(corners) + " Z"


def gaussian_stops(colour_hex, strength, steps=8):
    """Stops of a radial gradient that fades as exp(-(d / R)^2) when its radius is 2R."""
    return "".join(
        f'<stop offset="{i / steps:.3f}" stop-color="#{colour_hex}" stop-opacity="{strength * np.exp(-((2 * i / steps) ** 2)):.4f}"/>'
        for i in range(steps + 1)
    )


def svg():
    """The large layout as an SVG document of SVG_SIZE units square."""
    w = SVG_SIZE
    margin, radius, frame = w * 0.06, w * 0.2, w * 0.012
    centre_x, centre_y = w * 0.5, w * 0.44
    # Where the heart lies in the player's heart picture, drawn 0.8 of the icon wide around the centre.
    heart_x, heart_y, heart_size = centre_x, centre_y + w * 0.8 * 2 / 128, w * 0.8 * 0.33
    heart = heart_outline(heart_x, heart_y, heart_size)
    tile_rect = f'x="{margin:.2f}" y="{margin:.2f}" width="{w - 2 * margin:.2f}" height="{w - 2 * margin:.2f}" rx="{radius:.2f}"'
    bloom_squash = f"translate(0 {centre_y * (1 - 0.3 / 0.32):.2f}) scale(1 {0.3 / 0.32:.4f})"
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{w}" viewBox="0 0 {w} {w}">',
        "<title>Lumora</title>",
        "<defs>",
        f'<clipPath id="tile"><rect {tile_rect}/></clipPath>',
        '<linearGradient id="night" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#1c0f3a"/><stop offset="1" stop-color="#0b0720"/></linearGradient>',
        f'<radialGradient id="bloom" gradientUnits="userSpaceOnUse" cx="{centre_x:.2f}" cy="{w * 0.46:.2f}" '
        f'r="{w * 0.64:.2f}" gradientTransform="{bloom_squash}">{gaussian_stops("2a1050", 0.8)}</radialGradient>',
        f'<linearGradient id="frame" gradientUnits="userSpaceOnUse" x1="{w * 0.1:.2f}" y1="{w * 0.1:.2f}" '
        f'x2="{w * 0.9:.2f}" y2="{w * 0.9:.2f}"><stop offset="0" stop-color="#ff5fd8"/><stop offset="1" stop-color="#7c6cff"/></linearGradient>',
        f'<radialGradient id="magenta" gradientUnits="userSpaceOnUse" cx="{centre_x:.2f}" cy="{centre_y:.2f}" '
        f'r="{w * 0.6:.2f}">{gaussian_stops("ff2fd0", 0.35)}</radialGradient>',
        f'<radialGradient id="body" gradientUnits="userSpaceOnUse" cx="{heart_x:.2f}" cy="{heart_y - heart_size * 0.1:.2f}" '
        f'r="{heart_size * 1.2:.2f}"><stop offset="0.2" stop-color="#fffdf6"/><stop offset="0.5" stop-color="#ffe08a"/>'
        '<stop offset="0.72" stop-color="#ffa66b"/><stop offset="1" stop-color="#ff4f8f"/></radialGradient>',
        '<radialGradient id="particle"><stop offset="0" stop-color="#ffffff"/><stop offset="0.5" stop-color="#ffa8cf"/>'
        '<stop offset="1" stop-color="#ff4f9a"/></radialGradient>',
        f'<filter id="near" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="{w * 0.025:.2f}"/></filter>',
        f'<filter id="wide" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="{w * 0.08:.2f}"/></filter>',
        "</defs>",
        f'<rect {tile_rect} fill="url(#night)"/>',
        '<g clip-path="url(#tile)">',
        f'<rect width="{w}" height="{w}" fill="url(#bloom)"/>',
        f'<rect x="{margin + frame:.2f}" y="{margin + frame:.2f}" width="{w - 2 * (margin + frame):.2f}" '
        f'height="{w - 2 * (margin + frame):.2f}" rx="{radius - frame:.2f}" fill="none" stroke="url(#frame)" '
        f'stroke-width="{frame * 1.2:.2f}" stroke-opacity="0.85"/>',
    ]
    parts += [
        f'<circle cx="{x:.2f}" cy="{y:.2f}" r="{r:.2f}" fill="#c9c4dc" fill-opacity="{a:.3f}"/>'
        for x, y, r, a in star_points(w, margin, 14, w * 0.006)
    ]
    parts.append(f'<rect width="{w}" height="{w}" fill="url(#magenta)"/>')
    for x, y, size, opacity in stream_points(w, centre_x - w * 0.1, centre_y + w * 0.2, 8):
        outline = heart_outline(x, y + size / 64, size * 0.4, points=48)
        parts.append(
            f'<g opacity="{opacity:.3f}"><path d="{outline}" fill="#ff4f9a" fill-opacity="0.45" filter="url(#near)" '
            f'transform="translate({x:.2f} {y:.2f}) scale(0.12) translate({-x:.2f} {-y:.2f})"/>'
            f'<path d="{outline}" fill="url(#particle)"/></g>'
        )
    parts += [
        f'<path d="{heart}" fill="#ff9a9a" fill-opacity="0.8" filter="url(#wide)"/>',
        f'<path d="{heart}" fill="#ffb060" filter="url(#near)"/>',
        f'<path d="{heart}" fill="url(#body)" stroke="#ff7fb0" stroke-opacity="0.4" stroke-width="{w * 0.006:.2f}"/>',
        "</g>",
        "</svg>",
    ]
    return "\n".join(parts) + "\n"


def png_bytes(image):
    """The PNG file of `image`, written exactly as common.save_png writes it."""
    buffer = io.BytesIO()
    image.save(buffer, format="PNG", optimize=False, compress_level=9)
    return buffer.getvalue()


def make(out_dir):
    images = {size: icon(size) for size in ICON_SIZES}
    window_icon = os.path.join(out_dir, WINDOW_ICON)
    common.ensure_folder(os.path.dirname(window_icon))
    images[WINDOW_ICON_SIZE].save(window_icon, format="BMP")
    files = {os.path.join(f"{size}x{size}", ICON_NAME): png_bytes(image) for size, image in images.items()}
    files[SVG_PATH] = svg().encode("utf-8")
    paths = {name: os.path.join(PACKAGING_ICONS, name) for name in files}
    if os.path.normpath(out_dir) != os.path.join(REPOSITORY, "data"):
        stale = [name for name, path in paths.items() if not os.path.exists(path) or open(path, "rb").read() != files[name]]
        if stale:
            raise SystemExit(
                f"packaging/icons/{', packaging/icons/'.join(stale)}: not what icons.py makes; "
                "run tools/assets/make_assets.py to refresh them"
            )
        return [window_icon]
    for name, path in paths.items():
        common.ensure_folder(os.path.dirname(path))
        with open(path, "wb") as out:
            out.write(files[name])
    return [window_icon, *paths.values()]
