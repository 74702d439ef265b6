#!/bin/sh
# Solver figures: deals GAME from COUNT deal codes (fixed pseudo-random ones, the same every run)
# and asks "quillon-cli solve" for a win within BUDGET each ("5s", or a number of positions).
# Prints one line per deal and then the games won, with the median time of all deals and of the
# won ones. Times are given twice: as the clock on the wall saw them and as processor time of the
# solver alone, which a loaded machine does not stretch. JOBS (default 1) deals are solved at once;
# each deal's processor time is its own process's. SKIP leaves out the first deal codes.
#   JOBS=2 bench/solver.sh build-rel/bin 103 100 5s
set -eu
BIN=${1:?program folder}
GAME=${2:?game number}
COUNT=${3:-100}
BUDGET=${4:-5s}
python3 - "$BIN" "$GAME" "$COUNT" "$BUDGET" "${JOBS:-1}" "${SKIP:-0}" <<'PY'
import os, random, subprocess, sys, time, statistics
bin_, game, count, budget, jobs = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4], int(sys.argv[5])
skip = int(sys.argv[6])
rng = random.Random(20031)
codes = ["%013d" % rng.randrange(10**13) for _ in range(count)]
won, times, wintimes, cpus, wincpus = 0, [], [], [], []
running = {}  # pid -> (code, process, start)
codes = codes[skip:]
pending = list(codes)
while pending or running:
    while pending and len(running) < jobs:
        code = pending.pop(0)
        p = subprocess.Popen([bin_ + "/quillon-cli", "solve", game, code, budget],
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        running[p.pid] = (code, p, time.monotonic())
    pid, status, usage = os.wait4(-1, 0)
    if pid not in running:
        continue
    code, p, t = running.pop(pid)
    dt, dc = time.monotonic() - t, usage.ru_utime + usage.ru_stime
    err = p.stderr.read()
    ok = os.waitstatus_to_exitcode(status) == 0
    won += ok
    times.append(dt)
    cpus.append(dc)
    if ok:
        wintimes.append(dt)
        wincpus.append(dc)
    print("%s %s %.2fs cpu %.2fs %s" % (code, "won" if ok else "not", dt, dc, err.strip().split(": ", 1)[-1]), flush=True)
med = lambda v: statistics.median(v) if v else 0
print("game %s: %d of %d won within %s; median time %.2fs (won deals %.2fs); median cpu %.2fs (won deals %.2fs)" % (
    game, won, len(codes), budget, med(times), med(wintimes), med(cpus), med(wincpus)), flush=True)
PY
