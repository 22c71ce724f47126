#!/usr/bin/env python3
"""Regenerates every picture and sound of the game into DIR/graphics and DIR/sounds, and its desktop icons.

Usage: make_assets.py [--out DIR] [--only NAME ...]
DIR defaults to the repository's data/ folder. Every generator is seeded, so two runs give the same
bytes; tests/tools/test_assets_reproducible.sh checks that against the committed files. The icons go to
packaging/icons when DIR is data/; into any other DIR they are rendered and compared with the committed
ones instead, so the same check covers them.
"""

import argparse
import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import backdrop  # noqa: E402
import bodies  # noqa: E402
import font  # noqa: E402
import hud  # noqa: E402
import icons  # noqa: E402
import screens  # noqa: E402
import sounds  # noqa: E402

GENERATORS = {
    "font": font.make,
    "backdrop": backdrop.make,
    "bodies": bodies.make,
    "hud": hud.make,
    "screens": screens.make,
    "sounds": sounds.make,
    "icons": icons.make,
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(HERE, "..", "..", "data"), help="data folder to fill")
    parser.add_argument("--only", nargs="*", choices=sorted(GENERATORS), help="make only these groups")
    arguments = parser.parse_args()
    out_dir = os.path.abspath(arguments.out)
    for name in arguments.only or GENERATORS:
        started = time.monotonic()
        written = GENERATORS[name](out_dir)
        elapsed = time.monotonic() - started
        for path in written:
            print(f"{os.path.relpath(path, out_dir)}  ({name}, {elapsed:.1f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
