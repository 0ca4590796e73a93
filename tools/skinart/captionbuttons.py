"""Caption buttons (close, maximise, restore, minimise, help), the icon placeholder and the three
MDI child buttons of the menu band. Strip frames: 1 normal, 2 pressed, 3 hot, 4 disabled/inactive."""

import glyphs
from canvas import Canvas, round_box


def _strip(w, h, count):
    return Canvas(w * count, h)


def _glyph_for(kind, size):
    if kind == "close":
        return glyphs.cross(size)
    if kind == "max":
        return glyphs.square(size)
    if kind == "restore":
        return glyphs.restore(size)
    if kind == "min":
        return glyphs.dash(size)
    return glyphs.question()


def caption_button(t, kind):
    w, h = t["button_w"], t["button_h"]
    cv = _strip(w, h, 4)
    glyph = _glyph_for(kind, 10)
    hot = t["close_hot"] if kind == "close" else t["btn_hot"]
    pressed = t["close_pressed"] if kind == "close" else t["btn_pressed"]
    for i, (bg, colour) in enumerate([(None, t["glyph"]), (pressed, t["glyph"]), (hot, t["glyph"]),
                                      (None, t["glyph_inactive"])]):
        if bg is not None:
            round_box(cv, i * w, 0, w, h, 4, bg)
        # The minimise bar sits low, like a window dropped to the task bar.
        dy = 4 if kind == "min" else 0
        dx = 1 if kind == "min" else 0
        cv.points(glyphs.centred(glyph, w, h, dx, dy), colour, i * w, 0)
    return cv


def icon_placeholder():
    """Sizes the icon button (16 x 16); the engine draws the window's own icon there."""
    return Canvas(16, 16)


def mdi_buttons(t):
    """Twelve 16 x 14 frames: minimise, restore, close for a maximised MDI child, four states each,
    drawn on the menu band's colour."""
    w, h = 16, 14
    cv = Canvas(w * 12, h)
    kinds = [("min", glyphs.dash(8)), ("restore", glyphs.restore(8)), ("close", glyphs.cross(8))]
    states = [(None, t["menubar_text"]), (t["select"], t["menubar_text"]), (t["hot"], t["menubar_text"]),
              (None, t["text_disabled"])]
    for k, (kind, glyph) in enumerate(kinds):
        for s, (bg, colour) in enumerate(states):
            x0 = (k * 4 + s) * w
            if bg is not None:
                bg_colour = t["close_hot"] if kind == "close" and s == 2 else bg
                round_box(cv, x0, 0, w, h, 3, bg_colour)
                if kind == "close" and s == 2:
                    colour = (255, 255, 255)
            dy = 3 if kind == "min" else 0
            cv.points(glyphs.centred(glyph, w, h, 0, dy), colour, x0, 0)
    return cv
