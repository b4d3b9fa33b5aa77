"""A tiny vector rasteriser: shapes as signed distance functions, painted in order and
supersampled, so that small icons get clean antialiased edges.

Coordinates are pixels of the target image: pixel (0, 0) covers the square [0, 1) x [0, 1).
A distance is negative inside a shape. Colours are (r, g, b) or (r, g, b, a) in 0..255.
"""

import math

# ---------------------------------------------------------------------------------------------
# Shapes: each is a function (x, y) -> signed distance, with a bounding box to skip pixels fast.


class Shape:
    def __init__(self, distance, box):
        self.distance = distance
        self.box = box  # (left, top, right, bottom) in pixels, inclusive of the shape

    def grown(self, amount):
        """The shape made `amount` pixels fatter (negative: thinner)."""
        d = self.distance
        l, t, r, b = self.box
        return Shape(lambda x, y: d(x, y) - amount, (l - amount, t - amount, r + amount, b + amount))

    def minus(self, other):
        d, e = self.distance, other.distance
        return Shape(lambda x, y: max(d(x, y), -e(x, y)), self.box)

    def union(self, other):
        d, e = self.distance, other.distance
        box = tuple(min(a, b) for a, b in zip(self.box[:2], other.box[:2])) + tuple(
            max(a, b) for a, b in zip(self.box[2:], other.box[2:]))
        return Shape(lambda x, y: min(d(x, y), e(x, y)), box)

    def within(self, other):
        d, e = self.distance, other.distance
        return Shape(lambda x, y: max(d(x, y), e(x, y)), self.box)


def rect(left, top, right, bottom, radius=0.0):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def distance(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius

    return Shape(distance, (left, top, right, bottom))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def _segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def line(points, width):
    """A polyline stroked with round caps and joins."""
    half = width / 2
    pairs = list(zip(points, points[1:])) or [(points[0], points[0])]

    def distance(x, y):
        return min(_segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in pairs) - half

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(distance, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half))


def polygon(points):
    """A simple polygon, filled by the even-odd rule."""
    edges = list(zip(points, points[1:] + points[:1]))

    def distance(x, y):
        nearest = min(_segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in edges)
        inside = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -nearest if inside else nearest

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(distance, (min(xs), min(ys), max(xs), max(ys)))


def arc(cx, cy, r, width, start, end):
    """A stroke along a circle from angle `start` to `end` (degrees, clockwise on the screen,
    0 = right, 90 = down), with round caps."""
    half = width / 2
    a0, a1 = math.radians(start), math.radians(end)
    span = (a1 - a0) % (2 * math.pi)
    ends = [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in (a0, a1)]

    def distance(x, y):
        angle = (math.atan2(y - cy, x - cx) - a0) % (2 * math.pi)
        if angle <= span:
            return abs(math.hypot(x - cx, y - cy) - r) - half
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - half

    o = r + half
    return Shape(distance, (cx - o, cy - o, cx + o, cy + o))


def pixels(left, top, rows, mark="#"):
    """The pixels marked in `rows` (strings, one a row), placed at (left, top): for pictures
    drawn on the pixel grid. Only the sign of its distance means anything."""
    cells = {(left + x, top + y) for y, row in enumerate(rows) for x, c in enumerate(row)
             if c == mark}
    xs = [x for x, _ in cells] or [left]
    ys = [y for _, y in cells] or [top]
    return Shape(lambda x, y: -1.0 if (math.floor(x), math.floor(y)) in cells else 1.0,
                 (min(xs), min(ys), max(xs) + 1, max(ys) + 1))


# ---------------------------------------------------------------------------------------------
# Paints: a colour for a point, and the colour (or two, as a 50 % checker) that the 16-colour
# image uses instead.


class Paint:
    def __init__(self, colour_at, vga):
        self.colour_at = colour_at
        self.vga = vga if isinstance(vga, tuple) and isinstance(vga[0], tuple) else (vga, vga)


def _rgba(c):
    return tuple(c) if len(c) == 4 else tuple(c) + (255,)


def solid(colour, vga):
    c = _rgba(colour)
    return Paint(lambda x, y: c, vga)


def gradient(x0, y0, c0, x1, y1, c1, vga):
    """A linear gradient from c0 at (x0, y0) to c1 at (x1, y1)."""
    c0, c1 = _rgba(c0), _rgba(c1)
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1.0

    def colour_at(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return tuple(a + (b - a) * t for a, b in zip(c0, c1))

    return Paint(colour_at, vga)


def radial(cx, cy, r, c0, c1, vga):
    c0, c1 = _rgba(c0), _rgba(c1)

    def colour_at(x, y):
        t = min(1.0, math.hypot(x - cx, y - cy) / r)
        return tuple(a + (b - a) * t for a, b in zip(c0, c1))

    return Paint(colour_at, vga)


def tinted(colour, vga=None):
    """A translucent colour: a highlight or a shade; absent from the 16-colour image unless
    `vga` names a colour for it."""
    c = _rgba(colour)
    return Paint(lambda x, y: c, vga)


# ---------------------------------------------------------------------------------------------
# Rendering


def render(size, layers, samples, palette_mode=False):
    """Paints (shape, paint) layers in order onto a transparent size x size image. Returns rows
    of (r, g, b, a) in 0..255, straight alpha.

    In palette mode every paint uses its 16-colour stand-in (a checker where it has two), and
    translucent paints without one are left out; each pixel takes the colour that covers most
    of it, so that edges stay crisp instead of mixing into colours the palette lacks."""
    if palette_mode:
        layers = [(s, p) for s, p in layers if p.vga[0] is not None]
    offsets = [(i + 0.5) / samples for i in range(samples)]
    count = samples * samples
    image = []
    for py in range(size):
        row = []
        for px in range(size):
            active = [(s.distance, p) for s, p in layers
                      if s.box[0] <= px + 1 and s.box[2] >= px and s.box[1] <= py + 1
                      and s.box[3] >= py]
            if palette_mode:
                row.append(_majority(px, py, active, offsets))
                continue
            acc = [0.0, 0.0, 0.0, 0.0]
            for oy in offsets:
                y = py + oy
                for ox in offsets:
                    x = px + ox
                    r = g = b = a = 0.0  # premultiplied
                    for distance, paint in active:
                        if distance(x, y) > 0:
                            continue
                        c = paint.colour_at(x, y)
                        sa = c[3] / 255.0
                        r = c[0] * sa + r * (1 - sa)
                        g = c[1] * sa + g * (1 - sa)
                        b = c[2] * sa + b * (1 - sa)
                        a = sa + a * (1 - sa)
                    acc[0] += r
                    acc[1] += g
                    acc[2] += b
                    acc[3] += a
            alpha = acc[3] / count
            if alpha <= 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(min(255, round(v / acc[3])) for v in acc[:3])
                           + (round(alpha * 255),))
        image.append(row)
    return image


def _majority(px, py, active, offsets):
    votes = {}
    checker = (px + py) % 2
    for oy in offsets:
        for ox in offsets:
            colour = None
            for distance, paint in active:
                if distance(px + ox, py + oy) <= 0:
                    colour = paint.vga[checker]
            votes[colour] = votes.get(colour, 0) + 1
    # A tie goes to the colour met first.
    winner = max(votes, key=votes.get)
    return (0, 0, 0, 0) if winner is None else winner + (255,)
