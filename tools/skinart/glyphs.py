"""Pixel glyphs for caption buttons, arrows and marks, as lists of (x, y) on a small grid."""


def cross(n):
    """An X of n x n pixels, one pixel wide, doubled along the diagonal so that it reads at 96 DPI."""
    pts = set()
    for i in range(n):
        pts |= {(i, i), (n - 1 - i, i)}
    return sorted(pts)


def square(n, thick_top=2):
    pts = set()
    for i in range(n):
        pts |= {(i, 0), (i, n - 1), (0, i), (n - 1, i)}
    for k in range(1, thick_top):
        pts |= {(i, k) for i in range(n)}
    return sorted(pts)


def restore(n):
    """Two overlapping windows: the front one (n-2 square) at the bottom left, the back one peeking
    out above and to the right of it."""
    m = n - 2
    front = {(x, y + 2) for x, y in square(m, 1)}
    back = {(x, 0) for x in range(2, n)} | {(n - 1, y) for y in range(0, m)}
    back |= {(2, 1), (m, m - 1), (m + 1, m - 1)}
    return sorted(front | back)


def dash(n):
    return [(i, 0) for i in range(n)]


def question():
    rows = [
        " ### ",
        "#   #",
        "    #",
        "   # ",
        "  #  ",
        "  #  ",
        "     ",
        "  #  ",
    ]
    return [(x, y) for y, row in enumerate(rows) for x, ch in enumerate(row) if ch == "#"]


def triangle(direction, base):
    """A filled arrow head pointing in the given direction ('up', 'down', 'left', 'right');
    base is its long side (odd), its depth (base + 1) / 2."""
    depth = (base + 1) // 2
    pts = []
    for d in range(depth):
        half = depth - 1 - d
        for k in range(-half, half + 1):
            c = depth - 1 + k
            if direction == "down":
                pts.append((c, d))
            elif direction == "up":
                pts.append((c, depth - 1 - d))
            elif direction == "right":
                pts.append((d, c))
            else:
                pts.append((depth - 1 - d, c))
    return pts


def chevron(direction, size):
    """An open arrow two pixels thick; size is the width of a down chevron."""
    half = size // 2
    pts = set()
    for i in range(half + 1):
        for t in (0, 1):
            pts |= {(i, i + t), (size - 1 - i, i + t)}
    if direction == "down":
        return sorted(pts)
    if direction == "up":
        return sorted((x, half + 1 - y) for x, y in pts)
    if direction == "right":
        return sorted((y, x) for x, y in pts)
    return sorted((half + 1 - y, x) for x, y in pts)


def check_mark():
    return [(3, 6), (3, 7), (4, 7), (4, 8), (5, 8), (5, 9), (6, 7), (6, 8), (7, 6), (7, 7), (8, 5), (8, 6),
            (9, 4), (9, 5)]


def bbox(pts):
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return max(xs) + 1, max(ys) + 1


def centred(pts, w, h, dx=0, dy=0):
    gw, gh = bbox(pts)
    ox = (w - gw) // 2 + dx
    oy = (h - gh) // 2 + dy
    return [(x + ox, y + oy) for x, y in pts]
