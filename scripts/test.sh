#!/usr/bin/env bash
# Installs what is needed, builds Vidmora and runs every test (some against a private X server).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
scripts/with-x-server.sh ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
