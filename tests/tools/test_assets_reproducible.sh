#!/bin/bash
# Every picture, sound and icon made again must be the committed file, byte for byte; then the few facts the
# game's loaders rely on that a changed script could break with its output committed alongside.
set -u
data="${LUMORA_SOURCE_DIR:?}/data" scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" && exit 1; }
/usr/bin/python3 "$data/../tools/assets/make_assets.py" --out "$scratch/data" >"$scratch/log" 2>&1 ||
    fail "make_assets.py did not run to the end: $(cat "$scratch/log")"
cd "$scratch/data" || exit 2
[ "$(find . -type f | wc -l)" -ge 17 ] || fail "the scripts made only $(find . -type f | wc -l) files"
for file in $(find . -type f); do cmp -s "$file" "$data/$file" || fail "data/${file#./} is not what the scripts make"; done

/usr/bin/python3 - "$data" <<'PYTHON'
import io, os, struct, subprocess, sys
import numpy as np
from PIL import Image

graphics, sounds = os.path.join(sys.argv[1], "graphics"), os.path.join(sys.argv[1], "sounds")
picture = lambda name: Image.open(os.path.join(graphics, name))  # noqa: E731
problems = []
# The loader uploads only 24- or 32-bit pictures.
problems += [f"{name} is not 24 or 32 bits a pixel" for name in sorted(os.listdir(graphics))
             if picture(name).mode not in ("RGB", "RGBA") or (name.endswith(".bmp") and picture(name).info.get("compression", 0))]
font = picture("font.png")
if font.size != (1024, 64) or font.mode != "RGBA" or font.getextrema()[0][0] != 255:
    problems.append("font.png must be 1024x64 RGBA, its glyphs white so the game can tint them")
if picture("meterempty.png").size != picture("meterfull.png").size:
    problems.append("the meter's two pictures differ in size")
# The BACK button (x 700..772, y 10..50) lies over the last rows of the 1024x512 picture centred on (400, 300).
instructions = picture("instructions.png").convert("RGBA")
if instructions.size != (1024, 512) or instructions.crop((812, 506, 885, 512)).getextrema()[3][1] > 12:
    problems.append("instructions.png is not 1024x512 clear of the BACK button")
# Music and clicks at 44100 Hz with the LAME tag that makes them play without gaps, long enough or short.
for name, shortest, longest in (("theme.mp3", 60.0, 1e9), ("click.mp3", 0.02, 0.3)):
    blob = open(os.path.join(sounds, name), "rb").read()
    start = 10 + ((blob[6] << 21) | (blob[7] << 14) | (blob[8] << 7) | blob[9]) if blob[:3] == b"ID3" else 0
    header = struct.unpack(">I", blob[start : start + 4])[0]
    tag = start + 4 + (17 if (header >> 6) & 3 == 3 else 32)
    frames = struct.unpack(">I", blob[tag + 8 : tag + 12])[0]
    lame = blob.find(b"LAME", tag, tag + 200)
    delay_padding = int.from_bytes(blob[lame + 21 : lame + 24], "big")
    length = (frames * 1152 - (delay_padding >> 12) - (delay_padding & 0xFFF)) / 44100
    if header >> 21 != 0x7FF or (header >> 10) & 3 != 0 or blob[tag : tag + 4] not in (b"Xing", b"Info") or lame < 0:
        problems.append(f"{name} is not a 44100 Hz MPEG stream with Xing and LAME tags")
    elif not shortest <= length <= longest:
        problems.append(f"{name} lasts {length:.3f} s, not {shortest} to {longest}")
# The scalable icon as a desktop draws it (librsvg) is the 256-pixel one but for its finer shading and edges.
drawn = subprocess.run(["rsvg-convert", "-w", "256", "-h", "256", os.path.join(sys.argv[1], "../packaging/icons/scalable/lumora.svg")],
                       capture_output=True).stdout
raster = Image.open(os.path.join(sys.argv[1], "../packaging/icons/256x256/lumora.png"))
if not drawn or np.percentile(np.abs(np.asarray(Image.open(io.BytesIO(drawn)), float) - np.asarray(raster, float)).max(axis=2), 95) > 60:
    problems.append("the scalable icon does not draw like the 256-pixel one")
print("".join(f"FAIL: {problem}\n" for problem in problems), end="")
sys.exit(1 if problems else 0)
PYTHON
