#!/usr/bin/env bash
# Regenerates every picture and sound into a scratch folder and checks that the committed data/ files
# are exactly what the scripts make, then checks the facts the game's loaders rely on.
set -u

source_dir="${LUMORA_SOURCE_DIR:?LUMORA_SOURCE_DIR must name the source tree}"
python="${PYTHON:-/usr/bin/python3}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

if ! "$python" "$source_dir/tools/assets/make_assets.py" --out "$scratch" >"$scratch.log" 2>&1; then
    cat "$scratch.log"
    rm -f "$scratch.log"
    echo "FAIL: make_assets.py did not run to the end"
    exit 1
fi
rm -f "$scratch.log"

failures=0
produced=0
while IFS= read -r -d '' made; do
    relative="${made#"$scratch"/}"
    produced=$((produced + 1))
    committed="$source_dir/data/$relative"
    if [ ! -f "$committed" ]; then
        echo "FAIL: data/$relative is made by the scripts but not committed"
        failures=$((failures + 1))
    elif ! cmp -s "$made" "$committed"; then
        echo "FAIL: data/$relative differs from what the scripts make"
        failures=$((failures + 1))
    fi
done < <(find "$scratch" -type f -print0 | sort -z)

if [ "$produced" -lt 17 ]; then
    echo "FAIL: the scripts made only $produced files"
    failures=$((failures + 1))
fi

if ! "$python" - "$source_dir/data" <<'PYTHON'
import os
import struct
import sys

from PIL import Image

data = sys.argv[1]
problems = []


def check(condition, message):
    if not condition:
        problems.append(message)


def png_header(path):
    with open(path, "rb") as f:
        head = f.read(33)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    width, height, depth, colour_type = struct.unpack(">IIBB", head[16:26])
    return width, height, depth, colour_type


graphics = os.path.join(data, "graphics")
pictures = sorted(os.listdir(graphics))
for required in ("font.png", "bg.png", "heart.png", "planet.png", "lightheart.png", "darkheart.png",
                 "blackhole.png", "asteroid.png", "pulsar.png", "logo.bmp", "menubg.png",
                 "instructions.png", "interface.png", "meterempty.png", "meterfull.png"):
    check(required in pictures, f"{required} is missing")

# The loader uploads only 24- or 32-bit pictures: 8-bit RGB or RGBA PNGs, 24-bit BMP.
sizes = {}
for name in pictures:
    path = os.path.join(graphics, name)
    if name.endswith(".png"):
        header = png_header(path)
        check(header is not None, f"{name} is not a PNG")
        if header:
            width, height, depth, colour_type = header
            check(depth == 8 and colour_type in (2, 6), f"{name}: {depth}-bit colour type {colour_type}, not 24/32 bpp")
            sizes[name] = (width, height, colour_type)

logo_path = os.path.join(graphics, "logo.bmp")
with open(logo_path, "rb") if os.path.exists(logo_path) else open(os.devnull, "rb") as f:
    bmp = f.read(54).ljust(54, b"\0")
magic = bmp[:2]
header_size, width, height, planes, bpp, compression = struct.unpack("<IiiHHI", bmp[14:34])
check(magic == b"BM", "logo.bmp is not a BMP")
check(header_size == 40, f"logo.bmp has a {header_size}-byte info header, FreeImage wants 40")
check(bpp == 24 and compression == 0, f"logo.bmp is {bpp} bpp, compression {compression}")

check(sizes.get("font.png") == (1024, 64, 6), f"font.png is {sizes.get('font.png')}, wants 1024x64 RGBA")
alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!:?,./"
font = Image.open(os.path.join(graphics, "font.png"))
pixels = font.load()
for k, character in enumerate(alphabet):
    ink = sum(1 for x in range(18 * k, 18 * k + 18) for y in range(40) if pixels[x, y][3] > 128)
    check(ink >= 6, f"font.png cell {k} ({character}) has no glyph")
stray = [(x, y) for x in range(font.width) for y in range(font.height)
         if pixels[x, y][3] and (y >= 40 or x >= 18 * len(alphabet))]
check(not stray, f"font.png has ink outside the glyph cells, e.g. at {stray[:3]}")
check(all(pixels[x, y][0:3] == (255, 255, 255) for x in range(0, 1024, 7) for y in range(64)),
      "font.png glyphs must stay white so the game can tint them")

empty, full = sizes.get("meterempty.png"), sizes.get("meterfull.png")
check(empty is not None and empty == full, f"meter pictures differ in size: {empty} and {full}")
check(empty is not None and empty[0] <= 300, "the meter would reach RESTART LEVEL at x 600")
check(sizes.get("bg.png", (0, 0, 0))[2] == 2, "bg.png should be opaque RGB")

# The game's BACK button (screen x 700..772, y 10..50) overlaps the picture's last rows, columns
# 812..884 of a 1024x512 picture centred on (400, 300); at most a faint glow may show there.
instructions = Image.open(os.path.join(graphics, "instructions.png"))
check(instructions.size == (1024, 512), f"instructions.png is {instructions.size}, the layout wants 1024x512")
corner = instructions.convert("RGBA").crop((812, 506, 885, 512)).getextrema()[3][1]
check(corner <= 12, f"instructions.png covers the BACK button's corner (alpha {corner})")


def mp3_length_s(path):
    """Duration of a LAME-encoded MP3 from its Xing frame count, less the encoder delay and padding."""
    with open(path, "rb") as f:
        blob = f.read()
    start = 0
    if blob[:3] == b"ID3":
        start = 10 + ((blob[6] << 21) | (blob[7] << 14) | (blob[8] << 7) | blob[9])
    header = struct.unpack(">I", blob[start:start + 4])[0]
    check(header >> 21 == 0x7FF, f"{os.path.basename(path)} does not start with an MPEG frame")
    mono = (header >> 6) & 3 == 3
    rate_index = (header >> 10) & 3
    rate = (44100, 48000, 32000)[rate_index]
    side_info = 17 if mono else 32
    tag = start + 4 + side_info
    check(blob[tag:tag + 4] in (b"Xing", b"Info"), f"{os.path.basename(path)} has no Xing/Info tag")
    flags = struct.unpack(">I", blob[tag + 4:tag + 8])[0]
    check(flags & 1, f"{os.path.basename(path)}: the tag has no frame count")
    frames = struct.unpack(">I", blob[tag + 8:tag + 12])[0]
    offset = tag + 8 + 4 * bool(flags & 1) + 4 * bool(flags & 2) + 100 * bool(flags & 4) + 4 * bool(flags & 8)
    check(blob[offset:offset + 4] == b"LAME", f"{os.path.basename(path)} has no LAME tag for gapless playback")
    delay_padding = blob[offset + 21:offset + 24]
    delay = (delay_padding[0] << 4) | (delay_padding[1] >> 4)
    padding = ((delay_padding[1] & 0x0F) << 8) | delay_padding[2]
    return (frames * 1152 - delay - padding) / rate, rate


sounds = os.path.join(data, "sounds")
for name, shortest, longest in (("theme.mp3", 60.0, None), ("click.mp3", 0.02, 0.3)):
    path = os.path.join(sounds, name)
    if not os.path.exists(path):
        check(False, f"{name} is missing")
        continue
    length_s, rate = mp3_length_s(path)
    check(rate == 44100, f"{name} is at {rate} Hz, not 44100")
    check(length_s >= shortest, f"{name} lasts {length_s:.3f} s, wants at least {shortest}")
    check(longest is None or length_s <= longest, f"{name} lasts {length_s:.3f} s, wants at most {longest}")
    check(os.path.getsize(path) < 2_500_000, f"{name} is over 2.5 MB")

for problem in problems:
    print("FAIL:", problem)
sys.exit(1 if problems else 0)
PYTHON
then
    failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
    echo "0 passed, 1 failed: assets"
    exit 1
fi
echo "assets: $produced files reproduced byte for byte, formats as the game expects"
