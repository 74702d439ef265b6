#!/usr/bin/env bash
# Start-up and memory of the program beside its best-known desktop peers, measured the same way in
# one run under Xvfb (1280 x 1024) with one private session bus: RUNS rounds (default 5), each
# starting every program once, in turn, with a fresh private home, so that a busy moment of the
# machine falls on all of them alike. Each start is timed from the start of the process to the map
# event of its main window and to the first drawing on it (bench/mapwait.c: X structure and damage
# events, no polling), and by the CPU time the program had used when that drawing was seen, which
# depends little on how busy the machine is with other work; the peak memory (VmHWM) is read one
# second after the window showed; the last round also takes the CPU time each idle program uses in
# ten seconds. Prints the medians and each program's ratios to this program.
#
# The peers are measured when installed: Debian's aisleriot (a GTK window of class "sol", which
# deals Klondike at once) and kpat (a KDE window of class "kpat", which shows its game chooser on a
# first start). Every start is a first start for the peers: their homes are fresh too.
#
#   bench/compare.sh      RUNS=3 QUILLON_BUILD=build-rel bench/compare.sh
set -euo pipefail
source "$(dirname "$0")/common.sh"
runs=${RUNS:-5}
bench_setup

# Each program: a name, the window it is recognised by, the command.
names=(quillon) windows=("Quillon 2003") commands=("$build/bin/quillon")
if [[ -x /usr/games/sol ]]; then
    names+=(aisleriot) windows+=(sol) commands+=(/usr/games/sol)
fi
if [[ -x /usr/games/kpat ]]; then
    names+=(kpat) windows+=(kpat) commands+=(/usr/games/kpat)
fi

declare -A maps paints cpus peaks idle
for i in $(seq "$runs"); do
    for p in "${!names[@]}"; do
        name=${names[p]}
        home="$work/$name-$i"
        bench_prepare_home "$home"
        read -r pid map paint child cpu < <(bench_start "$home" "${windows[p]}" "${commands[p]}")
        sleep 1
        peak=$(bench_peak_kb "$pid")
        ((i == runs)) && idle[$name]=$(bench_idle_ms "$pid")
        bench_stop "$pid" "$child"
        echo "round $i: $name mapped $map ms, painted $paint ms ($cpu ms of CPU), VmHWM $peak kB" >&2
        maps[$name]+=" $map" paints[$name]+=" $paint" cpus[$name]+=" ${cpu:--1}" peaks[$name]+=" $peak"
    done
done

echo "medians of $runs starts; load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-10s %9s %9s %9s %9s %9s   %s\n' program "map ms" "paint ms" "CPU ms" "VmHWM MiB" "idle ms" \
    "ratio to quillon (map, paint, CPU, memory)"
# shellcheck disable=SC2086 # the lists are words
qmap=$(median ${maps[quillon]}) qpaint=$(median ${paints[quillon]}) qcpu=$(median ${cpus[quillon]})
qpeak=$(median ${peaks[quillon]})
for name in "${names[@]}"; do
    # shellcheck disable=SC2086
    map=$(median ${maps[$name]}) paint=$(median ${paints[$name]}) cpu=$(median ${cpus[$name]})
    peak=$(median ${peaks[$name]})
    awk -v n="$name" -v m="$map" -v p="$paint" -v c="$cpu" -v k="$peak" -v i="${idle[$name]}" -v qm="$qmap" \
        -v qp="$qpaint" -v qc="$qcpu" -v qk="$qpeak" \
        'function r(a, b) { return a < 0 || b <= 0 ? "-" : sprintf("%.2f", a / b) }
        BEGIN { printf "%-10s %9s %9s %9s %9.1f %9s   %s  %s  %s  %s\n", n, m, p, c, k / 1024, i,
                r(m, qm), r(p, qp), r(c, qc), r(k, qk) }'
done
