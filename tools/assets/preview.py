#!/usr/bin/env python3
"""Contact sheets for judging the pictures in place: mock play, menu, intro and instructions screens
drawn the way the game draws them (textures sampled bilinearly without mipmaps, straight-alpha
blending, glyph cells of 18x40 scaled per character).

Usage: preview.py [--data DIR] [--out FOLDER]   (writes PNGs into FOLDER, default /tmp/lumora-preview)
The sheets are for looking at only; they are not part of the game's data.
"""

import argparse
import math
import os
import sys

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import common  # noqa: E402
import font  # noqa: E402

SCREEN_W, SCREEN_H = 800, 600


class Screen:
    """An 800x600 frame with the game's y-up projection."""

    def __init__(self, data_dir):
        self.rgb = np.zeros((SCREEN_H, SCREEN_W, 3), dtype=np.float32)
        self.data_dir = data_dir
        self.textures = {}

    def texture(self, name):
        if name not in self.textures:
            image = Image.open(os.path.join(self.data_dir, "graphics", name))
            array = np.asarray(image.convert("RGBA"), dtype=np.float32) / 255.0
            self.textures[name] = array
        return self.textures[name]

    def quad(self, name, cx, cy, w, h, angle_deg=0.0, tint=(1, 1, 1, 1), blend=True, tex_rect=(0, 0, 1, 1)):
        """Draw a textured quad centred on (cx, cy), w by h, turned counter-clockwise by angle_deg."""
        tex = self.texture(name)
        th, tw = tex.shape[0:2]
        a = math.radians(angle_deg)
        reach = 0.5 * math.hypot(w, h)
        x0, x1 = max(0, int(cx - reach)), min(SCREEN_W, int(cx + reach) + 2)
        y0, y1 = max(0, int(cy - reach)), min(SCREEN_H, int(cy + reach) + 2)
        if x0 >= x1 or y0 >= y1:
            return
        px, py = np.meshgrid(np.arange(x0, x1) + 0.5, np.arange(y0, y1) + 0.5)
        dx, dy = px - cx, py - cy
        lx = dx * math.cos(a) + dy * math.sin(a)
        ly = -dx * math.sin(a) + dy * math.cos(a)
        fs, ft = lx / w + 0.5, ly / h + 0.5
        inside = (fs >= 0) & (fs < 1) & (ft >= 0) & (ft < 1)
        s = tex_rect[0] + fs * (tex_rect[2] - tex_rect[0])
        t = tex_rect[1] + ft * (tex_rect[3] - tex_rect[1])
        sample = bilinear(tex, s * tw - 0.5, (1.0 - t) * th - 0.5)
        rows = SCREEN_H - 1 - np.arange(y0, y1)
        target = self.rgb[rows[:, None], np.arange(x0, x1)[None, :]]
        src_rgb = sample[..., 0:3] * np.asarray(tint[0:3], dtype=np.float32)
        alpha = (sample[..., 3] * tint[3]) if blend else np.ones(sample.shape[0:2], dtype=np.float32)
        alpha = alpha * inside
        out = target * (1 - alpha[..., None]) + src_rgb * alpha[..., None]
        self.rgb[rows[:, None], np.arange(x0, x1)[None, :]] = out

    def natural(self, name, cx, cy, alpha=1.0):
        tex = self.texture(name)
        self.quad(name, cx, cy, tex.shape[1], tex.shape[0], tint=(1, 1, 1, alpha))

    def text(self, text, x, y, sx, sy, rgb):
        tex = self.texture("font.png")
        th, tw = tex.shape[0:2]
        for i, character in enumerate(text):
            left = int(font.CELL_WIDTH * sx * i + x)
            k = font.ALPHABET.find(character)
            if k < 0:
                continue
            p = font.CELL_WIDTH * k
            s0 = (p % tw) / tw
            t0 = (th - ((p // tw) + 1) * font.CELL_HEIGHT) / th
            rect = (s0, t0, s0 + font.CELL_WIDTH / tw, t0 + font.CELL_HEIGHT / th)
            w, h = font.CELL_WIDTH * sx, font.CELL_HEIGHT * sy
            self.quad("font.png", left + w / 2, y - h / 2, w, h, tint=(*rgb, 1), tex_rect=rect)

    def point(self, x, y, size, grey):
        size = max(1, int(size))
        row = SCREEN_H - 1 - int(y)
        self.rgb[max(0, row - size + 1) : row + 1, int(x) : int(x) + size] = grey

    def field(self, rng, bodies, particles):
        self.quad("bg.png", 400, 300, 800, 600, blend=False)
        for _ in range(100):
            self.point(rng.uniform(0, 800), rng.uniform(0, 600), rng.integers(0, 3), 0.6)
        for x, y in particles:
            self.quad("heart.png", x, y, 10, 10, tint=(1, 1, 1, 0.7))
        for name, x, y, radius, angle in bodies:
            self.quad(name, x, y, 2 * radius, 2 * radius, angle)

    def save(self, path):
        common.to_image(np.clip(self.rgb, 0, 1)).save(path)


def bilinear(tex, u, v):
    """Sample with GL_LINEAR and GL_REPEAT at texel coordinates (u, v), row 0 at the top."""
    th, tw = tex.shape[0:2]
    u0 = np.floor(u).astype(np.int64)
    v0 = np.floor(v).astype(np.int64)
    fu = (u - u0)[..., None]
    fv = (v - v0)[..., None]
    def at(y, x):
        return tex[y % th, x % tw]
    top = at(v0, u0) * (1 - fu) + at(v0, u0 + 1) * fu
    bottom = at(v0 + 1, u0) * (1 - fu) + at(v0 + 1, u0 + 1) * fu
    return top * (1 - fv) + bottom * fv


def simulate(generators, bodies, steps, rng):
    """A rough flow: particles from generators bent by the bodies, for a plausible picture only."""
    particles = []
    for step in range(steps):
        for gx, gy, vx, vy in generators:
            if step % 3 == 0:
                particles.append([gx, gy, vx + rng.normal(0, 0.05), vy + rng.normal(0, 0.05)])
        alive = []
        for p in particles:
            for _, bx, by, radius, strength in bodies:
                dx, dy = bx - p[0], by - p[1]
                d2 = dx * dx + dy * dy
                d = math.sqrt(d2)
                p[2] += strength * dx / (d2 * d)
                p[3] += strength * dy / (d2 * d)
            p[0] += p[2]
            p[1] += p[3]
            if any(math.hypot(bx - p[0], by - p[1]) < radius for _, bx, by, radius, _ in bodies):
                continue
            if -50 < p[0] < 850 and -50 < p[1] < 650:
                alive.append(p)
        particles = alive
    return [(p[0], p[1]) for p in particles]


def play_screen(data_dir, out):
    rng = np.random.default_rng(3)
    screen = Screen(data_dir)
    bodies = [
        ("planet.png", 640, 420, 50, 30.0, 60.0),
        ("planet.png", 560, 170, 30, 200.0, 45.0),
        ("blackhole.png", 380, 300, 34, 0.0, 25.0),
        ("asteroid.png", 300, 470, 26, 25.0, 15.0),
        ("pulsar.png", 420, 130, 24, 10.0, -40.0),
        ("lightheart.png", 520, 330, 20, 0.0, 150.0),
        ("darkheart.png", 250, 220, 20, 0.0, -150.0),
    ]
    physics = [(n, x, y, r, s) for n, x, y, r, _, s in bodies]
    flow = simulate([(20, 380, 2.2, -0.2), (60, 560, 2.0, -0.8), (100, 100, 1.8, 0.9)], physics, 420, rng)
    screen.field(rng, [(n, x, y, r, a) for n, x, y, r, a, _ in bodies], flow)
    screen.natural("interface.png", 400, 37, 0.7)
    screen.quad("lightheart.png", 70, 37, 50, 50)
    screen.text("4", 110, 50, 0.7, 0.7, (1, 1, 1))
    screen.text("3", 210, 50, 0.7, 0.7, (1, 1, 1))
    screen.quad("darkheart.png", 170, 37, 50, 50)
    meter(screen, 300, 70, 31 / 70.0)
    screen.text("RESTART LEVEL", 600, 50, 0.7, 0.7, (1, 1, 1))
    screen.text("LEVEL 3 STARTING IN 1", 200, 300, 1.2, 1.2, (1, 0, 1))
    screen.save(os.path.join(out, "play.png"))


def meter(screen, x, y, value):
    empty = screen.texture("meterempty.png")
    h, w = empty.shape[0:2]
    screen.quad("meterempty.png", x + w / 2, y - h / 2, w, h)
    if value > 0:
        screen.quad("meterfull.png", x + value * w / 2, y - h / 2, value * w, h, tex_rect=(0, 0, value, 1))


def menu_screen(data_dir, out):
    rng = np.random.default_rng(5)
    screen = Screen(data_dir)
    bodies = [("planet.png", 150, 450, 45, 10.0, 60.0), ("planet.png", 660, 170, 35, 80.0, 45.0), ("pulsar.png", 700, 480, 22, 0.0, -30.0)]
    flow = simulate([(0, 300, 2.0, 0.3), (800, 320, -2.0, -0.3)], [(n, x, y, r, s) for n, x, y, r, _, s in bodies], 300, rng)
    screen.field(rng, [(n, x, y, r, a) for n, x, y, r, a, _ in bodies], flow)
    screen.natural("menubg.png", 400, 300, 0.7)
    screen.text("LUMORA", 400 - 3 * 18 * 1.5, 500, 1.5, 1.5, (1, 0, 1))
    for i, caption in enumerate(("NEW GAME", "CONTINUE", "INSTRUCTIONS", "QUIT")):
        hover = (1, 0, 1) if i == 1 else (1, 1, 1)
        screen.text(caption, 400 - (len(caption) // 2) * 18, 400 - i * 40, 1, 1, hover)
    screen.save(os.path.join(out, "menu.png"))
    screen.rgb[:] = 0
    rng = np.random.default_rng(5)
    screen.field(rng, [(n, x, y, r, a) for n, x, y, r, a, _ in bodies], flow)
    screen.natural("logo.bmp", 400, 300, 1.0)
    screen.save(os.path.join(out, "intro.png"))
    screen.rgb[:] = 0
    rng = np.random.default_rng(5)
    screen.field(rng, [(n, x, y, r, a) for n, x, y, r, a, _ in bodies], flow)
    screen.natural("instructions.png", 400, 300, 1.0)
    screen.text("BACK", 700, 50, 1, 1, (1, 1, 1))
    screen.save(os.path.join(out, "instructions.png"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=os.path.join(HERE, "..", "..", "data"))
    parser.add_argument("--out", default="/tmp/lumora-preview")
    parser.add_argument("--only", choices=("play", "menu"))
    arguments = parser.parse_args()
    os.makedirs(arguments.out, exist_ok=True)
    if arguments.only in (None, "play"):
        play_screen(arguments.data, arguments.out)
    if arguments.only in (None, "menu"):
        menu_screen(arguments.data, arguments.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
