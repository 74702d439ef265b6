# Shared by the start-up benchmarks (sourced, not run): the optimised program, the window timer,
# a private Xvfb screen and session bus, the prepared configuration of a returning player.
#
# QUILLON_BUILD names the build folder to measure (default build/, built when it has no program);
# QUILLON_BENCH_DISPLAY a display number to use instead of the first free one from 120 on.
# After bench_setup: $root, $build, $mapwait, $work (a scratch folder removed at the end), DISPLAY,
# DBUS_SESSION_BUS_ADDRESS.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUILLON_BUILD:-build}
[[ $build == /* ]] || build="$root/$build"
bench_pids=()

bench_cleanup() {
    local pid
    for pid in "${bench_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    [[ -n ${work:-} ]] && rm -rf "$work"
}

bench_setup() {
    if [[ ! -x $build/bin/quillon ]]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF \
            -DQUILLON_BENCHMARKS=OFF >/dev/null
        cmake --build "$build" --parallel 2
    fi
    mapwait="$build/bench-tools/mapwait"
    mkdir -p "$build/bench-tools"
    if [[ ! -x $mapwait || $root/bench/mapwait.c -nt $mapwait ]]; then
        cc -O2 -Wall -o "$mapwait" "$root/bench/mapwait.c" -lxcb -lxcb-damage
    fi

    local display=${QUILLON_BENCH_DISPLAY:-} n
    if [[ -z $display ]]; then
        for n in $(seq 120 199); do
            if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
                display=$n
                break
            fi
        done
    fi
    [[ -n $display ]] || { echo "no free display" >&2; exit 1; }
    work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-bench-XXXXXX")
    trap bench_cleanup EXIT
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    bench_pids+=($!)
    export DISPLAY=":$display"
    for _ in $(seq 100); do
        [[ -e /tmp/.X11-unix/X$display ]] && break
        sleep 0.05
    done
    # One private session bus for every program measured: the desktop toolkits expect one (KDE
    # programs end at once without it), and none should pay for starting its own.
    local address
    address=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>>"$work/dbus.log" | {
        read -r a
        read -r p
        echo "$a $p"
    })
    export DBUS_SESSION_BUS_ADDRESS=${address% *}
    bench_pids+=("${address##* }")
}

# A returning player's data folder: a game chosen before, the players known, a 1024 x 768 window.
bench_prepare_home() {
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

# bench_start HOME WINDOW PROGRAM [ARGS...]: starts the program in a clean environment with the
# given home and prints mapwait's "<pid> <map ms> <paint ms> <child pid> <cpu ms>".
bench_start() {
    local home=$1 window=$2
    shift 2
    mkdir -p -m 700 "$home/run"
    env -i DISPLAY="$DISPLAY" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" HOME="$home" \
        XDG_DATA_HOME="$home/share" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
        XDG_RUNTIME_DIR="$home/run" LANG=C.UTF-8 NO_AT_BRIDGE=1 PATH=/usr/bin:/bin \
        "$mapwait" "$window" 30 "$@" || true
}

# bench_stop PID CHILD: ends a started program (the window's owner, then the started child).
bench_stop() {
    # Only real process numbers: a start that failed leaves nothing, and kill -1 would reach
    # every process of the user.
    [[ $1 =~ ^[0-9]+$ && $1 -gt 1 && $2 =~ ^[0-9]+$ && $2 -gt 1 ]] || return 0
    kill "$1" "$2" 2>/dev/null || true
    wait "$2" 2>/dev/null || true
    local i
    for i in $(seq 40); do
        [[ $(awk '{print $3}' "/proc/$1/stat" 2>/dev/null || echo Z) == Z ]] && break
        sleep 0.05
    done
}

# The CPU time in milliseconds the process uses in ten seconds, once it has settled.
bench_idle_ms() {
    local pid=$1 before after
    ticks() { awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null || echo 0; }
    sleep 2
    before=$(ticks)
    sleep 10
    after=$(ticks)
    echo $(((after - before) * 1000 / $(getconf CLK_TCK)))
}

bench_peak_kb() { [[ $1 =~ ^[0-9]+$ ]] && awk '/VmHWM/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
