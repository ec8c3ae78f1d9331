#!/bin/sh
# The command as a player runs it: off a terminal it prints game 1's line and
# nothing on standard error; on a terminal it draws its bar as well.
set -eu
solve=$1
known=$2
err=$(mktemp)
trap 'rm -f "$err"' EXIT
"$solve" 1 2>"$err" | cmp - "$known"
test ! -s "$err"
script -qec "$solve 45-45" /dev/null | grep -q '] 1/1 deals'
