"""Builds the program's icons and menu images from the designs in artwork.py.

    make_art.py OUTDIR            writes main.ico, options.ico, about.ico, help.ico, exit.ico
                                  and menu.bmp (the four 16 x 16 menu images side by side)
    make_art.py OUTDIR --preview  also writes preview.png: every image, enlarged and actual size

Only the Python standard library is needed; the output is the same on every run.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from artwork import ICONS, MENU_IMAGES  # noqa: E402
from formats import (VGA16, adaptive_palette, alpha_mask, bmp32_file, ico_file,  # noqa: E402
                     icon_image, png_file, quantise, read_ico)
from raster import render  # noqa: E402

SIZES = (48, 32, 24, 16)
SAMPLES = {48: 4, 32: 5, 24: 6, 16: 8}  # supersampling per axis


def build_icon(draw):
    """The twelve images: 16 colours, 256 colours and 32-bit with alpha, at each size."""
    images = {}
    for size in SIZES:
        layers = draw(size)
        true_colour = render(size, layers, SAMPLES[size])
        sixteen = render(size, layers, SAMPLES[size], palette_mode=True)
        indices, mask = quantise(sixteen, VGA16)
        images[(size, 4)] = icon_image(size, 4, indices, mask, VGA16)
        palette = adaptive_palette(true_colour)
        indices, mask = quantise(true_colour, palette)
        images[(size, 8)] = icon_image(size, 8, indices, mask, palette)
        images[(size, 32)] = icon_image(size, 32, true_colour, alpha_mask(true_colour))
    return ico_file([(size, bits, images[(size, bits)]) for bits in (4, 8, 32) for size in SIZES])


def build_menu():
    strip = [[] for _ in range(16)]
    for draw in MENU_IMAGES:
        image = render(16, draw(16), SAMPLES[16])
        for y in range(16):
            strip[y] += image[y]
    return strip


WHITE, TASKBAR = (255, 255, 255), (34, 60, 120)


def preview(icons, menu):
    """Each icon's twelve images enlarged four times on a checker, then its 32-bit images at
    actual size on white and on the dark blue of a taskbar; the menu images last."""
    scale, gap = 4, 8
    rows = []
    for data in icons:
        decoded = read_ico(data)
        actual = [rows_ for _, bits, rows_ in decoded if bits == 32]
        rows.append([(img, scale, None) for _, _, img in decoded]
                    + [(img, 1, WHITE) for img in actual] + [(img, 1, TASKBAR) for img in actual])
    rows.append([(menu, scale, None), (menu, 1, WHITE), (menu, 1, TASKBAR)])
    width = max(sum(len(img[0]) * s + gap for img, s, _ in row) for row in rows) + gap
    height = sum(max(len(img) * s for img, s, _ in row) + gap for row in rows) + gap
    canvas = [[WHITE + (255,)] * width for _ in range(height)]
    y0 = gap
    for row in rows:
        x0 = gap
        for img, s, plain in row:
            for y in range(len(img) * s):
                for x in range(len(img[0]) * s):
                    back = plain or ((204, 204, 204) if (x // 8 + y // 8) % 2 else WHITE)
                    r, g, b, a = img[y // s][x // s]
                    canvas[y0 + y][x0 + x] = tuple(
                        round(c * a / 255 + k * (255 - a) / 255) for c, k in zip((r, g, b), back)
                    ) + (255,)
            x0 += len(img[0]) * s + gap
        y0 += max(len(img) * s for img, s, _ in row) + gap
    return canvas


def main():
    if len(sys.argv) < 2 or sys.argv[1].startswith("-"):
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    icons = []
    for name, draw in ICONS.items():
        data = build_icon(draw)
        icons.append(data)
        with open(os.path.join(out, name + ".ico"), "wb") as f:
            f.write(data)
    menu = build_menu()
    with open(os.path.join(out, "menu.bmp"), "wb") as f:
        f.write(bmp32_file(menu))
    if "--preview" in sys.argv[2:]:
        with open(os.path.join(out, "preview.png"), "wb") as f:
            f.write(png_file(preview(icons, menu)))


if __name__ == "__main__":
    main()
