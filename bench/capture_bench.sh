#!/usr/bin/env bash
# Capture benchmark: four synthetic 640x480@30 cameras previewing and recording at once for a fixed
# time, against four ffmpeg processes doing the same encodes from a cheap source; then Motion JPEG
# pass-through against decoding and re-encoding. Public tools only: /usr/bin/time, ffprobe, ffmpeg.
# Usage: bench/capture_bench.sh [SECONDS] [BUILD_DIR]    (default 20 s, ./build)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=${2:-build}
driver="$build/bench/capture_bench"
[ -x "$driver" ] || cmake --build "$build" --target capture_bench > /dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

cpu_seconds() { awk -F': ' '/User time/{u=$2} /System time/{s=$2} END{printf "%.2f", u+s}' "$1"; }
peak_rss_mb() { awk -F': ' '/Maximum resident/{printf "%.0f", $2/1024}' "$1"; }
frames() { ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames -of csv=p=0 "$1"; }

# One run of the driver: prints "cpu_s frames cpu_ms_per_frame repeated peak_rss_mb first_preview_ms".
run_vidmora() {
  local mode=$1 compressor=$2 dir="$out/$3"
  mkdir -p "$dir"
  /usr/bin/time -v "$driver" "$seconds" "$mode" "$compressor" 4 "$dir" > "$dir/report" 2> "$dir/time"
  local total=0 f
  for f in "$dir"/*.avi; do total=$((total + $(frames "$f"))); done
  local cpu repeated first
  cpu=$(cpu_seconds "$dir/time")
  repeated=$(awk '{r+=$8} END{print r}' "$dir/report")
  first=$(awk '{if ($4>m) m=$4} END{print m}' "$dir/report")
  echo "$cpu $total $(awk -v c="$cpu" -v n="$total" 'BEGIN{printf "%.2f", 1000*c/n}') $repeated $(peak_rss_mb "$dir/time") $first"
}

echo "== Four synthetic 640x480@30 cameras, preview at 60 ms, recording MPEG-4 for $seconds s =="
read -r cpu total per_frame repeated rss first < <(run_vidmora "640x480 YUY2 30 fps" "Xvid MPEG-4 Codec" mpeg4)
expected=$((4 * seconds * 1000000 / 66000))
echo "CPU seconds: $cpu   frames recorded: $total (expected about $expected)   CPU ms per recorded frame: $per_frame"
echo "frame slots that repeated a late camera frame (dropped): $repeated   peak RSS: ${rss} MB   slowest first preview frame: ${first} ms"

echo "== Four ffmpeg processes: the same encodes from smptebars =="
mkdir -p "$out/ffmpeg"
/usr/bin/time -v bash -c '
  for i in 1 2 3 4; do
    ffmpeg -v error -f lavfi -i "smptebars=size=640x480:rate=30" -f lavfi -i "sine=frequency=440:sample_rate=44100" \
      -t "$1" -r 500/33 -c:v mpeg4 -b:v 1200k -g 30 -c:a pcm_s16le -ac 1 -y "$2/ffmpeg$i.avi" &
  done
  wait' _ "$seconds" "$out/ffmpeg" 2> "$out/ffmpeg/time"
ff_cpu=$(cpu_seconds "$out/ffmpeg/time")
ff_total=0
for f in "$out"/ffmpeg/*.avi; do ff_total=$((ff_total + $(frames "$f"))); done
ff_per_frame=$(awk -v c="$ff_cpu" -v n="$ff_total" 'BEGIN{printf "%.2f", 1000*c/n}')
echo "CPU seconds: $ff_cpu   frames: $ff_total   CPU ms per frame: $ff_per_frame"
echo "ratio Vidmora / ffmpeg (CPU per recorded frame, Vidmora also runs cameras, clock overlays and previews): $(awk -v a="$per_frame" -v b="$ff_per_frame" 'BEGIN{printf "%.2f", a/b}')"

echo "== Motion JPEG cameras (640x480): pass-through vs decode and re-encode to MPEG-4 =="
read -r cpu total per_frame repeated rss first < <(run_vidmora "640x480 MJPG 30 fps" "Motion JPEG" passthrough)
echo "pass-through:          CPU ${cpu} s, ${total} frames, ${per_frame} ms per frame, ${repeated} repeated, ${rss} MB"
read -r cpu2 total2 per_frame2 repeated2 rss2 first2 < <(run_vidmora "640x480 MJPG 30 fps" "Xvid MPEG-4 Codec" reencode)
echo "decode + MPEG-4:       CPU ${cpu2} s, ${total2} frames, ${per_frame2} ms per frame, ${repeated2} repeated, ${rss2} MB"
echo "(both include the synthetic cameras' own JPEG encoding and the previews' JPEG decoding)"
