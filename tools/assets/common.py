"""Shared helpers for the asset scripts: deterministic saving, noise, masks and colour maths.

Everything here is pure numpy/PIL and seeded, so that running the scripts twice gives the same bytes.
Arrays are float32 images in 0..1 with shape (height, width, channels), row 0 at the top, the way an
image viewer shows them (the game's loader turns them upright on screen).
"""

import math
import os

import numpy as np
from PIL import Image


def ensure_folder(path):
    os.makedirs(path, exist_ok=True)


def to_image(rgba):
    """Turn a float image (H, W, 3 or 4) in 0..1 into a PIL image of 8 bits per channel."""
    data = np.clip(np.round(np.asarray(rgba, dtype=np.float64) * 255.0), 0, 255).astype(np.uint8)
    mode = "RGBA" if data.shape[2] == 4 else "RGB"
    return Image.fromarray(data, mode)


def from_image(image):
    return np.asarray(image, dtype=np.float32) / 255.0


def save_png(image, path):
    """Save a PIL image as PNG without time stamps, so the bytes depend only on the pixels."""
    if image.mode not in ("RGB", "RGBA"):
        raise ValueError(f"{path}: the game uploads only 24 or 32 bits per pixel, got {image.mode}")
    ensure_folder(os.path.dirname(path))
    image.save(path, format="PNG", optimize=False, compress_level=9)


def grid(width, height):
    """Pixel-centre coordinates: x grows to the right, y grows downward, both in pixels."""
    ys, xs = np.mgrid[0:height, 0:width].astype(np.float32)
    return xs + 0.5, ys + 0.5


def smoothstep(edge0, edge1, x):
    t = np.clip((x - edge0) / (edge1 - edge0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def mix(a, b, t):
    t = np.asarray(t, dtype=np.float32)
    if t.ndim == 2:
        t = t[..., None]
    return a + (b - a) * t


def colour(hex_text):
    hex_text = hex_text.lstrip("#")
    return np.array([int(hex_text[i : i + 2], 16) / 255.0 for i in (0, 2, 4)], dtype=np.float32)


def blur(channel, radius, wrap=False):
    """Separable Gaussian blur of one float channel (H, W); `radius` is the standard deviation in
    pixels. Edges are mirrored, or wrapped for pictures that tile."""
    channel = np.asarray(channel, dtype=np.float32)
    if radius <= 0:
        return channel
    reach = int(math.ceil(radius * 3.0))
    taps = np.arange(-reach, reach + 1, dtype=np.float32)
    kernel = np.exp(-0.5 * (taps / radius) ** 2)
    kernel /= kernel.sum()
    mode = "wrap" if wrap else "reflect"
    padded = np.pad(channel, ((0, 0), (reach, reach)), mode=mode)
    rows = sum(kernel[i] * padded[:, i : i + channel.shape[1]] for i in range(len(kernel)))
    padded = np.pad(rows, ((reach, reach), (0, 0)), mode=mode)
    return sum(kernel[i] * padded[i : i + channel.shape[0], :] for i in range(len(kernel))).astype(np.float32)


def value_noise(width, height, cells_x, cells_y, rng, wrap=True):
    """Smooth noise in 0..1 made by bicubic upscaling of a random lattice; tiles when wrap is set."""
    lattice = rng.random((cells_y, cells_x), dtype=np.float32)
    if wrap:
        lattice = np.pad(lattice, 2, mode="wrap")
    else:
        lattice = np.pad(lattice, 2, mode="reflect")
    xs = (np.arange(width, dtype=np.float32) + 0.5) * cells_x / width + 2.0 - 0.5
    ys = (np.arange(height, dtype=np.float32) + 0.5) * cells_y / height + 2.0 - 0.5
    return _bicubic(lattice, xs, ys)


def _cubic_weights(t):
    t2 = t * t
    t3 = t2 * t
    return (
        -0.5 * t3 + t2 - 0.5 * t,
        1.5 * t3 - 2.5 * t2 + 1.0,
        -1.5 * t3 + 2.0 * t2 + 0.5 * t,
        0.5 * t3 - 0.5 * t2,
    )


def _bicubic(lattice, xs, ys):
    x0 = np.floor(xs).astype(np.int64)
    y0 = np.floor(ys).astype(np.int64)
    wx = _cubic_weights(xs - x0)
    wy = _cubic_weights(ys - y0)
    rows = np.zeros((len(ys), lattice.shape[1]), dtype=np.float32)
    for j in range(4):
        rows += wy[j][:, None] * lattice[y0 + j - 1, :]
    result = np.zeros((len(ys), len(xs)), dtype=np.float32)
    for i in range(4):
        result += wx[i][None, :] * rows[:, x0 + i - 1]
    return result


def fbm(width, height, base_cells, octaves, rng, gain=0.5, wrap=True):
    """Fractal sum of value-noise octaves, normalised to 0..1."""
    total = np.zeros((height, width), dtype=np.float32)
    amplitude = 1.0
    norm = 0.0
    cells = base_cells
    for _ in range(octaves):
        cells_y = max(1, int(round(cells * height / width)))
        total += amplitude * value_noise(width, height, cells, cells_y, rng, wrap)
        norm += amplitude
        amplitude *= gain
        cells *= 2
    total /= norm
    low, high = np.percentile(total, 0.5), np.percentile(total, 99.5)
    return np.clip((total - low) / (high - low), 0.0, 1.0)


def heart_distance(xs, ys, cx, cy, size):
    """Signed distance-like field of a heart centred on (cx, cy): < 0 inside, in units of `size`.

    The heart points down in image coordinates (y grows downward) and spans about 2*size wide.
    """
    u = (xs - cx) / size
    v = -(ys - cy) / size + 0.15
    # Implicit heart curve (x^2 + y^2 - 1)^3 - x^2 y^3 = 0, a little squashed vertically.
    v = v * 1.1
    f = (u * u + v * v - 1.0) ** 3 - u * u * v**3
    return f


def heart_mask(width, height, cx, cy, size, softness_px=1.0, supersample=4):
    """Anti-aliased coverage (0..1) of a heart shape, by supersampling the implicit curve."""
    n = supersample
    ys, xs = np.mgrid[0 : height * n, 0 : width * n].astype(np.float32)
    xs = (xs + 0.5) / n
    ys = (ys + 0.5) / n
    inside = (heart_distance(xs, ys, cx, cy, size) <= 0.0).astype(np.float32)
    coverage = inside.reshape(height, n, width, n).mean(axis=(1, 3))
    if softness_px > 0:
        coverage = blur(coverage, softness_px * 0.5)
    return coverage


def disc_mask(width, height, cx, cy, radius, feather_px=1.0):
    xs, ys = grid(width, height)
    d = np.hypot(xs - cx, ys - cy)
    return smoothstep(radius + feather_px * 0.5, radius - feather_px * 0.5, d)


def over(bottom_rgb, top_rgb, top_alpha):
    """Composite a top layer with straight alpha over an opaque bottom layer."""
    a = np.asarray(top_alpha, dtype=np.float32)[..., None]
    return bottom_rgb * (1.0 - a) + top_rgb * a


def over_rgba(bottom, top):
    """Porter-Duff 'over' of two straight-alpha RGBA float images."""
    ta = top[..., 3:4]
    ba = bottom[..., 3:4]
    out_a = ta + ba * (1.0 - ta)
    safe = np.where(out_a > 1e-6, out_a, 1.0)
    out_rgb = (top[..., :3] * ta + bottom[..., :3] * ba * (1.0 - ta)) / safe
    return np.concatenate([out_rgb, out_a], axis=2)


def bleed_colour(rgba):
    """Give fully transparent pixels the colour of nearby visible ones.

    The game samples textures with linear filtering and straight alpha, so transparent texels next to
    visible ones must carry a matching colour or a dark fringe appears around every shape.
    """
    alpha = rgba[..., 3]
    weight = alpha.copy()
    rgb_weighted = rgba[..., :3] * weight[..., None]
    acc_rgb = np.zeros_like(rgb_weighted)
    acc_w = np.zeros_like(weight)
    for radius in (1, 3, 8, 24):
        acc_rgb += np.stack([blur(rgb_weighted[..., c], radius) for c in range(3)], axis=2)
        acc_w += blur(weight, radius)
    fill = acc_rgb / np.maximum(acc_w, 1e-6)[..., None]
    fill = np.where(acc_w[..., None] > 1e-6, fill, rgba[..., :3])
    keep = alpha[..., None] > 0.0
    rgb = np.where(keep, rgba[..., :3], fill)
    return np.concatenate([rgb, alpha[..., None]], axis=2)


def rounded_rect_distance(width, height, left, top, right, bottom, radius):
    """Signed distance in pixels to a rounded rectangle given by its edges; < 0 inside."""
    xs, ys = grid(width, height)
    cx, cy = (left + right) / 2.0, (top + bottom) / 2.0
    hx, hy = (right - left) / 2.0 - radius, (bottom - top) / 2.0 - radius
    qx = np.abs(xs - cx) - hx
    qy = np.abs(ys - cy) - hy
    outside = np.hypot(np.maximum(qx, 0.0), np.maximum(qy, 0.0))
    inside = np.minimum(np.maximum(qx, qy), 0.0)
    return outside + inside - radius


def coverage(distance, feather_px=1.0):
    """Anti-aliased inside-coverage from a signed distance in pixels."""
    return smoothstep(feather_px * 0.5, -feather_px * 0.5, distance)


class Canvas:
    """A straight-alpha float RGBA picture that layers can be composited onto, top row first."""

    def __init__(self, width, height, rgba=(0.0, 0.0, 0.0, 0.0)):
        self.width = width
        self.height = height
        self.data = np.zeros((height, width, 4), dtype=np.float32)
        self.data[...] = np.asarray(rgba, dtype=np.float32)

    def layer(self, rgb, alpha):
        """Composite a full-size layer: rgb is (3,) or (H, W, 3), alpha is (H, W)."""
        top = np.zeros_like(self.data)
        top[..., 0:3] = rgb
        top[..., 3] = np.clip(alpha, 0.0, 1.0)
        self.data = over_rgba(self.data, top)

    def paste(self, rgba, left, top):
        """Composite a smaller float RGBA picture with its top-left corner at (left, top)."""
        h, w = rgba.shape[0:2]
        y0, x0 = max(0, top), max(0, left)
        y1, x1 = min(self.height, top + h), min(self.width, left + w)
        if y0 >= y1 or x0 >= x1:
            return
        piece = rgba[y0 - top : y1 - top, x0 - left : x1 - left]
        self.data[y0:y1, x0:x1] = over_rgba(self.data[y0:y1, x0:x1], piece)

    def image(self, bleed=True):
        data = bleed_colour(self.data) if bleed else self.data
        return to_image(data)
