#!/usr/bin/env bash
# A screenshot of every game of data/games, dealt in the program under Xvfb: each game is made the
# current one in a private configuration, chosen from the game list that opens at start, and the
# whole screen is saved as OUT/NNNN-name.png (default OUT: /tmp/quillon-shots). For looking at, not
# for keeping.
# usage: [GAMES="101 103"] bench/screenshots.sh [OUT] [DISPLAY-NUMBER] [WIDTHxHEIGHT]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=${1:-/tmp/quillon-shots}
display=${2:-91}
size=${3:-1024x768}
program=${PROGRAM:-$root/build/bin/quillon}
if [[ ! -x $program ]]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF -DQUILLON_BENCHMARKS=OFF >/dev/null
    cmake --build build --parallel 2
fi
mkdir -p "$out"
work=$(mktemp -d /tmp/quillon-shots-XXXXXX)
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
pid=""
cleanup() {
    [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.05
done

for toml in data/games/*.toml; do
    base=$(basename "$toml" .toml)
    number=$((10#${base%%-*}))
    # GAMES (space-separated numbers), when set, names the games to take.
    [[ -z ${GAMES:-} || " $GAMES " == *" $number "* ]] || continue
    name=$(sed -n 's/^name = "\(.*\)"/\1/p' "$toml" | head -1)
    home="$work/home"
    rm -rf "$home"
    mkdir -p "$home/share/Quillon"
    cat >"$home/share/Quillon/Cfg.dat" <<CFG
[Preference]
MainWindowState_Maximized=N
MainWindowState_Left=0
MainWindowState_Top=0
MainWindowState_Width=${size%x*}
MainWindowState_Height=${size#*x}
Game=$(printf '%04d' "$number")
Game_name=$name
[Parameters]
Players_Names_V01=Y
CFG
    HOME="$home" XDG_DATA_HOME="$home/share" "$program" >/dev/null 2>&1 &
    pid=$!
    # The game list opens at the first activation with the current game selected.
    # The list may be replaced by its final window while it is being looked for: try again then.
    for _ in $(seq 50); do
        list=$(xdotool search --sync --name '^Open a game$' 2>/dev/null | head -1) || continue
        xdotool windowfocus --sync "$list" key Return 2>/dev/null && break
        sleep 0.2
    done
    until xdotool search --sync --name "^Quillon 2003 3.2  \[" >/dev/null 2>&1; do sleep 0.2; done
    # The deal is animated: wait until the table below the menu and tool bar stays the same for
    # half a second (the clock in the status bar keeps changing, so it is left out).
    : >"$work/last.rgb"
    for _ in $(seq 40); do
        sleep 0.5
        import -window root -crop "${size%x*}x$((${size#*x} - 80))+0+60" rgb:"$work/now.rgb"
        cmp -s "$work/now.rgb" "$work/last.rgb" && break
        mv "$work/now.rgb" "$work/last.rgb"
    done
    import -window root "$out/$base.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
    echo "$out/$base.png"
done
