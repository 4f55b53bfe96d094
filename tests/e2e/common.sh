# What the end-to-end scripts share: failing with a message, a listing of
# folders that shows any change, and finding a process's window.

fail() { echo "FAIL: $*" >&2; exit 1; }

need_tools() {
  [ -n "${DISPLAY:-}" ] || fail "DISPLAY is not set: run under scripts/with-xvfb"
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps"
  done
}

# Every path below the given ones (the folders themselves included) with its
# type, size, permissions, owner, modification and change times, and the
# checksum of every plain file's contents. Reading does not show here.
folder_state() {
  find "$@" -printf '%p %y %s %m %u %T@ %C@ %l\n' | sort
  find "$@" -type f -exec md5sum {} + | sort
}

# Prints the id of the visible window titled $2 that process $1 shows, once
# it shows one; fails after ten seconds. (Without --all xdotool takes a window
# that meets any one of the conditions, another process's Form1 included.)
window_of() {
  local id="" tries
  for tries in $(seq 1 200); do
    id=$(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    [ -e "/proc/$1" ] || fail "process $1 ended before it showed its window"
    sleep 0.05
  done
  fail "process $1 showed no window titled \"$2\""
}

# Waits up to five seconds for process $1, a child of this shell, to end;
# fails unless it ends with status 0.
expect_exit_0() {
  local waited=0
  while [ -e "/proc/$1" ] && ! grep -q '^State:.*Z' "/proc/$1/status" 2>/dev/null && [ $waited -lt 100 ]; do
    sleep 0.05; waited=$((waited + 1))
  done
  local status=0
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || fail "process $1 ended with status $status"
}
