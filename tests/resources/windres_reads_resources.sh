#!/usr/bin/env bash
# The mingw resource compiler must read the resource file and print the
# version block with exactly its five strings, the icon group, and the three
# icon images.
#   windres_reads_resources.sh <tovrane.res> <expected rc text>
set -euo pipefail
windres=i686-w64-mingw32-windres
command -v $windres >/dev/null || { echo "$windres is missing (Debian package binutils-mingw-w64-i686)"; exit 1; }
rc=$($windres -J res -i "$1" -O rc)

# The icon images are printed as numbers; check that each is there with its
# type, then compare everything from the icon group on as text.
status=0
for id in 30001 30002 30003; do
  grep -q "^$id 3 /\* RT_ICON \*/" <<<"$rc" || { echo "icon image $id missing"; status=1; }
done
tail=$(sed -n '/Type: group icon/,$p' <<<"$rc")
if [ "$tail" != "$(cat "$2")" ]; then
  echo "windres printed:"; echo "$tail"
  echo "expected:"; cat "$2"
  status=1
fi
exit $status
