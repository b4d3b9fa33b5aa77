"""Colour reduction and the file formats of the artwork: Windows icons (.ico), a 32-bit
bitmap with alpha (.bmp) for the menu images, and PNG for looking at them."""

import struct
import zlib

# The 16 colours of the standard Windows palette, in their usual order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

OPAQUE = 128  # alpha from which a pixel counts as opaque in the images without alpha


def _distance2(a, b):
    # Weighted for the eye: green matters most, blue least.
    dr, dg, db = a[0] - b[0], a[1] - b[1], a[2] - b[2]
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db


def nearest(colour, palette):
    return min(range(len(palette)), key=lambda i: _distance2(colour, palette[i]))


def median_cut(colours, limit):
    """A palette of at most `limit` colours for a {colour: count} histogram."""
    boxes = [list(colours.items())]
    while len(boxes) < limit:
        # Split the box with the widest channel range (weighted by its pixel count).
        best, best_score, best_channel = None, 0, 0
        for index, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for channel in range(3):
                values = [c[channel] for c, _ in box]
                score = (max(values) - min(values)) * sum(n for _, n in box)
                if score > best_score:
                    best, best_score, best_channel = index, score, channel
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda item: item[0][best_channel])
        total = sum(n for _, n in box)
        running, cut = 0, 1
        for i, (_, n) in enumerate(box):
            running += n
            if running * 2 >= total:
                cut = max(1, min(len(box) - 1, i + 1))
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[k] * n for c, n in box) / total) for k in range(3)))
    return palette


def quantise(image, palette):
    """Indices into `palette` and the transparency mask (1 = transparent) of an RGBA image.
    Transparent pixels take index 0, which must be black, so that the mask alone hides them."""
    indices, mask, cache = [], [], {}
    for row in image:
        index_row, mask_row = [], []
        for r, g, b, a in row:
            if a < OPAQUE:
                index_row.append(0)
                mask_row.append(1)
                continue
            key = (r, g, b)
            if key not in cache:
                cache[key] = nearest(key, palette)
            index_row.append(cache[key])
            mask_row.append(0)
        indices.append(index_row)
        mask.append(mask_row)
    return indices, mask


def adaptive_palette(image):
    """Black for the transparent pixels, then up to 255 colours chosen for the image."""
    histogram = {}
    for row in image:
        for r, g, b, a in row:
            if a >= OPAQUE:
                histogram[(r, g, b)] = histogram.get((r, g, b), 0) + 1
    palette = [(0, 0, 0)] + (median_cut(histogram, 255) if histogram else [])
    return palette + [(0, 0, 0)] * (256 - len(palette))


def alpha_mask(image):
    return [[1 if a < OPAQUE else 0 for *_, a in row] for row in image]


# ---------------------------------------------------------------------------------------------
# Icons


def _pack_rows(rows, bits):
    """Bottom-up rows of `bits`-per-pixel values, each padded to 32 bits."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        if bits == 32:
            for r, g, b, a in row:
                line += bytes((b, g, r, a))
        else:
            per_byte = 8 // bits
            for start in range(0, len(row), per_byte):
                value = 0
                for i in range(per_byte):
                    v = row[start + i] if start + i < len(row) else 0
                    value |= v << (8 - bits * (i + 1))
                line.append(value)
        line += b"\0" * (-len(line) % 4)
        out += line
    return bytes(out)


def icon_image(size, bits, pixels, mask, palette=None):
    """One image of an icon: BITMAPINFOHEADER (double height), palette, colour bits, AND mask."""
    colour = _pack_rows(pixels, bits)
    and_bits = _pack_rows(mask, 1)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(colour) + len(and_bits), 0, 0, 0, 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in (palette or []))
    return header + table + colour + and_bits


def ico_file(images):
    """An .ico of (size, bits, image bytes) entries, in the given order."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for size, bits, blob in images:
        colours = 16 if bits == 4 else 0
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                                 len(blob), offset + len(data))
        data += blob
    return directory + data


def read_ico(data):
    """Decodes an .ico back into (size, bits, RGBA rows) with the mask applied."""
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    assert kind == 1
    result = []
    for i in range(count):
        width, _, _, _, _, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        size = width or 256
        header = struct.unpack_from("<IiiHHIIiiII", data, offset)
        assert header[1] == size and header[2] == 2 * size and header[4] == bits
        at = offset + 40
        palette = []
        if bits <= 8:
            for k in range(1 << bits):
                b, g, r, _ = data[at + 4 * k:at + 4 * k + 4]
                palette.append((r, g, b))
            at += 4 * (1 << bits)
        stride = ((size * bits + 31) // 32) * 4
        mask_stride = ((size + 31) // 32) * 4
        mask_at = at + stride * size
        assert mask_at + mask_stride * size == offset + length
        rows = []
        for y in range(size):
            src = at + stride * (size - 1 - y)
            msrc = mask_at + mask_stride * (size - 1 - y)
            row = []
            for x in range(size):
                transparent = (data[msrc + x // 8] >> (7 - x % 8)) & 1
                if bits == 32:
                    b, g, r, a = data[src + 4 * x:src + 4 * x + 4]
                    row.append((r, g, b, a))
                    continue
                per_byte = 8 // bits
                byte = data[src + x // per_byte]
                index = (byte >> (8 - bits * (x % per_byte + 1))) & ((1 << bits) - 1)
                row.append((0, 0, 0, 0) if transparent else palette[index] + (255,))
            rows.append(row)
        result.append((size, bits, rows))
    return result


# ---------------------------------------------------------------------------------------------
# Bitmaps and PNG


def bmp32_file(image):
    """A 32-bit bottom-up BMP whose fourth byte is straight (not premultiplied) alpha."""
    height, width = len(image), len(image[0])
    bits = _pack_rows(image, 32)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, len(bits), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    return header + info + bits


def png_file(image):
    height, width = len(image), len(image[0])
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in image)

    def chunk(kind, payload):
        return (struct.pack(">I", len(payload)) + kind + payload
                + struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
