"""The field's background: a dark blue-violet nebula behind the game's own stars and particles.

It is stored at 1024x1024 and stretched by the game onto 800x600, so it is painted in an isotropic
1024x768 space and then stretched vertically; after the game squeezes it back every cloud and star has
its intended shape. It stays dark (white particles, grey stars and bright bodies must read on it) and
has no alpha, since the game draws it without blending.
"""

import os

import numpy as np
from PIL import Image

import common
from common import colour, mix, smoothstep

STORED_SIZE = (1024, 1024)
PAINT_SIZE = (1024, 768)
SEED = 5150


def stretch(channel, size):
    image = Image.fromarray(np.asarray(channel, dtype=np.float32), "F")
    return np.asarray(image.resize(size, Image.BICUBIC), dtype=np.float32)


def paint_nebula(rng):
    width, height = PAINT_SIZE
    xs, ys = common.grid(width, height)
    nx = xs / width
    ny = ys / height
    ones = np.ones((height, width, 1), dtype=np.float32)
    # Base: a deep navy that lifts slightly toward a diagonal band of clouds.
    rgb = mix(colour("03040c")[None, None, :] * ones, colour("080a1e"), smoothstep(1.2, 0.0, np.abs(nx - ny * 0.8 - 0.1)))
    broad = common.fbm(width, height, 3, 7, rng, gain=0.58, wrap=False)
    detail = common.fbm(width, height, 8, 6, rng, gain=0.62, wrap=False)
    purple = common.fbm(width, height, 4, 7, rng, gain=0.58, wrap=False)
    dust = common.fbm(width, height, 6, 5, rng, gain=0.6, wrap=False)
    # The main cloud lies along a diagonal from lower left to upper right.
    band = np.exp(-(((ny - (0.95 - 0.75 * nx)) / 0.32) ** 2))
    blue_cloud = smoothstep(0.35, 0.95, broad * 0.75 + detail * 0.35) * (0.35 + 0.65 * band)
    violet_cloud = smoothstep(0.5, 1.0, purple * 0.8 + detail * 0.25) * (0.25 + 0.75 * band)
    glow_core = smoothstep(0.7, 1.0, broad * 0.6 + purple * 0.5) * band
    rgb = mix(rgb, colour("123a86"), blue_cloud * 0.55)
    rgb = mix(rgb, colour("4b1d78"), violet_cloud * 0.55)
    rgb = mix(rgb, colour("a04aa8"), glow_core * 0.32)
    rgb = mix(rgb, colour("3a78e0"), smoothstep(0.7, 1.0, detail) * blue_cloud * 0.35)
    # Dust lanes darken the clouds in filaments.
    lanes = smoothstep(0.45, 0.75, dust) * smoothstep(0.2, 0.6, blue_cloud + violet_cloud)
    rgb = mix(rgb, colour("04041a"), lanes * 0.6)
    # Vignette toward the corners keeps attention on the middle of the field.
    vignette = 1.0 - 0.45 * smoothstep(0.35, 0.95, np.hypot(nx - 0.5, (ny - 0.5) * 0.75) * 1.6)
    rgb = rgb * vignette[..., None]
    return rgb


def paint_faint_stars(rng):
    """Dim distant stars, well below the game's own grey stars, as soft dots of a pixel or two."""
    width, height = PAINT_SIZE
    light = np.zeros((height, width), dtype=np.float32)
    tint = np.zeros((height, width, 3), dtype=np.float32)
    count = 900
    xs = rng.integers(0, width, count)
    ys = rng.integers(0, height, count)
    brightness = rng.uniform(0.05, 0.22, count) ** 1.3 * 1.6
    hues = rng.choice(np.array([colour("aab8ff"), colour("ffe9d0"), colour("ffffff"), colour("d8b0ff")]), count)
    for x, y, b, hue in zip(xs, ys, brightness, hues):
        light[y, x] += b
        tint[y, x] = hue
    soft = common.blur(light, 0.7) * 3.0
    tint_soft = np.stack([common.blur(tint[..., c] * light, 0.7) for c in range(3)], axis=2)
    tint_soft /= np.maximum(common.blur(light, 0.7), 1e-6)[..., None]
    return np.clip(soft, 0.0, 0.45), tint_soft


def build_background():
    rng = np.random.default_rng(SEED)
    rgb = paint_nebula(rng)
    stars, tint = paint_faint_stars(rng)
    rgb = mix(rgb, tint, stars)
    stored = np.stack([stretch(rgb[..., c], STORED_SIZE) for c in range(3)], axis=2)
    return common.to_image(stored)


def make(out_dir):
    path = os.path.join(out_dir, "graphics", "bg.png")
    common.save_png(build_background(), path)
    return [path]
