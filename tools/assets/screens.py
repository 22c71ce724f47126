"""Pictures of the intro, menu and instructions screens.

logo.bmp (512x256, 24-bit, opaque) is shown at its own size centred on (400, 300). Its backdrop is the
very patch of bg.png that it covers on screen, so its edges melt into the field around it.
menubg.png (512x512) is shown centred at alpha 0.7 behind the title and the six buttons, which the game
draws itself. instructions.png (1024x512) is shown centred at alpha 1; only columns 112..911 are on
screen, and its lower right corner stays clear for the game's BACK button.
"""

import os

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import backdrop
import bodies
import common
import font
from common import Canvas, colour, mix, smoothstep

MAGENTA = colour("ff00ff")
WHITE = colour("ffffff")
LOGO_SIZE = (512, 256)
MENU_SIZE = (512, 512)
INSTRUCTIONS_SIZE = (1024, 512)
TITLE_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
LOGO_STAR_SEED = 808


def background_patch(background, left, top, width, height):
    """The part of the stretched 800x600 field background under a screen rectangle (top-down)."""
    sx = background.width / 800.0
    sy = background.height / 600.0
    box = (left * sx, top * sy, (left + width) * sx, (top + height) * sy)
    patch = background.transform((width, height), Image.EXTENT, box, Image.BILINEAR)
    return common.from_image(patch.convert("RGB"))


def text_layer(width, height, text, position, size_px, face_file=font.FONT_FILE, spacing=0.0):
    """Coverage (0..1) of a line of text drawn with FreeType at its native size, for crisp glyphs."""
    face = ImageFont.truetype(face_file, size_px)
    layer = Image.new("L", (width, height), 0)
    draw = ImageDraw.Draw(layer)
    x, y = position
    if spacing == 0.0:
        draw.text((x, y), text, font=face, fill=255)
    else:
        for character in text:
            draw.text((x, y), character, font=face, fill=255)
            x += face.getlength(character) + spacing
    return np.asarray(layer, dtype=np.float32) / 255.0


def text_width(text, size_px, face_file=font.FONT_FILE, spacing=0.0):
    face = ImageFont.truetype(face_file, size_px)
    return sum(face.getlength(c) for c in text) + spacing * (len(text) - 1)


def glow_of(mask, radius, strength):
    return np.clip(common.blur(mask, radius) * strength, 0.0, 1.0)


def body_picture(image, size):
    """A body picture as float RGBA, resized with PIL's filtered resampling for a clean illustration."""
    resized = image.resize((size, size), Image.LANCZOS)
    return np.clip(common.from_image(resized), 0.0, 1.0)


def logo(background):
    w, h = LOGO_SIZE
    left, top = 400 - w // 2, 300 - h // 2
    rgb = background_patch(background, left, top, w, h)
    xs, ys = common.grid(w, h)
    # A soft violet bloom behind the word, fading well before the edges so they match the field.
    bloom = np.exp(-(((xs - w / 2) / 190.0) ** 2 + ((ys - h / 2) / 80.0) ** 2))
    rgb = mix(rgb, colour("2a1050"), bloom * 0.55)
    letters = "LUM RA"
    size_px = 92
    spacing = 10.0
    heart_slot = text_width("O", size_px, TITLE_FONT)
    total = text_width(letters, size_px, TITLE_FONT, spacing) - text_width(" ", size_px, TITLE_FONT) + heart_slot
    x = (w - total) / 2.0
    baseline_top = 66
    mask = np.zeros((h, w), dtype=np.float32)
    heart_centre = None
    face = ImageFont.truetype(TITLE_FONT, size_px)
    for character in letters:
        if character == " ":
            heart_centre = (x + heart_slot / 2.0, baseline_top + size_px * 0.47)
            x += heart_slot + spacing
            continue
        mask = np.maximum(mask, text_layer(w, h, character, (x, baseline_top), size_px, TITLE_FONT))
        x += face.getlength(character) + spacing
    # Letters: white at the top warming to pink and magenta at the foot, with a magenta halo.
    vertical = np.clip((ys - (baseline_top + size_px * 0.2)) / (size_px * 0.75), 0.0, 1.0)
    fill = mix(colour("fff4fb"), colour("ff7ad0"), smoothstep(0.25, 0.85, vertical))
    fill = mix(fill, colour("d020c0"), smoothstep(0.75, 1.0, vertical))
    rgb = mix(rgb, colour("ff2fd0"), glow_of(mask, 9.0, 0.9) * 0.55)
    rgb = mix(rgb, colour("ff9be6"), glow_of(mask, 2.5, 1.2) * 0.5)
    rgb = mix(rgb, fill, mask)
    # The heart in place of the O, with its own warm glow.
    heart_px = int(heart_slot * 1.55)
    heart = body_picture(bodies.player_heart(light=True), heart_px)
    hx, hy = heart_centre
    canvas = Canvas(w, h)
    canvas.data[..., 0:3] = rgb
    canvas.data[..., 3] = 1.0
    canvas.paste(heart, int(round(hx - heart_px / 2)), int(round(hy - heart_px / 2)))
    rgb = canvas.data[..., 0:3]
    # A stream of small particle hearts sweeping in under the word and rising into the big heart.
    particle = bodies.particle()
    stream = Canvas(w, h)
    count = 24
    end_x, end_y = hx - 20, hy + 34
    for i in range(count):
        t = i / (count - 1)
        px = 70 + t * (end_x - 70)
        rise = smoothstep(0.65, 1.0, t)
        py = (186 + 8 * np.sin(t * 9.0)) * (1 - rise) + end_y * rise
        size = int(round(6 + 8 * t))
        piece = body_picture(particle, size)
        piece[..., 3] *= 0.3 + 0.7 * t
        stream.paste(piece, int(round(px - size / 2)), int(round(py - size / 2)))
    rgb = mix(rgb, stream.data[..., 0:3], stream.data[..., 3])
    # The game scatters grey stars over the field; a few here keep the logo's patch from looking bare.
    rng = np.random.default_rng(LOGO_STAR_SEED)
    for _ in range(24):
        x, y = int(rng.integers(0, w)), int(rng.integers(0, h))
        if mask[y, x] < 0.01 and bloom[y, x] < 0.5:
            rgb[y, x] = np.maximum(rgb[y, x], 0.6 * rng.uniform(0.5, 1.0))
    return common.to_image(rgb)


def menu_background():
    w, h = MENU_SIZE
    canvas = Canvas(w, h)
    xs, ys = common.grid(w, h)
    # Screen rectangle x 144..656, y 44..556: picture column = x - 144, row = 556 - y.
    panel = common.rounded_rect_distance(w, h, 92, 22, 420, 440, 30)
    inside = common.coverage(panel)
    # A dark vignette around the panel keeps the field calm behind the text.
    vignette = np.exp(-(((xs - 256) / 230.0) ** 2 + ((ys - 232) / 242.0) ** 2) * 1.6)
    canvas.layer(colour("05030f"), vignette * 0.55)
    vertical = np.clip((ys - 22) / 418.0, 0.0, 1.0)
    canvas.layer(mix(colour("1c0f3a"), colour("0b0720"), vertical), inside * 0.85)
    # Frame: a thin violet-magenta line with a soft glow outside it.
    line = np.exp(-((panel + 1.0) / 1.1) ** 2)
    tone = mix(colour("ff5fd8"), colour("7c6cff"), smoothstep(40, 470, xs + ys * 0.3))
    canvas.layer(tone, np.exp(-np.maximum(panel, 0.0) / 7.0) * (panel > 0) * 0.35)
    canvas.layer(tone, line * 0.9)
    # A divider under the title (which spans rows 56..116) with a small heart in its middle.
    divider_row = 136
    span = np.clip(1.0 - np.abs(xs - 256) / 130.0, 0.0, 1.0) ** 1.2
    divider = np.exp(-((ys - divider_row) / 0.8) ** 2) * span * (np.abs(xs - 256) > 13)
    canvas.layer(colour("d58cff"), divider * 0.8)
    heart = common.heart_mask(w, h, 256, divider_row + 1, 8.5, softness_px=1.0)
    canvas.layer(colour("ff3fc8"), glow_of(heart, 4.0, 1.4) * 0.8)
    canvas.layer(colour("ff9ad8"), heart)
    # Three small dots under the last button (rows 356..396) close the panel.
    for k, dx in enumerate((-18, 0, 18)):
        dot = common.disc_mask(w, h, 256 + dx, 420, 2.4 if k == 1 else 1.8)
        canvas.layer(colour("c9a2ff"), dot * 0.8)
    return canvas.image()


class Page:
    """The instructions page: a canvas with helpers for the game-style text and illustrations."""

    BODY_PX = 20
    HEADING_PX = 26

    def __init__(self):
        w, h = INSTRUCTIONS_SIZE
        self.canvas = Canvas(w, h)
        self.w, self.h = w, h

    def text(self, text, x, y, size_px, rgb, glow=0.0):
        mask = text_layer(self.w, self.h, text, (x, y), size_px)
        if glow > 0:
            self.canvas.layer(rgb, glow_of(mask, 3.0, 1.0) * glow)
        self.canvas.layer(rgb, mask)

    def picture(self, image, centre_x, centre_y, size):
        piece = body_picture(image, size)
        self.canvas.paste(piece, int(round(centre_x - size / 2)), int(round(centre_y - size / 2)))


def mouse_icon(size, highlight_left):
    """A simple mouse outline with one button lit: white lines, the lit button magenta."""
    scale = 4
    big = size * scale
    layer = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(layer)
    body = (big * 0.22, big * 0.08, big * 0.78, big * 0.92)
    stroke = max(1, int(big * 0.045))
    button_box = (body[0], body[1], body[2], big * 0.42)
    lit = (255, 64, 220, 255)
    half = (body[0] + body[2]) / 2
    draw.rounded_rectangle(body, radius=big * 0.26, fill=(40, 24, 70, 255), outline=(255, 255, 255, 255), width=stroke)
    clip = Image.new("L", (big, big), 0)
    ImageDraw.Draw(clip).rounded_rectangle(body, radius=big * 0.26, fill=255)
    button = Image.new("L", (big, big), 0)
    side = (button_box[0], button_box[1], half, button_box[3]) if highlight_left else (half, button_box[1], button_box[2], button_box[3])
    ImageDraw.Draw(button).rectangle(side, fill=255)
    button = Image.fromarray(np.minimum(np.asarray(button), np.asarray(clip)))
    layer.paste(Image.new("RGBA", (big, big), lit), (0, 0), button)
    draw = ImageDraw.Draw(layer)
    draw.rounded_rectangle(body, radius=big * 0.26, outline=(255, 255, 255, 255), width=stroke)
    draw.line((half, body[1], half, button_box[3]), fill=(255, 255, 255, 255), width=stroke)
    draw.line((body[0], button_box[3], body[2], button_box[3]), fill=(255, 255, 255, 255), width=stroke)
    small = layer.resize((size, size), Image.LANCZOS)
    return np.clip(common.from_image(small), 0.0, 1.0)


def restart_icon(size):
    """A circular arrow, white with a magenta head, for the RESTART LEVEL row."""
    scale = 4
    big = size * scale
    layer = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(layer)
    margin = big * 0.16
    box = (margin, margin, big - margin, big - margin)
    stroke = int(big * 0.09)
    draw.arc(box, start=-60, end=220, fill=(255, 255, 255, 255), width=stroke)
    radius = (big - 2 * margin) / 2 - stroke / 2
    centre = big / 2
    tip_angle = np.radians(-60)
    ax, ay = centre + radius * np.cos(tip_angle), centre + radius * np.sin(tip_angle)
    head = big * 0.2
    points = [(ax - head * 0.9, ay - head * 0.3), (ax + head * 0.55, ay - head * 0.55), (ax + head * 0.1, ay + head * 0.95)]
    draw.polygon(points, fill=(255, 64, 220, 255))
    small = layer.resize((size, size), Image.LANCZOS)
    return np.clip(common.from_image(small), 0.0, 1.0)


def key_icon(width, height, caption):
    """A keyboard key with its caption in the game's font."""
    scale = 4
    layer = Image.new("RGBA", (width * scale, height * scale), (0, 0, 0, 0))
    draw = ImageDraw.Draw(layer)
    stroke = int(scale * 1.6)
    draw.rounded_rectangle((stroke, stroke, width * scale - stroke, height * scale - stroke), radius=scale * 7, fill=(40, 24, 70, 255), outline=(255, 255, 255, 255), width=stroke)
    face = ImageFont.truetype(font.FONT_FILE, int(height * 0.42 * scale))
    text_w = face.getlength(caption)
    draw.text(((width * scale - text_w) / 2, height * scale * 0.24), caption, font=face, fill=(255, 255, 255, 255))
    small = layer.resize((width, height), Image.LANCZOS)
    return np.clip(common.from_image(small), 0.0, 1.0)


def instructions():
    page = Page()
    canvas = page.canvas
    w, h = page.w, page.h
    xs, ys = common.grid(w, h)
    # Visible columns are 112..911 (screen x 0..800). The panel ends at row 490 (screen y 66), above
    # the game's BACK button, and everything outside it is transparent.
    panel = common.rounded_rect_distance(w, h, 130, 6, 894, 490, 26)
    inside = common.coverage(panel)
    vertical = np.clip(ys / h, 0.0, 1.0)
    canvas.layer(mix(colour("1a0e38"), colour("0a0620"), vertical), inside * 0.9)
    tone = mix(colour("ff5fd8"), colour("7c6cff"), smoothstep(130, 894, xs))
    canvas.layer(tone, np.exp(-((panel + 1.0) / 1.1) ** 2) * 0.9)
    canvas.layer(tone, np.exp(-np.maximum(panel, 0.0) / 6.0) * (panel > 0) * 0.3)

    heading = "HOW TO PLAY"
    heading_px = 34
    page.text(heading, int(512 - text_width(heading, heading_px) / 2), 14, heading_px, MAGENTA, glow=0.5)
    divider = np.exp(-((ys - 60) / 0.8) ** 2) * np.clip(1.0 - np.abs(xs - 512) / 330.0, 0.0, 1.0)
    canvas.layer(colour("d58cff"), divider * 0.7)

    # Two columns centred on the screen: pictures around column 282, text from column 372.
    text_x = 372
    icon_x = 290
    rows = [
        (74, "THE GOAL", ["GUIDE 70 PARTICLES INTO THE PLANETS", "TO COMPLETE A LEVEL."]),
        (156, "LEFT BUTTON", ["PLACES A LIGHT HEART: IT ATTRACTS", "THE PARTICLES."]),
        (238, "RIGHT BUTTON", ["PLACES A DARK HEART: IT REPELS THEM.", "YOU HAVE FIVE OF EACH PER LEVEL."]),
        (320, "BODIES", ["EVERY BODY ABSORBS THE PARTICLES THAT", "TOUCH IT, BUT ONLY PLANETS COUNT."]),
        (402, "RESTART LEVEL", ["STARTS THE LEVEL AGAIN, ALL HEARTS BACK.", "ESCAPE RETURNS TO THE MENU."]),
    ]
    for top, title, lines in rows:
        page.text(title, text_x, top, Page.HEADING_PX - 4, MAGENTA)
        for i, words in enumerate(lines):
            page.text(words, text_x, top + 28 + i * 25, Page.BODY_PX, WHITE)

    planet = bodies.planet(np.random.default_rng(11))
    particle = bodies.particle()
    # The goal: a planet taking in a stream of particles.
    page.picture(planet, icon_x + 20, 112, 64)
    for k in range(7):
        t = k / 6.0
        page.picture(particle, icon_x - 62 + t * 52, 88 + 12 * t * t, 9 + int(4 * t))
    # Left and right buttons with their hearts.
    canvas.paste(mouse_icon(46, True), icon_x - 66, 168)
    page.picture(bodies.player_heart(light=True), icon_x + 26, 192, 60)
    canvas.paste(mouse_icon(46, False), icon_x - 66, 250)
    page.picture(bodies.player_heart(light=False), icon_x + 26, 274, 60)
    # Bodies that absorb but do not count, beside a planet that does.
    page.picture(bodies.black_hole(np.random.default_rng(23)), icon_x - 44, 346, 48)
    page.picture(bodies.asteroid(np.random.default_rng(37)), icon_x - 4, 372, 40)
    page.picture(planet, icon_x + 38, 352, 44)
    # Restart and Escape.
    canvas.paste(restart_icon(44), icon_x - 62, 414)
    canvas.paste(key_icon(54, 32, "ESC"), icon_x + 2, 420)
    return canvas.image()


def make(out_dir):
    background = backdrop.build_background()
    written = []
    logo_path = os.path.join(out_dir, "graphics", "logo.bmp")
    common.ensure_folder(os.path.dirname(logo_path))
    logo(background).save(logo_path, format="BMP")
    written.append(logo_path)
    for name, image in (("menubg.png", menu_background()), ("instructions.png", instructions())):
        path = os.path.join(out_dir, "graphics", name)
        common.save_png(image, path)
        written.append(path)
    return written
