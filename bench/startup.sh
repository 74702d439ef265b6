#!/usr/bin/env bash
# Start-up time and memory of the program under Xvfb: five starts with a private data folder and a
# prepared configuration (a game chosen before, the players known, a 1024 x 768 window), each timed
# from the start of the process to the first drawing of its main window after it was mapped, as the
# X server reports them (structure and damage events, no polling). Start-up deals no game: the
# first drawing is the window with its toolbar and its table, before the game list opens.
# Prints the medians, the peak memory (VmHWM) one second after the window showed, and the CPU time
# the idle program uses in ten seconds.
#
#   bench/startup.sh      RUNS=9 QUILLON_BUILD=build-rel bench/startup.sh
set -euo pipefail
source "$(dirname "$0")/common.sh"
runs=${RUNS:-5}
bench_setup

maps=() paints=() cpus=() peaks=()
for i in $(seq "$runs"); do
    home="$work/home$i"
    bench_prepare_home "$home"
    read -r pid map paint child cpu < <(bench_start "$home" "Quillon 2003" "$build/bin/quillon")
    sleep 1
    peak=$(bench_peak_kb "$pid")
    ((i == runs)) && idle_ms=$(bench_idle_ms "$pid")
    bench_stop "$pid" "$child"
    echo "run $i: mapped ${map} ms, painted ${paint} ms (${cpu} ms of CPU), VmHWM ${peak} kB"
    maps+=("$map") paints+=("$paint") cpus+=("${cpu:--1}") peaks+=("$peak")
done

echo "median: mapped $(median "${maps[@]}") ms, painted $(median "${paints[@]}") ms" \
    "($(median "${cpus[@]}") ms of CPU)," \
    "VmHWM $(($(median "${peaks[@]}") / 1024)) MiB"
echo "idle: ${idle_ms} ms of CPU in 10 s"
