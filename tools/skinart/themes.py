"""The two palettes and frame geometries. Every element takes its colours from here, and the skin
description's "Colours" section is written from the same values, so that what the engine fills matches
what the bitmaps show."""

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def default_theme():
    accent = (0, 120, 215)
    face = (240, 242, 245)
    t = dict(
        key="default", skin_name="Default", author="skinart",
        description="Calm light skin with a blue caption",
        # Frame geometry (pixels).
        cap=30, side=5, bottom=5, radius=7, button_w=26, button_h=20, button_gap=2,
        # Active frame: caption gradient from top to bottom, then the frame colour.
        cap_top=(52, 120, 200), cap_bottom=(30, 90, 160), cap_shine=(84, 146, 218),
        frame=(30, 90, 160), outline=(16, 52, 96), inner=(22, 70, 128),
        # Inactive frame: desaturated and lighter.
        in_cap_top=(226, 230, 236), in_cap_bottom=(208, 214, 222), in_cap_shine=(238, 241, 245),
        in_frame=(208, 214, 222), in_outline=(140, 148, 160), in_inner=(186, 193, 203),
        title_text=WHITE, title_text_inactive=(88, 96, 110),
        glyph=WHITE, glyph_inactive=(112, 120, 134),
        btn_hot=(70, 140, 215), btn_pressed=(20, 66, 122),
        close_hot=(220, 44, 44), close_pressed=(160, 28, 28),
        text_back=(255, 255, 255), text_back_alpha=0.08,
        face=face, text=(30, 35, 45), text_disabled=(150, 155, 160),
        accent=accent, accent_hot=(26, 140, 230), accent_pressed=(0, 90, 170),
        accent_border=(0, 95, 175),
        select=(204, 228, 247), select_border=(153, 201, 239), hot=(229, 241, 251),
        field=(255, 255, 255), border=(172, 179, 189), border_light=(204, 208, 214),
        shadow=(150, 155, 160), dkshadow=(110, 115, 125),
        btn_top=(253, 253, 254), btn_bottom=(234, 236, 240), btn_shine=WHITE,
        btn_hot_top=(242, 248, 254), btn_hot_bottom=(220, 236, 252), btn_hot_border=(92, 157, 222),
        btn_pressed_top=(204, 224, 244), btn_pressed_bottom=(218, 234, 250), btn_pressed_border=(0, 95, 175),
        btn_pressed_shade=(180, 204, 230),
        btn_disabled=(244, 245, 247), btn_disabled_border=(208, 212, 218),
        btn_focus_border=accent, btn_focus_inner=(190, 220, 245),
        check_field=WHITE, check_mark=WHITE,
        track=(232, 234, 238), track_line=(218, 222, 228), track_disabled=(244, 245, 247),
        thumb=(190, 196, 205), thumb_hot=(160, 168, 180), thumb_pressed=accent,
        grip=(150, 157, 168), grip_hot=(118, 126, 140), grip_pressed=(190, 220, 245),
        arrow=(96, 104, 116), arrow_hot_bg=(218, 222, 228), arrow_pressed_bg=(196, 202, 210),
        arrow_disabled=(190, 195, 202),
        tab=(226, 229, 234), tab_hot=(236, 242, 250), tab_border=(196, 201, 209), tab_text=(70, 76, 88),
        tab_sel_text=(30, 35, 45), tab_disabled=(236, 238, 241),
        menu_bg=(252, 252, 253), menu_border=(176, 183, 193), menu_text=(30, 35, 45),
        menu_sep=(220, 224, 230), menubar=(248, 249, 251), menubar_text=(30, 35, 45),
        header=(252, 252, 253), header_line=(214, 218, 224), header_sep=(224, 227, 232),
        status_line=(214, 218, 224), status_text=(60, 66, 78), grip_dot=(160, 166, 176),
        progress_bg=(226, 229, 234), progress_border=(188, 194, 203),
        progress_top=(38, 142, 232), progress_bottom=(0, 104, 196), progress_fill_border=(0, 88, 168),
        trackbar_thumb=WHITE, trackbar_thumb_border=(130, 138, 150),
        spin_bg=(236, 238, 241),
    )
    return t


def dark_theme():
    accent = (240, 150, 40)
    face = (45, 47, 53)
    t = dict(
        key="dark", skin_name="Dark Amber", author="skinart",
        description="Dark charcoal skin with amber accents",
        cap=28, side=4, bottom=4, radius=8, button_w=28, button_h=20, button_gap=0,
        cap_top=(50, 53, 60), cap_bottom=(34, 36, 41), cap_shine=(70, 74, 82),
        frame=(34, 36, 41), outline=(8, 9, 11), inner=(24, 25, 29),
        in_cap_top=(66, 68, 74), in_cap_bottom=(58, 60, 66), in_cap_shine=(78, 80, 86),
        in_frame=(58, 60, 66), in_outline=(30, 31, 35), in_inner=(50, 52, 57),
        title_text=(240, 200, 140), title_text_inactive=(150, 153, 160),
        glyph=(228, 230, 235), glyph_inactive=(120, 124, 132),
        btn_hot=(72, 76, 86), btn_pressed=(20, 21, 24),
        close_hot=(200, 52, 40), close_pressed=(140, 30, 24),
        text_back=accent, text_back_alpha=0.0,
        face=face, text=(226, 228, 234), text_disabled=(120, 124, 132),
        accent=accent, accent_hot=(255, 172, 70), accent_pressed=(196, 116, 20),
        accent_border=(180, 104, 16),
        select=(92, 70, 40), select_border=(150, 104, 44), hot=(62, 64, 72),
        field=(30, 31, 35), border=(84, 88, 98), border_light=(64, 67, 75),
        shadow=(100, 104, 112), dkshadow=(20, 21, 24),
        btn_top=(70, 73, 81), btn_bottom=(58, 61, 68), btn_shine=(86, 90, 99),
        btn_hot_top=(82, 86, 96), btn_hot_bottom=(68, 72, 80), btn_hot_border=(200, 130, 50),
        btn_pressed_top=(36, 38, 43), btn_pressed_bottom=(48, 50, 56), btn_pressed_border=accent,
        btn_pressed_shade=(28, 29, 33),
        btn_disabled=(52, 54, 60), btn_disabled_border=(64, 67, 75),
        btn_focus_border=accent, btn_focus_inner=(96, 80, 58),
        check_field=(30, 31, 35), check_mark=(30, 31, 35),
        track=(38, 40, 45), track_line=(30, 31, 35), track_disabled=(45, 47, 53),
        thumb=(88, 92, 102), thumb_hot=(112, 117, 128), thumb_pressed=accent,
        grip=(58, 61, 68), grip_hot=(76, 80, 88), grip_pressed=(110, 66, 14),
        arrow=(150, 154, 162), arrow_hot_bg=(58, 61, 68), arrow_pressed_bg=(30, 31, 35),
        arrow_disabled=(74, 77, 84),
        tab=(38, 40, 45), tab_hot=(56, 59, 66), tab_border=(70, 74, 82), tab_text=(160, 164, 172),
        tab_sel_text=(240, 200, 140), tab_disabled=(42, 44, 49),
        menu_bg=(36, 38, 43), menu_border=(78, 82, 90), menu_text=(226, 228, 234),
        menu_sep=(64, 67, 75), menubar=(40, 42, 47), menubar_text=(226, 228, 234),
        header=(40, 42, 47), header_line=(70, 74, 82), header_sep=(60, 63, 70),
        status_line=(30, 31, 35), status_text=(180, 184, 192), grip_dot=(110, 114, 122),
        progress_bg=(34, 36, 41), progress_border=(70, 74, 82),
        progress_top=(255, 176, 76), progress_bottom=(220, 128, 24), progress_fill_border=(160, 92, 12),
        trackbar_thumb=(210, 212, 218), trackbar_thumb_border=(20, 21, 24),
        spin_bg=(58, 61, 68),
    )
    return t


def colours_section(t):
    """The "Colours" keys, each "R G B"."""
    def rgb(c):
        return f"{c[0]} {c[1]} {c[2]}"
    return [
        ("WindowText", rgb(t["text"])),
        ("ButtonFace", rgb(t["face"])),
        ("Scrollbar", rgb(t["track"])),
        ("HilightText", rgb(t["menu_text"])),
        ("Hilight", rgb(t["select"])),
        ("Menubar", rgb(t["menubar"])),
        ("Menu", rgb(t["menu_bg"])),
        ("MenuText", rgb(t["menu_text"])),
        ("ButtonText", rgb(t["text"])),
        ("ButtonHilight", rgb(t["accent"])),  # frames the hot item of the menu bar
        ("Buttonlight", rgb(t["field"])),
        ("ButtonShadow", rgb(t["shadow"])),
        ("ButtonDkShadow", rgb(t["dkshadow"])),
        ("MenuBarText", rgb(t["menubar_text"])),
        ("TitleTextActive", rgb(t["title_text"])),
        ("TitleTextNoActive", rgb(t["title_text_inactive"])),
    ]
