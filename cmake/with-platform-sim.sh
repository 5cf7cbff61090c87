#!/usr/bin/env bash
# Runs a command while the platform stand-in serves on a free port of
# 127.0.0.1. The command finds the port in LANDER_SIM_PORT and the stand-in's
# folder (config.json, read for every request; requests.log, one JSON line per
# request) in LANDER_SIM_STATE.
#   with-platform-sim.sh STATE_DIR COMMAND [ARGS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
state=$1
shift
rm -rf "$state"
mkdir -p "$state"
echo '{}' >"$state/config.json"

coproc SIM { exec python3 "$here/../tools/platform-sim/platform_sim.py" --port 0 \
  --config "$state/config.json" --log "$state/requests.log"; }
sim_pid=$SIM_PID
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null' EXIT
read -r -t 20 word port <&"${SIM[0]}" || true
if [[ ${word:-} != PORT ]]; then
  echo "the platform stand-in did not start" >&2
  exit 1
fi
export LANDER_SIM_PORT=$port LANDER_SIM_STATE=$state
"$@"
