#!/usr/bin/env bash
# Drives the built Tovrane from outside, as a user meets it: xdotool for input
# and window lookup, xwd for screenshots, xclip for pasting long texts. The
# program runs unchanged, with a home and working folder of its own that it
# must leave exactly as it found them.
#
#   user_session.sh <scenario> <tovrane> <shot_check> <wm_close> <generated dir>
#
# Scenarios: session, odd_text, fast_clicks, close_during_box, other_events, seeding.
set -euo pipefail
scenario=$1 tovrane=$2 shot_check=$3 wm_close=$4 generated=$5

. "$(dirname "$0")/common.sh"
need_tools xdotool xwd xwininfo xclip

scratch=$(mktemp -d)
home=$scratch/home work=$scratch/work logs=$scratch/logs
mkdir -p "$home" "$work" "$logs"
pid="" clip_pid="" main=""
cleanup() {
  [ -n "$clip_pid" ] && kill "$clip_pid" 2>/dev/null
  # Only when a step failed midway: the program is still running.
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

step() { echo "--- $*"; }

alive() { [ -e "/proc/$pid" ] && ! grep -q '^State:.*Z' "/proc/$pid/status" 2>/dev/null; }
require_alive() { alive || fail "Tovrane ended unexpectedly ($(cat "$logs/err"))"; }

# Prints the id of the visible window with exactly this title once there is one.
wait_window() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
  [ -n "$id" ] || fail "no window titled \"$1\" appeared"
  echo "$id"
}

# Waits until no visible window has this title.
wait_no_window() {
  for _ in $(seq 1 200); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  fail "the window titled \"$1\" did not close"
}

count_windows() { { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; } | wc -l; }

# A listing of the home and working folders (common.sh says what it holds).
folders() { (cd "$scratch" && folder_state home work); }

start_tovrane() {
  step "start"
  # The user already has preferences of the toolkit's own, in a layout of
  # their own and with an old time: they must stay exactly as they are.
  mkdir -p "$home/.fltk/fltk.org"
  printf '; FLTK preferences file format 1.0\n; vendor: fltk.org\n; application: fltk\n[.]\n; a note\n[./options]\nArrowFocus:1\n' \
    >"$home/.fltk/fltk.org/fltk.prefs"
  touch -d '2020-01-02 03:04:05' "$home/.fltk/fltk.org/fltk.prefs"
  folders >"$logs/folders.before"
  (cd "$work" && exec env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
     HOME="$home" "$tovrane" >"$logs/out" 2>"$logs/err") &
  pid=$!
  main=$(wait_window Form1)
  local size
  size=$(xwininfo -id "$main" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
  [ "$size" = "639x479" ] || fail "the window's client area is $size, not 639x479"
}

click_button() { xdotool mousemove --window "$main" 320 244 click 1; }

# Clicks the button and waits for the input box, focused for typing.
open_question() {
  click_button
  local box
  box=$(wait_window question)
  xdotool windowfocus --sync "$box"
}

# Sends the keys that end the input box, then closes the box that follows.
finish_question() {
  xdotool key "$1"
  wait_no_window question
  local box
  box=$(wait_window Tovrane)
  [ "$(count_windows Tovrane)" -eq 1 ] || fail "more than one box titled Tovrane"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  wait_no_window Tovrane
  require_alive
}

ask() { open_question; xdotool type --delay 2 -- "$1"; finish_question Return; }

# Pastes a file's text into the input box through the clipboard, and waits
# until the clipboard's owner has handed the text over. Texts beyond ASCII go
# this way rather than through `xdotool type`, which remaps a key for each
# such character and maps it back at once, racing the program's lookup.
paste_file() {
  xclip -quiet -loops 1 -selection clipboard -i "$1" >/dev/null 2>&1 &
  clip_pid=$!
  sleep 0.2
  xdotool key ctrl+v
  for _ in $(seq 1 200); do
    kill -0 "$clip_pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$clip_pid" 2>/dev/null && fail "the input box did not take the pasted text"
  wait "$clip_pid" 2>/dev/null || true
  clip_pid=""
  sleep 0.2
}

# Pastes a text given as printf's format into the open input box.
paste_text() {
  printf "$1" >"$logs/paste.txt"
  paste_file "$logs/paste.txt"
}

# Takes a screenshot of the window until it passes the check (the window may
# still be redrawing what a box covered), or fails with the last report.
expect_screen() {
  local report=""
  for _ in $(seq 1 30); do
    xwd -silent -id "$main" >"$logs/shot.xwd"
    if report=$("$shot_check" "$logs/shot.xwd" "$generated/spiral.bmp" "$generated/button.bmp" "$1" 2>&1); then
      echo "$report"
      return 0
    fi
    sleep 0.1
  done
  echo "$report"
  fail "the window does not look as expected ($1)"
}

# The number of pixels outside the button that differ from the spiral.
printed_pixels() {
  xwd -silent -id "$main" >"$logs/shot.xwd"
  "$shot_check" "$logs/shot.xwd" "$generated/spiral.bmp" "$generated/button.bmp" printed:0 |
    sed -n 's/^outside the button: \([0-9]*\) pixels.*/\1/p'
}

# Closes the window as a user would; the process must end with status 0
# within two seconds, having written nothing in its home or working folder.
close_and_check() {
  step "close the window"
  "$wm_close" "$main"
  local waited=0
  while alive && [ $waited -lt 40 ]; do sleep 0.05; waited=$((waited + 1)); done
  alive && fail "Tovrane still runs two seconds after its window was closed"
  local status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "Tovrane ended with status $status ($(cat "$logs/err"))"
  folders >"$logs/folders.after"
  diff "$logs/folders.before" "$logs/folders.after" || fail "Tovrane changed its home or working folder (above)"
  [ ! -s "$logs/out" ] || fail "Tovrane printed to its standard output: $(head -c 300 "$logs/out")"
  if [ -s "$logs/err" ]; then echo "standard error (not a failure): $(head -c 300 "$logs/err")"; fi
}

session() {
  start_tovrane
  step "the window shows the spiral and the words on the button"
  expect_screen clean

  step "a question gets a reply in a box titled Tovrane"
  ask "Will it rain tomorrow?"
  expect_screen clean

  step "cancel with Escape: complaint, then the result is printed top-left"
  open_question
  finish_question Escape
  expect_screen printed:1
  local after_cancel
  after_cancel=$(printed_pixels)

  step "an empty entry with Return: complaint, one more result printed"
  open_question
  finish_question Return
  expect_screen printed:$((after_cancel + 1))

  close_and_check
}

odd_text() {
  start_tovrane
  # Each of these is a question: it must be answered, so nothing gets
  # printed (a complaint would print its result onto the window).
  step "characters outside the basic plane only, pasted after a click into the entry"
  open_question
  # The entry lies across the box's middle, well away from its buttons.
  xdotool mousemove --window "$(wait_window question)" 100 82 click 1
  paste_text '\360\237\230\200\360\237\216\211'   # U+1F600 U+1F389
  finish_question Return
  expect_screen clean

  step "accented, Greek and CJK letters"
  open_question
  paste_text '\303\207a va? \316\225\316\273\316\273\316\267\316\275\316\271\316\272\316\254 \346\227\245\346\234\254\350\252\236'
  finish_question Return
  expect_screen clean

  step "a single blank"
  ask " "
  expect_screen clean

  step "control characters only, pasted"
  open_question
  paste_text '\001\002\033\177'
  finish_question Return
  expect_screen clean

  step "a question of 100,000 characters, pasted"
  head -c 100000 /dev/zero | tr '\0' 'q' >"$logs/long.txt"
  open_question
  paste_file "$logs/long.txt"
  finish_question Return
  expect_screen clean

  close_and_check
}

fast_clicks() {
  start_tovrane
  step "twenty clicks in quick succession"
  xdotool mousemove --window "$main" 320 244 click --repeat 20 --delay 5 1
  # Later clicks may land on a box that opened under the pointer; whatever
  # they did, at most one box is open at a time, and each can be closed.
  local quiet=0 looks=0
  while [ $quiet -lt 3 ]; do
    [ $((looks += 1)) -lt 100 ] || fail "boxes kept opening after the clicks stopped"
    sleep 0.3
    require_alive
    local questions replies
    questions=$(count_windows question) replies=$(count_windows Tovrane)
    [ $((questions + replies)) -le 1 ] || fail "$questions input boxes and $replies message boxes are open at once"
    if [ "$questions" -eq 1 ]; then
      xdotool windowfocus --sync "$(wait_window question)"; xdotool key Escape; quiet=0
    elif [ "$replies" -eq 1 ]; then
      xdotool windowfocus --sync "$(wait_window Tovrane)"; xdotool key Return; quiet=0
    else
      quiet=$((quiet + 1))
    fi
  done

  step "ten questions in a row, quickly, then a complaint"
  for i in $(seq 1 10); do ask "question $i"; done
  open_question
  finish_question Escape
  expect_screen printed:1

  close_and_check
}

close_during_box() {
  start_tovrane
  step "closing the window while the input box is open loses nothing"
  open_question
  xdotool type --delay 2 -- "Is anyone there?"
  "$wm_close" "$main"
  sleep 0.5
  require_alive
  local box
  box=$(wait_window question)
  xdotool windowfocus --sync "$box"
  finish_question Return

  step "closing the window while the reply box is open"
  open_question
  xdotool type --delay 2 -- "And now?"
  xdotool key Return
  box=$(wait_window Tovrane)
  "$wm_close" "$main"
  sleep 0.5
  require_alive
  xdotool windowfocus --sync "$box"
  xdotool key Return
  wait_no_window Tovrane

  step "the window is still there and closes normally"
  sleep 0.3
  if alive; then
    [ "$(count_windows Form1)" -eq 1 ] || fail "the window is gone but the process still runs"
    close_and_check
  else
    local status=0
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "Tovrane ended with status $status"
  fi
}

other_events() {
  start_tovrane
  step "clicks outside the button, keys and a move run none of the program's code"
  xdotool mousemove --window "$main" 10 10 click 1
  xdotool mousemove --window "$main" 600 400 click --repeat 2 --delay 20 1
  xdotool mousemove --window "$main" 230 244 click 3
  xdotool windowfocus --sync "$main"
  xdotool key Escape a F1
  xdotool windowmove --sync "$main" 50 60
  sleep 0.5
  require_alive
  [ "$(count_windows question)" -eq 0 ] || fail "an input box opened"
  [ "$(count_windows Tovrane)" -eq 0 ] || fail "a message box opened"
  [ "$(count_windows Form1)" -eq 1 ] || fail "the window is gone"
  expect_screen clean

  step "the button still answers"
  ask "Still there?"
  expect_screen clean

  close_and_check
}

# Asks eight questions and prints a checksum of each reply box's picture:
# the box shows nothing but the reply, so equal sums mean equal replies.
reply_sequence() {
  start_tovrane >&2
  for i in $(seq 1 8); do
    open_question
    xdotool type --delay 2 -- "question $i"
    xdotool key Return
    local box
    box=$(wait_window Tovrane)
    # The box has drawn its text once two pictures in a row agree.
    local sum="" last=""
    for _ in $(seq 1 20); do
      sleep 0.05
      sum=$(xwd -silent -id "$box" | md5sum | cut -c1-32)
      [ "$sum" = "$last" ] && break
      last=$sum
    done
    echo "$sum"
    xdotool windowfocus --sync "$box"
    xdotool key Return
    wait_no_window Tovrane
  done
  close_and_check >&2
}

seeding() {
  step "two runs started one after the other give different replies"
  local first second
  first=$(reply_sequence | tr '\n' ' ')
  second=$(reply_sequence | tr '\n' ' ')
  echo "first run:  $first"
  echo "second run: $second"
  [ "$first" != "$second" ] || fail "both runs gave the same eight replies: the generator was not seeded from the clock"
  local kinds
  kinds=$(echo "$first $second" | tr ' ' '\n' | sort -u | grep -c .)
  [ "$kinds" -le 6 ] || fail "the reply boxes showed $kinds different pictures, more than the six replies"
}

case "$scenario" in
  session | odd_text | fast_clicks | close_during_box | other_events | seeding) "$scenario" ;;
  *) echo "unknown scenario: $scenario" >&2; exit 2 ;;
esac
echo "PASS: $scenario"
