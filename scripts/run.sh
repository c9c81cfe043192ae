#!/usr/bin/env bash
# Installs what is missing, builds, and runs the browser.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
qx_install_missing
qx_build "$QX_ROOT/build" -DQX_BUILD_TESTS=OFF -DQX_BUILD_BENCH=OFF
exec "$QX_ROOT/build/bin/qxbrowser" "$@"
