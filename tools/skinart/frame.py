"""The window frame: one virtual window is painted, and the four border strips are cut out of it, so
that corners, caption and edges meet without a seam whatever size the engine stretches them to."""

from canvas import MAGENTA, Canvas, in_round_rect, mix

MIDDLE = 24  # stretchable middle of the virtual window, both ways


def _window(t, active):
    cap, side, bottom, r = t["cap"], t["side"], t["bottom"], t["radius"]
    w = side + MIDDLE + side
    h = cap + MIDDLE + bottom
    p = "" if active else "in_"
    top, low, shine = t[p + "cap_top"], t[p + "cap_bottom"], t[p + "cap_shine"]
    frame, outline, inner = t[p + "frame"], t[p + "outline"], t[p + "inner"]

    def caption(y):
        return mix(top, low, (y - 1) / max(1, cap - 2))

    cv = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            # Only the top corners are rounded; the bottom ones stay square.
            if y < r and not in_round_rect(x, y, w, h + 2 * r, r):
                continue
            cv.set(x, y, caption(y) if y < cap else frame)
    # Shine just below the outline gives the caption a lit top edge.
    for x in range(w):
        if cv.get(x, 1) != MAGENTA:
            cv.set(x, 1, shine)
    # Inner line around the client area.
    cv.vline(side - 1, cap - 1, h - bottom + 1, inner)
    cv.vline(w - side, cap - 1, h - bottom + 1, inner)
    cv.hline(side - 1, w - side + 1, cap - 1, inner)
    cv.hline(side - 1, w - side + 1, h - bottom, inner)
    cv.rect(side, cap, w - side, h - bottom, MAGENTA)  # client: not part of any strip
    # Outline: every frame pixel that touches the outside.
    outer = [(x, y) for y in range(h) for x in range(w)
             if cv.get(x, y) != MAGENTA and not (side <= x < w - side and cap <= y < h - bottom)
             and any(not (0 <= nx < w and 0 <= ny < h) or
                     (cv.get(nx, ny) == MAGENTA and not (side <= nx < w - side and cap <= ny < h - bottom))
                     for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))]
    cv.points(outer, outline)
    return cv


def _stack(frames):
    """Frames one above the other (top and bottom borders, title background)."""
    out = Canvas(frames[0].width, frames[0].height * len(frames))
    for i, f in enumerate(frames):
        out.paste(f, 0, i * f.height)
    return out


def _side_by_side(frames):
    out = Canvas(frames[0].width * len(frames), frames[0].height)
    for i, f in enumerate(frames):
        out.paste(f, i * f.width, 0)
    return out


def borders(t):
    """Returns the Left, Right, Top and Bottom strips (active frame first) and their margins."""
    cap, side, bottom, r = t["cap"], t["side"], t["bottom"], t["radius"]
    wins = [_window(t, True), _window(t, False)]
    w, h = wins[0].width, wins[0].height
    left = _side_by_side([v.crop(0, 0, side, h) for v in wins])
    right = _side_by_side([v.crop(w - side, 0, w, h) for v in wins])
    top = _stack([v.crop(side, 0, w - side, cap) for v in wins])
    bot = _stack([v.crop(side, h - bottom, w - side, h) for v in wins])
    corner = max(r - side + 1, 2)  # the part of the rounded corner that reaches into the top strip
    margins = {
        "Left": (cap, bottom), "Right": (cap, bottom),  # TopHeight, BotHeight of the side strips
        "Top": (corner, corner), "Bottom": (1, 1),      # left and right widths of the top/bottom strips
    }
    return {"Left": left, "Right": right, "Top": top, "Bottom": bot}, margins


def text_back(t):
    """Title text background: a soft lighter capsule behind the title on the active caption, nothing on
    the inactive one. Its ends are blended against the caption gradient it sits on."""
    cap = t["cap"]
    end = 8
    w = 2 * end + 8
    frames = []
    for active in (True, False):
        cv = Canvas(w, cap)
        if active and t["text_back_alpha"] > 0:
            top, low = t["cap_top"], t["cap_bottom"]
            y0, y1 = 5, cap - 5
            rad = (y1 - y0) / 2.0
            for y in range(y0, y1):
                under = mix(top, low, (y - 1) / max(1, cap - 2))
                lit = mix(under, t["text_back"], t["text_back_alpha"])
                cy = y0 + rad
                for x in range(w):
                    # Coverage of the capsule: a disc swept along its horizontal spine.
                    a = 0
                    for sy in range(4):
                        for sx in range(4):
                            px = x + (sx + 0.5) / 4
                            py = y + (sy + 0.5) / 4
                            qx = min(max(px, end), w - end)
                            a += (px - qx) ** 2 + (py - cy) ** 2 <= rad * rad
                    a /= 16
                    if a > 0.1:
                        cv.set(x, y, mix(under, lit, a))
        frames.append(cv)
    if t["text_back_alpha"] == 0:
        # Dark skin: an amber underline under the active title instead of a capsule.
        cv = frames[0]
        cv.hline(3, w - 3, cap - 3, t["accent"])
        cv.hline(3, w - 3, cap - 2, t["accent_pressed"])
    return _stack(frames), end
