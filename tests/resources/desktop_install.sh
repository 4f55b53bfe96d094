#!/usr/bin/env bash
# Installs the build into a scratch directory and checks what the desktop
# needs: the program, its desktop entry, and the entry's icon in the hicolor
# theme, each icon pixel for pixel against its map.
#   desktop_install.sh <cmake> <build-dir> <icon-map-dir>
set -euo pipefail
cmake=$1
build=$2
maps=$3
for tool in desktop-file-validate identify; do
  command -v $tool >/dev/null || { echo "$tool is missing"; exit 1; }
done
# ImageMagick's own convert, by its versioned name where it has one.
convert=$(command -v convert-im6.q16 || command -v /usr/bin/convert || command -v convert)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR=$scratch "$cmake" --install "$build" --prefix /usr >/dev/null
root=$scratch/usr
status=0
fail() { echo "FAIL: $*"; status=1; }

[ -x "$root/bin/tovrane" ] || fail "the program is not installed as bin/tovrane"

entry=$root/share/applications/tovrane.desktop
if [ -f "$entry" ]; then
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
  for line in '[Desktop Entry]' Type=Application Name=Tovrane Exec=tovrane Icon=tovrane; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks the line $line"
  done
else
  fail "no desktop entry at share/applications/tovrane.desktop"
fi

# Each map letter as the RGBA colour the icon must have there.
pixels_of_map() {
  awk 'substr($0, 1, 1) != " " && NF == 2 {
         row = $1 + 0; n = split($2, letters, "")
         for (x = 1; x <= n; x++) {
           c = letters[x]
           if (c == ".") v = "0,0,0,0"; else if (c == "K") v = "0,0,0,255"
           else if (c == "W") v = "255,255,255,255"; else if (c == "A") v = "0,255,255,255"
           else if (c == "L") v = "192,192,192,255"; else if (c == "G") v = "128,128,128,255"
           else v = "unknown letter " c
           print (x - 1) "," row ": " v
         }
       }' "$1"
}

# The pixels ImageMagick reads, in the same form; fully transparent pixels
# all count as 0,0,0,0.
pixels_of_png() {
  "$convert" "$1" -depth 8 txt:- | awk 'NR > 1 {
      gsub(/[()]/, "", $2); split($2, c, ",")
      if (c[4] == 0) $2 = "0,0,0,0"
      print $1 " " $2
    }'
}

check_icon() {
  local size=$1 map=$2
  local png=$root/share/icons/hicolor/${size}x${size}/apps/tovrane.png
  [ -f "$png" ] || { fail "no ${size}x${size} icon"; return; }
  local info
  info=$(identify -format '%m %w %h %[channels]' "$png") || { fail "identify cannot read $png"; return; }
  [ "$info" = "PNG $size $size srgba" ] || fail "${size}x${size} icon reads as: $info"
  if ! diff <(pixels_of_map "$maps/$map") <(pixels_of_png "$png") >"$scratch/diff"; then
    fail "${size}x${size} icon differs from $map:"; head -20 "$scratch/diff"
  fi
}
check_icon 32 icon-30002.txt
check_icon 16 icon-30003.txt

exit $status
