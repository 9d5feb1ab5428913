#!/usr/bin/env bash
# Installs everything Vidmora needs to build, run and test on Debian 12. Idempotent, non-interactive.
set -euo pipefail
packages=(
  cmake g++ make pkg-config libgtest-dev libgmock-dev
  qt6-base-dev
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev gstreamer1.0-tools
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav
  libjpeg62-turbo-dev libx11-dev
  xvfb xauth xdotool x11-utils openbox imagemagick ffmpeg fonts-wqy-microhei xdg-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
