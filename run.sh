#!/usr/bin/env bash
# Installs what is missing, builds the optimised program in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF -DQUILLON_BENCHMARKS=OFF >/dev/null
cmake --build build --parallel "$(nproc)"
exec ./build/bin/quillon "$@"
