"""The program's pictures, drawn for any size from a design on a 48-unit square.

Each picture is a function of the image size that returns the layers to paint, bottom first.
Edges that matter are snapped to whole pixels and strokes are at least one pixel wide, so
that the 16 and 24 pixel images stay crisp.
"""

import math

from raster import arc, circle, gradient, line, pixels, polygon, radial, rect, solid, tinted

BLACK, MAROON, GREEN, OLIVE = (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0)
NAVY, TEAL, SILVER, GREY = (0, 0, 128), (0, 128, 128), (192, 192, 192), (128, 128, 128)
RED, YELLOW, BLUE, AQUA, WHITE = (255, 0, 0), (255, 255, 0), (0, 0, 255), (0, 255, 255), (
    255, 255, 255)


# Glyphs drawn on the pixel grid for the 16-pixel images, where a scaled outline would blur.
QUESTION_16 = [
    ".####.",
    "##..##",
    "....##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
    "..##..",
]
POWER_16 = [
    "....##....",
    "..#.##.#..",
    ".##.##.##.",
    "##..##..##",
    "##......##",
    "##......##",
    ".##....##.",
    "..######..",
    "...####...",
]
# The computer with the warning triangle: k outline, g bezel and stand, s screen, S its glare,
# G tower, d drive bays, y triangle, M exclamation mark.
MAIN_16 = [
    "................",
    "kkkkkkkkkkkk....",
    "kggggggggggkkkkk",
    "kgSSSSSsssgkGGGk",
    "kgSsssssssgkdddk",
    "kgSsssssskkkGGGk",
    "kgsssssskyykdddk",
    "kgsssssskyykGGGk",
    "kgssssskyMMykGGk",
    "kggggggkyMMykGGk",
    "kkkkkkkyyMMyykGk",
    "....kgkyyMMyykGk",
    "..kggkyyyyyyyykk",
    "..kkkkyyyMMyyykk",
    "....kyyyyyyyyyyk",
    "....kkkkkkkkkkkk",
]
# The sheet, check mark and pen: b frame, w paper, l text, y check, o its shadow, n pen outline,
# p pen, t wood, k lead.
OPTIONS_16 = [
    "...............n",
    ".bbbbbbbbbbb..np",
    ".bwwwwwwwwwb.npp",
    ".bwlllllllwbnppn",
    ".bwwwwwwwwwnppn.",
    ".bwllllllwnppn..",
    ".bwwwwwwwnppn...",
    ".bwllllwnttn....",
    ".bwwwwwntnwb....",
    ".bwwwwwykwwb....",
    ".bwwwwyyowwb....",
    ".byywyyowwwb....",
    ".boyyyowwwwb....",
    ".bwoyowwwwwb....",
    ".bbbbbbbbbbb....",
    "................",
]


class Grid:
    """Design units (48 to the side) mapped to the pixels of one image size."""

    def __init__(self, size):
        self.size = size
        self.k = size / 48.0

    def __call__(self, v):  # a position, not snapped
        return v * self.k

    def snap(self, v):  # an edge on a pixel boundary
        return math.floor(v * self.k + 0.5)

    def width(self, v, minimum=1):  # a stroke width in whole pixels
        return max(minimum, math.floor(v * self.k + 0.5))

    def centre(self, v, width):
        """A centre line for a stroke of `width` whole pixels: on a pixel centre when the width
        is odd, on a pixel boundary when it is even."""
        return math.floor(v * self.k) + 0.5 if width % 2 else float(self.snap(v))


def outlined(shape, border, fill, width):
    """The shape in the border colour with the fill `width` pixels inside."""
    return [(shape, border), (shape.grown(-width), fill)]


# ---------------------------------------------------------------------------------------------


def computer_with_warning_16():
    paints = {
        "k": solid((44, 44, 44), BLACK),
        "g": solid((214, 214, 214), SILVER),
        "s": gradient(2, 3, (170, 214, 250), 9, 9, (100, 170, 234), AQUA),
        "S": solid((222, 242, 255), WHITE),
        "G": gradient(12, 0, (226, 226, 226), 15, 0, (170, 170, 170), SILVER),
        "d": solid((96, 96, 96), GREY),
        "y": gradient(0, 5, (255, 232, 96), 0, 15, (246, 192, 0), YELLOW),
        "M": solid((0, 0, 0), BLACK),
    }
    return [(pixels(0, 0, MAIN_16, key), paint) for key, paint in paints.items()]


def computer_with_warning(size):
    if size <= 16:
        return computer_with_warning_16()
    g = Grid(size)
    bw = g.width(1.5)
    layers = []

    # The tower, behind the monitor on the right.
    tower = rect(g.snap(30), g.snap(8), g.snap(46), g.snap(43), radius=g(1.5))
    layers += outlined(tower, solid((64, 64, 64), BLACK),
                       gradient(g(30), 0, (236, 236, 236), g(46), 0, (168, 168, 168), SILVER), bw)
    if size >= 24:
        for top in (12, 17):
            bay = rect(g.snap(36), g.snap(top), g.snap(43), g.snap(top) + g.width(2))
            layers.append((bay, solid((90, 90, 90), GREY)))
    if size >= 32:
        layers.append((circle(g(40), g(38.5), g(1.4)), solid((40, 200, 60), (0, 255, 0))))

    # The monitor with its light blue screen, and its stand.
    left, top, right, bottom = g.snap(1), g.snap(3), g.snap(34), g.snap(30)
    neck = rect(g.snap(14), bottom - 1, g.snap(21), g.snap(34))
    base = rect(g.snap(8), g.snap(34), g.snap(27), g.snap(34) + g.width(3.5, 2), radius=g(1))
    grey = gradient(0, g(30), (222, 222, 222), 0, g(38), (150, 150, 150), SILVER)
    layers += outlined(neck, solid((64, 64, 64), BLACK), grey, bw)
    layers += outlined(base, solid((64, 64, 64), BLACK), grey, bw)
    monitor = rect(left, top, right, bottom, radius=g(2.5))
    layers += outlined(monitor, solid((56, 56, 56), BLACK),
                       gradient(0, top, (240, 240, 240), 0, bottom, (176, 176, 176), SILVER), bw)
    bezel = bw + g.width(2.5)
    screen = rect(left + bezel, top + bezel, right - bezel, bottom - bezel - (1 if size >= 24 else 0))
    screen_blue = gradient(left, top, (204, 236, 255), right, bottom, (104, 176, 236), AQUA)
    if size >= 32:
        layers += outlined(screen, solid((46, 84, 130), NAVY), screen_blue, 1)
        glare = polygon([(left + bezel + 1, top + bezel + 1), (g(18), top + bezel + 1),
                         (left + bezel + 1, g(19))])
        layers.append((glare, tinted((255, 255, 255, 90))))
    else:
        layers.append((screen, screen_blue))

    # The warning triangle in front, yellow with a black exclamation mark.
    mark = g.width(3.5)
    cx = g.centre(29.5, mark)
    apex, foot = g(17.5), min(size, g.snap(47))
    half = (foot - apex) / math.sqrt(3) * 1.08
    triangle = polygon([(cx, apex), (cx + half, foot), (cx - half, foot)])
    rounding = g(1.2)
    layers += outlined(triangle.grown(-rounding).grown(rounding), solid((40, 30, 0), BLACK),
                       gradient(0, apex, (255, 236, 110), 0, foot, (246, 190, 0), YELLOW), bw)
    dot = g.width(3.6)
    dot_top = foot - bw - g.width(2, 1) - dot
    round_ends = size >= 32  # smaller marks stay on whole pixels
    bar = rect(cx - mark / 2, math.floor(apex + bw + g(8.5)), cx + mark / 2,
               dot_top - g.width(2.2, 1), radius=mark / 2 if round_ends else 0)
    layers.append((bar, solid((0, 0, 0), BLACK)))
    layers.append((rect(cx - dot / 2, dot_top, cx + dot / 2, dot_top + dot,
                        radius=dot / 2 if round_ends else 0), solid((0, 0, 0), BLACK)))
    return layers


def sheet_check_pen_16():
    paints = {
        "b": gradient(0, 1, (52, 116, 222), 0, 15, (24, 70, 170), BLUE),
        "w": solid((255, 255, 255), WHITE),
        "l": solid((150, 170, 205), SILVER),
        "y": solid((255, 214, 0), YELLOW),
        "o": solid((196, 140, 0), OLIVE),
        "n": solid((16, 44, 110), NAVY),
        "p": solid((64, 128, 236), BLUE),
        "t": solid((246, 214, 160), YELLOW),
        "k": solid((30, 30, 30), BLACK),
    }
    return [(pixels(0, 0, OPTIONS_16, key), paint) for key, paint in paints.items()]


def sheet_check_pen(size):
    if size <= 16:
        return sheet_check_pen_16()
    g = Grid(size)
    frame = g.width(2.5)
    layers = []

    # The sheet in its blue frame, with lines of text.
    left, top, right, bottom = g.snap(6), g.snap(3), g.snap(36), g.snap(45)
    sheet = rect(left, top, right, bottom, radius=g(1))
    layers += outlined(sheet, gradient(0, top, (52, 116, 222), 0, bottom, (24, 70, 170), BLUE),
                       gradient(0, top, (255, 255, 255), 0, bottom, (228, 236, 248), WHITE), frame)
    text = g.width(1.5)
    for row in (9, 14, 19):
        y = g.snap(row)
        layers.append((rect(left + frame + g.width(4), y, g.snap(30), y + text),
                       solid((150, 170, 205), SILVER)))

    # The yellow check mark.
    stroke = g(5.5)
    points = [(g(11.5), g(28)), (g(17.5), g(35)), (g(29), g(20))]
    layers.append((line(points, stroke + 2 * g.width(1.2)), solid((120, 84, 0), OLIVE)))
    layers.append((line(points, stroke),
                   gradient(0, g(20), (255, 232, 60), 0, g(36), (240, 180, 0), YELLOW)))

    # The blue pen, lying across the sheet's right edge, its point towards the lower left.
    back, point = (g(45.5), g(6)), (g(27), g(37.5))
    dx, dy = point[0] - back[0], point[1] - back[1]
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy, ux
    half = g(3.6)
    cone = g(9)
    neck = (point[0] - ux * cone, point[1] - uy * cone)
    border = g.width(1.2)
    body = line([back, neck], 2 * half)
    layers += outlined(body.grown(border), solid((16, 44, 110), NAVY),
                       gradient(back[0] + nx * half, back[1] + ny * half, (110, 170, 255),
                                back[0] - nx * half, back[1] - ny * half, (20, 80, 200), BLUE),
                       border)
    wood = polygon([(neck[0] + nx * half, neck[1] + ny * half), point,
                    (neck[0] - nx * half, neck[1] - ny * half)])
    wood_colour = solid((246, 214, 160), YELLOW)
    if size >= 32:
        layers += outlined(wood.grown(border * 0.8), solid((100, 70, 30), BLACK), wood_colour,
                           border)
    else:  # an outline would leave no wood to see
        layers.append((wood, wood_colour))
    lead = 0.35
    tip = polygon([(point[0] - ux * cone * lead + nx * half * lead,
                    point[1] - uy * cone * lead + ny * half * lead), point,
                   (point[0] - ux * cone * lead - nx * half * lead,
                    point[1] - uy * cone * lead - ny * half * lead)])
    layers.append((tip.grown(0.3), solid((30, 30, 30), BLACK)))
    return layers


def magnifier(size):
    g = Grid(size)
    bw = g.width(1.5)
    layers = []
    cx, cy, r = g(19), g(19), g(16.5)

    # The orange handle, then the short metal neck that joins it to the rim.
    handle_width = max(3.0, g(9))
    handle = line([(g(33), g(33)), (g(43.5), g(43.5))], handle_width)
    layers += outlined(handle.grown(bw * 0.5), solid((110, 44, 0), MAROON),
                       gradient(g(36), g(32), (255, 176, 64), g(32), g(38), (226, 98, 0),
                                ((255, 0, 0), (255, 255, 0))), bw)
    neck = line([(cx + r * 0.62, cy + r * 0.62), (g(33.5), g(33.5))], max(2.0, g(6)))
    layers += outlined(neck, solid((56, 60, 70), BLACK), solid((160, 166, 176), GREY), bw)

    # The rim and the glass, with a glint on the glass.
    rim = max(2 * bw, g.width(5))
    layers += outlined(circle(cx, cy, r), solid((52, 58, 70), BLACK),
                       gradient(cx - r, cy - r, (236, 240, 246), cx + r, cy + r, (120, 128, 144),
                                SILVER), bw)
    glass = circle(cx, cy, r - rim)
    layers.append((glass.grown(0.6 if size >= 32 else 0), solid((70, 80, 96), GREY)))
    layers.append((glass, radial(cx - r * 0.3, cy - r * 0.3, r, (232, 246, 255, 235),
                                 (150, 200, 240, 235), AQUA)))
    if size >= 24:
        layers.append((arc(cx, cy, (r - rim) * 0.62, max(1.2, g(3)), 195, 255),
                       tinted((255, 255, 255, 230), WHITE)))
    return layers


def question_button(size, inset=1.5):
    g = Grid(size)
    bw = g.width(1.5)
    layers = []
    c, r = size / 2, size / 2 - g(inset)
    disc = circle(c, c, r)
    layers += outlined(disc, solid((8, 42, 120), NAVY),
                       radial(c - r * 0.4, c - r * 0.5, r * 1.6, (120, 186, 255), (8, 72, 196),
                              BLUE), bw)
    if size >= 24:
        gloss = circle(c, c - r * 0.55, r * 0.72).within(disc.grown(-bw - g(1.5)))
        layers.append((gloss, tinted((255, 255, 255, 56))))

    white = solid((255, 255, 255), WHITE)
    if size <= 16:
        return layers + [(pixels(5, 3, QUESTION_16), white)]
    stroke = g(5.4)
    bowl = arc(c, g(18.5), g(7.2), stroke, 180, 38)
    end = (c + g(7.2) * math.cos(math.radians(38)), g(18.5) + g(7.2) * math.sin(math.radians(38)))
    stem = line([end, (c, g(26.5)), (c, g(29))], stroke)
    layers += [(bowl, white), (stem, white), (circle(c, g(36), g(3.3)), white)]
    return layers


def power_button(size, colours=((255, 124, 74), (214, 52, 12)), radius=9.0):
    g = Grid(size)
    bw = g.width(1.5)
    layers = []
    square = rect(g.snap(2), g.snap(2), size - g.snap(2), size - g.snap(2), radius=g(radius))
    layers += outlined(square, solid((130, 26, 0), MAROON),
                       gradient(0, 0, colours[0], 0, size, colours[1], RED), bw)
    if size >= 24:
        gloss = rect(0, 0, size, size * 0.45).within(square.grown(-bw - g(1)))
        layers.append((gloss, tinted((255, 255, 255, 48))))
    white = solid((255, 255, 255), WHITE)
    if size <= 16:
        return layers + [(pixels(3, 3, POWER_16), white)]
    stroke = max(1.4, g(4.6))
    cx = g.centre(24, max(1, round(stroke)))
    layers.append((arc(cx, g(26), g(11.5), stroke, 270 + 40, 270 - 40), white))
    layers.append((line([(cx, g(10.5)), (cx, g(25))], stroke), white))
    return layers


ICONS = {
    "main": computer_with_warning,
    "options": sheet_check_pen,
    "about": magnifier,
    "help": question_button,
    "exit": power_button,
}

# The menu images, in the order of the image list: Options, Exit, About, Help.
MENU_IMAGES = [
    sheet_check_pen,
    lambda size: power_button(size, colours=((236, 40, 32), (176, 8, 8)), radius=4.0),
    magnifier,
    lambda size: question_button(size, inset=0.5),
]
