#!/bin/bash
# Klondike by Threes played on a real X display through the stock alone: the stock is clicked
# until it is empty, the empty stock is clicked to turn the waste over, twice; after the third
# pass the stock place shows the "no more redeals" mark and a click on it changes nothing.
# Every step waits for the screen to show its result (never for a fixed time).
#
#   tests/ui/klondike-threes-redeals.sh [BUILD_DIR] [DISPLAY_NUMBER] [SHOT_DIR]
#
# Needs Xvfb, xdotool, xdpyinfo and ImageMagick. Leaves its screenshots in SHOT_DIR.
set -euo pipefail

BUILD=${1:-build-test}
NUM=${2:-93}
SHOTS=${3:-$(mktemp -d /tmp/quillon-ui.XXXXXX)}
export DISPLAY=:$NUM
WORK=$(mktemp -d /tmp/quillon-ui-home.XXXXXX)
mkdir -p "$SHOTS" "$WORK/data"
PIDS=()
cleanup() {
    for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -n "${KEEP_UI_HOME:-}" ] || rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits until the command succeeds, polling; gives up after about 30 seconds.
wait_for() {
    for _ in $(seq 1 150); do
        if "$@"; then return 0; fi
        sleep 0.2
    done
    return 1
}

if ! xdpyinfo >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    wait_for xdpyinfo >/dev/null 2>&1 || fail "no X display $DISPLAY"
fi

HOME="$WORK" XDG_DATA_HOME="$WORK/data" SDL_AUDIODRIVER=dummy "$BUILD/bin/quillon" >"$WORK/app.log" 2>&1 &
PIDS+=($!)

chooser() { xdotool search --onlyvisible --name '^Open a game$' 2>/dev/null | head -1; }
has_chooser() { [ -n "$(chooser)" ]; }
wait_for has_chooser || fail "the game chooser did not open"
main() { xdotool search --onlyvisible --name 'Klondike by Threes' 2>/dev/null | head -1; }
has_main() { [ -n "$(main)" ]; }
# Klondike by Threes is picked by typing the start of its name in the list: the keys go to the
# chooser once it has the focus, and are given again until the game is dealt.
choose() {
    local w
    w=$(chooser)
    if [ -n "$w" ]; then
        xdotool windowfocus --sync "$w" 2>/dev/null && xdotool type --delay 60 "Klondike by" 2>/dev/null && xdotool key Return 2>/dev/null || true
    fi
    for _ in 1 2 3 4 5; do
        has_main && return 0
        sleep 0.2
    done
    return 1
}
wait_for choose || fail "Klondike by Threes was not dealt"
MAIN=$(main)

shot() { import -window root "$SHOTS/$1.png"; }
# The colour of one screen pixel.
pixel() { convert "$SHOTS/$1.png" -crop "1x1+$2+$3" -format '%[hex:p{0,0}]' info:; }
# A region of the last screenshot, as a checksum.
region() { convert "$SHOTS/$1.png" -crop "$2" +repage -format '%#' info:; }

# Waits until the table stops moving (flights over): two screenshots in a row show the same table.
settle() {
    local last now same=0
    last=$(region "$1" "${WIDTH}x400+$X+$TOP")
    for _ in $(seq 1 100); do
        sleep 0.2
        shot "$1"
        now=$(region "$1" "${WIDTH}x400+$X+$TOP")
        if [ "$now" = "$last" ]; then
            same=$((same + 1))
            [ $same -ge 4 ] && return 0
        else
            same=0
        fi
        last=$now
    done
    fail "the table does not come to rest"
}

# The table starts where the window's green begins below the menu and toolbar.
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
shot start
TOP=""
for dy in $(seq 0 200); do
    c=$(pixel start $((X + 4)) $((Y + dy)))
    g=$((16#${c:2:2})); r=$((16#${c:0:2})); b=$((16#${c:4:2}))
    if [ "$g" -gt 60 ] && [ "$g" -gt $((2 * r + 20)) ] && [ "$g" -gt $((2 * b + 20)) ]; then TOP=$((Y + dy)); break; fi
done
[ -n "$TOP" ] || fail "no table found"
read -r _ SX SY < <("$BUILD/bin/quillon-cli" layout 102 "$WIDTH" $((HEIGHT - (TOP - Y))) | grep '^Mazzo ')
read -r _ WX WY < <("$BUILD/bin/quillon-cli" layout 102 "$WIDTH" $((HEIGHT - (TOP - Y))) | grep '^Mazzo_Vis ')
STOCK_X=$((X + SX)); STOCK_Y=$((TOP + SY))
STOCK="71x96+$STOCK_X+$STOCK_Y"
PLAY="300x96+$STOCK_X+$STOCK_Y" # the stock and the waste beside it

# Autoplay is on at the first start: after the deal it may carry cards home. Once the table is at
# rest it is switched off with F7, so that the stock's cards stay where they are turned; the
# autoplay button on the toolbar shows the change.
settle start
BUTTON="40x30+$((X + 130))+$((Y + 14))"
pressed=$(region start "$BUTTON")
# The keys go to the window under the pointer: an empty place low on the table.
xdotool mousemove "$((X + 20))" "$((Y + HEIGHT - 40))" click 1
xdotool key F7
released() { shot f7; [ "$(region f7 "$BUTTON")" != "$pressed" ]; }
wait_for released || fail "F7 did not switch autoplay off"
settle f7
cp "$SHOTS/f7.png" "$SHOTS/start.png"

n=0
# Clicks the stock and waits for the stock and waste to change; false when nothing changed.
click_stock() {
    n=$((n + 1))
    local before
    shot "before-$n"
    before=$(region "before-$n" "$PLAY")
    xdotool mousemove "$((STOCK_X + 35))" "$((STOCK_Y + 48))" click 1
    changed() { shot "click-$n"; [ "$(region "click-$n" "$PLAY")" != "$before" ]; }
    for _ in $(seq 1 25); do
        if changed; then
            settle "click-$n"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# The stock shows a card back: its red pattern reaches into the card's corners (the marks of an
# empty stock are drawn on black).
reddish() {
    local c r g b
    c=$(pixel "click-$n" "$1" "$2")
    r=$((16#${c:0:2})); g=$((16#${c:2:2})); b=$((16#${c:4:2}))
    [ "$r" -gt 60 ] && [ "$r" -gt $((2 * g)) ] && [ "$r" -gt $((2 * b)) ]
}
stock_has_back() {
    local hits=0 dx dy
    for dx in 8 12 16 55 60; do
        for dy in 8 12 16 80 85; do
            reddish $((STOCK_X + dx)) $((STOCK_Y + dy)) && hits=$((hits + 1))
        done
    done
    [ $hits -ge 5 ]
}
cp "$SHOTS/start.png" "$SHOTS/click-0.png"
stock_has_back || fail "the stock does not show its back after the deal"
for pass in 1 2 3; do
    clicks=0
    # 24 cards, three at a time: eight clicks empty the stock (seven after a redeal click, which
    # turns the waste over and deals the first three of the new pass at once).
    while stock_has_back; do
        click_stock || fail "pass $pass: click $((clicks + 1)) changed nothing"
        clicks=$((clicks + 1))
        [ $clicks -le 8 ] || fail "pass $pass: the stock does not run out"
    done
    want=$([ $pass -eq 1 ] && echo 8 || echo 7)
    [ $clicks -eq "$want" ] || fail "pass $pass: the stock ran out after $clicks clicks, not $want"
    cp "$SHOTS/click-$n.png" "$SHOTS/pass-$pass-empty.png"
    MARK[$pass]=$(region "click-$n" "$STOCK")
    if [ $pass -lt 3 ]; then
        click_stock || fail "pass $pass: the empty stock did not turn the waste over"
        stock_has_back || fail "pass $pass: after the redeal the stock shows no back"
        cp "$SHOTS/click-$n.png" "$SHOTS/redeal-$pass.png"
    fi
done
# The first two empty stocks could be turned over; the third one shows another mark.
[ "${MARK[1]}" = "${MARK[2]}" ] || fail "the two redeal marks differ"
[ "${MARK[3]}" != "${MARK[1]}" ] || fail "after the last pass the stock still offers a redeal"
# A click on it changes nothing.
if click_stock; then fail "the exhausted stock reacted to a click"; fi
echo "PASS: three passes, two redeals, the stop mark after the last pass (screenshots in $SHOTS)"
