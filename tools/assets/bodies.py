"""Pictures of the things that float in the field: the particle, the planet, the player's hearts and the
obstacle bodies.

The game draws these at a fraction of their stored size with plain linear filtering (no mipmaps are
sampled), so every picture is kept smooth: broad shapes and soft detail that do not sparkle when a
spinning body is minified. Round outlines come from the alpha channel; transparent texels carry the
colour of their neighbours so that filtering leaves no dark fringe.
"""

import math
import os

import numpy as np

import common
from common import colour, mix, smoothstep

BODY_SIZE = 128
PARTICLE_SIZE = 32


def polar(size):
    xs, ys = common.grid(size, size)
    c = size / 2.0
    dx = (xs - c) / c
    dy = (ys - c) / c
    return dx, dy, np.hypot(dx, dy), np.arctan2(dy, dx)


def finish(rgb, alpha):
    rgba = np.concatenate([np.clip(rgb, 0, 1), np.clip(alpha, 0, 1)[..., None]], axis=2)
    return common.to_image(common.bleed_colour(rgba))


def glow(r, radius, power=2.0):
    """A soft halo that is 1 at the centre and falls to 0 at `radius` (in units of the half side)."""
    t = np.clip(1.0 - r / radius, 0.0, 1.0)
    return t**power


def particle():
    """The particle: a small warm heart with a faint pink halo, meant to be seen at 10x10 pixels."""
    size = PARTICLE_SIZE
    heart = common.heart_mask(size, size, size / 2.0, size / 2.0 + 0.5, size * 0.40, softness_px=1.2)
    inner = common.blur(heart, 3.5)
    inner = inner / inner.max()
    _, _, r, _ = polar(size)
    halo = common.blur(heart, 3.0) * 0.45 + glow(r, 1.0, 3.0) * 0.15
    alpha = np.maximum(heart, halo)
    base = colour("ff4f9a")[None, None, :] * np.ones((size, size, 1))
    rgb = mix(base, colour("ffa8cf"), smoothstep(0.3, 0.85, inner))
    rgb = mix(rgb, colour("ffffff"), smoothstep(0.85, 1.0, inner))
    return finish(rgb, alpha)


def sphere_normal(dx, dy, radius):
    """Unit-sphere normals for a disc of `radius` (in units of the half side); z toward the viewer."""
    u = dx / radius
    v = dy / radius
    z = np.sqrt(np.clip(1.0 - u * u - v * v, 0.0, 1.0))
    return u, v, z


def planet(rng):
    """A banded aqua gas giant with a pink storm and a soft violet atmosphere; the spot and the tilted
    bands show the spin."""
    size = BODY_SIZE
    dx, dy, r, _ = polar(size)
    disc_r = 0.86
    u, v, z = sphere_normal(dx, dy, disc_r)
    inside = smoothstep(disc_r + 0.012, disc_r - 0.012, r)
    # Latitude on the sphere (bent by the sphere's curvature), with the bands tilted so that turning
    # the picture is visible.
    tilt = math.radians(28)
    lat = v * math.cos(tilt) + u * math.sin(tilt)
    across = u * math.cos(tilt) - v * math.sin(tilt)
    lat = lat / np.sqrt(np.clip(1.0 - across**2, 0.05, 1.0)) ** 0.35
    turbulence = common.fbm(size, size, 3, 3, rng) - 0.5
    band = np.sin(lat * 8.0 + turbulence * 1.6 + 0.5 * np.sin(across * 4.0))
    fine = np.sin(lat * 19.0 + turbulence * 3.0)
    ones = np.ones((size, size, 1))
    rgb = mix(colour("1e5fa8")[None, None, :] * ones, colour("3fb6d6"), smoothstep(-0.7, 0.3, band))
    rgb = mix(rgb, colour("b9f2ea"), smoothstep(0.4, 0.95, band) * 0.85)
    rgb = mix(rgb, colour("fff1d8"), smoothstep(0.5, 1.0, fine) * smoothstep(0.0, 0.7, band) * 0.5)
    rgb = mix(rgb, colour("173f85"), smoothstep(-0.5, -1.0, fine) * 0.35)
    # A pink storm in the southern bands, elongated along them.
    su, sv = 0.28, 0.36
    along = (u - su) * math.cos(tilt) - (v - sv) * math.sin(tilt)
    normal = (u - su) * math.sin(tilt) + (v - sv) * math.cos(tilt)
    spot = np.exp(-((along / 0.22) ** 2 + (normal / 0.1) ** 2))
    rgb = mix(rgb, colour("ff7fb6"), spot * 0.9)
    rgb = mix(rgb, colour("ffe3f0"), np.exp(-((along / 0.09) ** 2 + (normal / 0.04) ** 2)) * 0.8)
    # Soft light from the upper left and a gentle highlight; the night side keeps some colour.
    light_dir = np.array([-0.45, -0.5, 0.74])
    light_dir /= np.linalg.norm(light_dir)
    lambert = np.clip(u * light_dir[0] + v * light_dir[1] + z * light_dir[2], 0.0, 1.0)
    rgb = rgb * (0.42 + 0.7 * lambert)[..., None]
    highlight = np.exp(-(((u + 0.36) / 0.24) ** 2 + ((v + 0.40) / 0.18) ** 2)) * 0.3
    rgb = mix(rgb, colour("ffffff"), highlight)
    # Atmosphere: violet haze toward the limb inside the disc and a glow out to the square's edge.
    limb = smoothstep(0.6, 1.0, r / disc_r) * inside
    rgb = mix(rgb, colour("b48cff"), limb * 0.5)
    outside = np.clip((r - disc_r) / (1.0 - disc_r), 0.0, 1.0)
    halo = (1.0 - outside) ** 2.2 * (1.0 - inside)
    rgb = mix(rgb, colour("a274ff"), 1.0 - inside)
    alpha = inside + (1.0 - inside) * halo * 0.8
    alpha *= smoothstep(1.0, 0.97, r)
    rgb = np.stack([common.blur(rgb[..., c], 0.6) for c in range(3)], axis=2)
    return finish(rgb, alpha)


def player_heart(light):
    """The hearts the player places: a bright warm light heart, or a violet-black dark heart with a cold
    rim. Both sit in a halo that reaches the edge of the picture, so they read at 40 and 50 pixels."""
    size = BODY_SIZE
    c = size / 2.0
    dx, dy, r, _ = polar(size)
    heart = common.heart_mask(size, size, c, c + 2.0, size * 0.33, softness_px=1.5)
    # Blurred copies of the shape stand in for distance: `depth` grows toward the middle of the heart,
    # `near` is a glow hugging its outline from outside.
    depth = common.blur(heart, 14.0)
    depth = depth / depth.max()
    near = common.blur(heart, 3.0)
    wide = common.blur(heart, 12.0)
    edge = heart * smoothstep(0.95, 0.55, common.blur(heart, 2.0))
    fade = smoothstep(1.0, 0.88, r)
    ones = np.ones((size, size, 1))
    if light:
        body = mix(colour("ff4f8f")[None, None, :] * ones, colour("ffa66b"), smoothstep(0.3, 0.65, depth))
        body = mix(body, colour("ffe08a"), smoothstep(0.6, 0.85, depth))
        body = mix(body, colour("fffdf6"), smoothstep(0.85, 1.0, depth))
        sheen = np.exp(-(((dx + 0.24) / 0.13) ** 2 + ((dy + 0.2) / 0.09) ** 2))
        body = mix(body, colour("ffffff"), sheen * 0.6)
        body = mix(body, colour("ff7fb0"), edge * 0.5)
        halo_rgb = mix(colour("ffd48a")[None, None, :] * ones, colour("ff6fae"), smoothstep(0.3, 0.9, r))
        rgb = mix(halo_rgb, colour("ffb060"), smoothstep(0.0, 0.6, near))
        rgb = mix(rgb, body, heart)
        halo = np.maximum(glow(r, 1.0, 1.6) * 0.8, np.maximum(near * 1.6, wide * 0.9))
        alpha = heart + (1.0 - heart) * np.clip(halo, 0, 1) * fade
    else:
        body = mix(colour("2a0b52")[None, None, :] * ones, colour("05010c"), smoothstep(0.3, 0.9, depth))
        sheen = np.exp(-(((dx + 0.24) / 0.13) ** 2 + ((dy + 0.2) / 0.09) ** 2))
        body = mix(body, colour("5b3a9e"), sheen * 0.55)
        body = mix(body, colour("b8f2ff"), edge)
        halo_rgb = mix(colour("59d2ff")[None, None, :] * ones, colour("5a34d0"), smoothstep(0.3, 0.95, r))
        rgb = mix(halo_rgb, colour("38c4ff"), smoothstep(0.0, 0.5, near))
        rgb = mix(rgb, body, heart)
        halo = np.maximum(glow(r, 1.0, 1.8) * 0.5, np.maximum(near * 2.0, wide * 0.6))
        alpha = heart + (1.0 - heart) * np.clip(halo, 0, 1) * fade
    return finish(rgb, alpha)


def black_hole(rng):
    """A black core inside a bright photon ring, wrapped in a swirling orange-violet accretion disc."""
    size = BODY_SIZE
    dx, dy, r, theta = polar(size)
    core_r = 0.32
    swirl_noise = common.fbm(size, size, 4, 3, rng)
    # Logarithmic spiral arms: the phase advances with log(r).
    phase = theta * 2.0 + np.log(np.maximum(r, 1e-3)) * 6.0 + swirl_noise * 2.2
    arms = 0.5 + 0.5 * np.cos(phase)
    heat = np.clip(1.0 - (r - core_r) / (1.0 - core_r), 0.0, 1.0)
    ones = np.ones((size, size, 1))
    rgb = mix(colour("5a1a8c")[None, None, :] * ones, colour("ff6a3d"), smoothstep(0.2, 0.75, heat))
    rgb = mix(rgb, colour("ffd08a"), smoothstep(0.7, 1.0, heat))
    disc = smoothstep(core_r - 0.02, core_r + 0.06, r) * np.clip(1.0 - r, 0.0, 1.0) ** 0.8
    brightness = np.clip(disc * (0.12 + 1.2 * arms**1.5) * (0.4 + 0.9 * heat), 0.0, 1.0)
    ring = np.exp(-(((r - core_r - 0.02) / 0.035) ** 2))
    rgb = rgb * (0.55 + 0.45 * smoothstep(0.0, 0.6, brightness))[..., None]
    rgb = mix(rgb, colour("fff4e0"), ring * 0.9)
    core = smoothstep(core_r + 0.005, core_r - 0.03, r)
    rgb = mix(rgb, colour("000000"), core)
    alpha = np.clip(brightness * 1.15 + ring, 0.0, 1.0)
    alpha = core + (1.0 - core) * alpha
    alpha *= smoothstep(1.0, 0.92, r)
    rgb = np.stack([common.blur(rgb[..., c], 0.6) for c in range(3)], axis=2)
    alpha = np.maximum(common.blur(alpha, 0.6), core)
    return finish(rgb, alpha)


def asteroid(rng):
    """A lumpy grey-brown rock with craters; its outline is irregular but stays inside the square."""
    size = BODY_SIZE
    dx, dy, r, theta = polar(size)
    # Periodic bumps in angle: a few low harmonics with seeded phases.
    outline = np.full_like(theta, 0.80)
    for k, amplitude in ((2, 0.06), (3, 0.05), (5, 0.03), (7, 0.02), (11, 0.01)):
        outline += amplitude * np.cos(k * theta + rng.uniform(0, 2 * np.pi))
    inside = smoothstep(outline + 0.015, outline - 0.015, r)
    u = dx / outline
    v = dy / outline
    z = np.sqrt(np.clip(1.0 - u * u - v * v, 0.0, 1.0))
    texture = common.fbm(size, size, 6, 4, rng)
    rock = mix(colour("4b4038")[None, None, :] * np.ones((size, size, 1)), colour("9a8a78"), texture)
    # Craters: dark bowls with a lit upper-left lip.
    for _ in range(9):
        cx, cy = rng.uniform(-0.55, 0.55, size=2)
        cr = rng.uniform(0.07, 0.18)
        d = np.hypot(u - cx, v - cy) / cr
        bowl = smoothstep(1.0, 0.6, d)
        lip = np.exp(-((d - 1.0) / 0.18) ** 2) * np.clip(-(u - cx) - (v - cy), 0, None) / cr
        rock = rock * (1.0 - 0.35 * bowl[..., None])
        rock = mix(rock, colour("c9b9a4"), np.clip(lip * 0.4, 0, 0.6))
    light_dir = np.array([-0.5, -0.55, 0.67])
    light_dir /= np.linalg.norm(light_dir)
    bump_x = np.gradient(texture, axis=1) * 6.0
    bump_y = np.gradient(texture, axis=0) * 6.0
    lambert = np.clip((u - bump_x) * light_dir[0] + (v - bump_y) * light_dir[1] + z * light_dir[2], 0.0, 1.0)
    rgb = rock * (0.25 + 0.95 * lambert)[..., None]
    rim = smoothstep(0.7, 1.0, np.hypot(u, v)) * inside
    rgb = mix(rgb, colour("8c7fa0"), rim * 0.25)
    rgb = np.stack([common.blur(rgb[..., c], 0.6) for c in range(3)], axis=2)
    return finish(rgb, inside)


def pulsar(rng):
    """A hot blue-white star with six rays and a wide cold glow; it pushes the flow away."""
    size = BODY_SIZE
    dx, dy, r, theta = polar(size)
    core = smoothstep(0.22, 0.14, r)
    corona = glow(r, 0.55, 1.6)
    halo = glow(r, 1.0, 2.5)
    rays = np.zeros_like(r)
    for k, width, reach in ((6, 0.07, 1.0), (6, 0.05, 0.7)):
        offset = 0.0 if reach == 1.0 else np.pi / 6
        angle = np.abs(((theta + offset) * k / (2 * np.pi)) % 1.0 - 0.5) * 2 * np.pi / k
        across = r * np.sin(angle)
        rays += np.exp(-((across / (width * (1.0 - r / reach * 0.6))) ** 2)) * glow(r, reach, 1.3)
    flicker = 0.85 + 0.15 * common.fbm(size, size, 3, 2, rng)
    intensity = np.clip(core + corona * 0.8 + rays * 0.9 * flicker + halo * 0.35, 0.0, 1.0)
    rgb = mix(colour("3a6bff")[None, None, :] * np.ones((size, size, 1)), colour("9fd6ff"), smoothstep(0.1, 0.6, intensity))
    rgb = mix(rgb, colour("ffffff"), smoothstep(0.6, 1.0, intensity))
    alpha = np.clip(intensity * 1.1, 0.0, 1.0) * smoothstep(1.0, 0.92, r)
    return finish(rgb, alpha)


def make(out_dir):
    pictures = {
        "heart.png": particle(),
        "planet.png": planet(np.random.default_rng(11)),
        "lightheart.png": player_heart(light=True),
        "darkheart.png": player_heart(light=False),
        "blackhole.png": black_hole(np.random.default_rng(23)),
        "asteroid.png": asteroid(np.random.default_rng(37)),
        "pulsar.png": pulsar(np.random.default_rng(41)),
    }
    written = []
    for name, image in pictures.items():
        path = os.path.join(out_dir, "graphics", name)
        common.save_png(image, path)
        written.append(path)
    return written
