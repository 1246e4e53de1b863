#!/usr/bin/env bash
# Bulk Insert Text benchmark: Lumaro, Pillow and ImageMagick do the same job
# on the same large camera photos in one run (see bench/README.md).
#
#   bench/run.sh                  # build into build/, 3 rounds
#   BUILD_DIR=build-bench ROUNDS=5 bench/run.sh
#
# Installs what it needs (Debian packages) when something is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${BUILD_DIR:-build}
rounds=${ROUNDS:-3}
work=$root/bench/work
src=$work/src
min_pictures=20
text=Lumaro

# Camera photos from another wallpaper package, used only when the lomiri
# wallpapers give fewer than $min_pictures large photos.
topup_package=mate-backgrounds
topup_photos=(/usr/share/backgrounds/mate/abstract/Elephants_5640x3172.jpg
              /usr/share/backgrounds/mate/nature/Wood.jpg)

# --- packages -----------------------------------------------------------------
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
updated=no
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if [ $updated = no ]; then
    $sudo apt-get update
    updated=yes
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
}

install_missing cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libfreeimage-dev \
  libgif-dev libimagequant-dev libgtest-dev fonts-liberation \
  lomiri-wallpapers imagemagick python3-pil

# Debian's interpreter and ImageMagick, whatever else comes first on PATH.
python=/usr/bin/python3
convert=$(command -v convert-im6.q16 || echo /usr/bin/convert)
font=$(fc-match -f '%{file}' 'Liberation Serif' 2>/dev/null || true)
[ -f "$font" ] || font=/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf

# --- build --------------------------------------------------------------------
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build_dir" --target insert_text_bench
bench=$build_dir/bench/insert_text_bench

# --- photos -------------------------------------------------------------------
# Prints "path width height progressive" for each JPEG whose longer side is
# 2500 to 6100 pixels (header only, no decoding).
survey() {
  "$python" - "$@" <<'EOF'
import sys
from PIL import Image
for path in sys.argv[1:]:
    try:
        with Image.open(path) as im:
            if im.format != "JPEG":
                continue
            w, h = im.size
            if 2500 <= max(w, h) <= 6100:
                print(path, w, h, 1 if im.info.get("progressive") or im.info.get("progression") else 0)
    except OSError:
        pass
EOF
}

mapfile -t lomiri < <(dpkg-query -W -f='${Package}\n' 'lomiri-wallpapers*' 2>/dev/null \
  | xargs -r dpkg -L | grep -E '\.jpg$' | sort -u)
mapfile -t chosen < <(survey "${lomiri[@]}")
if [ ${#chosen[@]} -lt $min_pictures ]; then
  echo "The lomiri wallpapers give ${#chosen[@]} large photos; adding camera photos from $topup_package."
  install_missing "$topup_package"
  mapfile -t -O ${#chosen[@]} chosen < <(survey "${topup_photos[@]}")
fi
if [ ${#chosen[@]} -lt $min_pictures ]; then
  echo "Only ${#chosen[@]} large photos found; $min_pictures are needed." >&2
  exit 1
fi

rm -rf "$src"
mkdir -p "$src"
progressive=0
echo
echo "Photos (${#chosen[@]}):"
for line in "${chosen[@]}"; do
  read -r path w h p <<<"$line"
  cp "$path" "$src/"
  [ "$p" = 1 ] && progressive=$((progressive + 1))
  printf '  %-45s %5d x %-5d %s\n' "$(basename "$path")" "$w" "$h" \
    "$([ "$p" = 1 ] && echo progressive || echo baseline)"
done
count=${#chosen[@]}
echo "  $progressive of $count are progressive"
cat "$src"/* >/dev/null # every tool reads them from the page cache

# --- the runs -----------------------------------------------------------------
# Each run leaves "pictures wall-seconds processor-seconds" in $result.
result=""

# A failed run leaves $result empty (record() stops the script) and its
# messages in bench/work/<tool>.err.
run_lumaro() {
  rm -rf "$work/out-lumaro"
  result=$("$bench" --job-only --text "$text" "$src" "$work/out-lumaro" 2>"$work/lumaro.err" \
    | awk '/^result:/ {print $2, $3, $4}') || result=""
}

run_pillow() {
  rm -rf "$work/out-pillow"
  result=$("$python" bench/pillow_insert_text.py --font "$font" --text "$text" \
    "$src" "$work/out-pillow" 2>"$work/pillow.err" | awk '/^result:/ {print $2, $3, $4}') \
    || result=""
}

# One convert per picture, as a user's script would do it; the processor time
# is that of the convert processes (ImageMagick may use both cores).
imagemagick_loop() {
  local out=$1
  shift
  local f
  for f in "$src"/*.jpg; do
    "$convert" "$@" "$f" -resize '1280x900>' -font "$font" -pointsize 16 -fill black \
      -annotate +102+53 "$text" -quality 75 "$out/adt-$(basename "$f")"
  done
}

run_imagemagick() {
  local out=$1
  shift
  rm -rf "$out"
  mkdir -p "$out"
  local TIMEFORMAT='%R %U %S' times
  times=$({ time imagemagick_loop "$out" "$@" 2>"$work/imagemagick.err"; } 2>&1)
  result=$(awk -v n="$count" '{printf "%d %.4f %.4f\n", n, $1, $2 + $3}' <<<"$times")
}

check_outputs() {
  local dir=$1 n
  n=$(find "$dir" -maxdepth 1 -name 'adt-*' -type f | wc -l)
  if [ "$n" -ne "$count" ]; then
    echo "$dir holds $n results, $count expected" >&2
    exit 1
  fi
}

declare -A wall cpu # per tool: the pictures/s of every round
record() { # name
  local name=$1 n w c
  read -r n w c <<<"$result"
  if [ -z "$n" ] || [ "$n" -ne "$count" ]; then
    echo "$name did not finish its run (see $work/*.err)" >&2
    exit 1
  fi
  w=$(awk -v n="$n" -v w="$w" 'BEGIN {printf "%.2f", n / w}')
  c=$(awk -v n="$n" -v c="$c" 'BEGIN {printf "%.2f", n / c}')
  wall[$name]+="$w "
  cpu[$name]+="$c "
  printf '  %-32s %6.2f pictures/s (by processor time %6.2f)\n' "$name" "$w" "$c"
}
last() { awk '{print $NF}' <<<"$1"; }
median() { tr ' ' '\n' <<<"$1" | grep . | sort -g | awk '{v[NR] = $1} END {printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

echo
echo "Machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) before the runs."
echo "Box 1280 x 900, text \"$text\" in $(basename "$font"), JPEG quality 75; $rounds rounds."
ahead=0 # rounds in which Lumaro was at least as fast as Pillow
for round in $(seq 1 "$rounds"); do
  echo "Round $round:"
  run_lumaro
  check_outputs "$work/out-lumaro"
  record Lumaro
  run_pillow
  check_outputs "$work/out-pillow"
  record Pillow
  ahead=$((ahead + $(awk -v a="$(last "${wall[Lumaro]}")" -v b="$(last "${wall[Pillow]}")" \
    'BEGIN {print (a >= b)}') ))
  run_imagemagick "$work/out-im-size" -define jpeg:size=1280x900
  check_outputs "$work/out-im-size"
  record "ImageMagick jpeg:size"
  run_imagemagick "$work/out-im"
  check_outputs "$work/out-im"
  record ImageMagick
done

echo
echo "Lumaro, one more run with the step and decode timings:"
rm -rf "$work/out-lumaro"
"$bench" --text "$text" "$src" "$work/out-lumaro" 2>"$work/lumaro.err" | grep -v '^result:' \
  | sed 's/^/  /'

ratio() { awk -v a="$(median "$1")" -v b="$(median "$2")" 'BEGIN {printf "%.2f", a / b}'; }
echo
echo "Median of $rounds rounds, pictures/s (wall clock | processor time):"
for name in Lumaro Pillow "ImageMagick jpeg:size" ImageMagick; do
  printf '  %-32s %6s | %6s\n' "$name" "$(median "${wall[$name]}")" "$(median "${cpu[$name]}")"
done
echo "Ratios of the medians (wall clock | processor time):"
for other in Pillow ImageMagick "ImageMagick jpeg:size"; do
  printf '  %-32s %6s | %6s\n' "Lumaro / $other" "$(ratio "${wall[Lumaro]}" "${wall[$other]}")" \
    "$(ratio "${cpu[Lumaro]}" "${cpu[$other]}")"
done
echo "Lumaro was at least as fast as Pillow (wall clock) in $ahead of $rounds rounds."
