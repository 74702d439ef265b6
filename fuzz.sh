#!/usr/bin/env bash
# Fuzzes every file format the program reads with clang's libFuzzer, under AddressSanitizer and
# UndefinedBehaviorSanitizer: builds the harnesses of tests/fuzz in build-fuzz/ and runs each for
# SECONDS (default 60) from its seed corpus, seeded also from the real files the build makes
# (GAMES.DAT, the resource libraries and their pictures).
#
#   ./fuzz.sh [SECONDS] [NAME...]      e.g. ./fuzz.sh 600, or ./fuzz.sh 30 ini keyfile
#
# An input that takes longer than FUZZ_TIMEOUT seconds (default 1) is a failure. The limit is wall
# time: on a machine busy with other work, raise it and read the slowest input's time from the
# summary instead.
#
# New inputs that reach new code go to build-fuzz/corpus/NAME; a crashing input is written to
# build-fuzz/artifacts/ and the script exits non-zero. Put each crashing input into
# tests/fuzz/corpus/NAME/ when the fault is fixed: the normal test build replays those corpora.
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
shift || true
./scripts/install-deps.sh

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLON_FUZZ=ON "${launcher[@]}" >/dev/null

all=(ini keyfile gamesdat customgames library image preview stats)
names=("$@")
((${#names[@]})) || names=("${all[@]}")
targets=()
for n in "${names[@]}"; do targets+=("fuzz_$n"); done
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}" games_dat resource_libraries preview_file

# Real files the build made, as seeds beside the committed corpus.
seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{gamesdat,library,image,preview}
cp build-fuzz/bin/GAMES.DAT "$seeds/gamesdat/"
cp build-fuzz/bin/solp.dat "$seeds/preview/"
cp build-fuzz/bin/plus/soladd.rgf "$seeds/library/"
if command -v unzip >/dev/null; then
    unzip -qq -j -o build-fuzz/bin/SOL.RGF 'bitmap/CL001*.png' 'rcdata/*.jpg' -d "$seeds/image" 2>/dev/null || true
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
mkdir -p build-fuzz/artifacts
status=0
summary=()
for n in "${names[@]}"; do
    work=build-fuzz/corpus/$n
    mkdir -p "$work"
    extra=()
    [[ -d $seeds/$n ]] && extra+=("$seeds/$n")
    log=build-fuzz/fuzz-$n.log
    echo "== $n: ${seconds}s"
    if ! build-fuzz/fuzz/fuzz_$n -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-1}" -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$n-" \
        "$work" "tests/fuzz/corpus/$n" "${extra[@]}" >"$log" 2>&1; then
        status=1
        echo "   FAILED: see $log and build-fuzz/artifacts/"
    fi
    execs=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo "?")
    slowest=$(grep -o 'stat::slowest_unit_time_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    summary+=("$(printf '%-12s %8s exec/s  %6s edges  slowest input %s s' "$n" "$execs" "$cov" "$slowest")")
done
printf '%s\n' "${summary[@]}"
exit $status
