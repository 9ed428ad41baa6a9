#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts Corvane Shaper, optionally on a document.
set -euo pipefail
# A document named relative to the caller's folder stays valid after the cd below.
args=()
for a in "$@"; do
  if [ -e "$a" ]; then args+=("$(realpath "$a")"); else args+=("$a"); fi
done
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target corvane-shaper
exec ./build/corvane-shaper "${args[@]}"
