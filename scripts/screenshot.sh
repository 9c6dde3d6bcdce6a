#!/usr/bin/env bash
# Starts Larkspur under a virtual X display, waits, and saves a screenshot.
#   scripts/screenshot.sh OUTPUT.png [larkspur arguments...]
# Needs: scripts/install-deps.sh --desktop
set -euo pipefail
out=${1:?output png}; shift
display=:97
Xvfb $display -screen 0 1024x700x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display build/larkspur "$@" &
app=$!
sleep "${WAIT:-3}"
DISPLAY=$display import -window root "$out"
