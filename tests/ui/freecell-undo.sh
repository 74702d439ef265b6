#!/bin/bash
# A FreeCell move made with the mouse on a real X display and taken back with Ctrl+Z, then
# replayed with Ctrl+Y: after Ctrl+Z the table shows the dealt cards again, pixel for pixel, and
# after Ctrl+Y the table as the move left it. Every step waits for the screen to come to rest.
#
#   tests/ui/freecell-undo.sh [PROGRAM_FOLDER] [DISPLAY_NUMBER] [SHOTS_FOLDER]
#
# PROGRAM_FOLDER holds quillon, quillon-cli and the data files (default build-test/bin). Needs
# Xvfb, xdotool, xdpyinfo and ImageMagick; the program runs with a private home and data folder.
set -euo pipefail

BIN=$(cd "${1:-build-test/bin}" && pwd)
NUM=${2:-94}
SHOTS=${3:-$(mktemp -d /tmp/quillon-ui-shots.XXXXXX)}
mkdir -p "$SHOTS"
export DISPLAY=:$NUM
export QUILLON_PROGRAM_DIR="$BIN"
CLI="$BIN/quillon-cli"
WORK=$(mktemp -d /tmp/quillon-ui.XXXXXX)
PIDS=()
cleanup() {
    for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$WORK"
}
trap cleanup EXIT

say() { echo "freecell-undo: $*" >&2; }
fail() {
    say "FAILED: $*"
    import -window root "$SHOTS/failure.png" 2>/dev/null || true
    exit 1
}

if ! xdpyinfo >/dev/null 2>&1; then
    Xvfb ":$NUM" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    PIDS+=($!)
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xdpyinfo >/dev/null 2>&1 || fail "no virtual screen on $DISPLAY"
fi
read -r SCREEN_W SCREEN_H < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')

PROGRAM="$WORK/program"
mkdir -p "$PROGRAM"
cp -r "$BIN/quillon" "$BIN/GAMES.DAT" "$BIN/SOL.RGF" "$BIN/plus" "$PROGRAM/"
export HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share"
mkdir -p "$XDG_DATA_HOME/Quillon"
# Autoplay off, so that only the dragged card moves.
{
    printf '[Preference]\r\nAutoPlay=N\r\n'
    printf '[Autoplay]\r\nGames=%s\r\n' "$(printf 'N%.0s' $(seq 200))"
} >"$XDG_DATA_HOME/Quillon/Cfg.dat"

shot() { import -window root "$SHOTS/$1.png"; }

# shellcheck source=screen.sh
source "$(dirname "$0")/screen.sh"

# The pixels of the table part of the main window, as raw RGB.
table_pixels() {
    import -window root -depth 8 -crop "${TABLE_W}x${TABLE_H}+${WIN_X}+$((WIN_Y + TABLE_TOP))" "rgb:$1"
}

"$PROGRAM/quillon" >"$WORK/quillon.log" 2>&1 &
PIDS+=($!)
MAIN=$(wait_window '^Quillon 2003')

# The game list: FreeCell, typed as a person would.
LIST=$(wait_window '^Open a game$')
xdotool windowactivate --sync "$LIST" 2>/dev/null || xdotool windowfocus --sync "$LIST"
settle
xdotool type --delay 80 FreeCell
xdotool key Return
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Open a game$' >/dev/null 2>&1 || break
    sleep 0.1
done
settle
CODE=$(xdotool getwindowname "$MAIN" | sed -n 's/.*\[\([0-9]\{13\}\)\]$/\1/p')
[ -n "$CODE" ] || fail "no deal code in the title"
say "FreeCell deal $CODE"

# Where the table lies: below the band, found as the first row of the table's colour.
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
WIN_X=$X WIN_Y=$Y WIN_H=$HEIGHT TABLE_W=$WIDTH
import -window root -depth 8 -crop "1x${WIN_H}+$((WIN_X + 2))+$WIN_Y" txt:"$WORK/column.txt"
TABLE_TOP=$(python3 - "$WORK/column.txt" <<'EOF'
import re, sys
rows = []
for line in open(sys.argv[1]):
    m = re.match(r'\s*0,(\d+): \((\d+),(\d+),(\d+)', line)
    if m:
        rows.append(tuple(int(v) for v in m.groups()[1:]))
near = lambda a, b: all(abs(x - y) <= 12 for x, y in zip(a, b))
k = len(rows) - 1
while k > 0 and near(rows[k - 1], rows[k]):
    k -= 1
print(k)
EOF
)
TABLE_H=$((WIN_H - TABLE_TOP))

# The first move the rules allow ("Fila3 027 -> Dest1" becomes "027 Dest1"), and where its card
# is pressed and let go.
"$CLI" moves 103 "$CODE" >"$WORK/moves.txt" || fail "no moves listed for deal $CODE"
awk 'NR == 1 { print $2, $4 }' "$WORK/moves.txt" >"$WORK/move.txt"
[ -s "$WORK/move.txt" ] || fail "no legal move in deal $CODE"
say "move: $(cat "$WORK/move.txt")"
"$CLI" drags 103 "$CODE" B "$TABLE_W" "$TABLE_H" "$WIN_H" "$SCREEN_W" "$SCREEN_H" <"$WORK/move.txt" \
    >"$WORK/drags.txt" || fail "the move does not replay"
read -r X1 Y1 X2 Y2 <"$WORK/drags.txt"

shot 1-dealt
table_pixels "$WORK/dealt.rgb"
xdotool mousemove --sync $((X1 + WIN_X)) $((Y1 + WIN_Y + TABLE_TOP))
xdotool mousedown 1
for k in 1 2 3 4 5 6 7 8; do
    xdotool mousemove --sync $((X1 + WIN_X + (X2 - X1) * k / 8)) $((Y1 + WIN_Y + TABLE_TOP + (Y2 - Y1) * k / 8))
    sleep 0.02
done
xdotool mouseup 1
settle
shot 2-moved
table_pixels "$WORK/moved.rgb"
cmp -s "$WORK/dealt.rgb" "$WORK/moved.rgb" && fail "the drag moved nothing"

xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+z
settle
shot 3-undone
table_pixels "$WORK/undone.rgb"
cmp -s "$WORK/dealt.rgb" "$WORK/undone.rgb" || fail "after Ctrl+Z the table is not the dealt table"
say "Ctrl+Z: the dealt table again"

xdotool key ctrl+y
settle
shot 4-redone
table_pixels "$WORK/redone.rgb"
# The replayed card is drawn as a whole repaint draws it; the dropped card took its corner pixels
# from what lay under it then (the free cell's mark), so those few pixels may differ.
DIFFER=$(compare -metric AE -size "${TABLE_W}x${TABLE_H}" -depth 8 "rgb:$WORK/moved.rgb" "rgb:$WORK/redone.rgb" \
    null: 2>&1 || true)
[ "${DIFFER%% *}" -le 12 ] 2>/dev/null || fail "after Ctrl+Y the table is not as the move left it ($DIFFER pixels differ)"
say "Ctrl+Y: the move again; screenshots in $SHOTS"
