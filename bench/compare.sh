#!/usr/bin/env bash
# Start-up and memory of the program beside its best-known desktop peers, measured the same way in
# one run under Xvfb (1280 x 1024): for each program RUNS starts (default 5) with a fresh private
# home, each timed from the start of the process to the map event of its main window and to the
# first drawing on it (bench/mapwait.c: X structure and damage events, no polling); the peak memory
# (VmHWM) one second after the window showed; the CPU time the idle program uses in ten seconds.
# Peers are measured when installed (Debian's aisleriot and kpat); the ratios compare each peer
# with this program.
#
#   bench/compare.sh            RUNS=3 bench/compare.sh
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

display=""
for n in $(seq 161 199); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
        display=$n
        break
    fi
done
[[ -n $display ]] || { echo "no free display" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-compare-XXXXXX")
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

# Our program starts as a returning player does: a game chosen before, a 1024 x 768 window.
prepare_quillon() {
    mkdir -p "$1/share/Quillon"
    cat >"$1/share/Quillon/Cfg.dat" <<'CFG'
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
[Parameters]
Players_Names_V01=Y
CFG
}
prepare_none() { :; }

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# measure NAME TITLE-PREFIX PREPARE PROGRAM [ARGS...]: prints "NAME map paint peak-kB idle-ms".
measure() {
    local name=$1 prefix=$2 prep=$3
    shift 3
    local maps=() paints=() peaks=() idle=0
    for i in $(seq "$runs"); do
        local home="$work/$name-$i"
        mkdir -p "$home"
        "$prep" "$home"
        local pid map paint
        read -r pid map paint < <(env -i DISPLAY="$DISPLAY" HOME="$home" XDG_DATA_HOME="$home/share" \
            XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" PATH=/usr/bin:/bin \
            "$root/build/bench-tools/mapwait" "$prefix" 30 "$@")
        sleep 1
        peaks+=("$(awk '/VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)")
        if ((i == runs)); then
            sleep 2
            ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
            local before after
            before=$(ticks)
            sleep 10
            after=$(ticks)
            idle=$(((after - before) * 1000 / $(getconf CLK_TCK)))
        fi
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        maps+=("$map") paints+=("$paint")
    done
    echo "$name $(median "${maps[@]}") $(median "${paints[@]}") $(median "${peaks[@]}") $idle"
}

results=()
results+=("$(measure quillon "Quillon 2003" prepare_quillon "$root/build/bin/quillon")")
if [[ -x /usr/games/sol ]]; then
    results+=("$(measure aisleriot "" prepare_none /usr/games/sol)")
fi
if [[ -x /usr/games/kpat ]]; then
    results+=("$(measure kpat "" prepare_none /usr/games/kpat)")
fi

read -r _ qmap qpaint qpeak _ <<<"${results[0]}"
printf '%-10s %9s %9s %9s %9s   %s\n' program "map ms" "paint ms" "VmHWM MiB" "idle ms" "ratio to quillon (map, paint, memory)"
for r in "${results[@]}"; do
    read -r name map paint peak idle <<<"$r"
    ratio=$(awk -v m="$map" -v p="$paint" -v k="$peak" -v qm="$qmap" -v qp="$qpaint" -v qk="$qpeak" \
        'BEGIN { printf "%.2f  %.2f  %.2f", m / qm, p / qp, k / qk }')
    printf '%-10s %9s %9s %9.1f %9s   %s\n' "$name" "$map" "$paint" "$(awk -v k="$peak" 'BEGIN{print k/1024}')" "$idle" "$ratio"
done
