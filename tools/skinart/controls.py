"""Control elements: push buttons, check and radio marks, tabs, scroll bars, menus, combo and spin
buttons, track and progress bars, header and status bar. Each function returns its strip."""

import glyphs
from canvas import MAGENTA, Canvas, disc, mix, round_box


def _grad(top, bottom, y0, h):
    return lambda y: mix(top, bottom, (y - y0) / max(1, h - 1))


def push_button(t):
    """Five 40 x 24 frames: normal, pressed, disabled, hot, focused/default. Corners radius 3, magenta
    outside; the middle is a plain vertical gradient so that stretching leaves no trace."""
    w, h = 40, 24
    cv = Canvas(w * 5, h)
    looks = [
        (t["btn_top"], t["btn_bottom"], t["border"], t["btn_shine"]),
        (t["btn_pressed_top"], t["btn_pressed_bottom"], t["btn_pressed_border"], t["btn_pressed_shade"]),
        (t["btn_disabled"], t["btn_disabled"], t["btn_disabled_border"], None),
        (t["btn_hot_top"], t["btn_hot_bottom"], t["btn_hot_border"], t["btn_shine"]),
        (t["btn_top"], t["btn_bottom"], t["btn_focus_border"], t["btn_focus_inner"]),
    ]
    for i, (top, bottom, border, inner) in enumerate(looks):
        x0 = i * w
        round_box(cv, x0, 0, w, h, 3, _grad(top, bottom, 0, h), border)
        if inner is not None:
            # Pressed: a shade along the top; others: a light line inside the top edge (focus: a
            # second ring in the accent's light tone).
            cv.hline(x0 + 2, x0 + w - 2, 1, inner)
            if i == 4:
                cv.vline(x0 + 1, 2, h - 2, inner)
                cv.vline(x0 + w - 2, 2, h - 2, inner)
                cv.hline(x0 + 2, x0 + w - 2, h - 2, inner)
    return cv


def check_marks(t):
    """Twelve 13 x 13 frames: unchecked, checked and mixed, each normal, hot, pressed, disabled."""
    n = 13
    cv = Canvas(n * 12, n)
    for group in range(3):
        for state in range(4):
            x0 = (group * 4 + state) * n
            disabled = state == 3
            if group == 1:  # checked: filled accent box, light tick
                fill = [t["accent"], t["accent_hot"], t["accent_pressed"], t["border_light"]][state]
                border = [t["accent_border"], t["accent"], t["accent_border"], t["border_light"]][state]
                round_box(cv, x0, 0, n, n, 2.5, fill, border)
                cv.points(glyphs.check_mark(), t["check_mark"] if not disabled else t["btn_disabled"], x0, 0)
                continue
            fill = [t["check_field"], t["hot"], t["select"], t["btn_disabled"]][state]
            border = [t["shadow"], t["accent"], t["accent_border"], t["border_light"]][state]
            round_box(cv, x0, 0, n, n, 2.5, fill, border)
            if group == 2:  # mixed: an accent square inside
                inner = t["accent"] if not disabled else t["border_light"]
                cv.rect(x0 + 3, 3, x0 + 10, 10, inner)
    return cv


def radio_marks(t):
    """Eight 13 x 13 frames: unchecked normal, hot, pressed, disabled, then checked the same. Edges are
    smoothed against the face colour the control sits on."""
    n = 13
    cv = Canvas(n * 8, n)
    for checked in range(2):
        for state in range(4):
            x0 = (checked * 4 + state) * n
            c = x0 + n / 2.0
            if checked:
                ring = [t["accent_border"], t["accent"], t["accent_border"], t["border_light"]][state]
                fill = [t["accent"], t["accent_hot"], t["accent_pressed"], t["border_light"]][state]
                dot = t["check_mark"] if state != 3 else t["btn_disabled"]
            else:
                ring = [t["shadow"], t["accent"], t["accent_border"], t["border_light"]][state]
                fill = [t["check_field"], t["hot"], t["select"], t["btn_disabled"]][state]
                dot = None
            disc(cv, c, n / 2.0, 6.5, ring, t["face"])
            disc(cv, c, n / 2.0, 5.5, fill, t["face"])
            if dot is not None:
                disc(cv, c, n / 2.0, 2.2, dot, fill)
    return cv


def tabs(t):
    """Five 24 x 22 frames: normal, selected, disabled, hot, focused. Rounded top corners; the selected
    tab carries an accent bar on top and the face colour of the page below it."""
    w, h = 24, 22
    cv = Canvas(w * 5, h)
    looks = [(t["tab"], None), (t["face"], t["accent"]), (t["tab_disabled"], None), (t["tab_hot"], None),
             (t["face"], t["accent"])]
    for i, (fill, bar) in enumerate(looks):
        x0 = i * w
        round_box(cv, x0, 0, w, h + 4, 3, fill, t["tab_border"])
        if bar is not None:
            cv.hline(x0 + 2, x0 + w - 2, 1, bar)
            cv.hline(x0 + 1, x0 + w - 1, 2, bar)
    return cv


def tab_border(t):
    """The page frame under the tabs: one pixel border, face inside (margins 4, 5, 4, 4)."""
    cv = Canvas(12, 12, t["face"])
    cv.frame(0, 0, 12, 12, t["tab_border"])
    return cv


def tab_pane(t):
    """The same frame for tab controls that take their page frame from "Tab.Pane", with a soft second
    line at the bottom and right."""
    cv = Canvas(12, 12, t["face"])
    cv.frame(0, 0, 12, 12, t["tab_border"])
    cv.hline(1, 11, 10, mix(t["face"], t["tab_border"], 0.35))
    cv.vline(10, 1, 11, mix(t["face"], t["tab_border"], 0.35))
    return cv


def status_edges(t):
    """Three 12 x 20 frames: lowered, raised, no bevel. Flat: a top line across the bar and a thin
    separator at the right of lowered and raised panels."""
    w, h = 12, 20
    cv = Canvas(w * 3, h, t["face"])
    for i in range(3):
        x0 = i * w
        cv.hline(x0, x0 + w, 0, t["status_line"])
        if i < 2:
            cv.vline(x0 + w - 1, 4, h - 3, t["status_line"] if i == 0 else t["border_light"])
    return cv


def header(t):
    """Five 20 x 24 frames for list headers: normal, hot, pressed, and two plain."""
    w, h = 20, 24
    cv = Canvas(w * 5, h)
    looks = [t["header"], t["hot"], t["select"], t["header"], t["header"]]
    for i, fill in enumerate(looks):
        x0 = i * w
        cv.rect(x0, 0, x0 + w, h, fill)
        cv.hline(x0, x0 + w, h - 1, t["header_line"] if i != 1 else t["select_border"])
        cv.vline(x0 + w - 1, 4, h - 4, t["header_sep"])
    return cv


def scrollbar(t):
    """The 23-frame strip (17 x 17 each): arrows left 1-4, right 5-8, up 9-12, down 13-16 (normal,
    pressed, disabled, hot), then the horizontal thumb grip 17-19 and the vertical one 20-22 (normal,
    pressed, hot) on magenta."""
    n = 17
    cv = Canvas(n * 23, n)
    dirs = ["left", "right", "up", "down"]
    for d, direction in enumerate(dirs):
        horizontal = d < 2
        for s in range(4):
            x0 = (d * 4 + s) * n
            bg = [t["track"], t["arrow_pressed_bg"], t["track"], t["arrow_hot_bg"]][s]
            fg = [t["arrow"], t["text"], t["arrow_disabled"], t["text"]][s]
            cv.rect(x0, 0, x0 + n, n, bg)
            if horizontal:
                cv.hline(x0, x0 + n, 0, t["track_line"])
            else:
                cv.vline(x0, 0, n, t["track_line"])
            tri = glyphs.triangle(direction, 7)
            dx = 1 if not horizontal else 0
            dy = 1 if horizontal else 0
            cv.points(glyphs.centred(tri, n, n, dx, dy), fg, x0, 0)
    grips = [t["grip"], t["grip_pressed"], t["grip_hot"]]
    for g, colour in enumerate(grips):
        xh = (16 + g) * n
        xv = (19 + g) * n
        for k in (-2, 0, 2):
            cv.vline(xh + 8 + k, 6, 11, colour)      # horizontal thumb: upright ridges
            cv.hline(xv + 6, xv + 11, 8 + k, colour)  # vertical thumb: flat ridges
    return cv


def scroll_thumb(t):
    """Three 17 x 17 frames (normal, pressed, hot): a rounded bar inset by 3 pixels, magenta outside.
    Its margins of 6 on every side serve horizontal and vertical thumbs alike."""
    n = 17
    cv = Canvas(n * 3, n)
    for i, fill in enumerate([t["thumb"], t["thumb_pressed"], t["thumb_hot"]]):
        round_box(cv, i * n + 3, 3, n - 6, n - 6, 3.5, fill)
    return cv


def scroll_track(t, horizontal):
    """Four 17 x 17 frames: enabled, enabled, disabled, disabled; a hairline towards the content."""
    n = 17
    cv = Canvas(n * 4, n)
    for i in range(4):
        x0 = i * n
        cv.rect(x0, 0, x0 + n, n, t["track"] if i < 2 else t["track_disabled"])
        if horizontal:
            cv.hline(x0, x0 + n, 0, t["track_line"])
        else:
            cv.vline(x0, 0, n, t["track_line"])
    return cv


def menu_background(t):
    """The popup frame (3 pixels) and fill, 16 x 16, margins 3."""
    cv = Canvas(16, 16, t["menu_bg"])
    cv.frame(0, 0, 16, 16, t["menu_border"])
    return cv


def menu_item(t):
    """Five 24 x 22 frames: normal (transparent), separator, unused, selected, unused. The separator's
    line sits where the last rows of a short separator item fall."""
    w, h = 24, 22
    cv = Canvas(w * 5, h)
    cv.hline(w + 4, 2 * w - 4, h - 5, t["menu_sep"])
    for i in (3, 4):
        round_box(cv, i * w + 2, 1, w - 4, h - 2, 3, t["select"], t["select_border"])
    return cv


def combo_button(t):
    """Four 17 x 17 frames of the drop-down button (normal, pressed, disabled, hot/focused): a chevron
    on magenta, with a soft rounded backing when pressed or hot."""
    n = 17
    cv = Canvas(n * 4, n)
    for i in range(4):
        x0 = i * n
        bg = [None, t["select"], None, t["hot"]][i]
        fg = [t["arrow"], t["text"], t["arrow_disabled"], t["text"]][i]
        if bg is not None:
            round_box(cv, x0 + 1, 1, n - 2, n - 2, 3, bg)
        cv.points(glyphs.centred(glyphs.chevron("down", 7), n, n, 0, 1), fg, x0, 0)
    return cv


def extra_images(t):
    """Five 12 x 12 frames: the combo arrow in four states, then the size grip of status bars."""
    n = 12
    cv = Canvas(n * 5, n)
    for i in range(4):
        fg = [t["arrow"], t["text"], t["arrow_disabled"], t["text"]][i]
        cv.points(glyphs.centred(glyphs.chevron("down", 7), n, n), fg, i * n, 0)
    x0 = 4 * n
    for row in range(3):
        for col in range(row + 1):
            x = x0 + 9 - 3 * col
            y = 3 + 3 * row
            cv.rect(x, y, x + 2, y + 2, t["grip_dot"])
    return cv


def trackbar_thumb(t):
    """Five 11 x 19 frames (normal, active, disabled, hot, focused); the engine shows frame 2."""
    w, h = 11, 19
    cv = Canvas(w * 5, h)
    looks = [(t["trackbar_thumb"], t["trackbar_thumb_border"]), (t["accent"], t["accent_border"]),
             (t["btn_disabled"], t["btn_disabled_border"]), (t["accent_hot"], t["accent"]),
             (t["accent"], t["accent_border"])]
    for i, (fill, border) in enumerate(looks):
        round_box(cv, i * w, 0, w, h, 4, fill, border)
    return cv


def track(t):
    """The horizontal channel, 16 x 5, ends softened (margins 2)."""
    w, h = 16, 5
    cv = Canvas(w, h, t["progress_bg"])
    cv.frame(0, 0, w, h, t["progress_border"])
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        cv.set(x, y, t["face"])
    return cv


def updown(t, vertical):
    """Eight frames: first button (up or left) normal, pressed, disabled, hot, then the second
    (down or right). Vertical frames are 16 x 10, horizontal ones 12 x 16."""
    w, h = (16, 10) if vertical else (12, 16)
    cv = Canvas(w * 8, h)
    dirs = ("up", "down") if vertical else ("left", "right")
    for b, direction in enumerate(dirs):
        for s in range(4):
            x0 = (b * 4 + s) * w
            bg = [t["spin_bg"], t["select"], t["btn_disabled"], t["hot"]][s]
            border = [t["border_light"], t["select_border"], t["btn_disabled_border"], t["select_border"]][s]
            fg = [t["arrow"], t["text"], t["arrow_disabled"], t["text"]][s]
            cv.rect(x0, 0, x0 + w, h, bg)
            cv.frame(x0, 0, x0 + w, h, border)
            cv.points(glyphs.centred(glyphs.triangle(direction, 5), w, h), fg, x0, 0)
    return cv


def progress(t):
    """Two 24 x 14 frames: the empty bar and the fill, rounded (radius 3), margins 4."""
    w, h = 24, 14
    cv = Canvas(w * 2, h)
    round_box(cv, 0, 0, w, h, 3, t["progress_bg"], t["progress_border"])
    round_box(cv, w, 0, w, h, 3, _grad(t["progress_top"], t["progress_bottom"], 0, h),
              t["progress_fill_border"])
    cv.hline(w + 3, 2 * w - 3, 1, mix(t["progress_top"], (255, 255, 255), 0.3))
    return cv
