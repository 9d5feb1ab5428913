#!/usr/bin/env bash
# Runs a command against a private X server (Xvfb) with a small window manager (openbox),
# so that windows get frames and the window manager's stacking states work as on a desktop.
set -euo pipefail
display_num=${VIDMORA_XVFB_DISPLAY:-$(( 90 + RANDOM % 400 ))}
while [ -e "/tmp/.X11-unix/X$display_num" ] || [ -e "/tmp/.X$display_num-lock" ]; do
  display_num=$((display_num + 1))
done
Xvfb ":$display_num" -screen 0 1280x1024x24 -nolisten tcp > /tmp/vidmora-xvfb-$display_num.log 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display_num"
for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
openbox > /tmp/vidmora-openbox-$display_num.log 2>&1 &
wm_pid=$!
sleep 0.5
cleanup() { kill "$wm_pid" "$xvfb_pid" 2> /dev/null || true; }
trap cleanup EXIT
"$@"
