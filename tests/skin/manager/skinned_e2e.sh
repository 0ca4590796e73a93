#!/usr/bin/env bash
# skinned_e2e.sh GRADIENT_EXE BUILD_DIR SKIN_DIR [SHOT_DIR]
# Starts the real utility on the build tree's private Xvfb and Wine prefix and checks with screen
# pixels that its main form comes up with the skin's caption, that "头" opens the colour dialog with a
# skinned frame too, and that cancelling closes it. With SHOT_DIR, keeps screenshots of both there.
set -euo pipefail
exe=${1:?usage: skinned_e2e.sh GRADIENT_EXE BUILD_DIR SKIN_DIR [SHOT_DIR]}
build=${2:?usage: skinned_e2e.sh GRADIENT_EXE BUILD_DIR SKIN_DIR [SHOT_DIR]}
skin=${3:?usage: skinned_e2e.sh GRADIENT_EXE BUILD_DIR SKIN_DIR [SHOT_DIR]}
shots=${4:-}
# shellcheck source-path=SCRIPTDIR source=../../support/e2e.sh
source "$(dirname "$0")/../../support/e2e.sh"
e2e_init skinned "$exe" "$build"
client_width=249
client_height=73
launch

# The caption colours of the skin's top border, row 10, active and inactive frame (the strip holds
# its frames stacked), from the middle column that the caption stretches.
read -r -a expected < <(python3 - "$skin/top.bmp" <<'PY'
import struct, sys
d = open(sys.argv[1], 'rb').read()
off, = struct.unpack_from('<I', d, 10)
w, h, _, bpp = struct.unpack_from('<iiHH', d, 18)
row = ((w * bpp + 31) // 32) * 4
def px(x, y):
    o = off + (h - 1 - y) * row + x * bpp // 8
    return '%d,%d,%d' % (d[o + 2], d[o + 1], d[o])
print(px(w // 2, 10), px(w // 2, h // 2 + 10))
PY
)

shot() { import -window root "$1"; }
pixel() {  # FILE X Y -> "r,g,b"
  convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}
near() {  # "r,g,b" "r,g,b": within 16 on every channel
  local IFS=,
  read -r a b c <<<"$1"
  read -r x y z <<<"$2"
  ((${a} - x <= 16 && x - ${a} <= 16 && ${b} - y <= 16 && y - ${b} <= 16 && ${c} - z <= 16 && z - ${c} <= 16))
}
# A window's caption is skinned when most sampled points of its row 10, between the title text and
# the caption buttons, carry one of the skin's caption colours.
caption_skinned() {  # FILE X Y WIDTH
  local hits=0 total=0
  for frac in 62 66 70 74 78 82; do
    local p
    p=$(pixel "$1" $(($2 + $4 * frac / 100)) $(($3 + 10)))
    total=$((total + 1))
    if near "$p" "${expected[0]}" || near "$p" "${expected[1]}"; then hits=$((hits + 1)); fi
  done
  echo "skinned e2e: caption samples matching the skin: $hits/$total" >&2
  ((hits * 2 > total))
}

wait_window 渐变字代码生成器
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
main_x=$X main_y=$Y main_w=$WIDTH main_h=$HEIGHT
shot "$work/main.png"
caption_skinned "$work/main.png" "$main_x" "$main_y" "$main_w" || fail "the main form's caption is not skinned"
[[ -n $shots ]] && cp "$work/main.png" "$shots/skinned-main-form-full.png"

# The skinned frame keeps the client size: the client area sits at the bottom centre.
border=$(((main_w - client_width) / 2))
client_x=$((main_x + border))
client_y=$((main_y + main_h - border - client_height))
before=$(xdotool search --onlyvisible --name '.+' 2>/dev/null | sort)

# "头" spans 0..33 x 16..37 of the client area.
xdotool mousemove "$((client_x + 16))" "$((client_y + 26))"
sleep 0.2
xdotool click 1
dlg=""
for _ in $(seq 1 50); do
  dlg=$(comm -13 <(echo "$before") <(xdotool search --onlyvisible --name '.+' 2>/dev/null | sort) | head -1 || true)
  [[ -n $dlg ]] && break
  sleep 0.2
done
[[ -n $dlg ]] || fail "the colour dialog did not appear"
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$dlg")"
shot "$work/dialog.png"
caption_skinned "$work/dialog.png" "$X" "$Y" "$WIDTH" || fail "the colour dialog's frame is not skinned"
[[ -n $shots ]] && cp "$work/dialog.png" "$shots/skinned-colour-dialog-full.png"

xdotool key --window "$dlg" Escape 2>/dev/null || xdotool key Escape
for _ in $(seq 1 25); do
  xdotool search --onlyvisible --name '.+' 2>/dev/null | grep -qx "$dlg" || break
  sleep 0.2
done
! xdotool search --onlyvisible --name '.+' 2>/dev/null | grep -qx "$dlg" || fail "the colour dialog did not close"
kill -0 "$pid" 2>/dev/null || fail "the program ended with the dialog"

# Closing the main form ends the program cleanly: the manager is freed at exit with the windows it
# still skins.
sleep 0.5
xdotool key alt+F4
ends_cleanly "the program did not end when its main form was closed"
echo "skinned e2e: main form and colour dialog skinned, dialog cancelled, program closed"
