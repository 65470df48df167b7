#!/usr/bin/env bash
# Starts the game in a real window under Xvfb and saves a screenshot of the screen.
# Usage: scripts/captura.sh <program> <out.png> [seconds] [extra env...]
set -euo pipefail
prog=$1; out=$2; espera=${3:-2}
shift 3 || true
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  env $* \"$prog\" & pid=\$!
  sleep $espera
  import -window root \"$out\"
  kill \$pid" 
