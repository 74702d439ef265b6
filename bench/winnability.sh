#!/bin/sh
# Measured winnability: deals every game of data/games (or the numbers given) from DEALS fixed
# deal codes, asks "quillon-cli solve" for a win within BUDGET each, and writes the counts into the
# game's file as info.won and info.played (attributes 501 and 502), which the open-game dialog
# shows as the chance of winning. A deal the solver does not win within the budget counts as lost,
# so the figures are a lower bound; a game of which no deal was won gets no figure. Run by hand,
# not by the build. JOBS (default 1) deals are solved at once:
#   JOBS=2 bench/winnability.sh build-rel/bin 20 3s [GAME...]
set -eu
cd "$(dirname "$0")/.."
BIN=${1:?program folder}
DEALS=${2:-20}
BUDGET=${3:-3s}
shift 3 || true
JOBS=${JOBS:-1} python3 - "$BIN" "$DEALS" "$BUDGET" "$@" <<'PY'
import concurrent.futures, glob, os, random, re, subprocess, sys
bin_, deals, budget, only = sys.argv[1], int(sys.argv[2]), sys.argv[3], set(int(x) for x in sys.argv[4:])
for path in sorted(glob.glob("data/games/*.toml")):
    number = int(os.path.basename(path).split("-")[0])
    if only and number not in only:
        continue
    rng = random.Random(1000 + number)
    codes = ["%013d" % rng.randrange(10**13) for _ in range(deals)]
    def solve(code):
        r = subprocess.run([bin_ + "/quillon-cli", "solve", str(number), code, budget], capture_output=True)
        return r.returncode == 0
    with concurrent.futures.ThreadPoolExecutor(int(os.environ["JOBS"])) as pool:
        won = sum(pool.map(solve, codes))
    text = open(path).read()
    text = re.sub(r"\n(won|played) = [0-9]+[^\n]*", "", text)
    # No deal won: the search fell short, which says nothing of the game; no figure is shown.
    if won == 0:
        open(path, "w").write(text)
        print("game %d: none of %d won; no figure written" % (number, deals), flush=True)
        continue
    if "\n[info]\n" not in text:
        text += "\n[info]\n"
    text = text.replace("\n[info]\n", "\n[info]\nwon = %d                   # measured: deals won by the solver...\nplayed = %d                # ...of this many, %s each\n" % (won, deals, budget), 1)
    open(path, "w").write(text)
    print("game %d: %d of %d won" % (number, won, deals), flush=True)
PY
