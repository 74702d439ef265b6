#!/bin/bash
# Plays FreeCell and then the sliding puzzle "Put-Them-In-Order (3x3 square)" to a win the way a
# person does: on a virtual screen, with the mouse, through the program's own game list. FreeCell
# is finished by autoplay: once only foundation moves are left, F7 switches it on.
# QUILLON_UI_GAMES="219:Pairs (4 x 3);206:Fourteen Out" plays other games instead.
#
#   tests/ui/play_to_win.sh [PROGRAM_FOLDER] [SHOTS_FOLDER]
#
# PROGRAM_FOLDER holds quillon, quillon-cli and the data files (default build-test/bin);
# screenshots go to SHOTS_FOLDER (default a new temporary folder). The display is :92 unless
# QUILLON_UI_DISPLAY names another number; a virtual screen is started there when none runs.
# The program runs with a private home and data folder, so no real data folder is touched.
#
# The deal is drawn at random; the script reads its code from the window title and asks
# `quillon-cli solve` for a winning list of drops (dealing again with F2 when the search finds
# none), and `quillon-cli drags` for where each card lies on the table. After each drop it waits
# until the screen stops changing (the card's flight has ended) before the next one. The win is
# seen when the game list opens again by itself.
set -euo pipefail

BIN=$(cd "${1:-build-test/bin}" && pwd)
SHOTS=${2:-$(mktemp -d /tmp/quillon-ui-shots.XXXXXX)}
mkdir -p "$SHOTS"
NUM=${QUILLON_UI_DISPLAY:-92}
export DISPLAY=:$NUM
CLI="$BIN/quillon-cli"
export QUILLON_PROGRAM_DIR="$BIN"

WORK=$(mktemp -d /tmp/quillon-ui.XXXXXX)
XVFB_PID=""
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

say() { echo "play_to_win: $*" >&2; }
fail() {
    say "FAILED: $*"
    import -window root "$SHOTS/failure.png" 2>/dev/null || true
    say "screenshots in $SHOTS"
    exit 1
}

# A virtual screen of 1280 x 1024, unless one is already there.
if ! xdpyinfo >/dev/null 2>&1; then
    Xvfb ":$NUM" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xdpyinfo >/dev/null 2>&1 || fail "no virtual screen on $DISPLAY"
fi
read -r SCREEN_W SCREEN_H < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')

# A private copy of the program folder (the program writes its data-folder marker there) and a
# private home and data folder; autoplay stays off, so the cards move only as they are dragged,
# and a won game celebrates for two seconds only.
PROGRAM="$WORK/program"
mkdir -p "$PROGRAM"
cp -r "$BIN/quillon" "$BIN/GAMES.DAT" "$BIN/SOL.RGF" "$BIN/plus" "$PROGRAM/"
[ -d "$BIN/help" ] && cp -r "$BIN/help" "$PROGRAM/"
export HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/.local/share"
mkdir -p "$XDG_DATA_HOME/Quillon"
{
    printf '[Preference]\r\nAutoPlay=N\r\nWinning_Animations_Time=2\r\n'
    printf '[Autoplay]\r\nGames=%s\r\n' "$(printf 'N%.0s' $(seq 200))"
} >"$XDG_DATA_HOME/Quillon/Cfg.dat"

SHOT_N=0
shot() { # shot NAME: a screenshot kept for looking at later
    SHOT_N=$((SHOT_N + 1))
    import -window root "$SHOTS/$(printf '%03d' $SHOT_N)-$1.png"
}

# shellcheck source=screen.sh
source "$(dirname "$0")/screen.sh"

# In the game list: picks the game whose name begins with $1 (typed as a person would) and
# confirms it.
choose_game() {
    local list
    list=$(wait_window '^Open a game$')
    xdotool windowactivate --sync "$list" 2>/dev/null || xdotool windowfocus --sync "$list"
    settle
    xdotool type --delay 80 "$1"
    sleep 0.3
    shot "list-$2"
    xdotool key Return
    # The list closes and the new game is dealt.
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '^Open a game$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    settle
}

# The deal code in the title: "Quillon 2003 3.2  [FreeCell]  [1234567890123]".
deal_code() {
    xdotool getwindowname "$MAIN" | sed -n 's/.*\[\([0-9]\{13\}\)\]$/\1/p'
}

# Where the table lies on the screen: below the menu and the tool band, as wide as the window,
# down to the window's bottom. The band's last row is found as the first row of the table's own
# colour under it in the window's first column.
measure_table() {
    eval "$(xdotool getwindowgeometry --shell "$MAIN")"
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
    local column="$WORK/column.txt"
    import -window root -depth 8 -crop "1x${WIN_H}+$((WIN_X + 2))+$WIN_Y" txt:"$column"
    # The bottom row of the window shows the table; walk up while the colour stays the table's
    # (a plain or faded table changes slowly; the band is a different grey).
    TABLE_TOP=$(python3 - "$column" <<'EOF'
import re, sys
rows = []
for line in open(sys.argv[1]):
    m = re.match(r'\s*0,(\d+): \((\d+),(\d+),(\d+)', line)
    if m:
        rows.append(tuple(int(v) for v in m.groups()[1:]))
def near(a, b):
    return all(abs(x - y) <= 12 for x, y in zip(a, b))
k = len(rows) - 1
while k > 0 and near(rows[k - 1], rows[k]):
    k -= 1
print(k)
EOF
)
    TABLE_W=$WIN_W
    TABLE_H=$((WIN_H - TABLE_TOP))
    say "window ${WIN_W}x${WIN_H} at $WIN_X,$WIN_Y; table ${TABLE_W}x${TABLE_H} from row $TABLE_TOP"
}

# Drags from table point (x1, y1) to (x2, y2) in small steps, as a hand moves; with a fifth
# argument a screenshot of that name is taken half-way, the card in the hand.
drag() {
    local x1=$(($1 + WIN_X)) y1=$(($2 + WIN_Y + TABLE_TOP)) x2=$(($3 + WIN_X)) y2=$(($4 + WIN_Y + TABLE_TOP))
    if [ "$x1" -eq "$x2" ] && [ "$y1" -eq "$y2" ]; then
        # A press where the pointer is let go: a click (a move to where the pointer already is
        # would wait for ever for the pointer to arrive).
        xdotool mousemove "$x1" "$y1"
        sleep 0.1
        xdotool click 1
        return
    fi
    xdotool mousemove --sync "$x1" "$y1"
    sleep 0.05
    xdotool mousedown 1
    sleep 0.1
    for k in 1 2 3 4 5 6 7 8; do
        xdotool mousemove --sync $((x1 + (x2 - x1) * k / 8)) $((y1 + (y2 - y1) * k / 8))
        sleep 0.02
        if [ $k -eq 4 ] && [ -n "${5:-}" ]; then
            sleep 0.3
            shot "$5"
        fi
    done
    sleep 0.05
    xdotool mouseup 1
}

# Plays game $1 (its name begins with $2) to a win. With a third argument "autoplay" the hand
# stops once only cards for the foundations are left to move: F7 switches autoplay on, and
# autoplay must carry every remaining card home and end the game by itself.
play() {
    local game=$1 name=$2 finish=${3:-} code moves tries=0 before
    before=$(deal_code)
    choose_game "$name" "$game"
    # The title names the new game at once and its deal code when the deal is drawn.
    for _ in $(seq 100); do
        code=$(deal_code)
        [ -n "$code" ] && [ "$code" != "$before" ] && break
        sleep 0.1
    done
    while :; do
        code=$(deal_code)
        [ "$code" != "$before" ] || fail "no new deal code in the title"
        [ -n "$code" ] || fail "no deal code in the title '$(xdotool getwindowname "$MAIN")'"
        if "$CLI" solve "$game" "$code" 300000 >"$WORK/moves.txt" 2>"$WORK/solve.err"; then
            break
        fi
        tries=$((tries + 1))
        [ $tries -lt 20 ] || fail "twenty deals of game $game without a win found"
        say "deal $code of game $game: $(cat "$WORK/solve.err"); dealing again"
        # New game (F2) goes to the main window, which must hold the keyboard first.
        xdotool windowfocus --sync "$MAIN"
        xdotool key F2
        for _ in $(seq 100); do
            [ "$(deal_code)" != "$code" ] && break
            sleep 0.1
        done
        [ "$(deal_code)" != "$code" ] || fail "F2 dealt no new game"
        before=$code
        settle
    done
    moves=$(wc -l <"$WORK/moves.txt")
    say "game $game deal $code: $moves moves"
    # The moves played by hand: all of them, or with autoplay up to the last one that does not
    # go to a foundation.
    local by_hand=$moves
    if [ "$finish" = autoplay ]; then
        by_hand=$(awk '$2 !~ /^Dest/ { last = NR } END { print last + 0 }' "$WORK/moves.txt")
        [ "$by_hand" -lt "$moves" ] || fail "the winning moves end with no card for the foundations"
        say "by hand up to move $by_hand, then autoplay for the last $((moves - by_hand))"
    fi
    shot "dealt-$game"
    measure_table
    "$CLI" drags "$game" "$code" "$CARD_SIZE" "$TABLE_W" "$TABLE_H" "$WIN_H" "$SCREEN_W" "$SCREEN_H" \
        <"$WORK/moves.txt" >"$WORK/drags.txt" || fail "the moves do not replay"
    [ "$(tail -1 "$WORK/drags.txt")" = "won" ] || fail "the moves do not win"
    local n=0
    while read -r x1 y1 x2 y2; do
        [ "$x1" = "won" ] && break
        [ $n -lt "$by_hand" ] || break
        n=$((n + 1))
        if [ $n -eq 2 ]; then
            drag "$x1" "$y1" "$x2" "$y2" "game$game-dragging"
        else
            drag "$x1" "$y1" "$x2" "$y2"
        fi
        # The last drop wins: the game list opens and the screen may not rest before it.
        [ $n -lt "$moves" ] || break
        settle
        if [ $((n % 10)) -eq 1 ]; then shot "game$game-move$n"; fi
    done <"$WORK/drags.txt"
    if [ "$by_hand" -lt "$moves" ]; then
        shot "game$game-before-autoplay"
        xdotool windowfocus --sync "$MAIN"
        xdotool key F7
    fi
    # A memory game shows its result first; it is closed as a person would, with its OK button.
    local result
    for _ in $(seq 50); do
        result=$(xdotool search --onlyvisible --name '^Game Won$' 2>/dev/null | head -1) || true
        [ -n "$result" ] && break
        xdotool search --onlyvisible --name '^Open a game$' >/dev/null 2>&1 && break
        sleep 0.2
    done
    if [ -n "${result:-}" ]; then
        shot "result-$game"
        xdotool windowactivate --sync "$result" 2>/dev/null || true
        xdotool key Return
    fi
    # The win: the game list opens again by itself.
    wait_window '^Open a game$' >/dev/null
    shot "won-$game"
    say "game $game won"
}

CARD_SIZE=${QUILLON_UI_CARD_SIZE:-B}
"$PROGRAM/quillon" >"$WORK/quillon.log" 2>&1 &
APP_PID=$!
MAIN=$(wait_window '^Quillon 2003')
say "main window $MAIN"
if [ -n "${QUILLON_UI_GAMES:-}" ]; then
    # Other games, as "NUMBER:NAME" separated by ";" (a game played by pressing cards gets its
    # presses as drags that do not move).
    IFS=';' read -ra CHOSEN <<<"$QUILLON_UI_GAMES"
    for entry in "${CHOSEN[@]}"; do
        play "${entry%%:*}" "${entry#*:}"
    done
else
    play 103 FreeCell autoplay
    play 87 Put-Them
fi
shot "end"
say "every game won; screenshots in $SHOTS"
