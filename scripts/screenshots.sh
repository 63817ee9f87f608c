#!/usr/bin/env bash
# Takes the README's pictures of the register, docs/screenshots/register-light.png
# and register-dark.png: the program started under Xvfb with the openbox
# window manager on a fresh, throw-away data folder, the sample data loaded
# through Help › Load Sample Data, once in the light theme and once in the
# dark one (the "theme" preference the Preferences window stores).
#
#   scripts/screenshots.sh [BUILD_DIR]
#
# Uses the program in BUILD_DIR (default build/, built first when missing).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${BUILD_DIR:-$root/build}}"
program="$build/src/kestrelwood-checkbook"
"$root/scripts/install-deps.sh" openbox xdotool x11-apps imagemagick sqlite3 xvfb
[ -x "$program" ] || BUILD_DIR="$build" "$root/scripts/build.sh"

work="$(mktemp -d /tmp/kestrelwood-screenshots.XXXXXX)"
pids=()
# Only what this script started is stopped.
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A free display number: the first without a lock file.
display=90
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1440x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)

# A first start on its own: no settings, no register, English, no network.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export CHECKBOOK_DATA_DIR="$work/data" CHECKBOOK_DEV=1 LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=
export CHECKBOOK_UPDATE_URL=http://127.0.0.1:9/ CHECKBOOK_FEEDBACK_URL=http://127.0.0.1:9/
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
mkdir -p "$HOME"

# Starts the program and waits for its main window; sets $program_pid and $window.
start_program() {
  "$program" >>"$work/program.log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
  window=""
  for _ in $(seq 100); do
    window="$(xdotool search --sync --onlyvisible --pid "$program_pid" --name 'Kestrelwood Checkbook' 2>/dev/null | head -1 || true)"
    [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || { echo "The main window did not appear; see $work/program.log" >&2; cat "$work/program.log" >&2; exit 1; }
  xdotool windowactivate --sync "$window"
  xdotool windowsize --sync "$window" 1320 800
  xdotool windowmove --sync "$window" 40 40
  sleep 2
}

stop_program() {
  xdotool windowactivate --sync "$window" key ctrl+q
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || return 0; sleep 0.2; done
  kill "$program_pid"
}

shoot() {
  # Lets the status bar's timed message run out first.
  sleep 6
  mkdir -p "$root/docs/screenshots"
  # The window with the window manager's frame around it.
  import -frame -window "$window" "$root/docs/screenshots/$1"
  echo "Saved docs/screenshots/$1"
}

start_program
# Help › Load Sample Data, by its menu accelerators.
xdotool key --window "$window" alt+h
sleep 1
xdotool key s
sleep 3
shoot register-light.png
stop_program

sqlite3 "$CHECKBOOK_DATA_DIR/checkbook.db" \
  "INSERT INTO preferences (key, value) VALUES ('theme', 'dark') ON CONFLICT(key) DO UPDATE SET value = excluded.value;"
start_program
shoot register-dark.png
stop_program
