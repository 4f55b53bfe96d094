#!/usr/bin/env bash
# icotool must list the icon file's three images with their sizes and depths.
#   icotool_lists_images.sh <icon.ico> <expected listing>
set -euo pipefail
command -v icotool >/dev/null || { echo "icotool is missing (Debian package icoutils)"; exit 1; }
listing=$(icotool -l "$1")
if [ "$listing" != "$(cat "$2")" ]; then
  echo "icotool -l $1 printed:"; echo "$listing"
  echo "expected:"; cat "$2"
  exit 1
fi
