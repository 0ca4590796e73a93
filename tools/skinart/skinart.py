#!/usr/bin/env python3
"""Generates the artwork and the skin description of the skins in skins/<name>/.

    python3 tools/skinart/skinart.py [--out SKINS_DIR]
    python3 tools/skinart/mockup.py default|dark OUT.bmp   (a rough mock-up to look at)

Only the standard library is used. The generated .bmp and .ini files are committed, so a build never
runs this program; run it again after changing a palette or a shape, and look at the result."""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmpfile  # noqa: E402
import captionbuttons  # noqa: E402
import controls  # noqa: E402
import frame  # noqa: E402
import themes  # noqa: E402


def build(t):
    """Returns {file name: (canvas, bits per pixel)} and the skin description text."""
    files = {}

    def add(name, canvas, bits):
        files[name] = (canvas, bits)
        return name

    strips, margins = frame.borders(t)
    add("left.bmp", strips["Left"], 32)
    add("right.bmp", strips["Right"], 32)
    add("top.bmp", strips["Top"], 32)
    add("bottom.bmp", strips["Bottom"], 32)
    textback, textback_end = frame.text_back(t)
    add("textback.bmp", textback, 32)

    add("button.bmp", controls.push_button(t), 32)
    add("check.bmp", controls.check_marks(t), 24)
    add("radio.bmp", controls.radio_marks(t), 24)
    add("tab.bmp", controls.tabs(t), 32)
    add("tabborder.bmp", controls.tab_border(t), 24)
    add("tabpane.bmp", controls.tab_pane(t), 24)
    add("status.bmp", controls.status_edges(t), 4)
    add("header.bmp", controls.header(t), 24)
    add("scrollbar.bmp", controls.scrollbar(t), 24)
    add("scrollthumb.bmp", controls.scroll_thumb(t), 24)
    add("hscroll.bmp", controls.scroll_track(t, True), 24)
    add("vscroll.bmp", controls.scroll_track(t, False), 24)
    add("menubg.bmp", controls.menu_background(t), 24)
    add("menuitem.bmp", controls.menu_item(t), 24)
    add("mdi.bmp", captionbuttons.mdi_buttons(t), 4)
    for kind in ("close", "max", "restore", "min", "help"):
        add(kind + ".bmp", captionbuttons.caption_button(t, kind), 24)
    add("icon.bmp", captionbuttons.icon_placeholder(), 4)
    add("combo.bmp", controls.combo_button(t), 4)
    add("extra.bmp", controls.extra_images(t), 4)
    add("trackthumb.bmp", controls.trackbar_thumb(t), 24)
    add("track.bmp", controls.track(t), 4)
    add("updownh.bmp", controls.updown(t, False), 24)
    add("updownv.bmp", controls.updown(t, True), 24)
    add("progress.bmp", controls.progress(t), 32)

    return files, description(t, margins, textback_end)


def rgb(c):
    return f"{c[0]} {c[1]} {c[2]}"


def description(t, margins, textback_end):
    cap, side, bw, bh = t["cap"], t["side"], t["button_w"], t["button_h"]
    y = (cap - bh) // 2
    close_x = side + 2 + bw
    step = bw + t["button_gap"]
    sections = []

    def section(name, *pairs):
        sections.append((name, list(pairs)))

    section("TitlebarSkin", ("SkinName", t["skin_name"]))
    section("Skins", ("Author", t["author"]), ("Description", t["description"]), ("Version", "1"))
    # Button0 .. Button5: close, maximise, restore, minimise (Align 1: from the right edge), the window
    # icon (Align 0), and context help, which takes the maximise button's place on windows with a help
    # button and neither minimise nor maximise.
    section("Button0", ("Action", 0), ("Align", 1), ("Xcoord", close_x), ("Ycoord", y), ("Visibility", 0),
            ("frame", 4), ("ButtonImage", "close.bmp"))
    section("Button1", ("Action", 1), ("Align", 1), ("Xcoord", close_x + step), ("Ycoord", y),
            ("Visibility", 2), ("Visibility1", 6), ("frame", 4), ("ButtonImage", "max.bmp"))
    section("Button2", ("Action", 1), ("Align", 1), ("Xcoord", close_x + step), ("Ycoord", y),
            ("Visibility", 1), ("Visibility1", 6), ("frame", 4), ("ButtonImage", "restore.bmp"))
    section("Button3", ("Action", 2), ("Align", 1), ("Xcoord", close_x + 2 * step), ("Ycoord", y),
            ("Visibility", 6), ("Visibility1", 6), ("frame", 4), ("ButtonImage", "min.bmp"))
    section("Button4", ("Action", 3), ("Align", 0), ("Xcoord", side + 3), ("Ycoord", (cap - 16) // 2),
            ("Visibility", 0), ("frame", 1), ("ButtonImage", "icon.bmp"))
    section("Button5", ("Action", 4), ("Align", 1), ("Xcoord", close_x + step), ("Ycoord", y),
            ("Visibility", 10), ("Visibility1", 10), ("frame", 4), ("ButtonImage", "help.bmp"))
    section("MDICONTROLS", ("Image", "mdi.bmp"))
    lm, rm = margins["Left"], margins["Top"]
    text = t["title_text"]
    text_in = t["title_text_inactive"]
    section("Personality",
            ("Left", "left.bmp"), ("LeftTopHeight", lm[0]), ("LeftBotHeight", lm[1]), ("LeftFrame", 2),
            ("LeftStretch", 1), ("LeftTrans", 1),
            ("Right", "right.bmp"), ("RightTopHeight", lm[0]), ("RightBotHeight", lm[1]), ("RightFrame", 2),
            ("RightStretch", 1), ("RightTrans", 1),
            ("Top", "top.bmp"), ("TopTopHeight", rm[0]), ("TopBotHeight", rm[1]), ("TopFrame", 2),
            ("TopStretch", 1), ("TopTrans", 1),
            ("Bottom", "bottom.bmp"), ("BottomTopHeight", margins["Bottom"][0]),
            ("BottomBotHeight", margins["Bottom"][1]), ("BottomFrame", 2), ("BottomStretch", 1),
            ("BottomTrans", 1),
            ("TextBack", "textback.bmp"), ("TXTBackleft", textback_end), ("TXTBackRight", textback_end),
            ("TextShift", 20), ("TextShiftVert", 0), ("TextRightClip", close_x + 2 * step + 4),
            ("TextAlignment", 0),
            ("ActiveTextR", text[0]), ("ActiveTextG", text[1]), ("ActiveTextB", text[2]),
            ("InActiveTextR", text_in[0]), ("InActiveTextG", text_in[1]), ("InActiveTextB", text_in[2]))
    section("MinCaption", ("Height", cap), ("Note", "built by the engine from the caption colour"))
    section("Colours", *themes.colours_section(t))
    section("Buttons", ("Bitmap", "button.bmp"), ("LeftWidth", 5), ("RightWidth", 5), ("TopHeight", 5),
            ("BottomHeight", 5), ("Trans", 1), ("Tile", 0), ("CheckButton", "check.bmp"),
            ("CheckButtonFrame", 12), ("RadioButton", "radio.bmp"), ("RadioButtonFrame", 8))
    section("Tabs", ("Image", "tab.bmp"), ("Border", "tabborder.bmp"), ("Style", 0), ("LeftWidth", 4),
            ("RightWidth", 4), ("TopHeight", 4), ("BottomHeight", 2), ("Trans", 1), ("Tile", 0),
            ("NormalColour2", rgb(t["tab_text"])), ("MouseOverColour2", rgb(t["tab_sel_text"])))
    section("Tab.Pane", ("Image", "tabpane.bmp"), ("Frame", 1), ("LeftWidth", 4), ("RightWidth", 4), ("TopHeight", 4),
            ("BottomHeight", 4), ("Trans", 0), ("Tile", 0))
    section("StatusBarEdges", ("Image", "status.bmp"), ("Frame", 3), ("LeftWidth", 1), ("RightWidth", 2),
            ("TopHeight", 4), ("BottomHeight", 3), ("Trans", 0), ("Tile", 0),
            ("NormalColour2", rgb(t["status_text"])))
    # The capital letter exercises the archive's case-blind name look-up.
    section("Headerbar", ("Image", "Header.bmp"), ("Frame", 5), ("LeftWidth", 2), ("RightWidth", 2),
            ("TopHeight", 4), ("BottomHeight", 4), ("Trans", 0), ("Tile", 0))
    section("Scrollbar", ("Image", "scrollbar.bmp"), ("Frame", 23), ("Trans", 1))
    for name in ("HorzScrollThumb", "VertScrollThumb"):
        section(name, ("Image", "scrollthumb.bmp"), ("FrameCount", 3), ("LeftWidth", 6), ("RightWidth", 6),
                ("TopHeight", 6), ("BottomHeight", 6), ("Trans", 1), ("Tile", 0))
    section("HorzScroll", ("Image", "hscroll.bmp"), ("Frame", 4), ("TopHeight", 1), ("Trans", 0), ("Tile", 0))
    section("VertScroll", ("Image", "vscroll.bmp"), ("Frame", 4), ("LeftWidth", 1), ("Trans", 0), ("Tile", 0))
    section("MenuBackground", ("Image", "menubg.bmp"), ("Frame", 1), ("LeftWidth", 3), ("RightWidth", 3), ("TopHeight", 3),
            ("BottomHeight", 3), ("Trans", 0), ("Tile", 0))
    section("MenuItem", ("Image", "menuitem.bmp"), ("Frame", 5), ("LeftWidth", 4), ("RightWidth", 4), ("TopHeight", 4),
            ("BottomHeight", 4), ("Trans", 1), ("Tile", 0))
    section("ComboButton", ("Image", "combo.bmp"), ("Style", 1), ("Trans", 1))
    section("ExtraImages", ("Image", "extra.bmp"), ("Frame", 5), ("Trans", 1))
    # The engine shows frame 2 of a track-bar thumb; the downward thumb shares the picture.
    section("Trackbar.ThumbDown", ("Image", "trackthumb.bmp"), ("Frame", 5), ("Trans", 1))
    section("Trackbar.ThumbHorz", ("Image", "trackthumb.bmp"), ("Frame", 5), ("Trans", 1))
    # The track keeps the frame count it is given (no fixed count applies to it).
    section("Track", ("Image", "track.bmp"), ("Frame", 1), ("LeftWidth", 2), ("RightWidth", 2), ("TopHeight", 2),
            ("BottomHeight", 2))
    section("UpDown.Horz", ("Image", "updownh.bmp"), ("Trans", 0))
    section("UpDown.Vert", ("Image", "updownv.bmp"), ("Trans", 0))
    section("Progress", ("Bitmap", "progress.bmp"), ("Style", 0), ("LeftWidth", 4), ("RightWidth", 4),
            ("TopHeight", 4), ("BottomHeight", 4), ("Trans", 1), ("Tile", 0))

    lines = [f"; {t['skin_name']} skin, generated by tools/skinart/skinart.py: edit the generator, not this file."]
    for name, pairs in sections:
        lines.append("")
        lines.append(f"[{name}]")
        lines += [f"{k}={v}" for k, v in pairs]
    return "\r\n".join(lines) + "\r\n"


def write_skin(t, out_dir):
    files, ini = build(t)
    skin_dir = os.path.join(out_dir, t["key"])
    os.makedirs(skin_dir, exist_ok=True)
    for name, (canvas, bits) in files.items():
        with open(os.path.join(skin_dir, name), "wb") as f:
            f.write(bmpfile.encode(canvas, bits))
    with open(os.path.join(skin_dir, "skin.ini"), "wb") as f:
        f.write(ini.encode("ascii"))
    return len(files)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.normpath(os.path.join(here, "..", "..", "skins")))
    args = parser.parse_args()
    for theme in (themes.default_theme(), themes.dark_theme()):
        count = write_skin(theme, args.out)
        print(f"{theme['key']}: {count} bitmaps and skin.ini")


if __name__ == "__main__":
    main()
