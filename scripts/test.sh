#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test level: unit and system tests on an
# AddressSanitizer + UndefinedBehaviorSanitizer build, end-to-end tests on the release build.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
qx_install_missing

jobs=$(nproc)
qx_build "$QX_ROOT/build-asan" -DQX_SANITIZE=ON -DQX_BUILD_BENCH=OFF -DQX_BUILD_E2E_TESTS=OFF -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$QX_ROOT/build-asan" && ctest --output-on-failure -j "$jobs" -L 'unit|system')

qx_build "$QX_ROOT/build" -DQX_BUILD_FAST_TESTS=OFF -DQX_BUILD_E2E_TESTS=ON
(cd "$QX_ROOT/build" && ctest --output-on-failure -j "$jobs" -L e2e --no-tests=ignore)
