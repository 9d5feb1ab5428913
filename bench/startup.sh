#!/usr/bin/env bash
# Start-up of the program on a private X server: time until the main window is visible, and the
# program's memory after a few seconds of preview. Usage: bench/startup.sh [binary] [cameras]
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/vidmora}
export VIDMORA_TEST_CAMERAS=${2:-1}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" BINARY="$binary"
scripts/with-x-server.sh bash -c '
  start=$(date +%s%N)
  "$BINARY" 2> /dev/null & pid=$!
  until xdotool search --onlyvisible --name "^Vidmora$" > /dev/null 2>&1; do sleep 0.01; done
  echo "main window visible after $(( ($(date +%s%N) - start) / 1000000 )) ms"
  sleep 5
  echo "resident memory after 5 s with $VIDMORA_TEST_CAMERAS camera(s): $(grep VmRSS /proc/$pid/status | tr -s " " | cut -d" " -f2-)"
  kill -TERM "$pid"; wait "$pid"'
