#!/usr/bin/env bash
# Installs what is missing, builds, and runs the browser. Without a display it runs it on a
# screen of its own (Xvfb), writes a screenshot once the window is up, and ends it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
qx_install_missing
qx_build "$QX_ROOT/build" -DQX_BUILD_TESTS=OFF -DQX_BUILD_BENCH=OFF
program="$QX_ROOT/build/bin/qxbrowser"
if [ -n "${DISPLAY:-}" ] || [ "${QX_BACKEND:-}" = headless ]; then
  exec "$program" "$@"
fi

shot="$QX_ROOT/build/qxbrowser-screenshot.png"
scratch=$(mktemp -d)
xvfb_pid=""
program_pid=""
finish() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap finish EXIT

# Xvfb says which display it took once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "qxbrowser: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"
echo "No display: running qxbrowser on its own screen $DISPLAY (Xvfb)"

NO_AT_BRIDGE=1 WEBKIT_DISABLE_COMPOSITING_MODE=1 "$program" "$@" &
program_pid=$!
if ! timeout 60 xdotool search --sync --onlyvisible --class qxbrowser >/dev/null 2>&1; then
  echo "qxbrowser: no window appeared" >&2
  exit 1
fi
# The screen is ready when two pictures half a second apart are the same.
import -window root "$scratch/a.png"
for _ in $(seq 20); do
  sleep 0.5
  import -window root "$scratch/b.png"
  cmp -s "$scratch/a.png" "$scratch/b.png" && break
  mv "$scratch/b.png" "$scratch/a.png"
done
cp "$scratch/a.png" "$shot"
echo "Screenshot of the browser's window: $shot"
