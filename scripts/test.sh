#!/usr/bin/env bash
# Installs what is missing, builds everything (Release, the core under ASan+UBSan, the windows' tests
# and the program under ASan+UBSan, and the document reader's and the import readers' fuzzers with
# clang) and runs every test, the fuzzers for a fixed time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
export LC_ALL=C.UTF-8
# The tests see only the fonts installed above (tests/fonts/fonts.conf), whatever else the machine has.
export FONTCONFIG_FILE="$PWD/tests/fonts/fonts.conf"
jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_CORE_ONLY=ON
cmake --build build-asan -j"$jobs"
# The windows under the sanitizers too: a fault in a window's life, down to the program's end, stops
# the test that meets it (undefined behaviour included).
cmake -S . -B build-asan-gui -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON
cmake --build build-asan-gui -j"$jobs" --target gui_tests gl_tests corvane-shaper
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DCORVANE_SANITIZE=ON -DCORVANE_CORE_ONLY=ON
cmake --build build-fuzz -j"$jobs" --target fuzz_gestfich fuzz_import
status=0
# The studio's tests start an X server each (scripts/own_x_server.sh); the others need none.
( cd build && ctest --output-on-failure -j"$jobs" ) || status=1
( cd build-asan && ctest --output-on-failure -j"$jobs" ) || status=1
# The core's tests ran in build-asan just above.
( cd build-asan-gui && ctest --output-on-failure -j"$jobs" -E '^core_' ) || status=1
( cd build-fuzz && ctest --output-on-failure -R '^fuzz_' ) || status=1
exit $status
