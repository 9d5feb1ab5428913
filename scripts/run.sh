#!/usr/bin/env bash
# Installs what is needed, builds Vidmora and starts it.
# Without a camera, four synthetic cameras stand in. Without a display, the program runs on a
# private X server for a few seconds and leaves a screenshot in out/vidmora.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if ! ls /dev/video* > /dev/null 2>&1 && [ -z "${VIDMORA_TEST_CAMERAS:-}" ]; then
  echo "No camera found: starting with four synthetic cameras (VIDMORA_TEST_CAMERAS=4)."
  export VIDMORA_TEST_CAMERAS=4
fi
if [ -n "${WAYLAND_DISPLAY:-}" ]; then export QT_QPA_PLATFORM=xcb; fi  # the global hotkey needs X11 (XWayland)
if [ -n "${DISPLAY:-}" ]; then
  exec build/vidmora
fi
echo "No display found: running on a private X server; the screenshot goes to out/vidmora.png."
mkdir -p out
scripts/with-x-server.sh bash -c '
  build/vidmora & pid=$!
  sleep "${VIDMORA_SCREENSHOT_DELAY:-6}"
  import -window root out/vidmora.png
  xdotool search --name "^Vidmora$" key --window %@ Escape 2> /dev/null || kill "$pid"
  wait "$pid"'
echo "Screenshot: $(pwd)/out/vidmora.png"
