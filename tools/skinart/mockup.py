#!/usr/bin/env python3
"""Paints a rough mock-up of a skinned window from the generated strips, the way the engine slices
them, so that the artwork can be judged before the real preview tool exists.

    python3 tools/skinart/mockup.py SKIN_KEY OUT.bmp"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmpfile  # noqa: E402
import skinart  # noqa: E402
import themes  # noqa: E402
from canvas import MAGENTA, Canvas  # noqa: E402


def frame_of(strip, index, count, vertical=False):
    if vertical:
        fh = strip.height // count
        return strip.crop(0, (index - 1) * fh, strip.width, index * fh)
    fw = strip.width // count
    return strip.crop((index - 1) * fw, 0, index * fw, strip.height)


def stretch(src, sx0, sy0, sx1, sy1, w, h):
    out = Canvas(max(w, 0), max(h, 0))
    sw, sh = sx1 - sx0, sy1 - sy0
    if sw <= 0 or sh <= 0:
        return out
    for y in range(h):
        for x in range(w):
            out.px[y][x] = src.get(sx0 + x * sw // w, sy0 + y * sh // h)
    return out


def nine(src, w, h, l, t, r, b):
    if w < l + r:
        l = r = 0
    if h < t + b:
        t = b = 0
    out = Canvas(w, h)
    fw, fh = src.width, src.height
    parts = [((0, 0, l, t), (0, 0, l, t)), ((0, h - b, l, h), (0, fh - b, l, fh)),
             ((w - r, 0, w, t), (fw - r, 0, fw, t)), ((0, t, l, h - b), (0, t, l, fh - b)),
             ((l, 0, w - r, t), (l, 0, fw - r, t)), ((l, t, w - r, h - b), (l, t, fw - r, fh - b)),
             ((w - r, h - b, w, h), (fw - r, fh - b, fw, fh)), ((w - r, t, w, h - b), (fw - r, t, fw, fh - b)),
             ((l, h - b, w - r, h), (l, fh - b, fw - r, fh))]
    for (dx0, dy0, dx1, dy1), (sx0, sy0, sx1, sy1) in parts:
        if dx1 > dx0 and dy1 > dy0:
            out.paste(stretch(src, sx0, sy0, sx1, sy1, dx1 - dx0, dy1 - dy0), dx0, dy0)
    return out


def blit(dst, src, x, y, trans=True):
    for yy in range(src.height):
        for xx in range(src.width):
            c = src.get(xx, yy)
            if trans and c == MAGENTA:
                continue
            dst.set(x + xx, y + yy, c)


def window(files, ini, t, active, W, H, dst, ox, oy):
    S = lambda n: files[n][0]  # noqa: E731
    cap, side, bot = t["cap"], t["side"], t["bottom"]
    idx = 1 if active else 2
    left = frame_of(S("left.bmp"), idx, 2)
    right = frame_of(S("right.bmp"), idx, 2)
    top = frame_of(S("top.bmp"), idx, 2, True)
    bottom = frame_of(S("bottom.bmp"), idx, 2, True)
    win = Canvas(W, H, t["face"])
    win.paste(nine(left, side, H, 0, cap, 0, bot), 0, 0)
    win.paste(nine(right, side, H, 0, cap, 0, bot), W - side, 0)
    m = max(t["radius"] - side + 1, 2)
    win.paste(nine(top, W - 2 * side, cap, m, 0, m, 0), side, 0)
    win.paste(nine(bottom, W - 2 * side, bot, 1, 0, 1, 0), side, H - bot)
    tb = frame_of(S("textback.bmp"), idx, 2, True)
    tbw = 80
    blit(win, nine(tb, tbw, cap, 8, 0, 8, 0), side + 20, 0)
    y = (cap - t["button_h"]) // 2
    step = t["button_w"] + t["button_gap"]
    close_x = side + 2 + t["button_w"]
    for k, name in enumerate(("close.bmp", "max.bmp", "min.bmp")):
        fr = frame_of(S(name), 1 if active else 4, 4)
        blit(win, fr, W - (close_x + k * step), y)
    # client: menu band
    win.rect(side, cap, W - side, cap + 19, t["menubar"])
    blit(dst, win, ox, oy)
    return win


def main():
    key, out = sys.argv[1], sys.argv[2]
    t = themes.default_theme() if key == "default" else themes.dark_theme()
    files, ini = skinart.build(t)
    S = lambda n: files[n][0]  # noqa: E731
    dst = Canvas(620, 430, (200, 200, 200) if key == "default" else (90, 90, 90))
    window(files, ini, t, True, 300, 200, dst, 10, 10)
    window(files, ini, t, False, 300, 200, dst, 310, 10)
    # caption buttons, all states, on the caption gradient
    x = 10
    for name in ("close.bmp", "max.bmp", "restore.bmp", "min.bmp", "help.bmp"):
        strip = S(name)
        bg = Canvas(strip.width + 4, t["cap"])
        top = frame_of(S("top.bmp"), 1, 2, True)
        bg = stretch(top, 5, 0, 6, t["cap"], strip.width + 4, t["cap"])
        blit(bg, strip, 2, (t["cap"] - strip.height) // 2)
        blit(dst, bg, x, 220, False)
        x += bg.width + 6
    y = 260
    face = Canvas(600, 160, t["face"])
    fx = 0
    for i in range(1, 6):
        b = frame_of(S("button.bmp"), i, 5)
        blit(face, nine(b, 76, 25, 5, 5, 5, 5), 8 + fx, 8)
        fx += 84
    blit(face, S("check.bmp"), 8, 44)
    blit(face, S("radio.bmp"), 180, 44)
    # scrollbar horizontal 200 px
    sb = S("scrollbar.bmp")
    bar = Canvas(200, 17, t["face"])
    bar.paste(nine(frame_of(S("hscroll.bmp"), 1, 4), 166, 17, 0, 1, 0, 0), 17, 0)
    blit(bar, frame_of(sb, 1, 23), 0, 0)
    blit(bar, frame_of(sb, 5, 23), 183, 0)
    blit(bar, nine(frame_of(S("scrollthumb.bmp"), 1, 3), 60, 17, 6, 6, 6, 6), 40, 0)
    blit(bar, frame_of(sb, 17, 23), 40 + 21, 0)
    blit(face, bar, 8, 66)
    vbar = Canvas(17, 120, t["face"])
    vbar.paste(nine(frame_of(S("vscroll.bmp"), 1, 4), 17, 86, 1, 0, 0, 0), 0, 17)
    blit(vbar, frame_of(sb, 9, 23), 0, 0)
    blit(vbar, frame_of(sb, 16, 23), 0, 103)
    blit(vbar, nine(frame_of(S("scrollthumb.bmp"), 3, 3), 17, 40, 6, 6, 6, 6), 0, 30)
    blit(vbar, frame_of(sb, 22, 23), 0, 30 + 11)
    blit(face, vbar, 575, 30)
    # tabs
    tabs = S("tab.bmp")
    tx = 220
    for i in (1, 2, 4, 1):
        blit(face, nine(frame_of(tabs, i, 5), 60, 22, 4, 4, 4, 2), tx, 66)
        tx += 60
    blit(face, nine(S("tabborder.bmp"), 240, 50, 4, 5, 4, 4), 220, 88)
    # progress
    pr = S("progress.bmp")
    blit(face, nine(frame_of(pr, 1, 2), 200, 16, 4, 4, 4, 4), 8, 92)
    blit(face, nine(frame_of(pr, 2, 2), 120, 16, 4, 4, 4, 4), 8, 92)
    # track + thumb
    tr = S("track.bmp")
    blit(face, nine(tr, 200, 5, 2, 0, 2, 0), 8, 122)
    blit(face, frame_of(S("trackthumb.bmp"), 2, 5), 80, 115)
    # menu
    menu = nine(S("menubg.bmp"), 110, 70, 3, 3, 3, 3)
    mi = S("menuitem.bmp")
    blit(menu, nine(frame_of(mi, 4, 5), 104, 20, 4, 4, 4, 4), 3, 3)
    sep = frame_of(mi, 2, 5)
    blit(menu, nine(sep.crop(0, sep.height - 8, sep.width, sep.height), 104, 8, 4, 0, 4, 0), 3, 24)
    blit(face, menu, 480, 20)
    blit(face, S("combo.bmp"), 220, 10)
    blit(face, S("extra.bmp"), 300, 10)
    blit(face, S("updownv.bmp"), 220, 30)
    blit(face, S("updownh.bmp"), 220, 140)
    blit(face, S("mdi.bmp"), 260, 44)
    blit(face, S("status.bmp"), 460, 100)
    blit(face, S("header.bmp"), 360, 130)
    blit(dst, face, 10, y, False)
    with open(out, "wb") as f:
        f.write(bmpfile.encode(dst, 24))


if __name__ == "__main__":
    main()
