#!/usr/bin/env bash
# Runs a test program on Qt's Wayland plugin under a headless weston of its
# own, in a runtime folder of its own. Exits 77 (skipped) only without weston.
#   tests/wayland/run_under_weston.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
command -v weston > /dev/null || { echo "weston is not installed: skipped"; exit 77; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=kelmora-test QT_QPA_PLATFORM=wayland
unset DISPLAY
# A headless compositor has no keyboard, and the Wayland text-input method
# would then fail on the test's typed keys: type straight into the widgets.
export QT_IM_MODULE=none
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    --shell=desktop-shell.so > "$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2> /dev/null; wait "$weston_pid" 2> /dev/null; rm -rf "$runtime"' EXIT

# The compositor is ready once its socket is there; a compositor that died
# is reported rather than waited for.
until [ -S "$runtime/$WAYLAND_DISPLAY" ]; do
    kill -0 "$weston_pid" 2> /dev/null || { cat "$runtime/weston.log"; exit 1; }
    sleep 0.05
done
"$@"
