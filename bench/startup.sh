#!/usr/bin/env bash
# Start-up time and memory of the program under Xvfb: five starts with a private data folder and a
# prepared configuration (a game chosen before, the players known, a 1024 x 768 window), each timed
# from the start of the process to the first drawing of its main window after it was mapped, as the
# X server reports them (structure and damage events, no polling). Start-up deals no game: the
# first drawing is the window with its toolbar and its table, before the game list opens.
# Prints the medians, the peak memory (VmHWM) one second after the window showed, and the CPU time
# the idle program uses in ten seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runs=${RUNS:-5}

if [[ ! -x build/bin/quillon ]]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF -DQUILLON_BENCHMARKS=OFF >/dev/null
    cmake --build build --parallel 2
fi
mkdir -p build/bench-tools
if [[ ! -x build/bench-tools/mapwait || bench/mapwait.c -nt build/bench-tools/mapwait ]]; then
    cc -O2 -Wall -o build/bench-tools/mapwait bench/mapwait.c -lxcb -lxcb-damage
fi

# A free display number.
display=""
for n in $(seq 120 160); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
        display=$n
        break
    fi
done
[[ -n $display ]] || { echo "no free display" >&2; exit 1; }
work=$(mktemp -d /tmp/quillon-startup-XXXXXX)
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do
    [[ -e /tmp/.X11-unix/X$display ]] && break
    sleep 0.05
done

prepare() {
    local home=$1
    rm -rf "$home"
    mkdir -p "$home/share/Quillon"
    cat >"$home/share/Quillon/Cfg.dat" <<'CFG'
[Preference]
MainWindowState_Maximized=N
MainWindowState_Left=20
MainWindowState_Top=20
MainWindowState_Width=1024
MainWindowState_Height=768
Game=0101
Game_name=Klondike
UserDefault=Player 1
[Users]
User001=Player 1
User002=Player 2
User003=Player 3
[Parameters]
Players_Names_V01=Y
CFG
}

maps=() paints=() peaks=()
for i in $(seq "$runs"); do
    home="$work/home$i"
    prepare "$home"
    read -r pid map paint < <(env -i DISPLAY="$DISPLAY" HOME="$home" XDG_DATA_HOME="$home/share" \
        PATH=/usr/bin:/bin "$root/build/bench-tools/mapwait" "Quillon 2003" 20 "$root/build/bin/quillon")
    sleep 1
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    if ((i == runs)); then
        # Idle: the program's own CPU time over ten seconds, once it has settled.
        sleep 2
        ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
        before=$(ticks)
        sleep 10
        after=$(ticks)
        idle_ms=$(((after - before) * 1000 / $(getconf CLK_TCK)))
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "run $i: mapped ${map} ms, painted ${paint} ms, VmHWM ${peak} kB"
    maps+=("$map") paints+=("$paint") peaks+=("$peak")
done

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
echo "median: mapped $(median "${maps[@]}") ms, painted $(median "${paints[@]}") ms," \
    "VmHWM $(($(median "${peaks[@]}") / 1024)) MiB"
echo "idle: ${idle_ms} ms of CPU in 10 s"
