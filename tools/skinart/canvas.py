"""A small RGB raster with the few shapes skin artwork needs, all drawn on whole pixels."""

MAGENTA = (255, 0, 255)


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1), rounded per channel."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


class Canvas:
    def __init__(self, width, height, fill=MAGENTA):
        self.width = width
        self.height = height
        self.px = [[fill] * width for _ in range(height)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills [x0, x1) x [y0, y1); colour may be a function of y for vertical gradients."""
        for y in range(max(y0, 0), min(y1, self.height)):
            c = colour(y) if callable(colour) else colour
            for x in range(max(x0, 0), min(x1, self.width)):
                self.px[y][x] = c

    def hline(self, x0, x1, y, colour):
        self.rect(x0, y, x1, y + 1, colour)

    def vline(self, x, y0, y1, colour):
        self.rect(x, y0, x + 1, y1, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.hline(x0, x1, y0, colour)
        self.hline(x0, x1, y1 - 1, colour)
        self.vline(x0, y0, y1, colour)
        self.vline(x1 - 1, y0, y1, colour)

    def points(self, pts, colour, dx=0, dy=0):
        for x, y in pts:
            self.set(x + dx, y + dy, colour)

    def paste(self, other, dx, dy):
        for y in range(other.height):
            for x in range(other.width):
                self.set(dx + x, dy + y, other.get(x, y))

    def crop(self, x0, y0, x1, y1):
        out = Canvas(x1 - x0, y1 - y0)
        for y in range(y0, y1):
            for x in range(x0, x1):
                out.px[y - y0][x - x0] = self.px[y][x]
        return out

    def replace(self, old, new):
        for row in self.px:
            for i, c in enumerate(row):
                if c == old:
                    row[i] = new


def in_round_rect(x, y, w, h, r):
    """Whether the centre of pixel (x, y) lies inside a w x h rectangle with corner radius r."""
    px, py = x + 0.5, y + 0.5
    cx = r if px < r else (w - r if px > w - r else px)
    cy = r if py < r else (h - r if py > h - r else py)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r + 0.01


def round_box(cv, x0, y0, w, h, r, fill, border=None):
    """A rounded rectangle; border pixels are the inside pixels that touch the outside (crisp, 1 px)."""
    for y in range(h):
        for x in range(w):
            if not in_round_rect(x, y, w, h, r):
                continue
            edge = any(not (0 <= nx < w and 0 <= ny < h) or not in_round_rect(nx, ny, w, h, r)
                       for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
            if edge and border is not None:
                c = border
            else:
                c = fill(y0 + y) if callable(fill) else fill
            cv.set(x0 + x, y0 + y, c)


def disc_coverage(cx, cy, radius, x, y, n=4):
    """Share of pixel (x, y) inside the circle of the given centre and radius, sampled n x n."""
    inside = 0
    for sy in range(n):
        for sx in range(n):
            px = x + (sx + 0.5) / n
            py = y + (sy + 0.5) / n
            if (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius:
                inside += 1
    return inside / (n * n)


def disc(cv, cx, cy, radius, colour, under):
    """A smooth disc blended over a known background colour `under` (or over the canvas when None);
    pixels it barely touches keep what was there, so no half-blended key colour appears."""
    for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
        for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
            if not (0 <= x < cv.width and 0 <= y < cv.height):
                continue
            a = disc_coverage(cx, cy, radius, x, y)
            if a <= 0.1:
                continue
            base = cv.get(x, y)
            if base == MAGENTA:
                base = under
            cv.set(x, y, mix(base, colour, min(1.0, a)))
