#!/usr/bin/env bash
# Runs Tovrane under strace in homes holding each thing a user may have where
# the toolkit keeps its preferences, as root and (when started as root) as a
# normal user, and closes its window as a user would. Fails on any file call
# that would write under the home, even one that failed, and on any that
# wrote anywhere else; and on any change in the home or what it links to.
#
#   strace_home.sh <tovrane> <wm_close>
set -euo pipefail
tovrane=$1 wm_close=$2
. "$(dirname "$0")/common.sh"
need_tools strace xdotool

scratch=$(mktemp -d)
chmod 755 "$scratch"
mkdir -m 777 "$scratch/logs"
trap 'rm -rf "$scratch"' EXIT

header='; FLTK preferences file format 1.0\n; vendor: fltk.org\n; application: fltk\n'

# Builds one home, with old times everywhere so that any write shows.
make_home() {
  local kind=$1 home=$2 elsewhere=$3
  local prefs=$home/.fltk/fltk.org
  mkdir -p "$home" "$elsewhere"
  case $kind in
    nothing) ;;
    empty_file) mkdir -p "$prefs"; : >"$prefs/fltk.prefs" ;;
    with_options) mkdir -p "$prefs"; printf "$header[.]\n; mine\n[./options]\nVisibleFocus:0\n" >"$prefs/fltk.prefs" ;;
    without_options) mkdir -p "$prefs"; printf "$header[.]\nsomething:else\n" >"$prefs/fltk.prefs" ;;
    folder) mkdir -p "$prefs/fltk.prefs" ;;
    pipe) mkdir -p "$prefs"; mkfifo "$prefs/fltk.prefs" ;;
    symlink) mkdir -p "$prefs"; printf "$header[./options]\nArrowFocus:1\n" >"$elsewhere/real.prefs"
             ln -s "$elsewhere/real.prefs" "$prefs/fltk.prefs" ;;
    dangling_symlink) mkdir -p "$prefs"; ln -s "$elsewhere/none.prefs" "$prefs/fltk.prefs" ;;
    linked_folder) ln -s "$elsewhere" "$home/.fltk" ;;
    *) fail "unknown home: $kind" ;;
  esac
  find "$home" "$elsewhere" -exec touch -h -d '2020-01-02 03:04:05' {} +
}

# The calls that write, create or remove; opens count only with a writing flag.
writing='^[0-9]+ +(mkdir|mkdirat|rmdir|unlink|unlinkat|rename|renameat2?|link|linkat|symlink|symlinkat|mknod|mknodat|creat|truncate|ftruncate|chmod|fchmod|fchmodat|chown|fchown|lchown|fchownat|utime|utimes|utimensat|futimesat|setxattr|lsetxattr|fsetxattr|removexattr|lremovexattr|fremovexattr)\(|^[0-9]+ +open(at|at2)?\(.*O_(WRONLY|RDWR|CREAT|TRUNC)'

run_one() {
  local kind=$1 user=$2
  local base=$scratch/$kind-$user
  local home=$base/home elsewhere=$base/elsewhere log=$scratch/logs/$kind-$user.strace
  make_home "$kind" "$home" "$elsewhere"
  local as=()
  if [ "$user" = nobody ]; then
    chown -hR nobody:nogroup "$base"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  local before
  before=$(folder_state "$base")

  # A leak check cannot run under a tracer: the sanitizer build skips it here.
  "${as[@]}" env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" HOME="$home" \
    strace -f -qq -o "$log" -e trace=%file,fchmod,fchown,ftruncate,fsetxattr,fremovexattr "$tovrane" \
    >"$log.out" 2>"$log.err" &
  local pid=$!
  local tovrane_pid window
  for _ in $(seq 1 100); do
    tovrane_pid=$(pgrep -P "$pid" -x "$(basename "$tovrane")" | head -n 1) && break
    sleep 0.05
  done
  [ -n "$tovrane_pid" ] || fail "$kind, $user: Tovrane did not start ($(cat "$log.err"))"
  window=$(window_of "$tovrane_pid" Form1) || fail "$kind, $user: its standard error: $(tail -c 2000 "$log.err")"
  "$wm_close" "$window"
  expect_exit_0 "$pid"

  local under_home others
  under_home=$(grep -E "$writing" "$log" | grep -F -e "$home" -e "$elsewhere" || true)
  [ -z "$under_home" ] || fail "$kind, $user: calls that write under the home:"$'\n'"$under_home"
  others=$(grep -E "$writing" "$log" | grep -v '= -1 E' || true)
  [ -z "$others" ] || fail "$kind, $user: calls that wrote:"$'\n'"$others"
  diff <(echo "$before") <(folder_state "$base") || fail "$kind, $user: the home changed (above)"
  grep -q -F "$home" "$log" || fail "$kind, $user: the trace shows no look at the home at all"
  echo "ok: $kind, $user ($(grep -c . "$log") file calls, $(grep -E "$writing" "$log" | grep -c . || true) refused writes outside the home)"
}

users=("$(id -un)")
[ "$(id -u)" -eq 0 ] && users+=(nobody)
for user in "${users[@]}"; do
  for kind in nothing empty_file with_options without_options folder pipe symlink dangling_symlink linked_folder; do
    run_one "$kind" "$user"
  done
done
echo "PASS: no run wrote anything"
