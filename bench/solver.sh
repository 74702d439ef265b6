#!/bin/sh
# Solver figures: deals GAME from COUNT deal codes (fixed pseudo-random ones, the same every run)
# and asks "quillon-cli solve" for a win within BUDGET each ("5s", or a number of positions).
# Prints one line per deal and then the games won, with the median time of all deals and of the
# won ones.
#   bench/solver.sh build-rel/bin 103 100 5s
set -eu
BIN=${1:?program folder}
GAME=${2:?game number}
COUNT=${3:-100}
BUDGET=${4:-5s}
python3 - "$BIN" "$GAME" "$COUNT" "$BUDGET" <<'PY'
import random, subprocess, sys, time, statistics
bin_, game, count, budget = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
rng = random.Random(20031)
won, times, wintimes = 0, [], []
for k in range(count):
    code = "%013d" % rng.randrange(10**13)
    t = time.monotonic()
    r = subprocess.run([bin_ + "/quillon-cli", "solve", game, code, budget], capture_output=True, text=True)
    dt = time.monotonic() - t
    ok = r.returncode == 0
    won += ok
    times.append(dt)
    if ok:
        wintimes.append(dt)
    print("%s %s %.2fs %s" % (code, "won" if ok else "not", dt, r.stderr.strip().split(": ", 1)[-1]), flush=True)
print("game %s: %d of %d won within %s; median time %.2fs (won deals %.2fs)" % (
    game, won, count, budget, statistics.median(times), statistics.median(wintimes) if wintimes else 0), flush=True)
PY
