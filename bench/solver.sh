#!/bin/sh
# Solver figures: deals GAME from COUNT deal codes (fixed pseudo-random ones, the same every run)
# and asks "quillon-cli solve" for a win within BUDGET each ("5s", or a number of positions).
# Prints one line per deal and then the games won, with the median time of all deals and of the
# won ones. Times are given twice: as the clock on the wall saw them and as processor time of the
# solver alone, which a loaded machine does not stretch.
#   bench/solver.sh build-rel/bin 103 100 5s
set -eu
BIN=${1:?program folder}
GAME=${2:?game number}
COUNT=${3:-100}
BUDGET=${4:-5s}
python3 - "$BIN" "$GAME" "$COUNT" "$BUDGET" <<'PY'
import random, resource, subprocess, sys, time, statistics
bin_, game, count, budget = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
rng = random.Random(20031)
won, times, wintimes, cpus, wincpus = 0, [], [], [], []
def cpu():
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return r.ru_utime + r.ru_stime
for k in range(count):
    code = "%013d" % rng.randrange(10**13)
    t, c = time.monotonic(), cpu()
    r = subprocess.run([bin_ + "/quillon-cli", "solve", game, code, budget], capture_output=True, text=True)
    dt, dc = time.monotonic() - t, cpu() - c
    ok = r.returncode == 0
    won += ok
    times.append(dt)
    cpus.append(dc)
    if ok:
        wintimes.append(dt)
        wincpus.append(dc)
    print("%s %s %.2fs cpu %.2fs %s" % (code, "won" if ok else "not", dt, dc, r.stderr.strip().split(": ", 1)[-1]), flush=True)
med = lambda v: statistics.median(v) if v else 0
print("game %s: %d of %d won within %s; median time %.2fs (won deals %.2fs); median cpu %.2fs (won deals %.2fs)" % (
    game, won, count, budget, med(times), med(wintimes), med(cpus), med(wincpus)), flush=True)
PY
