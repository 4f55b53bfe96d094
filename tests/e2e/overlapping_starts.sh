#!/usr/bin/env bash
# Starts many Tovranes at the same moment on one home, as a double-click on
# the desktop entry does, round after round: on an empty home and on one
# holding the toolkit's preference file, as root and (when started as root)
# as a normal user. Half the rounds close every window as a user would, the
# other half end the processes midway through start-up. After each round the
# home and /etc must be exactly as before.
#
#   overlapping_starts.sh <tovrane> <wm_close> [instances] [rounds]
set -euo pipefail
tovrane=$1 wm_close=$2 instances=${3:-20} rounds=${4:-4}
. "$(dirname "$0")/common.sh"
need_tools xdotool

scratch=$(mktemp -d)
chmod 755 "$scratch"
pids=()
trap '[ ${#pids[@]} -gt 0 ] && kill -9 "${pids[@]}" 2>/dev/null; [ -s "$scratch/err" ] && { echo "standard error of the instances:"; tail -c 3000 "$scratch/err"; }; rm -rf "$scratch"' EXIT

etc_state() {
  find /etc -xdev -printf '%p %y %s %m %T@ %C@\n' | sort
  [ -d /etc/fltk ] && find /etc/fltk -type f -exec md5sum {} + | sort
  true
}

make_home() {
  local kind=$1 home=$2 user=$3
  mkdir "$home"
  if [ "$kind" = with_prefs ]; then
    mkdir -p "$home/.fltk/fltk.org"
    printf '; FLTK preferences file format 1.0\n; vendor: fltk.org\n; application: fltk\n[.]\n; mine\n[./options]\nVisibleFocus:0\n' \
      >"$home/.fltk/fltk.org/fltk.prefs"
  fi
  [ "$user" = nobody ] && chown -R nobody:nogroup "$home"
  find "$home" -exec touch -d '2020-01-02 03:04:05' {} +
}

# All instances wait for one lock that this script holds, and start together
# once it lets go.
round() {
  local kind=$1 user=$2 n=$3 ending=$4
  local home=$scratch/home-$kind-$user-$n gate=$scratch/gate
  make_home "$kind" "$home" "$user"
  local before etc_before
  before=$(folder_state "$home")
  etc_before=$(etc_state)
  local as=()
  [ "$user" = nobody ] && as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)

  : >"$gate"
  exec 8<"$gate"
  flock -x 8
  pids=()
  for _ in $(seq 1 "$instances"); do
    (exec 8<&-
     flock -s 9
     exec 9<&- "${as[@]}" env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
       HOME="$home" "$tovrane" >/dev/null 2>>"$scratch/err") 9<"$gate" &
    pids+=($!)
  done
  sleep 0.3   # until every instance waits at the lock
  exec 8<&-   # letting go of it lets them all through at once
  if [ "$ending" = close ]; then
    for pid in "${pids[@]}"; do "$wm_close" "$(window_of "$pid" Form1)"; done
    for pid in "${pids[@]}"; do expect_exit_0 "$pid"; done
  else
    sleep "0.0$((RANDOM % 10))"
    kill -TERM "${pids[@]}" 2>/dev/null || true
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  fi
  pids=()
  diff <(echo "$before") <(folder_state "$home") || fail "$kind, $user, $ending: the home changed (above)"
  diff <(echo "$etc_before") <(etc_state) || fail "$kind, $user, $ending: /etc changed (above)"
}

users=("$(id -un)")
[ "$(id -u)" -eq 0 ] && users+=(nobody)
started=$SECONDS
for user in "${users[@]}"; do
  for kind in empty with_prefs; do
    for n in $(seq 1 "$rounds"); do
      ending=close
      [ $((n % 2)) -eq 0 ] && ending=kill
      round "$kind" "$user" "$n" "$ending"
    done
    echo "ok: $rounds rounds of $instances at once, $kind home, as $user"
  done
done
echo "PASS: home and /etc unchanged after every round ($((SECONDS - started)) s)"
